// velmora-cli replay script parsing on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lines = velmora::cli::ParseScript(text);
  int last = 0;
  for (const auto& line : lines) {
    if (line.number <= last) __builtin_trap();  // in order, each line once
    last = line.number;
  }
  return 0;
}
