// The command-line program from the outside: arguments, messages, exit
// statuses and the files it leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/edition.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kProgram = KMT_PROGRAM;

const std::string kSourceNotFound = "Open File: 入力ファイルが見つかりません。\n";
const std::string kChartNotCreated = "Open File: 出力ファイルが作成出来ません。\n";
const std::string kLongLine = "Caution: 行数の多い文があります。\n";

class CliTest : public ::testing::Test {
 protected:
  ProgramResult convert(const std::string& source_bytes) {
    return run_program(kProgram, {dir.write("in.f90", source_bytes), chart()});
  }
  std::string chart() const { return dir.path("chart.txt"); }
  bool chart_exists() const { return std::filesystem::exists(chart()); }

  ScratchDirectory dir;
};

TEST_F(CliTest, ConvertsAndExitsZero) {
  const ProgramResult r = convert("  call s(x)\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  // Outside a program unit a row shows its text alone.
  EXPECT_EQ(read_file(chart()), "call s(x)\r\n");
}

TEST_F(CliTest, EmptySourceGivesAnEmptyChart) {
  const ProgramResult r = convert("");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(chart_exists());
  EXPECT_EQ(read_file(chart()), "");
}

TEST_F(CliTest, ExistingChartIsReplaced) {
  dir.write("chart.txt", std::string(1000, 'x'));
  EXPECT_EQ(convert("").status, 0);
  EXPECT_EQ(read_file(chart()), "");
}

TEST_F(CliTest, MissingSourceCreatesNoChart) {
  const ProgramResult r = run_program(kProgram, {dir.path("missing.f90"), chart()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, kSourceNotFound);
  EXPECT_FALSE(chart_exists());
}

TEST_F(CliTest, ChartThatCannotBeCreated) {
  const std::string source = dir.write("in.f90", "  x = 1\n");
  for (const std::string& bad : {dir.path("no/such/dir/chart.txt"), dir.path("")}) {
    const ProgramResult r = run_program(kProgram, {source, bad});
    EXPECT_EQ(r.status, 1) << bad;
    EXPECT_EQ(r.err, kChartNotCreated) << bad;
  }
}

TEST_F(CliTest, ChartNamingTheSourceIsRefusedAndTheSourceKept) {
  const std::string source = dir.write("in.f90", "  x = 1\n");
  std::filesystem::create_symlink(source, dir.path("link.txt"));
  for (const std::string& same : {source, dir.path("./in.f90"), dir.path("link.txt")}) {
    const ProgramResult r = run_program(kProgram, {source, same});
    EXPECT_EQ(r.status, 1) << same;
    EXPECT_EQ(r.err, kChartNotCreated) << same;
    EXPECT_EQ(read_file(source), "  x = 1\n") << same;
  }
}

TEST_F(CliTest, OverlongPathsAreRefusedNotCut) {
  const std::string source = dir.write("in.f90", "  x = 1\n");
  const std::string too_long = std::string(4200, 'a').insert(0, 1, '/');
  ProgramResult r = run_program(kProgram, {too_long, chart()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, kSourceNotFound);
  r = run_program(kProgram, {source, too_long});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, kChartNotCreated);
}

TEST_F(CliTest, LongLineWarnings) {
  // 149 characters and a line feed: 150 bytes, one warning.
  EXPECT_EQ(convert("  " + std::string(147, 'x') + "\n").err, kLongLine);
  EXPECT_EQ(convert("  " + std::string(146, 'x') + "\n").err, "");
  EXPECT_EQ(convert("  " + std::string(147, 'x')).err, "");  // last line, no line feed
  // 400 characters: pieces of 151, 151 and 99 bytes; the first two warn.
  const ProgramResult r = convert("  " + std::string(398, 'x') + "\n");
  EXPECT_EQ(r.err, kLongLine + kLongLine);
  EXPECT_EQ(r.status, 0);
}

// Pieces of a long line and a last line without a line feed keep every
// character.
TEST_F(CliTest, EveryCharacterOfALongLineIsCharted) {
  std::string call = "  call s(";
  while (call.size() < 399) call.append("a").append(std::to_string(call.size() % 10)).append(",");
  call.resize(399);
  call += ")";
  const ProgramResult r = convert("subroutine s\n" + call + "\nend subroutine s\n");
  EXPECT_EQ(r.err, kLongLine + kLongLine);
  const std::string bytes = read_file(chart());
  EXPECT_NE(bytes.find(call.substr(2, 149) + "\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(call.substr(151, 151) + "\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(call.substr(302) + "\r\n"), std::string::npos);
}

TEST_F(CliTest, LastLineWithoutLineFeedIsChartedWhole) {
  EXPECT_EQ(convert("subroutine s\n  x = y\nend").status, 0);
  // "end" closes the unit (the row after it is the separator row).
  EXPECT_NE(read_file(chart()).find("\x81\xA3\x81\xA3" "end\r\n      \r\n"), std::string::npos);
}

TEST_F(CliTest, ByteOrderMarkIsNoPartOfTheSource) {
  const std::string source = "program p\n  call s\nend program p\n";
  const ProgramResult plain = convert(source);
  const std::string plain_chart = read_file(chart());
  const ProgramResult marked = convert(std::string("\xEF\xBB\xBF").append(source));
  EXPECT_EQ(read_file(chart()), plain_chart);
  EXPECT_EQ(marked.err, plain.err);
  EXPECT_EQ(plain_chart.substr(0, 6), "\x81\xA4\x81\xA4\x81\xA4");  // "▽▽▽": the unit is recognised
}

TEST_F(CliTest, CrLfLineEndsReadAsLineFeeds) {
  const std::string lf = "program p\n  if (x) then\n    call s\n  end if\nend program p\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  convert(lf);
  const std::string from_lf = read_file(chart());
  EXPECT_EQ(convert(crlf).status, 0);
  EXPECT_EQ(read_file(chart()), from_lf);
  // A CR LF pair is one line end before the line is cut: 150 characters and
  // CR LF arrive as one piece.
  EXPECT_EQ(convert("  " + std::string(148, 'x') + "\r\n").err, kLongLine);
}

TEST_F(CliTest, LoneCrAndCtrlZAreOrdinaryData) {
  EXPECT_EQ(convert("  x = \r1\x1a\n").status, 0);
  EXPECT_NE(read_file(chart()).find("x = \r1\x1a\r\n"), std::string::npos);
}

TEST_F(CliTest, LineIsSeenOnlyUpToANul) {
  EXPECT_EQ(convert(std::string("  call s\0 junk\n  x = y\n", 23)).status, 0);
  // The line ends at the NUL like a last line without a line feed.
  const std::string bytes = read_file(chart());
  EXPECT_EQ(bytes.find("call s\r\n"), 0u);
  EXPECT_EQ(bytes.find("junk"), std::string::npos);
}

TEST_F(CliTest, StatementLimitReachedByTheLastLine) {
  std::string source;
  for (int i = 0; i < 50005; ++i) source += "  x = y\n";  // two records a line
  const ProgramResult r = convert(source);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Sorry: プログラムの規模が大き過ぎます。\n");
  EXPECT_EQ(read_file(chart()), "");
  source.resize(source.size() - 8);
  EXPECT_EQ(convert(source).status, 0);
}

TEST_F(CliTest, FullDiskIsAWriteError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const std::string source = dir.write("in.f90", "  x = 1\n");
  const ProgramResult r = run_program(kProgram, {source, "/dev/full"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Write Error: 出力ファイルに書き込めません。\n");
}

TEST_F(CliTest, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a"}, {"a", "b", "c"}, {"--bogus", "a", "b"}}) {
    const ProgramResult r = run_program(kProgram, args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage: "), std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(CliTest, DoubleDashAllowsPathsThatBeginWithADash) {
  const std::string source = dir.write("-in.f90", "  x = 1\n");
  const ProgramResult r = run_program(kProgram, {"--", source, dir.path("-chart.txt")});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir.path("-chart.txt")));
}

TEST_F(CliTest, HelpAndVersion) {
  const ProgramResult help = run_program(kProgram, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("iconv -f CP932 -t UTF-8"), std::string::npos);
  EXPECT_NE(help.out.find("ambiguous-width"), std::string::npos);
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
  const ProgramResult version = run_program(kProgram, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("KMT Version 1.0 (" + std::string(kEditionName) + " edition)", 0), 0u);
}

TEST_F(CliTest, ReadErrorIsAWarning) {
  // Reading a directory fails after it has been opened.
  const ProgramResult r = run_program(kProgram, {dir.path(""), chart()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "Read Error: 読み込みエラーです。\n");
  EXPECT_EQ(read_file(chart()), "");
}

}  // namespace
