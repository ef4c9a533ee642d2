// The UTF-8 and HTML views, from the outside: the program's output for every
// golden source and for sources made to break it.
//
// Columns on a terminal are measured with the C library's wcwidth in a UTF-8
// locale (ambiguous-width characters narrow), which knows nothing of the
// program's own width table.
#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/program_runner.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = KMT_PROGRAM;

std::vector<fs::path> golden_sources() {
  std::vector<fs::path> sources;
  for (const char* folder : {"examples", "tests/golden"}) {
    for (const auto& entry : fs::directory_iterator(fs::path(KMT_SOURCE_DIR) / folder)) {
      if (entry.path().extension() == ".f90") sources.push_back(entry.path());
    }
  }
  std::sort(sources.begin(), sources.end());
  return sources;
}

std::vector<std::string> split_lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
    lines.push_back(text.substr(start, at - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool is_valid_utf8(const std::string& text) {
  std::mbstate_t state{};
  const char* at = text.data();
  const char* end = at + text.size();
  while (at < end) {
    wchar_t wide;
    const std::size_t length = std::mbrtowc(&wide, at, static_cast<std::size_t>(end - at), &state);
    if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) return false;
    at += length == 0 ? 1 : length;
  }
  return true;
}

// The connector glyphs of the chart, by the column each stands at.
using Connectors = std::set<std::pair<std::size_t, std::u32string>>;

const std::map<std::string, std::u32string> kSjisConnectors = {
    {"\x84\x9F", U"─"}, {"\x84\xA0", U"│"}, {"\x84\xA2", U"┐"}, {"\x84\xA7", U"┤"}, {"\x84\xA3", U"┘"},
    {"\x81\xA9", U"←"}, {"\x84\xA1", U"┌"}, {"\x84\xA4", U"└"}, {"\x84\xA5", U"├"}, {"\x81\xAA", U"↑"}};

Connectors sjis_connectors(const std::string& line) {
  Connectors found;
  for (std::size_t column = 0; column < line.size();) {
    const auto byte = static_cast<unsigned char>(line[column]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    if (!lead) {
      ++column;
      continue;
    }
    const auto glyph = kSjisConnectors.find(line.substr(column, 2));
    if (glyph != kSjisConnectors.end()) found.insert({column, glyph->second});
    column += 2;
  }
  return found;
}

Connectors utf8_connectors(const std::string& line) {
  std::set<std::u32string> wanted;
  for (const auto& [bytes, glyph] : kSjisConnectors) wanted.insert(glyph);
  Connectors found;
  std::mbstate_t state{};
  std::size_t column = 0;
  for (const char* at = line.data(); at < line.data() + line.size();) {
    wchar_t wide;
    const std::size_t length = std::mbrtowc(&wide, at, line.size() - static_cast<std::size_t>(at - line.data()), &state);
    if (length == 0 || length > 4) return {{0, U"invalid UTF-8"}};
    const std::u32string glyph(1, static_cast<char32_t>(wide));
    if (wanted.count(glyph) != 0) found.insert({column, glyph});
    const int width = wcwidth(wide);
    column += width < 0 ? 0 : static_cast<std::size_t>(width);
    at += length;
  }
  return found;
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr); }
  void TearDown() override { std::setlocale(LC_CTYPE, "C"); }

  std::string convert(const std::string& source, const std::vector<std::string>& options, int expected_status = 0) {
    std::vector<std::string> args = options;
    args.push_back(source);
    args.push_back(dir_.path("view.out"));
    const ProgramResult r = run_program(kProgram, args);
    EXPECT_EQ(r.status, expected_status) << source << ": " << r.err;
    return read_file(dir_.path("view.out"));
  }
  std::string convert_text(const std::string& bytes, const std::vector<std::string>& options) {
    return convert(dir_.write("source.f90", bytes), options);
  }

  ScratchDirectory dir_;
};

// The chart's exit statuses: a source that ends in a fatal message writes no view.
int expected_status(const fs::path& source) {
  const std::string sjis_dir = source.parent_path().string();
  const ProgramResult r = run_program(kProgram, {source.string(), "/dev/null"});
  return r.status;
}

// ---- utf8 -------------------------------------------------------------------------------

