#include "tests/support/program_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string drain(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
  close(fd);
  return text;
}

}  // namespace

ProgramResult run_program(const std::string& program, const std::vector<std::string>& args,
                          const std::string& directory, const std::string& input) {
  // Input and output are files, so no stream can fill a pipe and stall.
  char in_name[] = "/tmp/kmt_in_XXXXXX";
  char out_name[] = "/tmp/kmt_out_XXXXXX";
  char err_name[] = "/tmp/kmt_err_XXXXXX";
  const int in_fd = mkstemp(in_name);
  const int out_fd = mkstemp(out_name);
  const int err_fd = mkstemp(err_name);
  if (write(in_fd, input.data(), input.size()) != static_cast<ssize_t>(input.size())) _exit(127);
  lseek(in_fd, 0, SEEK_SET);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ProgramResult result;
  const pid_t pid = fork();
  if (pid == 0) {
    if (!directory.empty() && chdir(directory.c_str()) != 0) _exit(127);
    dup2(in_fd, 0);
    dup2(out_fd, 1);
    dup2(err_fd, 2);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
  lseek(out_fd, 0, SEEK_SET);
  lseek(err_fd, 0, SEEK_SET);
  result.out = drain(out_fd);
  result.err = drain(err_fd);
  close(in_fd);
  unlink(in_name);
  unlink(out_name);
  unlink(err_name);
  return result;
}

ScratchDirectory::ScratchDirectory() {
  char name[] = "/tmp/kmt_test_XXXXXX";
  root_ = mkdtemp(name);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ScratchDirectory::write(const std::string& name, const std::string& bytes) const {
  const std::string file = path(name);
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}
