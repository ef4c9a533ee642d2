// Benchmarks of the conversion's stages on generated sources of 1,000, 15,000
// and 31,000 lines.  Each stage runs alone, on the workspace the stages before
// it leave, so the figures show where a run's time goes:
//
//   StartRun            keyword table compiled, start values set
//   Normalise           every line lower-cased and normalised
//   NormaliseAndMatch   the same, then the keyword matcher on every line
//   Classify            the classifier alone, replaying saved matcher results
//   ConvertLine         convert_line on every line (the three above together)
//   BuildChart          statement records into chart rows
//   Compose             chart rows into text, written to /dev/null
//   WholeRun            run_conversion from the source file to /dev/null
//
// The per_line counter is the wall time per source line; every case over a
// source also reports source bytes per second.  Nothing here pays for
// first-touch page faults: the workspace pages stay resident from one
// iteration to the next.  The whole-process figures (process start, page
// faults, peak RSS) come from bench/measure.sh.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/generated_source.h"
#include "chart/chart_builder.h"
#include "classify/classifier.h"
#include "driver/chart_writer.h"
#include "driver/composition.h"
#include "driver/conversion_run.h"
#include "driver/edition.h"
#include "driver/platform.h"
#include "classify/statement_records.h"
#include "driver/workspace.h"
#include "tests/support/memory_platform.h"
#include "scan/matcher.h"
#include "scan/normalise.h"

namespace {

using benchmark::Counter;
using benchmark::State;

// ---- Feeding lines --------------------------------------------------------------

void normalise_piece(const SourcePiece& piece) {
  load_piece(piece);
  lower_line();
  normalise_line();
}

void scan_piece(const SourcePiece& piece) {
  normalise_piece(piece);
  reset_matches();
  match_line();
}

void convert_source(const GeneratedSource& source) {
  for (const SourcePiece& piece : source.pieces) {
    load_piece(piece);
    convert_line();
  }
}

// The workspace as a new process has it, with the keyword table compiled.
void start_fresh_run() {
  clear_workspace_after_run();
  start_run();
}

const GeneratedSource& source_for(const State& state) { return generated_source(state.range(0)); }

void report_source_rates(State& state, const GeneratedSource& source) {
  state.counters["per_line"] =
      Counter(static_cast<double>(source.pieces.size()), Counter::kIsIterationInvariantRate | Counter::kInvert);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(source.byte_count));
}

// A run that shows a message (a warning about structure, say) is not the
// ordinary case these figures describe; a plain generated source shows none.
bool quiet_since(State& state, std::size_t message_count) {
  if (shown_messages().size() == message_count) return true;
  state.SkipWithError("the generated source shows messages, so it is not the ordinary case");
  return false;
}

// Leaves the statement records of the whole source in the workspace.
bool convert_quietly(State& state, const GeneratedSource& source) {
  const std::size_t messages = shown_messages().size();
  start_fresh_run();
  convert_source(source);
  return quiet_since(state, messages);
}

// Leaves the chart rows of the whole source in the workspace.
bool build_quietly(State& state, const GeneratedSource& source) {
  if (!convert_quietly(state, source)) return false;
  const std::size_t messages = shown_messages().size();
  build_chart();
  return quiet_since(state, messages);
}

// ---- Saved matcher results, for the classifier alone ------------------------------

// What the classifier reads of one line's normalisation and matching.
struct ScannedLine {
  std::string raw_line;
  std::string work_line;
  Marker line_flag;
  std::uint32_t first_nonblank;
  std::uint32_t last_nonblank;
  std::vector<MatchRecord> matches;
  bool restarts_numbering;  // the matcher met a program unit and zeroed unit_statement_number
};

ScannedLine save_scanned_line(bool restarts_numbering) {
  return ScannedLine{ws.run.raw_line,
                     ws.run.work_line,
                     ws.normalisation.line_flag,
                     ws.normalisation.first_nonblank,
                     ws.normalisation.last_nonblank,
                     std::vector<MatchRecord>(ws.matching.match_list, ws.matching.match_list + ws.matching.match_count),
                     restarts_numbering};
}

void restore_scanned_line(const ScannedLine& line) {
  std::memcpy(ws.run.raw_line, line.raw_line.c_str(), line.raw_line.size() + 1);
  std::memcpy(ws.run.work_line, line.work_line.c_str(), line.work_line.size() + 1);
  ws.normalisation.line_flag = line.line_flag;
  ws.normalisation.first_nonblank = line.first_nonblank;
  ws.normalisation.last_nonblank = line.last_nonblank;
  // The classifier looks at match_list[0] even on a line without matches, so
  // the list is emptied as the matcher empties it before the line.
  reset_matches();
  ws.matching.match_count = static_cast<std::uint32_t>(line.matches.size());
  std::memcpy(ws.matching.match_list, line.matches.data(), line.matches.size() * sizeof(MatchRecord));
  if (line.restarts_numbering) ws.records.unit_statement_number = 0;
}

std::vector<ScannedLine> scan_source(const GeneratedSource& source) {
  std::vector<ScannedLine> lines;
  start_fresh_run();
  for (const SourcePiece& piece : source.pieces) {
    ws.records.unit_statement_number = 1;  // the classifier is not there to count
    scan_piece(piece);
    lines.push_back(save_scanned_line(ws.records.unit_statement_number == 0));
  }
  return lines;
}

void classify_scanned(const std::vector<ScannedLine>& lines) {
  for (const ScannedLine& line : lines) {
    restore_scanned_line(line);
    classify_line();
  }
}

