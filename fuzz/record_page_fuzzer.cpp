// Record page generation with the key, the kind's table and its template
// fuzzed: fields are the kind (first byte), the key, the table file, the
// template and the photograph table. The main window runs on an in-memory
// disc, so generated pages never reach the real file system.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/main_form.h"
#include "fuzz/memory_disc.h"

namespace {

struct Kind {
  const char* marker;
  const char* table;
  const char* templateName;
};

constexpr Kind kKinds[] = {{"?rp", "RP.CSV", "rp.html"},
                           {"?pk", "PK.CSV", "pk.html"},
                           {"?ok", "OCHK.CSV", "OCHK.html"},
                           {"?ec", "ECONET.CSV", "econet.html"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = velmora::fuzz::SplitFields(data, size, 5);
  const Kind& kind = kKinds[fields[0].empty() ? 0 : static_cast<unsigned char>(fields[0][0]) % 4];

  velmora::fuzz::MemoryPlatform memory;
  velmora::fuzz::PutMinimalDisc(memory.files);
  memory.files.files[std::string("/disc/DB/") + kind.table] = fields[2];
  memory.files.files[std::string("/disc/Makiety/") + kind.templateName] = fields[3];
  memory.files.files["/disc/Makiety/econet_fr.html"] = "<title>temat: ECONET</title>";
  memory.files.files["/disc/DB/FOTO.CSV"] = fields[4];

  velmora::app::TMainForm form(memory.platform);
  form.MakeDynamicPage(fields[1], kind.marker);
  // Also as a link, the way the dispatcher hands it over.
  bool cancel = false;
  form.MainWebBrowserBeforeNavigate2(std::string("http://db") + kind.marker + fields[1], cancel);
  for (const auto& [path, bytes] : memory.files.files) {
    if (path.rfind("/disc/", 0) != 0 && path.rfind("/tmp/VNQETMP/", 0) != 0) __builtin_trap();
  }
  return 0;
}
