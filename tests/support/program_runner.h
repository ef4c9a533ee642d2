// Runs a built program and collects what it printed and its exit status.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ProgramResult {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs the program with the arguments, in `directory` when one is given, with
// `input` on its standard input (empty by default).
ProgramResult run_program(const std::string& program, const std::vector<std::string>& args,
                          const std::string& directory = "", const std::string& input = "");

// A fresh directory for one test's files, removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::string path(const std::string& name) const { return (root_ / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path root_;
};

std::string read_file(const std::string& path);
