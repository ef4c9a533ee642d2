#include "tests/fuzz/memory_conversion.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "driver/conversion_run.h"
#include "driver/messages.h"
#include "driver/platform.h"
#include "driver/workspace.h"

namespace {

constexpr const char* kSourcePath = "source.f90";
constexpr const char* kChartPath = "chart.txt";

// Thrown by platform_exit_fatal and caught by convert_in_memory.
struct FatalExit {};

// What the platform layer holds for the run in progress.
struct MemoryFiles {
  std::string_view source;
  char* chart_buffer = nullptr;  // owned by the memory stream until it is closed
  std::size_t chart_size = 0;
  std::vector<std::string> messages;
};

MemoryFiles files;

}  // namespace

// ---- Platform layer ------------------------------------------------------------

void platform_show_message(const char* text, const char* title) {
  files.messages.push_back(std::string(title) + ": " + text);
}

void platform_exit_fatal() { throw FatalExit{}; }

std::FILE* platform_open_file(const char* /*path*/, const char* mode) {
  if (mode[0] == 'r') {
    // Opened for reading only, so the bytes are never written through.
    return fmemopen(const_cast<char*>(files.source.data()), files.source.size(), "r");
  }
  return open_memstream(&files.chart_buffer, &files.chart_size);
}

// Source and chart are distinct memory files.
bool platform_same_file(const char* /*first_path*/, const char* /*second_path*/) { return false; }

// ---- Runs ------------------------------------------------------------------------

namespace {

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
  const std::size_t statements = std::min<std::size_t>(ws.stmt_count + std::size_t{1}, kStatementCapacity) + 1;
  const std::size_t labels = std::min(ws.stmt_count + kMatchListCapacity + 2, kLabelStackCapacity);
  const std::size_t chart_rows = std::min<std::size_t>(ws.chart_row_count + std::size_t{1}, kChartRowCapacity);
  return {statements, ws.statement_text_used, labels, chart_rows};
}

template <typename T>
void fill_prefix(T* table, std::size_t count, unsigned char fill) {
  std::memset(table, fill, sizeof table[0] * count);
}

void fill_row_store(std::size_t rows, unsigned char fill) {
  fill_prefix(ws.row_cell_counts, rows, fill);
  fill_prefix(ws.row_widths, rows, fill);
  fill_prefix(ws.row_markers, rows, fill);
  fill_prefix(ws.connector_depths, rows, fill);
  fill_prefix(ws.bracket_end_columns, rows, fill);
  fill_prefix(ws.bracket_start_columns, rows, fill);
  fill_prefix(ws.row_cell_starts, rows, fill);
  fill_prefix(ws.row_level_starts, rows, fill);
  fill_prefix(ws.stored_cells, rows * kCellStorage, fill);
  fill_prefix(ws.stored_levels, rows * kLevelStorage, fill);
}

void fill_tables(const UsedTables& used, unsigned char fill) {
  std::memset(ws.closing_rows, fill, sizeof ws.closing_rows);
  std::memset(ws.branch_closers, fill, sizeof ws.branch_closers);
  std::memset(ws.loop_entry_rows, fill, sizeof ws.loop_entry_rows);
  std::memset(ws.loop_return_rows, fill, sizeof ws.loop_return_rows);
  std::memset(ws.loop_test_rows, fill, sizeof ws.loop_test_rows);
  std::memset(ws.loop_exit_rows, fill, sizeof ws.loop_exit_rows);
  std::memset(ws.label_stack, fill, sizeof ws.label_stack[0] * used.labels);
  std::memset(ws.statement_table, fill, sizeof ws.statement_table[0] * used.statements);
  std::memset(ws.statement_text, fill, used.statement_text);
  // The room of the spare slot, past all others.
  std::memset(ws.statement_text + kStatementCapacity * kStatementTextCapacity, fill, kStatementTextCapacity);
  fill_row_store(used.chart_rows, fill);
}

// A fatal exit can leave either file open; the chart's bytes are final only
// once its stream is closed.
void close_files_left_open() {
  if (ws.input_file != nullptr) std::fclose(ws.input_file);
  if (ws.output_file != nullptr) std::fclose(ws.output_file);
  ws.input_file = ws.output_file = nullptr;
}

std::string take_chart() {
  std::string chart(files.chart_buffer != nullptr ? files.chart_buffer : "", files.chart_size);
  std::free(files.chart_buffer);
  files.chart_buffer = nullptr;
  files.chart_size = 0;
  return chart;
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

ConversionOutcome convert_in_memory(std::string_view source, unsigned char table_fill) {
  files.source = source;
  files.messages.clear();
  ConversionOutcome outcome;
  try {
    run_conversion(kSourcePath, kChartPath);
  } catch (const FatalExit&) {
    outcome.ended_fatally = true;
  }
  close_files_left_open();
  outcome.chart = take_chart();
  outcome.messages = std::move(files.messages);
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

std::string conversion_fault(std::string_view source) {
  const ConversionOutcome first = convert_in_memory(source, 0xA5);
  const ConversionOutcome second = convert_in_memory(source, 0);
  if (std::string fault = outcome_fault(first); !fault.empty()) return fault + "\n  run: " + describe(first);
  if (first == second) return {};
  return "second run differs (tables poisoned after the first)"
         "\n  first:  " + describe(first) + "\n  second: " + describe(second) +
         "\n  charts differ from byte " + std::to_string(first_difference(first.chart, second.chart));
}
