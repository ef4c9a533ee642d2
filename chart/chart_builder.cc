// The chart builder.
//
// One pass over the statement records.  Each record's kind decides which row
// emitters run and how the structure stacks move: a block's closing rows are
// prepared when it opens and emitted when it closes, so nested blocks become
// nested columns.  Unbalanced structure (an END without its opener, an ELSE
// outside an IF) shows the structure message and the build goes on.
#include "chart/chart_builder.h"

#include "chart/chart_model.h"
#include "chart/row_emitters.h"
#include "driver/messages.h"
#include "driver/workspace.h"

namespace {

// Kind codes of the keyword rows the builder dispatches on.
constexpr std::uint32_t kKindPlaceholder = 3;
constexpr std::uint32_t kKindEndSubroutine = 8;
constexpr std::uint32_t kKindEndFunction = 9;
constexpr std::uint32_t kKindEndProgram = 12;
constexpr std::uint32_t kKindEndType = 15;
constexpr std::uint32_t kKindEndWhere = 21;
constexpr std::uint32_t kKindEndIfWord = 32;
constexpr std::uint32_t kKindEndIf = 33;
constexpr std::uint32_t kKindEndSelect = 34;
constexpr std::uint32_t kKindEndDo = 35;
constexpr std::uint32_t kKindIf = 37;
constexpr std::uint32_t kKindElseIfWord = 38;
constexpr std::uint32_t kKindElseIf = 39;
constexpr std::uint32_t kKindThen = 40;
constexpr std::uint32_t kKindSelectCase = 41;
constexpr std::uint32_t kKindCaseDefault = 42;
constexpr std::uint32_t kKindElse = 43;
constexpr std::uint32_t kKindCase = 44;
constexpr std::uint32_t kKindElseWhere = 45;
constexpr std::uint32_t kKindEnd = 47;
constexpr std::uint32_t kKindCountedDoFirst = 51;
constexpr std::uint32_t kKindCountedDoLast = 61;
constexpr std::uint32_t kKindOpenDoFirst = 62;
constexpr std::uint32_t kKindOpenDoLast = 72;
constexpr std::uint32_t kKindWhile = 73;
constexpr std::uint32_t kKindContinueFirst = 74;
constexpr std::uint32_t kKindContinueLast = 83;
constexpr std::uint32_t kKindFormatFirst = 84;
constexpr std::uint32_t kKindFormatLast = 93;
constexpr std::uint32_t kKindMeridolLabelFirst = 94;
constexpr std::uint32_t kKindMeridolLabelLast = 113;
constexpr std::uint32_t kKindTokenLast = 10000;
constexpr std::uint32_t kKindLoopEnd = 20035;
constexpr std::uint32_t kKindIfCloseFirst = 20037;
constexpr std::uint32_t kKindIfCloseLast = 20039;
constexpr std::uint32_t kKindSelectClose = 20041;
constexpr std::uint32_t kKindCaseClose = 20044;
constexpr std::uint32_t kKindWhereClose = 20046;
constexpr std::uint32_t kKindWhileClose = 20073;

// case_states entries.
constexpr std::uint32_t kCaseBranchClosed = 1;
constexpr std::uint32_t kCaseBodyStep = 2;

void advance() { advance_row(); }

void problem() { show_warning(kTextStructureProblem, kTitleAttention); }

const StatementRecord& record_at(std::uint32_t index) { return ws.statement_table[index]; }

// Kind of the record `ahead` places after the current one; 0 past the last.
std::uint32_t kind_ahead(std::uint32_t ahead) {
  const std::uint32_t index = ws.stmt_index + ahead;
  return index < ws.stmt_count ? record_at(index).kind : 0;
}

bool in_range(std::uint32_t kind, std::uint32_t first, std::uint32_t last) { return kind >= first && kind <= last; }

bool carries_text(const StatementRecord& record) { return record.has_text != 'N' && record.text_length != 0; }

// ---- Structure stacks ---------------------------------------------------------

void push_structure(std::uint32_t* stack, std::uint32_t& depth, std::uint32_t value) {
  if (depth >= kStructureStackCapacity) show_fatal(kTextTooLarge, kTitleExcuse);
  stack[depth++] = value;
}

std::uint32_t& case_top() { return ws.case_states[ws.case_depth - 1]; }

// Emits the top saved row of a stack into the current row.
void pop_saved(const SavedRow* stack, std::uint32_t& depth) {
  emit_saved_pair(stack[depth - 1]);
  --depth;
}

// ---- Blocks -------------------------------------------------------------------

void close_branch_block() {
  if (ws.branch_depth == 0) {
    problem();
    return;
  }
  pop_saved(ws.branch_closers, ws.branch_depth);
  retemplate_from_row();
  advance();
}

void keyword_row_and_advance() {
  keyword_row();
  advance();
}

void open_saved_branch_block() {
  open_branch_block(true);
  advance();
}

// Ends the open CASE body: the first body's end opens the bracket, later ones
// join it.
void end_case_branch(std::uint32_t state) {
  end_branch(state < 3);
  advance();
}

void case_body_look_ahead() {
  std::uint32_t next = ws.stmt_index + 1;
  while (next < ws.stmt_count && record_at(next).marker == 'C') ++next;
  if (next >= ws.stmt_count) return;
  const std::uint32_t kind = record_at(next).kind;
  if (kind == kKindCaseDefault || kind == kKindCase) return;  // an empty branch
  if (ws.case_depth == 0) {
    problem();
    return;
  }
  open_branch_block(case_top() == 0);
  advance();
  case_top() += kCaseBodyStep;
}

void program_unit_end(bool with_separator) {
  if (ws.closing_depth == 0) {
    problem();
  } else {
    pop_saved(ws.closing_rows, ws.closing_depth);
    retemplate_from_row();
    append_text_cell();
    advance();
  }
  if (with_separator) {
    separator_row();
    advance();
  }
}

void end_if() {
  if (ws.if_depth == 0) {
    problem();
    keyword_row_and_advance();
    return;
  }
  const std::uint32_t else_ifs = ws.if_branches[--ws.if_depth];
  for (std::uint32_t i = 0; i <= else_ifs; ++i) close_branch_block();
  keyword_row_and_advance();
}

void end_select() {
  if (ws.case_depth == 0) {
    problem();
    keyword_row_and_advance();
    return;
  }
  const std::uint32_t state = case_top();
  if (state > 1) end_case_branch(state);
  close_branch_block();
  --ws.case_depth;
  keyword_row_and_advance();
}

void else_if() {
  if (ws.if_depth == 0) {
    problem();
    keyword_row_and_advance();
    return;
  }
  ++ws.if_branches[ws.if_depth - 1];
  end_branch(true);
  advance();
  keyword_row_and_advance();
}

void case_default() {
  if (ws.case_depth == 0) {
    problem();
  } else if (case_top() > 1) {
    end_case_branch(case_top());
    case_top() = kCaseBranchClosed;
  }
  keyword_row_and_advance();
  case_body_look_ahead();
}

void case_selector() {
  const std::uint32_t state = ws.case_depth == 0 ? 0 : case_top();
  if (state > 1) {
    end_case_branch(state);
    case_top() = kCaseBranchClosed;
  }
  keyword_row_and_advance();
}

// ---- Loops --------------------------------------------------------------------

void pop_loop_test() {
  if (ws.loop_test_depth == 0) {
    problem();
    return;
  }
  pop_saved(ws.loop_test_rows, ws.loop_test_depth);
  after_test_retemplate();
  advance();
}

void open_do(std::uint32_t kind) {
  const bool counted = in_range(kind, kKindCountedDoFirst, kKindCountedDoLast);
  push_structure(ws.loop_kinds, ws.loop_kind_depth, kind);
  open_head(HeadForm::kLoop);
  advance();
  save_loop_rows();
  if (counted) {
    loop_row();
  } else {
    keyword_row();
  }
  advance();
  if (ws.loop_entry_depth == 0) {
    problem();
  } else {
    pop_saved(ws.loop_entry_rows, ws.loop_entry_depth);
    after_entry_retemplate();
    advance();
  }
  // An uncounted loop keeps its test row until its WHILE condition or END DO.
  if (counted) pop_loop_test();
}

void pop_loop_row(SavedRow* stack, std::uint32_t& depth) {
  if (depth == 0) {
    problem();
    return;
  }
  pop_saved(stack, depth);
  advance();
}

void close_do(bool end_do_statement) {
  if (ws.loop_kind_depth == 0) {
    problem();
    if (end_do_statement) keyword_row_and_advance();
    return;
  }
  const std::uint32_t kind = ws.loop_kinds[--ws.loop_kind_depth];
  if (in_range(kind, kKindOpenDoFirst, kKindOpenDoLast)) pop_loop_test();
  pop_loop_row(ws.loop_return_rows, ws.loop_return_depth);
  pop_loop_row(ws.loop_exit_rows, ws.loop_exit_depth);
  if (ws.closing_depth == 0) {
    problem();
    if (end_do_statement) keyword_row_and_advance();
    return;
  }
  pop_saved(ws.closing_rows, ws.closing_depth);
  retemplate_from_row();
  advance();
  if (end_do_statement) keyword_row_and_advance();
}

void while_keyword() {
  if (ws.stmt_index > 0 && in_range(record_at(ws.stmt_index - 1).kind, kKindOpenDoFirst, kKindOpenDoLast) &&
      ws.loop_kind_depth > 0) {
    ws.loop_kinds[ws.loop_kind_depth - 1] = kKindWhile;
  }
  keyword_row_and_advance();
}

// ---- Statements without a leading keyword -------------------------------------

// A text record is told apart by the records after it: a program-unit word
// (possibly after "(" ")") makes it a unit head, an "=" an assignment.
void plain_statement() {
  const std::uint32_t s = ws.semicolon_row;
  const std::uint32_t a = ws.ampersand_row;
  if (ws.stmt_index + 1 >= ws.stmt_count) return;
  const std::uint32_t next = kind_ahead(1);
  if (next == a) {
    plain_row();
    advance();
    return;
  }
  const std::uint32_t ahead = next == s + 2 && kind_ahead(2) == s + 3 ? 3 : 1;
  const std::uint32_t word = kind_ahead(ahead);
  if (word > s + 3 && word < a - 6) {
    const HeadForm form = word < s + 6 ? HeadForm::kSubroutine
                          : word <= s + 7 ? HeadForm::kProgram
                                          : HeadForm::kInterface;
    open_head(form);
    append_text_cell();
    advance();
  } else if (word == a - 1) {
    assignment_row(word - 30);
    advance();
  } else {
    plain_row();
    advance();
  }
}

// ---- Dispatch -----------------------------------------------------------------

void dispatch_keyword(std::uint32_t kind) {
  switch (kind) {
    case 0:
      return plain_statement();
    case 1:
    case 2:
      return;
    case kKindPlaceholder:
      bare_row();
      return advance();
    case kKindEndSubroutine:
    case kKindEndFunction:
    case kKindEnd:
      return program_unit_end(true);
    case kKindEndProgram:
    case kKindEndProgram + 1:
    case kKindEndProgram + 2:
    case kKindEndType:
      return program_unit_end(false);
    case 19:
    case 20:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26:
    case 27:
    case 28:
    case 29:
    case 30:
    case 36:
    case 46:
    case 48:
    case 49:
    case 50:
      return keyword_row_and_advance();
    case kKindEndWhere:
      close_branch_block();
      return keyword_row_and_advance();
    case kKindEndIfWord:
    case kKindEndIf:
      return end_if();
    case kKindEndSelect:
      return end_select();
    case kKindEndDo:
      return close_do(true);
    case kKindIf:
      push_structure(ws.if_branches, ws.if_depth, 0);
      return keyword_row_and_advance();
    case kKindElseIfWord:
    case kKindElseIf:
      return else_if();
    case kKindThen:
      open_saved_branch_block();
      return keyword_row_and_advance();
    case kKindSelectCase:
      push_structure(ws.case_states, ws.case_depth, 0);
      return keyword_row_and_advance();
    case kKindCaseDefault:
      return case_default();
    case kKindElse:
    case kKindElseWhere:
      end_branch(true);
      advance();
      return keyword_row_and_advance();
    case kKindCase:
      return case_selector();
    case kKindWhile:
      return while_keyword();
    case kKindLoopEnd:
      return close_do(false);
    case kKindSelectClose:
      return;
    case kKindCaseClose:
      return case_body_look_ahead();
    case kKindWhereClose:
      return open_saved_branch_block();
    case kKindWhileClose:
      return pop_loop_test();
    default:
      break;
  }
  if (in_range(kind, kKindCountedDoFirst, kKindOpenDoLast)) return open_do(kind);
  if (in_range(kind, kKindContinueFirst, kKindContinueLast) ||
      (kMeridolEdition && in_range(kind, kKindMeridolLabelFirst, kKindMeridolLabelLast))) {
    label_row();
    return advance();
  }
  if (in_range(kind, kKindFormatFirst, kKindFormatLast)) {
    format_row();
    return advance();
  }
  if (in_range(kind, kKindIfCloseFirst, kKindIfCloseLast)) {
    if (kind_ahead(1) != kKindThen) open_saved_branch_block();
    return;
  }
  plain_row();
  advance();
}

void build_record() {
  const StatementRecord& record = record_at(ws.stmt_index);
  if (record.marker == 'C') {
    if (carries_text(record)) {
      bare_row();
      advance();
    }
    return;
  }
  // The ";" record and the token records of "(", ")", the unit words, the
  // operators, "=" and "&".
  if (record.kind >= ws.semicolon_row && record.kind <= kKindTokenLast) {
    if (carries_text(record)) {
      plain_row();
      advance();
    }
    return;
  }
  dispatch_keyword(record.kind);
}

bool structure_limit_reached() {
  return ws.case_depth >= kStructureStackCapacity || ws.if_depth >= kStructureStackCapacity ||
         ws.loop_kind_depth >= kStructureStackCapacity;
}

bool nesting_limit_reached() {
  return ws.branch_depth >= kBranchStackCapacity || ws.closing_depth >= kClosingStackCapacity;
}

bool last_row_too_wide() {
  if (ws.chart_row_count == 0) return false;
  const std::uint32_t last = ws.chart_row_count - 1;
  return ws.row_cell_counts[last] >= kCellsPerRow || ws.connector_depths[last] >= kConnectorLevels;
}

// Tests the limits before a record; false when the walk must stop.
bool within_limits() {
  if (structure_limit_reached()) return false;
  if (ws.chart_row_count >= kChartRowCapacity) show_fatal(kTextTooLarge, kTitleExcuse);
  return !nesting_limit_reached() && !last_row_too_wide();
}

void reset_builder() {
  ws.chart_row_count = 0;
  ws.stored_cell_used = ws.stored_level_used = 0;
  ws.stmt_index = 0;
  ws.closing_depth = ws.branch_depth = 0;
  ws.loop_entry_depth = ws.loop_return_depth = ws.loop_test_depth = ws.loop_exit_depth = 0;
  ws.loop_kind_depth = ws.if_depth = ws.case_depth = 0;
  ws.template_row.cell_count = 1;
  ws.template_row.cells[0] = ChartCell{};
  ws.template_connectors.connector_depth = 0;
  ws.building_row = ChartRow{};
  ws.building_connectors = ConnectorRecord{};
}

}  // namespace

void build_chart() {
  reset_builder();
  for (; ws.stmt_index < ws.stmt_count; ++ws.stmt_index) {
    if (!within_limits()) break;
    build_record();
  }
  if (ws.chart_row_count >= kChartRowCapacity || structure_limit_reached() || nesting_limit_reached() ||
      last_row_too_wide()) {
    show_fatal(kTextTooLarge, kTitleExcuse);
  }
}
