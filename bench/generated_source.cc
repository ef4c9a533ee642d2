#include "bench/generated_source.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "tests/support/memory_platform.h"

namespace {

std::string read_whole_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path + "; build the target kmt_bench_sources");
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

const GeneratedSource& generated_source(std::int64_t line_count) {
  static std::map<std::int64_t, GeneratedSource> sources;
  auto found = sources.find(line_count);
  if (found != sources.end()) return found->second;
  GeneratedSource& source = sources[line_count];
  source.path = std::string(KMT_BENCH_SOURCE_DIR) + "/generated_" + std::to_string(line_count) + ".f90";
  source.text = read_whole_file(source.path);
  source.byte_count = source.text.size();
  source.pieces = read_pieces(source.text);
  return source;
}
