// Record pages of the protected areas: reserves, landscape parks,
// protected-landscape areas and the ECONET network, generated from the
// kind's template and the area's table row when a record link is clicked.

#include <string>

#include "app/main_form.h"
#include "pages/generated_page.h"
#include "pages/record_texts.h"
#include "pages/replacement.h"

namespace velmora::app {

namespace {

struct RecordKind {
  const char* marker;
  tables::Table TMainForm::*table;
  int columns;  // as many as the table file is read with
  const char* templateName;
  const char* stem;     // of the generated name, before the key
  int shortenedColumn;  // shown only up to its first ", "; 0 for none
};

constexpr RecordKind kRecordKinds[] = {
    {"?rp", &TMainForm::SG_RP, 18, "rp.html", "RP_", 10},
    {"?pk", &TMainForm::SG_PK, 33, "pk.html", "PK_", 21},
    {"?ok", &TMainForm::SG_OChK, 16, "OCHK.html", "OChK_", 15},
};

constexpr const char* kEconetMarker = "?ec";
constexpr int kEconetColumns = 6;
// "?ec" with this key stands for the network's overview page.
constexpr const char* kEconetOverviewKey = "[bd]";

const char* EconetSuffix(const std::string& key) {
  switch (key.back()) {
    case 'K':
      return pages::record_texts::kNationalNode;
    case 'M':
      return pages::record_texts::kInternationalNode;
    case 'k':
      return pages::record_texts::kNationalCorridor;
    case 'm':
      return pages::record_texts::kInternationalCorridor;
    default:
      return "";
  }
}

std::string Column(int n) { return "@kol" + std::to_string(n) + "@"; }

}  // namespace

bool TMainForm::OpenRecordLink(const std::string& address, const std::string& kindMarker) {
  const std::size_t at = address.find(kindMarker);
  if (at == std::string::npos) return false;
  MakeDynamicPage(address.substr(at + kindMarker.size()), kindMarker);
  return true;
}

void TMainForm::ShowNationalPark(const std::string& key) { ui_.SetText("Szukaj", "PN: " + key); }

void TMainForm::MakeDynamicPage(const std::string& key, const std::string& kindMarker) {
  namespace texts = pages::record_texts;
  if (key.empty()) {
    ui_.MessageBox(texts::kUnknownLink + kindMarker, texts::kCaption, platform::Icon::Stop);
    return;
  }

  const RecordKind* kind = nullptr;
  for (const RecordKind& candidate : kRecordKinds) {
    if (kindMarker == candidate.marker) kind = &candidate;
  }
  const bool econet = kindMarker == kEconetMarker;
  if (!kind && !econet) {
    ui_.MessageBox(std::string(texts::kCannotHappen) + "0", texts::kCaption, platform::Icon::Stop);
    return;
  }
  if (econet && key == kEconetOverviewKey) {
    MainWebBrowser_.Navigate(paths.dataDir + "901.htm");
    return;
  }

  const tables::Table& table = econet ? SG_Eco : this->*(kind->table);
  const int columns = econet ? kEconetColumns : kind->columns;
  const std::string templatePath =
      paths.templateDir + (econet ? "econet.html" : kind->templateName);
  if (!MainRichEdit.LoadFromFile(templatePath)) {
    // Nothing is generated without the template; say which one is missing.
    ui_.MessageBox(texts::kMissingFile + templatePath, texts::kCaption, platform::Icon::Stop);
    return;
  }

  for (int n = 1; n <= columns; ++n) {
    const std::string placeholder = Column(n);
    // Every occurrence in turn. An empty value takes its row, or at least the
    // placeholder, out of the page, so searching from the start again ends;
    // text a value brought in is not searched again, so a value holding its
    // own placeholder cannot loop.
    // The value is the same for each; all of them are done in one pass.
    if (MainRichEdit.Find(placeholder, 0, true) == pages::PageBuffer::npos) continue;
    std::string value = Dane(table, key, n, 0);
    if (value.empty()) {
      pages::RemoveRowsOf(MainRichEdit, placeholder);
      continue;
    }
    if (kind && n == kind->shortenedColumn) value = value.substr(0, value.find(", "));
    pages::ReplaceAllIn(MainRichEdit, placeholder, value);
  }

  ReplaceAll("f.jpg", paths.templateDir + "f.jpg");
  ReplaceAll("m.jpg", paths.templateDir + "m.jpg");
  ReplaceAll("http://db?path", paths.dataDir);

  if (!econet) {
    HideMissingMap();
    FillPhotoStrip(std::string(kind->marker).substr(1), key);
    SaveAndShow(MainRichEdit, pages::GeneratedFileName(kind->stem, key), MainWebBrowser_,
                texts::kCaption);
    return;
  }

  const std::string titleLine = "   " + key + EconetSuffix(key) + Dane(SG_Eco, key, 2, 0);
  ReplaceAll("econet.jpg", "\"" + paths.templateDir + "econet.jpg\"");
  ReplaceAll("arrow.gif", paths.templateDir + "arrow.gif");
  ReplaceAll("<!--@opis@-->", titleLine);
  // One page for every ECONET record, shown inside the fixed frame page.
  MainRichEdit.SaveToFile(paths.workDir + pages::GeneratedFileName("econet"));
  const std::string framePage = paths.workDir + "econet_fr.html";
  if (files_.FileExists(framePage)) {
    MainWebBrowser_.Navigate(framePage);
  } else {
    ui_.MessageBox(texts::kMissingFile + framePage, texts::kCaption, platform::Icon::Stop);
  }
}

}  // namespace velmora::app
