// The link dispatcher's rows, as a click in the main browser reaches them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>

#include "platform/system.h"
#include "replay_test.h"

namespace velmora::test {
namespace {

class LinkDispatcher : public ReplayTest {
 protected:
  void SetUp() override {
    MakeMinimalDisc(disc.path());
    WriteFile(disc / "DB/TRANSL.CSV", "lasy;100\r\nbrak;555\r\n");
    WriteFile(disc / "Data/100.htm", "<title>temat: Lasy</title>");
    WriteFile(disc / "Anim/ptaki.exe", "#!/bin/sh\n");
  }

  // Trace lines after start-up, for a click on each address in turn.
  std::vector<std::string> Click(const std::vector<std::string>& addresses) {
    std::string script;
    for (const std::string& address : addresses) {
      script += "MainWebBrowserBeforeNavigate2 " + address + "\n";
    }
    return Run(script);
  }
};

// --- Order and case of the key words ---

TEST_F(LinkDispatcher, recordKeyInCapitals_isNoRecordLinkButGoesToTheShellLowerCased) {
  const auto lines = Click({"http://db?RP12"});
  EXPECT_EQ(Count(lines, {"\"call\":\"OpenAddress\"", "\"address\":\"http://db?rp12\""}), 1u);
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"cancel\":true"}), 1u);
}

TEST_F(LinkDispatcher, nationalParkKeyInCapitals_putsKeyIntoSearchBox) {
  const auto lines = Click({"http://db?PN12"});
  EXPECT_EQ(
      Count(lines, {"\"call\":\"SetText\"", "\"control\":\"Szukaj\"", "\"value\":\"PN: 12\""}), 1u);
  EXPECT_EQ(Count(lines, {"OpenAddress"}), 0u);
}

TEST_F(LinkDispatcher, definitionLinkOnHttpAddress_neverReachesTheShell) {
  const auto lines = Click({"http://db?dicwilk"});
  EXPECT_EQ(Count(lines, {"OpenAddress"}), 0u);
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"cancel\":true"}), 1u);
}

TEST_F(LinkDispatcher, recordLink_isCancelled) {
  const auto lines = Click({"http://db?rp12"});
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "?rp12", "\"cancel\":true"}), 1u);
  EXPECT_EQ(Count(lines, {"OpenAddress"}), 0u);
}

// --- Translated pages ---

TEST_F(LinkDispatcher, translatedPage_navigatesToItsNumberedPage) {
  const auto lines = Click({"http://db?trans-lasy.htm"});
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\"", disc.path() + "/Data/100.htm"}), 1u);
  EXPECT_EQ(Count(lines, {"\"event\":\"TitleChange\"", "temat: Lasy"}), 1u);
}

TEST_F(LinkDispatcher, translatedPageWithoutRowOrFile_doesNothingSilently) {
  const auto lines = Click({"http://db?trans-nic.htm", "http://db?trans-brak.htm"});
  EXPECT_EQ(Count(lines, {"\"call\":\"Navigate\""}), 0u);
  EXPECT_EQ(Count(lines, {"MessageBox"}), 0u);
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"cancel\":true"}), 2u);
}

// --- Animation programs and outside addresses ---

TEST_F(LinkDispatcher, animationProgram_isStartedWithoutWaiting) {
  const auto lines = Click({"http://db?animptaki"});
  EXPECT_EQ(Count(lines, {"\"call\":\"StartProgram\"", disc.path() + "/Anim/ptaki.exe",
                          "\"started\":true"}),
            1u);
  EXPECT_EQ(Count(lines, {"OpenAddress"}), 0u);
}

TEST_F(LinkDispatcher, missingAnimationProgram_namesTheProgramNotThePath) {
  const auto lines = Click({"http://db?animsowy"});
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"", "\"text\":\"Brak pliku:\\r\\n sowy\"",
                          "\"caption\":\"Before Navigate\"", "\"icon\":\"error\""}),
            1u);
}

TEST_F(LinkDispatcher, outsideAddresses_goLowerCasedToTheShell) {
  const auto lines = Click({"http://WWW.Example.org/Park", "https://example.org/"});
  EXPECT_EQ(
      Count(lines, {"\"call\":\"OpenAddress\"", "http://www.example.org/park", "\"opened\":true"}),
      1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"OpenAddress\"", "https://example.org/"}), 1u);
}

// --- What may leave the program: outside addresses and disc programs ---

