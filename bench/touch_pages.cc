// Writes one byte into every page of the first BYTES bytes of a zero static
// array as large as the workspace, and does nothing else: what the first
// touch of a run's tables costs by itself.  measure.sh times it with the
// byte count a conversion's peak RSS grew by, to show how much of the
// conversion's time goes to page faults.
//
//     kmt_touch_pages BYTES
#include <cstdlib>

#include "driver/workspace.h"

namespace {

constexpr std::size_t kPageSize = 4096;

char zero_pages[sizeof(Workspace)];

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::size_t count = std::strtoull(argv[1], nullptr, 10);
  if (count > sizeof zero_pages) count = sizeof zero_pages;
  // volatile, so the compiler keeps writes that nothing reads.
  volatile char* pages = zero_pages;
  for (std::size_t offset = 0; offset < count; offset += kPageSize) pages[offset] = 1;
  return 0;
}
