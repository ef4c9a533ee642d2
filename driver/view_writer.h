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
  std::uint32_t line_end;    // the column of the line's line feed
  std::uint32_t marked_end;  // the column after the line's last span
  std::uint32_t span_count;
  std::uint32_t span_columns[kCellStorage];
  std::uint32_t span_records[kCellStorage];
  // Each column's number in decimal, for the page's column classes.
  char column_digits[kChartLineWidth][4];
  std::uint8_t column_digit_counts[kChartLineWidth];
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

// What both views share is in driver/view_pieces.h.
