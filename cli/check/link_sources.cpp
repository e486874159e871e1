// The files whose links the reader can follow: the pages, the templates,
// the table cells the pages show and the definition files.

#include <algorithm>
#include <iterator>

#include "cli/check/checks.h"
#include "cli/check/link_checker.h"
#include "cli/check/records.h"
#include "platform/codepage.h"
#include "tables/catalogue.h"

namespace velmora::cli::check {
namespace {

// Tables whose cells end up in pages: the record tables, the photograph
// captions and the two dictionaries.
constexpr std::string_view kShownTables[] = {
    tables::FileName(tables::kReserveTable),   tables::FileName(tables::kParkTable),
    tables::FileName(tables::kLandscapeTable), tables::FileName(tables::kEconetTable),
    tables::FileName(tables::kPhotoTable),     tables::FileName(tables::kDictionaryTable),
    tables::FileName(tables::kBiotopeTable)};

void CheckPagesUnder(Disc& disc, LinkChecker& links, const std::string& dir, int depth) {
  for (const std::string& name : disc.ListFiles(dir, "*.htm*")) {
    const std::string path = dir + name;
    const std::optional<std::string> text = disc.Read(path);
    if (!text) continue;
    links.CheckHtml({SourceKind::Page, path, disc.Display(path), ""}, *text);
  }
  if (depth == 0) return;
  for (const std::string& sub : disc.ListDirectories(dir)) {
    CheckPagesUnder(disc, links, dir + sub + "/", depth - 1);
  }
}

}  // namespace

void CheckLinks(Disc& disc, Findings& findings) {
  LinkChecker links(disc, findings);
  const tables::ContentPaths& paths = disc.paths();
  CheckPagesUnder(disc, links, paths.dataDir, 4);

  for (const std::string& name : disc.ListFiles(paths.templateDir, "*.htm*")) {
    const std::string path = paths.templateDir + name;
    const std::optional<std::string> text = disc.Read(path);
    if (!text) continue;
    Source source{SourceKind::Template, path, disc.Display(path), ""};
    const std::string lower = platform::LowerAscii(name);
    if (lower.rfind("menu_", 0) == 0 && lower.size() > 9 && lower.ends_with(".htm")) {
      source.kind = SourceKind::MenuTemplate;
      source.menuName = lower.substr(5, lower.size() - 9);
    }
    links.CheckHtml(source, *text);
  }

  for (const TableFile& file : disc.tableFiles()) {
    if (!file.bytes) continue;
    if (std::find(std::begin(kShownTables), std::end(kShownTables), file.fileName) ==
        std::end(kShownTables)) {
      continue;
    }
    const std::string path = paths.tableDir + file.fileName;
    const Source source{SourceKind::Generated, path, disc.Display(path), ""};
    for (const Record& record : SplitRecords(*file.bytes)) {
      if (record.text.find('<') == std::string::npos) continue;
      links.CheckHtml(source, record.text, record.line, record.firstLineLength);
    }
  }

  for (const std::string& name : disc.ListFiles(paths.tableDir, "*.dic")) {
    const std::string path = paths.tableDir + name;
    const std::optional<std::string> text = disc.Read(path);
    if (!text) continue;
    links.CheckHtml({SourceKind::Generated, path, disc.Display(path), ""}, *text);
  }
}

}  // namespace velmora::cli::check
