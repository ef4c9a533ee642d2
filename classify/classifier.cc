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
#include "scan/keyword_rows.h"

namespace {

// Where a text that starts at `cursor` ends: at the next keyword or comment
// taken from match `from` on, or after the next ";"; else after the last
// non-blank character of the line.
std::uint32_t span_end(std::uint32_t from, std::uint32_t cursor) {
  for (std::uint32_t j = from; j < ws.matching.match_count; ++j) {
    const MatchRecord& match = ws.matching.match_list[j];
    if (match.start_column < cursor) continue;
    cursor = match.end_column;
    if (match.row_number < kRowSemicolon) return match.start_column;
    if (match.row_number == kRowSemicolon) return match.end_column;
  }
  return ws.normalisation.last_nonblank + 1;
}

Marker line_marker() { return ws.normalisation.line_flag; }

void append_owed_end_if() {
  TrackingPart& t = ws.tracking;
  if (t.one_line_if != kEndIfOwed && t.end_if_deferred == kFlagClear) return;
  // A continuation line that begins with "&" still belongs to the IF.
  if (ws.matching.match_list[0].row_number == kRowAmpersand) {
    t.end_if_deferred = kFlagSet;
    return;
  }
  t.end_if_deferred = kFlagClear;
  append_empty_record(kKindImplicitEndIf, kMarkerOrdinary, next_number());
}

void append_owed_closings() {
  append_owed_end_if();
  ws.tracking.one_line_if = kNoIfPending;
  if (ws.tracking.one_line_where == kEndWhereOwed) {
    append_empty_record(kKindImplicitEndWhere, kMarkerOrdinary, next_number());
  }
  ws.tracking.one_line_where = kNoWherePending;
}

void flush_owed_loop_ends() {
  if constexpr (kMeridolEdition) flush_loop_ends();
}

void classify_line_without_matches() {
  const NormalisationPart& line = ws.normalisation;
  if (line.last_nonblank + 1 <= line.first_nonblank) return;
  flush_owed_loop_ends();
  append_text_record(kKindPlainText, line_marker(), next_number(), kNo, line.first_nonblank, line.last_nonblank + 1,
                     0);
}

void classify_leading_text() {
  const std::uint32_t first = ws.normalisation.first_nonblank;
  const std::uint32_t boundary = span_end(0, first);
  if (boundary <= first) return;
  flush_owed_loop_ends();
  append_text_record(kKindPlainText, line_marker(), 0, kNo, first, boundary, 0);
}

void append_condition_close() {
  TrackingPart& t = ws.tracking;
  const std::uint32_t keyword = t.condition_keyword;
  if (keyword == kRowIf || keyword == kRowElseifWord || keyword == kRowElseIf) {
    t.condition_state = kConditionIfDecides;
  } else {
    t.condition_state = kConditionIdle;
    if (keyword == kRowWhere) t.one_line_where = kWhereMaskClosed;
  }
  append_empty_record(condition_close_kind(keyword), kMarkerConditionClose, 0);
  t.condition_keyword = 0;
}

void close_sorvane_loops(std::uint32_t row, std::uint32_t text_start) {
  if constexpr (!kMeridolEdition) {
    if (kLabelledContinueRows.contains(row)) close_labelled_loops(text_start);
  }
}

void note_meridol_loop_ends(std::uint32_t text_start) {
  if constexpr (kMeridolEdition) {
    if (ws.tracking.label_end_flag == kFlagSet) note_loop_ends(text_start);
  }
}

bool is_labelled_do(std::uint32_t row) {
  return kLabelledCountedDoRows.contains(row) || kLabelledOpenDoRows.contains(row);
}

// Records a keyword, comment or ";" match.  Returns false when the match adds
// nothing (a comment), so no condition close can follow it.
bool classify_keyword_match(std::uint32_t index) {
  const MatchRecord& match = ws.matching.match_list[index];
  const std::uint32_t row = match.row_number;
  flush_owed_loop_ends();
  // The separator's record carries the statement after it.
  const std::uint32_t begin = row == kRowSemicolon ? match.end_column : match.start_column;
  const std::uint32_t end = span_end(index + 1, match.end_column);
  if (kCommentRows.contains(row)) return false;
  if (end <= begin) {
    track_match(row, 0, 0);
    append_empty_record(row, line_marker(), next_number());
    return true;
  }
  const std::uint32_t length = end - begin;
  const std::uint32_t offset = match.after_column - begin;
  if (is_labelled_do(row)) push_do_label(match.after_column);
  close_sorvane_loops(row, begin);
  track_match(row, length, offset);
  append_text_record(row, line_marker(), next_number(), kYes, begin, end, offset);
  note_meridol_loop_ends(begin);
  return true;
}

void classify_matches() {
  std::uint32_t cursor = ws.normalisation.first_nonblank;
  for (std::uint32_t i = 0; i < ws.matching.match_count; ++i) {
    const MatchRecord& match = ws.matching.match_list[i];
    if (match.start_column < cursor) continue;  // inside a match already taken
    cursor = match.end_column;
    if (match.row_number > kRowSemicolon) {
      track_match(match.row_number, 0, 0);
      append_empty_record(match.row_number, line_marker(), next_number());
    } else if (!classify_keyword_match(i)) {
      continue;
    }
    if (ws.tracking.condition_state == kConditionJustClosed) append_condition_close();
  }
}

}  // namespace

void classify_line() {
  append_owed_closings();
  if (ws.normalisation.line_flag == kMarkerComment) return;
  if (ws.matching.match_count == 0) {
    classify_line_without_matches();
    return;
  }
  classify_leading_text();
  classify_matches();
}
