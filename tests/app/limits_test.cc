// Every capacity of the chart reached exactly (the chart is written) and
// passed by one (the run ends with the capacity message and an empty chart),
// through the built program on generated Fortran sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/support/program_runner.h"

namespace {

const std::string kProgram = KMT_PROGRAM;
// The capacity message, at the line of the statement that takes the chart
// past its capacity: the source's last line but `lines_after`.
std::string too_large(const std::string& source, const std::string& reason, int lines_after) {
  const auto lines = std::count(source.begin(), source.end(), '\n') - lines_after;
  return "in.f90:" + std::to_string(lines) + ": Excuse: プログラムの規模が大き過ぎます。 (" + reason + ")\n";
}

std::string repeated(const std::string& lines, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += lines;
  return out;
}

class LimitTest : public ::testing::Test {
 protected:
  // The source built for `count` repetitions must convert; one more must not.
  void expect_limit(const std::function<std::string(int)>& source, int count, const std::string& reason,
                    int lines_after = 0) {
    const ProgramResult fits = convert(source(count));
    EXPECT_EQ(fits.status, 0) << count;
    EXPECT_EQ(fits.err, "") << count;
    EXPECT_NE(read_file(chart()), "") << count;
    const ProgramResult passes = convert(source(count + 1));
    EXPECT_EQ(passes.status, 1) << count + 1;
    EXPECT_EQ(passes.err, too_large(source(count + 1), reason, lines_after)) << count + 1;
    EXPECT_EQ(read_file(chart()), "") << count + 1;
  }
  ProgramResult convert(const std::string& source) {
    dir.write("in.f90", source);
    return run_program(kProgram, {"in.f90", chart()}, dir.path(""));
  }
  std::string chart() const { return dir.path("chart.txt"); }

  ScratchDirectory dir;
};

TEST_F(LimitTest, ChartRows) {
  // An empty counted loop is eight rows: 12501 loops and one call make 100009.
  expect_limit([](int calls) { return repeated("  do i = 1, n\n  end do\n", 12501) + repeated("  call s\n", calls); },
               1, "the chart needs more than 100,010 rows");
}

TEST_F(LimitTest, CellsPerRow) {
  // Each block WHERE opens a column: the 43rd makes a row of 45 cells.
  expect_limit([](int wheres) { return "subroutine s\n" + repeated("  where (m)\n", wheres); }, 43,
               "a chart row of 46 cells or more: the blocks nest too deep");
}

TEST_F(LimitTest, ConnectorLevels) {
  // Each ELSEWHERE carries its branch into one more bracket level.
  expect_limit([](int pairs) { return "subroutine s\n" + repeated("  where (m)\n  elsewhere\n", pairs); }, 40,
               "a chart row of 41 bracket levels or more: the branches nest too deep");
}

TEST_F(LimitTest, OpenIfBlocks) {
  expect_limit([](int ifs) { return "subroutine s\n" + repeated("  if (x) then\n", ifs); }, 40,
               "more than 40 IF blocks open at once");
}

TEST_F(LimitTest, OpenSelectBlocks) {
  expect_limit([](int selects) { return "subroutine s\n" + repeated("  select case (n)\n", selects); }, 40,
               "more than 40 SELECT CASE blocks open at once");
}

TEST_F(LimitTest, OpenLoops) {
  expect_limit([](int loops) { return "subroutine s\n" + repeated("  do\n", loops); }, 40, "more than 40 DO loops open at once");
}

TEST_F(LimitTest, OpenBranchBlocks) {
  // A THEN inside a unit that ends leaves its branch block open.
  expect_limit([](int units) { return repeated("subroutine s\n  then\nend subroutine\n", units); }, 120,
               "more than 120 branch blocks open at once", 1);
}

TEST_F(LimitTest, OpenUnitsAndLoops) {
  // A unit opened inside a branch block that ends stays open.
  expect_limit([](int units) { return repeated("  then\nsubroutine s\n  end where\n", units); }, 170,
               "more than 170 program units and DO loops open at once", 1);
}

}  // namespace
