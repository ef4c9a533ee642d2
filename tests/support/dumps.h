// Readable dumps of what the stages leave in the workspace, in the words of
// the domain: records by the names of their keyword rows, chart rows by the
// glyphs they draw.
//
//   record:  If "if (x > 0) " +3        kind, [marker], "text", +operand_offset
//            IfClose [T]
//   row:     [  ][◇判定]{if (x > 0) }    glyph cells in [], text cells in {}
//            [  ][│    ][└──] | top     then the connector kinds from level 1
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The name of a kind code: its keyword row's name, Text for 0, or the name of
// a pseudo record (IfClose, LoopEnd, ...); a number for anything else.
std::string kind_name(std::uint32_t kind);

std::string dump_record(std::uint32_t index);
std::vector<std::string> dump_records();

std::string dump_row(std::uint32_t row);
std::vector<std::string> dump_rows();

// The UTF-8 text of a cell2, cell4 or kind_symbol entry.
std::string shown_glyph(char cell_kind, std::uint32_t value);

// Converts Shift-JIS chart bytes to UTF-8 for readable assertions; bytes that
// are not Shift-JIS become "?".
std::string chart_to_utf8(const std::string& shift_jis);

// Lines of a multi-line literal: leading and trailing blank lines dropped,
// each line trimmed of the indentation it has in the source.
std::vector<std::string> lines_of(const std::string& text);
