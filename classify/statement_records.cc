// The statement table.
//
// Records are only ever appended.  One line can append many records while the
// table limit is tested once per line by the conversion run, so a record
// appended when the table is already full goes to the spare slot past its end
// and is not counted: the run then stops at the limit test exactly as if the
// records had been kept.
#include "classify/statement_records.h"

#include <cstring>

#include "driver/workspace.h"

namespace {

StatementRecord& next_slot() {
  return ws.statement_table[ws.stmt_count < kStatementCapacity ? ws.stmt_count : kStatementCapacity];
}

void commit_record() {
  if (ws.stmt_count < kStatementCapacity) ++ws.stmt_count;
}

StatementRecord& start_record(std::uint32_t kind, char marker, std::uint32_t number) {
  StatementRecord& record = next_slot();
  record.statement_number = number;
  record.kind = kind;
  record.marker = marker;
  return record;
}

}  // namespace

std::uint32_t next_number() { return ++ws.unit_statement_number; }

void append_empty_record(std::uint32_t kind, char marker, std::uint32_t number) {
  StatementRecord& record = start_record(kind, marker, number);
  record.has_text = 'N';
  record.keyword_flag = 'N';
  record.text_length = 0;
  record.operand_offset = 0;
  record.text[0] = '\n';
  record.text[1] = '\0';
  commit_record();
}

void append_text_record(std::uint32_t kind, char marker, std::uint32_t number, char keyword_flag,
                        std::uint32_t begin, std::uint32_t end, std::uint32_t operand_offset) {
  StatementRecord& record = start_record(kind, marker, number);
  const std::uint32_t length = end - begin;
  record.has_text = 'Y';
  record.keyword_flag = keyword_flag;
  record.text_length = length;
  record.operand_offset = operand_offset;
  std::memcpy(record.text, ws.raw_line + begin, length);
  record.text[length] = '\n';
  record.text[length + 1] = '\0';
  commit_record();
}

void append_loop_end_record() { append_empty_record(kKindLoopEnd, 'E', 0); }
