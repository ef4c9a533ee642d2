#include "scan/matcher.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/conversion_fixture.h"

namespace {

using Rows = std::vector<std::uint32_t>;

class MatcherTest : public ConversionTest {
 protected:
  std::uint32_t open_bracket() const { return ws.semicolon_row + 2; }
  std::uint32_t close_bracket() const { return ws.semicolon_row + 3; }
  std::uint32_t assign() const { return ws.ampersand_row - 1; }
  // The standalone digit rows take part in matching in the Sorvane edition only.
  Rows digit(std::uint32_t sorvane_row) const { return kMeridolEdition ? Rows{} : Rows{sorvane_row}; }
  static Rows join(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
};

TEST_F(MatcherTest, BlockIfRecordsItsWordsAndBrackets) {
  scan("if (x > 0) then\n");
  EXPECT_EQ(matched_rows(), (Rows{37, open_bracket(), close_bracket(), 40}));
  EXPECT_EQ(ws.match_list[0].start_column, 0u);
  EXPECT_EQ(ws.match_list[0].after_column, 3u);
  EXPECT_EQ(ws.match_list[3].start_column, 11u);
}

TEST_F(MatcherTest, NeighbourClassesDecideAcceptance) {
  scan("if(x)then\n");  // "then" needs a blank before it
  EXPECT_EQ(matched_rows(), (Rows{37, open_bracket(), close_bracket()}));
  scan("if_flag = 1\n");  // the underscore is punctuation
  EXPECT_EQ(matched_rows(), join(Rows{37, assign()}, digit(125)));
  scan("inquired = 2\n");
  EXPECT_EQ(matched_rows(), join(Rows{assign()}, digit(126)));
  scan("x = a-read\n");  // '-' before "read": kind 1 refuses it
  EXPECT_EQ(matched_rows(), (Rows{assign()}));
  scan("read-only\n");  // '-' after "read$" is accepted
  EXPECT_EQ(matched_rows(), (Rows{27}));
}

TEST_F(MatcherTest, TwoWordRowClaimsItsSecondWord) {
  scan("end subroutine foo\n");
  ASSERT_EQ(matched_rows(), (Rows{8}));
  EXPECT_EQ(ws.match_list[0].after_column, 4u);
  EXPECT_EQ(ws.match_list[0].end_column, 14u);
  scan("endsubroutine\n");
  EXPECT_EQ(matched_rows(), (Rows{8}));
  scan("else if (a) then\n");
  EXPECT_EQ(matched_rows(), (Rows{39, open_bracket(), close_bracket(), 40}));
  scan("exit do\n");  // the word "exit" wins at its column; "exit do" never matches
  EXPECT_EQ(matched_rows(), (Rows{20, 72}));
  scan("select case (n)\n");
  EXPECT_EQ(matched_rows(), (Rows{41, open_bracket(), close_bracket()}));
}

TEST_F(MatcherTest, LiteralsAndCommentsHideKeywords) {
  scan("x = 'call foo(a)'\n");
  EXPECT_EQ(matched_rows(), (Rows{assign()}));
  scan("x = 1 ! call foo(a)\n");
  EXPECT_EQ(matched_rows(), join(join(Rows{assign()}, digit(125)), Rows{1}));
  scan("print *, \"call it\" ! if then\n");
  EXPECT_EQ(matched_rows(), (Rows{28, 1}));
}

TEST_F(MatcherTest, OperatorsAreNotAssignments) {
  scan("a == b\n");
  EXPECT_EQ(matched_rows(), (Rows{ws.ampersand_row - 6}));
  scan("a <= b .and. c /= d\n");
  // ".and." ends in a "." before a blank: the "." row matches it.
  EXPECT_EQ(matched_rows(), (Rows{ws.ampersand_row - 5, ws.ampersand_row - 2, ws.ampersand_row - 3}));
  scan("x = y\n");
  ASSERT_EQ(matched_rows(), (Rows{assign()}));
  EXPECT_EQ(ws.match_list[0].after_column, 4u);
  scan(" \t  \n");
  EXPECT_EQ(matched_rows(), Rows{});
  EXPECT_EQ(ws.match_list[0].row_number, 0u);
}

TEST_F(MatcherTest, ProgramUnitWordsRestartTheStatementNumbers) {
  ws.unit_statement_number = 7;
  scan("subroutine foo(a, b)\n");
  EXPECT_EQ(matched_rows(), (Rows{ws.semicolon_row + 4, open_bracket(), close_bracket()}));
  EXPECT_EQ(ws.unit_statement_number, 0u);
  ws.unit_statement_number = 7;
  scan("type point\n");  // TYPE is no program unit
  EXPECT_EQ(ws.unit_statement_number, 7u);
}

TEST_F(MatcherTest, EveryMatchInColumnOrder) {
  scan("a(1) = b(2) + c(3); d = 1\n");
  const std::uint32_t o = open_bracket(), c = close_bracket(), s = ws.semicolon_row;
  EXPECT_EQ(matched_rows(), join(Rows{o, c, assign(), o, c, o, c, s, assign()}, digit(125)));
}

TEST_F(MatcherTest, DoLoopForms) {
  scan("  do 10 i = 1, n\n");
  EXPECT_EQ(matched_rows(), (Rows{51}));
  scan("  do i = 1, n\n");
  EXPECT_EQ(matched_rows(), (Rows{61}));
  scan("  do while (x)\n");
  EXPECT_EQ(matched_rows(), (Rows{72, 73, open_bracket(), close_bracket()}));
  scan("  do 20\n");
  EXPECT_EQ(matched_rows(), (Rows{63}));
  scan("10 continue\n");  // a label in column 0 is no comment letter
  EXPECT_EQ(matched_rows(), (Rows{74}));
  scan("900 format (a)\n");
  EXPECT_EQ(matched_rows(), (Rows{92, open_bracket(), close_bracket()}));
}

TEST_F(MatcherTest, LabelRowsMatchOnlyAtTheLineStart) {
  scan("10 x = 1\n");
  EXPECT_EQ(matched_rows(), kMeridolEdition ? (Rows{104, 133}) : (Rows{123, 125}));
  scan("   20 end do\n");
  EXPECT_EQ(matched_rows(), kMeridolEdition ? (Rows{95}) : (Rows{35}));
  scan("&  5, b)\n");
  EXPECT_EQ(matched_rows(), kMeridolEdition ? (Rows{134, 121}) : (Rows{124, 111}));
  scan("x = 5\n");  // a digit after the line start is no label
  EXPECT_EQ(matched_rows(), kMeridolEdition ? (Rows{133}) : (Rows{123, 129}));
}

TEST_F(MatcherTest, UpperCaseSourceMatchesLikeLowerCase) {
  scan("  CALL Foo(A)\n");
  EXPECT_EQ(matched_rows(), (Rows{50, open_bracket(), close_bracket()}));
  EXPECT_EQ(ws.match_list[0].after_column, 7u);
}

TEST_F(MatcherTest, FillerMatchesOnlyAStandaloneBoxGlyph) {
  scan("x = \x84\x9F\n");
  EXPECT_EQ(matched_rows(), (Rows{assign(), 3}));
  scan("x\x84\x9F\n");
  EXPECT_EQ(matched_rows(), Rows{});
}

}  // namespace
