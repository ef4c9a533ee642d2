// Whole trees through the built program: the charts each source gets, the
// files that fail, the messages, the index and the exit status.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/program_runner.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = KMT_PROGRAM;
const std::string kSourceDir = KMT_SOURCE_DIR;

std::string example(const std::string& name) { return read_file(kSourceDir + "/" + name); }

// 44 nested block WHEREs: a row of 46 cells, past the chart's capacity.
std::string too_deep() {
  std::string source = "subroutine s\n";
  for (int i = 0; i < 44; ++i) source += "  where (m)\n";
  return source;
}

std::vector<std::string> sorted_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

// Every file under `root` (relative path and bytes), and every folder.
std::vector<std::pair<std::string, std::string>> tree_contents(const std::string& root) {
  std::vector<std::pair<std::string, std::string>> contents;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string relative = fs::relative(entry.path(), root).string();
    contents.emplace_back(relative, entry.is_directory() ? "<folder>" : read_file(entry.path().string()));
  }
  std::sort(contents.begin(), contents.end());
  return contents;
}

class TreeTest : public ::testing::Test {
 protected:
  std::string make(const std::string& name, const std::string& bytes) {
    fs::create_directories(fs::path(dir.path(name)).parent_path());
    return dir.write(name, bytes);
  }
  // The chart the one-file program makes of the source.
  std::string one_file_chart(const std::string& source, const std::vector<std::string>& options = {}) {
    std::vector<std::string> args = options;
    args.push_back(dir.path(source));
    args.push_back(dir.path("one-file-chart"));
    run_program(kProgram, args);
    return read_file(dir.path("one-file-chart"));
  }
  ScratchDirectory dir;
};

// A file nobody but its owner may read, and a way to run the program so that
// it cannot read it.  Root reads such a file anyway, so a root test runs the
// program as the user nobody; where that cannot be done the case is left out.
struct Unreadable {
  bool possible = false;
  std::vector<std::string> prefix;  // the command before the program's own
};

