// The single static workspace of a conversion run.
//
// Every stage of the conversion reads and writes this one record; no stage
// passes data to another through arguments.  The record is zero when the
// process starts (it lives in static storage), and a run sets only the start
// values it needs, so a small source touches only the first pages of the big
// tables.  See note [capacities] for how each fixed size was chosen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "driver/edition.h"

// [capacities]
// Each table has the size the conversion's algorithms are written for.  Where
// one step can write a little more than the limit its test guards (a line that
// appends several records, a row built one cell past the tested limit), the
// storage has that much spare room or the write itself is guarded, so no table
// is ever written out of bounds on any input.

// Paths: any path the platform allows (PATH_MAX on Linux), terminator included.
inline constexpr std::size_t kPathCapacity = 4096;
// One physical line as read: at most 151 characters and the terminator.
inline constexpr std::size_t kLineCapacity = 152;
inline constexpr std::size_t kMaxPieceLength = kLineCapacity - 1;
// The masks hold one byte past a full line: its line feed and terminator.
inline constexpr std::size_t kMaskCapacity = kLineCapacity + 1;
// Raw bytes buffered from the source between reads.
inline constexpr std::size_t kReadBufferCapacity = 1 << 16;
// Composed chart bytes buffered before they reach the chart file.
inline constexpr std::size_t kWriteBufferCapacity = 1 << 16;

// Keyword patterns.
inline constexpr std::size_t kPatternSourceWidth = 40;
inline constexpr std::size_t kCompiledPatternCapacity = 150;
inline constexpr std::size_t kTokensPerPattern = 6;
inline constexpr std::size_t kTokenTextCapacity = 40;
// Rows indexed by the first byte of their first token and by the class of
// the character before it (1 to 4).
inline constexpr std::size_t kBucketCount = 256;
inline constexpr std::size_t kNeighbourClasses = 4;
// Every match claims its first column, so a line has at most one match per column.
inline constexpr std::size_t kMatchListCapacity = kLineCapacity;

// Statement records.
inline constexpr std::uint32_t kStatementCapacity = 100010;
// A span of 151 characters, its line feed and its terminator.
inline constexpr std::size_t kStatementTextCapacity = kMaxPieceLength + 2;
inline constexpr std::size_t kLabelWidth = 6;  // five characters and a terminator
// One entry per record that could ever be appended, plus the 1-based slack and
// the pushes of the line that reaches the table limit.
inline constexpr std::size_t kLabelStackCapacity = kStatementCapacity + kMatchListCapacity + 2;

// Chart rows.
inline constexpr std::uint32_t kChartRowCapacity = 100010;
inline constexpr std::uint32_t kCellsPerRow = 46;
inline constexpr std::uint32_t kConnectorLevels = 41;
// A statement may build a row one or two cells (levels) past the limit that
// the builder tests before the next statement; see note [capacities].
inline constexpr std::uint32_t kCellStorage = kCellsPerRow + 2;
inline constexpr std::uint32_t kLevelStorage = kConnectorLevels + 2;
inline constexpr std::uint32_t kMaxChartColumns = 502;
// One chart line: 502 columns, a two-byte connector glyph, a line feed, a terminator.
inline constexpr std::size_t kChartLineWidth = kMaxChartColumns + 2 + 1 + 1;

// Structure stacks of the chart builder.
inline constexpr std::uint32_t kClosingStackCapacity = 171;
inline constexpr std::uint32_t kBranchStackCapacity = 121;
inline constexpr std::uint32_t kLoopEntryStackCapacity = 121;
inline constexpr std::uint32_t kLoopReturnStackCapacity = 123;
inline constexpr std::uint32_t kLoopTestStackCapacity = 121;
inline constexpr std::uint32_t kLoopExitStackCapacity = 121;
inline constexpr std::uint32_t kStructureStackCapacity = 41;

// ---- Keyword patterns -------------------------------------------------------

struct PatternToken {
  char text[kTokenTextCapacity];
  std::uint32_t length;
  std::uint32_t left_kind;   // 1..4: which neighbour classes may stand before it
  std::uint32_t right_kind;  // 1..4: which neighbour classes may stand after it
};

