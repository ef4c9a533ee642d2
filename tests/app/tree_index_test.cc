// The index pages, the progress line and the choice of sources by name.
#include <gtest/gtest.h>

#include <string>

#include "app/tree_index.h"
#include "app/tree_progress.h"
#include "app/tree_walk.h"

namespace {

std::string hex(const std::array<std::uint8_t, 32>& digest) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (const std::uint8_t byte : digest) out += std::string{kHex[byte >> 4], kHex[byte & 15]};
  return out;
}

std::string base64_of(const std::string& text) {
  return base64(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

TEST(PolicyHash, Sha256AndBase64OfKnownValues) {
  EXPECT_EQ(hex(sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(hex(sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(hex(sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(hex(sha256(std::string(1000, 'a'))), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
  EXPECT_EQ(base64_of(""), "");
  EXPECT_EQ(base64_of("f"), "Zg==");
  EXPECT_EQ(base64_of("fo"), "Zm8=");
  EXPECT_EQ(base64_of("foo"), "Zm9v");
  EXPECT_EQ(base64_of("\xff\xfe\xfd\xfc"), "//79/A==");
}

TEST(IndexHtml, EscapesTextAndPaths) {
  EXPECT_EQ(html_escaped("<a href='x'>\"&amp;\""), "&lt;a href=&#39;x&#39;&gt;&quot;&amp;amp;&quot;");
  EXPECT_EQ(html_escaped("日本.f90"), "日本.f90");
  // Shift-JIS, a lone continuation byte, an overlong slash and a surrogate: none is UTF-8.
  EXPECT_EQ(html_escaped("\x93\xfa"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(html_escaped("a\x80" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(html_escaped("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(html_escaped("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(html_escaped("\xE6\x97"), "\xEF\xBF\xBD\xEF\xBF\xBD");  // cut short at the end
  EXPECT_EQ(url_path("sub/a b#1?.f90.html"), "./sub/a%20b%231%3F.f90.html");
  EXPECT_EQ(url_path("javascript:x"), "./javascript%3Ax");
  EXPECT_EQ(url_path("\"><"), "./%22%3E%3C");
  EXPECT_EQ(url_path("日"), "./%E6%97%A5");
}

std::string between(const std::string& text, const std::string& open, const std::string& close) {
  const std::size_t start = text.find(open);
  if (start == std::string::npos) return "";
  const std::size_t end = text.find(close, start + open.size());
  return end == std::string::npos ? "" : text.substr(start + open.size(), end - start - open.size());
}

std::string policy_hash(const std::string& text) {
  const std::array<std::uint8_t, 32> digest = sha256(text);
  return "'sha256-" + base64(digest.data(), digest.size()) + "'";
}

std::vector<IndexEntry> some_entries() {
  return {IndexEntry{"a/x.f90.txt", "src/a/x.f90", true, 0, {"program main", "subroutine s"}},
          IndexEntry{"b\tc/<y>.f90.txt", "src/b\tc/<y>.f90", true, 3, {}},
          IndexEntry{"z.f.txt", "src/z.f", false, 1, {}}};
}

TEST(IndexHtml, PolicyLetsOnlyThePagesOwnScriptAndStyleRun) {
  const std::string page = index_html(some_entries());
  const std::string policy = between(page, "Content-Security-Policy\" content=\"", "\"");
  EXPECT_NE(policy.find("default-src 'none'"), std::string::npos);
  EXPECT_NE(policy.find("script-src " + policy_hash(between(page, "<script>", "</script>")) + ";"), std::string::npos)
      << policy;
  EXPECT_NE(policy.find("style-src " + policy_hash(between(page, "<style>", "</style>"))), std::string::npos) << policy;
  EXPECT_EQ(policy.find("unsafe"), std::string::npos);
  // Nothing is fetched: no address of any other place.
  EXPECT_EQ(page.find("http:"), std::string::npos);
  EXPECT_EQ(page.find("https:"), std::string::npos);
  EXPECT_EQ(page.find("src="), std::string::npos);
}

TEST(IndexHtml, ListsEveryChartReadableWithoutScript) {
  const std::string page = index_html(some_entries());
  EXPECT_NE(page.find("<p>3 sources, 2 charts written, 1 with warnings, 1 failed</p>"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"./a/x.f90.txt\">a/x.f90.txt</a></td><td>written</td>"
                      "<td class=\"n\" data-n=\"0\">0</td><td>program main; subroutine s</td>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<a href=\"./b%09c/%3Cy%3E.f90.txt\">b\tc/&lt;y&gt;.f90.txt</a>"), std::string::npos);
  // A failed chart is listed, with no link to an empty file.
  EXPECT_NE(page.find("<tr class=\"failed\"><td>z.f.txt</td><td>failed</td>"), std::string::npos);
  EXPECT_EQ(page.find("<y>"), std::string::npos);
  // The sorting and filtering controls stay hidden until the script shows them.
  EXPECT_NE(page.find("<p id=\"controls\" hidden>"), std::string::npos);
}

TEST(IndexText, OneLinePerChartWithEscapedFields) {
  EXPECT_EQ(index_text(some_entries()),
            "# 3 sources, 2 charts written, 1 with warnings, 1 failed\n"
            "chart\tstatus\twarnings\tunits\tsource\n"
            "a/x.f90.txt\twritten\t0\tprogram main; subroutine s\tsrc/a/x.f90\n"
            "b\\tc/<y>.f90.txt\twritten\t3\t\tsrc/b\\tc/<y>.f90\n"
            "z.f.txt\tfailed\t1\t\tsrc/z.f\n");
  EXPECT_EQ(index_text({IndexEntry{"a\nb\\.f.txt", "a\nb\\.f", true, 0, {}}}),
            "# 1 source, 1 chart written, 0 with warnings, 0 failed\nchart\tstatus\twarnings\tunits\tsource\n"
            "a\\nb\\\\.f.txt\twritten\t0\t\ta\\nb\\\\.f\n");
}

TEST(TreeWalk, FortranSourcesByTheirNames) {
  for (const char* name : {"a.f90", "a.F90", "a.f95", "a.f03", "a.F08", "a.f", "a.F", "a.for", "a.FOR", "a.ftn",
                           "x.y.f", ".hidden.f90"}) {
    EXPECT_TRUE(is_fortran_name(name)) << name;
  }
  for (const char* name : {"a.f77x", "a.c", "f90", ".f90", "a.f9", "a.fo", "a.txt", "af", "a.f90.txt", "a."}) {
    EXPECT_FALSE(is_fortran_name(name)) << name;
  }
  EXPECT_EQ(join_path("a", "b"), "a/b");
  EXPECT_EQ(join_path("a/", "b"), "a/b");
  EXPECT_EQ(join_path("/", "b"), "/b");
}

TEST(TreeProgressLine, FilesRateTimeLeftAndTheCurrentFileInTheWidth) {
  EXPECT_EQ(TreeProgress::line(0, 10, 0.0, "src/a.f90", 80), "0/10 files  src/a.f90");
  EXPECT_EQ(TreeProgress::line(5, 10, 2.0, "src/a.f90", 80), "5/10 files, 2/s, 0:02 left  src/a.f90");
  EXPECT_EQ(TreeProgress::line(100, 4000, 10.0, "x", 80), "100/4000 files, 10/s, 6:30 left  x");
  // Never as wide as the terminal (that would wrap), never cut inside a character.
  const std::string cut = TreeProgress::line(1, 2, 1.0, "日本語日本語", 30);
  EXPECT_LT(cut.size(), 30u);
  EXPECT_EQ(cut, "1/2 files, 1/s, 0:01 left  ");
  EXPECT_EQ(TreeProgress::line(1, 2, 1.0, "日本語日本語", 31), "1/2 files, 1/s, 0:01 left  日");
}

}  // namespace
