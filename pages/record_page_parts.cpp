// The parts of a record page that depend on more than one table cell: rows
// of empty values, the optional map block and the photograph strip.

#include <string>

#include "pages/location_page.h"
#include "pages/record_page.h"
#include "pages/record_texts.h"

namespace velmora::pages {

namespace {

constexpr std::size_t npos = PageBuffer::npos;

// Where the map block's end marker is looked for, counted from the start of
// the map name: far enough to pass the map link and its picture.
constexpr std::size_t kMapBlockReach = 130;

}  // namespace

std::size_t RecordPages::FindLastBefore(const std::string& text, std::size_t limit) {
  // Backwards from the limit: only as far as the last one.
  if (text.empty() || limit == 0) return npos;
  return buffer_.Text().rfind(text, limit - 1);
}

std::size_t RecordPages::RemoveEnclosingRow(const std::string& placeholder) {
  const std::size_t at = buffer_.Find(placeholder, 0, true);
  if (at == npos) return npos;
  // Row markers in upper case only: rows written in lower case stay.
  const std::size_t rowStart = FindLastBefore("<TR", at);
  if (rowStart == npos) return npos;
  const std::size_t rowEnd = buffer_.Find("</TR>", at, true);
  if (rowEnd == npos) return npos;
  buffer_.Replace(rowStart, rowEnd - rowStart, " ");
  return rowStart;
}

void RecordPages::HideMissingMap() {
  // Only the page's first map link decides.
  const std::string marker = "?map-";
  const std::size_t link = buffer_.Find(marker, 0, true);
  if (link == npos) return;
  const std::size_t nameStart = link + marker.size();
  const std::size_t nameEnd = buffer_.Find("\"><IMG", nameStart, true);
  if (nameEnd == npos) return;
  if (context_.files.FileExists(
          MapPicturePath(context_.paths, buffer_.Read(nameStart, nameEnd - nameStart)))) {
    return;
  }
  const std::size_t blockStart = FindLastBefore("<!--@begin@-->", nameEnd);
  if (blockStart == npos) return;
  const std::size_t blockEnd = buffer_.Find("<!--@end@-->", nameStart + kMapBlockReach, true);
  if (blockEnd == npos) return;
  buffer_.Replace(blockStart, blockEnd - blockStart, " ");
}

void RecordPages::FillPhotoStrip(const std::string& kindCode, const std::string& key) {
  namespace texts = record_texts;
  const std::string reference = kindCode + key;
  std::string strip = texts::kPhotoRowStart;
  bool found = false;
  for (const int row : tables_.photos.RowsContaining(3, reference)) {
    const std::string_view references = tables_.photos.Cell(3, row);
    const std::size_t at = references.find(reference);
    if (at == std::string_view::npos) continue;
    // The reference must end the cell, unless the cell ends in a blank.
    if (at + reference.size() != references.size() && references.back() != ' ') continue;
    const std::string picture =
        std::string(tables_.photos.Cell(1, row)).append(tables_.photos.Cell(0, row)).append(".jpg");
    if (!context_.files.FileExists(context_.paths.photoDir + picture)) continue;
    strip += texts::kThumbnailLinkStart + picture + texts::kThumbnailSourceStart +
             context_.paths.photoDir + picture + texts::kThumbnailEnd;
    found = true;
  }
  ReplaceAll("<!--@foto@-->", found ? strip : " ");
}

}  // namespace velmora::pages
