// The standard-C++ platform parts: code pages and the native file system.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "platform/codepage.h"
#include "platform/native_file_system.h"
#include "test_support.h"

namespace velmora::test {
namespace {

using namespace velmora::platform;

// --- Code pages ---

TEST(CodePage, polishLettersThatDiffer_swapBetweenWin1250AndIso) {
  const std::string win = "\xB9\x9C\x9F\xA5\x8C\x8F";  // ąśźĄŚŹ
  const std::string iso = "\xB1\xB6\xBC\xA1\xA6\xAC";
  EXPECT_EQ(Win1250ToIso(win), iso);
  EXPECT_EQ(IsoToWin1250(iso), win);
}

TEST(CodePage, lettersSharedByBothPages_stayUnchanged) {
  const std::string shared = "\xB3\xEA\xE6\xF1\xF3\xBF\xA3\xCA\xC6\xD1\xD3\xAF abc";  // łęćńóż...
  EXPECT_EQ(Win1250ToIso(shared), shared);
  EXPECT_EQ(IsoToWin1250(shared), shared);
}

TEST(CodePage, toUtf8_readsEachPageCorrectly) {
  EXPECT_EQ(Win1250ToUtf8("\xB3\xB9ka"), "\xC5\x82\xC4\x85ka");   // łąka
  EXPECT_EQ(Iso88592ToUtf8("\xB3\xB1ka"), "\xC5\x82\xC4\x85ka");  // łąka
  EXPECT_EQ(Utf8ToWin1250("\xC5\x9B"), "\x9C");                   // ś
  EXPECT_EQ(Utf8ToIso88592("\xC5\x9B"), "\xB6");
}

TEST(CodePage, unmappableAndMalformedUtf8_becomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWin1250("\xE2\x82\xAC"), "\x80");  // € exists in Windows-1250
  EXPECT_EQ(Utf8ToIso88592("\xE2\x82\xAC"), "?");    // but not in ISO-8859-2
  EXPECT_EQ(Utf8ToWin1250("a\xC5"), "a?");           // cut sequence
  EXPECT_EQ(Utf8ToWin1250("\xFF\xFE"), "??");
}

TEST(CodePage, lowerAscii_changesOnlyAtoZ) {
  EXPECT_EQ(LowerAscii("HTTP://DB?RP\xA3\xA5"), "http://db?rp\xA3\xA5");
}

TEST(CodePage, lowerWin1250_coversPolishCapitals) {
  // ĄĆĘŁŃÓŚŹŻ -> ąćęłńóśźż
  EXPECT_EQ(LowerWin1250("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"),
            "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
  EXPECT_EQ(LowerWin1250("\xD7"), "\xD7");  // the multiplication sign has no small form
}

// --- Native file system ---

class NativeFiles : public ::testing::Test {
 protected:
  TempDir dir;
  NativeFileSystem files;
};

TEST_F(NativeFiles, nameInOtherLetterCase_isFoundAndResolvedToRealPath) {
  WriteFile(dir / "DB/RP.CSV", "x");
  WriteFile(dir / "Data/799.HTM", "y");
  EXPECT_TRUE(files.FileExists(dir / "db/rp.csv"));
  EXPECT_EQ(files.ReadFile(dir / "db/rp.csv"), "x");
  EXPECT_EQ(files.ResolvePath(dir / "data/799.htm"), dir / "Data/799.HTM");
  EXPECT_FALSE(files.FileExists(dir / "data/800.htm"));
}

TEST_F(NativeFiles, polishFileNames_crossTheBoundaryAsWin1250) {
  WriteFile(dir / "\xC5\x82\xC4\x85ka.html", "z");  // łąka.html on disk, UTF-8
  EXPECT_TRUE(files.FileExists(dir.path() + "/\xB3\xB9ka.html"));
  ASSERT_TRUE(files.WriteFile(dir.path() + "/\x9C"
                                           "cie\xBFka.html",
                              "w"));  // ścieżka
  EXPECT_TRUE(Exists(dir / "\xC5\x9B"
                           "cie\xC5\xBCka.html"));
}

TEST_F(NativeFiles, listByWildcard_matchesIgnoringCaseAndMarksPlainFiles) {
  WriteFile(dir / "$$RP_1.html", "");
  WriteFile(dir / "$$x.htm", "");
  WriteFile(dir / "keep.txt", "");
  std::filesystem::create_directory(dir / "$$sub.html");
  std::filesystem::create_symlink(dir / "keep.txt", dir / "$$link.HTML");
  auto entries = files.List(dir.path() + "/$$*.html");
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "$$RP_1.html");
  EXPECT_TRUE(entries[0].isRegularFile);
  EXPECT_EQ(entries[1].name, "$$link.HTML");
  EXPECT_FALSE(entries[1].isRegularFile);
  EXPECT_EQ(entries[2].name, "$$sub.html");
  EXPECT_TRUE(entries[2].isDirectory);
}

TEST_F(NativeFiles, removeDirectory_leavesDirectoryWithContent) {
  WriteFile(dir / "w/a", "");
  EXPECT_FALSE(files.RemoveDirectory(dir / "w"));
  EXPECT_TRUE(Exists(dir / "w/a"));
  EXPECT_TRUE(files.DeleteFile(dir / "w/a"));
  EXPECT_TRUE(files.RemoveDirectory(dir / "w"));
}

TEST_F(NativeFiles, writeFile_overLongerFile_leavesOnlyNewBytes) {
  ASSERT_TRUE(files.WriteFile(dir / "$$RP_1.html", std::string(5000, 'a')));
  ASSERT_TRUE(files.WriteFile(dir / "$$RP_1.html", "short"));
  EXPECT_EQ(files.ReadFile(dir / "$$RP_1.html"), "short");
  ASSERT_TRUE(files.WriteFile(dir / "$$RP_1.html", ""));
  EXPECT_EQ(files.ReadFile(dir / "$$RP_1.html"), "");
}

TEST_F(NativeFiles, readFile_holdsNoMoreThanTheFileWhateverItsSize) {
  // Tables keep the text they read for the whole run: a buffer grown while
  // reading would hold up to twice the file.
  for (const std::size_t size : {std::size_t{0}, std::size_t{4095}, std::size_t{4096},
                                 std::size_t{1} << 20, (std::size_t{3} << 20) + 17}) {
    std::string bytes(size, 'r');
    if (size > 0) bytes.back() = ';';
    WriteFile(dir / "DB/RP.CSV", bytes);
    const std::optional<std::string> read = files.ReadFile(dir / "DB/RP.CSV");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, bytes) << size;
    EXPECT_LE(read->capacity(), size + 4096) << size;
  }
}

