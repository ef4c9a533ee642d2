#include "tests/support/conversion_fixture.h"

#include <iconv.h>

#include <cstring>

#include "chart/chart_model.h"
#include "classify/statement_records.h"
#include "chart/glyphs.h"
#include "driver/conversion_run.h"
#include "scan/matcher.h"
#include "scan/normalise.h"

std::uint32_t edition_row(std::uint32_t sorvane_row) {
  return kMeridolEdition && sorvane_row > 92 ? sorvane_row + 10 : sorvane_row;
}

void ConversionTest::SetUp() {
  clear_workspace_after_run();
  shown_messages().clear();
  start_run();
}

void ConversionTest::TearDown() {
  if (ws.input_file != nullptr) std::fclose(ws.input_file);
  if (ws.output_file != nullptr) std::fclose(ws.output_file);
  ws.input_file = ws.output_file = nullptr;
  clear_workspace_after_run();
}

namespace {

void load_raw_line(std::string_view piece) {
  std::memcpy(ws.raw_line, piece.data(), piece.size());
  ws.raw_line[piece.size()] = '\0';
}

}  // namespace

void ConversionTest::feed(std::string_view source) {
  while (!source.empty()) {
    std::size_t length = 0;
    while (length < kMaxPieceLength && length < source.size()) {
      if (source[length++] == '\n') break;
    }
    load_raw_line(source.substr(0, length));
    source.remove_prefix(length);
    convert_line();
  }
}

void ConversionTest::normalise(std::string_view line) {
  load_raw_line(line);
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
  for (std::uint32_t i = 0; i < ws.match_count; ++i) rows.push_back(ws.match_list[i].row_number);
  return rows;
}

std::string ConversionTest::record_text(std::uint32_t index) const {
  const StatementRecord& r = record(index);
  return std::string(statement_text(r), r.text_length);
}

std::vector<std::uint32_t> ConversionTest::record_kinds() const {
  std::vector<std::uint32_t> kinds;
  for (std::uint32_t i = 0; i < ws.stmt_count; ++i) kinds.push_back(ws.statement_table[i].kind);
  return kinds;
}

std::string chart_to_utf8(std::string_view shift_jis) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string out(shift_jis.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(shift_jis.data());
  std::size_t in_left = shift_jis.size();
  char* to = out.data();
  std::size_t out_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in, &in_left, &to, &out_left) == static_cast<std::size_t>(-1)) {
      *to++ = '?';  // keep going over bytes that are not Shift-JIS
      --out_left;
      ++in;
      --in_left;
    }
  }
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

std::vector<std::string> row_cells(std::uint32_t row) {
  std::vector<std::string> cells;
  for (std::uint32_t i = 0; i < ws.row_cell_counts[row]; ++i) {
    const StoredCell& c = stored_cell(row, i);
    switch (c.cell_kind) {
      case '2':
        cells.push_back(chart_to_utf8(std::string_view(cell2[c.cell_value], 2)));
        break;
      case '4':
        cells.push_back(chart_to_utf8(std::string_view(cell4[c.cell_value], 4)));
        break;
      case '6':
        cells.push_back(chart_to_utf8(std::string_view(kind_symbol[c.cell_value], 6)));
        break;
      case 'P':
        cells.push_back(std::string(1, 'P').append(std::to_string(c.cell_value)));
        break;
      default:
        cells.push_back("");
        break;
    }
  }
  return cells;
}

std::vector<std::uint32_t> row_connectors(std::uint32_t row) {
  std::vector<std::uint32_t> kinds;
  for (std::uint32_t d = 1; d <= ws.connector_depths[row]; ++d) kinds.push_back(stored_connector_kind(row, d));
  return kinds;
}
