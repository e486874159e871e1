// Record pages of the protected areas: reserves, landscape parks,
// protected-landscape areas and the ECONET network, generated from the
// kind's template and the area's table row when a record link is clicked.

#include "pages/record_page.h"

#include <string>

#include "pages/generated_page.h"
#include "pages/record_texts.h"
#include "pages/replacement.h"
#include "pages/template_files.h"
#include "tables/catalogue.h"

namespace velmora::pages {

namespace {

struct RecordKind {
  const char* marker;
  const tables::Table& (*table)(const RecordTables&);
  int columns;  // as many as the table file is read with
  const char* templateName;
  const char* stem;     // of the generated name, before the key
  int shortenedColumn;  // shown only up to its first ", "; 0 for none
};

constexpr RecordKind kRecordKinds[] = {
    {"?rp", [](const RecordTables& t) -> const tables::Table& { return t.reserves; },
     tables::DeclaredColumns(tables::kReserveTable), template_files::kReserve, "RP_", 10},
    {"?pk", [](const RecordTables& t) -> const tables::Table& { return t.parks; },
     tables::DeclaredColumns(tables::kParkTable), template_files::kPark, "PK_", 21},
    {"?ok", [](const RecordTables& t) -> const tables::Table& { return t.landscapes; },
     tables::DeclaredColumns(tables::kLandscapeTable), template_files::kLandscape, "OChK_", 15},
};

constexpr const char* kEconetMarker = "?ec";
constexpr int kEconetColumns = tables::DeclaredColumns(tables::kEconetTable);
// "?ec" with this key stands for the network's overview page.
constexpr const char* kEconetOverviewKey = "[bd]";

const char* EconetSuffix(const std::string& key) {
  switch (key.back()) {
    case 'K':
      return record_texts::kNationalNode;
    case 'M':
      return record_texts::kInternationalNode;
    case 'k':
      return record_texts::kNationalCorridor;
    case 'm':
      return record_texts::kInternationalCorridor;
    default:
      return "";
  }
}

std::string Column(int n) { return "@kol" + std::to_string(n) + "@"; }

}  // namespace

bool RecordPages::OpenRecordLink(const std::string& address, const std::string& kindMarker) {
  const std::size_t at = address.find(kindMarker);
  if (at == std::string::npos) return false;
  MakeDynamicPage(address.substr(at + kindMarker.size()), kindMarker);
  return true;
}

void RecordPages::MakeDynamicPage(const std::string& key, const std::string& kindMarker) {
  namespace texts = record_texts;
  if (key.empty()) {
    context_.ui.MessageBox(texts::kUnknownLink + kindMarker, texts::kCaption, platform::Icon::Stop);
    return;
  }

  const RecordKind* kind = nullptr;
  for (const RecordKind& candidate : kRecordKinds) {
    if (kindMarker == candidate.marker) kind = &candidate;
  }
  const bool econet = kindMarker == kEconetMarker;
  if (!kind && !econet) {
    context_.ui.MessageBox(std::string(texts::kCannotHappen) + "0", texts::kCaption,
                           platform::Icon::Stop);
    return;
  }
  if (econet && key == kEconetOverviewKey) {
    browser_.Navigate(context_.paths.dataDir + "901.htm");
    return;
  }

  const tables::Table& table = econet ? tables_.econet : kind->table(tables_);
  const int columns = econet ? kEconetColumns : kind->columns;
  const std::string templatePath =
      context_.paths.templateDir + (econet ? template_files::kEconet : kind->templateName);
  if (!buffer_.LoadFromFile(templatePath)) {
    // Nothing is generated without the template; say which one is missing.
    context_.ui.MessageBox(kMissingFile + templatePath, texts::kCaption, platform::Icon::Stop);
    return;
  }

  for (int n = 1; n <= columns; ++n) {
    const std::string placeholder = Column(n);
    // Every occurrence in turn. An empty value takes its row, or at least the
    // placeholder, out of the page, so searching from the start again ends;
    // text a value brought in is not searched again, so a value holding its
    // own placeholder cannot loop.
    // The value is the same for each; all of them are done in one pass.
    if (buffer_.Find(placeholder, 0, true) == PageBuffer::npos) continue;
    std::string value = context_.columns.Dane(table, key, n, 0);
    if (value.empty()) {
      RemoveRowsOf(buffer_, placeholder);
      continue;
    }
    if (kind && n == kind->shortenedColumn) value = value.substr(0, value.find(", "));
    ReplaceAllIn(buffer_, placeholder, value);
  }

  ReplaceAll("f.jpg", context_.paths.templateDir + "f.jpg");
  ReplaceAll("m.jpg", context_.paths.templateDir + "m.jpg");
  ReplaceAll("http://db?path", context_.paths.dataDir);

  if (!econet) {
    HideMissingMap();
    FillPhotoStrip(std::string(kind->marker).substr(1), key);
    context_.Show(buffer_, GeneratedFileName(kind->stem, key), browser_, texts::kCaption);
    return;
  }

  const std::string titleLine =
      "   " + key + EconetSuffix(key) + context_.columns.Dane(tables_.econet, key, 2, 0);
  ReplaceAll("econet.jpg", "\"" + context_.paths.templateDir + "econet.jpg\"");
  ReplaceAll("arrow.gif", context_.paths.templateDir + "arrow.gif");
  ReplaceAll("<!--@opis@-->", titleLine);
  // One page for every ECONET record, shown inside the fixed frame page.
  buffer_.SaveToFile(context_.paths.workDir + GeneratedFileName("econet"));
  const std::string framePage = context_.paths.workDir + "econet_fr.html";
  if (context_.files.FileExists(framePage)) {
    browser_.Navigate(framePage);
  } else {
    context_.ui.MessageBox(kMissingFile + framePage, texts::kCaption, platform::Icon::Stop);
  }
}

}  // namespace velmora::pages
