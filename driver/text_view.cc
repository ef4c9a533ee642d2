// The UTF-8 text view: the chart's lines in UTF-8 with LF line ends, aligned
// on a terminal.
//
// Every glyph and caption of the chart takes two columns of it.  On a
// terminal that shows ambiguous-width characters narrow (the default), a box
// or arrow glyph takes one, so it is followed by "─" when its stroke runs on
// to the right and by a blank otherwise: runs stay unbroken and vertical
// lines straight.  A statement text takes as many columns as it has bytes in
// the chart; where its characters take fewer (a UTF-8 kanji: three bytes, two
// columns) blanks follow it, so everything right of it keeps its column.
// Where they take more (an invalid byte shown as U+FFFD on a terminal that
// shows it wide), the blanks that follow it on the line give way.
#include <cstdint>

#include "driver/source_decoding.h"
#include "driver/view_writer.h"
#include "driver/workspace.h"

namespace {


void put_blanks(std::uint32_t count) {
  static constexpr char kBlanks[] = "                ";
  while (count > 0) {
    const std::uint32_t chunk = count < 16 ? count : 16;
    put_ascii(kBlanks, chunk);
    count -= chunk;
  }
}

}  // namespace

void write_text_view_line(const char* line) {
  const bool ambiguous_wide = ws.run.view.ambiguous_width == AmbiguousWidth::kWide;
  const std::uint32_t end = line_length(line);
  std::uint32_t owed = 0;  // columns taken beyond their place, given back by blanks
  for (std::uint32_t column = 0; column < end;) {
    const LinePiece piece = line_piece(line, column, end);
    switch (piece.kind) {
      case PieceKind::kText: {
        const std::uint32_t columns = put_text_piece(column, piece, ambiguous_wide, put_code_point);
        if (columns + owed <= piece.length) {
          put_blanks(piece.length - columns - owed);
          owed = 0;
        } else {
          owed = columns + owed - piece.length;
        }
        break;
      }
      case PieceKind::kBlank:
        if (owed > 0) {
          --owed;
        } else {
          put_ascii(" ", 1);
        }
        break;
      case PieceKind::kGlyph:
        put_code_point(piece.code_point);
        if (!ambiguous_wide && is_ambiguous_width(piece.code_point)) {
          if (glyph_runs_right(piece.code_point)) {
            put_code_point(U'─');
          } else {
            put_ascii(" ", 1);
          }
        }
        break;
      case PieceKind::kStray:
        put_code_point(piece.code_point);
        if (ambiguous_wide) ++owed;
        break;
    }
    column += piece.length;
  }
  put_ascii("\n", 1);
}
