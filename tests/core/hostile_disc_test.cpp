// Hostile discs and working directories, run through velmora-cli replay (and
// in-process where a script cannot do it): every case ends with what the
// user sees, and nothing outside the working directory changes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/application.h"
#include "platform/recording/recording_platform.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// Every entry below root: kind, size and content (or link target).
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().lexically_relative(root).string();
    if (it->is_symlink()) {
      entries[name] = "link " + fs::read_symlink(it->path()).string();
    } else if (it->is_directory()) {
      entries[name] = "dir";
    } else {
      entries[name] = "file " + std::to_string(std::hash<std::string>{}(ReadFile(it->path())));
    }
  }
  return entries;
}

// Names that differ between two snapshots.
std::vector<std::string> Changes(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after) {
  std::vector<std::string> changed;
  for (const auto& [name, what] : before) {
    const auto found = after.find(name);
    if (found == after.end() || found->second != what) changed.push_back(name);
  }
  for (const auto& [name, what] : after) {
    if (!before.count(name)) changed.push_back(name);
  }
  return changed;
}

// A disc, the temporary-files path and a neighbour that must stay untouched,
// side by side in one private directory.
class HostileDisc : public ::testing::Test {
 protected:
  void SetUp() override {
    disc = sandbox / "disc";
    temp = sandbox / "temp";
    outside = sandbox / "outside";
    fs::create_directories(temp);
    WriteFile(outside + "/victim.html", "untouched");
  }

  void TearDown() override {
    // A read-only disc has to be made writable again to be removed.
    std::error_code ec;
    for (fs::recursive_directory_iterator it(sandbox.path(), ec), end; !ec && it != end;
         it.increment(ec)) {
      if (!it->is_symlink()) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
      }
    }
  }

  // Runs the script and then the close button; the sandbox apart from the
  // working directory must then be as it was.
  std::vector<std::string> Replay(const std::string& script, const std::string& tempPath = {}) {
    const auto before = Snapshot(sandbox.path());
    const CliResult result =
        RunCli({"replay", "--content", disc, "--temp", tempPath.empty() ? temp : tempPath},
               script + "LMDSpeedButton30Click\n");
    EXPECT_EQ(result.status, 0) << result.err;
    auto after = Snapshot(sandbox.path());
    // The lock that viewers running side by side share stays, by design.
    std::erase_if(after, [](const auto& entry) { return entry.first.ends_with("VNQETMP.lock"); });
    EXPECT_EQ(Changes(before, after), std::vector<std::string>{});
    return result.lines;
  }

  std::string WorkDir() const { return temp + "/VNQETMP/"; }

  static std::vector<std::string> Messages(const std::vector<std::string>& lines) {
    return Grep(lines, {"\"call\":\"MessageBox\""});
  }

  // A minimal disc whose reserve table and template are given.
  void MakeReserveDisc(const std::string& table, const std::string& templateText) {
    MakeMinimalDisc(disc);
    WriteFile(disc + "/DB/RP.CSV", table);
    WriteFile(disc + "/Makiety/rp.html", templateText);
  }

  TempDir sandbox;
  std::string disc, temp, outside;
};

constexpr const char* kReserveTemplate =
    "<html><head><title>temat: @kol2@</title></head><body>"
    "<TABLE><TR><TD>@kol3@</TD></TR></TABLE></body></html>";

TEST_F(HostileDisc, readOnlyUpperCaseDisc_pagesRecordsAndSearchWorkSilently) {
  CopyDiscAsMounted(VELMORA_SAMPLE_CONTENT, disc);
  const auto lines = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?rp101\n"
      "MainWebBrowserBeforeNavigate2 " +
      disc + "/data/102.htm\nset Szukaj park\nButton22Click\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$RP_101.html", "\"ok\":true"}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$search.html", "\"ok\":true"}).size(), 1u);
  EXPECT_FALSE(Exists(WorkDir()));  // shut-down removed the working directory
}

