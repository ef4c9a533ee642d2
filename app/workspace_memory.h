// How the pages of the workspace are backed, chosen by the command line
// before a run: the conversion itself never asks (see note [large-pages]).
#pragma once

#include <cstdint>
#include <string>

// A source at least this large is converted over large pages.
inline constexpr std::uint64_t kLargePageSourceBytes = 256 * 1024;

// Asks the system to back the workspace with large pages from now on.
// Pages already touched keep their size; the request can only be refused,
// never fail a run.
void prefer_large_workspace_pages();

// The size of the source a run will read ("-" is standard input), or 0 when
// it is not a regular file or cannot be looked at.
std::uint64_t source_size(const std::string& path);
