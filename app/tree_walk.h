// Finding the Fortran sources of the PATHs a tree conversion is given.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

// One source to convert: the path it is read from, and the path of its
// chart under the output folder, without the chart's extension.
struct TreeSource {
  std::string source;    // "src/sub/x.f"
  std::string relative;  // "sub/x.f"
};

// A file's identity, whatever path reaches it.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
  auto operator<=>(const FileIdentity&) const = default;
};

struct TreeWalk {
  std::vector<TreeSource> sources;  // in the order of the PATHs, each folder in name order
  // Whole message lines about what could not be walked, and notes about
  // what was left out on purpose.
  std::vector<std::string> messages;
  unsigned unreadable = 0;  // PATHs and folders that could not be read
};

// A Fortran source by its name: .f90 .f95 .f03 .f08 .f .for .ftn, in any
// letter case.
bool is_fortran_name(std::string_view name);

// "a" + "b" is "a/b"; "a/" + "b" is "a/b" too.
std::string join_path(const std::string& folder, const std::string& name);

// Walks the PATHs: a file is taken whatever its name (its chart lies at the
// top of the output folder); a folder is walked recursively for Fortran
// sources, each folder once however many links lead to it, and each file
// once for each chart it is reached for.  Hidden folders
// and the output folder (given by its identity) are not walked.  Only
// regular files are taken from folders, and names the system cannot tell
// the kind of (a dangling link), so that their failure is reported.
TreeWalk walk_paths(const std::vector<std::string>& paths, const FileIdentity& output_folder);
