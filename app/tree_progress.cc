#include "app/tree_progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Carriage return and erase to the end of the line.
constexpr const char* kEraseLine = "\r\033[K";
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

unsigned terminal_width() {
  struct winsize size {};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

std::string minutes_and_seconds(double seconds) {
  const long whole = static_cast<long>(seconds + 0.5);
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

}  // namespace

bool write_all(int descriptor, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(descriptor, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

TreeProgress::TreeProgress(bool shown, unsigned total)
    : shown_(shown), total_(total), start_(std::chrono::steady_clock::now()), drawn_(start_) {}

void TreeProgress::started(const std::string& source) {
  current_ = source;
  draw(false);
}

void TreeProgress::finished() {
  ++done_;
  draw(done_ == total_);
}

void TreeProgress::print(const std::string& lines) {
  if (lines.empty()) return;
  write_all(STDERR_FILENO, visible_ ? kEraseLine + lines : lines);
  visible_ = false;
  draw(true);
}

void TreeProgress::clear() {
  if (visible_) write_all(STDERR_FILENO, kEraseLine);
  visible_ = false;
}

std::string TreeProgress::line(unsigned done, unsigned total, double seconds, const std::string& current,
                               unsigned width) {
  std::string text = std::to_string(done) + "/" + std::to_string(total) + " files";
  if (done > 0 && seconds > 0) {
    const double rate = done / seconds;
    char figure[32];
    std::snprintf(figure, sizeof figure, ", %.0f/s, ", rate);
    text += figure + minutes_and_seconds((total - done) / rate) + " left";
  }
  text += "  " + current;
  // Cut to the terminal's width, never inside a UTF-8 character, so the line never wraps.
  if (width > 1 && text.size() >= width) {
    std::size_t cut = width - 1;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
  }
  return text;
}

void TreeProgress::draw(bool always) {
  if (!shown_) return;
  const auto now = std::chrono::steady_clock::now();
  if (!always && visible_ && now - drawn_ < kRedrawInterval) return;
  drawn_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  write_all(STDERR_FILENO, kEraseLine + line(done_, total_, seconds, current_, terminal_width()));
  visible_ = true;
}
