// The command-line program from the outside: arguments, messages, exit
// statuses and the files it leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <utility>
#include <vector>
#include <string>

#include "driver/edition.h"
#include "tests/support/program_runner.h"

namespace {

const std::string kProgram = KMT_PROGRAM;

const std::string kSourceNotFound = "Open File: 入力ファイルが見つかりません。";
const std::string kChartNotCreated = "Open File: 出力ファイルが作成出来ません。";
const std::string kLongLine =
    "Caution: 行数の多い文があります。 (the line is longer than 149 characters and is read in pieces of 151";

// A message line as the program prints it: SOURCE[:LINE]: TITLE: TEXT (REASON).
std::string message(const std::string& source, int line, const std::string& title_and_text,
                    const std::string& reason) {
  std::string prefix = source;
  if (line > 0) prefix.append(":").append(std::to_string(line));
  return prefix.append(": ").append(title_and_text).append(" (").append(reason).append(")\n");
}

std::string long_line_at(int line, int pieces = 1) {
  std::string text = "in.f90:" + std::to_string(line) + ": " + kLongLine;
  if (pieces > 1) text.append("; ").append(std::to_string(pieces)).append(" times");
  return text + ")\n";
}

class CliTest : public ::testing::Test {
 protected:
  // Converts in.f90 in the scratch folder, run from there so that messages
  // name it "in.f90".
  ProgramResult convert(const std::string& source_bytes, const std::vector<std::string>& options = {}) {
    dir.write("in.f90", source_bytes);
    std::vector<std::string> args = options;
    args.push_back("in.f90");
    args.push_back(chart());
    return run_program(kProgram, args, dir.path(""));
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

// A source that cannot be read is refused before the chart is touched, with
// the system's reason.
TEST_F(CliTest, SourceThatCannotBeReadLeavesTheChartAlone) {
  const std::string unreadable = dir.write("secret.f90", "  x = 1\n");
  std::filesystem::permissions(unreadable, std::filesystem::perms::none);
  const bool permissions_bite = !std::ifstream(unreadable).is_open();  // root reads anything
  std::filesystem::create_directory(dir.path("folder"));
  struct Case {
    std::string source;
    std::string reason;
  };
  std::vector<Case> cases = {{"missing.f90", "No such file or directory"}, {"folder", "Is a directory"}};
  if (permissions_bite) cases.push_back({"secret.f90", "Permission denied"});
  for (const Case& c : cases) {
    dir.write("chart.txt", "an earlier chart");
    const ProgramResult r = run_program(kProgram, {c.source, chart()}, dir.path(""));
    EXPECT_EQ(r.status, 1) << c.source;
    EXPECT_EQ(r.err, message(c.source, 0, kSourceNotFound, c.reason)) << c.source;
    EXPECT_EQ(read_file(chart()), "an earlier chart") << c.source;
  }
  const ProgramResult missing = run_program(kProgram, {"missing.f90", dir.path("new.txt")}, dir.path(""));
  EXPECT_FALSE(std::filesystem::exists(dir.path("new.txt")));
}

TEST_F(CliTest, ChartThatCannotBeCreated) {
  dir.write("in.f90", "  x = 1\n");
  std::filesystem::create_directory(dir.path("folder"));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"no/such/dir/chart.txt", "No such file or directory"}, {"folder", "Is a directory"}};
  for (const auto& [bad, reason] : cases) {
    const ProgramResult r = run_program(kProgram, {"in.f90", bad}, dir.path(""));
    EXPECT_EQ(r.status, 1) << bad;
    EXPECT_EQ(r.err, message("in.f90", 0, kChartNotCreated, "chart " + bad + ": " + reason)) << bad;
  }
}

TEST_F(CliTest, ChartNamingTheSourceIsRefusedAndTheSourceKept) {
  const std::string source = dir.write("in.f90", "  x = 1\n");
  std::filesystem::create_symlink(source, dir.path("link.txt"));
  for (const std::string& same : {source, dir.path("./in.f90"), dir.path("link.txt")}) {
    const ProgramResult r = run_program(kProgram, {source, same});
    EXPECT_EQ(r.status, 1) << same;
    EXPECT_EQ(r.err, message(source, 0, kChartNotCreated, "chart " + same + ": the chart would replace the source file"))
        << same;
    EXPECT_EQ(read_file(source), "  x = 1\n") << same;
  }
}

TEST_F(CliTest, OverlongPathsAreRefusedNotCut) {
  const std::string source = dir.write("in.f90", "  x = 1\n");
  const std::string too_long = std::string(4200, 'a').insert(0, 1, '/');
  ProgramResult r = run_program(kProgram, {too_long, chart()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, message(too_long, 0, kSourceNotFound, "the path is too long"));
  r = run_program(kProgram, {source, too_long});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, message(source, 0, kChartNotCreated, "chart " + too_long + ": the path is too long"));
}

TEST_F(CliTest, LongLineWarnings) {
  // 149 characters and a line feed: 150 bytes, one warning.
  EXPECT_EQ(convert("  x = 1\n  " + std::string(147, 'x') + "\n").err, long_line_at(2));
  EXPECT_EQ(convert("  " + std::string(146, 'x') + "\n").err, "");
  EXPECT_EQ(convert("  " + std::string(147, 'x')).err, "");  // last line, no line feed
  // 400 characters: pieces of 151, 151 and 99 bytes; the first two warn, in
  // one line with their count.
  const ProgramResult r = convert("  " + std::string(398, 'x') + "\n");
  EXPECT_EQ(r.err, long_line_at(1, 2));
  EXPECT_EQ(r.status, 0);
}

// A 2-megabyte line draws one line of warning, not thousands.
TEST_F(CliTest, RepeatedWarningIsPrintedOnceWithItsCount) {
  const std::string line = "  " + std::string(2 << 20, 'x') + "\n";
  const int full_pieces = static_cast<int>(line.size() / 151);  // the last piece is short: no warning
  const ProgramResult r = convert("  x = 1\n" + line + "  y = 2\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, long_line_at(2, full_pieces));
}

TEST_F(CliTest, QuietAndStrict) {
  const std::string warned = "  " + std::string(200, 'x') + "\n";
  EXPECT_EQ(convert(warned, {"--quiet"}).err, "");
  EXPECT_EQ(convert(warned, {"-q"}).status, 0);
  EXPECT_EQ(convert(warned, {"--strict"}).status, 3);
  const ProgramResult quiet_strict = convert(warned, {"--strict", "-q"});
  EXPECT_EQ(quiet_strict.status, 3);
  EXPECT_EQ(quiet_strict.err, "");
  EXPECT_NE(read_file(chart()), "");  // the chart is written all the same
  EXPECT_EQ(convert("  x = 1\n", {"--strict"}).status, 0);
  // --quiet keeps fatal messages.
  const ProgramResult fatal = run_program(kProgram, {"-q", "missing.f90", chart()}, dir.path(""));
  EXPECT_EQ(fatal.status, 1);
  EXPECT_EQ(fatal.err, message("missing.f90", 0, kSourceNotFound, "No such file or directory"));
}

// "-" reads standard input or writes standard output; "./-" is a file.
TEST_F(CliTest, DashIsStandardInputAndOutput) {
  const std::string source = "subroutine s\n  end if\nend subroutine s\n";
  dir.write("in.f90", source);
  run_program(kProgram, {"in.f90", "chart.txt"}, dir.path(""));
  const std::string expected = read_file(dir.path("chart.txt"));
  const ProgramResult piped = run_program(kProgram, {"-", "-"}, dir.path(""), source);
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, expected);
  EXPECT_EQ(piped.err, message("<stdin>", 2, "Attention: 不具合がありました。", "END IF without an open IF block"));
  dir.write("-", source);
  run_program(kProgram, {"./-", "from-dash.txt"}, dir.path(""));
  EXPECT_EQ(read_file(dir.path("from-dash.txt")), expected);
  const ProgramResult to_file = run_program(kProgram, {"in.f90", "./-"}, dir.path(""));
  EXPECT_EQ(to_file.out, "");
  EXPECT_EQ(read_file(dir.path("-")), expected);
}

// A large source is converted over large pages, a piped one is not: the
// charts are the same bytes.
TEST_F(CliTest, LargeSourceGivesTheSameChartWhateverItsPages) {
  std::string source = "program p\n";
  for (int i = 0; source.size() < 300 * 1024; ++i) {
    source += "  do i = 1, n\n    if (a(i) > 0) then\n      call s(i)\n    else\n      x = " + std::to_string(i) +
              "\n    end if\n  end do\n";
  }
  source += "end program p\n";
  const ProgramResult from_file = convert(source);
  ASSERT_EQ(from_file.status, 0);
  const ProgramResult piped = run_program(kProgram, {"-", "-"}, dir.path(""), source);
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, read_file(chart()));
}

