// The glyph tables the chart is drawn from (Shift-JIS, two bytes a glyph).
#pragma once

#include <cstdint>

#include "driver/edition.h"

inline constexpr std::uint32_t kCell2Count = 17;
inline constexpr std::uint32_t kCell4Count = 10;
inline constexpr std::uint32_t kKindSymbolCount = kMeridolEdition ? 105 : 97;

// Two-byte glyphs (cell kind '2').
extern const char cell2[kCell2Count][3];
// Four-byte pieces (cell kind '4').
extern const char cell4[kCell4Count][5];
// Six-byte pieces and statement captions (cell kind '6').  The caption of a
// keyword statement of kind k stands at row k (k <= 18) or k - 5 (k > 18).
extern const char kind_symbol[kKindSymbolCount][7];
