#include "tests/support/conversion_fixture.h"

#include <cstring>

#include "chart/chart_model.h"
#include "classify/statement_records.h"
#include "driver/conversion_run.h"
#include "driver/source_reader.h"
#include "scan/matcher.h"
#include "scan/normalise.h"

void ConversionTest::SetUp() {
  clear_workspace_after_run();
  shown_messages().clear();
  discard_charts(false);
  start_run();
}

void ConversionTest::TearDown() {
  close_files_left_open();
  clear_workspace_after_run();
}

namespace {

void load_raw_line(std::string_view piece) {
  std::memcpy(ws.run.raw_line, piece.data(), piece.size());
  ws.run.raw_line[piece.size()] = '\0';
}

}  // namespace

void ConversionTest::feed(std::string_view source) {
  source_ = std::string(source);
  open_source_in_memory(source_);
  while (read_source_line()) convert_line();
}

void ConversionTest::normalise(std::string_view line, bool continues_line) {
  load_raw_line(line);
  ws.reading.piece_continues_line = continues_line;
  lower_line();
  normalise_line();
}

void ConversionTest::scan(std::string_view line) {
  normalise(line);
  reset_matches();
  match_line();
}

std::vector<std::uint32_t> ConversionTest::matched_rows() const {
  std::vector<std::uint32_t> rows;
  for (std::uint32_t i = 0; i < ws.matching.match_count; ++i) rows.push_back(ws.matching.match_list[i].row_number);
  return rows;
}

std::string ConversionTest::record_text(std::uint32_t index) const {
  const StatementRecord& r = record(index);
  return std::string(statement_text(r), r.text_length);
}

std::vector<std::uint32_t> ConversionTest::record_kinds() const {
  std::vector<std::uint32_t> kinds;
  for (std::uint32_t i = 0; i < ws.records.stmt_count; ++i) kinds.push_back(ws.records.statement_table[i].kind);
  return kinds;
}

std::uint32_t ConversionTest::add(std::uint32_t kind, YesNo has_text, Marker marker) {
  const std::uint32_t index = ws.records.stmt_count;
  add_text(kind, has_text == kYes ? std::string("t").append(std::to_string(index)) : std::string());
  ws.records.statement_table[index].marker = marker;
  return index;
}

std::uint32_t ConversionTest::add_text(std::uint32_t kind, const std::string& text) {
  EXPECT_LE(text.size(), kMaxPieceLength);
  const std::uint32_t index = ws.records.stmt_count;
  StatementRecord& r = ws.records.statement_table[index];
  r = StatementRecord{};
  r.kind = kind;
  r.marker = kMarkerOrdinary;
  r.has_text = text.empty() ? kNo : kYes;
  r.keyword_flag = kNo;
  set_statement_text(r, text.c_str(), static_cast<std::uint32_t>(text.size()));
  ++ws.records.stmt_count;
  return index;
}

void ConversionTest::add_tokens(std::initializer_list<std::uint32_t> kinds) {
  for (std::uint32_t kind : kinds) add(kind, kNo);
}

void ConversionTest::add_close(std::uint32_t kind) { add(kind, kNo, kMarkerConditionClose); }

std::size_t ConversionTest::messages_titled(const std::string& title) const {
  std::size_t count = 0;
  for (const ShownMessage& m : shown_messages()) count += m.title == title;
  return count;
}

std::vector<std::string> row_cells(std::uint32_t row) {
  std::vector<std::string> cells;
  for (std::uint32_t i = 0; i < ws.building.row_cell_counts[row]; ++i) {
    const StoredCell& c = stored_cell(row, i);
    if (c.cell_kind == kCellGlyph2 || c.cell_kind == kCellGlyph4 || c.cell_kind == kCellGlyph6) {
      cells.push_back(shown_glyph(c.cell_kind, c.cell_value));
    } else if (c.cell_kind == kCellEmpty) {
      cells.push_back("");
    } else {
      cells.push_back(std::string("P").append(std::to_string(c.cell_value)));
    }
  }
  return cells;
}

std::vector<std::uint32_t> row_connectors(std::uint32_t row) {
  std::vector<std::uint32_t> kinds;
  for (std::uint32_t d = 1; d <= ws.building.connector_depths[row]; ++d) kinds.push_back(stored_connector_kind(row, d));
  return kinds;
}
