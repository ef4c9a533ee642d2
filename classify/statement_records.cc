// The statement table.
//
// Records are only ever appended; their texts stand one after another in
// statement_text (see note [statement-text]).  One line can append many
// records while the table limit is tested once per line by the conversion
// run, so a record appended when the table is already full goes to the spare
// slot past its end and is not counted: the run then stops at the limit test
// exactly as if the records had been kept.
#include "classify/statement_records.h"

#include <cstring>

#include "driver/workspace.h"
#include "scan/keyword_rows.h"

namespace {

StatementRecord& next_slot() {
  const std::uint32_t count = ws.records.stmt_count;
  return ws.records.statement_table[count < kStatementCapacity ? count : kStatementCapacity];
}

void commit_record() {
  if (ws.records.stmt_count < kStatementCapacity) ++ws.records.stmt_count;
}

// A text for the spare slot goes to the room reserved for it past all others.
std::uint32_t text_room(std::uint32_t length) {
  if (ws.records.stmt_count >= kStatementCapacity) {
    return static_cast<std::uint32_t>(kStatementCapacity * kStatementTextCapacity);
  }
  const std::uint32_t start = ws.records.statement_text_used;
  ws.records.statement_text_used += length + 2;
  return start;
}

void store_text(StatementRecord& record, const char* text, std::uint32_t length) {
  // Spans never pass the end of a line, so a text always fits its room.
  if (length > kMaxPieceLength) length = kMaxPieceLength;
  record.text_length = length;
  record.text_start = text_room(length);
  char* room = ws.records.statement_text + record.text_start;
  std::memcpy(room, text, length);
  room[length] = '\n';
  room[length + 1] = '\0';
}

// The piece in raw_line holds no NUL before line_length (its first NUL),
// and a line feed only as its last byte, since the reader ends a piece at
// its first line feed: so a text of raw_line that ends at or before this
// column holds neither.
std::uint32_t unbroken_line_end() {
  const std::uint32_t length = ws.run.line_length;
  return length > 0 && ws.run.raw_line[length - 1] == '\n' ? length - 1 : length;
}

StatementRecord& start_record(std::uint32_t kind, Marker marker, std::uint32_t number) {
  StatementRecord& record = next_slot();
  record.statement_number = number;
  record.kind = kind;
  record.marker = marker;
  record.source_line = ws.reading.source_line;
  return record;
}

}  // namespace

std::uint32_t next_number() { return ++ws.records.unit_statement_number; }

void append_empty_record(std::uint32_t kind, Marker marker, std::uint32_t number) {
  StatementRecord& record = start_record(kind, marker, number);
  record.has_text = kNo;
  record.keyword_flag = kNo;
  record.operand_offset = 0;
  store_text(record, "", 0);
  record.text_may_break = false;
  commit_record();
}

void append_text_record(std::uint32_t kind, Marker marker, std::uint32_t number, YesNo keyword_flag,
                        std::uint32_t begin, std::uint32_t end, std::uint32_t operand_offset) {
  StatementRecord& record = start_record(kind, marker, number);
  record.has_text = kYes;
  record.keyword_flag = keyword_flag;
  record.operand_offset = operand_offset;
  store_text(record, ws.run.raw_line + begin, end - begin);
  record.text_may_break = end > unbroken_line_end();
  commit_record();
}

void append_loop_end_record() { append_empty_record(kKindLoopEnd, kMarkerLoopEnd, 0); }

StatementRecord& last_record() { return ws.records.statement_table[ws.records.stmt_count - 1]; }

void set_statement_text(StatementRecord& record, const char* text, std::uint32_t length) {
  store_text(record, text, length);
  const char* const stored = statement_text(record);
  record.text_may_break = std::memchr(stored, '\0', record.text_length) != nullptr ||
                          std::memchr(stored, '\n', record.text_length) != nullptr;
}

const char* statement_text(const StatementRecord& record) {
  return ws.records.statement_text + record.text_start;
}
