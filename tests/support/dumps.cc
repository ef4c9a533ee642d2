#include "tests/support/dumps.h"

#include <iconv.h>

#include "chart/chart_model.h"
#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/workspace.h"
#include "scan/keyword_rows.h"

namespace {

struct PseudoKind {
  std::uint32_t kind;
  const char* name;
};

constexpr PseudoKind kPseudoKinds[] = {
    {kKindIfClose, "IfClose"},       {kKindElseifWordClose, "ElseifWordClose"},
    {kKindElseIfClose, "ElseIfClose"}, {kKindSelectCaseClose, "SelectCaseClose"},
    {kKindCaseClose, "CaseClose"},   {kKindWhereClose, "WhereClose"},
    {kKindWhileClose, "WhileClose"}, {kKindLoopEnd, "LoopEnd"},
};

const char* connector_name(std::uint32_t kind) {
  switch (kind) {
    case kConnectorUnset:
      return "unset";
    case kConnectorPass:
      return "pass";
    case kConnectorTop:
      return "top";
    case kConnectorBranch:
      return "branch";
    case kConnectorBottom:
      return "bottom";
    default:
      return "?";
  }
}

}  // namespace

std::string kind_name(std::uint32_t kind) {
  if (kind == kKindPlainText) return "Text";
  const std::string row = keyword_row_name(kind);
  if (!row.empty()) return row;
  for (const PseudoKind& pseudo : kPseudoKinds) {
    if (pseudo.kind == kind) return pseudo.name;
  }
  return std::to_string(kind);
}

std::string dump_record(std::uint32_t index) {
  const StatementRecord& r = ws.records.statement_table[index];
  std::string out = kind_name(r.kind);
  if (r.marker != kMarkerOrdinary) out += std::string(" [") + static_cast<char>(r.marker) + "]";
  if (r.has_text == kYes) out += " \"" + std::string(statement_text(r), r.text_length) + "\"";
  if (r.operand_offset != 0) out += " +" + std::to_string(r.operand_offset);
  return out;
}

std::vector<std::string> dump_records() {
  std::vector<std::string> out;
  for (std::uint32_t i = 0; i < ws.records.stmt_count; ++i) out.push_back(dump_record(i));
  return out;
}

std::string shown_glyph(char cell_kind, std::uint32_t value) {
  switch (cell_kind) {
    case kCellGlyph2:
      return value < kCell2Count ? cell2_shown[value] : "?";
    case kCellGlyph4:
      return value < kCell4Count ? cell4_shown[value] : "?";
    case kCellGlyph6:
      return value < kKindSymbolCount ? kind_symbol_shown[value] : "?";
    default:
      return "";
  }
}

std::string dump_row(std::uint32_t row) {
  std::string out;
  for (std::uint32_t i = 0; i < ws.building.row_cell_counts[row]; ++i) {
    const StoredCell& c = stored_cell(row, i);
    if (c.cell_kind == kCellGlyph2 || c.cell_kind == kCellGlyph4 || c.cell_kind == kCellGlyph6) {
      out.append("[").append(shown_glyph(c.cell_kind, c.cell_value)).append("]");
    } else if (c.cell_kind == kCellEmpty) {
      out += "[]";
    } else {
      const StatementRecord& r = ws.records.statement_table[c.cell_value];
      out.append("{").append(statement_text(r), r.text_length).append("}");
    }
  }
  if (ws.building.connector_depths[row] > 0) {
    out += " |";
    for (std::uint32_t d = 1; d <= ws.building.connector_depths[row]; ++d) {
      out += std::string(" ") + connector_name(stored_connector_kind(row, d));
    }
  }
  return out;
}

std::vector<std::string> dump_rows() {
  std::vector<std::string> out;
  for (std::uint32_t r = 0; r < ws.building.chart_row_count; ++r) out.push_back(dump_row(r));
  return out;
}

std::string chart_to_utf8(const std::string& shift_jis) {
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

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    const std::size_t first = line.find_first_not_of(' ');
    lines.push_back(first == std::string::npos ? "" : line.substr(first));
    start = end + 1;
  }
  while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}
