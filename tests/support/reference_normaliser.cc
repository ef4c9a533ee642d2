#include "tests/support/reference_normaliser.h"

#include <cstring>

#include "driver/workspace.h"

namespace {

bool blank_or_tab(char c) { return c == ' ' || c == '\t'; }
const char* line() { return ws.run.work_line; }

bool only_blanks_after(std::size_t i, std::size_t n) {
  for (std::size_t j = i + 1; j < n && line()[j] != '\n'; ++j) {
    if (!blank_or_tab(line()[j])) return false;
  }
  return true;
}

bool delimiting_quote(std::size_t i) {
  if (i == 0) return true;
  const unsigned char before = static_cast<unsigned char>(line()[i - 1]);
  if (i == 1) return before != '\\';
  const unsigned char two = static_cast<unsigned char>(line()[i - 2]);
  return !(before == '\\' && two >= 0x20 && two <= 0x7D && two != '\\');
}

void put_line_end(std::size_t column) {
  NormalisationPart& n = ws.normalisation;
  n.line_end = static_cast<std::uint32_t>(column);
  n.quote_mask[column] = n.taken_mask[column] = '\n';
  n.quote_mask[column + 1] = n.taken_mask[column + 1] = '\0';
}

}  // namespace

void normalise_line_column_by_column() {
  NormalisationPart& norm = ws.normalisation;
  norm.line_flag = norm.comment_carry;
  const std::size_t n = std::strlen(line());
  norm.first_nonblank = 999;
  norm.last_nonblank = 0;
  if (n == 0) {
    norm.cut_state = PieceState{' ', ' ', ' '};
    put_line_end(0);
    return;
  }
  const bool starts_line = !ws.reading.piece_continues_line;
  PieceState s{' ', ' ', ' '};
  if (!starts_line) {
    s = norm.cut_state;
    if (s.in_comment != ' ') norm.line_flag = kMarkerComment;
  }
  const std::size_t length = line()[n - 1] == '\n' ? n - 1 : n;
  for (std::size_t i = 0; i < length; ++i) {
    const char c = line()[i];
    if (i < norm.first_nonblank && !blank_or_tab(c)) norm.first_nonblank = static_cast<std::uint32_t>(i);
    if (i > norm.last_nonblank && !blank_or_tab(c) && c != '\n') norm.last_nonblank = static_cast<std::uint32_t>(i);
    if (c == '\t') {
      norm.quote_mask[i] = norm.taken_mask[i] = '\t';
    } else if (s.in_comment != ' ') {
      norm.taken_mask[i] = s.in_comment;
      norm.quote_mask[i] = ' ';
    } else {
      norm.taken_mask[i] = ' ';
      if (c == '&') {
        if (s.in_double == ' ' && s.in_single == ' ') {
          if (norm.string_carry == '"') s.in_double = '"';
          if (norm.string_carry == '\'') s.in_single = '\'';
          norm.string_carry = ' ';
        } else if (only_blanks_after(i, n)) {
          norm.string_carry = s.in_double != ' ' ? '"' : '\'';
        }
      }
      const bool delimits = (c == '"' || c == '\'') && delimiting_quote(i);
      if (delimits && c == '"') {
        norm.quote_mask[i] = s.in_single;
        if (s.in_single == ' ') s.in_double = s.in_double == ' ' ? '"' : ' ';
      } else if (delimits) {
        norm.quote_mask[i] = s.in_double;
        if (s.in_double == ' ') s.in_single = s.in_single == ' ' ? '\'' : ' ';
      } else {
        norm.quote_mask[i] = s.in_double != ' ' ? '"' : s.in_single != ' ' ? '\'' : ' ';
      }
    }
    if (norm.block_comment == ' ' && s.in_comment == ' ') {
      if (i > 0 && c == '*' && line()[i - 1] == '/') {
        norm.block_comment = '*';
        norm.comment_carry = kMarkerComment;
      }
      if (c == '!') s.in_comment = '!';
      if (i == 0 && starts_line && (c == 'c' || c == 'd' || c == '*')) {
        s.in_comment = '!';
        norm.line_flag = kMarkerComment;
      }
    }
  }
  norm.cut_state = s;
  put_line_end(length);
}