Unreadable make_unreadable(const std::string& path, const std::string& scratch) {
  Unreadable unreadable;
  chmod(path.c_str(), 0);
  if (geteuid() != 0) {
    unreadable.possible = access(path.c_str(), R_OK) != 0;
    return unreadable;
  }
  if (access("/usr/bin/setpriv", X_OK) != 0) return unreadable;
  unreadable.prefix = {"--reuid=65534", "--regid=65534", "--clear-groups", kProgram};
  const ProgramResult probe = run_program("/usr/bin/setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                                                               "/bin/cat", path});
  // Every folder of the scratch tree open to nobody, but not the file.
  for (const auto& entry : fs::recursive_directory_iterator(scratch)) {
    if (entry.is_directory()) chmod(entry.path().c_str(), 0777);
  }
  chmod(scratch.c_str(), 0777);
  unreadable.possible = probe.status != 0 && probe.status != 127;
  return unreadable;
}

ProgramResult run_tree(const Unreadable& as, const std::vector<std::string>& args) {
  if (as.prefix.empty()) return run_program(kProgram, args);
  std::vector<std::string> all = as.prefix;
  all.insert(all.end(), args.begin(), args.end());
  return run_program("/usr/bin/setpriv", all);
}

TEST_F(TreeTest, MirrorsTheTreeAndConfinesEachFailureToItsFile) {
  make("src/top.f90", example("examples/sample.f90"));
  make("src/a/x.f90", example("examples/if_else.f90"));
  make("src/b/x.f90", example("examples/loops.f90"));  // the same base name in another folder
  make("src/a/deeper/y.F", example("examples/select_case.f90"));
  make("src/a/deeper/long.for", example("tests/golden/long_lines.f90"));
  make("src/notes.txt", "not Fortran\n");
  make("src/.hidden/z.f90", example("examples/sample.f90"));
  make("src/deep.f90", too_deep());
  const std::string locked = make("src/locked.f90", example("examples/sample.f90"));
  fs::create_directory_symlink("..", dir.path("src/a/loop"));  // src/a/loop/a/loop/... for ever
  const Unreadable unreadable = make_unreadable(locked, dir.path(""));
  if (!unreadable.possible) {
    fs::remove(locked);
    std::cout << "[  NOTE    ] the unreadable file is left out: it cannot be made unreadable to the program\n";
  }

  const ProgramResult result = run_tree(unreadable, {"-j", "4", "-o", dir.path("out"), dir.path("src")});

  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  for (const std::string source : {"top.f90", "a/x.f90", "b/x.f90", "a/deeper/y.F", "a/deeper/long.for"}) {
    EXPECT_EQ(read_file(dir.path("out/" + source + ".txt")), one_file_chart("src/" + source)) << source;
    EXPECT_NE(read_file(dir.path("out/" + source + ".txt")), "") << source;
  }
  // The capacity limit ends that file only: its chart is left empty, as the one-file program leaves it.
  EXPECT_TRUE(fs::exists(dir.path("out/deep.f90.txt")));
  EXPECT_EQ(read_file(dir.path("out/deep.f90.txt")), "");
  EXPECT_NE(result.err.find(dir.path("src/deep.f90") + ":45: Excuse: "), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(dir.path("out/notes.txt.txt")));
  EXPECT_FALSE(fs::exists(dir.path("out/.hidden")));
  EXPECT_FALSE(fs::exists(dir.path("out/a/loop")));
  EXPECT_NE(result.err.find(dir.path("src/a/deeper/long.for") + ":3: Caution: "), std::string::npos);
  const unsigned failed = unreadable.possible ? 2 : 1;
  if (unreadable.possible) {
    EXPECT_NE(result.err.find(locked + ": Open File: 入力ファイルが見つかりません。 (Permission denied)\n"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(dir.path("out/locked.f90.txt")));  // not created, as by the one-file program
  }
  const unsigned files = 6 + (unreadable.possible ? 1 : 0);
  EXPECT_NE(result.err.find(std::to_string(files) + " files: " + std::to_string(files - failed) +
                            " charts written, 1 with warnings, " + std::to_string(failed) + " failed\n"),
            std::string::npos)
      << result.err;

  const std::string index = read_file(dir.path("out/index.txt"));
  EXPECT_NE(index.find("# " + std::to_string(files) + " sources, " + std::to_string(files - failed) +
                       " charts written, 1 with warnings, " + std::to_string(failed) + " failed\n"),
            std::string::npos)
      << index;
  EXPECT_NE(index.find("a/deeper/long.for.txt\twritten\t2\tprogram wide\t" + dir.path("src/a/deeper/long.for") + "\n"),
            std::string::npos)
      << index;
  EXPECT_NE(index.find("deep.f90.txt\tfailed\t0\t\t"), std::string::npos) << index;
  EXPECT_EQ(std::count(index.begin(), index.end(), '\n'), 2 + files);
  // Messages reach a file's own lines only: no line without its source's name.
  for (const std::string& line : sorted_lines(result.err)) EXPECT_EQ(line.find('\r'), std::string::npos) << line;
}

TEST_F(TreeTest, OneWorkerAndFourGiveTheSameTreeAndMessages) {
  for (int i = 0; i < 12; ++i) {
    const std::string name = "src/d" + std::to_string(i % 3) + "/f" + std::to_string(i) + ".f90";
    make(name, i % 4 == 0 ? example("tests/golden/long_lines.f90") : example("examples/loops.f90"));
  }
  make("src/d1/deep.f90", too_deep());
  make("src/d2/select.f90", example("examples/select_case.f90"));
  make("src/d2/labels.f90", example("tests/golden/labels.f90"));
  const ProgramResult one = run_program(kProgram, {"-j", "1", "-o", dir.path("one"), dir.path("src")});
  const ProgramResult four = run_program(kProgram, {"-j4", "--output-dir=" + dir.path("four"), dir.path("src")});
  EXPECT_EQ(one.status, 1);
  EXPECT_EQ(four.status, 1);
  EXPECT_EQ(tree_contents(dir.path("one")), tree_contents(dir.path("four")));
  EXPECT_EQ(sorted_lines(one.err), sorted_lines(four.err));
  EXPECT_EQ(sorted_lines(one.err).size(), 3u * 2 + 1 + 1);  // two long lines in three files, the limit, the summary
  // One worker converts one file after another: each chart is still the one-file program's.
  for (const auto& [name, bytes] : tree_contents(dir.path("one"))) {
    if (bytes == "<folder>" || name == "index.txt") continue;
    EXPECT_EQ(bytes, one_file_chart("src/" + name.substr(0, name.size() - 4))) << name;
  }
}

TEST_F(TreeTest, RefusesAChartThatIsAnotherSourcesOrNamesASource) {
  make("a/x.f90", example("examples/sample.f90"));
  make("b/x.f90", example("examples/loops.f90"));
  const std::string kept = make("out/c.f90.txt", "a source that looks like a chart\n");
  make("out/c.f90", example("examples/if_else.f90"));
  const ProgramResult result = run_program(
      kProgram, {"-o", dir.path("out"), dir.path("a/x.f90"), dir.path("b/x.f90"), dir.path("out/c.f90"), kept});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(read_file(dir.path("out/x.f90.txt")), one_file_chart("a/x.f90"));  // the first source keeps its chart
  EXPECT_NE(result.err.find(dir.path("b/x.f90") + ": Open File: 出力ファイルが作成出来ません。 (chart " +
                            dir.path("out/x.f90.txt") + ": it is the chart of " + dir.path("a/x.f90") + " already)\n"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(read_file(kept), "a source that looks like a chart\n");
  EXPECT_NE(result.err.find("the chart would replace the source file " + kept), std::string::npos) << result.err;
  EXPECT_EQ(read_file(dir.path("out/c.f90.txt.txt")), one_file_chart("out/c.f90.txt"));
  EXPECT_NE(result.err.find("4 files: 2 charts written, 0 with warnings, 2 failed\n"), std::string::npos);
}

// A source named twice for one chart (as a PATH and inside a folder given
// too, or as the same PATH twice) is converted once; a folder given twice is
// walked once.  A link elsewhere still gets the chart at its own place.
TEST_F(TreeTest, ConvertsASourceGivenTwiceForOneChartOnce) {
  make("src/x.f90", example("examples/sample.f90"));
  make("src/sub/y.f90", example("examples/loops.f90"));
  fs::create_symlink("../x.f90", dir.path("src/sub/x.f90"));
  const ProgramResult result =
      run_program(kProgram, {"-o", "out", "src", "src/x.f90", "src", "./src/x.f90", "src/sub/y.f90"}, dir.path(""));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "4 files: 4 charts written, 0 with warnings, 0 failed\n");
  EXPECT_EQ(read_file(dir.path("out/x.f90.txt")), one_file_chart("src/x.f90"));
  EXPECT_EQ(read_file(dir.path("out/sub/x.f90.txt")), one_file_chart("src/x.f90"));
  EXPECT_EQ(read_file(dir.path("out/sub/y.f90.txt")), one_file_chart("src/sub/y.f90"));
  EXPECT_EQ(read_file(dir.path("out/y.f90.txt")), one_file_chart("src/sub/y.f90"));
}

TEST_F(TreeTest, NeverWritesTheIndexOverASource) {
  const std::string source = make("out/index.txt", example("examples/sample.f90"));
  const ProgramResult result = run_program(kProgram, {"-o", dir.path("out"), source});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(read_file(source), example("examples/sample.f90"));
  EXPECT_EQ(read_file(dir.path("out/index.txt.txt")), one_file_chart("out/index.txt"));
  EXPECT_NE(result.err.find(source + ": the index is not written (it would replace the source file " + source + ")\n"),
            std::string::npos)
      << result.err;
}

TEST_F(TreeTest, SkipsTheOutputFolderInsideTheTree) {
  make("src/x.f90", example("examples/sample.f90"));
  make("src/charts/stale.f90", example("examples/loops.f90"));
  const ProgramResult first = run_program(kProgram, {"-o", "src/charts", "src"}, dir.path(""));
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "1 file: 1 chart written, 0 with warnings, 0 failed\n");
  EXPECT_EQ(read_file(dir.path("src/charts/x.f90.txt")), one_file_chart("src/x.f90"));
  EXPECT_FALSE(fs::exists(dir.path("src/charts/charts")));
  // The output folder given as the tree itself converts nothing, and says so.
  const ProgramResult itself = run_program(kProgram, {"-o", "src/charts", "src/charts"}, dir.path(""));
  EXPECT_EQ(itself.status, 1);
  EXPECT_EQ(itself.err, "src/charts: not walked (it is the output folder)\n"
                        "0 files: 0 charts written, 0 with warnings, 0 failed, 1 path not read\n");
}

TEST_F(TreeTest, StatusesOfWarningsMissingPathsAndWrongArguments) {
  make("src/long.f90", example("tests/golden/long_lines.f90"));
  const ProgramResult warned = run_program(kProgram, {"-q", "--strict", "-o", dir.path("out"), dir.path("src")});
  EXPECT_EQ(warned.status, 3);
  EXPECT_EQ(warned.err, "");  // quiet: no warnings, no summary
  EXPECT_NE(read_file(dir.path("out/index.txt")).find("long.f90.txt\twritten\t2\t"), std::string::npos);
  const ProgramResult missing = run_program(kProgram, {"-o", dir.path("out"), dir.path("src"), dir.path("nothing")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(dir.path("nothing") + ": cannot be read (No such file or directory)\n"), std::string::npos);
  EXPECT_NE(missing.err.find(", 1 path not read\n"), std::string::npos) << missing.err;
  make("file", "x");
  const ProgramResult blocked = run_program(kProgram, {"-o", dir.path("file/out"), dir.path("src")});
  EXPECT_EQ(blocked.status, 1);
  EXPECT_NE(blocked.err.find("the output folder cannot be created (Not a directory)"), std::string::npos);
  EXPECT_EQ(run_program(kProgram, {"-o", dir.path("out")}).status, 2);
  for (const char* jobs : {"0", "10000", "2x"}) {
    const ProgramResult wrong = run_program(kProgram, {"-j", jobs, "-o", dir.path("out"), dir.path("src")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("invalid value '" + std::string(jobs) + "' for --jobs (a whole number from 1 to 9999)\n"),
              std::string::npos)
        << wrong.err;
  }
}

TEST_F(TreeTest, HtmlFormatWritesAnHtmlIndexWithEveryChart) {
  make("src/x.f90", example("examples/module_interface.f90"));
  make("src/<b>.f90", example("examples/sample.f90"));
  const ProgramResult result = run_program(kProgram, {"--format", "html", "-o", dir.path("out"), dir.path("src")});
  EXPECT_TRUE(fs::exists(dir.path("out/x.f90.html")));
  EXPECT_FALSE(fs::exists(dir.path("out/index.txt")));
  const std::string page = read_file(dir.path("out/index.html"));
  EXPECT_NE(page.find("href=\"./x.f90.html\""), std::string::npos);
  EXPECT_NE(page.find("href=\"./%3Cb%3E.f90.html\">&lt;b&gt;.f90.html</a>"), std::string::npos) << page;
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_NE(page.find("module "), std::string::npos);
}

// Progress goes to a terminal only, and leaves no trace in what follows it.
TEST_F(TreeTest, ProgressOnATerminal) {
  for (int i = 0; i < 5; ++i) make("src/f" + std::to_string(i) + ".f90", example("examples/loops.f90"));
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (pid < 0) GTEST_SKIP() << "no pseudo-terminal to run the program on";
  if (pid == 0) {
    const std::string out = dir.path("out");
    const std::string src = dir.path("src");
    execl(kProgram.c_str(), kProgram.c_str(), "-j", "2", "-o", out.c_str(), src.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::string shown;
  char buffer[4096];
  for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) shown.append(buffer, static_cast<std::size_t>(n));
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  close(terminal);
  EXPECT_EQ(WEXITSTATUS(wait_status), 0);
  EXPECT_NE(shown.find("5/5 files"), std::string::npos) << shown;
  EXPECT_NE(shown.find(" left  "), std::string::npos) << shown;
  // The progress line is erased before the summary, which stands alone on its line.
  EXPECT_NE(shown.find("\r\033[K5 files: 5 charts written, 0 with warnings, 0 failed\r\n"), std::string::npos) << shown;
  const ProgramResult piped = run_program(kProgram, {"-o", dir.path("out"), dir.path("src")});
  EXPECT_EQ(piped.err, "5 files: 5 charts written, 0 with warnings, 0 failed\n");
}

}  // namespace
