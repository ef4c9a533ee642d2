#include "bench/generated_source.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "driver/workspace.h"

namespace {

std::string read_whole_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path + "; build the target kmt_bench_sources");
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Cuts the text as the source reader does: CR LF becomes a line feed, and a
// piece ends after its line feed or when it holds 151 bytes.
std::vector<std::string> cut_into_pieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::string piece;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    piece.push_back(text[i]);
    if (text[i] == '\n' || piece.size() == kMaxPieceLength) {
      pieces.push_back(piece);
      piece.clear();
    }
  }
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

}  // namespace

const GeneratedSource& generated_source(std::int64_t line_count) {
  static std::map<std::int64_t, GeneratedSource> sources;
  auto found = sources.find(line_count);
  if (found != sources.end()) return found->second;
  GeneratedSource& source = sources[line_count];
  source.path = std::string(KMT_BENCH_SOURCE_DIR) + "/generated_" + std::to_string(line_count) + ".f90";
  const std::string text = read_whole_file(source.path);
  source.byte_count = text.size();
  source.pieces = cut_into_pieces(text);
  return source;
}
