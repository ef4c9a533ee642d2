// The edition a program is built for, chosen when it is compiled.
//
// The conversion sources are compiled once per edition; KMT_EDITION_MERIDOL is
// defined to 1 for the Meridol build and absent (or 0) for the Sorvane build.
// Code that exists in one edition only is fenced with #if KMT_EDITION_MERIDOL.
#pragma once

#ifndef KMT_EDITION_MERIDOL
#define KMT_EDITION_MERIDOL 0
#endif

inline constexpr bool kMeridolEdition = KMT_EDITION_MERIDOL != 0;
inline constexpr const char* kEditionName = kMeridolEdition ? "Meridol" : "Sorvane";
