#include "pages/location_page.h"

#include "app/main_form.h"
#include "pages/generated_page.h"

namespace velmora::pages {

std::string LocationTemplateFor(const std::string& key) {
  return key.rfind("pn", 0) == 0 ? "pn_loc.html" : "pk_loc.html";
}

}  // namespace velmora::pages

namespace velmora::app {

namespace {

constexpr std::size_t kKindCodeLength = 2;

}  // namespace

bool TMainForm::ShowLocation(const std::string& name, int mode) {
  if (mode == 2) {
    const std::string fileName = "ml-" + name + ".jpg";
    const std::string picture = paths.mapDir + fileName;
    if (files_.FileExists(picture)) {
      PlaceBalloon(2);
      LocationBalloon->ShowLocationMap(paths.templateDir, picture, paths.workDir);
      return true;
    }
    // Parks are placed by their position values and never fall back to the
    // map picture. Only the file name is tested: a map directory whose own
    // path holds "ml-p" says nothing about the name.
    if (fileName.rfind("ml-p", 0) == 0) {
      const std::string& key = name;
      const std::string first = Dane(SG_Eco, key, 2, 0);
      const std::string second = Dane(SG_Eco, key, 3, 0);
      if (first.empty() || second.empty()) return false;
      if (!MainRichEdit.LoadFromFile(paths.templateDir + pages::LocationTemplateFor(key))) {
        return false;
      }
      ReplaceAll("@kol5@", first);
      ReplaceAll("@kol6@", second);
      const std::string page = paths.workDir + pages::GeneratedFileName("p-loc");
      MainRichEdit.SaveToFile(page);  // the existence test decides
      if (files_.FileExists(page)) {
        PlaceBalloon(3);
        LocationBalloon->ShowLocationPage(page);
      } else {
        ui_.MessageBox("Brak pliku: " + page, pages::kLocationCaption, platform::Icon::Stop);
      }
      return true;
    }
  }
  const std::string picture = paths.mapDir + "mp-" + name + ".gif";
  if (!files_.FileExists(picture)) return false;
  if (mode == 0) return true;
  std::string title = CategoryTitle(name);
  if (!title.empty()) title = "temat: " + title;
  ShowLargePicture(picture, " ", title);
  return false;
}

std::string TMainForm::CategoryTitle(const std::string& name) {
  struct Category {
    const char* marker;
    const tables::Table* table;
    const char* title;
  };
  const Category categories[] = {
      {"?rp", &SG_RP, "Rezerwat przyrody "},
      {"?pk", &SG_PK, "Park krajobrazowy "},
      {"?ok", &SG_OChK, "Obszar Chronionego Krajobrazu "},
  };
  const std::string marked = "?" + name;
  const Category* found = nullptr;
  for (const Category& category : categories) {
    if (marked.find(category.marker) != std::string::npos) found = &category;  // later ones win
  }
  if (!found) return {};
  const std::string key = name.size() > kKindCodeLength ? name.substr(kKindCodeLength) : "";
  return found->title + Dane(*found->table, key, 2, 0);
}

}  // namespace velmora::app
