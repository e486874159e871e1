// MENU.CSV and DRZEWO1.CSV, read line by line as the viewer reads them.

#include "cli/check/check_texts.h"
#include "cli/check/checks.h"
#include "cli/check/link_checker.h"
#include "navigation/menu_tree_texts.h"

namespace velmora::cli::check {
namespace {

namespace menu_texts = navigation::menu_tree_texts;

// Windows-1250 texts of the menu definition's messages.
constexpr const char* kTooFewLines = "Warto\x9C\xE6 iloscTypowMenu za du\xBF\x61: ";
constexpr const char* kTooManyLines = "Warto\x9C\xE6 iloscTypowMenu za ma\xB3\x61: ";
constexpr const char* kPageTooLarge = "Warto\x9C\xE6 iloscPlikowMenu za ma\xB3\x61: ";

std::string AtStartUp(const std::string& win1250Message) {
  return texts::Quoted(texts::Utf8(win1250Message)) + " at every start-up";
}

void CheckMenuLines(Disc& disc, const std::string& shown, Findings& findings) {
  const std::vector<std::string_view> lines = tables::FileLines(*disc.menuBytes());
  const std::string count = std::to_string(lines.size());
  if (lines.size() < static_cast<std::size_t>(tables::iloscTypowMenu)) {
    findings.Add(
        {"menu-too-few-lines", shown, 0, "",
         "the file has " + count + " menu lines, the viewer expects " +
             std::to_string(tables::iloscTypowMenu),
         AtStartUp(kTooFewLines + std::to_string(tables::iloscTypowMenu) + " / " + count)});
  }
  for (std::size_t j = 0; j < lines.size(); ++j) {
    const std::string_view line = lines[j];
    const int lineNumber = static_cast<int>(j) + 1;
    const std::size_t semicolon = line.find(';');
    if (semicolon == std::string_view::npos || semicolon == 0) {
      bool moreFollow = false;
      for (std::size_t k = j + 1; k < lines.size(); ++k) moreFollow |= !lines[k].empty();
      if (moreFollow) {
        findings.Add({"menu-ends-early", shown, lineNumber, texts::IsoUtf8(std::string(line)),
                      "the line has no menu name followed by \";\": the viewer stops reading here",
                      "the pages of the menus after this line show no menu"});
      }
      return;
    }
    if (j >= static_cast<std::size_t>(tables::iloscTypowMenu)) {
      findings.Add({"menu-too-many-lines", shown, lineNumber, "",
                    "more than " + std::to_string(tables::iloscTypowMenu) + " menu lines",
                    AtStartUp(kTooManyLines + count) + "; the menus from this line on are lost"});
      return;
    }
    std::size_t fieldStart = semicolon + 1;
    while (fieldStart <= line.size()) {
      std::size_t fieldEnd = line.find(';', fieldStart);
      if (fieldEnd == std::string_view::npos) fieldEnd = line.size();
      const std::string field(line.substr(fieldStart, fieldEnd - fieldStart));
      fieldStart = fieldEnd + 1;
      if (field.empty()) continue;
      const std::optional<std::int32_t> page = tables::ParseWholeNumber(field);
      const std::string link = texts::IsoUtf8(field);
      if (!page) {
        findings.Add({"menu-not-a-number", shown, lineNumber, link,
                      "the page number is not a whole number", "the viewer does not start"});
        return;
      }
      if (*page >= tables::iloscPlikowMenu) {
        findings.Add({"menu-out-of-range", shown, lineNumber, link,
                      "page numbers go from 0 to " + std::to_string(tables::iloscPlikowMenu - 1),
                      AtStartUp(kPageTooLarge + std::to_string(*page)) +
                          "; the rest of the file is ignored"});
        return;
      }
      if (*page < 0) {
        findings.Add({"menu-out-of-range", shown, lineNumber, link,
                      "page numbers go from 0 to " + std::to_string(tables::iloscPlikowMenu - 1),
                      "nothing: the number is ignored"});
      }
    }
  }
}

void CheckMenuTemplates(Disc& disc, const std::string& shown, Findings& findings) {
  for (const auto& [line, pages] : disc.PagesByMenuLine()) {
    const std::string& menu = disc.typMenu()[line];
    const std::string path = disc.paths().templateDir + "menu_" + menu + ".htm";
    if (disc.Exists(path)) continue;
    std::string pageList;
    for (std::size_t i = 0; i < pages.size() && i < 5; ++i) {
      pageList += (i ? ", " : "") + texts::Utf8(pages[i]);
    }
    if (pages.size() > 5) pageList += ", ...";
    findings.Add({"menu-template-missing", shown, line + 1, texts::IsoUtf8(menu),
                  "the template " + disc.Display(path) + " of the menu of pages " + pageList +
                      " does not exist",
                  texts::Quoted(texts::Utf8(menu_texts::kMissingTemplate + path)) +
                      " when such a page is opened"});
  }
}

}  // namespace

void CheckMenu(Disc& disc, Findings& findings) {
  if (!disc.menuBytes()) return;  // reported as a missing table file
  const std::string shown = disc.Display(disc.paths().tableDir + "MENU.CSV");
  CheckMenuLines(disc, shown, findings);
  CheckMenuTemplates(disc, shown, findings);
}

void CheckTree(Disc& disc, Findings& findings) {
  if (!disc.treeBytes()) return;
  const std::string shown = disc.Display(disc.paths().tableDir + "DRZEWO1.CSV");
  const std::vector<std::string_view> lines = tables::FileLines(*disc.treeBytes());
  std::array<int, tables::kTreeNodeCount> lineOfNode{};
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::size_t semicolon = lines[k].find(';');
    if (semicolon == std::string_view::npos) continue;
    const int index = tables::ParseWholeNumber(lines[k].substr(0, semicolon)).value_or(-1);
    if (index >= 0 && index < tables::kTreeNodeCount) {
      lineOfNode[index] = static_cast<int>(k) + 1;
      continue;
    }
    findings.Add(
        {"tree-bad-index", shown, static_cast<int>(k) + 1,
         texts::IsoUtf8(std::string(lines[k].substr(0, semicolon))),
         "node indices go from 0 to " + std::to_string(tables::kTreeNodeCount - 1),
         texts::Quoted(texts::Utf8(menu_texts::kTreeTooSmall +
                                   std::to_string(disc.treeResult().outOfRange.value_or(0)))) +
             " at every start-up; the line is ignored"});
  }

  LinkChecker links(disc, findings);
  for (int node = 0; node < tables::kTreeNodeCount; ++node) {
    if (tables::TreeNodeHasChildren(node)) continue;
    const std::string& page = disc.daneDrzewa()[node];
    const std::string nodeText = texts::Utf8(tables::kTreeNodes[node].text);
    if (page.empty()) {
      findings.Add({"tree-leaf-without-page", shown, 0,
                    "node " + std::to_string(node) + " \"" + nodeText + "\"",
                    "the leaf has no page",
                    texts::Quoted(nodeText + " = " + std::to_string(node)) + " titled \"" +
                        texts::kNoPageForNode + "\" when it is selected"});
      continue;
    }
    links.CheckNavigation({shown, lineOfNode[node], texts::IsoUtf8(page)},
                          disc.paths().dataDir + page, "tree-missing-page");
  }
}

}  // namespace velmora::cli::check
