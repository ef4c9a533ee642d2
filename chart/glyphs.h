// The glyph tables the chart is drawn from, in Shift-JIS (two bytes a glyph).
//
// Three tables, by the width of their entries: cell2 (one glyph), cell4 (two
// glyphs) and kind_symbol (three glyphs: drawing pieces and the captions of
// statement kinds).  A cell of the chart names its entry by index, so each
// table is one ordered list here; every entry has a name, its Shift-JIS
// bytes and the glyph as UTF-8 text, which tests check against the bytes.
#pragma once

#include <array>
#include <cstdint>

#include "driver/edition.h"
#include "scan/keyword_rows.h"

// ---- cell2: two-byte glyphs (cell kind '2') -------------------------------------

#define KMT_CELL2_GLYPHS(GLYPH)                  \
  GLYPH(Spacer, "  ", "  ")                      \
  GLYPH(Vertical, "\x84\xA0", "│")               \
  GLYPH(CornerTop, "\x84\xA2", "┐")              \
  GLYPH(TeeLeft, "\x84\xA7", "┤")                \
  GLYPH(CornerBottom, "\x84\xA3", "┘")           \
  GLYPH(Horizontal, "\x84\x9F", "─")             \
  GLYPH(ArrowLeft, "\x81\xA9", "←")              \
  GLYPH(UnitOpen, "\x81\xA5", "▼")               \
  GLYPH(UnitClose, "\x81\xA3", "▲")              \
  GLYPH(BlockOpen, "\x81\xA4", "▽")              \
  GLYPH(BlockClose, "\x81\xA2", "△")             \
  GLYPH(Spare11, "  ", "  ")                     \
  GLYPH(Spare12, "  ", "  ")                     \
  GLYPH(CornerLowerLeft, "\x84\xA4", "└")        \
  GLYPH(CornerUpperLeft, "\x84\xA1", "┌")        \
  GLYPH(Label, "\x81\x9C", "●")                  \
  GLYPH(Format, "\x81\xA6", "※")

enum Cell2Glyph : std::uint32_t {
#define KMT_CELL2_NAME(Name, bytes, shown) kGlyph##Name,
  KMT_CELL2_GLYPHS(KMT_CELL2_NAME)
#undef KMT_CELL2_NAME
  kCell2Count
};

// ---- cell4: four-byte pieces (cell kind '4') ------------------------------------

#define KMT_CELL4_PIECES(PIECE)                      \
  PIECE(Blank, "    ", "    ")                       \
  PIECE(ReturnArrow, "\x81\xAA  ", "↑  ")            \
  PIECE(LoopEnter, "\x84\xA1\x84\x9F", "┌─")         \
  PIECE(LoopTurn, "\x84\xA4\x84\x9F", "└─")          \
  PIECE(LoopBack, "\x84\xA1\x81\xA9", "┌←")          \
  PIECE(LoopLeave, "\x84\xA4\x81\xA9", "└←")         \
  PIECE(UnitOpen, "\x81\xA5\x81\xA5", "▼▼")          \
  PIECE(UnitClose, "\x81\xA3\x81\xA3", "▲▲")         \
  PIECE(BlockOpen, "\x81\xA4\x81\xA4", "▽▽")         \
  PIECE(BlockClose, "\x81\xA2\x81\xA2", "△△")

enum Cell4Piece : std::uint32_t {
#define KMT_CELL4_NAME(Name, bytes, shown) kPiece4##Name,
  KMT_CELL4_PIECES(KMT_CELL4_NAME)
#undef KMT_CELL4_NAME
  kCell4Count
};

// ---- kind_symbol: six-byte pieces and captions (cell kind '6') --------------------
//
// Rows 0 to 11 are the drawing pieces of lines, spacers and arrows.  From row
// 14 on the captions stand in the order of the keyword rows that draw them,
// each named after its row (the caption of keyword row k is kind_symbol row
// k - 5); "○代入", the caption of an assignment, stands after them.  The
// spare rows are blanks that hold places.

#define KMT_BLANK6 "      "

