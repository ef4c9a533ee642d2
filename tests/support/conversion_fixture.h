// A fixture that runs the conversion stages in-process on source text.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "driver/workspace.h"
#include "tests/support/test_platform.h"

// Row numbers of the keyword table above 92 lie ten rows further on in the
// Meridol edition.
std::uint32_t edition_row(std::uint32_t sorvane_row);

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Feeds source text line by line, cut as the source reader cuts it.
  void feed(std::string_view source);

  // Lower-cases and normalises one line only.
  void normalise(std::string_view line);

  // Normalises and matches one line only (no classification).
  void scan(std::string_view line);

  // Row numbers of the current line's matches, in order.
  std::vector<std::uint32_t> matched_rows() const;

  // The statement records appended so far.
  const StatementRecord& record(std::uint32_t index) const { return ws.statement_table[index]; }
  std::string record_text(std::uint32_t index) const;
  std::vector<std::uint32_t> record_kinds() const;
};

// Chart rows, cell by cell: glyphs and captions by their UTF-8 text,
// statement text cells as "P<record index>", empty cells as "".
std::vector<std::string> row_cells(std::uint32_t row);

// Connector kinds of a row, from level 1.
std::vector<std::uint32_t> row_connectors(std::uint32_t row);

// Converts Shift-JIS chart bytes to UTF-8 for readable assertions.
std::string chart_to_utf8(std::string_view shift_jis);
