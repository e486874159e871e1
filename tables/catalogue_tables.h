#pragma once
// The nine tables of the catalogue, held in its order and reached by its
// index, so that no list of them repeats that order.

#include <array>
#include <cstddef>

#include "tables/catalogue.h"
#include "tables/table.h"

namespace velmora::tables {

class CatalogueTables {
 public:
  // Each table empty, named and as wide as the catalogue declares.
  CatalogueTables();

  Table& operator[](CatalogueIndex index) { return tables_[index]; }
  const Table& operator[](CatalogueIndex index) const { return tables_[index]; }

  // In the catalogue's order, which is the loading order.
  auto begin() { return tables_.begin(); }
  auto end() { return tables_.end(); }
  auto begin() const { return tables_.begin(); }
  auto end() const { return tables_.end(); }

 private:
  std::array<Table, kCatalogue.size()> tables_;
};

}  // namespace velmora::tables
