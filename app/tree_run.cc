// A whole source tree in one command (-o DIR PATH...).
#include <cstdio>

#include "app/cli_convert.h"

int convert_tree(const CliOptions& /*options*/) {
  std::fputs("-o: converting a tree is not built yet\n", stderr);
  return kStatusUsage;
}