#define KMT_SPARE_SYMBOLS_69_TO_92(SYMBOL)                                       \
  SYMBOL(Spare69, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare70, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare71, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare72, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare73, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare74, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare75, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare76, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare77, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare78, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare79, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare80, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare81, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare82, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare83, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare84, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare85, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare86, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare87, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare88, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare89, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare90, KMT_BLANK6, KMT_BLANK6, Both) \
  SYMBOL(Spare91, KMT_BLANK6, KMT_BLANK6, Both) SYMBOL(Spare92, KMT_BLANK6, KMT_BLANK6, Both)

#define KMT_MERIDOL_SPARE_SYMBOLS(SYMBOL)                                                        \
  SYMBOL(MeridolSpare1, KMT_BLANK6, KMT_BLANK6, Meridol) SYMBOL(MeridolSpare2, KMT_BLANK6, KMT_BLANK6, Meridol) \
  SYMBOL(MeridolSpare3, KMT_BLANK6, KMT_BLANK6, Meridol) SYMBOL(MeridolSpare4, KMT_BLANK6, KMT_BLANK6, Meridol) \
  SYMBOL(MeridolSpare5, KMT_BLANK6, KMT_BLANK6, Meridol) SYMBOL(MeridolSpare6, KMT_BLANK6, KMT_BLANK6, Meridol) \
  SYMBOL(MeridolSpare7, KMT_BLANK6, KMT_BLANK6, Meridol) SYMBOL(MeridolSpare8, KMT_BLANK6, KMT_BLANK6, Meridol) \
  SYMBOL(MeridolSpare9, KMT_BLANK6, KMT_BLANK6, Meridol) SYMBOL(MeridolSpare10, KMT_BLANK6, KMT_BLANK6, Meridol)