TEST_F(HostileDisc, binaryTableWithTenMegabyteLine_otherRowsStillShowAndTheLongOneToo) {
  std::string huge(10 * 1024 * 1024, '\0');
  for (std::size_t i = 0; i < huge.size(); ++i) {
    const char c = static_cast<char>(i * 131 % 256);
    huge[i] = (c == '\r' || c == '\n' || c == ';' || c == '"') ? '\x01' : c;
  }
  MakeReserveDisc("7;Bagno;" + huge + "\r\n8;Las;Opis\r\n", kReserveTemplate);
  const auto lines = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?rp8\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp7\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Las"}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Bagno"}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$RP_7.html", "\"ok\":true"}).size(), 1u);
}

TEST_F(HostileDisc, quoteNeverClosed_endsWithItsLineAndLaterRowsStillRead) {
  MakeReserveDisc("5;\"Las;x\r\n6;Bor\r\n", kReserveTemplate);
  const auto lines = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?rp5\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp6\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  // The open quote takes the rest of its record, separator included.
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Las;x"}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Bor"}).size(), 1u);
}

TEST_F(HostileDisc, millionRows_theLastRowIsFound) {
  std::string table;
  table.reserve(24 * 1000000);
  for (int row = 0; row < 1000000; ++row) {
    table += std::to_string(row) + ";Rezerwat " + std::to_string(row) + ";x\r\n";
  }
  MakeReserveDisc(table, kReserveTemplate);
  const auto lines = Replay("MainWebBrowserBeforeNavigate2 http://db?rp999999\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Rezerwat 999999"}).size(), 1u);
}

TEST_F(HostileDisc, templateWithoutPlaceholders_isShownAsItIs) {
  MakeReserveDisc("1;Las;Opis\r\n", "<html><title>temat: Bez pol</title></html>");
  const auto lines = Replay("MainWebBrowserBeforeNavigate2 http://db?rp1\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: Bez pol"}).size(), 1u);
}

TEST_F(HostileDisc, placeholdersInsideValues_areInsertedLiterallyAndNeverLoop) {
  // Column 2 names itself twice and column 3 names column 2: each value is
  // put in once, and text a value brought in is not searched again for its
  // own placeholder.
  MakeReserveDisc("1;@kol2@@kol2@;@kol3@ i @kol2@\r\n", kReserveTemplate);
  const auto lines = Replay("MainWebBrowserBeforeNavigate2 http://db?rp1\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", "temat: @kol2@@kol2@"}).size(), 1u);
}

TEST_F(HostileDisc, recordKeysWithPathCharacters_stayInsideTheWorkingDirectory) {
  MakeReserveDisc("1;Las;Opis\r\n", kReserveTemplate);
  const std::vector<std::string> keys = {"..",
                                         "../../outside/victim",
                                         "..\\..\\outside\\victim",
                                         "c:..%2F..%2Fx",
                                         "%00",
                                         "a%00/../../outside/victim",
                                         "/etc/passwd",
                                         "....//....//x"};
  std::string script;
  for (const std::string& key : keys)
    script += "MainWebBrowserBeforeNavigate2 http://db?rp" + key + "\n";
  const auto lines = Replay(script);
  // Unknown keys give pages with empty cells; no message.
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  const auto writes = Grep(lines, {"\"call\":\"WriteFile\"", "$$RP_"});
  EXPECT_EQ(writes.size(), keys.size());
  for (const std::string& write : writes) {
    const std::size_t at = write.find("$$RP_");
    const std::size_t end = write.find('"', at);
    EXPECT_EQ(write.substr(at, end - at).find('/'), std::string::npos) << write;
    EXPECT_NE(write.find("\"path\":\"" + WorkDir()), std::string::npos) << write;
  }
  EXPECT_EQ(ReadFile(outside + "/victim.html"), "untouched");
}

