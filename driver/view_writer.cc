// What the views share: the glyphs of the tables, the pieces of a line, and
// the choice of view.
#include "driver/view_writer.h"

#include <cstring>

#include "driver/source_decoding.h"
#include "driver/workspace.h"

void write_text_view_line(const char* line);  // driver/text_view.cc
void begin_html_view();                       // driver/html_view.cc
void write_html_view_line(std::uint32_t row, const char* line);
void end_html_view();

bool view_chosen() { return ws.run.view.format != ChartFormat::kShiftJis; }

// Warnings arrive in the order of the run: reading first, then the build,
// each in source-line order; an insertion keeps the whole list in order.
void note_view_warning(const Message& message) {
  ViewPart& view = ws.view;
  if (view.warning_count == kViewWarningCapacity) {
    ++view.warnings_not_kept;
    return;
  }
  std::uint32_t at = view.warning_count;
  while (at > 0 && view.warnings[at - 1].source_line > message.source_line) {
    view.warnings[at] = view.warnings[at - 1];
    --at;
  }
  ViewWarning& warning = view.warnings[at];
  warning.source_line = message.source_line;
  warning.title = message.title;
  std::strncpy(warning.reason, message.reason, kReasonCapacity - 1);
  warning.reason[kReasonCapacity - 1] = '\0';
  ++view.warning_count;
}

void prepare_view() { decide_source_encoding(); }

void begin_view() {
  if (ws.run.view.format == ChartFormat::kHtml) begin_html_view();
}

void end_view() {
  if (ws.run.view.format == ChartFormat::kHtml) end_html_view();
}

void write_view_line(std::uint32_t row, const char* line) {
  if (ws.run.view.format == ChartFormat::kHtml) {
    write_html_view_line(row, line);
  } else {
    write_text_view_line(line);
  }
}
