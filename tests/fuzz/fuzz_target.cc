// The fuzz target: one input is one Fortran source, converted twice in
// memory.  Any fault found in the outcome, or a difference between the two
// runs, aborts so that libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/fuzz/memory_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const std::string fault = conversion_fault(source);
  if (!fault.empty()) {
    std::fprintf(stderr, "==kmt_fuzz== %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
