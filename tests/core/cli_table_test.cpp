// velmora-cli table run as a program over table files: every reading rule,
// the catalogue's column counts, the JSON form, and bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string kData = std::string(VELMORA_TEST_DATA) + "/tables/";

struct CliResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class CliTable : public ::testing::Test {
 protected:
  // A private directory of a name nobody can know beforehand.
  void SetUp() override { dir_ = temp_.path(); }

  CliResult Run(const std::string& arguments) {
    const fs::path out = dir_ / "out";
    const fs::path err = dir_ / "err";
    const std::string command = ShellQuote(VELMORA_CLI) + " table " + arguments + " >" +
                                ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
    const int raw = std::system(command.c_str());
    CliResult result;
    // The shell reports a program killed by a signal as 128 + the signal.
    if (raw != -1 && WIFEXITED(raw) && WEXITSTATUS(raw) < 128) result.status = WEXITSTATUS(raw);
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    return result;
  }

  CliResult RunOn(const std::string& file, const std::string& options = "") {
    return Run(ShellQuote(file) + (options.empty() ? "" : " " + options));
  }

  fs::path WriteTemp(const std::string& name, const std::string& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  velmora::test::TempDir temp_;
  fs::path dir_;
};

// Reading rules.

TEST_F(CliTable, rulesFile_showsEveryRowAsTheViewerReadsIt) {
  const CliResult result = RunOn(kData + "rules.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "{\"columnCount\":3,\"rowCount\":10,\"rows\":["
            "[\"a\",\"\",\"b\"],"         // a;;b
            "[\"a\",\"b\",\"\"],"         // a;b;
            "[\"x\",\"p;q\",\"y\"],"      // x;"p;q";y
            "[\"x\",\"p;q\",\"\"],"       // x;"p;q"
            "[\"\",\"z\",\"\"],"          // "";z
            "[\"x\",\"p;q\",\"\"],"       // x;"p;q unterminated
            "[\"rec\",\"abtail\",\"\"],"  // rec;ab + $tail
            "[\"$more\",\"\",\"\"],"      // a second $ line is a record
            "[\"\",\"\",\"\"],"           // empty line
            "[\"last\",\"\",\"\"]]}\n");  // no row for the final line end
}

TEST_F(CliTable, threeLines_arePaddedToSevenRows) {
  const CliResult result = RunOn(kData + "short.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "{\"columnCount\":1,\"rowCount\":7,\"rows\":"
            "[[\"a\"],[\"b\"],[\"c\"],[\"\"],[\"\"],[\"\"],[\"\"]]}\n");
}

TEST_F(CliTable, loneCrAndLf_endLinesToo) {
  const CliResult result = RunOn(kData + "line-ends.csv");
  EXPECT_EQ(result.out,
            "{\"columnCount\":1,\"rowCount\":7,\"rows\":"
            "[[\"a\"],[\"b\"],[\"c\"],[\"d\"],[\"\"],[\"e\"],[\"\"]]}\n");
}

TEST_F(CliTable, cells_areUtf8AndJsonEscaped) {
  const CliResult result = RunOn(kData + "polish.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "{\"columnCount\":3,\"rowCount\":7,\"rows\":["
            "[\"\xC5\x81\xC4\x85ka\",\"\xC5\x9Awiat\",\"\"],"
            "[\"tab\\u0009here\",\"quote\\\"in\",\"back\\\\slash\"],"
            "[\"\",\"\",\"\"],[\"\",\"\",\"\"],[\"\",\"\",\"\"],[\"\",\"\",\"\"],"
            "[\"\",\"\",\"\"]]}\n");
}

// Column counts.

TEST_F(CliTable, catalogueName_givesDeclaredColumnsIgnoringCase) {
  const CliResult slide = RunOn(kData + "catalogue/Slide.Csv");
  EXPECT_EQ(
      slide.out.rfind("{\"columnCount\":2,\"rowCount\":7,\"rows\":[[\"s\",\"\"],[\"\",\"\"]", 0),
      0u)
      << slide.out;
}

TEST_F(CliTable, wideRow_raisesDeclaredColumnCount) {
  const CliResult rp = RunOn(kData + "catalogue/rp.csv");
  EXPECT_EQ(rp.status, 0) << rp.err;
  EXPECT_EQ(rp.out.rfind("{\"columnCount\":20,\"rowCount\":7,\"rows\":[[\"k\",\"1\",", 0), 0u)
      << rp.out;
}

TEST_F(CliTable, columnsOption_setsDeclaredCount) {
  const CliResult result = RunOn(kData + "short.csv", "--columns 3");
  EXPECT_EQ(result.out.rfind("{\"columnCount\":3,\"rowCount\":7,\"rows\":[[\"a\",\"\",\"\"],", 0),
            0u)
      << result.out;
}

// Bad input.

TEST_F(CliTable, missingFile_failsWithMessageNamingIt) {
  const CliResult result = RunOn(kData + "no-such-table.csv");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("no-such-table.csv"), std::string::npos) << result.err;
}

TEST_F(CliTable, directory_failsWithMessage) {
  const CliResult result = RunOn(kData + "catalogue");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("catalogue"), std::string::npos) << result.err;
}

TEST_F(CliTable, wrongUsage_failsWithUsage) {
  for (const std::string& arguments : std::vector<std::string>{
           "", "--columns", kData + "short.csv --columns x", kData + "short.csv --columns -1",
           kData + "short.csv --bogus", kData + "short.csv " + kData + "rules.csv"}) {
    const CliResult result = Run(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_NE(result.err.find("usage: velmora-cli table FILE"), std::string::npos) << arguments;
  }
}

TEST_F(CliTable, binaryFile_isReadAsBytesWithoutCrash) {
  // Bytes 0..255: LF ends the first line, CR the second, ';' splits the third.
  const CliResult result = RunOn(kData + "binary.bin");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.rfind("{\"columnCount\":2,\"rowCount\":7,\"rows\":[[\"\\u0000\\u0001", 0),
            0u)
      << result.out;
  EXPECT_NE(result.out.find("\"\\u000b\\u000c\""), std::string::npos);
  EXPECT_EQ(result.out.substr(result.out.size() - 3), "]}\n");
}

TEST_F(CliTable, randomBinaryFile_finishesWithJson) {
  std::string bytes;
  unsigned state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 16);
  }
  const CliResult result = RunOn(WriteTemp("random.bin", bytes).string());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.rfind("{\"columnCount\":", 0), 0u);
  EXPECT_EQ(result.out.substr(result.out.size() - 3), "]}\n");
}

TEST_F(CliTable, oneMegabyteLine_isReadWhole) {
  const std::string longCell(1 << 20, 'x');
  const CliResult result = RunOn(WriteTemp("long.csv", "k;" + longCell + "\r\nnext\r\n").string());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "{\"columnCount\":2,\"rowCount\":7,\"rows\":[[\"k\",\"" + longCell +
                            "\"],[\"next\",\"\"],[\"\",\"\"],[\"\",\"\"],[\"\",\"\"],[\"\",\"\"],"
                            "[\"\",\"\"]]}\n");
}

TEST_F(CliTable, fileEndingInsideQuotedField_takesTheRest) {
  const CliResult result = RunOn(kData + "unterminated-eof.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.rfind("{\"columnCount\":2,\"rowCount\":7,\"rows\":[[\"a\",\"open field; "
                             "still\"],[\"\",\"\"],",
                             0),
            0u)
      << result.out;
}

}  // namespace
