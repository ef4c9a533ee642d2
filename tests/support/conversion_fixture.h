// A fixture that runs the conversion stages in-process on source text, over
// the in-memory platform.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "driver/markers.h"
#include "driver/workspace.h"
#include "scan/keyword_rows.h"
#include "tests/support/dumps.h"
#include "tests/support/memory_platform.h"

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Feeds source text through the source reader and every line stage.
  void feed(std::string_view source);

  // Lower-cases and normalises one line only: a piece that starts its line,
  // or one that continues the line of the piece normalised before it.
  void normalise(std::string_view line, bool continues_line = false);

  // Normalises and matches one line only (no classification).
  void scan(std::string_view line);

  // Row numbers of the current line's matches, in order.
  std::vector<std::uint32_t> matched_rows() const;

  // The statement records appended so far.
  const StatementRecord& record(std::uint32_t index) const { return ws.records.statement_table[index]; }
  std::string record_text(std::uint32_t index) const;
  std::vector<std::uint32_t> record_kinds() const;

  // Appends a record by hand, for the stages after classification.  A record
  // with text holds "t<index>" unless a text is given.
  std::uint32_t add(std::uint32_t kind, YesNo has_text = kYes, Marker marker = kMarkerOrdinary);
  std::uint32_t add_text(std::uint32_t kind, const std::string& text);
  void add_tokens(std::initializer_list<std::uint32_t> kinds);  // records without text
  void add_close(std::uint32_t kind);                           // a condition close

  // Messages shown with this title so far.
  std::size_t messages_titled(const std::string& title) const;

 private:
  std::string source_;  // the bytes the reader is reading
};

// The dumps of a run compared with expected lines written as a literal.
#define EXPECT_RECORDS(expected) EXPECT_EQ(dump_records(), lines_of(expected))
#define EXPECT_ROWS(expected) EXPECT_EQ(dump_rows(), lines_of(expected))

// Chart rows, cell by cell: glyphs and captions by their UTF-8 text,
// statement text cells as "P<record index>", empty cells as "".
std::vector<std::string> row_cells(std::uint32_t row);

// Connector kinds of a row, from level 1.
std::vector<std::uint32_t> row_connectors(std::uint32_t row);
