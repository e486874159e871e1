#include "cli/check/link_checker.h"

#include <array>

#include "app/support_files.h"
#include "cli/check/check_texts.h"
#include "navigation/link_protocol.h"
#include "pages/location_page.h"
#include "pages/template_files.h"
#include "platform/codepage.h"
#include "tables/catalogue.h"

namespace velmora::cli::check {
namespace {

// Generated pages lie in the viewer's working directory, wherever that is;
// their relative links resolve there.
constexpr std::string_view kWorkDir = "<working directory>/";

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// In one pass, as the viewer replaces: each placeholder of the original text.
std::string ReplaceAll(const std::string& text, std::string_view placeholder,
                       const std::string& value) {
  std::string replaced;
  std::size_t copied = 0;
  for (std::size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, copied)) {
    replaced.append(text, copied, at - copied).append(value);
    copied = at + placeholder.size();
  }
  return replaced.append(text, copied, std::string::npos);
}

// "http:", "mailto:" ...: a scheme of two letters or more (a single letter
// would be a drive).
bool HasScheme(const std::string& value) {
  std::size_t i = 0;
  while (i < value.size() && (std::isalnum(static_cast<unsigned char>(value[i])) ||
                              value[i] == '+' || value[i] == '-' || value[i] == '.')) {
    ++i;
  }
  return i >= 2 && i < value.size() && value[i] == ':' &&
         std::isalpha(static_cast<unsigned char>(value[0]));
}

// dir + relative, with "." and ".." steps taken.
std::string Join(const std::string& dir, const std::string& relative) {
  std::vector<std::string> parts;
  auto push = [&](const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
      std::size_t end = path.find('/', start);
      if (end == std::string::npos) end = path.size();
      const std::string part = path.substr(start, end - start);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      start = end + 1;
    }
  };
  push(dir);
  push(relative);
  std::string joined = dir.empty() || dir.front() != '/' ? "" : "/";
  for (std::size_t i = 0; i < parts.size(); ++i) joined += (i ? "/" : "") + parts[i];
  return joined;
}

std::string DirectoryOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

// What the reader sees of a resource missing from a page.
std::string ResourceLoss(const HtmlLink& link) {
  if (link.attribute == "background") return "the page without its background picture";
  if (link.tag == "img" || link.tag == "input") return "a broken picture in the page";
  if (link.tag == "link") return "the page without its style sheet";
  if (link.tag == "script") return "the page without its script";
  return "the page without this file";
}

std::string MissingFileMessage(const std::string& address) {
  return texts::Quoted(std::string(texts::kMissingFile) + texts::Utf8(address));
}

}  // namespace

void LinkChecker::Add(const Place& place, const char* kind, std::string problem,
                      std::string reader) {
  if (!forPage_.empty()) problem += " (for page " + texts::Utf8(forPage_) + ".htm)";
  findings_.Add({kind, place.file, place.line, place.link, std::move(problem), std::move(reader)});
}

void LinkChecker::CheckHtml(const Source& source, std::string_view html, int firstLine,
                            std::size_t splitAt) {
  LineCounter lines(html);
  for (const HtmlLink& link : ExtractLinks(html)) {
    int line = firstLine + lines.LineOf(link.offset) - 1;
    if (splitAt != std::string_view::npos && link.offset >= splitAt) ++line;
    CheckLink(source, link, {source.shown, line, texts::IsoUtf8(link.value)});
  }
}

