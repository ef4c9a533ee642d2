// Condition and DO-label tracking.
//
// The condition tracker follows the first bracket pair after IF, ELSEIF,
// ELSE IF, SELECT CASE, CASE, WHERE and WHILE.  condition_depth is
// kConditionOpen once the keyword is seen and counts one up per "(" inside;
// the ")" that brings it back closes the condition (kConditionJustClosed),
// and for the IF family the next tracked match decides whether the IF is a
// block IF (THEN alone) or a one-line IF that owes an END IF.
//
// The label tracker keeps the labels of open labelled DO loops, innermost on
// top; only the top is ever compared, so loops sharing a label end together.
// The Sorvane edition ends loops only at a labelled CONTINUE and appends the
// loop ends at once; the Meridol edition also ends them at a labelled END DO
// or any labelled statement, and appends them at the next statement.
#include "classify/tracking.h"

#include <cstring>

#include "classify/statement_records.h"
#include "driver/workspace.h"
#include "scan/keyword_rows.h"

namespace {

bool opens_condition(std::uint32_t k) {
  return k == kRowIf || k == kRowElseifWord || k == kRowElseIf || k == kRowSelectCase || k == kRowCase ||
         k == kRowWhere || k == kRowWhile;
}

void spread_one_line(std::uint32_t k) {
  if (!kOneLineRows.contains(k)) return;
  if (ws.tracking.one_line_if != kNoIfPending) ws.tracking.one_line_if = kEndIfOwed;
  if (ws.tracking.one_line_where != kNoWherePending) ws.tracking.one_line_where = kEndWhereOwed;
}

// Returns true when this match closed the condition.
bool count_condition_bracket(std::uint32_t k) {
  TrackingPart& t = ws.tracking;
  if (t.condition_depth < kConditionOpen || t.condition_keyword == 0) return false;
  if (k == kRowOpenParen) {
    ++t.condition_depth;
  } else if (k == kRowCloseParen) {
    --t.condition_depth;
    if (t.condition_depth == kConditionOpen) {
      t.condition_depth = 0;
      t.condition_state = kConditionJustClosed;
      return true;
    }
  }
  return false;
}

// A THEN that stands alone makes a block IF; THEN with statement text after
// it, or any other counted match after the condition, a one-line IF.
// Returns true when the match was the deciding THEN.
bool decide_then(std::uint32_t k, std::uint32_t length, std::uint32_t offset) {
  TrackingPart& t = ws.tracking;
  if (t.condition_state != kConditionIfDecides) return false;
  t.condition_state = kConditionIdle;
  if (k == kRowThen) {
    t.one_line_if = length > 6 && length > offset ? kEndIfOwed : kBlockIf;
    return true;
  }
  t.one_line_if = kEndIfOwed;
  return false;
}

// Meridol edition: a labelled CONTINUE, a labelled END DO or a bare label.
bool may_end_labelled_loops(std::uint32_t k) {
  return kLabelledContinueRows.contains(k) || kMeridolLabelRows.contains(k);
}

// A label is up to five characters from `column`, stopping before a blank or
// after a NUL, padded with blanks; tabs, commas and line feeds belong to it.
void read_label(std::uint32_t column, char* label) {
  std::memcpy(label, ws.tracking.blank_label, kLabelWidth);
  for (std::size_t i = 0; i < kLabelWidth - 1; ++i) {
    const char c = ws.run.work_line[column + i];
    if (c == ' ') break;
    label[i] = c;
    if (c == '\0') break;
  }
}

bool innermost_label_is_probe() {
  const TrackingPart& t = ws.tracking;
  return t.label_depth > 0 && std::strcmp(t.label_stack[t.label_depth], t.label_probe) == 0;
}

}  // namespace

void track_match(std::uint32_t k, std::uint32_t length, std::uint32_t offset) {
  spread_one_line(k);
  if (count_condition_bracket(k)) return;
  if (decide_then(k, length, offset)) return;
  if (opens_condition(k)) {
    ws.tracking.condition_depth = kConditionOpen;
    ws.tracking.condition_keyword = k;
  }
  if constexpr (kMeridolEdition) {
    if (may_end_labelled_loops(k)) ws.tracking.label_end_flag = kFlagSet;
  }
}

void push_do_label(std::uint32_t column) {
  TrackingPart& t = ws.tracking;
  // Entries are 1-based; the stack has room for one label per record, so a
  // push is never refused before the table limit ends the run.
  if (t.label_depth + 1 >= kLabelStackCapacity) return;
  read_label(column, t.label_stack[t.label_depth + 1]);
  ++t.label_depth;
}

void close_labelled_loops(std::uint32_t column) {
  read_label(column, ws.tracking.label_probe);
  while (innermost_label_is_probe()) {
    append_loop_end_record();
    --ws.tracking.label_depth;
  }
}

void note_loop_ends(std::uint32_t column) {
  TrackingPart& t = ws.tracking;
  t.label_end_flag = kFlagClear;
  t.loop_end_pending = 0;
  read_label(column, t.label_probe);
  while (innermost_label_is_probe()) {
    ++t.loop_end_pending;
    --t.label_depth;
  }
  // A labelled END DO that ends no loop is an ordinary END DO.
  StatementRecord& last = last_record();
  if (t.loop_end_pending == 0 && kLabelledEndDoRows.contains(last.kind)) last.kind = kRowEndDo;
}

void flush_loop_ends() {
  TrackingPart& t = ws.tracking;
  if (t.loop_end_pending == 0) return;
  // A statement continued with "&" is not over yet.
  if (last_record().kind == kRowAmpersand) return;
  for (std::uint32_t i = 0; i < t.loop_end_pending; ++i) append_loop_end_record();
  t.loop_end_pending = 0;
}
