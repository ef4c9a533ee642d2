// What the conversion needs from the program that hosts it.
//
// The conversion never talks to the user or the file system directly: it
// shows its messages and opens its files through these calls, which each
// front end (the command line, the Windows dialog, the test harnesses)
// implements in its own way.
#pragma once

#include <cstdio>

#include "driver/messages.h"

// Shows a message (its texts are UTF-8) and returns once the user has
// acknowledged it.  A message box shows its text and title; a front end with
// room for them shows where and why as well.
void platform_show_message(const Message& message);

// Ends the process with exit status 1 after a fatal message.  Open streams are
// flushed and closed by the normal process exit.
[[noreturn]] void platform_exit_fatal();

// Opens a file in binary mode ("rb" or "wb"); the path is UTF-8.  Only a file
// that can be read is opened for reading: a directory is refused.
std::FILE* platform_open_file(const char* path, const char* mode);

// The system's reason, in English, why the last file operation failed
// ("No such file or directory", "Is a directory", ...).
const char* platform_failure_reason();

// True when both paths name one existing file (through any spelling or link).
bool platform_same_file(const char* first_path, const char* second_path);