TEST(OutsideAddress, onlyAbsoluteWebAndMailAddressesQualify) {
  for (const char* good : {"http://db?rp12", "http://www.example.org/park", "https://example.org/",
                           "http://example.org:8080/a b?q=1#x", "http://[::1]/", "HTTP://Host/",
                           "mailto:biuro@example.org"}) {
    EXPECT_TRUE(platform::IsOutsideAddress(good)) << good;
  }
  for (const char* bad : {"/any/path#http:",
                          "/home/u/run.desktop#http://x",
                          "file:///etc/passwd#http:",
                          "http:/etc/passwd",
                          "http:///etc/passwd",
                          "http://",
                          "http://user@host/",
                          "http://host:/",
                          "http://host:123456/",
                          "http://.host/",
                          "http://ho st/",
                          "http://host/\\..\\x",
                          "http://host/a\nb",
                          "xhttp://host/",
                          " http://host/",
                          "mailto:",
                          "mailto:/etc/passwd",
                          "https:example.org",
                          "ftp://example.org/",
                          "data:text/html,x"}) {
    EXPECT_FALSE(platform::IsOutsideAddress(bad)) << bad;
  }
}

TEST_F(LinkDispatcher, localPathsHoldingHttp_goToTheLaterRowsNotTheShell) {
  WriteFile(disc / "Data/run.desktop", "[Desktop Entry]\nExec=touch pwned\n");
  const auto lines = Click({disc.path() + "/Data/run.desktop#http://x", "/nowhere/x#http:",
                            "file:///etc/passwd#http:", "http:/etc/passwd", "http:///etc/passwd"});
  EXPECT_EQ(Count(lines, {"OpenAddress"}), 0u);
  EXPECT_EQ(Count(lines, {"StartProgram"}), 0u);
  // An existing file is a local page that loads, a missing one "Brak pliku:".
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "run.desktop#http://x", "\"cancel\":false"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"", "Brak pliku:\\r\\n /nowhere/x#http:"}), 1u);
}

TEST_F(LinkDispatcher, animationNamesLeavingTheirDirectory_areMissingFiles) {
  WriteFile(disc / "x.exe", "#!/bin/sh\n");
  WriteFile(disc / "Anim/sub/ok.exe", "#!/bin/sh\n");
  ASSERT_EQ(::symlink((disc / "x.exe").c_str(), (disc / "Anim/link.exe").c_str()), 0);
  const auto lines = Click({"http://db?anim../x", "http://db?animsub/../../x", "http://db?animlink",
                            "http://db?anim../../../../../../" + disc.path().substr(1) + "/x",
                            "http://db?animsub/ok"});
  for (const char* name : {"../x", "sub/../../x", "link"}) {
    EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"",
                            "\"text\":\"Brak pliku:\\r\\n " + std::string(name) + "\""}),
              1u)
        << name;
  }
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"", "Brak pliku:"}), 4u);
  // A program in a directory below stays inside and runs.
  ASSERT_EQ(Count(lines, {"StartProgram"}), 1u);
  EXPECT_EQ(Count(lines, {"StartProgram", disc.path() + "/Anim/sub/ok.exe"}), 1u);
}

TEST_F(LinkDispatcher, startProgramLinkedOutsideItsDirectory_isNotStarted) {
  WriteFile(disc / "x.exe", "#!/bin/sh\n");
  ::unlink((disc / "Anim/start.exe").c_str());
  ASSERT_EQ(::symlink((disc / "x.exe").c_str(), (disc / "Anim/start.exe").c_str()), 0);
  const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()}, "");
  EXPECT_EQ(Count(result.lines, {"LaunchProgram"}), 0u) << result.out;
  EXPECT_EQ(Count(result.lines, {"StartProgram"}), 0u);
  EXPECT_EQ(Count(result.lines, {"\"call\":\"MessageBox\"", "dema startowego", "Error"}), 1u);
}

// --- Pages that proceed ---

TEST_F(LinkDispatcher, localPage_proceedsAndLoads) {
  const auto lines = Click({disc.path() + "/Data/100.htm#start"});
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "100.htm#start", "\"cancel\":false"}), 1u);
  EXPECT_EQ(Count(lines, {"\"event\":\"TitleChange\"", "temat: Lasy"}), 1u);
}

TEST_F(LinkDispatcher, localPageInOtherLetterCase_isStillALocalFile) {
  const auto lines = Click({disc.path() + "/DATA/100.HTM"});
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"control\":\"MainWebBrowser\"", "\"cancel\":false"}),
            1u);
}