TEST_F(ViewTest, Utf8ConnectorsStandInTheirChartColumnsOnANarrowTerminal) {
  for (const fs::path& source : golden_sources()) {
    const int status = expected_status(source);
    if (status != 0) continue;
    const std::vector<std::string> chart = split_lines(convert(source.string(), {}), "\r\n");
    const std::string view = convert(source.string(), {"--format=utf8"});
    ASSERT_TRUE(is_valid_utf8(view)) << source;
    const std::vector<std::string> lines = split_lines(view, "\n");
    ASSERT_EQ(lines.size(), chart.size()) << source;
    for (std::size_t i = 0; i < chart.size(); ++i) {
      const Connectors expected = sjis_connectors(chart[i]);
      Connectors shown = utf8_connectors(lines[i]);
      // A narrow box glyph is followed by "─" where its stroke runs on; those
      // stand at the odd columns between the chart's glyphs.
      for (const auto& glyph : expected) {
        EXPECT_EQ(shown.erase(glyph), 1u) << source << " line " << i + 1 << " column " << glyph.first << "\n"
                                          << lines[i];
      }
      for (const auto& [column, glyph] : shown) {
        EXPECT_EQ(glyph, U"─") << source << " line " << i + 1 << " column " << column;
      }
    }
  }
}

// The view shows a tab as a blank and other control characters as their
// pictures, so that none of them reaches the terminal.
std::string with_controls_shown(const std::string& text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\t') {
      shown += ' ';
    } else if ((byte < 0x20 && c != '\n') || byte == 0x7F) {
      const char32_t picture = byte == 0x7F ? 0x2421 : 0x2400 + byte;
      shown += static_cast<char>(0xE0 | (picture >> 12));
      shown += static_cast<char>(0x80 | ((picture >> 6) & 0x3F));
      shown += static_cast<char>(0x80 | (picture & 0x3F));
    } else {
      shown += c;
    }
  }
  return shown;
}

TEST_F(ViewTest, Utf8WideIsTheShiftJisChartDecoded) {
  for (const fs::path& source : golden_sources()) {
    if (expected_status(source) != 0) continue;
    const std::string chart = convert(source.string(), {});
    const ProgramResult decoded = run_program("/usr/bin/iconv", {"-f", "CP932", "-t", "UTF-8"}, "", chart);
    if (decoded.status != 0) continue;  // a source whose bytes are no CP932
    const std::string view = convert(source.string(), {"-f", "utf8", "--ambiguous", "wide"});
    EXPECT_EQ(view, with_controls_shown(std::regex_replace(decoded.out, std::regex("\r\n"), "\n"))) << source;
  }
}

// The same program with Japanese in its strings and captions that a narrow
// terminal shows narrow (Greek, circled numbers) and half-width katakana.
const std::string kJapaneseUtf8 =
    "program p\n"
    "  if (x > 0) then\n"
    "    print *, \"日本語のテキスト\"\n"
    "  else\n"
    "    print *, \"ｶﾀｶﾅ①ΩＡ\"  ! 注釈\n"
    "  end if\n"
    "end program p\n";

std::string as_cp932(const std::string& utf8) {
  const ProgramResult r = run_program("/usr/bin/iconv", {"-f", "UTF-8", "-t", "CP932"}, "", utf8);
  EXPECT_EQ(r.status, 0);
  return r.out;
}

TEST_F(ViewTest, Utf8AndCp932SourcesGiveOneChart) {
  const std::string from_utf8 = convert_text(kJapaneseUtf8, {"-f", "utf8"});
  const std::string from_cp932 = convert_text(as_cp932(kJapaneseUtf8), {"-f", "utf8"});
  EXPECT_EQ(from_utf8, from_cp932);
  EXPECT_NE(from_utf8.find("\"日本語のテキスト\""), std::string::npos) << from_utf8;
  // The bracket right of the kanji stands where it stands right of ASCII text.
  const std::vector<std::string> lines = split_lines(from_utf8, "\n");
  const std::vector<std::string> chart = split_lines(convert_text(as_cp932(kJapaneseUtf8), {}), "\r\n");
  ASSERT_EQ(lines.size(), chart.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const auto& glyph : sjis_connectors(chart[i])) {
      EXPECT_EQ(utf8_connectors(lines[i]).count(glyph), 1u) << lines[i];
    }
  }
  // Both ways of naming the encoding agree with detection.
  EXPECT_EQ(convert_text(kJapaneseUtf8, {"-f", "utf8", "--source-encoding", "utf-8"}), from_utf8);
  EXPECT_EQ(convert_text(as_cp932(kJapaneseUtf8), {"-f", "utf8", "--source-encoding=cp932"}), from_utf8);
}