// The message lines parse as gcc's do, for editors that jump to them.
TEST_F(CliTest, MessagesHaveTheFormEditorsJumpFrom) {
  const ProgramResult r = convert("subroutine s\n  x = 1\n\n  end select\nend subroutine s\n");
  const std::regex gcc_style(R"(^([^:\n]+):([0-9]+): (.*)$)");
  std::smatch parts;
  const std::string line = r.err.substr(0, r.err.find('\n'));
  ASSERT_TRUE(std::regex_match(line, parts, gcc_style)) << line;
  EXPECT_EQ(parts[1], "in.f90");
  EXPECT_EQ(parts[2], "4");
  EXPECT_EQ(parts[3], "Attention: 不具合がありました。 (END SELECT without SELECT CASE)");
}

// Pieces of a long line and a last line without a line feed keep every
// character.
TEST_F(CliTest, EveryCharacterOfALongLineIsCharted) {
  std::string call = "  call s(";
  while (call.size() < 399) call.append("a").append(std::to_string(call.size() % 10)).append(",");
  call.resize(399);
  call += ")";
  const ProgramResult r = convert("subroutine s\n" + call + "\nend subroutine s\n");
  EXPECT_EQ(r.err, long_line_at(2, 2));
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
  EXPECT_EQ(convert("  " + std::string(148, 'x') + "\r\n").err, long_line_at(1));
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
  EXPECT_EQ(r.err, message("in.f90", 50005, "Sorry: プログラムの規模が大き過ぎます。",
                           "the source gives 100,010 statement records or more"));
  EXPECT_EQ(read_file(chart()), "");
  source.resize(source.size() - 8);
  EXPECT_EQ(convert(source).status, 0);
}

