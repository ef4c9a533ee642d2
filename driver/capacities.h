// The fixed capacities of the conversion: every table of the workspace has
// one of these sizes, and nothing grows during a run.
#pragma once

#include <cstddef>
#include <cstdint>

// [capacities]
// Each table has the size the conversion's algorithms are written for.  Where
// one step can write a little more than the limit its test guards (a line that
// appends several records, a row built one cell past the tested limit), the
// storage has that much spare room or the write itself is guarded, so no table
// is ever written out of bounds on any input.

// Paths: any path the platform allows (PATH_MAX on Linux), terminator included.
inline constexpr std::size_t kPathCapacity = 4096;
// One physical line as read: at most 151 characters and the terminator.
inline constexpr std::size_t kLineCapacity = 152;
inline constexpr std::size_t kMaxPieceLength = kLineCapacity - 1;
// The masks hold one byte past a full line: its line feed and terminator.
inline constexpr std::size_t kMaskCapacity = kLineCapacity + 1;
// The matcher compares eight bytes at a time from any column of the line and
// its masks (see note [word-compare] in scan/matcher.cc), so those buffers
// have room for one word past their last byte.
inline constexpr std::size_t kWordSlack = 8;
// A message's English reason when it holds a number.
inline constexpr std::size_t kReasonCapacity = 160;
// Raw bytes buffered from the source between reads.
inline constexpr std::size_t kReadBufferCapacity = 1 << 16;
// Composed chart bytes buffered before they reach the chart file.
inline constexpr std::size_t kWriteBufferCapacity = 1 << 16;

// Keyword patterns.
inline constexpr std::size_t kPatternSourceWidth = 40;
inline constexpr std::size_t kCompiledPatternCapacity = 150;
inline constexpr std::size_t kTokensPerPattern = 6;
inline constexpr std::size_t kTokenTextCapacity = 40;
// Rows indexed by the first byte of their first token and by the class of
// the character before it (1 to 4).
inline constexpr std::size_t kBucketCount = 256;
inline constexpr std::size_t kNeighbourClasses = 4;
// Every match claims its first column, so a line has at most one match per column.
inline constexpr std::size_t kMatchListCapacity = kLineCapacity;
// The matcher's memo of lines already scanned (note [match-memo] in
// scan/match_memo.cc): hash slots, lines, and the bytes of their keys and
// matches.  A 31,000-line source of 8,300 distinct lines keeps about 0.7 MiB;
// a full memo only stops remembering.
inline constexpr std::size_t kMatchMemoSlotCapacity = 1 << 15;
inline constexpr std::size_t kMatchMemoFirstSlotCount = 1 << 10;
inline constexpr std::size_t kMatchMemoEntryCapacity = 1 << 14;
inline constexpr std::size_t kMatchMemoByteCapacity = 1 << 21;

// Statement records.
inline constexpr std::uint32_t kStatementCapacity = 100010;
// A span of 151 characters, its line feed and its terminator.
inline constexpr std::size_t kStatementTextCapacity = kMaxPieceLength + 2;
inline constexpr std::size_t kLabelWidth = 6;  // five characters and a terminator
// One entry per record that could ever be appended, plus the 1-based slack and
// the pushes of the line that reaches the table limit.
inline constexpr std::size_t kLabelStackCapacity = kStatementCapacity + kMatchListCapacity + 2;

// Chart rows.
inline constexpr std::uint32_t kChartRowCapacity = 100010;
inline constexpr std::uint32_t kCellsPerRow = 46;
inline constexpr std::uint32_t kConnectorLevels = 41;
// A statement may build a row one or two cells (levels) past the limit that
// the builder tests before the next statement; see note [capacities].
inline constexpr std::uint32_t kCellStorage = kCellsPerRow + 2;
inline constexpr std::uint32_t kLevelStorage = kConnectorLevels + 2;
inline constexpr std::uint32_t kMaxChartColumns = 502;
// One chart line: 502 columns, a two-byte connector glyph, a line feed, a terminator.
inline constexpr std::size_t kChartLineWidth = kMaxChartColumns + 2 + 1 + 1;

// Structure stacks of the chart builder.
inline constexpr std::uint32_t kClosingStackCapacity = 171;
inline constexpr std::uint32_t kBranchStackCapacity = 121;
inline constexpr std::uint32_t kLoopEntryStackCapacity = 121;
inline constexpr std::uint32_t kLoopReturnStackCapacity = 123;
inline constexpr std::uint32_t kLoopTestStackCapacity = 121;
inline constexpr std::uint32_t kLoopExitStackCapacity = 121;
inline constexpr std::uint32_t kStructureStackCapacity = 41;

// Views: the warnings an HTML page marks its rows with (more are counted,
// not kept).
inline constexpr std::uint32_t kViewWarningCapacity = 1000;
