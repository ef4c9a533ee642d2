#include "scan/pattern_compiler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "scan/keyword_table.h"
#include "tests/support/conversion_fixture.h"

namespace {

struct Token {
  std::string text;
  std::uint32_t left;
  std::uint32_t right;
  bool operator==(const Token&) const = default;
};

void PrintTo(const Token& t, std::ostream* os) { *os << t.text << "(" << t.left << "," << t.right << ")"; }

// A spare row past the compiled table, so compiling it changes nothing else.
constexpr std::uint32_t kScratchRow = 140;

class PatternCompilerTest : public ConversionTest {
 protected:
  std::vector<Token> compile(const std::string& pattern) {
    std::memset(ws.work_line, 0, kLineCapacity);
    std::memcpy(ws.work_line, pattern.c_str(), pattern.size() + 1);
    ws.compile_row = kScratchRow;
    const std::uint32_t count = compile_pattern();
    std::vector<Token> tokens;
    for (std::uint32_t t = 0; t < count; ++t) {
      const PatternToken& token = ws.compiled_patterns[kScratchRow].tokens[t];
      EXPECT_EQ(token.length, std::strlen(token.text));
      tokens.push_back({token.text, token.left_kind, token.right_kind});
    }
    return tokens;
  }
  std::vector<Token> compiled_row(std::uint32_t index) {
    std::vector<Token> tokens;
    const CompiledPattern& row = ws.compiled_patterns[index];
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
  EXPECT_EQ(ws.semicolon_row, kMeridolEdition ? 118u : 108u);
  EXPECT_EQ(ws.ampersand_row, kMeridolEdition ? 134u : 124u);
  EXPECT_EQ(ws.pattern_count, 134u);
  EXPECT_EQ(keyword_row_count, kMeridolEdition ? 144u : 134u);
}

TEST_F(PatternCompilerTest, RowsAtFixedPlaces) {
  EXPECT_EQ(compiled_row(0), (std::vector<Token>{{"!", 4, 4}}));
  EXPECT_EQ(compiled_row(1), (std::vector<Token>{{"Rem", 3, 1}}));
  EXPECT_EQ(compiled_row(20), (std::vector<Token>{{"end", 1, 4}, {"where", 4, 1}}));
  EXPECT_EQ(compiled_row(32), (std::vector<Token>{{"end", 1, 1}, {"if", 1, 1}}));
  EXPECT_EQ(compiled_row(38), (std::vector<Token>{{"else", 1, 1}, {"if", 1, 3}}));
  EXPECT_EQ(compiled_row(49), (std::vector<Token>{{"call", 1, 1}}));
  EXPECT_EQ(compiled_row(59), (std::vector<Token>{{"do", 1, 1}, {"0", 1, 4}, {"=", 4, 4}}));
  EXPECT_EQ(compiled_row(60), (std::vector<Token>{{"do", 1, 1}, {"=", 4, 4}}));
  EXPECT_EQ(compiled_row(61), (std::vector<Token>{{"do", 1, 1}, {"1", 1, 4}}));
  EXPECT_EQ(compiled_row(72), (std::vector<Token>{{"while", 1, 3}}));
  EXPECT_EQ(compiled_row(73), (std::vector<Token>{{"1", 1, 4}, {"continue", 1, 1}}));
  EXPECT_EQ(compiled_row(92), (std::vector<Token>{{"0", 1, 4}, {"format", 1, 3}}));
  for (std::uint32_t filler : {2u, 6u, 9u, 10u, 15u, 17u, 30u}) {
    EXPECT_EQ(compiled_row(filler), (std::vector<Token>{{"\x84\x9F", 1, 1}})) << filler;
  }
  const std::uint32_t s = ws.semicolon_row - 1;  // index of the ";" row
  EXPECT_EQ(compiled_row(s), (std::vector<Token>{{";", 4, 4}}));
  EXPECT_EQ(compiled_row(s + 1), (std::vector<Token>{{"type", 1, 3}, {"(", 4, 4}}));
  EXPECT_EQ(compiled_row(s + 2), (std::vector<Token>{{"(", 4, 4}}));
  EXPECT_EQ(compiled_row(s + 4), (std::vector<Token>{{"subroutine", 1, 1}}));
  EXPECT_EQ(compiled_row(s + 9), (std::vector<Token>{{"type", 1, 1}}));
  const std::uint32_t a = ws.ampersand_row - 1;
  EXPECT_EQ(compiled_row(a - 6), (std::vector<Token>{{"==", 4, 4}}));
  EXPECT_EQ(compiled_row(a - 2), (std::vector<Token>{{".", 4, 1}}));
  EXPECT_EQ(compiled_row(a - 1), (std::vector<Token>{{"=", 4, 4}}));
  EXPECT_EQ(compiled_row(a), (std::vector<Token>{{"&", 4, 4}}));
}

TEST_F(PatternCompilerTest, EditionRowsAfterTheFormatRows) {
  if (kMeridolEdition) {
    EXPECT_EQ(compiled_row(93), (std::vector<Token>{{"1", 1, 4}, {"end", 1, 4}, {"do", 4, 1}}));
    EXPECT_EQ(compiled_row(112), (std::vector<Token>{{"0", 1, 4}}));
    EXPECT_EQ(compiled_row(113), (std::vector<Token>{{"\x84\x9F", 1, 1}}));
    EXPECT_EQ(compiled_row(116), (std::vector<Token>{{"\x84\x9F", 1, 1}}));
    // The standalone digits follow "&" but are not compiled in this edition.
    EXPECT_EQ(std::string(keyword_pattern_source[143]), "\"0\"\n");
  } else {
    EXPECT_EQ(compiled_row(93), (std::vector<Token>{{"\x84\x9F", 1, 1}}));
    EXPECT_EQ(compiled_row(106), (std::vector<Token>{{"\x84\x9F", 1, 1}}));
    EXPECT_EQ(compiled_row(124), (std::vector<Token>{{"1", 1, 1}}));
    EXPECT_EQ(compiled_row(133), (std::vector<Token>{{"0", 1, 1}}));
  }
}

}  // namespace