struct CompiledPattern {
  std::uint32_t token_count;
  PatternToken tokens[kTokensPerPattern];
};

struct MatchRecord {
  std::uint32_t row_number;    // matching row's index + 1
  std::uint32_t start_column;  // first character of token 0
  std::uint32_t after_column;  // first non-blank column after token 0
  std::uint32_t end_column;    // one past the last token
};

// ---- Statement records ------------------------------------------------------

struct StatementRecord {
  std::uint32_t statement_number;
  std::uint32_t kind;
  char marker;        // ' ' ordinary, 'T' condition close, 'E' loop end
  char has_text;      // 'Y' / 'N'
  char keyword_flag;  // 'Y' on a keyword record with text
  std::uint32_t text_length;
  std::uint32_t operand_offset;
  // Where the record's text (its characters, a line feed and a terminator)
  // stands in statement_text; see note [statement-text].
  std::uint32_t text_start;
};

// ---- Chart model ------------------------------------------------------------

struct ChartCell {
  char cell_kind;  // '2', '4', '6' glyph tables, 'P' statement text, 0 empty
  std::uint32_t cell_value;
  std::uint32_t cell_aux;
  std::uint32_t cell_width;
};

struct ChartRow {
  std::uint32_t cell_count;
  ChartCell cells[kCellStorage];
  std::uint32_t row_width;
  char row_marker;
};

// Level d (1-based) is levels[d - 1]; its connector_kind is the cell's value.
struct ConnectorRecord {
  std::uint32_t connector_depth;
  ChartCell levels[kLevelStorage];
  std::uint32_t bracket_end_column;
  std::uint32_t bracket_start_column;
};

// A cell as the row store keeps it: what composition draws from it.
struct StoredCell {
  char cell_kind;
  std::uint16_t cell_width;  // at most one line's text
  std::uint32_t cell_value;
};

// A prepared row with its connectors, kept until its block closes.
struct SavedRow {
  ChartRow row;
  ConnectorRecord connectors;
};

struct Workspace {
  // ---- Run state: small items, cleared as a whole between harness runs ----

  // Conversion run.
  char input_path[kPathCapacity];
  char output_path[kPathCapacity];
  std::FILE* input_file;
  std::FILE* output_file;
  char raw_line[kLineCapacity];
  char work_line[kLineCapacity];

  // Source reader: raw bytes not yet cut into lines.
  unsigned char read_buffer[kReadBufferCapacity];
  std::size_t read_position;
  std::size_t read_length;
  bool read_exhausted;

  // Chart writer: line-end-translated bytes not yet written.
  char write_buffer[kWriteBufferCapacity];
  std::size_t write_length;

  // Keyword patterns.
  std::uint32_t compile_row;
  CompiledPattern compiled_patterns[kCompiledPatternCapacity];
  std::uint32_t semicolon_row;
  std::uint32_t ampersand_row;

  // Line normalisation.
  char quote_mask[kMaskCapacity];
  char taken_mask[kMaskCapacity];
  std::uint32_t first_nonblank;
  std::uint32_t last_nonblank;
  std::uint32_t line_end;
  char line_flag;
  char comment_carry;
  char block_comment;
  char string_carry;

  // Keyword matcher.
  std::uint32_t first_pattern;
  std::uint32_t pattern_count;
  std::uint32_t scan_start_column;
  std::uint32_t scan_end_column;
  std::uint32_t match_count;
  MatchRecord match_list[kMatchListCapacity];
  std::uint32_t matched_tokens;
  std::uint32_t token_starts[kTokensPerPattern];
  std::uint32_t token_ends[kTokensPerPattern];
  std::uint32_t left_class;
  std::uint32_t right_class;
  std::uint32_t line_start_column;  // Meridol: first non-blank column met
  bool line_start_known;
  std::uint8_t row_buckets[kNeighbourClasses][kBucketCount][kCompiledPatternCapacity];
  std::uint8_t bucket_sizes[kNeighbourClasses][kBucketCount];

  // Statement records.
  std::uint32_t stmt_count;
  std::uint32_t statement_text_used;
  std::uint32_t unit_statement_number;

