// Writes one byte into every page of the first BYTES bytes of a zero static
// array as large as the workspace, and does nothing else: what the first
// touch of a run's tables costs by itself.  measure.sh times it with the
// byte count a conversion's peak RSS grew by, to show how much of the
// conversion's time goes to page faults.  With --large-pages the array is
// advised onto large pages first, as the programs advise their workspace
// for a large source (see note [large-pages] in app/workspace_memory.cc).
//
//     kmt_touch_pages BYTES [--large-pages]
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "driver/workspace.h"

namespace {

constexpr std::size_t kPageSize = 4096;
constexpr std::uintptr_t kLargePageSize = std::uintptr_t{2} << 20;

char zero_pages[sizeof(Workspace)];

void advise_large_pages() {
  const auto start = reinterpret_cast<std::uintptr_t>(zero_pages);
  const std::uintptr_t first = (start + kLargePageSize - 1) & ~(kLargePageSize - 1);
  const std::uintptr_t last = (start + sizeof zero_pages) & ~(kLargePageSize - 1);
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--large-pages") != 0)) return 2;
  if (argc == 3) advise_large_pages();
  std::size_t count = std::strtoull(argv[1], nullptr, 10);
  if (count > sizeof zero_pages) count = sizeof zero_pages;
  // volatile, so the compiler keeps writes that nothing reads.
  volatile char* pages = zero_pages;
  for (std::size_t offset = 0; offset < count; offset += kPageSize) pages[offset] = 1;
  return 0;
}
