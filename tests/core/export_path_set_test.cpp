// The export's set of wanted paths: each path in it once, across the
// table's growth and the blocks its bytes are kept in.
#include <gtest/gtest.h>

#include <string>

#include "cli/export/path_set.h"

namespace velmora::cli::exporting {
namespace {

TEST(ExportPathSet, eachPathIsNewOnlyOnce_acrossGrowthAndBlocks) {
  PathSet set;
  // Enough paths for many doublings of the table and several blocks.
  constexpr int kCount = 60000;
  auto pathOf = [](int i) { return "gen/rp/" + std::to_string(i) + ".html"; };
  for (int i = 0; i < kCount; ++i) ASSERT_TRUE(set.Insert(pathOf(i))) << i;
  for (int i = 0; i < kCount; ++i) {
    ASSERT_FALSE(set.Insert(pathOf(i))) << i;
    ASSERT_TRUE(set.Contains(pathOf(i))) << i;
  }
  EXPECT_FALSE(set.Contains(pathOf(kCount)));
  EXPECT_FALSE(set.Contains("gen/rp/1.htm"));  // a prefix of one held
  EXPECT_EQ(set.size(), static_cast<std::size_t>(kCount));
}

TEST(ExportPathSet, emptyAndLongerThanABlock_andReleased) {
  PathSet set;
  const std::string longPath = "gen/broken/" + std::string(700 * 1024, 'x');
  EXPECT_TRUE(set.Insert(""));
  EXPECT_TRUE(set.Insert(longPath));
  EXPECT_TRUE(set.Insert("a"));
  EXPECT_FALSE(set.Insert(longPath));
  EXPECT_FALSE(set.Insert(""));
  EXPECT_TRUE(set.Contains(longPath));
  EXPECT_FALSE(set.Contains(longPath.substr(1)));
  set.Release();
  EXPECT_EQ(set.size(), 0u);
  EXPECT_FALSE(set.Contains("a"));
  EXPECT_TRUE(set.Insert("a"));
}

}  // namespace
}  // namespace velmora::cli::exporting
