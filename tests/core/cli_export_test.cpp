// velmora-cli export run as a program: the demo disc as a site and as a ZIM
// archive, the export's own link check, and what bad input and a full disk
// leave behind.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "small_filesystem.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::vector<std::string> NamesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

// The demo disc exported once for the tests that read the site.
class CliExportSite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out_ = new TempDir;
    *result_ = RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, "--site", site(), "--quiet"});
  }
  static void TearDownTestSuite() {
    delete out_;
    out_ = nullptr;
  }
  static std::string site() { return *out_ / "site"; }

  static TempDir* out_;
  static CliResult* result_;
};

TempDir* CliExportSite::out_ = nullptr;
CliResult* CliExportSite::result_ = new CliResult;

TEST_F(CliExportSite, everyLinkResolvesInsideButTheDemoDiscsFiveDeliberateFaults) {
  ASSERT_EQ(result_->status, 0) << result_->out << result_->err;
  EXPECT_EQ(Grep(result_->lines, {"broken: "}).size(), 5u) << result_->out;
  for (const char* fault : {"998.htm", "zubry", "erozja", "intro_fr", "jaskinie"}) {
    EXPECT_EQ(Grep(result_->lines, {"broken: ", fault}).size(), 1u) << fault;
  }
  const CliResult check = RunCli({"export", "--check-site", site()});
  EXPECT_EQ(check.status, 0) << check.out;
  EXPECT_TRUE(Contains(check.out,
                       " 0 unresolved, 0 loading from the network, 5 leading to a "
                       "broken link of the disc."))
      << check.out;
}

TEST_F(CliExportSite, generatedPagesAreTheViewersInUtf8WithLinksInsideTheExport) {
  ASSERT_EQ(result_->status, 0);
  // A record page, its definition pop-up and its location: the viewer's
  // templates filled from the tables.
  const std::string record = ReadFile(site() + "/gen/rp/101.html");
  EXPECT_TRUE(Contains(record, "charset=utf-8"));
  EXPECT_TRUE(Contains(record, "K\xC4\x99pa Red\xC5\x82owska")) << record.substr(0, 600);
  EXPECT_TRUE(Contains(record, "href='../dic/rezerwat.html'"));
  EXPECT_TRUE(Contains(record, "href='../loc/rp101.html'"));
  EXPECT_TRUE(Contains(record, "velmora-export.js"));
  // The title strip's topic as the page's heading.
  EXPECT_TRUE(Contains(record, "<div class=\"vx-title\">Rezerwat przyrody K\xC4\x99pa"));
  const std::string definition = ReadFile(site() + "/gen/dic/rezerwat.html");
  EXPECT_TRUE(Contains(definition, "<b>rezerwat przyrody</b>"));
  EXPECT_TRUE(Contains(definition, "<base target=\"_top\">"));
  EXPECT_TRUE(fs::exists(site() + "/gen/loc/rp101.html"));
  // The contents tree as lists, a slide show as a gallery, the start page.
  EXPECT_TRUE(Contains(ReadFile(site() + "/gen/tree.html"), "<ul>"));
  EXPECT_TRUE(Contains(ReadFile(site() + "/gen/slides/gory.html"), "<img src=\"../../Foto/"));
  EXPECT_TRUE(Contains(ReadFile(site() + "/index.html"), "url=Data/799.htm"));
  // A data page with its menu beside it.
  EXPECT_TRUE(Contains(ReadFile(site() + "/Data/100.htm"), "class=\"vx-menu\""));
}

TEST_F(CliExportSite, filmsPlayAsWebmTranscodedOnce) {
  ASSERT_EQ(result_->status, 0);
  EXPECT_TRUE(Grep(result_->lines, {"film not transcoded"}).empty()) << result_->out;
  EXPECT_TRUE(Contains(ReadFile(site() + "/Data/799.htm"), "../gen/film/"));
  for (const std::string film : {"bobry", "dawny", "wydmy"}) {
    const std::string page = ReadFile(site() + "/gen/film/" + film + ".html");
    EXPECT_TRUE(Contains(page, "<video controls src=\"" + film + ".webm\">")) << page;
    const std::string webm = ReadFile(site() + "/gen/film/" + film + ".webm");
    EXPECT_EQ(webm.substr(0, 4), "\x1A\x45\xDF\xA3") << film;
    EXPECT_TRUE(Contains(webm, "V_VP8")) << film;
    // The one film with sound keeps it; the silent ones are made without
    // waiting for a sound that never comes.
    EXPECT_EQ(Contains(webm, "A_VORBIS"), film == "dawny") << film;
  }
}

