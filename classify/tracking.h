// Condition tracking and DO-label tracking, consulted match by match by the
// classifier.
#pragma once

#include <cstdint>

#include "driver/capacities.h"

// condition_depth: below kConditionOpen no condition is followed; at it a
// condition keyword has been seen and its bracket is not yet open (or back to
// its outer level); above it, one more per open "(".
inline constexpr std::uint32_t kConditionOpen = 100;

enum ConditionState : std::uint32_t {
  kConditionIdle = 0,
  kConditionJustClosed = 1,  // the ")" just tracked closed the condition
  kConditionIfDecides = 2,   // an IF-family condition closed: the next match decides
};

enum OneLineIf : std::uint32_t {
  kNoIfPending = 0,
  kBlockIf = 1,    // THEN seen on this line
  kEndIfOwed = 2,  // a one-line IF: an END IF is owed before the next line
};

enum OneLineWhere : std::uint32_t {
  kNoWherePending = 0,
  kWhereMaskClosed = 1,  // a WHERE mask closed on this line
  kEndWhereOwed = 2,     // a one-line WHERE: an END WHERE is owed before the next line
};

// end_if_deferred and label_end_flag.
enum Flag : std::uint32_t { kFlagClear = 0, kFlagSet = 1 };

// The tracking's part of the workspace.
struct TrackingPart {
  std::uint32_t condition_depth;
  std::uint32_t condition_keyword;  // the row whose condition is followed, or 0
  ConditionState condition_state;
  OneLineIf one_line_if;
  Flag end_if_deferred;  // set while an owed END IF waits past lines beginning with "&"
  OneLineWhere one_line_where;
  std::uint32_t label_depth;  // entries of label_stack in use; entry label_depth is innermost
  char label_probe[kLabelWidth];
  char blank_label[kLabelWidth];  // five blanks: the template of a label
  Flag label_end_flag;            // Meridol: the match just tracked may end labelled loops
  std::uint32_t loop_end_pending;  // Meridol: loop-end records owed to the next statement
  // ---- Tables: written before they are read, never cleared ----
  char label_stack[kLabelStackCapacity][kLabelWidth];  // 1-based
};

// Follows the condition brackets, decides block or one-line IF and WHERE.
void track_match(std::uint32_t row_number, std::uint32_t text_length, std::uint32_t operand_offset);

// Pushes the label that starts at `column` of work_line (a labelled DO).
void push_do_label(std::uint32_t column);

// Sorvane edition: appends a loop-end record for every loop the label at
// `column` ends, at once.
void close_labelled_loops(std::uint32_t column);

// Meridol edition: counts the loops ended by the label at `column` (a
// labelled statement) ...
void note_loop_ends(std::uint32_t column);
// ... and appends the loop-end records owed since then.
void flush_loop_ends();