// The ten "◎繰返" captions of a DO family.
#define KMT_LOOP_CAPTIONS(SYMBOL, Name)                                        \
  SYMBOL(Caption##Name##1, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##2, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##3, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##4, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##5, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##6, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##7, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##8, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##9, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)            \
  SYMBOL(Caption##Name##0, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)

#define KMT_KIND_SYMBOLS(SYMBOL)                                                \
  SYMBOL(PieceBlank, KMT_BLANK6, KMT_BLANK6, Both)                            \
  SYMBOL(PieceLine, "\x84\xA0    ", "│    ", Both)                            \
  SYMBOL(PieceUnitMark, "\x81\xA5    ", "▼    ", Both)                        \
  SYMBOL(PieceDecide, "\x81\x9F\x84\x9F\x84\x9F", "◆──", Both)                \
  SYMBOL(PieceTop, "\x84\xA2    ", "┐    ", Both)                             \
  SYMBOL(PieceBranch, "\x84\xA7    ", "┤    ", Both)                          \
  SYMBOL(PieceBottom, "\x84\xA3    ", "┘    ", Both)                          \
  SYMBOL(PieceLeave, "\x84\xA4\x84\x9F\x84\x9F", "└──", Both)                 \
  SYMBOL(PieceJoin, "\x84\xA5\x81\xA9\x81\xA9", "├←←", Both)                  \
  SYMBOL(PieceArrive, "\x81\xA9\x81\xA9\x81\xA9", "←←←", Both)                \
  SYMBOL(PieceLoopExit, "\x84\xA1\x81\xA9\x81\xA9", "┌←←", Both)              \
  SYMBOL(PieceUnitEndMark, "\x81\xA3    ", "▲    ", Both)                     \
  SYMBOL(Spare12, "\x81\xA2\x94\xB2\x8Fo", "△抜出", Both)                     \
  SYMBOL(Spare13, "\x81\xA0\x93\xC7\x8D\x9E", "□読込", Both)                  \
  SYMBOL(CaptionStop, "\x81\xA3\x92\xE2\x8E~", "▲停止", Both)                 \
  SYMBOL(CaptionExit, "\x81\xA2\x94\xB2\x8Fo", "△抜出", Both)                 \
  SYMBOL(CaptionEndWhere, "\x84\xA0\x94\xBB\x8FI", "│判終", Both)             \
  SYMBOL(CaptionInquire, "\x81\xA0\x96\xE2\x8D\x87", "□問合", Both)           \
  SYMBOL(CaptionEndfile, "\x81\xA1\x8FI\x8F\x91", "■終書", Both)              \
  SYMBOL(CaptionRewind, "\x81\xA0\x8A\xAA\x96\xDF", "□巻戻", Both)            \
  SYMBOL(CaptionBackspace, "\x81\xA0\x91O\x96\xDF", "□前戻", Both)            \
  SYMBOL(CaptionOpen, "\x81\xA0\x8AJ\x82\xAD", "□開く", Both)                 \
  SYMBOL(CaptionRead, "\x81\xA0\x93\xC7\x8D\x9E", "□読込", Both)              \
  SYMBOL(CaptionPrint, "\x81\xA1\x8F\x91\x8D\x9E", "■書込", Both)             \
  SYMBOL(CaptionWrite, "\x81\xA1\x8F\x91\x8D\x9E", "■書込", Both)             \
  SYMBOL(CaptionClose, "\x81\xA1\x95\xC2\x82\xB6", "■閉じ", Both)             \
  SYMBOL(CaptionFiller31, KMT_BLANK6, KMT_BLANK6, Both)                       \
  SYMBOL(CaptionEndifWord, "\x84\xA0\x94\xBB\x8FI", "│判終", Both)            \
  SYMBOL(CaptionEndIf, "\x84\xA0\x94\xBB\x8FI", "│判終", Both)                \
  SYMBOL(CaptionEndSelect, "\x84\xA0\x91I\x8FI", "│選終", Both)               \
  SYMBOL(CaptionEndDo, "\x84\xA0\x8CJ\x8FI", "│繰終", Both)                   \
  SYMBOL(CaptionExitDo, KMT_BLANK6, KMT_BLANK6, Both)                         \
  SYMBOL(CaptionIf, "\x81\x9E\x94\xBB\x92\xE8", "◇判定", Both)               \
  SYMBOL(CaptionElseifWord, "\x81\x9E\x94\xBB\x92\xE8", "◇判定", Both)       \
  SYMBOL(CaptionElseIf, "\x81\x9E\x94\xBB\x92\xE8", "◇判定", Both)           \
  SYMBOL(CaptionThen, "\x84\xA0\x90\xAC\x97\xA7", "│成立", Both)             \
  SYMBOL(CaptionSelectCase, "\x81\x9D\x91I\x91\xF0", "◎選択", Both)          \
  SYMBOL(CaptionCaseDefault, "\x81\x9E\x91\xB4\x91\xBC", "◇其他", Both)      \
  SYMBOL(CaptionElse, "\x84\xA0\x95s\x90\xAC", "│不成", Both)                \
  SYMBOL(CaptionCase, "\x81\x9E\x8F\xEA\x8D\x87", "◇場合", Both)             \
  SYMBOL(CaptionElsewhere, "\x84\xA0\x95s\x90\xAC", "│不成", Both)           \
  SYMBOL(CaptionWhere, "\x81\x9E\x94\xBB\x92\xE8", "◇判定", Both)            \
  SYMBOL(CaptionEnd, KMT_BLANK6, KMT_BLANK6, Both)                            \
  SYMBOL(CaptionGoTo, "\x81\xA2\x95\xAA\x8A\xF2", "△分岐", Both)             \
  SYMBOL(CaptionReturn, "\x81\xA2\x95\x9C\x8B\x41", "△復帰", Both)           \
  SYMBOL(CaptionCall, "\x81\x9D\x8C\xC4\x8Fo", "◎呼出", Both)                \
  KMT_LOOP_CAPTIONS(SYMBOL, LabelledCountedDo)                                \
  SYMBOL(CaptionCountedDo, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)           \
  KMT_LOOP_CAPTIONS(SYMBOL, LabelledDo)                                       \
  SYMBOL(CaptionDo, "\x81\x9D\x8CJ\x95\xD4", "◎繰返", Both)                  \
  SYMBOL(CaptionWhile, "\x81\x9E\x94\xCD\x88\xCD", "◇範囲", Both)            \
  KMT_SPARE_SYMBOLS_69_TO_92(SYMBOL)                                          \
  KMT_MERIDOL_SPARE_SYMBOLS(SYMBOL)                                           \
  SYMBOL(CaptionAssign, "\x81\x9B\x91\xE3\x93\xFC", "○代入", Both)           \
  SYMBOL(TailSpare1, KMT_BLANK6, KMT_BLANK6, Both)                            \
  SYMBOL(TailSpare2, KMT_BLANK6, KMT_BLANK6, Sorvane)                         \
  SYMBOL(TailSpare3, KMT_BLANK6, KMT_BLANK6, Sorvane)

struct KindSymbolEntry {
  const char* bytes;
  const char* shown;
  Editions editions;
};

#define KMT_SYMBOL_ENTRY(Name, bytes, shown, editions) {bytes, shown, Editions::k##editions},
inline constexpr KindSymbolEntry kKindSymbolEntries[] = {KMT_KIND_SYMBOLS(KMT_SYMBOL_ENTRY)};
#undef KMT_SYMBOL_ENTRY

enum class SymbolId : std::uint32_t {
#define KMT_SYMBOL_ID(Name, bytes, shown, editions) Name,
  KMT_KIND_SYMBOLS(KMT_SYMBOL_ID)
#undef KMT_SYMBOL_ID
};

// Rows in the edition's kind_symbol table: 97 (Sorvane) or 105 (Meridol).
inline constexpr std::uint32_t kKindSymbolCount = count_in_edition(kKindSymbolEntries, kEdition);

// A symbol the edition lacks: it names no row of its table.
inline constexpr std::uint32_t kNoSuchSymbol = 0xFFFFFFFF;

constexpr std::uint32_t symbol_row(SymbolId symbol) {
  const std::uint32_t position = position_in_edition(kKindSymbolEntries, static_cast<std::uint32_t>(symbol), kEdition);
  return position == 0 ? kNoSuchSymbol : position - 1;
}

// The rows of the edition's kind_symbol table, by name: kPieceLine,
// kCaptionIf, ...
enum KindSymbol : std::uint32_t {
#define KMT_SYMBOL_ROW(Name, bytes, shown, editions) k##Name = symbol_row(SymbolId::Name),
  KMT_KIND_SYMBOLS(KMT_SYMBOL_ROW)
#undef KMT_SYMBOL_ROW
  kCaptionNone = kNoSuchSymbol
};

// The tables themselves; only the first 2, 4 or 6 bytes of an entry are drawn.
extern const char cell2[kCell2Count][3];
extern const char cell4[kCell4Count][5];
extern const std::array<std::array<char, 7>, kKindSymbolCount> kind_symbol;

// UTF-8 text of each entry, as its list shows it.
extern const char* const cell2_shown[kCell2Count];
extern const char* const cell4_shown[kCell4Count];
extern const std::array<const char*, kKindSymbolCount> kind_symbol_shown;

// ---- Captions of the keyword rows -------------------------------------------------

// The kind_symbol row that a keyword row of kind `kind` draws as its caption
// (kCaptionNone for rows that draw none).
std::uint32_t caption_of_kind(std::uint32_t kind);

namespace glyph_checks {

static_assert(kKindSymbolCount == (kMeridolEdition ? 105 : 97));
static_assert(kCaptionAssign == (kMeridolEdition ? 103 : 93) && kCaptionAssign == kRowEquals - 30);
static_assert(kPieceLoopExit == 10 && kCaptionStop == 14 && kCaptionCall == 45 && kCaptionWhile == 68);
// The connector kinds of the chart model are the cell2 glyphs at a
// bracket's vertical line.
static_assert(kGlyphVertical == 1 && kGlyphCornerTop == 2 && kGlyphTeeLeft == 3 && kGlyphCornerBottom == 4);

}  // namespace glyph_checks