TEST_F(CliTest, FullDiskIsAWriteError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  dir.write("in.f90", "  x = 1\n");
  const ProgramResult r = run_program(kProgram, {"in.f90", "/dev/full"}, dir.path(""));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, message("in.f90", 0, "Write Error: 出力ファイルに書き込めません。",
                           "chart /dev/full: No space left on device"));
}

TEST_F(CliTest, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a"}, {"a", "b", "c"}, {"--bogus", "a", "b"}}) {
    const ProgramResult r = run_program(kProgram, args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage: "), std::string::npos);
    EXPECT_NE(r.err.find("Try '" + std::filesystem::path(kProgram).filename().string() + " --help'"),
              std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(CliTest, LegendExplainsEveryCaption) {
  const ProgramResult r = run_program(kProgram, {"--legend"});
  EXPECT_EQ(r.status, 0);
  for (const char* caption : {"◇判定", "◎繰返", "◎呼出", "□読込", "■書込", "△復帰", "○代入", "│成立", "│判終", "◎選択",
                              "◇場合", "◇其他", "│不成", "│選終", "│繰終", "◇範囲", "△分岐", "△抜出", "▲停止"}) {
    EXPECT_NE(r.out.find(caption), std::string::npos) << caption;
  }
  EXPECT_NE(r.out.find("assignment"), std::string::npos);
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
  EXPECT_NE(help.out.find("labelled DO loops"), std::string::npos);  // how the editions differ
  const ProgramResult version = run_program(kProgram, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("KMT Version 1.0 (" + std::string(kEditionName) + " edition)", 0), 0u);
}

TEST_F(CliTest, ReadErrorIsAWarning) {
  // Linux's /proc/self/mem opens, and reading its first page fails.
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  const ProgramResult r = run_program(kProgram, {"/proc/self/mem", chart()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, message("/proc/self/mem", 0, "Read Error: 読み込みエラーです。", "Input/output error"));
  EXPECT_EQ(read_file(chart()), "");
}

}  // namespace
