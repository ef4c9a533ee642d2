// How the chart is written: the Shift-JIS chart itself, or one of its views
// for reading on a screen.  The host sets these in the workspace before the
// run; their zero values are the Shift-JIS chart, so a host that sets nothing
// (the Windows dialog) writes exactly that.
#pragma once

#include <cstdint>

enum class ChartFormat : std::uint8_t {
  kShiftJis,  // the chart: Shift-JIS, CR LF
  kUtf8,      // the same rows and columns in UTF-8, LF, for terminals
  kHtml,      // one self-contained HTML page
};

// The encoding of the source's own characters, for the views.
enum class SourceEncoding : std::uint8_t {
  kDetect,  // UTF-8 when the source is valid UTF-8 with non-ASCII bytes, else CP932
  kCp932,
  kUtf8,
};

// How a terminal shows East-Asian ambiguous-width characters (box drawing,
// arrows, geometric shapes): narrow (one column, most terminals) or wide.
enum class AmbiguousWidth : std::uint8_t { kNarrow, kWide };

struct ViewSettings {
  ChartFormat format;
  SourceEncoding source_encoding;
  AmbiguousWidth ambiguous_width;
};
