// The index of a tree conversion: every chart with its source, whether it
// was written, its warnings and the program units it draws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct IndexEntry {
  std::string chart;   // under the output folder: "sub/x.f.txt"
  std::string source;  // as it was read: "src/sub/x.f"
  bool written = false;
  unsigned warnings = 0;
  std::vector<std::string> units;  // "subroutine solve", "module grid", ...
};

struct IndexTotals {
  unsigned files = 0;
  unsigned written = 0;
  unsigned with_warnings = 0;
  unsigned failed = 0;
};

IndexTotals count_entries(const std::vector<IndexEntry>& entries);

// index.txt: a heading line, then one line per chart with tab-separated
// fields (chart, status, warnings, units, source); a tab, line feed or
// backslash in a field is written \t, \n or \\.
std::string index_text(const std::vector<IndexEntry>& entries);

// index.html: one page with no outside resource; a table readable as it
// is, which a small script of the page's own (the only one its content
// security policy lets run) sorts and filters.
std::string index_html(const std::vector<IndexEntry>& entries);

// Text as HTML character data or attribute value: &, <, >, " and ' escaped,
// and bytes that are not UTF-8 replaced by U+FFFD.
std::string html_escaped(std::string_view text);

// A relative path as a URL path: every byte but unreserved ones and '/'
// percent-encoded.
std::string url_path(std::string_view path);

// SHA-256 of the bytes, and base64, for the page's content security policy.
std::array<std::uint8_t, 32> sha256(std::string_view bytes);
std::string base64(const std::uint8_t* bytes, std::size_t count);
