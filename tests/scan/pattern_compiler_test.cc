#include "scan/pattern_compiler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "scan/keyword_table.h"
#include "scan/keyword_rows.h"
#include "tests/support/conversion_fixture.h"

namespace {

struct Token {
  std::string text;
  std::uint32_t left;
  std::uint32_t right;
  bool operator==(const Token&) const = default;
};

void PrintTo(const Token& t, std::ostream* os) { *os << t.text << "(" << t.left << "," << t.right << ")"; }

// A spare slot past the compiled table, so compiling into it changes nothing else.
constexpr std::uint32_t kScratchRow = kCompiledPatternCapacity - 1;

class PatternCompilerTest : public ConversionTest {
 protected:
  std::vector<Token> compile(const std::string& pattern) {
    std::memset(ws.run.work_line, 0, kLineCapacity);
    std::memcpy(ws.run.work_line, pattern.c_str(), pattern.size() + 1);
    ws.patterns.compile_row = kScratchRow;
    const std::uint32_t count = compile_pattern();
    std::vector<Token> tokens;
    for (std::uint32_t t = 0; t < count; ++t) {
      const PatternToken& token = ws.patterns.compiled_patterns[kScratchRow].tokens[t];
      EXPECT_EQ(token.length, std::strlen(token.text));
      tokens.push_back({token.text, token.left_kind, token.right_kind});
    }
    return tokens;
  }
  // The compiled tokens of the row with this number.
  std::vector<Token> compiled_row(std::uint32_t row_number) {
    std::vector<Token> tokens;
    const CompiledPattern& row = ws.patterns.compiled_patterns[row_number - 1];
    for (std::uint32_t t = 0; t < row.token_count; ++t) {
      tokens.push_back({row.tokens[t].text, row.tokens[t].left_kind, row.tokens[t].right_kind});
    }
    return tokens;
  }
};

TEST_F(PatternCompilerTest, MarksGiveBoundaryKinds) {
  EXPECT_EQ(compile("\"end@  @subroutine\"\n"), (std::vector<Token>{{"end", 1, 4}, {"subroutine", 4, 1}}));
  EXPECT_EQ(compile("\"inquire$\n"), (std::vector<Token>{{"inquire", 1, 3}}));
  EXPECT_EQ(compile("\"do\"  \"1@  @=@\n"), (std::vector<Token>{{"do", 1, 1}, {"1", 1, 4}, {"=", 4, 4}}));
  EXPECT_EQ(compile("@!@\n"), (std::vector<Token>{{"!", 4, 4}}));
  EXPECT_EQ(compile("@.\"\n"), (std::vector<Token>{{".", 4, 1}}));
  EXPECT_EQ(compile(":ab:\n"), (std::vector<Token>{{"ab", 1, 1}}));
  EXPECT_EQ(compile("\"\x84\x9F\"\n"), (std::vector<Token>{{"\x84\x9F", 1, 1}}));
}

TEST_F(PatternCompilerTest, TokenEndedByBlankTabOrEndGetsKindTwo) {
  EXPECT_EQ(compile("abc def\tghi\n"), (std::vector<Token>{{"abc", 2, 2}, {"def", 2, 2}, {"ghi", 2, 2}}));
  EXPECT_EQ(compile("\"abc"), (std::vector<Token>{{"abc", 1, 2}}));
}

TEST_F(PatternCompilerTest, ClosingMarkSwallowsTheNextOpeningMark) {
  EXPECT_EQ(compile("\"a\"$b@\n"), (std::vector<Token>{{"a", 1, 1}, {"b", 2, 4}}));
  EXPECT_EQ(compile("\"a@@b\"\n"), (std::vector<Token>{{"a", 1, 4}, {"b", 2, 1}}));
}

TEST_F(PatternCompilerTest, HashIsStoredAsBlank) { EXPECT_EQ(compile("\"a#b\"\n"), (std::vector<Token>{{"a b", 1, 1}})); }

TEST_F(PatternCompilerTest, AtMostSixTokensAndEmptyTextHasNone) {
  EXPECT_EQ(compile("a b c d e f g h\n").size(), 6u);
  EXPECT_TRUE(compile("").empty());
  EXPECT_TRUE(compile("   \n").empty());
}

TEST_F(PatternCompilerTest, LandmarkRowsOfTheEdition) {
  EXPECT_EQ(ws.patterns.semicolon_row, kRowSemicolon);
  EXPECT_EQ(ws.patterns.ampersand_row, kRowAmpersand);
  EXPECT_EQ(ws.matching.pattern_count, kCompiledRowCount);
  EXPECT_EQ(keyword_pattern_source.size(), kKeywordRowCount);
}

TEST_F(PatternCompilerTest, RowsCompileToTheirTokens) {
  EXPECT_EQ(compiled_row(kRowComment), (std::vector<Token>{{"!", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowRemark), (std::vector<Token>{{"Rem", 3, 1}}));
  EXPECT_EQ(compiled_row(kRowEndWhere), (std::vector<Token>{{"end", 1, 4}, {"where", 4, 1}}));
  EXPECT_EQ(compiled_row(kRowEndIf), (std::vector<Token>{{"end", 1, 1}, {"if", 1, 1}}));
  EXPECT_EQ(compiled_row(kRowElseIf), (std::vector<Token>{{"else", 1, 1}, {"if", 1, 3}}));
  EXPECT_EQ(compiled_row(kRowCall), (std::vector<Token>{{"call", 1, 1}}));
  EXPECT_EQ(compiled_row(kRowLabelledCountedDo0), (std::vector<Token>{{"do", 1, 1}, {"0", 1, 4}, {"=", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowCountedDo), (std::vector<Token>{{"do", 1, 1}, {"=", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowLabelledDo1), (std::vector<Token>{{"do", 1, 1}, {"1", 1, 4}}));
  EXPECT_EQ(compiled_row(kRowWhile), (std::vector<Token>{{"while", 1, 3}}));
  EXPECT_EQ(compiled_row(kRowLabelledContinue1), (std::vector<Token>{{"1", 1, 4}, {"continue", 1, 1}}));
  EXPECT_EQ(compiled_row(kRowLabelledFormat0), (std::vector<Token>{{"0", 1, 4}, {"format", 1, 3}}));
  for (std::uint32_t filler : {kRowPlaceholder, kRowFiller7, kRowFiller10, kRowFiller11, kRowFiller16, kRowFiller18,
                               kRowFiller31, kRowTailFiller1, kRowTailFiller4}) {
    EXPECT_EQ(compiled_row(filler), (std::vector<Token>{{"\x84\x9F", 1, 1}})) << filler;
  }
  EXPECT_EQ(compiled_row(kRowSemicolon), (std::vector<Token>{{";", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowTypeParen), (std::vector<Token>{{"type", 1, 3}, {"(", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowOpenParen), (std::vector<Token>{{"(", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowSubroutine), (std::vector<Token>{{"subroutine", 1, 1}}));
  EXPECT_EQ(compiled_row(kRowType), (std::vector<Token>{{"type", 1, 1}}));
  EXPECT_EQ(compiled_row(kRowEqualEqual), (std::vector<Token>{{"==", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowDotEnd), (std::vector<Token>{{".", 4, 1}}));
  EXPECT_EQ(compiled_row(kRowEquals), (std::vector<Token>{{"=", 4, 4}}));
  EXPECT_EQ(compiled_row(kRowAmpersand), (std::vector<Token>{{"&", 4, 4}}));
}

TEST_F(PatternCompilerTest, EditionRowsAfterTheFormatRows) {
  if (kMeridolEdition) {
    EXPECT_EQ(compiled_row(kRowLabelledEndDo1), (std::vector<Token>{{"1", 1, 4}, {"end", 1, 4}, {"do", 4, 1}}));
    EXPECT_EQ(compiled_row(kRowLabel0), (std::vector<Token>{{"0", 1, 4}}));
    // The standalone digits follow "&" but are not compiled in this edition.
    EXPECT_EQ(std::string(keyword_pattern_source[kRowDigit0 - 1].data()), "\"0\"\n");
    EXPECT_EQ(ws.patterns.compiled_patterns[kRowDigit1 - 1].token_count, 0u);
  } else {
    EXPECT_EQ(compiled_row(kRowSorvaneFiller1), (std::vector<Token>{{"\x84\x9F", 1, 1}}));
    EXPECT_EQ(compiled_row(kRowDigit1), (std::vector<Token>{{"1", 1, 1}}));
    EXPECT_EQ(compiled_row(kRowDigit0), (std::vector<Token>{{"0", 1, 1}}));
  }
}

// The table's rows are the list's names in the list's order; every row's
// place and text is pinned where the list is written.
TEST_F(PatternCompilerTest, RowNamesFollowTheTable) {
  EXPECT_STREQ(keyword_row_name(kRowIf), "If");
  EXPECT_STREQ(keyword_row_name(kRowLabelledFormat9), "LabelledFormat9");
  EXPECT_STREQ(keyword_row_name(kRowAmpersand), "Ampersand");
  EXPECT_STREQ(keyword_row_name(kKindPlainText), "");
  EXPECT_STREQ(keyword_row_name(kKindLoopEnd), "");
  EXPECT_STREQ(keyword_pattern_source[kRowElseIf - 1].data(), "\"else\"  \"if$\n");
}

}  // namespace
