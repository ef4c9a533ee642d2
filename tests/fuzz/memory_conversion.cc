#include "tests/fuzz/memory_conversion.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "driver/conversion_run.h"
#include "driver/messages.h"
#include "driver/views.h"
#include "driver/workspace.h"
#include "tests/support/memory_platform.h"

namespace {

constexpr const char* kSourcePath = "source.f90";
constexpr const char* kChartPath = "chart.txt";

// How far into the big tables a run may have written: the workspace reset
// clears the run state, but not these.
struct UsedTables {
  std::size_t statements;
  std::size_t statement_text;
  std::size_t labels;
  std::size_t chart_rows;
};

UsedTables tables_used_by_run() {
  // A line appends its records and pushes its labels before the statement
  // limit is tested, and a refused append lands in the last slot.
  const std::size_t statements = std::min<std::size_t>(ws.records.stmt_count + std::size_t{1}, kStatementCapacity) + 1;
  const std::size_t labels = std::min(ws.records.stmt_count + kMatchListCapacity + 2, kLabelStackCapacity);
  const std::size_t chart_rows = std::min<std::size_t>(ws.building.chart_row_count + std::size_t{1}, kChartRowCapacity);
  return {statements, ws.records.statement_text_used, labels, chart_rows};
}

template <typename T>
void fill_prefix(T* table, std::size_t count, unsigned char fill) {
  std::memset(table, fill, sizeof table[0] * count);
}

void fill_row_store(std::size_t rows, unsigned char fill) {
  fill_prefix(ws.building.row_cell_counts, rows, fill);
  fill_prefix(ws.composition.row_widths, rows, fill);
  fill_prefix(ws.building.row_markers, rows, fill);
  fill_prefix(ws.building.connector_depths, rows, fill);
  fill_prefix(ws.composition.bracket_end_columns, rows, fill);
  fill_prefix(ws.composition.bracket_start_columns, rows, fill);
  fill_prefix(ws.building.row_cell_starts, rows, fill);
  fill_prefix(ws.building.row_level_starts, rows, fill);
  fill_prefix(ws.building.stored_cells, rows * kCellStorage, fill);
  fill_prefix(ws.building.stored_levels, rows * kLevelStorage, fill);
}

void fill_tables(const UsedTables& used, unsigned char fill) {
  std::memset(ws.building.closing_rows, fill, sizeof ws.building.closing_rows);
  std::memset(ws.building.branch_closers, fill, sizeof ws.building.branch_closers);
  std::memset(ws.building.loop_entry_rows, fill, sizeof ws.building.loop_entry_rows);
  std::memset(ws.building.loop_return_rows, fill, sizeof ws.building.loop_return_rows);
  std::memset(ws.building.loop_test_rows, fill, sizeof ws.building.loop_test_rows);
  std::memset(ws.building.loop_exit_rows, fill, sizeof ws.building.loop_exit_rows);
  std::memset(ws.tracking.label_stack, fill, sizeof ws.tracking.label_stack[0] * used.labels);
  std::memset(ws.records.statement_table, fill, sizeof ws.records.statement_table[0] * used.statements);
  std::memset(ws.records.statement_text, fill, used.statement_text);
  // The room of the spare slot, past all others.
  std::memset(ws.records.statement_text + kStatementCapacity * kStatementTextCapacity, fill, kStatementTextCapacity);
  fill_row_store(used.chart_rows, fill);
}

struct KnownMessage {
  const char* title;
  const char* text;
  bool fatal;
};

constexpr KnownMessage kKnownMessages[] = {
    {kTitleOpenFile, kTextSourceNotFound, true},   {kTitleOpenFile, kTextChartNotCreated, true},
    {kTitleSorry, kTextTooLarge, true},            {kTitleSorry, kTextLineTooWide, true},
    {kTitleExcuse, kTextTooLarge, true},           {kTitleExcuse, kTextLineTooWide, true},
    {kTitleWriteError, kTextWriteFailed, true},    {kTitleCaution, kTextLongLine, false},
    {kTitleReadError, kTextReadError, false},      {kTitleAttention, kTextStructureProblem, false},
};

const KnownMessage* find_message(const std::string& message) {
  for (const KnownMessage& known : kKnownMessages) {
    if (message == std::string(known.title) + ": " + known.text) return &known;
  }
  return nullptr;
}

std::string describe(const ConversionOutcome& outcome) {
  std::string text = outcome.ended_fatally ? "ended fatally" : "finished";
  text += ", chart of " + std::to_string(outcome.chart.size()) + " bytes, messages:";
  for (const std::string& message : outcome.messages) text += "\n    " + message;
  return text;
}

std::size_t first_difference(const std::string& a, const std::string& b) {
  return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

}  // namespace

ConversionOutcome convert_in_memory(std::string_view source, unsigned char table_fill, ViewSettings view) {
  set_source(source);
  ws.run.view = view;
  discard_charts(false);
  shown_messages().clear();
  ConversionOutcome outcome;
  try {
    run_conversion(kSourcePath, kChartPath);
  } catch (const FatalExit&) {
    outcome.ended_fatally = true;
  }
  close_files_left_open();
  outcome.chart = take_chart();
  for (const ShownMessage& shown : shown_messages()) outcome.messages.push_back(shown.title + ": " + shown.text);
  shown_messages().clear();
  const UsedTables used = tables_used_by_run();
  clear_workspace_after_run();
  fill_tables(used, table_fill);
  return outcome;
}

std::string outcome_fault(const ConversionOutcome& outcome) {
  for (const std::string& message : outcome.messages) {
    if (find_message(message) == nullptr) return "unknown message: " + message;
  }
  const KnownMessage* last = outcome.messages.empty() ? nullptr : find_message(outcome.messages.back());
  const bool last_is_fatal = last != nullptr && last->fatal;
  if (outcome.ended_fatally && !last_is_fatal) return "fatal exit without a fatal message";
  if (!outcome.ended_fatally && last_is_fatal) return "run went on after a fatal message";
  // Every limit is found before the first byte is written; only a failing
  // write can leave part of a chart behind.
  if (outcome.ended_fatally && std::strcmp(last->title, kTitleWriteError) != 0 && !outcome.chart.empty()) {
    return "fatal exit left a chart of " + std::to_string(outcome.chart.size()) + " bytes";
  }
  return {};
}

std::string utf8_fault(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t owed = lead < 0x80 ? 0 : lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
                                       : lead >= 0xF0 && lead <= 0xF4 ? 3 : 9;
    if (owed == 9) return "no UTF-8 at byte " + std::to_string(at);
    std::uint32_t code_point = owed == 0 ? lead : lead & (0x3F >> owed);
    for (std::size_t i = 1; i <= owed; ++i) {
      if (at + i >= text.size() || (static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
        return "no UTF-8 at byte " + std::to_string(at);
      }
      code_point = (code_point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    const std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code_point < least[owed] || code_point > 0x10FFFF || (code_point >= 0xD800 && code_point < 0xE000)) {
      return "no UTF-8 at byte " + std::to_string(at);
    }
    at += owed + 1;
  }
  return {};
}

std::string html_fault(const std::string& page) {
  if (std::string fault = utf8_fault(page); !fault.empty()) return fault;
  static const char* const kElements[] = {"html", "head", "meta", "title", "style", "body", "header", "h1", "h2",
                                          "p", "nav", "ol", "ul", "li", "a", "small", "section", "span", "main",
                                          "div", "i", "b", "u"};
  std::vector<std::string> open;
  std::size_t at = page.find("<html");
  const std::size_t style_end = page.find("</style>");
  while (at < page.size()) {
    const std::size_t lt = page.find('<', at);
    if (page.find('>', at) < lt) return "a loose '>' at byte " + std::to_string(page.find('>', at));
    if (lt == std::string::npos) break;
    const std::size_t gt = page.find('>', lt);
    if (gt == std::string::npos) return "a tag never ends at byte " + std::to_string(lt);
    const std::string tag = page.substr(lt + 1, gt - lt - 1);
    if (tag.find('<') != std::string::npos) return "a loose '<' at byte " + std::to_string(lt);
    const bool closing = !tag.empty() && tag[0] == '/';
    const std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" >", 1) - (closing ? 1 : 0));
    bool known = false;
    for (const char* element : kElements) known = known || name == element;
    if (!known) return "unknown element <" + tag.substr(0, 40) + "> at byte " + std::to_string(lt);
    if (closing) {
      if (open.empty() || open.back() != name) return "</" + name + "> out of order at byte " + std::to_string(lt);
      open.pop_back();
    } else if (name != "meta") {
      open.push_back(name);
    }
    at = gt + 1;
    if (name == "style" && !closing) at = style_end;  // the style sheet is the view's own
  }
  if (!open.empty()) return "<" + open.back() + "> never closed";
  return {};
}

