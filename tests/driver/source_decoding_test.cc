// Decoding and measuring statement text for the views.
#include "driver/source_decoding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <cstring>
#include <string>

#include "driver/view_pieces.h"
#include "driver/workspace.h"

namespace {

class DecodingTest : public ::testing::Test {
 protected:
  void SetUp() override { ws.decoding = DecodingPart{}; ws.run.view = ViewSettings{}; }
  void TearDown() override { ws.decoding = DecodingPart{}; ws.run.view = ViewSettings{}; }

  // Notes the bytes cut into reads of `chunk` bytes, then decides.
  bool detected_utf8(const std::string& bytes, std::size_t chunk) {
    ws.decoding = DecodingPart{};
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
      const std::string part = bytes.substr(at, chunk);
      note_source_bytes(reinterpret_cast<const unsigned char*>(part.data()), part.size());
    }
    decide_source_encoding();
    return ws.decoding.text_is_utf8;
  }

  std::u32string decoded(const std::string& bytes, bool utf8) {
    ws.decoding.text_is_utf8 = utf8;
    std::u32string text;
    for (std::size_t at = 0; at < bytes.size();) {
      const DecodedCharacter c = decode_character(bytes.data() + at, bytes.size() - at);
      text += c.code_point;
      at += c.length;
    }
    return text;
  }
};

TEST_F(DecodingTest, DetectionSeesSequencesAcrossReads) {
  const std::string japanese = "x = '日本語'\n";  // UTF-8
  for (std::size_t chunk : {1u, 2u, 5u, 64u}) {
    EXPECT_TRUE(detected_utf8(japanese, chunk)) << chunk;
    // A lone lead, an overlong form, a surrogate, a cut-off end: no UTF-8.
    EXPECT_FALSE(detected_utf8("a\xE6 b", chunk)) << chunk;
    EXPECT_FALSE(detected_utf8("\xC0\xAF", chunk)) << chunk;
    EXPECT_FALSE(detected_utf8("\xED\xA0\x80", chunk)) << chunk;
    EXPECT_FALSE(detected_utf8("ok \xE6\x97", chunk)) << chunk;
    EXPECT_FALSE(detected_utf8("\x93\xFA\x96\x7B", chunk)) << chunk;  // 日本 in CP932
  }
  // Pure ASCII is read as CP932 (the two agree on it).
  EXPECT_FALSE(detected_utf8("print *, 'x'\n", 3));
}

TEST_F(DecodingTest, GivenEncodingOverridesDetection) {
  ws.run.view.source_encoding = SourceEncoding::kCp932;
  EXPECT_FALSE(detected_utf8("日本", 4));
  ws.run.view.source_encoding = SourceEncoding::kUtf8;
  EXPECT_TRUE(detected_utf8("\x93\xFA", 4));
}

TEST_F(DecodingTest, Cp932Characters) {
  EXPECT_EQ(decoded("\x93\xFA\x96\x7B", false), U"日本");
  EXPECT_EQ(decoded("\xB1\xDF", false), U"ｱﾟ");       // half-width katakana, one byte each
  EXPECT_EQ(decoded("\x87\x40\x81\x60", false), U"①～");  // NEC row 13, the wave dash as Windows maps it
  EXPECT_EQ(decoded("\x80\xA0\xFD", false), U"\uFFFD\uFFFD\uFFFD");
  // A lead byte without a valid trail stands for itself alone.
  EXPECT_EQ(decoded("\x81 a", false), U"\uFFFD a");
  EXPECT_EQ(decoded("\x81" "a", false), U"∥");  // ASCII letters are trail bytes too
  EXPECT_EQ(decoded("\x81", false), U"\uFFFD");
}