#ifdef __linux__
TEST_F(NativeFiles, readingInBackground_lowersOnlyTheCallingThread) {
  const int before = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  int reader = before;
  std::thread([&] {
    files.ReadingInBackground();
    reader = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  }).join();
  EXPECT_EQ(reader, std::max(before, NativeFileSystem::kBackgroundNice));
  EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())), before);
}
#endif

TEST_F(NativeFiles, missingFiles_failQuietly) {
  EXPECT_FALSE(files.ReadFile(dir / "none").has_value());
  EXPECT_FALSE(files.CopyFile(dir / "none", dir / "copy"));
  EXPECT_FALSE(files.DeleteFile(dir / "none"));
  EXPECT_FALSE(files.WriteFile(dir / "no/such/dir/file", "x"));
}

TEST(Wildcard, starAndQuestionMark) {
  EXPECT_TRUE(WildcardMatch("*.*", "a.b"));
  EXPECT_TRUE(WildcardMatch("$$*.html", "$$.html"));
  EXPECT_FALSE(WildcardMatch("$$*.html", "$$x.htm"));
  EXPECT_TRUE(WildcardMatch("f?.jpg", "F1.JPG"));
  EXPECT_FALSE(WildcardMatch("f?.jpg", "f12.jpg"));
}

}  // namespace
}  // namespace velmora::test
