// What a link's row needs of the disc: the record's table row, the
// location picture or position values, the photograph and the slide set.

#include "cli/check/check_texts.h"
#include "cli/check/link_checker.h"
#include "tables/catalogue.h"

namespace velmora::cli::check {

void LinkChecker::CheckRecord(const Place& place, const std::string& marker,
                              const std::string& key) {
  if (key.empty()) {
    Add(place, "record-key-missing", "the link names no record",
        texts::Quoted(texts::kUnknownLink + marker));
    return;
  }
  if (marker == std::string("?ec") && key == "[bd]") return;  // the ECONET page, a button page
  const std::string_view table =
      tables::FileName(marker == std::string("?rp")   ? tables::kReserveTable
                       : marker == std::string("?pk") ? tables::kParkTable
                       : marker == std::string("?ok") ? tables::kLandscapeTable
                                                      : tables::kEconetTable);
  if (disc_.Lookup(table, key, 1)) return;
  Add(place, "record-key-missing",
      std::string(table) + " has no row with the key \"" + texts::IsoUtf8(key) + "\"",
      "a record page without any of its fields");
}

void LinkChecker::CheckLocation(const Place& place, const std::string& name) {
  const tables::ContentPaths& paths = disc_.paths();
  const std::string picture = paths.mapDir + "ml-" + name + ".jpg";
  if (disc_.Exists(picture)) return;
  // Names beginning with "p" get a location page from their position values.
  const std::size_t at = picture.find("ml-p");
  if (at != std::string::npos) {
    const std::string key = picture.substr(at + 3, picture.size() - at - 3 - 4);
    const std::optional<std::string> first = disc_.Lookup("ECONET.CSV", key, 2);
    const std::optional<std::string> second = disc_.Lookup("ECONET.CSV", key, 3);
    if (first && second && !first->empty() && !second->empty()) return;
    Add(place, "location-missing",
        "no location picture " + disc_.Display(picture) +
            " and no position values (columns 2 and 3) for \"" + texts::IsoUtf8(key) +
            "\" in ECONET.CSV",
        "nothing at all");
    return;
  }
  const std::string map = paths.mapDir + "mp-" + name + ".gif";
  if (disc_.Exists(map)) return;
  Add(place, "location-missing",
      "neither the location picture " + disc_.Display(picture) + " nor the map picture " +
          disc_.Display(map) + " exists",
      "nothing at all");
}

void LinkChecker::CheckPhotograph(const Place& place, const std::string& picture) {
  const std::string path = disc_.paths().photoDir + picture;
  if (!disc_.Exists(path)) {
    Add(place, "photo-missing-picture", "the picture " + disc_.Display(path) + " does not exist",
        "a broken picture on the large-picture page");
  }
  const std::size_t jpg = picture.find(".jpg");
  const std::string key = (jpg == std::string::npos || jpg < 2) ? "" : picture.substr(1, jpg - 1);
  if (!disc_.Lookup("FOTO.CSV", key, 1)) {
    Add(place, "photo-without-row",
        "FOTO.CSV has no row for the photograph \"" + texts::IsoUtf8(key) + "\"",
        "the picture without its caption");
  }
}

void LinkChecker::CheckSlideSet(const Place& place, const std::string& key) {
  const tables::Table& slides = disc_.table("SLIDE.CSV");
  const int row = key.empty() ? -1 : slides.FindRow(0, key);
  if (row >= 0) {
    for (int column = 1; column < slides.RowWidth(row); ++column) {
      const std::string name(slides.Cell(column, row));
      if (!name.empty() && disc_.Exists(disc_.paths().photoDir + name + ".jpg")) return;
    }
    Add(place, "slide-set-unusable",
        "none of the pictures of slide set \"" + texts::IsoUtf8(key) + "\" exists",
        texts::Quoted(texts::kBadSlideSet + texts::IsoUtf8(key)));
    return;
  }
  Add(place, "slide-set-unusable", "SLIDE.CSV has no row for \"" + texts::IsoUtf8(key) + "\"",
      texts::Quoted(texts::kBadSlideSet + texts::IsoUtf8(key)));
}

}  // namespace velmora::cli::check
