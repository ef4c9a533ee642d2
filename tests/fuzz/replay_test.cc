// Replays every input kept in tests/fuzz/regressions/ through the whole
// conversion in memory, as the fuzz targets run it: each must end normally or
// with its message, identically on a second run.  The sanitized build catches
// the memory faults these inputs once provoked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver/workspace.h"
#include "tests/fuzz/memory_conversion.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> regression_inputs() {
  std::vector<fs::path> inputs;
  for (const fs::directory_entry& entry : fs::directory_iterator(KMT_REGRESSION_DIR)) {
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.' &&
        entry.path().filename() != "README.md") inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::string read_bytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class FuzzRegression : public ::testing::TestWithParam<fs::path> {};

TEST_P(FuzzRegression, EndsNormallyOrWithItsMessageAndRepeats) {
  EXPECT_EQ(conversion_fault(read_bytes(GetParam())), "");
}

std::string test_name(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.stem().string();
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzRegression, ::testing::ValuesIn(regression_inputs()), test_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzRegression);

// The harness itself: a limit still ends in its message and an empty chart
// when one process converts many sources, and a source converted after it is
// unaffected by what the failed run left behind.
TEST(MemoryConversion, FatalRunLeavesNothingBehindForTheNext) {
  const std::string plain = "program p\nx = 1\nend program p\n";
  const ConversionOutcome before = convert_in_memory(plain);
  std::string deep = "subroutine s\n";
  for (int i = 0; i < 41; ++i) deep += "  do\n";  // one loop more than may stay open
  const ConversionOutcome fatal = convert_in_memory(deep);
  EXPECT_TRUE(fatal.ended_fatally);
  EXPECT_TRUE(fatal.chart.empty());
  EXPECT_EQ(outcome_fault(fatal), "");
  EXPECT_EQ(convert_in_memory(plain), before);
  EXPECT_FALSE(before.ended_fatally);
  EXPECT_FALSE(before.chart.empty());
}

// The fuzz targets never see a source longer than the reader's buffer, so
// the buffer's edge gets its own check: a CR LF pair split by a refill reads
// as one line end, as it does anywhere else.
TEST(MemoryConversion, LineEndSplitByTheReadBufferIsOneLineEnd) {
  std::string lead = "program p\n";
  while (lead.size() + 20 < kReadBufferCapacity) lead += "x = 1\n";
  lead += "call t";
  lead += std::string(kReadBufferCapacity - 1 - lead.size(), ' ');  // CR is the buffer's last byte
  const std::string tail = "call s\nend program p\n";
  const ConversionOutcome split = convert_in_memory(lead + "\r\n" + tail);
  const ConversionOutcome plain = convert_in_memory(lead + "\n" + tail);
  EXPECT_FALSE(split.ended_fatally);
  EXPECT_EQ(split, plain);
}

TEST(MemoryConversion, FaultsInAnOutcomeAreNamed) {
  ConversionOutcome silent_fatal;
  silent_fatal.ended_fatally = true;
  EXPECT_EQ(outcome_fault(silent_fatal), "fatal exit without a fatal message");
  ConversionOutcome stray;
  stray.messages = {"Caution: nonsense"};
  EXPECT_EQ(outcome_fault(stray), "unknown message: Caution: nonsense");
}

}  // namespace

// The checks of the views find what they are there to find.
TEST(MemoryConversion, ViewFaultsAreNamed) {
  EXPECT_EQ(utf8_fault("a\xE6\x97\xA5"), "");
  EXPECT_NE(utf8_fault("a\xE6\x97"), "");
  EXPECT_NE(utf8_fault("\xC0\xAF"), "");
  EXPECT_NE(utf8_fault("\xED\xA0\x80"), "");
  const std::string good = "<html><body><div class=\"r\"><span class=\"t c2\">x &lt; y</span></div></body></html>";
  EXPECT_EQ(html_fault(good), "");
  EXPECT_NE(html_fault("<html><body><div>x < y</div></body></html>"), "");
  EXPECT_NE(html_fault("<html><body><div>x > y</div></body></html>"), "");
  EXPECT_NE(html_fault("<html><body><div><script>x</script></div></body></html>"), "");
  EXPECT_NE(html_fault("<html><body><div></span></div></body></html>"), "");
  EXPECT_NE(html_fault("<html><body><div>"), "");
}

// Markup and invalid bytes reach both views as text.
TEST(MemoryConversion, ViewsOfAHostileSourceAreSound) {
  const std::string source = "program p\n  print *, \"</div><script>x</script>\xFF\"\nend program p\n";
  const ConversionOutcome page = convert_in_memory(source, 0, {ChartFormat::kHtml, SourceEncoding::kDetect, AmbiguousWidth::kNarrow});
  EXPECT_EQ(html_fault(page.chart), "");
  EXPECT_NE(page.chart.find("&lt;/div&gt;&lt;script&gt;x&lt;/script&gt;\xEF\xBF\xBD"), std::string::npos);
  const ConversionOutcome text = convert_in_memory(source, 0, {ChartFormat::kUtf8, SourceEncoding::kDetect, AmbiguousWidth::kNarrow});
  EXPECT_EQ(utf8_fault(text.chart), "");
  // The chart itself keeps the source's bytes.
  EXPECT_NE(convert_in_memory(source).chart.find("</div><script>x</script>\xFF"), std::string::npos);
}
