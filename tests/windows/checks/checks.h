// A small check recorder for the Windows checks, which run under Wine where
// no test framework is at hand.  Failures are printed as they happen; the
// summary line counts every check.
#pragma once

#include <string>

// Records one check; prints what failed with the values seen.
void check(bool passed, const std::string& what);
void check_text(const std::wstring& actual, const std::wstring& expected, const std::string& what);
void check_number(long long actual, long long expected, const std::string& what);

// Prints "N passed, N failed"; true when nothing failed.
bool report_checks();

std::string utf8_from_wide(const std::wstring& text);
