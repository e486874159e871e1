#include "tables/catalogue_tables.h"

#include <string>
#include <utility>

namespace velmora::tables {

namespace {

template <std::size_t... Index>
std::array<Table, kCatalogue.size()> EmptyTables(std::index_sequence<Index...>) {
  return {Table(std::string(kCatalogue[Index].tableName), kCatalogue[Index].declaredColumns)...};
}

}  // namespace

CatalogueTables::CatalogueTables()
    : tables_(EmptyTables(std::make_index_sequence<kCatalogue.size()>())) {}

}  // namespace velmora::tables