void LinkChecker::CheckLink(const Source& source, const HtmlLink& link, const Place& place) {
  const std::string& value = link.value;
  if (value.empty() || value.front() == '#') return;
  const std::string lower = platform::LowerAscii(value);
  if (StartsWith(lower, "javascript:") || StartsWith(lower, "data:")) return;
  if (source.kind == SourceKind::Page) {
    CheckResolved(source, link, place, value, "");
    return;
  }
  // Filled from each record's row; the cells are checked where they stand,
  // and a record without its map picture loses the map block by design.
  if (Contains(value, "@kol") || Contains(value, "@title@")) return;
  const std::string& dataDir = disc_.paths().dataDir;
  if (source.kind == SourceKind::MenuTemplate && Contains(value, "http://db?pg")) {
    // One address per page that shows this menu; none when no page does.
    for (const auto& [line, pages] : disc_.PagesByMenuLine()) {
      if (platform::LowerAscii(disc_.typMenu()[line]) != source.menuName) continue;
      for (const std::string& page : pages) {
        const std::string address = ReplaceAll(ReplaceAll(value, "http://db?pg", dataDir + page),
                                               "http://db?path", dataDir);
        CheckResolved(source, link, place, address, page);
      }
    }
    return;
  }
  CheckResolved(source, link, place, ReplaceAll(value, "http://db?path", dataDir), "");
}

void LinkChecker::CheckResolved(const Source& source, const HtmlLink& link, const Place& place,
                                const std::string& value, const std::string& forPage) {
  forPage_ = forPage;
  source_ = &source;
  std::string address = value;
  if (!HasScheme(value) && value.front() != '/') {
    address = source.kind == SourceKind::Page ? Join(DirectoryOf(source.path), value)
                                              : std::string(kWorkDir) + value;
  }
  if (IsNavigation(link)) {
    CheckNavigation(place, address);
  } else if (!HasScheme(address) || StartsWith(platform::LowerAscii(address), "file:")) {
    std::string path = address.substr(0, address.find_first_of("#?"));
    if (StartsWith(platform::LowerAscii(path), "file://")) path = path.substr(7);
    const bool found = StartsWith(path, kWorkDir)
                           ? WorkingDirectoryHas(source, path.substr(kWorkDir.size()))
                           : disc_.Exists(path);
    if (!found) {
      Add(place, "resource-missing", "the file " + texts::IsoUtf8(path) + " does not exist",
          ResourceLoss(link));
    }
  }
  forPage_.clear();
  source_ = nullptr;
}

bool LinkChecker::WorkingDirectoryHas(const Source& source, const std::string& name) {
  const std::string lower = platform::LowerAscii(name);
  if (StartsWith(lower, "$$")) return true;  // a generated page
  for (const app::SupportFile& file : app::kSupportFiles) {
    if (lower == file.name) return true;  // its source is checked as a support file
  }
  const std::string templateName =
      platform::LowerAscii(source.path.substr(source.path.rfind('/') + 1));
  namespace TF = pages::template_files;
  const auto is = [&templateName](const char* name) {
    return templateName == platform::LowerAscii(name);
  };
  const bool recordTemplate =
      is(TF::kReserve) || is(TF::kPark) || is(TF::kLandscape) || is(TF::kEconet);
  // Placeholders the page kinds replace by a picture of their own.
  if (lower == "m.jpg" && (is(TF::kPicture) || is(TF::kSlide))) return true;
  if ((lower == "m.jpg" && recordTemplate) || (lower == "econet.jpg" && is(TF::kEconet))) {
    return disc_.Exists(disc_.paths().templateDir + name);
  }
  return false;
}

void LinkChecker::CheckMap(const Place& place, const std::string& key) {
  const std::string path = pages::MapPicturePath(disc_.paths(), key);
  if (!disc_.Exists(path)) {
    Add(place, "map-missing", "the map picture " + disc_.Display(path) + " does not exist",
        "nothing at all");
  }
}

void LinkChecker::CheckTranslation(const Place& place, const std::string& key) {
  const std::string name = key.substr(0, key.find(".htm"));
  const std::optional<std::string> number =
      disc_.Lookup(tables::FileName(tables::kTranslationTable), name, 2);
  const std::string page = disc_.paths().dataDir + number.value_or("") + ".htm";
  if (!number || number->empty()) {
    Add(place, "translation-missing", "TRANSL.CSV has no row for \"" + texts::IsoUtf8(name) + "\"",
        "nothing happens");
  } else if (!disc_.Exists(page)) {
    Add(place, "translation-page-missing",
        "the translation's page " + disc_.Display(page) + " does not exist", "nothing happens");
  }
}