TEST_F(ViewTest, BytesOfNeitherEncodingShowAsReplacementCharacters) {
  // 0xFF is no CP932 lead and no UTF-8 byte; 0x81 0x20 is a lead without its trail.
  const std::string view = convert_text("program p\n  x = \"\xFF\x81 \"\nend program p\n", {"-f", "utf8"});
  ASSERT_TRUE(is_valid_utf8(view));
  EXPECT_NE(view.find("x = \"\xEF\xBF\xBD\xEF\xBF\xBD \""), std::string::npos) << view;
  // Invalid UTF-8 in an otherwise UTF-8 source: it is read as CP932 then.
  const std::string cut = convert_text("program p\n  x = \"日\xE6\x9C\"\nend program p\n", {"-f", "utf8", "--source-encoding=utf-8"});
  ASSERT_TRUE(is_valid_utf8(cut));
  EXPECT_NE(cut.find("\"日\xEF\xBF\xBD\xEF\xBF\xBD\""), std::string::npos) << cut;
}

// On a terminal that shows U+FFFD wide, the blanks after it give way, so the
// bracket right of it keeps its column.
TEST_F(ViewTest, WideReplacementCharacterTakesItsColumnFromTheBlanksAfterIt) {
  const std::string source = "program p\n  if (x > 0) then\n    y = 1\n  else\n    s = \"\xFF\"\n  end if\nend program p\n";
  const std::string chart = convert_text(source, {});
  ASSERT_NE(chart.find("s = \"\xFF\"   \x84\xA0"), std::string::npos) << chart;  // three blanks, then "│"
  const std::string narrow = convert_text(source, {"-f", "utf8"});
  EXPECT_NE(narrow.find("s = \"\uFFFD\"   │"), std::string::npos) << narrow;
  const std::string wide = convert_text(source, {"-f", "utf8", "--ambiguous=wide", "--source-encoding=cp932"});
  EXPECT_NE(wide.find("s = \"\uFFFD\"  │"), std::string::npos) << wide;
}

TEST_F(ViewTest, ControlCharactersNeverReachTheTerminal) {
  // An escape sequence in a string would change a terminal's state.
  const std::string view = convert_text("program p\n  x = \"\x1B[31m\tred\x7F\"\nend program p\n", {"-f", "utf8"});
  EXPECT_EQ(view.find('\x1B'), std::string::npos);
  EXPECT_EQ(view.find('\t'), std::string::npos);
  EXPECT_NE(view.find("x = \"␛[31m red␡\""), std::string::npos) << view;
  // Bidirectional overrides would reorder the rest of the line.
  const std::string bidi = convert_text("program p\n  x = \"a\u202Eb\"\nend program p\n", {"-f", "utf8"});
  EXPECT_EQ(bidi.find("\u202E"), std::string::npos);
  EXPECT_NE(bidi.find("\"a\uFFFDb\""), std::string::npos) << bidi;
}

TEST_F(ViewTest, Utf8HasLineFeedsOnly) {
  const std::string view = convert((fs::path(KMT_SOURCE_DIR) / "examples" / "sample.f90").string(), {"-f", "utf8"});
  EXPECT_EQ(view.find('\r'), std::string::npos);
  EXPECT_FALSE(view.empty());
  EXPECT_EQ(view.back(), '\n');
}

// ---- html -------------------------------------------------------------------------------

// Checks that tags nest, every attribute value is quoted (or a bare word)
// and holds no markup, and no character of markup stands loose in the text.  Returns what
// is wrong, or "".
std::string markup_problem(const std::string& page) {
  static const std::set<std::string> kVoid = {"meta", "br", "link", "img", "!DOCTYPE"};
  std::vector<std::string> open;
  // Attribute values are quoted, or a bare word (the glyphs' classes).
  const std::regex tag(R"(^<(/?)([A-Za-z!][A-Za-z0-9]*)((?:\s+[a-z-]+(?:="[^"<>]*"|=[a-z0-9]+)?)*)\s*>)");
  std::size_t at = 0;
  bool in_style = false;
  while (at < page.size()) {
    const std::size_t lt = page.find('<', at);
    const std::string text = page.substr(at, lt == std::string::npos ? std::string::npos : lt - at);
    if (!in_style && text.find('>') != std::string::npos) return "a loose '>' in: " + text.substr(0, 80);
    if (lt == std::string::npos) break;
    std::smatch match;
    const std::string rest = page.substr(lt, 600);
    if (in_style) {
      if (rest.rfind("</style>", 0) != 0) {
        at = lt + 1;
        continue;
      }
    }
    if (!std::regex_search(rest, match, tag)) return "a loose '<' at: " + rest.substr(0, 80);
    const std::string name = match[2];
    if (match[1] == "/") {
      if (open.empty() || open.back() != name) return "</" + name + "> closes " + (open.empty() ? "nothing" : open.back());
      open.pop_back();
      in_style = false;
    } else if (kVoid.count(name) == 0) {
      open.push_back(name);
      in_style = name == "style";
    }
    at = lt + static_cast<std::size_t>(match.length(0));
  }
  if (!open.empty()) return "<" + open.back() + "> is never closed";
  return "";
}

