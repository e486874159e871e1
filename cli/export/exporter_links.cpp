// The links of a page: each decided as the viewer's dispatcher decides it
// and turned into a path inside the export, wanting what it leads to.

#include <utility>

#include "cli/export/exporter.h"
#include "navigation/link_protocol.h"
#include "navigation/link_texts.h"
#include "platform/codepage.h"
#include "windows/media_texts.h"

namespace velmora::cli::exporting {

namespace {

std::string Fragment(const std::string& address) {
  const std::size_t hash = address.find('#');
  return hash == std::string::npos ? std::string() : address.substr(hash);
}

}  // namespace

std::string Exporter::Target(const check::HtmlLink& link, const std::string& sourceDir) {
  const std::string& value = link.value;
  if (IsKeptAsWritten(value)) return {};
  // The address as the browser hands it to the dispatcher: a relative one
  // made absolute against the page's folder.
  const std::string address = IsAbsoluteLink(value) ? value : sourceDir + value;
  std::string target = WorkingDirectoryTarget(address);
  if (target.empty()) {
    target = check::IsNavigation(link) ? NavigationTarget(address) : ResourceTarget(address);
  }
  if (target.empty()) return {};
  // An address of its own (outside, or nothing) goes as it is.
  if (target == "#" || target.starts_with("data:")) return target;
  return RelativeLink(page_, target) + (target.starts_with("gen/") ? "" : Fragment(value));
}

std::string Exporter::WorkingDirectoryTarget(const std::string& address) {
  const std::string file = navigation::LocalPath(address);
  const std::string& workDir = viewer_.paths().workDir;
  if (!file.starts_with(workDir) || !files_.FileExists(file)) return {};
  const std::string name = file.substr(workDir.size());
  if (!name.starts_with("$$")) {
    // A support file the viewer copies beside its pages.
    return Want({"gen/support/" + SafeName(name), Make::DiscFile, file, {}});
  }
  // A page generated with this one (a frame of it): written now, before
  // the next link overwrites it.
  const std::string path = page_.substr(0, page_.rfind('.')) + "-" + SafeName(name) + ".html";
  if (!wanted_.Insert(path)) return path;
  const std::optional<std::string> html = files_.ReadFile(file);
  const std::string parent = std::exchange(page_, path);
  if (!html || !Emit(path, ExportPage(*html, workDir, path, PageFrame::InFrame, {}), true)) {
    failed_ = true;
  }
  page_ = parent;
  return path;
}

std::string Exporter::NavigationTarget(const std::string& address) {
  using Row = navigation::LinkRow;
  const navigation::Link link = navigation::ParseLink(
      address, [this](const std::string& path) { return files_.FileExists(path); });
  auto follow = [&](const char* kind, const std::string& keyWord) {
    return Want(
        {GeneratedPath(kind, link.key), Make::Follow, "http://db" + keyWord + link.key, {}});
  };
  switch (link.row) {
    case Row::Record:
      return follow(link.marker.substr(1).c_str(), link.marker);
    case Row::NationalPark:
      return "#";  // the viewer only writes the park into its search box
    case Row::Map:
      return follow("map", "?map-");
    case Row::Location:
      return follow("loc", "?ml-");
    case Row::Photo:
      return follow("photo", "?sh");
    case Row::Dictionary:
      return follow("dic", "?dic");
    case Row::Biotope:
      return follow("bio", "?bio");
    case Row::Translation: {
      const std::optional<Shown> shown = viewer_.Follow("http://db?trans-" + link.key);
      viewer_.TakeMessages();
      if (shown && shown->where == ShownIn::Main) {
        return WantDiscFile(navigation::LocalPath(shown->address));
      }
      return WantBroken("trans-" + link.key, "?trans-" + link.key);
    }
    case Row::Animation: {
      const tables::ContentPaths& paths = viewer_.paths();
      if (!platform::LiesInsideDiscDirectory(files_, paths.animDir + link.key + ".exe",
                                             paths.animDir, paths.contentRoot)) {
        return WantBroken("anim-" + link.key, navigation::link_texts::kMissingFile + link.key);
      }
      return Want({GeneratedPath("anim", link.key), Make::Animation, link.key, {}});
    }
    case Row::SlideShow:
      return Want({GeneratedPath("slides", link.key), Make::Gallery, link.key, {}});
    case Row::Movie: {
      const tables::ContentPaths& paths = viewer_.paths();
      const std::string film = paths.animDir + link.key + ".avi";
      if (platform::LiesInsideDiscDirectory(files_, film, paths.animDir, paths.contentRoot)) {
        if (!films_) return WantDiscFile(film);
        return Want({GeneratedPath("film", link.key), Make::Film, film, link.key});
      }
      return WantBroken("film-" + link.key, windows::media_texts::kMovieMissingFile + film);
    }
    case Row::Tree:
    case Row::TreePage:
      return Want({kTreePage, Make::Tree, {}, {}});
    case Row::Outside:
    case Row::Mail:
      return {};
    case Row::LocalFile:
      return WantDiscFile(navigation::LocalPath(address));
    case Row::Missing:
      break;
  }
  return WantBroken(address, navigation::link_texts::kMissingFile + platform::LowerAscii(address));
}

std::string Exporter::ResourceTarget(const std::string& address) {
  // Nothing of an export loads from the network.
  if (IsNetworkAddress(address)) return "data:,";
  return WantDiscFile(navigation::LocalPath(address));
}

}  // namespace velmora::cli::exporting
