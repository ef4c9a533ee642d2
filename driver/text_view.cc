// The UTF-8 text view: the chart's lines in UTF-8 with LF line ends, aligned
// on a terminal.
//
// Every glyph and caption of the chart takes two columns of it.  On a
// terminal that shows ambiguous-width characters narrow (the default), a box
// or arrow glyph takes one, so it is followed by "─" when its stroke runs on
// to the right and by a blank otherwise: runs stay unbroken and vertical
// lines straight.  A statement text takes the columns the view's chart gives
// it; where its characters take fewer on the terminal (Greek or "①" shown
// narrow) blanks follow it, so everything right of it keeps its column.
// Where they take more (an invalid byte shown as U+FFFD on a terminal that
// shows it wide), the blanks that follow it on the line give way.
#include <cstdint>
#include <cstring>

#include "driver/view_pieces.h"

namespace {

// Room for one glyph with its pad, or one stray byte.
constexpr std::size_t kGlyphRoom = 8;

}  // namespace

void write_text_view_line(const char* line) {
  const bool ambiguous_wide = ws.run.view.ambiguous_width == AmbiguousWidth::kWide;
  const std::uint32_t end = line_length();
  std::uint32_t owed = 0;  // columns taken beyond their place, given back by blanks
  for (std::uint32_t column = 0; column < end;) {
    const LinePiece piece = line_piece(line, column, end);
    switch (piece.kind) {
      case PieceKind::kText: {
        char* const start = chart_bytes_room(text_piece_room(piece) + piece.length);
        std::uint32_t shown = 0;
        char* to = put_text_piece<false>(start, column, piece, ambiguous_wide, shown);
        if (shown + owed <= piece.length) {
          const std::uint32_t blanks = piece.length - shown - owed;
          std::memset(to, ' ', blanks);
          to += blanks;
          owed = 0;
        } else {
          owed = shown + owed - piece.length;
        }
        chart_bytes_added(static_cast<std::size_t>(to - start));
        break;
      }
      case PieceKind::kBlank: {
        const std::uint32_t given_back = owed < piece.length ? owed : piece.length;
        owed -= given_back;
        std::memset(chart_bytes_room(piece.length), ' ', piece.length - given_back);
        chart_bytes_added(piece.length - given_back);
        break;
      }
      case PieceKind::kGlyph: {
        char* const start = chart_bytes_room(kGlyphRoom);
        char* to = put_utf8(start, piece.code_point);
        if (!ambiguous_wide && glyph_is_ambiguous(piece.code_point)) {
          to = glyph_runs_right(piece.code_point) ? put_utf8(to, U'─') : put_literal(to, " ");
        }
        chart_bytes_added(static_cast<std::size_t>(to - start));
        break;
      }
      case PieceKind::kStray:
        put_code_point(piece.code_point);
        if (ambiguous_wide) ++owed;
        break;
    }
    column += piece.length;
  }
  put_ascii("\n", 1);
}