TEST(CliExport, filmNotTranscoded_keepsTheOriginalAndSaysWhy) {
  TempDir out;
  // A GStreamer that fails every film.
  WriteFile(out / "bin/gst-launch-1.0", "#!/bin/sh\nexit 1\n");
  MakeExecutable(out / "bin/gst-launch-1.0");
  const ScopedEnv path("PATH", out / "bin:" + std::string(std::getenv("PATH")));
  const CliResult result =
      RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, "--site", out / "site", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_EQ(Grep(result.lines, {"film not transcoded: ", "bobry"}).size(), 1u) << result.out;
  EXPECT_EQ(Grep(result.lines, {"broken: "}).size(), 5u) << result.out;
  const std::string page = ReadFile(out / "site/gen/film/bobry.html");
  EXPECT_FALSE(Contains(page, "<video")) << page;
  EXPECT_TRUE(Contains(page, "nie uda\xC5\x82o si\xC4\x99 przekodowa\xC4\x87")) << page;
  EXPECT_TRUE(Contains(page, "href=\"../../Anim/bobry.avi\"")) << page;
  EXPECT_TRUE(fs::exists(out / "site/Anim/bobry.avi"));
  EXPECT_FALSE(fs::exists(out / "site/gen/film/bobry.webm"));
}

TEST_F(CliExportSite, noPageNamesTheExportingComputersPaths) {
  ASSERT_EQ(result_->status, 0);
  const std::string disc = fs::canonical(VELMORA_SAMPLE_CONTENT).string();
  for (const std::string& name : TreeOf(site())) {
    if (!name.ends_with(".htm") && !name.ends_with(".html")) continue;
    const std::string page = ReadFile(site() + "/" + name);
    EXPECT_FALSE(Contains(page, disc)) << name;
    EXPECT_FALSE(Contains(page, "velmora-cli-")) << name;
  }
}

// What a command prints on its standard output.
std::string OutputOf(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

// The quoted strings of a JSON array of strings named key, in order.
std::vector<std::string> JsonStrings(const std::string& json, const std::string& key) {
  std::vector<std::string> found;
  const std::size_t at = json.find("\"" + key + "\":[");
  if (at == std::string::npos) return found;
  const std::string list = json.substr(at, json.find(']', at) - at);
  static const std::regex kString("\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(list.begin() + key.size() + 2, list.end(), kString);
       it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[1]);
  }
  return found;
}

TEST_F(CliExportSite, searchPage_givesTheViewersResultsForSingleWords) {
  ASSERT_EQ(result_->status, 0);
  const std::string node = FindTool("node");
  if (node.empty()) GTEST_SKIP() << "node is not installed";
  // The search page's own script, on its index, as the page runs it.
  WriteFile(*out_ / "search.js",
            "const fs = require('fs'), vm = require('vm'), ctx = {};\n"
            "const [site, word] = process.argv.slice(2);\n"
            "vm.runInNewContext(fs.readFileSync(site + '/gen/velmora-search-index.js', 'utf8'), "
            "ctx);\n"
            "const r = require(site + '/gen/velmora-search.js')(ctx.VelmoraSearchIndex, word);\n"
            "console.log(JSON.stringify({definitions: r.definitions.map(d => d[1]),\n"
            "  pages: r.pages.map(p => p[0].replace(/^Data\\//, ''))}));\n");
  for (const std::string word :
       {"park", "PARK", "K\xC4\x99pa", "\xC5\x82\xC4\x85ki", "ochrona", "styledb", "1938"}) {
    const std::string site = OutputOf(node + " " + *out_ / "search.js" + " " +
                                      CliExportSite::site() + " '" + word + "'");
    const CliResult viewer = RunCli({"search", word, "--content", VELMORA_SAMPLE_CONTENT});
    ASSERT_EQ(viewer.status, 0) << word;
    std::vector<std::string> definitions = JsonStrings(viewer.out, "dictionary");
    for (const std::string& key : JsonStrings(viewer.out, "biotopes")) definitions.push_back(key);
    std::vector<std::string> pages;
    static const std::regex kPath("\"path\":\"[^\"]*/([^\"/]*)\"");
    for (auto it = std::sregex_iterator(viewer.out.begin(), viewer.out.end(), kPath);
         it != std::sregex_iterator(); ++it) {
      pages.push_back((*it)[1]);
    }
    EXPECT_FALSE(pages.empty()) << word;
    EXPECT_EQ(JsonStrings(site, "pages"), pages) << word;
    EXPECT_EQ(JsonStrings(site, "definitions"), definitions) << word;
  }
}

