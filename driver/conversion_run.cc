// The conversion run, top to bottom: open the files, compile the keyword
// table, feed every source line through normalisation, matching and
// classification, build the chart, compose and write it, close the files.
// Every stage reads and writes the workspace; none takes arguments.
#include "driver/conversion_run.h"

#include <cstring>

#include "chart/chart_builder.h"
#include "classify/classifier.h"
#include "driver/chart_writer.h"
#include "driver/composition.h"
#include "driver/messages.h"
#include "driver/platform.h"
#include "driver/source_reader.h"
#include "driver/workspace.h"
#include "scan/keyword_table.h"
#include "scan/line_words.h"
#include "scan/matcher.h"
#include "scan/normalise.h"
#include "scan/pattern_compiler.h"

namespace {

// A line (or piece) of this many bytes, its line feed included, draws the
// long-line warning.
constexpr std::size_t kLongLineLength = 150;

// Copies a path into its buffer; false when it does not fit (it is never cut).
bool copy_path(char* buffer, const char* path) {
  const std::size_t length = std::strlen(path);
  if (length >= kPathCapacity) return false;
  std::memcpy(buffer, path, length + 1);
  return true;
}

constexpr const char* kReasonPathTooLong = "the path is too long";
constexpr const char* kReasonChartIsSource = "the chart would replace the source file";

void open_source(bool path_fits) {
  ws.run.input_file = path_fits ? platform_open_file(ws.run.input_path, "rb") : nullptr;
  if (ws.run.input_file != nullptr) return;
  show_fatal(kTextSourceNotFound, kTitleOpenFile, kNoSourceLine,
             path_fits ? platform_failure_reason() : kReasonPathTooLong);
}

// Opening the chart truncates it, so a chart path that names the source
// itself is refused before the source could be lost.
void open_chart(bool path_fits) {
  const char* refusal = nullptr;
  if (!path_fits) {
    refusal = kReasonPathTooLong;
  } else if (platform_same_file(ws.run.input_path, ws.run.output_path)) {
    refusal = kReasonChartIsSource;
  } else {
    ws.run.output_file = platform_open_file(ws.run.output_path, "wb");
    if (ws.run.output_file == nullptr) refusal = platform_failure_reason();
  }
  if (refusal == nullptr) return;
  std::fclose(ws.run.input_file);
  ws.run.input_file = nullptr;
  show_fatal(kTextChartNotCreated, kTitleOpenFile, kNoSourceLine, refusal);
}

void compile_keyword_table() {
  ws.matching.scan_start_column = 0;
  ws.matching.scan_end_column = kScanEndColumn;
  ws.patterns.ampersand_row = 0;
  for (ws.patterns.compile_row = 0; ws.patterns.compile_row < kCompiledRowCount; ++ws.patterns.compile_row) {
    std::memcpy(ws.run.work_line, keyword_pattern_source[ws.patterns.compile_row].data(), kPatternSourceWidth);
    ws.patterns.compiled_patterns[ws.patterns.compile_row].token_count = compile_pattern();
  }
}

void set_start_values() {
  ws.matching.first_pattern = 0;
  ws.matching.pattern_count = kCompiledRowCount;
  ws.normalisation.comment_carry = kMarkerOrdinary;
  ws.normalisation.block_comment = kMaskFree;
  ws.normalisation.string_carry = kMaskFree;
  ws.records.unit_statement_number = 0;
  ws.tracking.condition_depth = 0;
  ws.tracking.condition_keyword = 0;
  ws.tracking.condition_state = kConditionIdle;
  ws.tracking.one_line_if = kNoIfPending;
  ws.tracking.end_if_deferred = kFlagClear;
  ws.tracking.one_line_where = kNoWherePending;
  ws.tracking.label_depth = 0;
  std::memcpy(ws.tracking.blank_label, "     ", kLabelWidth);
  ws.tracking.label_end_flag = kFlagClear;
  ws.records.stmt_count = 0;
  ws.records.statement_text_used = 0;
}

void convert_lines() {
  while (read_source_line()) convert_line();
  if (source_read_failed()) show_warning(kTextReadError, kTitleReadError, kNoSourceLine, platform_failure_reason());
}

}  // namespace

// The C locale's lower case of every byte: only A to Z change.
struct LowerCase {
  char of[256];
};

constexpr LowerCase make_lower_case() {
  LowerCase table{};
  for (int c = 0; c < 256; ++c) table.of[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return table;
}

constexpr LowerCase kLowerCase = make_lower_case();

constexpr std::uint64_t kEveryByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = kEveryByte << 7;

// Nonzero exactly when some byte of the word is zero.
constexpr std::uint64_t zero_bytes(std::uint64_t word) { return (word - kEveryByte) & ~word & kHighBits; }

// The same lower case, eight bytes at once: a byte below 0x80 whose low
// seven bits lie in A..Z gains 0x20.  No sum carries into the next byte.
constexpr std::uint64_t lower_case_word(std::uint64_t word) {
  const std::uint64_t low_bits = word & ~kHighBits;
  const std::uint64_t from_a = low_bits + kEveryByte * (0x80 - 'A');
  const std::uint64_t past_z = low_bits + kEveryByte * (0x80 - 'Z' - 1);
  const std::uint64_t upper = from_a & ~past_z & ~word & kHighBits;
  return word | (upper >> 2);
}

// Whole words up to the word that holds the terminator, then byte by byte;
// raw_line has a word of room past its last byte.
void lower_line() {
  const char* const raw = ws.run.raw_line;
  char* const work = ws.run.work_line;
  std::size_t i = 0;
  for (std::uint64_t word; zero_bytes(word = word_at(raw + i)) == 0; i += 8) {
    const std::uint64_t lower = lower_case_word(word);
    std::memcpy(work + i, &lower, sizeof lower);
  }
  for (; raw[i] != '\0'; ++i) work[i] = kLowerCase.of[static_cast<unsigned char>(raw[i])];
  work[i] = '\0';
  ws.run.line_length = static_cast<std::uint32_t>(i);
}

void start_run() {
  compile_keyword_table();
  set_start_values();
  index_patterns();
}

void convert_line() {
  lower_line();
  if (ws.run.line_length >= kLongLineLength) {
    show_warning(kTextLongLine, kTitleCaution, ws.reading.source_line,
                 "the line is longer than 149 characters and is read in pieces of 151");
  }
  normalise_line();
  reset_matches();
  match_line();
  classify_line();
  if (ws.records.stmt_count >= kStatementCapacity) {
    show_fatal(kTextTooLarge, kTitleSorry, ws.reading.source_line, "the source gives 100,010 statement records or more");
  }
}

int run_conversion(const char* input_path, const char* output_path) {
  const bool input_fits = copy_path(ws.run.input_path, input_path);
  const bool output_fits = copy_path(ws.run.output_path, output_path);
  open_source(input_fits);
  open_chart(output_fits);
  start_run();
  convert_lines();
  build_chart();
  compose_and_write_chart();
  std::fclose(ws.run.input_file);
  ws.run.input_file = nullptr;
  finish_chart_file();
  return 0;
}
