// Every row of the link dispatcher: fuzzed addresses handed to the main and
// the menu browser's BeforeNavigate2 of a main window started on the demo
// disc, held in memory. The first byte picks the browser and a prefix that
// steers the address towards one of the dispatcher's rows.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "app/main_form.h"
#include "fuzz/memory_disc.h"

namespace {

const char* const kPrefixes[] = {"",
                                 "http://db?rp",
                                 "http://db?pk",
                                 "http://db?ok",
                                 "http://db?ec",
                                 "http://db?pn",
                                 "http://db?",
                                 "http://",
                                 "/disc/Data/",
                                 "/disc/Makiety/",
                                 "/tmp/VNQETMP/",
                                 "file:///disc/Data/",
                                 "mailto:",
                                 "about:blank",
                                 "res://",
                                 "javascript:"};

struct Session {
  velmora::fuzz::MemoryPlatform memory;
  std::unique_ptr<velmora::app::TMainForm> form;
  std::set<std::string> startupFiles;

  Session() {
    velmora::fuzz::LoadHostDirectory(VELMORA_SAMPLE_CONTENT, "/disc/", memory.files);
    form = std::make_unique<velmora::app::TMainForm>(memory.platform);
    for (const auto& [path, bytes] : memory.files.files) startupFiles.insert(path);
  }

  // Generated pages of earlier inputs go, so that memory stays flat.
  void Forget() {
    for (auto it = memory.files.files.begin(); it != memory.files.files.end();) {
      it = startupFiles.count(it->first) ? std::next(it) : memory.files.files.erase(it);
    }
    memory.ui.messages.clear();
    memory.processes.started.clear();
    memory.shell.opened.clear();
    memory.shell.started.clear();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session* session = new Session;
  if (size == 0) return 0;
  const std::string address = std::string(kPrefixes[data[0] % 16]) +
                              std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  bool cancel = false;
  if (data[0] & 0x10) {
    session->form->MenuWebBrowserBeforeNavigate2(address, cancel);
  } else {
    session->form->MainWebBrowserBeforeNavigate2(address, cancel);
  }
  for (const auto& [path, bytes] : session->memory.files.files) {
    if (path.rfind("/disc/", 0) != 0 && path.rfind("/tmp/VNQETMP/", 0) != 0) __builtin_trap();
    if (path.rfind("/disc/", 0) == 0 && !session->startupFiles.count(path)) __builtin_trap();
  }
  session->Forget();
  return 0;
}
