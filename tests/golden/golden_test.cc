// Golden charts: every Fortran source in examples/ and tests/golden/ beside
// the chart it must produce.
//
// The first line of a source names the editions it is checked with:
//   ! expect: both              -> <name>.txt for both editions
//   ! expect: sorvane meridol   -> <name>.sorvane.txt and <name>.meridol.txt
// A <name>.err (or <name>.<edition>.err) file holds the messages expected on
// standard error; without one none are expected.  The run must exit 1 when
// the last message is fatal and 0 otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/edition.h"
#include "tests/support/program_runner.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = KMT_PROGRAM;
const std::string kEdition = kMeridolEdition ? "meridol" : "sorvane";

struct GoldenCase {
  fs::path source;
  fs::path chart;  // empty when the case is not checked with this edition
  fs::path messages;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.source.filename().string(); }

std::string first_line(const fs::path& source) {
  std::ifstream file(source, std::ios::binary);
  std::string line;
  std::getline(file, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

GoldenCase golden_case(const fs::path& source) {
  GoldenCase c{source, {}, {}};
  const std::string header = first_line(source);
  const std::string prefix = "! expect:";
  if (header.rfind(prefix, 0) != 0) return c;
  std::istringstream editions(header.substr(prefix.size()));
  const fs::path base = fs::path(source).replace_extension();
  for (std::string edition; editions >> edition;) {
    if (edition == "both") {
      c.chart = base.string() + ".txt";
      c.messages = base.string() + ".err";
    } else if (edition == kEdition) {
      c.chart = base.string() + "." + edition + ".txt";
      c.messages = base.string() + "." + edition + ".err";
    }
  }
  return c;
}

std::vector<GoldenCase> all_cases() {
  std::vector<GoldenCase> cases;
  for (const char* folder : {"examples", "tests/golden"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(KMT_SOURCE_DIR) / folder)) {
      if (entry.path().extension() == ".f90") cases.push_back(golden_case(entry.path()));
    }
  }
  std::sort(cases.begin(), cases.end(), [](const GoldenCase& a, const GoldenCase& b) { return a.source < b.source; });
  return cases;
}

bool ends_in_fatal_message(const std::string& messages) {
  const std::size_t start = messages.rfind('\n', messages.size() >= 2 ? messages.size() - 2 : 0);
  const std::string last = messages.substr(start == std::string::npos ? 0 : start + 1);
  for (const char* title : {": Open File:", ": Sorry:", ": Excuse:", ": Write Error:"}) {
    if (last.find(title) != std::string::npos) return true;
  }
  return false;
}

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, ChartMatches) {
  const GoldenCase& c = GetParam();
  ASSERT_FALSE(c.source.empty());
  if (c.chart.empty()) GTEST_SKIP() << "not checked with the " << kEdition << " edition";
  ASSERT_TRUE(fs::exists(c.chart)) << c.chart;
  ScratchDirectory dir;
  // Run beside the source, so that messages name it as the .err file does.
  const ProgramResult r =
      run_program(kProgram, {c.source.filename().string(), dir.path("chart.txt")}, c.source.parent_path().string());
  const std::string expected_messages = fs::exists(c.messages) ? read_file(c.messages.string()) : "";
  EXPECT_EQ(r.err, expected_messages);
  EXPECT_EQ(r.status, ends_in_fatal_message(expected_messages) ? 1 : 0);
  EXPECT_TRUE(read_file(dir.path("chart.txt")) == read_file(c.chart.string()))
      << "chart of " << c.source << " differs from " << c.chart;
}

std::string case_name(const ::testing::TestParamInfo<GoldenCase>& info) {
  std::string name = info.param.source.parent_path().filename().string() + "_" + info.param.source.stem().string();
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Sources, GoldenTest, ::testing::ValuesIn(all_cases()), case_name);

}  // namespace
