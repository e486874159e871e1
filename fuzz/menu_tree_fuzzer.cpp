// MENU.CSV and DRZEWO1.CSV readers on arbitrary bytes; a menu lookup for
// every page number the reader can store.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/contents_tree.h"
#include "tables/menu_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  using namespace velmora::tables;

  static MenuNames typMenu;
  static MenuPageMap plikMenu;
  ReadMenuDefinition(bytes, typMenu, plikMenu);
  for (int page = -1; page <= iloscPlikowMenu; page += 37) {
    MenuForPage(typMenu, plikMenu, std::to_string(page));
  }
  MenuForPage(typMenu, plikMenu, bytes.substr(0, 16));

  static TreePages pages;
  ReadTreePages(bytes, pages);
  ParseWholeNumber(bytes.substr(0, 24));
  return 0;
}
