// The parts of a record page that depend on more than one table cell: rows
// of empty values, the optional map block and the photograph strip.

#include <string>

#include "app/main_form.h"
#include "pages/record_texts.h"

namespace velmora::app {

namespace {

constexpr std::size_t npos = pages::PageBuffer::npos;

// Where the map block's end marker is looked for, counted from the start of
// the map name: far enough to pass the map link and its picture.
constexpr std::size_t kMapBlockReach = 130;

}  // namespace

std::size_t TMainForm::FindLastBefore(const std::string& text, std::size_t limit) {
  // Backwards from the limit: only as far as the last one.
  if (text.empty() || limit == 0) return npos;
  return MainRichEdit.Text().rfind(text, limit - 1);
}

std::size_t TMainForm::RemoveEnclosingRow(const std::string& placeholder) {
  const std::size_t at = MainRichEdit.Find(placeholder, 0, true);
  if (at == npos) return npos;
  // Row markers in upper case only: rows written in lower case stay.
  const std::size_t rowStart = FindLastBefore("<TR", at);
  if (rowStart == npos) return npos;
  const std::size_t rowEnd = MainRichEdit.Find("</TR>", at, true);
  if (rowEnd == npos) return npos;
  MainRichEdit.Replace(rowStart, rowEnd - rowStart, " ");
  return rowStart;
}

void TMainForm::HideMissingMap() {
  // Only the page's first map link decides.
  const std::string marker = "?map-";
  const std::size_t link = MainRichEdit.Find(marker, 0, true);
  if (link == npos) return;
  const std::size_t nameStart = link + marker.size();
  const std::size_t nameEnd = MainRichEdit.Find("\"><IMG", nameStart, true);
  if (nameEnd == npos) return;
  if (ShowLocation(MainRichEdit.Read(nameStart, nameEnd - nameStart), 0)) return;
  const std::size_t blockStart = FindLastBefore("<!--@begin@-->", nameEnd);
  if (blockStart == npos) return;
  const std::size_t blockEnd = MainRichEdit.Find("<!--@end@-->", nameStart + kMapBlockReach, true);
  if (blockEnd == npos) return;
  MainRichEdit.Replace(blockStart, blockEnd - blockStart, " ");
}

void TMainForm::FillPhotoStrip(const std::string& kindCode, const std::string& key) {
  namespace texts = pages::record_texts;
  const std::string reference = kindCode + key;
  std::string strip = texts::kPhotoRowStart;
  bool found = false;
  for (const int row : SG_Foto.RowsContaining(3, reference)) {
    const std::string_view references = SG_Foto.Cell(3, row);
    const std::size_t at = references.find(reference);
    if (at == std::string_view::npos) continue;
    // The reference must end the cell, unless the cell ends in a blank.
    if (at + reference.size() != references.size() && references.back() != ' ') continue;
    const std::string picture =
        std::string(SG_Foto.Cell(1, row)).append(SG_Foto.Cell(0, row)).append(".jpg");
    if (!PhotoExists(picture)) continue;
    strip += texts::kThumbnailLinkStart + picture + texts::kThumbnailSourceStart + paths.photoDir +
             picture + texts::kThumbnailEnd;
    found = true;
  }
  ReplaceAll("<!--@foto@-->", found ? strip : " ");
}

bool TMainForm::PhotoExists(const std::string& pictureName) {
  return files_.FileExists(paths.photoDir + pictureName);
}

}  // namespace velmora::app
