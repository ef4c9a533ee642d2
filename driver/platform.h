// What the conversion needs from the program that hosts it.
//
// The conversion never talks to the user or the file system directly: it
// shows its messages and opens its files through these four calls, which each
// front end (the command line, the Windows dialog, the test harnesses)
// implements in its own way.
#pragma once

#include <cstdio>

// Shows a message with its Japanese text and English title (both UTF-8) and
// returns once the user has acknowledged it.
void platform_show_message(const char* text, const char* title);

// Ends the process with exit status 1 after a fatal message.  Open streams are
// flushed and closed by the normal process exit.
[[noreturn]] void platform_exit_fatal();

// Opens a file in binary mode ("rb" or "wb"); the path is UTF-8.
std::FILE* platform_open_file(const char* path, const char* mode);

// True when both paths name one existing file (through any spelling or link).
bool platform_same_file(const char* first_path, const char* second_path);
