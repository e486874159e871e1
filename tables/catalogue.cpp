#include "tables/catalogue.h"

#include <algorithm>
#include <cctype>

namespace velmora::tables {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

int DeclaredColumnsFor(std::string_view fileName) {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (EqualIgnoringCase(entry.fileName, fileName)) return entry.declaredColumns;
  }
  return 1;
}

}  // namespace velmora::tables
