// Writes one byte into every page of the first BYTES bytes of the workspace,
// and does nothing else: what the first touch of a run's tables costs by
// itself.  measure.sh times it with the byte count a conversion's peak RSS
// grew by, to show how much of the conversion's time goes to page faults.
// With --large-pages the workspace is first advised onto large pages, as the
// programs advise it for a large source (note [large-pages] in
// app/workspace_memory.cc).
//
//     kmt_touch_pages BYTES [--large-pages]
#include <cstdlib>
#include <cstring>

#include "app/workspace_memory.h"
#include "driver/workspace.h"

namespace {

constexpr std::size_t kPageSize = 4096;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--large-pages") != 0)) return 2;
  if (argc == 3) prefer_large_workspace_pages();
  std::size_t count = std::strtoull(argv[1], nullptr, 10);
  if (count > sizeof ws) count = sizeof ws;
  // volatile, so the compiler keeps writes that nothing reads.
  volatile char* pages = reinterpret_cast<char*>(&ws);
  for (std::size_t offset = 0; offset < count; offset += kPageSize) pages[offset] = 1;
  return 0;
}
