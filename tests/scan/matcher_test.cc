#include "scan/matcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/support/conversion_fixture.h"
#include "tests/support/reference_matcher.h"

namespace {

using Rows = std::vector<std::uint32_t>;

class MatcherTest : public ConversionTest {
 protected:
  // The standalone digit rows take part in matching in the Sorvane edition only.
  Rows digit(std::uint32_t row) const { return kMeridolEdition ? Rows{} : Rows{row}; }
  static Rows join(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
};

TEST_F(MatcherTest, BlockIfRecordsItsWordsAndBrackets) {
  scan("if (x > 0) then\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowIf, kRowOpenParen, kRowCloseParen, kRowThen}));
  EXPECT_EQ(ws.matching.match_list[0].start_column, 0u);
  EXPECT_EQ(ws.matching.match_list[0].after_column, 3u);
  EXPECT_EQ(ws.matching.match_list[3].start_column, 11u);
}

TEST_F(MatcherTest, NeighbourClassesDecideAcceptance) {
  scan("if(x)then\n");  // "then" needs a blank before it
  EXPECT_EQ(matched_rows(), (Rows{kRowIf, kRowOpenParen, kRowCloseParen}));
  scan("if_flag = 1\n");  // the underscore is punctuation
  EXPECT_EQ(matched_rows(), join(Rows{kRowIf, kRowEquals}, digit(kRowDigit1)));
  scan("inquired = 2\n");
  EXPECT_EQ(matched_rows(), join(Rows{kRowEquals}, digit(kRowDigit2)));
  scan("x = a-read\n");  // '-' before "read": kind 1 refuses it
  EXPECT_EQ(matched_rows(), (Rows{kRowEquals}));
  scan("read-only\n");  // '-' after "read$" is accepted
  EXPECT_EQ(matched_rows(), (Rows{kRowRead}));
}

TEST_F(MatcherTest, TwoWordRowClaimsItsSecondWord) {
  scan("end subroutine foo\n");
  ASSERT_EQ(matched_rows(), (Rows{kRowEndSubroutine}));
  EXPECT_EQ(ws.matching.match_list[0].after_column, 4u);
  EXPECT_EQ(ws.matching.match_list[0].end_column, 14u);
  scan("endsubroutine\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowEndSubroutine}));
  scan("else if (a) then\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowElseIf, kRowOpenParen, kRowCloseParen, kRowThen}));
  scan("exit do\n");  // the word "exit" wins at its column; "exit do" never matches
  EXPECT_EQ(matched_rows(), (Rows{kRowExit, kRowDo}));
  scan("select case (n)\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowSelectCase, kRowOpenParen, kRowCloseParen}));
}

TEST_F(MatcherTest, LiteralsAndCommentsHideKeywords) {
  scan("x = 'call foo(a)'\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowEquals}));
  scan("x = 1 ! call foo(a)\n");
  EXPECT_EQ(matched_rows(), join(join(Rows{kRowEquals}, digit(kRowDigit1)), Rows{kRowComment}));
  scan("print *, \"call it\" ! if then\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowPrint, kRowComment}));
}

TEST_F(MatcherTest, OperatorsAreNotAssignments) {
  scan("a == b\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowEqualEqual}));
  scan("a <= b .and. c /= d\n");
  // ".and." ends in a "." before a blank: the "." row matches it.
  EXPECT_EQ(matched_rows(), (Rows{kRowLessEqual, kRowDotEnd, kRowNotEqual}));
  scan("x = y\n");
  ASSERT_EQ(matched_rows(), (Rows{kRowEquals}));
  EXPECT_EQ(ws.matching.match_list[0].after_column, 4u);
  scan(" \t  \n");
  EXPECT_EQ(matched_rows(), Rows{});
  EXPECT_EQ(ws.matching.match_list[0].row_number, 0u);
}

TEST_F(MatcherTest, ProgramUnitWordsRestartTheStatementNumbers) {
  ws.records.unit_statement_number = 7;
  scan("subroutine foo(a, b)\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowSubroutine, kRowOpenParen, kRowCloseParen}));
  EXPECT_EQ(ws.records.unit_statement_number, 0u);
  ws.records.unit_statement_number = 7;
  scan("type point\n");  // TYPE is no program unit
  EXPECT_EQ(ws.records.unit_statement_number, 7u);
}

TEST_F(MatcherTest, EveryMatchInColumnOrder) {
  scan("a(1) = b(2) + c(3); d = 1\n");
  const std::uint32_t o = kRowOpenParen, c = kRowCloseParen, s = kRowSemicolon;
  EXPECT_EQ(matched_rows(), join(Rows{o, c, kRowEquals, o, c, o, c, s, kRowEquals}, digit(kRowDigit1)));
}

TEST_F(MatcherTest, DoLoopForms) {
  scan("  do 10 i = 1, n\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowLabelledCountedDo1}));
  scan("  do i = 1, n\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowCountedDo}));
  scan("  do while (x)\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowDo, kRowWhile, kRowOpenParen, kRowCloseParen}));
  scan("  do 20\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowLabelledDo2}));
  scan("10 continue\n");  // a label in column 0 is no comment letter
  EXPECT_EQ(matched_rows(), (Rows{kRowLabelledContinue1}));
  scan("900 format (a)\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowLabelledFormat9, kRowOpenParen, kRowCloseParen}));
}

TEST_F(MatcherTest, LabelRowsMatchOnlyAtTheLineStart) {
  scan("10 x = 1\n");
  EXPECT_EQ(matched_rows(), kMeridolEdition ? (Rows{kRowLabel1, kRowEquals}) : (Rows{kRowEquals, kRowDigit1}));
  scan("   20 end do\n");
  EXPECT_EQ(matched_rows(), kMeridolEdition ? (Rows{kRowLabelledEndDo2}) : (Rows{kRowEndDo}));
  scan("&  5, b)\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowAmpersand, kRowCloseParen}));
  scan("x = 5\n");  // a digit after the line start is no label
  EXPECT_EQ(matched_rows(), join(Rows{kRowEquals}, digit(kRowDigit5)));
}

TEST_F(MatcherTest, UpperCaseSourceMatchesLikeLowerCase) {
  scan("  CALL Foo(A)\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowCall, kRowOpenParen, kRowCloseParen}));
  EXPECT_EQ(ws.matching.match_list[0].after_column, 7u);
}

TEST_F(MatcherTest, FillerMatchesOnlyAStandaloneBoxGlyph) {
  scan("x = \x84\x9F\n");
  EXPECT_EQ(matched_rows(), (Rows{kRowEquals, kRowPlaceholder}));
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
    normalise(line_, continues_line_);
    reset_matches();
    matcher();
    Result r;
    r.matches.assign(ws.matching.match_list, ws.matching.match_list + ws.matching.match_count);
    r.taken.assign(ws.normalisation.taken_mask, ws.normalisation.line_end + 1);
    return r;
  }

  void expect_same_matches(const std::string& line, bool continues_line = false) {
    line_ = line;
    continues_line_ = continues_line;
    // Both runs start from the state carried over from the previous line.
    const NormalisationPart carried = ws.normalisation;
    const Result every_row = run(match_line_trying_every_row);
    ws.normalisation = carried;
    const Result indexed = run(match_line);
    EXPECT_TRUE(every_row == indexed) << "line: " << line;
    // The same line again comes from the matcher's memo when it fits there.
    ws.normalisation = carried;
    const Result recalled = run(match_line);
    EXPECT_TRUE(every_row == recalled) << "recalled line: " << line;
    ++lines_checked_;
  }

  // Feeds a text through the matchers piece by piece, as the reader cuts it.
  void expect_same_matches_in(const std::string& text) {
    for (const SourcePiece& piece : read_pieces(text)) expect_same_matches(piece.text, piece.continues_line);
  }

  std::string line_;
  bool continues_line_ = false;
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

namespace {

// The neighbour classes, byte by byte: 1 blank, tab or the end of the text;
// 2 ASCII punctuation but "-"; 3 "-"; 4 everything else.
std::uint32_t expected_right_class(unsigned char c) {
  if (c == ' ' || c == '\t' || c == '\n' || c == 0xFF) return 1;
  if (c == '-') return 3;
  const bool punctuation = (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
                           (c >= 0x7B && c <= 0x7D);
  return punctuation ? 2 : 4;
}

// "read$" takes any neighbour up to class 3 after it, "then" only class 1.
TEST_F(MatcherTest, EveryByteAfterAKeywordFallsInItsNeighbourClass) {
  for (int byte = 1; byte < 256; ++byte) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == '\n' || c == '\'' || c == '"' || c == '!' || c == '&') continue;  // they change the masks
    const std::string after(1, static_cast<char>(c));
    scan("read" + after + "\n");
    const Rows rows = matched_rows();
    const bool read_found = !rows.empty() && rows.front() == kRowRead;
    EXPECT_EQ(read_found, expected_right_class(c) <= 3) << "byte " << byte;
    scan("x then" + after + "\n");
    const Rows then_rows = matched_rows();
    const bool then_found = std::find(then_rows.begin(), then_rows.end(), kRowThen) != then_rows.end();
    EXPECT_EQ(then_found, expected_right_class(c) == 1) << "byte " << byte;
  }
}

}  // namespace
