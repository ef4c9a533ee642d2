// The progress line of a tree conversion on a terminal: files done of the
// total, the rate, the time left and the file last started, redrawn in place.
#pragma once

#include <chrono>
#include <string>

class TreeProgress {
 public:
  // Draws nothing unless `shown` (standard error is a terminal, not --quiet).
  TreeProgress(bool shown, unsigned total);

  void started(const std::string& source);
  void finished();

  // Writes lines to standard error in one write, the progress line (when
  // shown) taken away before them and drawn again after.
  void print(const std::string& lines);

  // Takes the progress line away for good.
  void clear();

  // The line for `done` of `total` files after `seconds`, cut to `width` columns.
  static std::string line(unsigned done, unsigned total, double seconds, const std::string& current, unsigned width);

 private:
  void draw(bool always);

  bool shown_;
  unsigned total_;
  unsigned done_ = 0;
  std::string current_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point drawn_;
  bool visible_ = false;
};

// Writes all the bytes to the descriptor; false when it could not.
bool write_all(int descriptor, const std::string& bytes);