TEST_F(DecodingTest, Utf8CharactersAndInvalidBytes) {
  EXPECT_EQ(decoded("a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80", true), U"aé日😀");
  EXPECT_EQ(decoded("\xE6\x97", true), U"\uFFFD\uFFFD");
  EXPECT_EQ(decoded("\xE6\x97" "a", true), U"\uFFFD\uFFFDa");
  EXPECT_EQ(decoded("\xC0\xAF\xF5", true), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(decoded("\xED\xA0\x80", true), U"\uFFFD\uFFFD\uFFFD");  // a surrogate
  EXPECT_EQ(decoded("\xF4\x90\x80\x80", true), U"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
}

TEST_F(DecodingTest, ControlsAndReorderingCharactersAreShownHarmlessly) {
  EXPECT_EQ(decoded("\t\x1B\x7F", true), U" ␛␡");
  EXPECT_EQ(decoded("\xC2\x85", true), U"\uFFFD");          // a C1 control
  EXPECT_EQ(decoded("\xE2\x80\xAE\xEF\xBF\xBE", true), U"\uFFFD\uFFFD");  // RLO, a noncharacter
  EXPECT_EQ(decoded("\x1B", false), U"␛");
}

// The width table against the C library's, a narrow-ambiguous oracle.
TEST_F(DecodingTest, WidthsAgreeWithTheCLibrary) {
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  int disagreements = 0;
  std::u32string examples;
  for (char32_t c = 0x20; c < 0x30000; ++c) {
    if (c == 0x7F || (c >= 0x80 && c < 0xA0) || (c >= 0xD800 && c < 0xE000)) continue;
    const int expected = wcwidth(static_cast<wchar_t>(c));
    if (expected < 0) continue;  // unassigned to the C library
    if (static_cast<int>(display_width(c, false)) != expected) {
      if (++disagreements <= 10) examples += c;
    }
  }
  std::setlocale(LC_CTYPE, "C");
  // The two follow Unicode versions a little apart; the characters a
  // Fortran source holds agree.
  EXPECT_LT(disagreements, 400) << "for example U+" << std::hex << static_cast<unsigned>(examples[0]);
  for (char32_t c : {U'a', U'日', U'ｱ', U'Ａ', U'─', U'◇', U'Ω', U'①', U'\u0301'}) {
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    const int expected = wcwidth(static_cast<wchar_t>(c));
    std::setlocale(LC_CTYPE, "C");
    EXPECT_EQ(static_cast<int>(display_width(c, false)), expected) << static_cast<unsigned>(c);
  }
  // Wide: the ambiguous ones take two.
  EXPECT_EQ(display_width(U'─', true), 2u);
  EXPECT_EQ(display_width(U'Ω', true), 2u);
  EXPECT_EQ(display_width(U'a', true), 1u);
}

TEST_F(DecodingTest, ChartColumnsOfAText) {
  ws.decoding.text_is_utf8 = true;
  // What the text would take as CP932: kanji and Greek two, katakana one.
  EXPECT_EQ(text_chart_columns("日本Ωｱa", std::strlen("日本Ωｱa")), 2u + 2 + 2 + 1 + 1);
  EXPECT_EQ(text_chart_columns("\xE6\x97", 2), 2u);  // each invalid byte one
  ws.decoding.text_is_utf8 = false;
  EXPECT_EQ(text_chart_columns("\x93\xFA\xB1", 3), 3u);
}

// The views pad a glyph by the rule of glyph_is_ambiguous, not by the table.
TEST_F(DecodingTest, GlyphsOfTheTablesAreAmbiguousExactlyBelowU3000) {
  int glyphs = 0;
  for (const char32_t glyph : view_pieces::kGlyphTable) {
    if (glyph == 0) continue;
    ++glyphs;
    EXPECT_EQ(glyph_is_ambiguous(glyph), is_ambiguous_width(glyph)) << std::hex << static_cast<unsigned>(glyph);
    EXPECT_EQ(display_width(glyph, false), glyph_is_ambiguous(glyph) ? 1u : 2u);
  }
  EXPECT_GT(glyphs, 40);
}

TEST_F(DecodingTest, EncodesEveryLength) {
  char bytes[4];
  EXPECT_EQ(std::string(bytes, encode_utf8(U'a', bytes)), "a");
  EXPECT_EQ(std::string(bytes, encode_utf8(U'é', bytes)), "é");
  EXPECT_EQ(std::string(bytes, encode_utf8(U'日', bytes)), "日");
  EXPECT_EQ(std::string(bytes, encode_utf8(U'😀', bytes)), "😀");
}

}  // namespace
