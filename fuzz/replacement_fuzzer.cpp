// The placeholder replacement: fields are the page text, the placeholder and
// the value.
#include <cstddef>
#include <cstdint>

#include "fuzz/memory_disc.h"
#include "pages/replacement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = velmora::fuzz::SplitFields(data, size, 3);
  velmora::fuzz::MemoryFileSystem files;
  velmora::pages::PageBuffer buffer(files);
  buffer.SetText(fields[0]);
  velmora::pages::ReplaceAllIn(buffer, fields[1], fields[2]);
  // Every replacement inserts the value once per placeholder found in the
  // original text, so the result is bounded.
  if (!fields[1].empty()) {
    const std::size_t most =
        fields[0].size() + (fields[0].size() / fields[1].size() + 1) * fields[2].size();
    if (buffer.Length() > most) __builtin_trap();
  } else if (buffer.Text() != fields[0]) {
    __builtin_trap();
  }
  return 0;
}
