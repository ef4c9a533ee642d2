#include "driver/source_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "driver/capacities.h"
#include "tests/support/memory_platform.h"

namespace {

// The reader as a C-library text-mode line read with a 152-byte limit sees
// the source: CR LF pairs made line feeds, then cut after each line feed and
// after every 151 bytes of a longer line.  A lone CR is data.
std::vector<SourcePiece> expected_pieces(const std::string& source) {
  std::string text;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n') continue;
    text += source[i];
  }
  std::vector<SourcePiece> pieces;
  bool continues = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t feed = text.find('\n', start);
    const std::size_t line_end = feed == std::string::npos ? text.size() : feed + 1;
    const std::size_t end = line_end - start > kMaxPieceLength ? start + kMaxPieceLength : line_end;
    pieces.push_back({text.substr(start, end - start), continues});
    continues = end != line_end;
    start = end;
  }
  return pieces;
}

void expect_pieces(const std::string& source, const std::string& what) {
  const std::vector<SourcePiece> got = read_pieces(source);
  const std::vector<SourcePiece> want = expected_pieces(source);
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].text, want[i].text) << what << ", piece " << i;
    EXPECT_EQ(got[i].continues_line, want[i].continues_line) << what << ", piece " << i;
  }
}

// CRs alone, in pairs, before line feeds, in long lines and at the edges of
// the read buffer, over several buffers.
TEST(SourceReader, CutsLinesAndTranslatesCrLfAsATextModeRead) {
  std::mt19937 random(7);
  const char kAlphabet[] = {'a', 'b', ' ', '\r', '\n'};
  for (int round = 0; round < 8; ++round) {
    std::string source;
    const std::size_t size = 2 * kReadBufferCapacity + random() % 4096;
    const unsigned cr_share = round % 4;  // from no CR at all to many
    while (source.size() < size) {
      const unsigned pick = random() % 64;
      if (pick < cr_share * 2) {
        source += '\r';
      } else if (pick < 8) {
        source += '\n';
      } else if (pick == 8) {
        source += std::string(random() % 400, 'x');  // a line of several pieces
      } else {
        source += kAlphabet[random() % 3];
      }
    }
    expect_pieces(source, "round " + std::to_string(round));
  }
  // A CR as the last byte of a buffer, before and not before a line feed.
  for (const char* after : {"\n", "x\n", "\r\n"}) {
    std::string source(kReadBufferCapacity - 1, 'y');
    for (std::size_t i = 100; i < source.size(); i += 100) source[i] = '\n';
    expect_pieces(source + "\r" + after + "end\n", std::string("CR at the edge, then ") + (after[0] == '\n' ? "LF" : after));
  }
}

}  // namespace
