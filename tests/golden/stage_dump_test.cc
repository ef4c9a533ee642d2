// Golden stage dumps: a source in tests/golden/ beside the statement records
// and chart rows it must give, written as tests/support/dumps.h shows them.
//
// <name>.dump is checked with both editions, <name>.<edition>.dump with that
// edition only.  Its first line says which (it is not compared); then
// "records:", one record per line, and "rows:", one chart row per line, each
// after the number of the source line it belongs to.
// Run with KMT_WRITE_DUMPS=1 to write the dumps of the sources that have
// one afresh (then read the difference before keeping it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart_builder.h"
#include "tests/support/conversion_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kEdition = kMeridolEdition ? "meridol" : "sorvane";

std::string read_text(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

struct DumpCase {
  fs::path source;
  fs::path dump;
};

void PrintTo(const DumpCase& c, std::ostream* os) { *os << c.dump.filename().string(); }

std::vector<DumpCase> dump_cases() {
  std::vector<DumpCase> cases;
  const fs::path folder = fs::path(KMT_SOURCE_DIR) / "tests/golden";
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".dump") continue;
    const std::string stem = entry.path().stem().string();  // name or name.edition
    const std::size_t dot = stem.find('.');
    const std::string name = stem.substr(0, dot);
    if (dot != std::string::npos && stem.substr(dot + 1) != kEdition) continue;
    cases.push_back({folder / (name + ".f90"), entry.path()});
  }
  std::sort(cases.begin(), cases.end(), [](const DumpCase& a, const DumpCase& b) { return a.dump < b.dump; });
  return cases;
}

// Each record and row after the source line it belongs to.
std::string dump_of_run(const std::string& header) {
  std::string out = header + "\nrecords:\n";
  const std::vector<std::string> records = dump_records();
  for (std::uint32_t i = 0; i < records.size(); ++i) {
    out.append("  ").append(std::to_string(ws.records.statement_table[i].source_line)).append(": ");
    out.append(records[i]).append("\n");
  }
  out += "rows:\n";
  const std::vector<std::string> rows = dump_rows();
  for (std::uint32_t r = 0; r < rows.size(); ++r) {
    out.append("  ").append(std::to_string(ws.building.row_source_lines[r])).append(": ");
    out.append(rows[r]).append("\n");
  }
  return out;
}

class StageDumpTest : public ConversionTest, public ::testing::WithParamInterface<DumpCase> {};

TEST_P(StageDumpTest, RecordsAndRowsMatch) {
  const DumpCase& c = GetParam();
  feed(read_text(c.source));
  build_chart();
  const std::string expected = read_text(c.dump);
  const std::string header = expected.substr(0, expected.find('\n'));
  const std::string actual = dump_of_run(header);
  if (std::getenv("KMT_WRITE_DUMPS") != nullptr) std::ofstream(c.dump, std::ios::binary) << actual;
  EXPECT_EQ(actual, expected) << "stage dump of " << c.source;
}

std::string case_name(const ::testing::TestParamInfo<DumpCase>& info) {
  std::string name = info.param.dump.stem().string();
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Sources, StageDumpTest, ::testing::ValuesIn(dump_cases()), case_name);

}  // namespace
