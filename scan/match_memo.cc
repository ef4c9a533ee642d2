// The matcher's memo.
//
// [match-memo]
// A scan reads nothing of a line but its text up to text_end (the byte at
// text_end only as the right neighbour of a token ending there), its quote
// and taken masks before text_end, line_end, and what is fixed for the run:
// the indexed rows and the scan columns.  Its effects are the match list,
// the claims counted, the taken mask before text_end, and the restart of
// the statement number by a program-unit row.  So a line whose text, masks
// and line_end equal those of a line scanned before in the run gets exactly
// that line's matches, and the memo gives them back without a scan: source
// files repeat many of their lines (END DO, CONTINUE, blank and comment
// lines).  The key is compared whole, never trusted to its hash, and the
// memo is emptied whenever the rows are indexed.  It is used only where
// that reasoning holds without exception: the match list starts empty, the
// text ends at a line feed, NUL or 0xFF inside the scan columns (so a
// search for the next non-blank column stops there), and every match of the
// line was listed.  A line it cannot hold is scanned as usual.
#include "scan/match_memo.h"

#include <cstring>

#include "driver/workspace.h"
#include "scan/keyword_rows.h"
#include "scan/line_words.h"

namespace {

static_assert(kMaskCapacity < 256, "every column of a line fits a byte");
static_assert(kCompiledPatternCapacity < 256, "every row number fits a byte");
static_assert(kMatchMemoEntryCapacity < 65536 && 2 * kMatchMemoEntryCapacity <= kMatchMemoSlotCapacity,
              "a slot holds an entry index + 1, and half the slots hold every entry");
static_assert((kMatchMemoFirstSlotCount & (kMatchMemoFirstSlotCount - 1)) == 0 &&
                  (kMatchMemoSlotCapacity & (kMatchMemoSlotCapacity - 1)) == 0,
              "slots are taken by a mask of the hash");

constexpr std::uint32_t kPackedMatchBytes = 4;

// Both masks of a line where every column is free, for comparing a key that
// left them out.
struct FreeMasks {
  char blanks[kMaskCapacity + kWordSlack];
};

constexpr FreeMasks make_free_masks() {
  FreeMasks masks{};
  for (char& c : masks.blanks) c = ' ';
  return masks;
}

constexpr FreeMasks kFreeMasks = make_free_masks();

MatchMemoState& memo() { return ws.matching.memo; }
MatchMemoTables& tables() { return ws.matching.memo_tables; }

// The line's text bytes up to and including text_end, eight at a time, the
// bytes past it masked off.
std::uint32_t hash_line(std::uint32_t text_end) {
  const std::uint32_t length = text_end + 1;
  std::uint64_t hash = length;
  for (std::uint32_t i = 0; i < length; i += 8) {
    hash = (hash ^ (word_at(ws.run.work_line + i) & byte_mask(length - i))) * 0x9E3779B97F4A7C15u;
    hash ^= hash >> 32;  // a product carries only upwards: fold the high bytes down
  }
  return static_cast<std::uint32_t>(hash);
}

bool masks_are_free(std::uint32_t text_end) {
  for (std::uint32_t i = 0; i < text_end; i += 8) {
    const std::uint64_t differs = (word_at(ws.normalisation.quote_mask + i) ^ kBlankWord) |
                                  (word_at(ws.normalisation.taken_mask + i) ^ kBlankWord);
    if ((differs & byte_mask(text_end - i)) != 0) return false;
  }
  return true;
}

std::uint32_t key_bytes(std::uint32_t text_end, bool masks_free) { return text_end + 1 + (masks_free ? 0 : 2 * text_end); }

// The most a line can need: its key, its taken mask and a match at every column.
std::uint32_t largest_entry_bytes(std::uint32_t text_end) {
  return key_bytes(text_end, false) + text_end + text_end * kPackedMatchBytes;
}

bool memo_applies(std::uint32_t text_end) {
  return memo().slot_mask != 0 && ws.matching.match_count == 0 && text_end <= ws.matching.scan_end_column &&
         ends_text_byte(static_cast<unsigned char>(ws.run.work_line[text_end])) &&
         ws.normalisation.line_end < 256;
}

// The key's parts against the line's, a word of each at a time; the line,
// its masks and the byte table have a word of room past their ends.
bool key_is_line(const MatchMemoEntry& entry, std::uint32_t hash, std::uint32_t text_end) {
  if (entry.hash != hash || entry.text_end != text_end || entry.line_end != ws.normalisation.line_end) return false;
  const char* key = tables().bytes + entry.bytes_at;
  if (key[text_end] != ws.run.work_line[text_end]) return false;
  const char* quotes = entry.masks_free ? kFreeMasks.blanks : key + text_end + 1;
  const char* taken = entry.masks_free ? kFreeMasks.blanks : key + 2 * text_end + 1;
  for (std::uint32_t i = 0; i < text_end; i += 8) {
    const std::uint64_t differs = (word_at(key + i) ^ word_at(ws.run.work_line + i)) |
                                  (word_at(quotes + i) ^ word_at(ws.normalisation.quote_mask + i)) |
                                  (word_at(taken + i) ^ word_at(ws.normalisation.taken_mask + i));
    if ((differs & byte_mask(text_end - i)) != 0) return false;
  }
  return true;
}

void replay(const MatchMemoEntry& entry) {
  const std::uint32_t text_end = entry.text_end;
  const auto* results = reinterpret_cast<const unsigned char*>(tables().bytes + entry.bytes_at +
                                                               key_bytes(text_end, entry.masks_free));
  std::memcpy(ws.normalisation.taken_mask, results, text_end);
  const unsigned char* packed = results + text_end;
  for (std::uint32_t i = 0; i < entry.match_count; ++i, packed += kPackedMatchBytes) {
    ws.matching.match_list[i] = MatchRecord{packed[0], packed[1], packed[2], packed[3]};
  }
  ws.matching.match_count = entry.match_count;
  ws.matching.claims += entry.match_count;
  if (entry.resets_unit_number) ws.records.unit_statement_number = 0;
}

bool lists_unit_row() {
  for (std::uint32_t i = 0; i < ws.matching.match_count; ++i) {
    if (kNumberingUnitRows.contains(ws.matching.match_list[i].row_number)) return true;
  }
  return false;
}

// Files an entry in the first empty slot from its hash on.
void file_entry(std::uint32_t index) {
  std::uint32_t slot = tables().entries[index].hash & memo().slot_mask;
  while (tables().slots[slot] != 0) slot = (slot + 1) & memo().slot_mask;
  tables().slots[slot] = static_cast<std::uint16_t>(index + 1);
}

// Empties the slots in use, so that each is written before it is read.
void clear_slots() { std::memset(tables().slots, 0, (memo().slot_mask + 1) * sizeof tables().slots[0]); }

// Doubles the slots in use once they are half full and files every entry
// anew: a search then meets few other lines before an empty slot.
void grow_slots() {
  if (memo().entry_count * 2 <= memo().slot_mask + 1 || memo().slot_mask + 1 == kMatchMemoSlotCapacity) return;
  memo().slot_mask = memo().slot_mask * 2 + 1;
  clear_slots();
  for (std::uint32_t i = 0; i < memo().entry_count; ++i) file_entry(i);
}

}  // namespace

