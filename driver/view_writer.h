// The views of the chart: the same lines in UTF-8 for a terminal
// (driver/text_view.cc) or as an HTML page (driver/html_view.cc).
//
// The composition builds every line in Shift-JIS as for the chart and marks
// which of its bytes are statement text; a view turns the glyph bytes back
// into the glyphs they are drawn from and decodes the text in the source's
// own encoding (driver/source_decoding.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/capacities.h"
#include "driver/messages.h"

struct ViewWarning {
  std::uint32_t source_line;
  std::uint32_t row;  // the first chart row of its line, or kNoRecord (set by the HTML view)
  const char* title;
  char reason[kReasonCapacity];
};

// The views' part of the workspace.
struct ViewPart {
  // Where the line being composed holds statement text: the number of its
  // span (from 1), or 0.  The line itself holds blanks there.
  std::uint8_t text_mask[kChartLineWidth];
  // The line's text spans: where each starts and whose text it is.
  std::uint32_t span_count;
  std::uint32_t span_columns[kCellStorage];
  std::uint32_t span_records[kCellStorage];
  // The warnings of the run, kept in source-line order.
  std::uint32_t warning_count;
  std::uint32_t warnings_not_kept;
  ViewWarning warnings[kViewWarningCapacity];
};

// True when the run writes a view rather than the Shift-JIS chart.
bool view_chosen();

// Keeps a warning for the page's rows.
void note_view_warning(const Message& message);

// Decides the source's encoding before the rows are measured.
void prepare_view();

// Writes what comes before the first line (the page's head) and after the last.
void begin_view();
void end_view();

// Writes the view of chart row `row`, composed in `line` (Shift-JIS, up to
// its line feed) with text_mask telling its statement text.
void write_view_line(std::uint32_t row, const char* line);

// ---- What both views share -----------------------------------------------------------

// The glyph a Shift-JIS pair of the glyph tables draws, or 0 when the pair is
// none of theirs.
char32_t glyph_code_point(unsigned char lead, unsigned char trail);

// One piece of a composed line, left to right.
enum class PieceKind : std::uint8_t {
  kText,   // a run of one span's statement text: `length` columns of span `span`
  kGlyph,  // a two-byte glyph: `code_point`
  kBlank,  // one blank column
  kStray,  // a byte that is none of these (a glyph cut by another): shown as U+FFFD
};

struct LinePiece {
  PieceKind kind;
  std::uint8_t span;
  std::uint32_t length;  // bytes (columns) of the line it covers
  char32_t code_point;
};

// The visible length of a composed line: up to its line feed or terminator.
std::uint32_t line_length(const char* line);

// The piece of the line at `column` (below `end`).
LinePiece line_piece(const char* line, std::uint32_t column, std::uint32_t end);

// Glyphs whose stroke runs on to the right: narrow, they are followed by "─".
bool glyph_runs_right(char32_t code_point);

// Hands `put` the characters of a text piece (those of its span that lie
// whole within it) and returns the columns a terminal takes for them.
std::uint32_t put_text_piece(std::uint32_t column, const LinePiece& piece, bool ambiguous_wide,
                             void (*put)(char32_t));

// Writes one code point as UTF-8.
void put_code_point(char32_t code_point);
void put_ascii(const char* text, std::size_t length);
