// The statement table and the three ways records are appended to it.
#pragma once

#include <cstdint>

#include "driver/workspace.h"

// Kind codes that are not keyword row numbers.
inline constexpr std::uint32_t kKindPlainText = 0;
inline constexpr std::uint32_t kKindEndWhere = 21;  // the "end where" row
inline constexpr std::uint32_t kKindEndIf = 33;     // the "end if" row
inline constexpr std::uint32_t kKindEndDo = 35;     // the "end do" row
inline constexpr std::uint32_t kKindConditionCloseBase = 20000;
inline constexpr std::uint32_t kKindLoopEnd = kKindConditionCloseBase + kKindEndDo;

// Adds 1 to unit_statement_number and returns the new value.
std::uint32_t next_number();

// Appends a record without text: text_length 0, has_text 'N', text "\n".
void append_empty_record(std::uint32_t kind, char marker, std::uint32_t number);

// Appends a record whose text is raw_line columns [begin, end).
void append_text_record(std::uint32_t kind, char marker, std::uint32_t number, char keyword_flag,
                        std::uint32_t begin, std::uint32_t end, std::uint32_t operand_offset);

// Appends the record that ends one labelled DO loop.
void append_loop_end_record();

// Gives the record the text of `length` characters at `text`, followed by a
// line feed and a terminator (see note [statement-text]).
void set_statement_text(StatementRecord& record, const char* text, std::uint32_t length);

// The record's text: its characters, a line feed and a terminator.
const char* statement_text(const StatementRecord& record);