TEST_F(HostileDisc, recordKeysWithHashOrPercent_showTheirOwnPages) {
  // "#" would end the page's name in an address, "%41" would read as "A".
  MakeReserveDisc("1#2;Hash;x\r\n1%41;Procent;x\r\n1A;Litera;x\r\n", kReserveTemplate);
  const auto lines = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?rp1#2\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp1%41\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp1A\n");
  EXPECT_EQ(Messages(lines), std::vector<std::string>{});
  for (const char* title : {"temat: Hash", "temat: Procent", "temat: Litera"}) {
    EXPECT_EQ(Grep(lines, {"\"event\":\"TitleChange\"", title}).size(), 1u) << title;
  }
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$RP_1%232.html"}).size(), 1u);
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$RP_1%2541.html"}).size(), 1u);
}

TEST_F(HostileDisc, directoriesNamedLikePages_areNeitherSearchedNorShown) {
  MakeReserveDisc("1;Las;Opis\r\n", kReserveTemplate);
  WriteFile(disc + "/Makiety/search.html", "<title>temat: Szukaj</title><!--@wyniki@-->");
  WriteFile(disc + "/Data/100.htm", "<title>temat: Las</title>las");
  fs::create_directories(disc + "/Data/200.htm/x.htm");
  // The page the record link writes already stands as a directory.
  fs::create_directories(WorkDir() + "$$RP_1.html");
  fs::permissions(WorkDir(), fs::perms::owner_all, fs::perm_options::replace);
  const auto lines = Replay(
      "set Szukaj las\nButton22Click\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp1\n");
  EXPECT_EQ(Grep(lines, {"\"call\":\"ReadFile\"", "200.htm"}).size(), 0u);
  const auto messages = Messages(lines);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Brak pliku: " + WorkDir() + "$$RP_1.html"), std::string::npos);
}

TEST_F(HostileDisc, workingDirectoryNearThePathLimit_pagesThatDoNotFitAreReported) {
  MakeReserveDisc("1;Las;Opis\r\n", kReserveTemplate);
  // "VNQETMP/" still fits below PATH_MAX (4096), the generated pages do not.
  std::string deep = temp;
  while (deep.size() < 4080) {
    deep += "/" + std::string(std::min<std::size_t>(200, 4080 - deep.size() - 1), 'd');
  }
  fs::create_directories(deep);
  const std::string longKey(300, 'k');  // a name beyond NAME_MAX (255) as well
  const auto lines = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?rp1\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp" +
          longKey + "\n",
      deep);
  const auto messages = Messages(lines);
  for (const std::string& message : messages) {
    EXPECT_NE(message.find("\"text\":\"Brak pliku: " + deep + "/VNQETMP/$$"), std::string::npos);
  }
  EXPECT_EQ(Grep(messages, {"$$RP_1.html", "Make Dynamic Error"}).size(), 1u);
  EXPECT_EQ(Grep(messages, {"$$RP_kkkk", "Make Dynamic Error"}).size(), 1u);
}

TEST_F(HostileDisc, linksPlantedInTheWorkingDirectory_areNeverWrittenThrough) {
  MakeReserveDisc("1;Las;Opis\r\n2;Bor;Opis\r\n", kReserveTemplate);
  fs::create_directories(WorkDir());
  fs::permissions(WorkDir(), fs::perms::owner_all, fs::perm_options::replace);
  fs::create_symlink(outside + "/victim.html", WorkDir() + "$$RP_1.html");
  fs::create_symlink(outside + "/created.html", WorkDir() + "$$RP_2.html");
  const auto lines = Replay(
      "MainWebBrowserBeforeNavigate2 http://db?rp1\n"
      "MainWebBrowserBeforeNavigate2 http://db?rp2\n");
  // The write is refused both times, and neither link is shown: one leading
  // out of the working directory is a missing page, like one leading nowhere.
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "\"ok\":true", "$$RP_"}).size(), 0u);
  const auto messages = Messages(lines);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("Brak pliku: " + WorkDir() + "$$RP_1.html"), std::string::npos);
  EXPECT_NE(messages[1].find("Brak pliku: " + WorkDir() + "$$RP_2.html"), std::string::npos);
  EXPECT_EQ(ReadFile(outside + "/victim.html"), "untouched");
  EXPECT_FALSE(Exists(outside + "/created.html"));
}

