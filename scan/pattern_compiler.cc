// The keyword pattern compiler.
//
// A pattern is up to six tokens separated by blanks.  Each token is literal
// text with an optional mark on each side giving its boundary kind:
//   '"' or ':'  kind 1, only a blank, tab or the line edge may stand there;
//   no mark     kind 2, also ASCII punctuation;
//   '$'         kind 3, also '-';
//   '@'         kind 4, anything.
// A closing mark swallows the character after it unexamined, so a closing
// mark written directly before the next token's opening mark loses that mark.
#include "scan/pattern_compiler.h"

#include <cstring>

#include "driver/workspace.h"

namespace {

bool ends_pattern(char c) { return c == '\0' || c == '\n' || c == '\xFF'; }

bool is_blank_or_tab(char c) { return c == ' ' || c == '\t'; }

constexpr std::uint32_t kNoMark = 0;

// Boundary kind of a mark character, or kNoMark when it is no mark.
std::uint32_t mark_kind(char c) {
  switch (c) {
    case '"':
    case ':':
      return kClassBlank;
    case '$':
      return kClassHyphen;
    case '@':
      return kClassOther;
    default:
      return kNoMark;
  }
}

void note_landmark_rows(const PatternToken& first) {
  const std::uint32_t number = ws.patterns.compile_row + 1;
  if (first.text[0] == ';') ws.patterns.semicolon_row = number;
  if (first.text[0] == '&') ws.patterns.ampersand_row = number;
}

}  // namespace

std::uint32_t compile_pattern() {
  const char* pattern = ws.run.work_line;
  CompiledPattern& row = ws.patterns.compiled_patterns[ws.patterns.compile_row];
  const std::size_t end = std::strlen(pattern);
  std::size_t p = 0;
  std::uint32_t tokens = 0;
  bool finished = false;

  while (!finished && tokens < kTokensPerPattern && p < end) {
    const char c = pattern[p];
    if (ends_pattern(c)) break;
    if (is_blank_or_tab(c)) {
      ++p;
      continue;
    }
    PatternToken& token = row.tokens[tokens];
    token.left_kind = mark_kind(c);
    if (token.left_kind != kNoMark) {
      ++p;
    } else {
      token.left_kind = kClassPunctuation;
    }
    // The text runs to a blank, a closing mark or the end of the pattern.
    std::uint32_t length = 0;
    for (;;) {
      const char t = p < end ? pattern[p] : '\0';
      if (is_blank_or_tab(t)) {
        token.right_kind = kClassPunctuation;
        ++p;
        break;
      }
      if (ends_pattern(t)) {
        token.right_kind = kClassPunctuation;
        finished = true;
        break;
      }
      if (mark_kind(t) != kNoMark) {
        token.right_kind = mark_kind(t);
        p += 2;
        break;
      }
      // Only a 40-byte pattern row is ever compiled, so the text always fits.
      if (length + 1 < kTokenTextCapacity) token.text[length++] = t == '#' ? ' ' : t;
      ++p;
    }
    token.text[length] = '\0';
    token.length = length;
    ++tokens;
  }
  if (tokens > 0) note_landmark_rows(row.tokens[0]);
  return tokens;
}