TEST(CliExport, checkSite_reportsLinksLeadingNowhereAndLoadsFromTheNetwork) {
  TempDir site;
  WriteFile(site / "a.html",
            "<a href=\"b.html#x\">b</a><a href=\"missing.html\">m</a>"
            "<a href=\"../outside.html\">o</a><img src=\"http://example.com/x.png\">"
            "<a href=\"http://example.com/\">outside link</a>");
  WriteFile(site / "b.html", "<a href=\"a.html\">a</a>");
  const CliResult check = RunCli({"export", "--check-site", site.path()});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(Grep(check.lines, {"unresolved: a.html: missing.html"}).size(), 1u) << check.out;
  EXPECT_EQ(Grep(check.lines, {"unresolved: a.html: ../outside.html"}).size(), 1u) << check.out;
  EXPECT_EQ(Grep(check.lines, {"from the network: a.html: http://example.com/x.png"}).size(), 1u);
  EXPECT_TRUE(Grep(check.lines, {"http://example.com/\""}).empty());
  EXPECT_TRUE(Contains(check.out, "Links: 4 inside the export, 2 unresolved")) << check.out;
}

TEST(CliExport, demoDiscArchive_passesZimcheck) {
  const std::string zimcheck = FindTool("zimcheck");
  if (zimcheck.empty()) GTEST_SKIP() << "zimcheck (zim-tools) is not installed";
  TempDir out;
  const CliResult result =
      RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, "--zim", out / "demo.zim", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_EQ(NamesIn(out.path()), std::vector<std::string>{"demo.zim"});
  // The output is the command's own: the faults and the summary.
  for (const std::string& line : result.lines) {
    EXPECT_TRUE(line.starts_with("broken: ") || line.starts_with("Exported to ")) << line;
  }
  EXPECT_TRUE(RunQuietly({zimcheck, "-A", out / "demo.zim"}));
}

