#include "scan/normalise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "driver/conversion_run.h"
#include "tests/support/conversion_fixture.h"
#include "tests/support/reference_normaliser.h"

namespace {

class NormaliseTest : public ConversionTest {
 protected:
  // The masks up to and including their line feed.
  std::string quotes() const { return std::string(ws.normalisation.quote_mask, ws.normalisation.line_end + 1); }
  std::string taken() const { return std::string(ws.normalisation.taken_mask, ws.normalisation.line_end + 1); }
};

TEST_F(NormaliseTest, LoneLineFeed) {
  normalise("\n");
  EXPECT_EQ(ws.normalisation.first_nonblank, kNoColumn);
  EXPECT_EQ(ws.normalisation.last_nonblank, 0u);
  EXPECT_EQ(ws.normalisation.line_end, 0u);
  EXPECT_EQ(ws.normalisation.quote_mask[0], '\n');
  EXPECT_EQ(ws.normalisation.taken_mask[0], '\n');
  EXPECT_EQ(ws.normalisation.quote_mask[1], '\0');
}

TEST_F(NormaliseTest, LineWhoseFirstByteIsNulIsEmpty) {
  scan(std::string("\0abc\n", 5));
  EXPECT_EQ(ws.normalisation.first_nonblank, kNoColumn);
  EXPECT_EQ(ws.normalisation.last_nonblank, 0u);
  EXPECT_EQ(ws.normalisation.line_end, 0u);
  EXPECT_EQ(ws.matching.match_count, 0u);
}

// Lower-casing goes word by word: every byte value, in the first, a middle
// and the last word of a full piece, and a NUL anywhere ends the line there.
TEST_F(NormaliseTest, LowerCaseChangesOnlyAToZAndStopsAtTheFirstNul) {
  const auto lower = [](std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
  };
  const auto lowered = [&](const std::string& raw) {
    std::memcpy(ws.run.raw_line, raw.c_str(), raw.size() + 1);
    lower_line();
    return std::string(ws.run.work_line, ws.run.line_length);
  };
  for (int byte = 1; byte < 256; ++byte) {
    std::string raw(kMaxPieceLength, 'Q');
    for (const std::size_t at : {0, 7, 8, 75, 143, 150}) raw[at] = static_cast<char>(byte);
    EXPECT_EQ(lowered(raw), lower(raw)) << "byte " << byte;
  }
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ@[`{";
  for (std::size_t end = 0; end <= letters.size(); ++end) {
    std::string raw = letters;
    if (end < raw.size()) raw[end] = '\0';
    EXPECT_EQ(lowered(raw), lower(letters.substr(0, end))) << "NUL at " << end;
    EXPECT_EQ(ws.run.work_line[end], '\0');
  }
}

TEST_F(NormaliseTest, DoubledApostropheTogglesTheLiteralTwice) {
  normalise("x = 'It''s'\n");
  EXPECT_EQ(quotes(), "     ''  ' \n");
  EXPECT_EQ(taken(), "           \n");
}

TEST_F(NormaliseTest, QuoteInsideTheOtherKindOfLiteralIsContent) {
  normalise("a \"it's\" 'say \"x\"'\n");
  EXPECT_EQ(quotes(), "   \"\"\"\"   ''''''' \n");
}

TEST_F(NormaliseTest, BangInsideLiteralStartsCommentForTheRestOfTheLine) {
  normalise("x = \"a!b\" + 1\n");
  // The "!" itself is literal content; from the next column on all is comment.
  EXPECT_EQ(taken(), "       !!!!!!\n");
  EXPECT_EQ(quotes(), "     \"\"      \n");
}

TEST_F(NormaliseTest, BackslashEscapesAQuoteButNotWhenDoubled) {
  normalise("s = \"a\\\"b\" c\n");
  EXPECT_EQ(quotes(), "     \"\"\"\"   \n");
  normalise("s = \"a\\\\\" c\n");
  EXPECT_EQ(quotes(), "     \"\"\"   \n");
  // A backslash after a byte of 0x80 or more (a two-byte character) escapes nothing.
  normalise("s = \"\x95\\\" c\n");
  EXPECT_EQ(quotes(), "     \"\"   \n");
}

TEST_F(NormaliseTest, ColumnZeroCommentLetters) {
  for (const char* line : {"call sub\n", "Call sub\n", "d = 1\n", "* note\n", "character c\n"}) {
    normalise(line);
    EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment) << line;
    EXPECT_EQ(ws.normalisation.taken_mask[0], ' ') << line;
    EXPECT_EQ(ws.normalisation.taken_mask[1], '!') << line;
  }
  normalise(" call sub\n");
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerOrdinary);
  EXPECT_EQ(ws.normalisation.first_nonblank, 1u);
}

TEST_F(NormaliseTest, LastLineWithoutLineFeedKeepsItsLastCharacter) {
  normalise("x = y");
  EXPECT_EQ(ws.normalisation.first_nonblank, 0u);
  EXPECT_EQ(ws.normalisation.last_nonblank, 4u);
  EXPECT_EQ(ws.normalisation.line_end, 5u);
  EXPECT_EQ(quotes(), "     \n");
  EXPECT_EQ(ws.normalisation.quote_mask[6], '\0');
  normalise("e");
  EXPECT_EQ(ws.normalisation.first_nonblank, 0u);
  EXPECT_EQ(ws.normalisation.last_nonblank, 0u);
  EXPECT_EQ(ws.normalisation.line_end, 1u);
}

TEST_F(NormaliseTest, PieceThatFillsTheBufferIsAllLine) {
  const std::string piece(151, 'x');
  normalise(piece);
  EXPECT_EQ(ws.normalisation.line_end, 151u);
  EXPECT_EQ(ws.normalisation.quote_mask[150], ' ');
  EXPECT_EQ(ws.normalisation.quote_mask[151], '\n');
  EXPECT_EQ(ws.normalisation.taken_mask[152], '\0');
  EXPECT_EQ(ws.normalisation.last_nonblank, 150u);
}

// A piece that continues a line starts where the line was cut.
TEST_F(NormaliseTest, ContinuedPieceStartsInTheStateOfItsLine) {
  normalise(std::string(145, ' ') + "x = 'a");
  normalise("b c' d\n", true);
  EXPECT_EQ(quotes(), "'''   \n");  // inside the literal up to its closing quote
  normalise(std::string(139, ' ') + "y = 1 ! note");
  normalise("call s\n", true);
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment);
  EXPECT_EQ(taken(), "!!!!!!\n");
  normalise("call t\n", false);  // the next line starts afresh
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment);  // "call" in column 0
  EXPECT_EQ(taken(), " !!!!!\n");
}

TEST_F(NormaliseTest, OnlyAPieceThatStartsItsLineIsAFixedFormComment) {
  normalise(std::string(151, 'x'));
  normalise("call s\n", true);
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerOrdinary);
  EXPECT_EQ(taken(), "      \n");
  normalise("call s\n", false);
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment);
}

TEST_F(NormaliseTest, PieceThatBeginsWithNulEndsTheCarriedState) {
  normalise(std::string(145, ' ') + "x = 'a");
  normalise(std::string("\0'", 2), true);
  normalise("b'\n", true);
  EXPECT_EQ(quotes(), "  \n");  // the quote opens a literal: nothing was carried
}

TEST_F(NormaliseTest, TabsAreMarkedInBothMasks) {
  normalise("\t \tx = 1\n");
  EXPECT_EQ(ws.normalisation.first_nonblank, 3u);
  EXPECT_EQ(quotes(), "\t \t     \n");
  EXPECT_EQ(taken(), "\t \t     \n");
}

TEST_F(NormaliseTest, BlockCommentMarkerMakesEveryLaterLineAComment) {
  normalise("x = 1 /* note\n");
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerOrdinary);
  EXPECT_EQ(ws.normalisation.taken_mask[8], ' ');  // no comment columns from "/*" itself
  normalise(" y = 2 ! z\n");
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment);
  EXPECT_EQ(ws.normalisation.taken_mask[8], ' ');  // and no later comment tests either
  normalise("call s\n");
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment);
  EXPECT_EQ(ws.normalisation.taken_mask[1], ' ');
}

TEST_F(NormaliseTest, BlockCommentMarkerInsideALiteralCountsToo) {
  normalise("s = '/*'\n");
  normalise("x = 1\n");
  EXPECT_EQ(ws.normalisation.line_flag, kMarkerComment);
}

TEST_F(NormaliseTest, ContinuedLiteralIsReopenedOnTheNextLine) {
  normalise("s = 'abc &\n");
  EXPECT_EQ(ws.normalisation.string_carry, '\'');
  normalise("  & def' // t\n");
  EXPECT_EQ(quotes(), "  '''''      \n");
  EXPECT_EQ(ws.normalisation.string_carry, ' ');
}

TEST_F(NormaliseTest, AmpersandInsideLiteralBeforeMoreTextCarriesNothing) {
  normalise("s = 'a & b' &\n");
  EXPECT_EQ(ws.normalisation.string_carry, ' ');
  normalise("  & call f(x)\n");
  EXPECT_EQ(quotes(), "             \n");
}

TEST_F(NormaliseTest, ContinuedStatementAfterAContinuedLiteralKeepsItsKeywords) {
  feed("  s = 'abc &\n  & def'\n  call f(a, &\n  & b)\n");
  // The CALL is found and the continuation's leading "&" opens no literal.
  const std::vector<std::uint32_t> kinds = record_kinds();
  EXPECT_NE(std::find(kinds.begin(), kinds.end(), 50u), kinds.end());
  EXPECT_EQ(quotes(), "      \n");
  EXPECT_EQ(matched_rows(), (std::vector<std::uint32_t>{kRowAmpersand, kRowCloseParen}));
}

}  // namespace

// ---- The run-wise normalisation agrees with the column-by-column one -----------

namespace {

class NormaliserAgreementTest : public ConversionTest {
 protected:
  struct Result {
    std::string quotes, taken;
    std::uint32_t first, last, end;
    char flag, comment_carry, block_comment, string_carry;
    PieceState cut;
    bool operator==(const Result& o) const {
      return quotes == o.quotes && taken == o.taken && first == o.first && last == o.last && end == o.end &&
             flag == o.flag && comment_carry == o.comment_carry && block_comment == o.block_comment &&
             string_carry == o.string_carry && cut.in_double == o.cut.in_double &&
             cut.in_single == o.cut.in_single && cut.in_comment == o.cut.in_comment;
    }
  };

  static Result result() {
    const NormalisationPart& n = ws.normalisation;
    return Result{std::string(n.quote_mask, n.line_end + 2), std::string(n.taken_mask, n.line_end + 2),
                  n.first_nonblank, n.last_nonblank, n.line_end, n.line_flag, n.comment_carry, n.block_comment,
                  n.string_carry, n.cut_state};
  }

  void expect_agreement_on(const std::string& text) {
    for (const SourcePiece& piece : read_pieces(text)) {
      load_piece(piece);
      lower_line();
      const NormalisationPart before = ws.normalisation;
      normalise_line_column_by_column();
      const Result reference = result();
      ws.normalisation = before;
      normalise_line();
      EXPECT_TRUE(result() == reference) << "piece: " << piece.text;
      ++pieces_;
    }
  }

  int pieces_ = 0;
};

TEST_F(NormaliserAgreementTest, OnEveryPieceOfTheSamples) {
  for (const char* folder : {"examples", "tests/golden"}) {
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(KMT_SOURCE_DIR) / folder)) {
      if (entry.path().extension() != ".f90") continue;
      std::ifstream file(entry.path(), std::ios::binary);
      expect_agreement_on(std::string(std::istreambuf_iterator<char>(file), {}));
    }
  }
  EXPECT_GT(pieces_, 100);
}

// Lines of the characters that change state, long enough to be cut into
// pieces, with comments, literals, continuations and "/*" in the mix.
TEST_F(NormaliserAgreementTest, OnGeneratedLines) {
  static const char* const kPieces[] = {"x", "call", " ", "  ", "\t", "'", "\"", "\\", "&", "!", "*", "/", "/*",
                                        "c", "d", "if", "=", "\x84\x9f", "\xff", "ab", "&\n", "\n", "\n  &"};
  std::mt19937 random(2024);
  for (int source = 0; source < 400; ++source) {
    std::string text;
    const int pieces = static_cast<int>(random() % 200);
    for (int p = 0; p < pieces; ++p) text += kPieces[random() % std::size(kPieces)];
    if (random() % 4 == 0) text += std::string(140 + random() % 40, 'y');
    expect_agreement_on(text);
    ws.normalisation.comment_carry = kMarkerOrdinary;  // a "/*" would end the test's interest
    ws.normalisation.block_comment = kMaskFree;
  }
}

}  // namespace
