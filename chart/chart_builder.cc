// The chart builder.
//
// One pass over the statement records.  Each record's kind decides which row
// emitters run and how the structure stacks move: a block's closing rows are
// prepared when it opens and emitted when it closes, so nested blocks become
// nested columns.  Unbalanced structure (an END without its opener, an ELSE
// outside an IF) shows the structure message and the build goes on.
#include "chart/chart_builder.h"

#include "chart/chart_model.h"
#include "chart/glyphs.h"
#include "chart/row_emitters.h"
#include "driver/messages.h"
#include "driver/workspace.h"
#include "scan/keyword_rows.h"

namespace {

// The builder's own part of the workspace, under a short name.
BuildingPart& b = ws.building;

void advance() { advance_row(); }

// The structure message, at the line of the record that finds no open
// construct for it.
void problem(const char* reason) {
  show_warning(kTextStructureProblem, kTitleAttention, current_source_line(), reason);
}

const StatementRecord& record_at(std::uint32_t index) { return ws.records.statement_table[index]; }

// Kind of the record `ahead` places after the current one; plain text past the last.
std::uint32_t kind_ahead(std::uint32_t ahead) {
  const std::uint32_t index = b.stmt_index + ahead;
  return index < ws.records.stmt_count ? record_at(index).kind : kKindPlainText;
}

bool carries_text(const StatementRecord& record) { return record.has_text != kNo && record.text_length != 0; }

// ---- Structure stacks ---------------------------------------------------------

// The walk stops before a structure stack is full; a push is guarded all the same.
void push_structure(std::uint32_t* stack, std::uint32_t& depth, std::uint32_t value) {
  if (depth >= kStructureStackCapacity) {
    show_fatal(kTextTooLarge, kTitleExcuse, current_source_line(), "more than 40 blocks of one kind open at once");
  }
  stack[depth++] = value;
}

std::uint32_t& case_top() { return b.case_states[b.case_depth - 1]; }

// Emits the top saved row of a stack into the current row.
void pop_saved(const SavedRow* stack, std::uint32_t& depth) {
  emit_saved_pair(stack[depth - 1]);
  --depth;
}

// ---- Blocks -------------------------------------------------------------------

void close_branch_block(const char* reason_when_none) {
  if (b.branch_depth == 0) {
    problem(reason_when_none);
    return;
  }
  pop_saved(b.branch_closers, b.branch_depth);
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
  end_branch(state < kCaseLaterBody);
  advance();
}

void case_body_look_ahead() {
  std::uint32_t next = b.stmt_index + 1;
  while (next < ws.records.stmt_count && record_at(next).marker == kMarkerComment) ++next;
  if (next >= ws.records.stmt_count) return;
  const std::uint32_t kind = record_at(next).kind;
  if (kind == kRowCaseDefault || kind == kRowCase) return;  // an empty branch
  if (b.case_depth == 0) {
    problem("CASE outside SELECT CASE");
    return;
  }
  open_branch_block(case_top() == kCaseNoBranch);
  advance();
  case_top() += kCaseBodyStep;
}

void program_unit_end(bool with_separator, const char* reason_when_none) {
  if (b.closing_depth == 0) {
    problem(reason_when_none);
  } else {
    pop_saved(b.closing_rows, b.closing_depth);
    retemplate_from_row();
    append_text_cell();
    advance();
  }
  if (with_separator) {
    separator_row();
    advance();
  }
}

void end_where() {
  close_branch_block("END WHERE without an open WHERE block");
  keyword_row_and_advance();
}

void if_statement() {
  push_structure(b.if_branches, b.if_depth, 0);
  keyword_row_and_advance();
}

void end_if() {
  if (b.if_depth == 0) {
    problem("END IF without an open IF block");
    keyword_row_and_advance();
    return;
  }
  const std::uint32_t else_ifs = b.if_branches[--b.if_depth];
  for (std::uint32_t i = 0; i <= else_ifs; ++i) close_branch_block("END IF finds a branch of its IF already closed");
  keyword_row_and_advance();
}

void else_if() {
  if (b.if_depth == 0) {
    problem("ELSE IF outside an IF block");
    keyword_row_and_advance();
    return;
  }
  ++b.if_branches[b.if_depth - 1];
  end_branch(true);
  advance();
  keyword_row_and_advance();
}

void then_keyword() {
  open_saved_branch_block();
  keyword_row_and_advance();
}

// ELSE and ELSEWHERE.
void else_branch() {
  end_branch(true);
  advance();
  keyword_row_and_advance();
}

// After the condition of IF, ELSEIF or ELSE IF: a THEN opens the block itself.
void if_condition_close() {
  if (kind_ahead(1) != kRowThen) open_saved_branch_block();
}

void select_case() {
  push_structure(b.case_states, b.case_depth, kCaseNoBranch);
  keyword_row_and_advance();
}

void end_select() {
  if (b.case_depth == 0) {
    problem("END SELECT without SELECT CASE");
    keyword_row_and_advance();
    return;
  }
  const std::uint32_t state = case_top();
  if (state > kCaseBranchClosed) end_case_branch(state);
  close_branch_block("END SELECT finds no open CASE branch");
  --b.case_depth;
  keyword_row_and_advance();
}

void case_default() {
  if (b.case_depth == 0) {
    problem("CASE DEFAULT outside SELECT CASE");
  } else if (case_top() > kCaseBranchClosed) {
    end_case_branch(case_top());
    case_top() = kCaseBranchClosed;
  }
  keyword_row_and_advance();
  case_body_look_ahead();
}

void case_selector() {
  const std::uint32_t state = b.case_depth == 0 ? kCaseNoBranch : case_top();
  if (state > kCaseBranchClosed) {
    end_case_branch(state);
    case_top() = kCaseBranchClosed;
  }
  keyword_row_and_advance();
}

// ---- Loops --------------------------------------------------------------------

void pop_loop_test(const char* reason_when_none) {
  if (b.loop_test_depth == 0) {
    problem(reason_when_none);
    return;
  }
  pop_saved(b.loop_test_rows, b.loop_test_depth);
  after_test_retemplate();
  advance();
}

void open_do(std::uint32_t kind) {
  const bool counted = kCountedDoRows.contains(kind);
  push_structure(b.loop_kinds, b.loop_kind_depth, kind);
  open_head(HeadForm::kLoop);
  advance();
  save_loop_rows();
  if (counted) {
    loop_row();
  } else {
    keyword_row();
  }
  advance();
  if (b.loop_entry_depth == 0) {
    problem("a DO loop without its entry row");
  } else {
    pop_saved(b.loop_entry_rows, b.loop_entry_depth);
    after_entry_retemplate();
    advance();
  }
  // An uncounted loop keeps its test row until its WHILE condition or END DO.
  if (counted) pop_loop_test("a DO loop without its test row");
}

void pop_loop_row(SavedRow* stack, std::uint32_t& depth, const char* reason_when_none) {
  if (depth == 0) {
    problem(reason_when_none);
    return;
  }
  pop_saved(stack, depth);
  advance();
}

void close_do(bool end_do_statement) {
  if (b.loop_kind_depth == 0) {
    problem(end_do_statement ? "END DO without an open DO loop"
                             : "a labelled DO loop ends where no DO loop is open");
    if (end_do_statement) keyword_row_and_advance();
    return;
  }
  const std::uint32_t kind = b.loop_kinds[--b.loop_kind_depth];
  if (kOpenDoRows.contains(kind)) pop_loop_test("the end of a DO loop finds its test row already drawn");
  pop_loop_row(b.loop_return_rows, b.loop_return_depth, "the end of a DO loop finds no return row");
  pop_loop_row(b.loop_exit_rows, b.loop_exit_depth, "the end of a DO loop finds no exit row");
  if (b.closing_depth == 0) {
    problem("the end of a DO loop finds its block already closed by the end of a program unit");
    if (end_do_statement) keyword_row_and_advance();
    return;
  }
  pop_saved(b.closing_rows, b.closing_depth);
  retemplate_from_row();
  advance();
  if (end_do_statement) keyword_row_and_advance();
}

// A WHILE right after an uncounted DO makes it a DO WHILE, whose test row
// comes after the condition.
void while_keyword() {
  if (b.stmt_index > 0 && kOpenDoRows.contains(record_at(b.stmt_index - 1).kind) && b.loop_kind_depth > 0) {
    b.loop_kinds[b.loop_kind_depth - 1] = kRowWhile;
  }
  keyword_row_and_advance();
}

// ---- Statements without a leading keyword -------------------------------------

HeadForm unit_form(std::uint32_t word) {
  if (kSubroutineFormRows.contains(word)) return HeadForm::kSubroutine;
  if (kProgramFormRows.contains(word)) return HeadForm::kProgram;
  return HeadForm::kInterface;
}

// A text record is told apart by the records after it: a program-unit word
// (possibly after "(" ")") makes it a unit head, an "=" an assignment.
void plain_statement() {
  if (b.stmt_index + 1 >= ws.records.stmt_count) return;
  const std::uint32_t next = kind_ahead(1);
  if (next == kRowAmpersand) {
    plain_row();
    advance();
    return;
  }
  const std::uint32_t ahead = next == kRowOpenParen && kind_ahead(2) == kRowCloseParen ? 3 : 1;
  const std::uint32_t word = kind_ahead(ahead);
  if (kUnitWordRows.contains(word)) {
    open_head(unit_form(word));
    append_text_cell();
    advance();
  } else if (word == kRowEquals) {
    assignment_row(caption_of_kind(word));
    advance();
  } else {
    plain_row();
    advance();
  }
}

// ---- Dispatch -----------------------------------------------------------------

void label_row_and_advance() {
  label_row();
  advance();
}

void format_row_and_advance() {
  format_row();
  advance();
}

void bare_row_and_advance() {
  bare_row();
  advance();
}

void plain_row_and_advance() {
  plain_row();
  advance();
}

// The rows that draw a plain keyword row and open or close nothing.
bool is_simple_keyword(std::uint32_t kind) {
  switch (kind) {
    case kRowStop:
    case kRowExit:
    case kRowInquire:
    case kRowEndfile:
    case kRowRewind:
    case kRowBackspace:
    case kRowOpen:
    case kRowRead:
    case kRowPrint:
    case kRowWrite:
    case kRowClose:
    case kRowExitDo:
    case kRowWhere:
    case kRowGoTo:
    case kRowReturn:
    case kRowCall:
      return true;
    default:
      return false;
  }
}

void dispatch_keyword(std::uint32_t kind) {
  if (is_simple_keyword(kind)) return keyword_row_and_advance();
  switch (kind) {
    case kKindPlainText:
      return plain_statement();
    case kRowComment:
    case kRowRemark:
      return;
    case kRowPlaceholder:
      return bare_row_and_advance();
    case kRowEndSubroutine:
      return program_unit_end(true, "END SUBROUTINE without an open program unit");
    case kRowEndFunction:
      return program_unit_end(true, "END FUNCTION without an open program unit");
    case kRowEnd:
      return program_unit_end(true, "END without an open program unit");
    case kRowEndProgram:
      return program_unit_end(false, "END PROGRAM without an open program unit");
    case kRowEndModule:
      return program_unit_end(false, "END MODULE without an open program unit");
    case kRowEndInterface:
      return program_unit_end(false, "END INTERFACE without an open program unit");
    case kRowEndType:
      return program_unit_end(false, "END TYPE without an open program unit");
    case kRowEndWhere:
      return end_where();
    case kRowEndifWord:
    case kRowEndIf:
      return end_if();
    case kRowEndSelect:
      return end_select();
    case kRowEndDo:
      return close_do(true);
    case kRowIf:
      return if_statement();
    case kRowElseifWord:
    case kRowElseIf:
      return else_if();
    case kRowThen:
      return then_keyword();
    case kRowSelectCase:
      return select_case();
    case kRowCaseDefault:
      return case_default();
    case kRowElse:
    case kRowElsewhere:
      return else_branch();
    case kRowCase:
      return case_selector();
    case kRowWhile:
      return while_keyword();
    case kKindLoopEnd:
      return close_do(false);
    case kKindIfClose:
    case kKindElseifWordClose:
    case kKindElseIfClose:
      return if_condition_close();
    case kKindSelectCaseClose:
      return;
    case kKindCaseClose:
      return case_body_look_ahead();
    case kKindWhereClose:
      return open_saved_branch_block();
    case kKindWhileClose:
      return pop_loop_test("a WHILE condition outside a DO loop");
    default:
      break;
  }
  if (kDoRows.contains(kind)) return open_do(kind);
  if (kLabelledContinueRows.contains(kind) || kMeridolLabelRows.contains(kind)) return label_row_and_advance();
  if (kLabelledFormatRows.contains(kind)) return format_row_and_advance();
  plain_row_and_advance();
}

void build_record() {
  const StatementRecord& record = record_at(b.stmt_index);
  if (record.marker == kMarkerComment) {
    if (carries_text(record)) bare_row_and_advance();
    return;
  }
  // The ";" record and the token records of "(", ")", the unit words, the
  // operators, "=" and "&".
  if (record.kind >= kRowSemicolon && record.kind <= kLastTokenKind) {
    if (carries_text(record)) plain_row_and_advance();
    return;
  }
  dispatch_keyword(record.kind);
}

bool last_row_too_wide() {
  if (b.chart_row_count == 0) return false;
  const std::uint32_t last = b.chart_row_count - 1;
  return b.row_cell_counts[last] >= kCellsPerRow || b.connector_depths[last] >= kConnectorLevels;
}

// The first capacity of the chart that the records so far have reached, by
// what it holds; none when all is well.
const char* structure_limit_reached() {
  if (b.case_depth >= kStructureStackCapacity) return "more than 40 SELECT CASE blocks open at once";
  if (b.if_depth >= kStructureStackCapacity) return "more than 40 IF blocks open at once";
  if (b.loop_kind_depth >= kStructureStackCapacity) return "more than 40 DO loops open at once";
  return nullptr;
}

const char* nesting_limit_reached() {
  if (b.branch_depth >= kBranchStackCapacity) return "more than 120 branch blocks open at once";
  if (b.closing_depth >= kClosingStackCapacity) return "more than 170 program units and DO loops open at once";
  if (!last_row_too_wide()) return nullptr;
  const std::uint32_t last = b.chart_row_count - 1;
  if (b.row_cell_counts[last] >= kCellsPerRow) return "a chart row of 46 cells or more: the blocks nest too deep";
  return "a chart row of 41 bracket levels or more: the branches nest too deep";
}

const char* chart_limit_reached() {
  if (b.chart_row_count >= kChartRowCapacity) return "the chart needs more than 100,010 rows";
  if (const char* reason = structure_limit_reached()) return reason;
  return nesting_limit_reached();
}

// The line of the record built last, which took the chart to its limit.
std::uint32_t line_of_last_record() {
  const std::uint32_t index = b.stmt_index < ws.records.stmt_count ? b.stmt_index : ws.records.stmt_count;
  return index > 0 ? record_at(index - 1).source_line : kNoSourceLine;
}

// Tests the limits before a record; false when the walk must stop.
bool within_limits() {
  if (structure_limit_reached() != nullptr) return false;
  if (b.chart_row_count >= kChartRowCapacity) {
    show_fatal(kTextTooLarge, kTitleExcuse, line_of_last_record(), "the chart needs more than 100,010 rows");
  }
  return nesting_limit_reached() == nullptr;
}

void reset_builder() {
  b.chart_row_count = 0;
  b.stored_cell_used = b.stored_level_used = 0;
  b.stmt_index = 0;
  b.closing_depth = b.branch_depth = 0;
  b.loop_entry_depth = b.loop_return_depth = b.loop_test_depth = b.loop_exit_depth = 0;
  b.loop_kind_depth = b.if_depth = b.case_depth = 0;
  b.template_row.cell_count = 1;
  b.template_row.cells[0] = ChartCell{};
  b.template_connectors.connector_depth = 0;
  b.building_row = ChartRow{};
  b.building_connectors = ConnectorRecord{};
}

}  // namespace

void build_chart() {
  reset_builder();
  for (; b.stmt_index < ws.records.stmt_count; ++b.stmt_index) {
    if (!within_limits()) break;
    build_record();
  }
  if (const char* reason = chart_limit_reached()) show_fatal(kTextTooLarge, kTitleExcuse, line_of_last_record(), reason);
}
