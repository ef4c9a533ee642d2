// The messages of the conversion: their texts and titles, and how a stage
// shows one.
//
// A message box shows the Japanese text and the English title alone.  Every
// message also says where and why: the source line it belongs to (0 for a
// message about a whole file) and a short English reason, which a front end
// with room for them (the command line) shows too.
#pragma once

#include <cstdint>

inline constexpr const char* kTextSourceNotFound = "入力ファイルが見つかりません。";
inline constexpr const char* kTextChartNotCreated = "出力ファイルが作成出来ません。";
inline constexpr const char* kTextLongLine = "行数の多い文があります。";
inline constexpr const char* kTextTooLarge = "プログラムの規模が大き過ぎます。";
inline constexpr const char* kTextReadError = "読み込みエラーです。";
inline constexpr const char* kTextLineTooWide = "行数が制限を越えそうです。";
inline constexpr const char* kTextStructureProblem = "不具合がありました。";
inline constexpr const char* kTextWriteFailed = "出力ファイルに書き込めません。";

inline constexpr const char* kTitleOpenFile = "Open File";
inline constexpr const char* kTitleCaution = "Caution";
inline constexpr const char* kTitleSorry = "Sorry";
inline constexpr const char* kTitleExcuse = "Excuse";
inline constexpr const char* kTitleReadError = "Read Error";
inline constexpr const char* kTitleAttention = "Attention";
inline constexpr const char* kTitleWriteError = "Write Error";

// A message about the whole source, not one of its lines.
inline constexpr std::uint32_t kNoSourceLine = 0;

struct Message {
  const char* text;            // as the message box shows it
  const char* title;           // as the message box shows it
  std::uint32_t source_line;   // 1-based physical line of the source, or kNoSourceLine
  const char* reason;          // what was found, in English; never null
  bool fatal;                  // the run ends after it
};

// Shows a warning; the run goes on.
void show_warning(const char* text, const char* title, std::uint32_t source_line, const char* reason);

// Shows a fatal message and ends the process with exit status 1.
[[noreturn]] void show_fatal(const char* text, const char* title, std::uint32_t source_line, const char* reason);

// A reason that holds a number: `before`, the number, `after`.  It is written
// into the run's own buffer (no allocation) and holds until the next one.
const char* reason_with_number(const char* before, std::uint32_t number, const char* after);