void forget_matches() {
  memo() = MatchMemoState{};
  memo().slot_mask = kMatchMemoFirstSlotCount - 1;
  clear_slots();
}

bool recall_matches() {
  memo().key_kept = false;
  const std::uint32_t text_end = ws.matching.text_end;
  if (!memo_applies(text_end)) return false;
  const std::uint32_t hash = hash_line(text_end);
  // Slots are never more than half full, so the search ends at an empty one.
  for (std::uint32_t slot = hash & memo().slot_mask;; slot = (slot + 1) & memo().slot_mask) {
    const std::uint32_t filed = tables().slots[slot];
    if (filed == 0) break;
    if (key_is_line(tables().entries[filed - 1], hash, text_end)) {
      replay(tables().entries[filed - 1]);
      return true;
    }
  }
  if (memo().entry_count == kMatchMemoEntryCapacity ||
      kMatchMemoByteCapacity - memo().bytes_used < largest_entry_bytes(text_end)) {
    return false;
  }
  const bool masks_free = masks_are_free(text_end);
  char* key = tables().bytes + memo().bytes_used;
  std::memcpy(key, ws.run.work_line, text_end + 1);
  if (!masks_free) {
    std::memcpy(key + text_end + 1, ws.normalisation.quote_mask, text_end);
    std::memcpy(key + 2 * text_end + 1, ws.normalisation.taken_mask, text_end);
  }
  MatchMemoEntry& kept = tables().entries[memo().entry_count];
  kept = MatchMemoEntry{hash, memo().bytes_used, static_cast<std::uint8_t>(text_end),
                        static_cast<std::uint8_t>(ws.normalisation.line_end), 0, masks_free, false};
  memo().key_kept = true;
  memo().claims_before = ws.matching.claims;
  return false;
}

void remember_matches() {
  if (!memo().key_kept) return;
  memo().key_kept = false;
  const std::uint32_t count = ws.matching.match_count;
  // A line with more matches than its list holds is not remembered.
  if (ws.matching.claims - memo().claims_before != count) return;
  MatchMemoEntry& entry = tables().entries[memo().entry_count];
  const std::uint32_t text_end = entry.text_end;
  auto* results = reinterpret_cast<unsigned char*>(tables().bytes + entry.bytes_at + key_bytes(text_end, entry.masks_free));
  std::memcpy(results, ws.normalisation.taken_mask, text_end);
  unsigned char* packed = results + text_end;
  for (std::uint32_t i = 0; i < count; ++i, packed += kPackedMatchBytes) {
    const MatchRecord& match = ws.matching.match_list[i];
    packed[0] = static_cast<unsigned char>(match.row_number);
    packed[1] = static_cast<unsigned char>(match.start_column);
    packed[2] = static_cast<unsigned char>(match.after_column);
    packed[3] = static_cast<unsigned char>(match.end_column);
  }
  entry.match_count = static_cast<std::uint8_t>(count);
  entry.resets_unit_number = lists_unit_row();
  memo().bytes_used = static_cast<std::uint32_t>(packed - reinterpret_cast<unsigned char*>(tables().bytes));
  file_entry(memo().entry_count++);
  grow_slots();
}