  // Condition and DO-label tracking.
  std::uint32_t condition_depth;
  std::uint32_t condition_keyword;
  std::uint32_t condition_state;
  std::uint32_t one_line_if;
  std::uint32_t end_if_deferred;
  std::uint32_t one_line_where;
  std::uint32_t label_depth;
  char label_probe[kLabelWidth];
  char blank_label[kLabelWidth];
  std::uint32_t label_end_flag;    // Meridol only
  std::uint32_t loop_end_pending;  // Meridol only

  // Chart builder.
  std::uint32_t chart_row_count;
  std::uint32_t stored_cell_used;
  std::uint32_t stored_level_used;
  // The row being built, moved into the row store when it is complete.
  ChartRow building_row;
  ConnectorRecord building_connectors;
  std::uint32_t stmt_index;
  ChartRow template_row;
  ConnectorRecord template_connectors;
  std::uint32_t closing_depth;
  std::uint32_t branch_depth;
  std::uint32_t loop_entry_depth;
  std::uint32_t loop_return_depth;
  std::uint32_t loop_test_depth;
  std::uint32_t loop_exit_depth;
  std::uint32_t loop_kinds[kStructureStackCapacity];
  std::uint32_t loop_kind_depth;
  std::uint32_t if_branches[kStructureStackCapacity];
  std::uint32_t if_depth;
  std::uint32_t case_states[kStructureStackCapacity];
  std::uint32_t case_depth;

  // Composition: the chart line being composed, written out before the next.
  char chart_line[kChartLineWidth];

  // ---- Tables: only the entries a run uses are ever touched ----

  // Entries above a stack's depth are always written before they are read.
  SavedRow closing_rows[kClosingStackCapacity];
  SavedRow branch_closers[kBranchStackCapacity];
  SavedRow loop_entry_rows[kLoopEntryStackCapacity];
  SavedRow loop_return_rows[kLoopReturnStackCapacity];
  SavedRow loop_test_rows[kLoopTestStackCapacity];
  SavedRow loop_exit_rows[kLoopExitStackCapacity];
  char label_stack[kLabelStackCapacity][kLabelWidth];
  StatementRecord statement_table[kStatementCapacity + 1];  // last slot absorbs refused appends
  char statement_text[(kStatementCapacity + 1) * kStatementTextCapacity];
  // The row store (see note [row-store]).
  std::uint32_t row_cell_counts[kChartRowCapacity];
  std::uint32_t row_widths[kChartRowCapacity];
  char row_markers[kChartRowCapacity];
  std::uint32_t connector_depths[kChartRowCapacity];
  std::uint32_t bracket_end_columns[kChartRowCapacity];
  std::uint32_t bracket_start_columns[kChartRowCapacity];
  std::uint32_t row_cell_starts[kChartRowCapacity];
  std::uint32_t row_level_starts[kChartRowCapacity];
  StoredCell stored_cells[kChartRowCapacity * kCellStorage];
  std::uint8_t stored_levels[kChartRowCapacity * kLevelStorage];  // connector kinds
};

// The one workspace of the process.
extern Workspace ws;

// [statement-text]
// Every record has room for a text of 151 characters with its line feed and
// terminator, but most texts are short and many records have none.  So the
// texts stand one after another in statement_text, which holds the full 153
// bytes for every record the table can hold (and one more for the spare slot
// that absorbs appends refused at the table limit); a record keeps where its
// text starts.  No text is ever cut, and a source touches text memory only
// for the characters it has.

// [row-store]
// A chart row is built whole in building_row / building_connectors and then
// moved into the row store.  A row uses a handful of its 46 cells and 41
// connector levels, so the store keeps its fields in tables of their own and
// its cells and levels one row after another in two tables sized for every
// row at full capacity: a row costs the cells and levels it holds, and a
// large chart touches memory in proportion to what it draws.  The store keeps
// what composition reads: a row's first cell_count cells (kind, value and
// width) and the connector kinds of its connector_depth levels.

// Returns the workspace to its process-start state after a run, clearing only
// what a run can have touched.  The conversion itself never needs this (a
// process makes one run); test and fuzzing harnesses that make many runs in
// one process call it between them.
void clear_workspace_after_run();
