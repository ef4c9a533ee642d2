// The matcher's memo: the matches of lines already scanned in this run, so
// that a line met again is not scanned again (see note [match-memo] in
// scan/match_memo.cc).
#pragma once

#include <cstdint>

#include "driver/capacities.h"

// One remembered line.  Its bytes in the memo's byte table, from bytes_at:
// the line's text up to and including the byte at text_end; then, unless
// both masks were free at every column before text_end, its quote and taken
// masks there (the key ends here); then the taken mask the scan left before
// text_end, and the match records, four bytes each (row number, start,
// after and end column: every column of a line fits a byte).
struct MatchMemoEntry {
  std::uint32_t hash;
  std::uint32_t bytes_at;
  std::uint8_t text_end;
  std::uint8_t line_end;
  std::uint8_t match_count;
  bool masks_free;
  bool resets_unit_number;  // a program-unit row matched
};

// The memo's counts, emptied with the run's state.
struct MatchMemoState {
  std::uint32_t entry_count;
  std::uint32_t bytes_used;
  // The slots in use: the first slot_mask + 1 (a power of two, grown with
  // the entries, so a small source touches few of them).
  std::uint32_t slot_mask;
  // The line being scanned, once recall_matches has kept its key.
  bool key_kept;
  std::uint32_t claims_before;
};

// The memo's tables.  A slot holds an entry's index + 1, filed from its
// hash on, or 0; the slots in use are cleared whenever their number is set.
struct MatchMemoTables {
  std::uint16_t slots[kMatchMemoSlotCapacity];
  MatchMemoEntry entries[kMatchMemoEntryCapacity];
  char bytes[kMatchMemoByteCapacity + kWordSlack];
};

// Empties the memo: called whenever the rows are indexed anew.
void forget_matches();

// For the line in work_line and its masks, whose text_end is set: when the
// memo holds it, puts its matches, claims and taken mask in place as a scan
// would and returns true.  Otherwise keeps the line's key, when there is
// room, for remember_matches, and returns false.
bool recall_matches();

// After a scan of the line whose key recall_matches kept: remembers its
// matches.
void remember_matches();
