// The row emitters: each writes the row at chart_row_count (the builder
// advances afterwards) and some reshape the template or save closing rows.
#pragma once

#include <cstdint>

// Statement rows: the template with the statement's caption in its line cell
// and the statement's text after it.
void plain_row();
void keyword_row();
void loop_row();
void assignment_row(std::uint32_t caption_row);
void label_row();
void format_row();
void bare_row();
void separator_row();

// A decision opens a column to the right; the saved variant prepares the
// block's closing row on branch_closers.
void open_branch_block(bool saved);

// A branch ends into a bracket down the right-hand side: a new bracket level
// or a join into the innermost one.
void end_branch(bool new_bracket);

// The template follows a closing row just emitted.
void retemplate_from_row();

// Program-unit and loop heads, each saving its closing row on closing_rows.
enum class HeadForm { kSubroutine, kProgram, kInterface, kLoop };
void open_head(HeadForm form);

// The four rows of a loop, saved right after its head.
void save_loop_rows();

// The template follows the loop entry row or the loop test row.
void after_entry_retemplate();
void after_test_retemplate();