TEST_F(ViewTest, HtmlOfEveryGoldenSourceIsWellFormedUtf8) {
  for (const fs::path& source : golden_sources()) {
    if (expected_status(source) != 0) continue;
    const std::string page = convert(source.string(), {"--format=html"});
    EXPECT_TRUE(is_valid_utf8(page)) << source;
    EXPECT_EQ(markup_problem(page), "") << source;
    EXPECT_NE(page.find("<title>" + source.filename().string() + " "), std::string::npos) << source;
    // Every link is to a row of the page.
    const std::regex link("href=\"#(r[0-9]+)\"");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), link); it != std::sregex_iterator(); ++it) {
      EXPECT_NE(page.find("id=\"" + (*it)[1].str() + "\""), std::string::npos) << source << " " << (*it)[0];
    }
    // Nothing is loaded: no source attribute, no address, no style import.
    EXPECT_EQ(page.find("src="), std::string::npos) << source;
    EXPECT_EQ(page.find("://"), std::string::npos) << source;
    EXPECT_EQ(page.find("@import"), std::string::npos) << source;
    EXPECT_NE(page.find("Content-Security-Policy\" content=\"default-src 'none'; script-src 'none';"), std::string::npos);
  }
}

TEST_F(ViewTest, HostileSourceAppearsAsTextOnly) {
  std::string hostile =
      "program p\n"
      "  print *, \"<script>alert(1)</script>\"\n"
      "  print *, '</pre></div></main><b onclick=\"x\">&amp;&lt;'\n"
      "  s = 'it''s \"quoted\"' // char(0)\n"
      "  t = '";
  hostile += std::string("\0\xFF\xE6\x9C<\xC0\xAF>", 9);
  hostile += "'\n  u = '" + std::string(10000, '<') + "'\nend program p\n";
  const std::string page = convert_text(hostile, {"-f", "html"});
  EXPECT_TRUE(is_valid_utf8(page));
  EXPECT_EQ(markup_problem(page), "");
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<b onclick"), std::string::npos);
  EXPECT_EQ(page.find("</pre>"), std::string::npos);
  EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(page.find("&lt;/pre&gt;&lt;/div&gt;&lt;/main&gt;&lt;b onclick=&quot;x&quot;&gt;&amp;amp;&amp;lt;"),
            std::string::npos);
  EXPECT_NE(page.find("it&#39;&#39;s &quot;quoted&quot;"), std::string::npos);
  EXPECT_EQ(page.find('\0'), std::string::npos);
  EXPECT_NE(page.find("&lt;&lt;&lt;&lt;"), std::string::npos);
}

TEST_F(ViewTest, HtmlMarksWarnedRowsAndLinksUnits) {
  const std::string source =
      "subroutine s\n"
      "  x = 1   " + std::string(150, 'y') + "\n"
      "end subroutine s\n"
      "program p\n  call s\nend program p\n";
  const ProgramResult r = run_program(kProgram, {"-f", "html", dir_.write("w.f90", source), dir_.path("w.html")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string page = read_file(dir_.path("w.html"));
  EXPECT_NE(page.find("Caution: the line is longer than 149 characters"), std::string::npos);
  EXPECT_TRUE(std::regex_search(page, std::regex("<p class=\"w\" id=\"r[0-9]+\"><u>2</u>")));
  EXPECT_TRUE(std::regex_search(page, std::regex("<li><a href=\"#r0\">subroutine s</a>")));
  EXPECT_TRUE(std::regex_search(page, std::regex("<li><a href=\"#r[0-9]+\">program p</a>")));
  EXPECT_TRUE(std::regex_search(page, std::regex("<p class=\"unit\" id=\"r0\"><u>1</u>")));
  // Captions carry their role, told by shape as well as colour.
  EXPECT_NE(page.find("<b class=\"k call "), std::string::npos);
  EXPECT_NE(page.find("<b class=\"k asg "), std::string::npos);
  EXPECT_NE(page.find("@media print"), std::string::npos);
}

TEST_F(ViewTest, HtmlTitleOfAStrangeFileName) {
  const std::string name = "a<b>&\"c\".f90";
  const ProgramResult r = run_program(kProgram, {"-f", "html", dir_.write(name, "end\n"), dir_.path("t.html")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string page = read_file(dir_.path("t.html"));
  EXPECT_NE(page.find("<title>a&lt;b&gt;&amp;&quot;c&quot;.f90 "), std::string::npos);
  EXPECT_EQ(markup_problem(page), "");
}

}  // namespace