void LinkChecker::CheckWord(const Place& place, bool dictionary, const std::string& key) {
  const std::string_view table =
      tables::FileName(dictionary ? tables::kDictionaryTable : tables::kBiotopeTable);
  const std::optional<std::string> entry = disc_.Lookup(table, key, 2);
  if (!entry || entry->empty()) {
    Add(place, "word-missing", std::string(table) + " has no entry \"" + texts::IsoUtf8(key) + "\"",
        "a balloon saying \"" + texts::WordMissing() + "\"");
  }
}

void LinkChecker::CheckProgramFile(const Place& place, const std::string& key, bool film) {
  const std::string path = disc_.paths().animDir + key + (film ? ".avi" : ".exe");
  if (disc_.Exists(path)) return;
  if (film) {
    Add(place, "film-missing", "the film " + disc_.Display(path) + " does not exist",
        MissingFileMessage(path));
  } else {
    Add(place, "program-missing",
        "the animation program " + disc_.Display(path) + " does not exist",
        texts::Quoted(std::string(texts::kMissingFile) + texts::IsoUtf8(key)));
  }
}

void LinkChecker::CheckNavigation(const Place& place, const std::string& address,
                                  const char* missingPageKind) {
  // The viewer's own reading of the address; the local-file row is judged
  // below, against the disc and the working directory.
  const navigation::Link link =
      navigation::ParseLink(address, [](const std::string&) { return false; });
  using Row = navigation::LinkRow;
  switch (link.row) {
    case Row::Record:
      return CheckRecord(place, link.marker, link.key);
    case Row::NationalPark:  // only fills the search box
    case Row::Tree:
    case Row::TreePage:  // the contents tree covers whatever loads
      return;
    case Row::Map:
      return CheckMap(place, link.key);
    case Row::Location:
      return CheckLocation(place, link.key);
    case Row::Photo:
      return CheckPhotograph(place, link.key);
    case Row::Translation:
      return CheckTranslation(place, link.key);
    case Row::Dictionary:
    case Row::Biotope:
      return CheckWord(place, link.row == Row::Dictionary, link.key);
    case Row::Animation:
    case Row::Movie:
      return CheckProgramFile(place, link.key, link.row == Row::Movie);
    case Row::SlideShow:
      return CheckSlideSet(place, link.key);
    case Row::Outside:
      // Outside addresses go to the system's browser; the pseudo-host too.
      if (const std::string lower = platform::LowerAscii(address);
          lower.find("http://db") != std::string::npos) {
        Add(place, "unknown-link", "no key word of the link protocol in the address",
            "the system's web browser is asked to open " + texts::IsoUtf8(lower));
      }
      return;
    case Row::LocalFile:
    case Row::Mail:
    case Row::Missing:
      return CheckLocalFile(place, address, link.row == Row::Mail, missingPageKind);
  }
}

void LinkChecker::CheckLocalFile(const Place& place, const std::string& address, bool mail,
                                 const char* missingPageKind) {
  // As written for the message; lower case is what the viewer tests.
  const std::string lower = platform::LowerAscii(address);
  const std::string path = navigation::LocalPath(address);
  const bool found = StartsWith(path, kWorkDir)
                         ? source_ && WorkingDirectoryHas(*source_, path.substr(kWorkDir.size()))
                         : disc_.Exists(platform::LowerAscii(path));
  if (found || mail) return;
  Add(place, missingPageKind,
      StartsWith(path, kWorkDir)
          ? "a generated page links " + texts::IsoUtf8(path.substr(kWorkDir.size())) +
                " relative to the working directory, which has no such file"
          : "the page " + disc_.Display(path) + " does not exist",
      MissingFileMessage(lower));
}

}  // namespace velmora::cli::check