TEST_F(HostileDisc, filesLinkedOutOfTheDisc_areNeitherCopiedNorRead) {
  MakeReserveDisc("1;Las;Opis\r\n", kReserveTemplate);
  WriteFile(outside + "/secret.txt", "secret");
  fs::create_symlink(outside + "/secret.txt", disc + "/Data/lock.vnq");
  fs::create_symlink("../../outside/secret.txt", disc + "/Makiety/econet_fr.html");
  fs::remove(disc + "/Makiety/rp.html");
  fs::create_symlink(outside + "/secret.txt", disc + "/Makiety/rp.html");
  const auto lines = Replay("MainWebBrowserBeforeNavigate2 http://db?rp1\n");
  for (const char* name : {"lock.vnq", "econet_fr.html"}) {
    EXPECT_EQ(Grep(lines, {"\"call\":\"CopyFile\"", name, "\"ok\":false"}).size(), 1u) << name;
  }
  const auto messages = Messages(lines);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Brak pliku: " + disc + "/Makiety/rp.html"), std::string::npos);
  EXPECT_EQ(Grep(lines, {"\"call\":\"WriteFile\"", "$$RP_1"}).size(), 0u);
}

// The disc is taken away after start-up, in the middle of the session.
TEST_F(HostileDisc, discRemovedWhileRunning_everyActionReportsOrDoesNothing) {
  CopyDiscAsMounted(VELMORA_SAMPLE_CONTENT, disc);
  const fs::path previous = fs::current_path();
  fs::current_path(disc);
  std::ostringstream trace;
  recording::RecordingPlatform recording(trace, {temp + "/", std::nullopt});
  const int status = app::RunProgram(recording.platform(), [&](app::Application& application) {
    platform::HandlerTable handlers = application.Handlers();
    recording.ui().onClose = [&](const std::string& window) {
      if (window == "MainForm") handlers.at("MainForm.FormClose")("");
    };
    auto& browser = recording.browsers().GetRecording("MainWebBrowser");
    browser.UserNavigate("http://db?rp101");
    recording.RunUntilIdle();
    fs::permissions(disc, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(disc);
    for (const char* address : {"http://db?rp102", "http://db?pk11", "http://db?dicbobr",
                                "http://db?animkrazenie", "102.htm", "http://db?sl1"}) {
      browser.UserNavigate(address);
      recording.RunUntilIdle();
    }
    recording.ui().TypeText("Szukaj", "park");
    handlers.at("MainForm.Button22Click")("");
    handlers.at("MainForm.TreeViewCDChange")("5");
    handlers.at("MainForm.Button8Click")("");
    recording.RunUntilIdle();
    handlers.at("MainForm.LMDSpeedButton30Click")("");
  });
  fs::current_path(previous);
  EXPECT_EQ(status, 0);
  // What the user sees: "Brak pliku: ..." style messages; nothing else breaks.
  std::istringstream in(trace.str());
  int messages = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.find("\"call\":\"MessageBox\"") == std::string::npos) continue;
    ++messages;
    // Pages that are gone, and the closing animation that cannot start.
    EXPECT_TRUE(line.find("Brak pliku:") != std::string::npos ||
                line.find("d uruchamiania") != std::string::npos)
        << line;
  }
  EXPECT_GT(messages, 0);
  EXPECT_FALSE(Exists(WorkDir()));
  EXPECT_EQ(ReadFile(outside + "/victim.html"), "untouched");
}

}  // namespace
}  // namespace velmora::test
