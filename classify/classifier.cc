// The statement classifier.
//
// A line yields, in order: the END IF or END WHERE owed by a one-line IF or
// WHERE on the previous line, a text record for whatever stands before its
// first keyword, and one record per match, with condition-close records after
// the ")" that closes a condition and loop-end records where labelled DO loops
// end.  A keyword's text runs from the keyword to the next keyword, comment
// or ";" (a ";" stays with the text before it); operators, brackets, "=" and
// "&" do not end a text.
#include "classify/classifier.h"

#include "classify/statement_records.h"
#include "classify/tracking.h"
#include "driver/workspace.h"

namespace {

constexpr std::uint32_t kRowComment = 1;
constexpr std::uint32_t kRowRemark = 2;

bool is_comment_row(std::uint32_t row) { return row == kRowComment || row == kRowRemark; }

bool is_labelled_do_row(std::uint32_t row) { return (row >= 51 && row <= 60) || (row >= 62 && row <= 71); }

// Where a text that starts at `cursor` ends: at the next keyword or comment
// taken from match `from` on, or after the next ";"; else after the last
// non-blank character of the line.
std::uint32_t span_end(std::uint32_t from, std::uint32_t cursor) {
  for (std::uint32_t j = from; j < ws.match_count; ++j) {
    const MatchRecord& match = ws.match_list[j];
    if (match.start_column < cursor) continue;
    cursor = match.end_column;
    if (match.row_number < ws.semicolon_row) return match.start_column;
    if (match.row_number == ws.semicolon_row) return match.end_column;
  }
  return ws.last_nonblank + 1;
}

void append_owed_end_if() {
  if (ws.one_line_if != 2 && ws.end_if_deferred == 0) return;
  // A continuation line that begins with "&" still belongs to the IF.
  if (ws.match_list[0].row_number == ws.ampersand_row) {
    ws.end_if_deferred = 1;
    return;
  }
  ws.end_if_deferred = 0;
  append_empty_record(kKindEndIf, ' ', next_number());
}

void append_owed_closings() {
  append_owed_end_if();
  ws.one_line_if = 0;
  if (ws.one_line_where == 2) append_empty_record(kKindEndWhere, ' ', next_number());
  ws.one_line_where = 0;
}

void flush_owed_loop_ends() {
#if KMT_EDITION_MERIDOL
  flush_loop_ends();
#endif
}

void classify_line_without_matches() {
  if (ws.last_nonblank + 1 <= ws.first_nonblank) return;
  flush_owed_loop_ends();
  append_text_record(kKindPlainText, ws.line_flag, next_number(), 'N', ws.first_nonblank, ws.last_nonblank + 1,
                     0);
}

void classify_leading_text() {
  const std::uint32_t boundary = span_end(0, ws.first_nonblank);
  if (boundary <= ws.first_nonblank) return;
  flush_owed_loop_ends();
  append_text_record(kKindPlainText, ws.line_flag, 0, 'N', ws.first_nonblank, boundary, 0);
}

void append_condition_close() {
  const std::uint32_t keyword = ws.condition_keyword;
  if (keyword == kRowIf || keyword == kRowElseIfWord || keyword == kRowElseIf) {
    ws.condition_state = 2;
  } else {
    ws.condition_state = 0;
    if (keyword == kRowWhere) ws.one_line_where = 1;
  }
  append_empty_record(kKindConditionCloseBase + keyword, 'T', 0);
  ws.condition_keyword = 0;
}

// Records a keyword, comment or ";" match.  Returns false when the match adds
// nothing (a comment), so no condition close can follow it.
bool classify_keyword_match(std::uint32_t index) {
  const MatchRecord& match = ws.match_list[index];
  const std::uint32_t row = match.row_number;
  flush_owed_loop_ends();
  // The separator's record carries the statement after it.
  const std::uint32_t begin = row == ws.semicolon_row ? match.end_column : match.start_column;
  const std::uint32_t end = span_end(index + 1, match.end_column);
  if (is_comment_row(row)) return false;
  if (end <= begin) {
    track_match(row, 0, 0);
    append_empty_record(row, ws.line_flag, next_number());
    return true;
  }
  const std::uint32_t length = end - begin;
  const std::uint32_t offset = match.after_column - begin;
  if (is_labelled_do_row(row)) push_do_label(match.after_column);
#if !KMT_EDITION_MERIDOL
  if (row >= 74 && row <= 83) close_labelled_loops(begin);
#endif
  track_match(row, length, offset);
  append_text_record(row, ws.line_flag, next_number(), 'Y', begin, end, offset);
#if KMT_EDITION_MERIDOL
  if (ws.label_end_flag == 1) note_loop_ends(begin);
#endif
  return true;
}

void classify_matches() {
  std::uint32_t cursor = ws.first_nonblank;
  for (std::uint32_t i = 0; i < ws.match_count; ++i) {
    const MatchRecord& match = ws.match_list[i];
    if (match.start_column < cursor) continue;  // inside a match already taken
    cursor = match.end_column;
    if (match.row_number > ws.semicolon_row) {
      track_match(match.row_number, 0, 0);
      append_empty_record(match.row_number, ws.line_flag, next_number());
    } else if (!classify_keyword_match(i)) {
      continue;
    }
    if (ws.condition_state == 1) append_condition_close();
  }
}

}  // namespace

void classify_line() {
  append_owed_closings();
  if (ws.line_flag == 'C') return;
  if (ws.match_count == 0) {
    classify_line_without_matches();
    return;
  }
  classify_leading_text();
  classify_matches();
}