std::string view_fault(std::string_view source, const ConversionOutcome& chart) {
  const ConversionOutcome text = convert_in_memory(source, 0, {ChartFormat::kUtf8, SourceEncoding::kDetect, AmbiguousWidth::kNarrow});
  const ConversionOutcome wide = convert_in_memory(source, 0, {ChartFormat::kUtf8, SourceEncoding::kCp932, AmbiguousWidth::kWide});
  const ConversionOutcome page = convert_in_memory(source, 0, {ChartFormat::kHtml, SourceEncoding::kDetect, AmbiguousWidth::kNarrow});
  for (const ConversionOutcome* view : {&text, &wide}) {
    if (std::string fault = utf8_fault(view->chart); !fault.empty()) return "utf8 view: " + fault;
    if (view->chart.find('\r') != std::string::npos || view->chart.find('\x1B') != std::string::npos) {
      return "utf8 view holds a control character";
    }
  }
  // A CP932 source is measured as the chart measures it: the same rows.
  if (!chart.ended_fatally && !wide.ended_fatally) {
    const auto rows = [](const std::string& t) { return std::count(t.begin(), t.end(), '\n'); };
    if (rows(wide.chart) != rows(chart.chart)) return "utf8 view has other rows than the chart";
  }
  if (!page.ended_fatally) {
    if (std::string fault = html_fault(page.chart); !fault.empty()) return "html view: " + fault;
  }
  return {};
}

std::string conversion_fault(std::string_view source) {
  const ConversionOutcome first = convert_in_memory(source, 0xA5);
  const ConversionOutcome second = convert_in_memory(source, 0);
  if (std::string fault = outcome_fault(first); !fault.empty()) return fault + "\n  run: " + describe(first);
  if (first == second) return view_fault(source, first);
  return "second run differs (tables poisoned after the first)"
         "\n  first:  " + describe(first) + "\n  second: " + describe(second) +
         "\n  charts differ from byte " + std::to_string(first_difference(first.chart, second.chart));
}