bool same_record(const StatementRecord& a, const StatementRecord& b) {
  return a.statement_number == b.statement_number && a.kind == b.kind && a.marker == b.marker &&
         a.has_text == b.has_text && a.keyword_flag == b.keyword_flag && a.text_length == b.text_length &&
         a.operand_offset == b.operand_offset && std::memcmp(statement_text(a), statement_text(b), a.text_length) == 0;
}

std::vector<StatementRecord> statement_records() {
  return std::vector<StatementRecord>(ws.records.statement_table, ws.records.statement_table + ws.records.stmt_count);
}

bool same_records(const std::vector<StatementRecord>& a, const std::vector<StatementRecord>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!same_record(a[i], b[i])) return false;
  }
  return true;
}

// ---- Chart rows and composition ------------------------------------------------

std::string compose_to_memory() {
  discard_charts(false);
  ws.run.output_file = platform_open_file("chart.txt", "wb");
  compose_and_write_chart();
  finish_chart_file();  // closing the stream makes the bytes final
  return take_chart();
}

// ---- The cases --------------------------------------------------------------------

void StartRun(State& state) {
  for (auto _ : state) start_run();
}

void Normalise(State& state) {
  const GeneratedSource& source = source_for(state);
  for (auto _ : state) {
    state.PauseTiming();
    start_fresh_run();
    state.ResumeTiming();
    for (const SourcePiece& piece : source.pieces) normalise_piece(piece);
  }
  report_source_rates(state, source);
}

void NormaliseAndMatch(State& state) {
  const GeneratedSource& source = source_for(state);
  for (auto _ : state) {
    state.PauseTiming();
    start_fresh_run();
    state.ResumeTiming();
    for (const SourcePiece& piece : source.pieces) scan_piece(piece);
  }
  report_source_rates(state, source);
}

// Restoring a saved line (two short string copies, emptying and refilling the
// match list) is timed with the classifier.
void Classify(State& state) {
  const GeneratedSource& source = source_for(state);
  if (!convert_quietly(state, source)) return;
  const std::vector<StatementRecord> expected = statement_records();
  const std::vector<ScannedLine> lines = scan_source(source);
  start_fresh_run();
  classify_scanned(lines);
  if (!same_records(statement_records(), expected)) {
    state.SkipWithError("the saved matcher results miss something the classifier reads");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    start_fresh_run();
    state.ResumeTiming();
    classify_scanned(lines);
  }
  report_source_rates(state, source);
}

void ConvertLine(State& state) {
  const GeneratedSource& source = source_for(state);
  if (!convert_quietly(state, source)) return;
  for (auto _ : state) {
    state.PauseTiming();
    start_fresh_run();
    state.ResumeTiming();
    convert_source(source);
  }
  report_source_rates(state, source);
}

void BuildChart(State& state) {
  const GeneratedSource& source = source_for(state);
  if (!build_quietly(state, source)) return;
  const std::uint32_t rows = ws.building.chart_row_count;
  // The builder starts every build from an empty row; the row store needs
  // no clearing between builds.
  for (auto _ : state) build_chart();
  if (ws.building.chart_row_count != rows) state.SkipWithError("a repeated build made a different number of rows");
  state.counters["chart_rows"] = rows;
  report_source_rates(state, source);
}

void Compose(State& state) {
  const GeneratedSource& source = source_for(state);
  if (!build_quietly(state, source)) return;
  const std::string chart = compose_to_memory();
  if (compose_to_memory() != chart) {
    state.SkipWithError("a repeated composition wrote different bytes");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    ws.run.output_file = std::fopen("/dev/null", "wb");
    state.ResumeTiming();
    compose_and_write_chart();
    finish_chart_file();
  }
  state.counters["chart_bytes"] = static_cast<double>(chart.size());
  report_source_rates(state, source);
}

// The bytes of the big tables a run has written: what its resident memory
// grows with (the run state before the tables is a fixed size).
double table_kib_in_use() {
  const double row_bytes = 7 * sizeof(std::uint32_t) + sizeof(char);  // the row store's per-row fields
  const double bytes = ws.building.chart_row_count * row_bytes + ws.building.stored_cell_used * sizeof(StoredCell) +
                       ws.building.stored_level_used + ws.records.stmt_count * sizeof(StatementRecord) +
                       ws.records.statement_text_used;
  return bytes / 1024.0;
}

void WholeRun(State& state) {
  const GeneratedSource& source = source_for(state);
  const std::size_t messages = shown_messages().size();
  set_source(source.text);
  discard_charts(true);
  for (auto _ : state) {
    state.PauseTiming();
    clear_workspace_after_run();
    state.ResumeTiming();
    run_conversion(source.path.c_str(), "/dev/null");
  }
  discard_charts(false);
  if (!quiet_since(state, messages)) return;
  state.counters["chart_rows"] = ws.building.chart_row_count;
  state.counters["records"] = ws.records.stmt_count;
  state.counters["tables_KiB"] = table_kib_in_use();
  report_source_rates(state, source);
}

void over_generated_sources(benchmark::internal::Benchmark* case_) {
  case_->ArgName("lines")->Arg(1000)->Arg(15000)->Arg(31000)->Unit(benchmark::kMicrosecond)->UseRealTime();
}

BENCHMARK(StartRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(Normalise)->Apply(over_generated_sources);
BENCHMARK(NormaliseAndMatch)->Apply(over_generated_sources);
BENCHMARK(Classify)->Apply(over_generated_sources);
BENCHMARK(ConvertLine)->Apply(over_generated_sources);
BENCHMARK(BuildChart)->Apply(over_generated_sources);
BENCHMARK(Compose)->Apply(over_generated_sources);
BENCHMARK(WholeRun)->Apply(over_generated_sources);

}  // namespace

int main(int argc, char** argv) {
  benchmark::AddCustomContext("edition", kEditionName);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
