// The statement table and the three ways records are appended to it.
#pragma once

#include <cstdint>

#include "driver/capacities.h"
#include "driver/markers.h"

struct StatementRecord {
  std::uint32_t statement_number;  // running number within its unit, or 0; informational
  std::uint32_t kind;              // a keyword row number or a kind of scan/keyword_rows.h
  Marker marker;
  YesNo has_text;
  YesNo keyword_flag;  // on a keyword record that carries text; informational
  // The text may hold a NUL or a line feed; when false it holds neither,
  // and composition writes the lines it is copied into without searching
  // them (see note [plain-lines] in driver/composition.cc).
  bool text_may_break;
  std::uint32_t text_length;
  std::uint32_t operand_offset;  // from the text's start to the keyword's operand
  // Where the record's text (its characters, a line feed and a terminator)
  // stands in statement_text; see note [statement-text].
  std::uint32_t text_start;
  // The physical source line being classified when the record was appended;
  // informational, for messages and views: nothing the chart draws depends on it.
  std::uint32_t source_line;
};

// The statement table's part of the workspace.
struct RecordsPart {
  std::uint32_t stmt_count;
  std::uint32_t statement_text_used;
  std::uint32_t unit_statement_number;  // the running number; 0 at each unit word
  // ---- Tables: written before they are read, never cleared ----
  StatementRecord statement_table[kStatementCapacity + 1];  // last slot absorbs refused appends
  char statement_text[(kStatementCapacity + 1) * kStatementTextCapacity];
};

// [statement-text]
// Every record has room for a text of 151 characters with its line feed and
// terminator, but most texts are short and many records have none.  So the
// texts stand one after another in statement_text, which holds the full 153
// bytes for every record the table can hold (and one more for the spare slot
// that absorbs appends refused at the table limit); a record keeps where its
// text starts.  No text is ever cut, and a source touches text memory only
// for the characters it has.

// Adds 1 to unit_statement_number and returns the new value.
std::uint32_t next_number();

// Appends a record without text: text_length 0, has_text 'N', text "\n".
void append_empty_record(std::uint32_t kind, Marker marker, std::uint32_t number);

// Appends a record whose text is raw_line columns [begin, end).
void append_text_record(std::uint32_t kind, Marker marker, std::uint32_t number, YesNo keyword_flag,
                        std::uint32_t begin, std::uint32_t end, std::uint32_t operand_offset);

// Appends the record that ends one labelled DO loop.
void append_loop_end_record();

// The record appended last; there must be one.
StatementRecord& last_record();

// Gives the record the text of `length` characters at `text`, followed by a
// line feed and a terminator (see note [statement-text]), and searches the
// text for a NUL or a line feed.
void set_statement_text(StatementRecord& record, const char* text, std::uint32_t length);

// The record's text: its characters, a line feed and a terminator.
const char* statement_text(const StatementRecord& record);
