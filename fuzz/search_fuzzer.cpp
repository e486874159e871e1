// The full-text search over fuzzed pages and a fuzzed word: the first field
// is the word, the next ones pages of the data directory; the dictionary and
// biotope tables come from the last field.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/main_form.h"
#include "fuzz/memory_disc.h"

namespace {

std::string& SearchTemplate() {
  static std::string text = [] {
    velmora::fuzz::MemoryFileSystem host;
    velmora::fuzz::LoadHostDirectory(VELMORA_SAMPLE_CONTENT "/Makiety", "/", host);
    return host.files["/search.html"];
  }();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kPages = 6;
  const auto fields = velmora::fuzz::SplitFields(data, size, kPages + 2);

  velmora::fuzz::MemoryPlatform memory;
  velmora::fuzz::PutMinimalDisc(memory.files);
  memory.files.files["/disc/Makiety/search.html"] = SearchTemplate();
  memory.files.files["/disc/DB/DICT.CSV"] = fields[kPages + 1];
  memory.files.files["/disc/DB/BIOTOP.CSV"] = fields[kPages + 1];
  for (std::size_t page = 0; page < kPages; ++page) {
    memory.files.files["/disc/Data/" + std::to_string(100 + page) + ".htm"] = fields[1 + page];
  }

  velmora::app::TMainForm form(memory.platform);
  form.MakeSearchPage(fields[0]);
  const auto& found = form.LastSearch();
  if (found.pages.size() > kPages) __builtin_trap();
  return 0;
}
