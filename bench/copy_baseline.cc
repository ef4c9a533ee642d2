// The yardstick of bench/measure.sh: reads a source file and writes a file of
// a given size, the least that converting that source into a chart of that
// size must do.  Like the conversion programs it reads and writes through the
// C library in 64 KiB blocks, links only the C library and is started the
// same way, so both times hold the same process start and exit.
//
//     kmt_copy_baseline SOURCE OUTPUT BYTES
//
// Exit status 0 when every byte was read and written, 1 otherwise.
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

// The source's bytes as read; the output repeats its first block.
char block[kBlockSize];
std::size_t block_length = 0;

bool read_source(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  char scratch[kBlockSize];
  std::size_t length;
  while ((length = std::fread(scratch, 1, kBlockSize, file)) > 0) {
    if (block_length == 0) {
      std::memcpy(block, scratch, length);
      block_length = length;
    }
  }
  const bool read_all = std::ferror(file) == 0;
  return std::fclose(file) == 0 && read_all;
}

// Fills the block with the source's first bytes repeated (blanks for an empty
// source), so the output is made of source text, as a chart is.
void fill_block() {
  if (block_length == 0) {
    std::memset(block, ' ', kBlockSize);
    return;
  }
  for (std::size_t i = block_length; i < kBlockSize; ++i) block[i] = block[i % block_length];
}

bool write_output(const char* path, std::size_t count) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  bool written = true;
  while (count > 0 && written) {
    const std::size_t length = count < kBlockSize ? count : kBlockSize;
    written = std::fwrite(block, 1, length, file) == length;
    count -= length;
  }
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: kmt_copy_baseline SOURCE OUTPUT BYTES\n", stderr);
    return 1;
  }
  if (!read_source(argv[1])) return 1;
  fill_block();
  return write_output(argv[2], std::strtoull(argv[3], nullptr, 10)) ? 0 : 1;
}
