#include "cli/export/export_seeds.h"

#include <utility>

#include "app/main_form.h"
#include "platform/codepage.h"
#include "platform/native_path.h"

namespace velmora::cli::exporting {

namespace fs = std::filesystem;

namespace {

// The location or map page of a picture of Map/, named by its file.
std::optional<Seed> MapPageOf(const fs::path& file) {
  const std::string name = platform::LowerAscii(file.filename().string());
  if (name.starts_with("ml-") && name.ends_with(".jpg")) {
    return Seed{Seed::Kind::Link, "http://db?ml-" + name.substr(3, name.size() - 7), 0, {}, {}};
  }
  if (name.starts_with("mp-") && name.ends_with(".gif")) {
    return Seed{Seed::Kind::Link, "http://db?map-" + name.substr(3, name.size() - 7), 0, {}, {}};
  }
  return std::nullopt;
}

// The files of a folder and the pages of its map pictures, counted ahead
// for the progress bar: a listing without the files' contents.
std::size_t CountFiles(const std::string& real, bool maps) {
  std::size_t count = 0;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(platform::native::ToNative(real), ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    count += maps && MapPageOf(it->path()) ? 2 : 1;
  }
  return count;
}

}  // namespace

ExportSeeds::ExportSeeds(const app::TMainForm& form, platform::FileSystem& files)
    : linked_{{&form.CatalogueTable(tables::kReserveTable), "http://db?rp", 0},
              {&form.CatalogueTable(tables::kParkTable), "http://db?pk", 0},
              {&form.CatalogueTable(tables::kLandscapeTable), "http://db?ok", 0},
              {&form.CatalogueTable(tables::kEconetTable), "http://db?ec", 0},
              {&form.CatalogueTable(tables::kDictionaryTable), "http://db?dic", 1},
              {&form.CatalogueTable(tables::kBiotopeTable), "http://db?bio", 2},
              {&form.CatalogueTable(tables::kSlideTable), "http://db?ss", 0}},
      photos_(&form.CatalogueTable(tables::kPhotoTable)) {
  for (const LinkedTable& linked : linked_) {
    remaining_ += static_cast<std::size_t>(linked.table->RowCount());
  }
  remaining_ += static_cast<std::size_t>(photos_->RowCount());
  const tables::ContentPaths& paths = form.Paths();
  for (const std::string& dir : {paths.dataDir, paths.photoDir, paths.mapDir}) {
    folders_.push_back({files.RealPath(dir).value_or(dir), dir == paths.mapDir});
    remaining_ += CountFiles(folders_.back().real, folders_.back().maps);
  }
}

std::optional<Seed> ExportSeeds::Next() {
  std::optional<Seed> seed = NextKey();
  if (!seed) seed = NextFile();
  if (seed && remaining_ > 0) --remaining_;
  return seed;
}

std::optional<Seed> ExportSeeds::NextKey() {
  // Every key of every table a link can name, as its link would.
  while (table_ < linked_.size()) {
    const LinkedTable& linked = linked_[table_];
    if (row_ >= linked.table->RowCount()) {
      ++table_;
      row_ = 0;
      continue;
    }
    const int row = row_++;
    std::string key(linked.table->Cell(0, row));
    if (key.empty()) continue;
    std::string heading =
        linked.definitionKind != 0 ? std::string(linked.table->Cell(1, row)) : std::string();
    return Seed{Seed::Kind::Link, linked.link + key, linked.definitionKind, std::move(key),
                std::move(heading)};
  }
  // The photographs' pages, by the picture's file name.
  while (table_ == linked_.size() && row_ < photos_->RowCount()) {
    const int row = row_++;
    const std::string key(photos_->Cell(0, row));
    if (key.empty()) continue;
    return Seed{Seed::Kind::Link,
                "http://db?sh" + std::string(photos_->Cell(1, row)) + key + ".jpg",
                0,
                {},
                {}};
  }
  table_ = linked_.size() + 1;
  return std::nullopt;
}

bool ExportSeeds::OpenFolder() {
  if (folder_ >= folders_.size()) return false;
  const Folder& folder = folders_[folder_++];
  std::error_code ec;
  entry_ = fs::recursive_directory_iterator(platform::native::ToNative(folder.real), ec);
  if (ec) entry_ = fs::recursive_directory_iterator();
  inMaps_ = folder.maps;
  return true;
}

std::optional<Seed> ExportSeeds::NextFile() {
  if (mapPage_) return std::exchange(mapPage_, std::nullopt);
  for (;;) {
    // A folder listed to its end, or none opened yet: the next one.
    if (entry_ == fs::recursive_directory_iterator()) {
      if (!OpenFolder()) return std::nullopt;
      continue;
    }
    std::error_code ec;
    const fs::directory_entry entry = *entry_;
    const bool regular = entry.is_regular_file(ec);
    entry_.increment(ec);
    // A folder that cannot be read further ends its listing.
    if (ec) entry_ = fs::recursive_directory_iterator();
    if (!regular) continue;
    if (inMaps_) mapPage_ = MapPageOf(entry.path());
    return Seed{Seed::Kind::DiscFile, platform::native::FromNative(entry.path()), 0, {}, {}};
  }
}

}  // namespace velmora::cli::exporting
