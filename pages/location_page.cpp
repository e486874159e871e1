#include "pages/location_page.h"

#include "pages/generated_page.h"
#include "pages/template_files.h"

namespace velmora::pages {

std::string LocationTemplateFor(const std::string& key) {
  return key.rfind("pn", 0) == 0 ? template_files::kNationalParkLocation
                                 : template_files::kParkLocation;
}

std::string MapPicturePath(const tables::ContentPaths& paths, const std::string& name) {
  return paths.mapDir + "mp-" + name + ".gif";
}

namespace {

constexpr std::size_t kKindCodeLength = 2;

}  // namespace

bool LocationPages::ShowLocation(const std::string& name, LocationMode mode) {
  if (mode == LocationMode::InBalloon) {
    const std::string fileName = "ml-" + name + ".jpg";
    const std::string picture = context_.paths.mapDir + fileName;
    if (context_.files.FileExists(picture)) {
      balloon_.showMap(picture);
      return true;
    }
    // Parks are placed by their position values and never fall back to the
    // map picture. Only the file name is tested: a map directory whose own
    // path holds "ml-p" says nothing about the name.
    if (fileName.rfind("ml-p", 0) == 0) {
      const std::string& key = name;
      const std::string first = context_.columns.Dane(tables_.econet, key, 2, 0);
      const std::string second = context_.columns.Dane(tables_.econet, key, 3, 0);
      if (first.empty() || second.empty()) return false;
      if (!buffer_.LoadFromFile(context_.paths.templateDir + LocationTemplateFor(key))) {
        return false;
      }
      ReplaceAll("@kol5@", first);
      ReplaceAll("@kol6@", second);
      const std::string page = context_.paths.workDir + GeneratedFileName("p-loc");
      buffer_.SaveToFile(page);  // the existence test decides
      if (context_.files.FileExists(page)) {
        balloon_.showPage(page);
      } else {
        context_.ui.MessageBox(kMissingFile + page, kLocationCaption, platform::Icon::Stop);
      }
      return true;
    }
  }
  const std::string picture = MapPicturePath(context_.paths, name);
  if (!context_.files.FileExists(picture)) return false;
  if (mode == LocationMode::TestForMap) return true;
  std::string title = CategoryTitle(name);
  if (!title.empty()) title = "temat: " + title;
  ShowLargePicture(picture, " ", title);
  return false;
}

std::string LocationPages::CategoryTitle(const std::string& name) {
  struct Category {
    const char* marker;
    const tables::Table* table;
    const char* title;
  };
  const Category categories[] = {
      {"?rp", &tables_.reserves, "Rezerwat przyrody "},
      {"?pk", &tables_.parks, "Park krajobrazowy "},
      {"?ok", &tables_.landscapes, "Obszar Chronionego Krajobrazu "},
  };
  const std::string marked = "?" + name;
  const Category* found = nullptr;
  for (const Category& category : categories) {
    if (marked.find(category.marker) != std::string::npos) found = &category;  // later ones win
  }
  if (!found) return {};
  const std::string key = name.size() > kKindCodeLength ? name.substr(kKindCodeLength) : "";
  return found->title + context_.columns.Dane(*found->table, key, 2, 0);
}

}  // namespace velmora::pages