TEST_F(LinkDispatcher, fileUrlWithOneEncodedBlank_isFound) {
  WriteFile(disc / "Data/a b.htm", "<title>x</title>");
  const auto lines = Click({"file://" + disc.path() + "/Data/a%20b.htm"});
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"control\":\"MainWebBrowser\"", "\"cancel\":false"}),
            1u);
}

TEST_F(LinkDispatcher, fileUrlWithTwoEncodedBlanks_isNotFoundAndReported) {
  WriteFile(disc / "Data/a b c.htm", "<title>x</title>");
  const auto lines = Click({"file://" + disc.path() + "/Data/a%20b%20c.htm"});
  EXPECT_EQ(Count(lines, {"\"call\":\"MessageBox\"", "Brak pliku:\\r\\n file://"}), 1u);
}

TEST_F(LinkDispatcher, emailAddress_proceedsWithoutAction) {
  const auto lines = Click({"mailto:biuro@example.org"});
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"control\":\"MainWebBrowser\"", "\"cancel\":false"}),
            1u);
  EXPECT_EQ(Count(lines, {"MessageBox"}), 0u);
}

TEST_F(LinkDispatcher, contentsTreePage_hidesMenuShowsTreeAndProceeds) {
  const auto lines = Click({disc.path() + "/Data/drzewo.htm"});
  EXPECT_EQ(Count(lines, {"\"call\":\"SetVisible\"", "\"control\":\"Panel6\"", "false"}), 1u);
  EXPECT_EQ(Count(lines, {"\"call\":\"SetVisible\"", "\"control\":\"TreeViewCD\"", "true"}), 1u);
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "drzewo.htm", "\"cancel\":false"}), 1u);
}

// --- Anything else ---

TEST_F(LinkDispatcher, unknownAddress_isReportedLowerCasedAndCancelled) {
  const auto lines = Click({"Nowhere/Page.HTM"});
  EXPECT_EQ(
      Count(lines, {"\"call\":\"MessageBox\"", "\"text\":\"Brak pliku:\\r\\n nowhere/page.htm\"",
                    "\"caption\":\"Before Navigate\""}),
      1u);
  EXPECT_EQ(Count(lines, {"BeforeNavigate2", "\"cancel\":true"}), 1u);
}

// --- The menu browser ---

TEST_F(LinkDispatcher, menuClick_isSentLowerCasedToTheMainBrowser) {
  const CliResult result =
      RunCli({"replay", "--content", disc.path(), "--temp", temp.path()},
             "MenuWebBrowserBeforeNavigate2 " + disc.path() + "/Data/100.HTM\n");
  EXPECT_EQ(Count(result.lines, {"\"event\":\"BeforeNavigate2\"", "\"control\":\"MenuWebBrowser\"",
                                 "\"cancel\":true"}),
            1u)
      << result.out;
  std::string lower = disc.path() + "/Data/100.HTM";
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(Count(result.lines, {"\"call\":\"Navigate\"", "\"control\":\"MainWebBrowser\"",
                                 "\"address\":\"" + lower + "\""}),
            1u);
}

TEST_F(LinkDispatcher, menuPageItself_loadsInTheMenuBrowser) {
  const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()},
                                  "MenuWebBrowserBeforeNavigate2 /tmp/x/$$menu.html\n");
  EXPECT_EQ(Count(result.lines, {"\"event\":\"BeforeNavigate2\"", "\"control\":\"MenuWebBrowser\"",
                                 "/tmp/x/$$menu.html", "\"cancel\":false"}),
            1u);
}

TEST_F(LinkDispatcher, namesThatOnlyContainTheMenuOrContentsPagesName_goToTheMainBrowser) {
  const CliResult result = RunCli({"replay", "--content", disc.path(), "--temp", temp.path()},
                                  "MenuWebBrowserBeforeNavigate2 /tmp/x/$$menu.htm\n"
                                  "MenuWebBrowserBeforeNavigate2 /tmp/x/old$$menu.html\n"
                                  "MenuWebBrowserBeforeNavigate2 /tmp/x/$$menu.html.htm\n"
                                  "MenuWebBrowserBeforeNavigate2 /tmp/x/stare_drzewo.htm\n");
  EXPECT_EQ(Count(result.lines, {"\"event\":\"BeforeNavigate2\"", "\"control\":\"MenuWebBrowser\"",
                                 "\"cancel\":true"}),
            4u)
      << result.out;
}

}  // namespace
}  // namespace velmora::test
