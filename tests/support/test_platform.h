// The platform layer of the test programs: messages are recorded, and a
// fatal message throws FatalExit instead of ending the process.
#pragma once

#include <string>
#include <vector>

struct ShownMessage {
  std::string title;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

struct FatalExit {};

// Every message shown since the last clear, oldest first.
std::vector<ShownMessage>& shown_messages();
