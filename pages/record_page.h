#pragma once
// Record pages of the protected areas: reserves, landscape parks,
// protected-landscape areas and the ECONET network, generated from the
// kind's template and the area's table row when a record link is clicked.

#include <cstddef>
#include <string>

#include "pages/area_tables.h"
#include "pages/page_context.h"
#include "tables/table.h"

namespace velmora::pages {

using RecordTables = AreaTables;

class RecordPages {
 public:
  RecordPages(PageContext context, PageBuffer& buffer, platform::Browser& browser,
              RecordTables tables)
      : context_(context), buffer_(buffer), browser_(browser), tables_(tables) {}

  // The record link of this kind ("?rp", "?pk", "?ok", "?ec") in the address:
  // its page is made from the key after the marker. False when absent.
  bool OpenRecordLink(const std::string& address, const std::string& kindMarker);
  void MakeDynamicPage(const std::string& key, const std::string& kindMarker);

  // The parts of a page that depend on more than one cell, on the buffer.
  // Blanks the "<TR" ... "</TR>" row around the placeholder's first
  // occurrence, keeping the "</TR>". Returns where the blank stands, or npos
  // when there is no such row.
  std::size_t RemoveEnclosingRow(const std::string& placeholder);
  // The last occurrence of text in the page buffer that begins before
  // limit, or npos.
  std::size_t FindLastBefore(const std::string& text, std::size_t limit);
  void HideMissingMap();
  void FillPhotoStrip(const std::string& kindCode, const std::string& key);
  // The buffer the pages are made in.
  PageBuffer& Buffer() { return buffer_; }

 private:
  void ReplaceAll(const std::string& placeholder, const std::string& value) {
    ReplaceAllIn(buffer_, placeholder, value);
  }

  PageContext context_;
  PageBuffer& buffer_;
  platform::Browser& browser_;
  RecordTables tables_;
};

}  // namespace velmora::pages
