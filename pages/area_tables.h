#pragma once
// The tables of the protected areas and their photographs, as the record and
// location pages read them.

#include "tables/table.h"

namespace velmora::pages {

struct AreaTables {
  const tables::Table& reserves;
  const tables::Table& parks;
  const tables::Table& landscapes;
  const tables::Table& econet;
  const tables::Table& photos;
};

}  // namespace velmora::pages