// A disc of many keys, some of them linked from the start page too: the
// archive holds the page of every key and every file of the disc's folders,
// and no path twice.
TEST(CliExport, manyKeys_eachInTheArchiveOnce) {
  const std::string zimdump = FindTool("zimdump");
  if (zimdump.empty()) GTEST_SKIP() << "zimdump (zim-tools) is not installed";
  TempDir out;
  const std::string disc = out / "disc";
  fs::copy(VELMORA_SAMPLE_CONTENT, disc, fs::copy_options::recursive);
  std::string rows = ReadFile(disc + "/DB/RP.CSV");
  std::string links;
  for (int key = 50000; key < 51000; ++key) {
    rows += std::to_string(key) + ";Rezerwat " + std::to_string(key) + ";pomorskie\r\n";
    if (key % 50 == 0) links += "<a href=\"http://db?rp" + std::to_string(key) + "\">r</a>";
  }
  WriteFile(disc + "/DB/RP.CSV", rows);
  std::string start = ReadFile(disc + "/Data/799.htm");
  start.insert(start.find("</body>"), links);
  WriteFile(disc + "/Data/799.htm", start);
  const CliResult result = RunCli({"export", "--disc", disc, "--zim", out / "keys.zim", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.out << result.err;

  std::vector<std::string> paths;
  std::istringstream list(OutputOf(zimdump + " list " + (out / "keys.zim")));
  for (std::string line; std::getline(list, line);) paths.push_back(line);
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(std::adjacent_find(paths.begin(), paths.end()), paths.end()) << "a path twice";
  auto holds = [&paths](const std::string& path) {
    return std::binary_search(paths.begin(), paths.end(), path);
  };
  for (int key = 50000; key < 51000; ++key) {
    ASSERT_TRUE(holds("gen/rp/" + std::to_string(key) + ".html")) << key;
  }
  for (const char* folder : {"Data", "Foto", "Map"}) {
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(disc + "/" + folder)) {
      if (!file.is_regular_file()) continue;
      const std::string name = file.path().filename().string();
      EXPECT_TRUE(holds(fs::relative(file.path(), disc).string())) << name;
      if (name.starts_with("ml-")) {
        EXPECT_TRUE(holds("gen/loc/" + name.substr(3, name.size() - 7) + ".html")) << name;
      }
    }
  }
}

TEST(CliExport, discImage_exportsAsTheDiscItHolds) {
  const std::string genisoimage = FindTool("genisoimage");
  if (genisoimage.empty()) GTEST_SKIP() << "genisoimage is not installed";
  TempDir out;
  ASSERT_TRUE(RunQuietly(
      {genisoimage, "-quiet", "-R", "-J", "-o", out / "demo.iso", VELMORA_SAMPLE_CONTENT}));
  const CliResult result =
      RunCli({"export", "--disc", out / "demo.iso", "--site", out / "site", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_EQ(Grep(result.lines, {"broken: "}).size(), 5u) << result.out;
  EXPECT_TRUE(Contains(ReadFile(out / "site/gen/rp/101.html"), "K\xC4\x99pa Red\xC5\x82owska"));
}

TEST(CliExport, badInput_givesAClearErrorAndNoOutput) {
  TempDir out;
  const CliResult missing =
      RunCli({"export", "--disc", out / "none", "--site", out / "site", "--quiet"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(Contains(missing.err, "no such disc")) << missing.err;
  fs::create_directories(out / "empty");
  const CliResult empty =
      RunCli({"export", "--disc", out / "empty", "--zim", out / "x.zim", "--quiet"});
  EXPECT_EQ(empty.status, 1);
  EXPECT_FALSE(empty.err.empty());
  // An output that holds something already is left as it is.
  WriteFile(out / "taken/keep.txt", "mine");
  const CliResult taken =
      RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, "--site", out / "taken", "--quiet"});
  EXPECT_EQ(taken.status, 1);
  EXPECT_EQ(ReadFile(out / "taken/keep.txt"), "mine");
  EXPECT_EQ(NamesIn(out / "taken"), std::vector<std::string>{"keep.txt"});
  WriteFile(out / "taken.zim", "mine");
  const CliResult takenArchive =
      RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, "--zim", out / "taken.zim", "--quiet"});
  EXPECT_EQ(takenArchive.status, 1);
  EXPECT_EQ(ReadFile(out / "taken.zim"), "mine");
  std::vector<std::string> left = NamesIn(out.path());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"empty", "taken", "taken.zim"}));
}

TEST(CliExport, fullDisk_saysSoAndLeavesNothingBehind) {
  TempDir out;
  const std::string small = out / "small";
  const SmallFilesystem filesystem(small, "size=2m");
  if (!filesystem.mounted()) GTEST_SKIP() << "mounting a small filesystem needs root";
  for (const std::vector<std::string>& target :
       {std::vector<std::string>{"--site", small + "/site"},
        std::vector<std::string>{"--zim", small + "/demo.zim"}}) {
    std::vector<std::string> args{"export", "--disc", VELMORA_SAMPLE_CONTENT, "--quiet"};
    args.insert(args.end(), target.begin(), target.end());
    const CliResult full = RunCli(args);
    EXPECT_EQ(full.status, 1) << target[0];
    EXPECT_TRUE(Contains(full.err, "space")) << full.err;
    EXPECT_TRUE(NamesIn(small).empty()) << target[0];
  }
}

}  // namespace
}  // namespace velmora::test
