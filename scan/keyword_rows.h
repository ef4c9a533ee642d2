// The keyword rows: every row of the keyword table, once, in table order.
//
// A row's place is its identity.  The matcher reports a match by the row's
// number (index + 1 in the edition's table), and that number is the kind code
// of the statement record the classifier makes of it, so every later stage
// tells statements apart by it.  This list is the only place where a row's
// number is decided: the pattern table that is compiled, the row names used
// as kind codes (kRow...), the named ranges of rows and the caption a row
// draws all come from it, and no other file does arithmetic on row numbers.
//
// Each entry: ROW(Name, pattern text, caption, editions)
//   Name      kRow<Name> is the row's number in the edition being built
//   pattern   the pattern text (see scan/pattern_compiler.cc); the table
//             adds the line feed
//   caption   the kind symbol a keyword row of this kind draws (Caption<X> in
//             chart/glyphs.h), or None for rows that never draw a caption
//   editions  Both, Sorvane or Meridol
//
// The Meridol edition replaces ten filler rows of the Sorvane edition with
// twenty label rows, which moves every later row ten numbers on.
#pragma once

#include <cstdint>

#include "driver/edition.h"

// A family of ten rows for the digits 1, 2, ..., 9, 0, in that order; each
// row's caption is the kind symbol named after the row.
#define KMT_DIGIT_ROWS(ROW, Name, before, after, editions) \
  ROW(Name##1, before "1" after, Name##1, editions)        \
  ROW(Name##2, before "2" after, Name##2, editions)        \
  ROW(Name##3, before "3" after, Name##3, editions)        \
  ROW(Name##4, before "4" after, Name##4, editions)        \
  ROW(Name##5, before "5" after, Name##5, editions)        \
  ROW(Name##6, before "6" after, Name##6, editions)        \
  ROW(Name##7, before "7" after, Name##7, editions)        \
  ROW(Name##8, before "8" after, Name##8, editions)        \
  ROW(Name##9, before "9" after, Name##9, editions)        \
  ROW(Name##0, before "0" after, Name##0, editions)

// The same for a family whose rows draw no caption.
#define KMT_UNCAPTIONED_DIGIT_ROWS(ROW, Name, before, after, editions) \
  ROW(Name##1, before "1" after, None, editions)                   \
  ROW(Name##2, before "2" after, None, editions)                   \
  ROW(Name##3, before "3" after, None, editions)                   \
  ROW(Name##4, before "4" after, None, editions)                   \
  ROW(Name##5, before "5" after, None, editions)                   \
  ROW(Name##6, before "6" after, None, editions)                   \
  ROW(Name##7, before "7" after, None, editions)                   \
  ROW(Name##8, before "8" after, None, editions)                   \
  ROW(Name##9, before "9" after, None, editions)                   \
  ROW(Name##0, before "0" after, None, editions)

// The filler rows hold places in the numbering; their one token is the
// two-byte Shift-JIS "─" standing alone.
#define KMT_FILLER "\"\x84\x9F\""

#define KMT_KEYWORD_ROWS(ROW)                                                          \
  ROW(Comment, "@!@", None, Both)                 /* a "!" anywhere: a comment */     \
  ROW(Remark, "$Rem\"", None, Both)               /* upper case: never matches */     \
  ROW(Placeholder, KMT_FILLER, None, Both)        /* drawn as a bare row */           \
  ROW(Filler4, KMT_FILLER, None, Both)                                                \
  ROW(Filler5, KMT_FILLER, None, Both)                                                \
  ROW(Filler6, KMT_FILLER, None, Both)                                                \
  ROW(Filler7, KMT_FILLER, None, Both)                                                \
  ROW(EndSubroutine, "\"end@  @subroutine\"", None, Both)                             \
  ROW(EndFunction, "\"end@  @function\"", None, Both)                                 \
  ROW(Filler10, KMT_FILLER, None, Both)                                               \
  ROW(Filler11, KMT_FILLER, None, Both)                                               \
  ROW(EndProgram, "\"end@  @program\"", None, Both)                                   \
  ROW(EndModule, "\"end@  @module\"", None, Both)                                     \
  ROW(EndInterface, "\"end@  @interface\"", None, Both)                               \
  ROW(EndType, "\"end@  @type\"", None, Both)                                         \
  ROW(Filler16, KMT_FILLER, None, Both)                                               \
  ROW(Filler17, KMT_FILLER, None, Both)                                               \
  ROW(Filler18, KMT_FILLER, None, Both)                                               \
  ROW(Stop, "\"stop\"", Stop, Both)                                                   \
  ROW(Exit, "\"exit\"", Exit, Both)                                                   \
  ROW(EndWhere, "\"end@  @where\"", EndWhere, Both)                                   \
  ROW(Inquire, "\"inquire$", Inquire, Both)                                           \
  ROW(Endfile, "\"endfile@", Endfile, Both)                                           \
  ROW(Rewind, "\"rewind@", Rewind, Both)                                              \
  ROW(Backspace, "\"backspace@", Backspace, Both)                                     \
  ROW(Open, "\"open$", Open, Both)                                                    \
  ROW(Read, "\"read$", Read, Both)                                                    \
  ROW(Print, "\"print$", Print, Both)                                                 \
  ROW(Write, "\"write$", Write, Both)                                                 \
  ROW(Close, "\"close$", Close, Both)                                                 \
  ROW(Filler31, KMT_FILLER, Filler31, Both)                                           \
  ROW(EndifWord, "\"endif\"", EndifWord, Both)    /* ENDIF as one word */             \
  ROW(EndIf, "\"end\"  \"if\"", EndIf, Both)                                          \
  ROW(EndSelect, "\"end@  @select\"", EndSelect, Both)                                \
  ROW(EndDo, "\"end@  @do\"", EndDo, Both)                                            \
  ROW(ExitDo, "\"exit\"  \"do\"", ExitDo, Both)   /* Exit claims the word first */    \
  ROW(If, "\"if$", If, Both)                                                          \
  ROW(ElseifWord, "\"elseif$", ElseifWord, Both)  /* ELSEIF as one word */            \
  ROW(ElseIf, "\"else\"  \"if$", ElseIf, Both)                                        \
  ROW(Then, "\"then\"", Then, Both)                                                   \
  ROW(SelectCase, "\"select@  @case$", SelectCase, Both)                              \
  ROW(CaseDefault, "\"case@  @default\"", CaseDefault, Both)                          \
  ROW(Else, "\"else\"", Else, Both)                                                   \
  ROW(Case, "\"case$", Case, Both)                                                    \
  ROW(Elsewhere, "\"elsewhere$", Elsewhere, Both)                                     \
  ROW(Where, "\"where$", Where, Both)                                                 \
  ROW(End, "\"end\"", End, Both)                                                      \
  ROW(GoTo, "\"go@  @to\"", GoTo, Both)                                               \
  ROW(Return, "\"return\"", Return, Both)                                             \
  ROW(Call, "\"call\"", Call, Both)                                                   \
  /* DO, a label beginning with the digit, then "=" */                                \
  KMT_DIGIT_ROWS(ROW, LabelledCountedDo, "\"do\"  \"", "@  @=@", Both)                \
  ROW(CountedDo, "\"do\"  @=@", CountedDo, Both)                                      \
  /* DO, a label beginning with the digit (also a DO WHILE holding such a number) */  \
  KMT_DIGIT_ROWS(ROW, LabelledDo, "\"do\"  \"", "@", Both)                            \
  ROW(Do, "\"do\"", Do, Both)                                                         \
  ROW(While, "\"while$", While, Both)                                                 \
  KMT_UNCAPTIONED_DIGIT_ROWS(ROW, LabelledContinue, "\"", "@  \"continue\"", Both)    \
  KMT_UNCAPTIONED_DIGIT_ROWS(ROW, LabelledFormat, "\"", "@  \"format$", Both)         \
  /* The Sorvane edition's fillers where the Meridol edition has its label rows */    \
  ROW(SorvaneFiller1, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller2, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller3, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller4, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller5, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller6, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller7, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller8, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller9, KMT_FILLER, None, Sorvane)                                      \
  ROW(SorvaneFiller10, KMT_FILLER, None, Sorvane)                                     \
  KMT_UNCAPTIONED_DIGIT_ROWS(ROW, LabelledEndDo, "\"", "@  \"end@  @do\"", Meridol)   \
  /* a label; matches only at the line's first non-blank column */                    \
  KMT_UNCAPTIONED_DIGIT_ROWS(ROW, Label, "\"", "@", Meridol)                          \
  ROW(TailFiller1, KMT_FILLER, None, Both)                                            \
  ROW(TailFiller2, KMT_FILLER, None, Both)                                            \
  ROW(TailFiller3, KMT_FILLER, None, Both)                                            \
  ROW(TailFiller4, KMT_FILLER, None, Both)                                            \
  ROW(Semicolon, "@;@", None, Both)               /* the statement separator */       \
  ROW(TypeParen, "\"type$  @(@", None, Both)      /* TYPE followed later by "(" */    \
  ROW(OpenParen, "@(@", None, Both)                                                   \
  ROW(CloseParen, "@)@", None, Both)                                                  \
  ROW(Subroutine, "\"subroutine\"", None, Both)                                       \
  ROW(Function, "\"function\"", None, Both)                                           \
  ROW(Program, "\"program\"", None, Both)                                             \
  ROW(Module, "\"module\"", None, Both)                                               \
  ROW(Interface, "\"interface\"", None, Both)                                         \
  ROW(Type, "\"type\"", None, Both)                                                   \
  ROW(EqualEqual, "@==@", None, Both)                                                 \
  ROW(LessEqual, "@<=@", None, Both)                                                  \
  ROW(GreaterEqual, "@>=@", None, Both)                                               \
  ROW(NotEqual, "@/=@", None, Both)                                                   \
  ROW(DotEnd, "@.\"", None, Both)                 /* "." before a blank or the end */ \
  ROW(Equals, "@=@", Assign, Both)                /* an assignment */                 \
  ROW(Ampersand, "@&@", None, Both)               /* continuation */                  \
  /* the digit standing alone as a word */                                            \
  KMT_UNCAPTIONED_DIGIT_ROWS(ROW, Digit, "\"", "\"", Both)

// ---- The list as data -------------------------------------------------------

struct KeywordRowEntry {
  const char* name;
  const char* pattern;
  Editions editions;
};

#define KMT_ROW_ENTRY(Name, pattern, caption, editions) {#Name, pattern, Editions::k##editions},
inline constexpr KeywordRowEntry kKeywordRowEntries[] = {KMT_KEYWORD_ROWS(KMT_ROW_ENTRY)};
#undef KMT_ROW_ENTRY

// Every row's place in the list, whatever the edition.
enum class RowId : std::uint32_t {
#define KMT_ROW_ID(Name, pattern, caption, editions) Name,
  KMT_KEYWORD_ROWS(KMT_ROW_ID)
#undef KMT_ROW_ID
};

// The number a row has in an edition's table; 0 when the edition lacks it.
constexpr std::uint32_t row_number_in(Edition edition, RowId row) {
  return position_in_edition(kKeywordRowEntries, static_cast<std::uint32_t>(row), edition);
}

// Rows in an edition's table: 134 (Sorvane) or 144 (Meridol).
constexpr std::uint32_t keyword_row_count_in(Edition edition) { return count_in_edition(kKeywordRowEntries, edition); }
inline constexpr std::uint32_t kKeywordRowCount = keyword_row_count_in(kEdition);

// A row the edition being built does not have: no kind code ever equals it.
inline constexpr std::uint32_t kNoSuchRow = 0xFFFFFFFF;

constexpr std::uint32_t row_number(RowId row) {
  const std::uint32_t number = row_number_in(kEdition, row);
  return number == 0 ? kNoSuchRow : number;
}

// The row numbers of the edition being built, by name: kRowIf, kRowCall, ...
enum KeywordRow : std::uint32_t {
#define KMT_ROW_NUMBER(Name, pattern, caption, editions) kRow##Name = row_number(RowId::Name),
  KMT_KEYWORD_ROWS(KMT_ROW_NUMBER)
#undef KMT_ROW_NUMBER
};

// ---- Named ranges -------------------------------------------------------------

// Consecutive rows from `first` to `last`; empty when the edition lacks them.
struct RowRange {
  std::uint32_t first;
  std::uint32_t last;
  constexpr bool contains(std::uint32_t kind) const { return first <= kind && kind <= last; }
};

constexpr RowRange row_range(RowId first, RowId last) {
  const std::uint32_t from = row_number(first);
  const std::uint32_t to = row_number(last);
  if (from == kNoSuchRow || to == kNoSuchRow) return RowRange{1, 0};
  return RowRange{from, to};
}

// The comment rows: they end a statement's text and make no record.
inline constexpr RowRange kCommentRows = row_range(RowId::Comment, RowId::Remark);
// DO with a control variable: labelled (by the label's first digit) or not.
inline constexpr RowRange kLabelledCountedDoRows = row_range(RowId::LabelledCountedDo1, RowId::LabelledCountedDo0);
inline constexpr RowRange kCountedDoRows = row_range(RowId::LabelledCountedDo1, RowId::CountedDo);
// DO without a control variable: labelled, or the bare DO.
inline constexpr RowRange kLabelledOpenDoRows = row_range(RowId::LabelledDo1, RowId::LabelledDo0);
inline constexpr RowRange kOpenDoRows = row_range(RowId::LabelledDo1, RowId::Do);
// Every DO row.
inline constexpr RowRange kDoRows = row_range(RowId::LabelledCountedDo1, RowId::Do);
inline constexpr RowRange kLabelledContinueRows = row_range(RowId::LabelledContinue1, RowId::LabelledContinue0);
inline constexpr RowRange kLabelledFormatRows = row_range(RowId::LabelledFormat1, RowId::LabelledFormat0);
// Meridol only (empty in the Sorvane edition): a label and END DO, a bare
// label, and both families together.
inline constexpr RowRange kLabelledEndDoRows = row_range(RowId::LabelledEndDo1, RowId::LabelledEndDo0);
inline constexpr RowRange kLabelRows = row_range(RowId::Label1, RowId::Label0);
inline constexpr RowRange kMeridolLabelRows = row_range(RowId::LabelledEndDo1, RowId::Label0);
// The rows from the separator on: they follow the statement's text, and
// (but for the separator itself) carry none of their own.
inline constexpr RowRange kTokenRows = row_range(RowId::Semicolon, RowId::Digit0);
// The program-unit words: the first four reset the statement numbering; all
// six make the text before them a unit head, in three forms.
inline constexpr RowRange kNumberingUnitRows = row_range(RowId::Subroutine, RowId::Module);
inline constexpr RowRange kUnitWordRows = row_range(RowId::Subroutine, RowId::Type);
inline constexpr RowRange kSubroutineFormRows = row_range(RowId::Subroutine, RowId::Function);
inline constexpr RowRange kProgramFormRows = row_range(RowId::Program, RowId::Module);
// The rows that make an IF or WHERE a one-line statement when they follow
// its condition: all but the comment rows, the "=" row, the "&" row and the
// rows after it.
inline constexpr RowRange kOneLineRows = row_range(RowId::Placeholder, RowId::DotEnd);
// The rows the matcher tries: the whole Sorvane table in both editions, so
// the Meridol table's standalone digits take no part in matching and both
// editions find the same landmark rows.
inline constexpr std::uint32_t kCompiledRowCount = keyword_row_count_in(Edition::kSorvane);

// ---- Kind codes beyond the rows -------------------------------------------------

// A statement without a leading keyword.
inline constexpr std::uint32_t kKindPlainText = 0;
// Records of the rows up to here are keyword or token records; the pseudo
// records of the classifier lie above.
inline constexpr std::uint32_t kLastTokenKind = 10000;
// The close of the condition opened by keyword row k is 20000 + k.
inline constexpr std::uint32_t kConditionCloseBase = 20000;
constexpr std::uint32_t condition_close_kind(std::uint32_t keyword_row) { return kConditionCloseBase + keyword_row; }
inline constexpr std::uint32_t kKindIfClose = condition_close_kind(kRowIf);
inline constexpr std::uint32_t kKindElseifWordClose = condition_close_kind(kRowElseifWord);
inline constexpr std::uint32_t kKindElseIfClose = condition_close_kind(kRowElseIf);
inline constexpr std::uint32_t kKindSelectCaseClose = condition_close_kind(kRowSelectCase);
inline constexpr std::uint32_t kKindCaseClose = condition_close_kind(kRowCase);
inline constexpr std::uint32_t kKindWhereClose = condition_close_kind(kRowWhere);
inline constexpr std::uint32_t kKindWhileClose = condition_close_kind(kRowWhile);
// The closes after IF, ELSEIF and ELSE IF.
inline constexpr RowRange kIfFamilyCloseKinds{kKindIfClose, kKindElseIfClose};
// One labelled DO loop ends here: 20000 plus the END DO row.
inline constexpr std::uint32_t kKindLoopEnd = condition_close_kind(kRowEndDo);
// The implicit END IF and END WHERE of one-line statements carry the kinds of
// those rows.
inline constexpr std::uint32_t kKindImplicitEndIf = kRowEndIf;
inline constexpr std::uint32_t kKindImplicitEndWhere = kRowEndWhere;

// The row's name ("If", "LabelledContinue1", ...) for a kind code of the
// edition being built; an empty name for codes that name no row.
const char* keyword_row_name(std::uint32_t kind);

// ---- What the table's users rely on ---------------------------------------------

namespace keyword_rows_checks {

constexpr std::uint32_t sorvane(RowId row) { return row_number_in(Edition::kSorvane, row); }
constexpr std::uint32_t meridol(RowId row) { return row_number_in(Edition::kMeridol, row); }

static_assert(keyword_row_count_in(Edition::kSorvane) == 134 && keyword_row_count_in(Edition::kMeridol) == 144);
static_assert(kCompiledRowCount == 134 && meridol(RowId::Ampersand) == kCompiledRowCount);

// The landmark rows and the rows found at fixed distances from them.
static_assert(sorvane(RowId::Semicolon) == 108 && meridol(RowId::Semicolon) == 118);
static_assert(sorvane(RowId::Ampersand) == 124 && meridol(RowId::Ampersand) == 134);
static_assert(kRowTypeParen == kRowSemicolon + 1 && kRowOpenParen == kRowSemicolon + 2 &&
              kRowCloseParen == kRowSemicolon + 3 && kRowSubroutine == kRowSemicolon + 4 &&
              kRowFunction == kRowSemicolon + 5 && kRowProgram == kRowSemicolon + 6 &&
              kRowModule == kRowSemicolon + 7 && kRowInterface == kRowSemicolon + 8 &&
              kRowType == kRowSemicolon + 9);
static_assert(kRowEqualEqual == kRowAmpersand - 6 && kRowLessEqual == kRowAmpersand - 5 &&
              kRowGreaterEqual == kRowAmpersand - 4 && kRowNotEqual == kRowAmpersand - 3 &&
              kRowDotEnd == kRowAmpersand - 2 && kRowEquals == kRowAmpersand - 1);
static_assert(kRowType == kRowAmpersand - 7);

// The rows the classifier, the tracking and the builder name, where the
// table puts them.
static_assert(kRowComment == 1 && kRowRemark == 2 && kRowPlaceholder == 3);
static_assert(kRowEndSubroutine == 8 && kRowEndFunction == 9 && kRowEndProgram == 12 && kRowEndType == 15);
static_assert(kRowStop == 19 && kRowEndWhere == 21 && kRowClose == 30 && kRowEndifWord == 32 && kRowEndIf == 33);
static_assert(kRowEndDo == 35 && kRowExitDo == 36 && kRowIf == 37 && kRowThen == 40 && kRowSelectCase == 41);
static_assert(kRowCaseDefault == 42 && kRowElse == 43 && kRowCase == 44 && kRowWhere == 46 && kRowEnd == 47);
static_assert(kRowCall == 50 && kRowLabelledCountedDo1 == 51 && kRowCountedDo == 61 && kRowDo == 72);
static_assert(kRowWhile == 73 && kRowLabelledContinue1 == 74 && kRowLabelledFormat0 == 93);
static_assert(meridol(RowId::LabelledEndDo1) == 94 && meridol(RowId::Label1) == 104 && meridol(RowId::Label0) == 113);
static_assert(sorvane(RowId::LabelledEndDo1) == 0 && sorvane(RowId::Label0) == 0);

// Rows 1 to 93 are the same in both editions; every later row common to
// both lies ten rows further on in the Meridol edition.
constexpr bool meridol_rows_ten_on() {
  for (std::uint32_t i = 0; i < sizeof kKeywordRowEntries / sizeof kKeywordRowEntries[0]; ++i) {
    const std::uint32_t s = sorvane(static_cast<RowId>(i));
    const std::uint32_t m = meridol(static_cast<RowId>(i));
    if (s == 0 || m == 0) continue;
    if (m != (s > 93 ? s + 10 : s)) return false;
  }
  return true;
}
static_assert(meridol_rows_ten_on());

// Ranges hold their rows consecutively.
static_assert(kCountedDoRows.last == kLabelledCountedDoRows.last + 1 && kOpenDoRows.last == kLabelledOpenDoRows.last + 1);
static_assert(kDoRows.first == kCountedDoRows.first && kDoRows.last == kOpenDoRows.last &&
              kOpenDoRows.first == kCountedDoRows.last + 1);
static_assert(kRowElseifWord == kRowIf + 1 && kRowElseIf == kRowIf + 2);

}  // namespace keyword_rows_checks
