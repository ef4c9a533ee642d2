// [large-pages]
// A run touches its tables from their starts, so a large source touches
// several megabytes of zero pages, and on a virtual machine a first touch
// of a small page costs microseconds: about a quarter of a whole run at the
// largest accepted source.  Large pages (2 MiB) cut those faults to a few.
// A small source gains nothing from them and loses by them, because each
// table it touches at all is then cleared in large-page steps; so the
// command line asks for them only when the source is at least
// kLargePageSourceBytes (the two page sizes measured about even near
// 100 KiB).  The tree workers ask for them always: a worker converts
// file after file over the same pages, and they stay.  The advice changes
// nothing but the size of pages; the charts are the same bytes.
#include "app/workspace_memory.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "driver/workspace.h"

namespace {

constexpr std::uintptr_t kLargePageSize = std::uintptr_t{2} << 20;

}  // namespace

void prefer_large_workspace_pages() {
#ifdef MADV_HUGEPAGE
  // Only whole large pages inside the workspace; the rest keeps small pages.
  const auto start = reinterpret_cast<std::uintptr_t>(&ws);
  const std::uintptr_t first = (start + kLargePageSize - 1) & ~(kLargePageSize - 1);
  const std::uintptr_t last = (start + sizeof ws) & ~(kLargePageSize - 1);
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

std::uint64_t source_size(const std::string& path) {
  struct stat status {};
  const int found = path == "-" ? fstat(STDIN_FILENO, &status) : stat(path.c_str(), &status);
  if (found != 0 || !S_ISREG(status.st_mode)) return 0;
  return static_cast<std::uint64_t>(status.st_size);
}
