#include "app/tree_walk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <utility>

namespace {

constexpr std::string_view kFortranExtensions[] = {".f90", ".f95", ".f03", ".f08", ".f", ".for", ".ftn"};

bool ends_with_any_case(std::string_view name, std::string_view suffix) {
  if (name.size() < suffix.size()) return false;
  const std::string_view tail = name.substr(name.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
    if (c != suffix[i]) return false;
  }
  return true;
}

FileIdentity identity_of(const struct stat& status) { return FileIdentity{status.st_dev, status.st_ino}; }

std::string base_name(const std::string& path) {
  std::size_t end = path.size();
  while (end > 1 && path[end - 1] == '/') --end;
  const std::size_t slash = path.rfind('/', end - 1);
  return path.substr(slash == std::string::npos ? 0 : slash + 1, end - (slash == std::string::npos ? 0 : slash + 1));
}

class Walker {
 public:
  Walker(const FileIdentity& output_folder, TreeWalk& walk) : output_folder_(output_folder), walk_(walk) {}

  void take_path(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
      cannot_read(path, std::strerror(errno));
      return;
    }
    if (!S_ISDIR(status.st_mode)) {
      take_source(path, base_name(path), status);
      return;
    }
    if (identity_of(status) == output_folder_) {
      walk_.messages.push_back(path + ": not walked (it is the output folder)\n");
      ++walk_.unreadable;  // nothing of it is converted: the run must not end as if it had been
      return;
    }
    if (!walked_.insert(identity_of(status)).second) return;  // the same folder given twice
    walk_folder(path, "");
  }

 private:
  void cannot_read(const std::string& path, const char* reason) {
    walk_.messages.push_back(path + ": cannot be read (" + reason + ")\n");
    ++walk_.unreadable;
  }

  std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
      cannot_read(folder, std::strerror(errno));
      return names;
    }
    errno = 0;
    while (const dirent* entry = readdir(directory)) {
      if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) names.emplace_back(entry->d_name);
      errno = 0;
    }
    if (errno != 0) cannot_read(folder, std::strerror(errno));
    closedir(directory);
    std::sort(names.begin(), names.end());  // the same order on every run and file system
    return names;
  }

  void walk_folder(const std::string& folder, const std::string& relative) {
    for (const std::string& name : names_in(folder)) {
      const std::string path = join_path(folder, name);
      struct stat status {};
      if (stat(path.c_str(), &status) != 0) {
        // A dangling or looping link: its conversion says why it fails.
        if (is_fortran_name(name)) walk_.sources.push_back(TreeSource{path, relative + name});
        continue;
      }
      if (S_ISDIR(status.st_mode)) {
        take_folder(path, relative + name + "/", name, status);
      } else if (S_ISREG(status.st_mode) && is_fortran_name(name)) {
        take_source(path, relative + name, status);
      }
    }
  }

  // A file reached twice for the same chart (given as a PATH and found in a
  // folder given too) is converted once; reached for another chart, it is
  // taken again, its chart a copy of the first one's.
  void take_source(const std::string& path, const std::string& relative, const struct stat& status) {
    if (!taken_.emplace(identity_of(status), relative).second) return;
    walk_.sources.push_back(TreeSource{path, relative});
  }

  void take_folder(const std::string& path, const std::string& relative, const std::string& name,
                   const struct stat& status) {
    if (name[0] == '.' || identity_of(status) == output_folder_) return;
    if (!walked_.insert(identity_of(status)).second) {
      walk_.messages.push_back(path + ": not walked again (a link to a folder already walked)\n");
      return;
    }
    walk_folder(path, relative);
  }

  const FileIdentity output_folder_;
  TreeWalk& walk_;
  std::set<FileIdentity> walked_;
  std::set<std::pair<FileIdentity, std::string>> taken_;  // each source file with its chart
};

}  // namespace

bool is_fortran_name(std::string_view name) {
  for (const std::string_view extension : kFortranExtensions) {
    if (name.size() > extension.size() && ends_with_any_case(name, extension)) return true;
  }
  return false;
}

std::string join_path(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

TreeWalk walk_paths(const std::vector<std::string>& paths, const FileIdentity& output_folder) {
  TreeWalk walk;
  Walker walker(output_folder, walk);
  for (const std::string& path : paths) walker.take_path(path);
  return walk;
}
