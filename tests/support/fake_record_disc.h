#pragma once
// A main window started on an in-memory disc under "/disc/", for tests of
// the record pages: tables, templates, photographs and maps are put in as
// files, the generated pages read back from the working directory.

#include <memory>
#include <string>

#include "app/main_form.h"
#include "tests/support/fake_platform.h"

namespace velmora::test {

class FakeRecordDisc {
 public:
  static constexpr const char* kRoot = "/disc/";

  FakeRecordDisc() {
    for (const char* table : {"RP.CSV", "PK.CSV", "OCHK.CSV", "FOTO.CSV", "ECONET.CSV",
                              "TRANSL.CSV", "DICT.CSV", "BIOTOP.CSV", "SLIDE.CSV"}) {
      Put(std::string("DB/") + table, "");
    }
    // A full menu definition (82 lines) and an empty page map read silently.
    std::string menus;
    for (int line = 0; line < 82; ++line) menus += "menu" + std::to_string(line) + ";\r\n";
    Put("DB/MENU.CSV", menus);
    Put("DB/DRZEWO1.CSV", "");
    Put("Anim/start.exe", "");
  }

  // A file of the disc, by its path below the root.
  void Put(const std::string& relative, const std::string& bytes) {
    fake.files.files[kRoot + relative] = bytes;
  }

  app::TMainForm& Start() {
    form = std::make_unique<app::TMainForm>(fake.platform);
    MainBrowser().navigations.clear();  // the start page
    return *form;
  }

  FakeBrowser& MainBrowser() {
    return static_cast<FakeBrowser&>(fake.browsers.Get("MainWebBrowser"));
  }

  bool Generated(const std::string& name) {
    return fake.files.files.count(form->Paths().workDir + name) > 0;
  }
  std::string Page(const std::string& name) {
    return fake.files.files[form->Paths().workDir + name];
  }

  FakePlatform fake;
  std::unique_ptr<app::TMainForm> form;
};

}  // namespace velmora::test
