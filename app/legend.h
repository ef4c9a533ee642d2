// The legend of the chart: every caption and glyph with its meaning.
#pragma once

#include <string>

// In UTF-8, one entry a line.
std::string legend_text();
