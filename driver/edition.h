// The edition a program is built for, chosen when it is compiled.
//
// The conversion sources are compiled once per edition; KMT_EDITION_MERIDOL is
// defined to 1 for the Meridol build and absent (or 0) for the Sorvane build.
// This is the only place that reads the macro: everywhere else the edition is
// the constant kEdition, tested with `if constexpr`, so that every build
// compiles and checks the code of both editions.
#pragma once

#include <cstdint>

#ifndef KMT_EDITION_MERIDOL
#define KMT_EDITION_MERIDOL 0
#endif

enum class Edition : std::uint8_t { kSorvane, kMeridol };

inline constexpr Edition kEdition = KMT_EDITION_MERIDOL != 0 ? Edition::kMeridol : Edition::kSorvane;
inline constexpr bool kMeridolEdition = kEdition == Edition::kMeridol;
inline constexpr const char* kEditionName = kMeridolEdition ? "Meridol" : "Sorvane";

// Which editions an entry of one of the edition lists (the keyword rows, the
// kind symbols) belongs to.
enum class Editions : std::uint8_t { kBoth, kSorvane, kMeridol };

constexpr bool belongs_to(Editions editions, Edition edition) {
  return editions == Editions::kBoth || (editions == Editions::kSorvane) == (edition == Edition::kSorvane);
}

// The 1-based position of entry `index` of a list in `edition`, counting only
// the entries that belong to it; 0 when the entry itself does not belong.
template <typename List>
constexpr std::uint32_t position_in_edition(const List& list, std::uint32_t index, Edition edition) {
  if (!belongs_to(list[index].editions, edition)) return 0;
  std::uint32_t position = 0;
  for (std::uint32_t i = 0; i <= index; ++i) position += belongs_to(list[i].editions, edition) ? 1 : 0;
  return position;
}

// How many entries of a list belong to `edition`.
template <typename List>
constexpr std::uint32_t count_in_edition(const List& list, Edition edition) {
  std::uint32_t count = 0;
  for (const auto& entry : list) count += belongs_to(entry.editions, edition) ? 1 : 0;
  return count;
}
