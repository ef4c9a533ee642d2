#include "scan/matcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
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

// ---- The indexed scan agrees with trying every row -------------------------------

namespace {

class IndexedMatcherTest : public ConversionTest {
 protected:
  struct Result {
    std::vector<MatchRecord> matches;
    std::string taken;
    bool operator==(const Result& other) const {
      if (taken != other.taken || matches.size() != other.matches.size()) return false;
      for (std::size_t i = 0; i < matches.size(); ++i) {
        const MatchRecord& a = matches[i];
        const MatchRecord& b = other.matches[i];
        if (a.row_number != b.row_number || a.start_column != b.start_column ||
            a.after_column != b.after_column || a.end_column != b.end_column) {
          return false;
        }
      }
      return true;
    }
  };

  Result run(void (*matcher)()) {
    normalise(line_);
    reset_matches();
    matcher();
    Result r;
    r.matches.assign(ws.match_list, ws.match_list + ws.match_count);
    r.taken.assign(ws.taken_mask, ws.line_end + 1);
    return r;
  }

  void expect_same_matches(const std::string& line) {
    line_ = line;
    // Both runs start from the state carried over from the previous line.
    const char carried[] = {ws.comment_carry, ws.block_comment, ws.string_carry};
    const Result every_row = run(match_line_trying_every_row);
    ws.comment_carry = carried[0];
    ws.block_comment = carried[1];
    ws.string_carry = carried[2];
    const Result indexed = run(match_line);
    EXPECT_TRUE(every_row == indexed) << "line: " << line;
    ++lines_checked_;
  }

  // Feeds a text through the matchers piece by piece, as the reader cuts it.
  void expect_same_matches_in(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t length = 0;
      while (length < kMaxPieceLength && start + length < text.size()) {
        if (text[start + length++] == '\n') break;
      }
      expect_same_matches(text.substr(start, length));
      start += length;
    }
  }

  std::string line_;
  int lines_checked_ = 0;
};

TEST_F(IndexedMatcherTest, AgreesOnEveryLineOfTheSamples) {
  for (const char* folder : {"examples", "tests/golden"}) {
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(KMT_SOURCE_DIR) / folder)) {
      if (entry.path().extension() != ".f90") continue;
      std::ifstream file(entry.path(), std::ios::binary);
      expect_same_matches_in(std::string(std::istreambuf_iterator<char>(file), {}));
    }
  }
  EXPECT_GT(lines_checked_, 100);
}

TEST_F(IndexedMatcherTest, AgreesOnGeneratedLines) {
  static const char* const kPieces[] = {
      "if", "then", "else", "end", "do", "10", "1", "continue", "format", "call", "select", "case", "where",
      "while", "(", ")", "=", "==", "<=", "/=", ".", "&", ";", "!", "'", "\"", "\\", " ", " ", " ", "\t", "x",
      "_", "-", "program", "subroutine", "type", "\x84\x9f", "\xff", "/*", "read", "exit", "go to", "return"};
  std::mt19937 random(12345);
  for (int i = 0; i < 20000; ++i) {
    std::string line;
    const int pieces = static_cast<int>(random() % 30);
    for (int p = 0; p < pieces && line.size() < 200; ++p) line += kPieces[random() % std::size(kPieces)];
    expect_same_matches_in(line.substr(0, kMaxPieceLength - 1) + "\n");
  }
}

}  // namespace
