// The large-picture page: a photograph or a map picture with its
// description, shown in the main browser.

#include "pages/location_page.h"
#include "pages/template_files.h"

namespace velmora::pages {

void LocationPages::ShowLargePicture(const std::string& picturePath, const std::string& description,
                                     const std::string& title) {
  if (!buffer_.LoadFromFile(context_.paths.templateDir + template_files::kPicture)) return;
  const std::size_t at = buffer_.Find("m.jpg", 0, true);
  if (at != PageBuffer::npos) buffer_.Replace(at, 5, picturePath);
  ReplaceAll("<!--@opis@-->", "<I>" + description + "</i>");
  ReplaceAll("@title@", title);
  ReplaceAll("http://db?path", context_.paths.dataDir);
  context_.Show(buffer_, GeneratedFileName("chmurka"), browser_, "Duza mapa");
}

namespace {

// "f" or "m" + key + ".jpg": the key without the prefix letter.
std::string PhotoKey(const std::string& pictureName) {
  const std::size_t jpg = pictureName.find(".jpg");
  if (jpg == std::string::npos || jpg < 2) return {};
  return pictureName.substr(1, jpg - 1);
}

}  // namespace

void LocationPages::ShowPhoto(const std::string& pictureName) {
  const std::string key = PhotoKey(pictureName);
  tables::ColumnAccessor& columns = context_.columns;
  std::string description =
      columns.Dane(tables_.photos, key, 5, 0) + "<br>" + columns.Dane(tables_.photos, key, 7, 0);
  const std::string photographer = columns.Dane(tables_.photos, key, 6, 0);
  if (!photographer.empty()) description += "<br> fot. " + photographer;
  ShowLargePicture(context_.paths.photoDir + pictureName, description, "");
}

}  // namespace velmora::pages
