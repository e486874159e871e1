#pragma once
// The nine semicolon tables in the order they are loaded at start-up.

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora::tables {

struct CatalogueEntry {
  std::string_view fileName;
  std::string_view tableName;
  int declaredColumns;
};

inline constexpr std::array<CatalogueEntry, 9> kCatalogue{{
    {"RP.CSV", "SG_RP", 18},
    {"PK.CSV", "SG_PK", 33},
    {"OCHK.CSV", "SG_OChK", 16},
    {"FOTO.CSV", "SG_Foto", 6},
    {"ECONET.CSV", "SG_Eco", 6},
    {"TRANSL.CSV", "SG_Trans", 2},
    {"DICT.CSV", "SG_Dic", 3},
    {"BIOTOP.CSV", "SG_Bio", 7},
    {"SLIDE.CSV", "SG_Slide", 2},
}};

// Where each table stands in the catalogue.
enum CatalogueIndex : std::size_t {
  kReserveTable,
  kParkTable,
  kLandscapeTable,
  kPhotoTable,
  kEconetTable,
  kTranslationTable,
  kDictionaryTable,
  kBiotopeTable,
  kSlideTable,
};

constexpr std::string_view FileName(CatalogueIndex index) { return kCatalogue[index].fileName; }

// The number of columns a table file is read with.
constexpr int DeclaredColumns(CatalogueIndex index) { return kCatalogue[index].declaredColumns; }

// Declared column count of a catalogue file name (case-insensitive), or 1.
int DeclaredColumnsFor(std::string_view fileName);

}  // namespace velmora::tables
