// Condition and DO-label tracking.
//
// The condition tracker follows the first bracket pair after IF, ELSEIF,
// ELSE IF, SELECT CASE, CASE, WHERE and WHILE.  condition_depth is 100 once
// the keyword is seen and counts one up per "(" inside; the ")" that brings
// it back to 100 closes the condition (condition_state 1), and for the IF
// family the next tracked match decides whether the IF is a block IF (THEN
// alone) or a one-line IF that owes an END IF.
//
// The label tracker keeps the labels of open labelled DO loops, innermost on
// top; only the top is ever compared, so loops sharing a label end together.
#include "classify/tracking.h"

#include <cstring>

#include "classify/statement_records.h"
#include "driver/workspace.h"

namespace {

constexpr std::uint32_t kConditionOpen = 100;

// Rows that make a line a one-line statement: all but the comment rows,
// the "=" row, the "&" row and the rows after it.
bool spreads_one_line(std::uint32_t k) { return k > 2 && k < ws.ampersand_row - 1; }

bool opens_condition(std::uint32_t k) {
  return k == kRowIf || k == kRowElseIfWord || k == kRowElseIf || k == kRowSelectCase || k == kRowCase ||
         k == kRowWhere || k == kRowWhile;
}

void spread_one_line(std::uint32_t k) {
  if (!spreads_one_line(k)) return;
  if (ws.one_line_if != 0) ws.one_line_if = 2;
  if (ws.one_line_where != 0) ws.one_line_where = 2;
}

// Returns true when this match closed the condition.
bool count_condition_bracket(std::uint32_t k) {
  if (ws.condition_depth <= 99 || ws.condition_keyword == 0) return false;
  if (k == ws.semicolon_row + 2) {
    ++ws.condition_depth;
  } else if (k == ws.semicolon_row + 3) {
    --ws.condition_depth;
    if (ws.condition_depth == kConditionOpen) {
      ws.condition_depth = 0;
      ws.condition_state = 1;
      return true;
    }
  }
  return false;
}

// A THEN that stands alone makes a block IF; THEN with statement text after
// it, or any other counted match after the condition, a one-line IF.
// Returns true when the match was the deciding THEN.
bool decide_then(std::uint32_t k, std::uint32_t length, std::uint32_t offset) {
  if (ws.condition_state != 2) return false;
  ws.condition_state = 0;
  if (k == kRowThen) {
    ws.one_line_if = length > 6 && length > offset ? 2 : 1;
    return true;
  }
  ws.one_line_if = 2;
  return false;
}

#if KMT_EDITION_MERIDOL
bool ends_labelled_loops(std::uint32_t k) {
  return (k >= 74 && k <= 83) || (k >= 94 && k <= 103) || (k >= 104 && k <= 113);
}
#endif

// A label is up to five characters from `column`, stopping before a blank or
// after a NUL, padded with blanks; tabs, commas and line feeds belong to it.
void read_label(std::uint32_t column, char* label) {
  std::memcpy(label, ws.blank_label, kLabelWidth);
  for (std::size_t i = 0; i < kLabelWidth - 1; ++i) {
    const char c = ws.work_line[column + i];
    if (c == ' ') break;
    label[i] = c;
    if (c == '\0') break;
  }
}

bool innermost_label_is_probe() {
  return ws.label_depth > 0 && std::strcmp(ws.label_stack[ws.label_depth], ws.label_probe) == 0;
}

}  // namespace

void track_match(std::uint32_t k, std::uint32_t length, std::uint32_t offset) {
  spread_one_line(k);
  if (count_condition_bracket(k)) return;
  if (decide_then(k, length, offset)) return;
  if (opens_condition(k)) {
    ws.condition_depth = kConditionOpen;
    ws.condition_keyword = k;
  }
#if KMT_EDITION_MERIDOL
  if (ends_labelled_loops(k)) ws.label_end_flag = 1;
#endif
}

void push_do_label(std::uint32_t column) {
  // Entries are 1-based; the stack has room for one label per record, so a
  // push is never refused before the table limit ends the run.
  if (ws.label_depth + 1 >= kLabelStackCapacity) return;
  read_label(column, ws.label_stack[ws.label_depth + 1]);
  ++ws.label_depth;
}

#if KMT_EDITION_MERIDOL

void note_loop_ends(std::uint32_t column) {
  ws.label_end_flag = 0;
  ws.loop_end_pending = 0;
  read_label(column, ws.label_probe);
  while (innermost_label_is_probe()) {
    ++ws.loop_end_pending;
    --ws.label_depth;
  }
  // A labelled END DO that ends no loop is an ordinary END DO.
  StatementRecord& last = ws.statement_table[ws.stmt_count - 1];
  if (ws.loop_end_pending == 0 && last.kind >= 94 && last.kind <= 103) last.kind = kKindEndDo;
}

void flush_loop_ends() {
  if (ws.loop_end_pending == 0) return;
  if (ws.statement_table[ws.stmt_count - 1].kind == ws.ampersand_row) return;
  for (std::uint32_t i = 0; i < ws.loop_end_pending; ++i) append_loop_end_record();
  ws.loop_end_pending = 0;
}

#else

void close_labelled_loops(std::uint32_t column) {
  read_label(column, ws.label_probe);
  while (innermost_label_is_probe()) {
    append_loop_end_record();
    --ws.label_depth;
  }
}

#endif
