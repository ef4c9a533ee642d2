// The texts and titles of every message the conversion shows.
#pragma once

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

// Shows a warning; the run goes on.
void show_warning(const char* text, const char* title);

// Shows a fatal message and ends the process with exit status 1.
[[noreturn]] void show_fatal(const char* text, const char* title);
