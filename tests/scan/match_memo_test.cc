#include "scan/match_memo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan/matcher.h"
#include "tests/support/conversion_fixture.h"

namespace {

using Rows = std::vector<std::uint32_t>;

class MatchMemoTest : public ConversionTest {
 protected:
  std::string taken() const { return std::string(ws.normalisation.taken_mask, ws.normalisation.line_end + 1); }
  std::uint32_t remembered() const { return ws.matching.memo.entry_count; }
};

TEST_F(MatchMemoTest, ALineMetAgainGetsTheSameMatchesClaimsAndMask) {
  scan("  do 10 i = 1, n\n");
  const Rows rows = matched_rows();
  const std::string claimed = taken();
  const std::uint32_t claims = ws.matching.claims;
  ASSERT_EQ(remembered(), 1u);
  scan("  x = y\n");
  scan("  do 10 i = 1, n\n");
  EXPECT_EQ(remembered(), 2u);  // recalled, not remembered twice
  EXPECT_EQ(matched_rows(), rows);
  EXPECT_EQ(taken(), claimed);
  EXPECT_EQ(ws.matching.claims - claims, 1 + rows.size());  // "x = y" claimed one
}

// The masks are part of the key: the same text inside a literal matches nothing.
TEST_F(MatchMemoTest, TheSameTextWithOtherMasksIsScannedAfresh) {
  scan("  call s\n");
  const Rows rows = matched_rows();
  ASSERT_FALSE(rows.empty());
  normalise("  call s\n");
  for (std::uint32_t c = 0; c < ws.normalisation.line_end; ++c) ws.normalisation.quote_mask[c] = '\'';
  reset_matches();
  match_line();
  EXPECT_TRUE(matched_rows().empty());
  scan("  call s\n");
  EXPECT_EQ(matched_rows(), rows);
}

TEST_F(MatchMemoTest, ARecalledProgramUnitRestartsTheStatementNumber) {
  ws.records.unit_statement_number = 5;
  scan("subroutine s\n");
  EXPECT_EQ(ws.records.unit_statement_number, 0u);
  ws.records.unit_statement_number = 7;
  scan("subroutine s\n");
  EXPECT_EQ(ws.records.unit_statement_number, 0u);
  ws.records.unit_statement_number = 3;
  scan("  x = s\n");
  scan("  x = s\n");
  EXPECT_EQ(ws.records.unit_statement_number, 3u);
}

TEST_F(MatchMemoTest, AFullMemoStillMatchesButRemembersNoMore) {
  ws.matching.memo.bytes_used = static_cast<std::uint32_t>(kMatchMemoByteCapacity - 8);
  scan("  if (x) then\n");
  const Rows rows = matched_rows();
  EXPECT_EQ(rows.size(), 4u);
  scan("  if (x) then\n");
  EXPECT_EQ(matched_rows(), rows);
  EXPECT_EQ(remembered(), 0u);
}

// The slots grow with the lines remembered; every line stays findable.
TEST_F(MatchMemoTest, ManyDistinctLinesAreAllRecalled) {
  const int kLines = 3000;
  std::vector<Rows> first_rows;
  for (int i = 0; i < kLines; ++i) {
    scan("  if (v" + std::to_string(i) + ") call s\n");
    first_rows.push_back(matched_rows());
  }
  const std::uint32_t lines = remembered();
  EXPECT_EQ(lines, static_cast<std::uint32_t>(kLines));
  for (int i = 0; i < kLines; ++i) {
    scan("  if (v" + std::to_string(i) + ") call s\n");
    ASSERT_EQ(matched_rows(), first_rows[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_EQ(remembered(), lines);
}

// A new run forgets the lines of the last, whatever its slots still name.
TEST_F(MatchMemoTest, IndexingTheRowsEmptiesTheMemo) {
  scan("  end do\n");
  scan("  continue\n");
  ASSERT_EQ(remembered(), 2u);
  start_run();
  EXPECT_EQ(remembered(), 0u);
  scan("  call s\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowCall}));
  EXPECT_EQ(remembered(), 1u);
}

}  // namespace
