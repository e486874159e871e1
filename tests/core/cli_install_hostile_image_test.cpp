// velmora-cli install from disc images made to harm, built here with
// xorriso, genisoimage and mkzftree, and some bytes patched by hand. Each
// run is bounded from outside too (address space, CPU time, file size), so
// that a fault shows as a failure, not as a machine out of memory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // its shadow memory needs the address space
#else
constexpr bool kSanitized = false;
#endif

struct LimitedRun {
  int status = -1;  // -1 when ended by a signal
  std::string out;
  std::string err;
  long peakKiB = 0;
};

void PutLE32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}
std::uint32_t LE32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}
// An ISO 9660 "both-byte-order" number of 8 bytes.
void PutBoth32(std::string& bytes, std::size_t at, std::uint32_t value) {
  PutLE32(bytes, at, value);
  for (int i = 0; i < 4; ++i) bytes[at + 4 + i] = static_cast<char>((value >> (8 * (3 - i))));
}

class CliInstallHostileImage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FindTool("xorriso").empty()) GTEST_SKIP() << "xorriso is not installed";
    fs::create_directories(home());
    fs::create_directories(temp());
  }
  std::string home() const { return dir_ / "home"; }
  std::string temp() const { return dir_ / "tmp"; }
  std::string installed() const { return home() + "/.local/share/velmora/disc"; }

  // velmora-cli with HOME and TMPDIR in the test's directory, at most 1 GiB
  // of address space, 20 s of CPU time and files of 256 MiB.
  LimitedRun RunLimited(const std::vector<std::string>& args) {
    const std::string out = dir_ / "out", err = dir_ / "err";
    const pid_t child = ::fork();
    if (child == 0) {
      if (!kSanitized) {
        const rlimit memory{1ul << 30, 1ul << 30};
        ::setrlimit(RLIMIT_AS, &memory);
      }
      const rlimit cpu{20, 20};
      ::setrlimit(RLIMIT_CPU, &cpu);
      const rlimit size{256ul << 20, 256ul << 20};
      ::setrlimit(RLIMIT_FSIZE, &size);
      ::signal(SIGXFSZ, SIG_IGN);  // a write past it fails instead
      ::setenv("HOME", home().c_str(), 1);
      ::setenv("TMPDIR", temp().c_str(), 1);
      ::unsetenv("XDG_DATA_HOME");
      ::unsetenv("XDG_CONFIG_HOME");
      const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ::dup2(outFd, 1);
      ::dup2(errFd, 2);
      std::vector<char*> argv{const_cast<char*>(VELMORA_CLI)};
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      ::execv(VELMORA_CLI, argv.data());
      ::_exit(127);
    }
    LimitedRun run;
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKiB = usage.ru_maxrss;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
  }

  // A Rock Ridge image of a minimal disc with the extra files given.
  std::string RockRidgeImage(const std::string& name,
                             const std::vector<std::pair<std::string, std::string>>& extra,
                             const std::vector<std::string>& options = {}) {
    const std::string tree = dir_ / (name + ".d"), image = dir_ / name;
    MakeMinimalDisc(tree);
    for (const auto& [path, bytes] : extra) WriteFile(tree + "/" + path, bytes);
    std::vector<std::string> command = {FindTool("xorriso"), "-as", "mkisofs", "-quiet", "-R"};
    command.insert(command.end(), options.begin(), options.end());
    command.insert(command.end(), {"-o", image, tree});
    EXPECT_TRUE(RunQuietly(command));
    return image;
  }

  TempDir dir_;
};

// --- The install record ---

TEST_F(CliInstallHostileImage, imageCarryingAnInstallRecord_cannotReplaceTheInstallersOwn) {
  const std::string outside = dir_ / "outside";
  fs::create_directories(outside + "/Kestrava");
  const std::string forged = "velmora-install 1\ndisc=/nowhere\nsettings=" + outside +
                             "/Kestrava/VNQE.conf\ntarget-created=0\nparent=" + outside +
                             "/Kestrava\nfile=Data/799.htm\n";
  const std::string image = RockRidgeImage("record.iso", {{".velmora-install", forged}});

  const LimitedRun install = RunLimited({"install", "--disc", image});
  ASSERT_EQ(install.status, 0) << install.err;
  EXPECT_NE(install.err.find("is not installed"), std::string::npos) << install.err;
  EXPECT_NE(ReadFile(installed() + "/.velmora-install"), forged);

  const LimitedRun uninstall = RunLimited({"install", "--uninstall"});
  EXPECT_EQ(uninstall.status, 0) << uninstall.err;
  EXPECT_NE(uninstall.out.find("Removed 16 files"), std::string::npos) << uninstall.out;
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
  EXPECT_TRUE(fs::exists(outside + "/Kestrava"));
}

// --- Limits of reading ---

// A directory record whose Rock Ridge continuation area continues in itself,
// a name part each round: libarchive reads it until memory runs out.
std::string LoopingContinuationImage(const std::string& plain) {
  std::string bytes = ReadFile(plain);
  constexpr std::size_t kBlock = 2048;
  const std::size_t rootRecord = 16 * kBlock + 156;
  const std::uint32_t rootAt = LE32(bytes, rootRecord + 2);
  const std::uint32_t rootSize = LE32(bytes, rootRecord + 10);
  const std::uint32_t loopBlock = rootAt + (rootSize + kBlock - 1) / kBlock;
  constexpr std::uint32_t kAreaOffset = 1536;
  // In the root directory, the record of the directory "A".
  std::size_t record = static_cast<std::size_t>(rootAt) * kBlock;
  while (!(bytes[record + 32] == 1 && bytes[record + 33] == 'A')) {
    record += static_cast<unsigned char>(bytes[record]);
  }
  const std::size_t length = static_cast<unsigned char>(bytes[record]);
  const std::size_t systemUse = record + 34;  // one-letter name, one padding byte
  std::string continuation = "CE";
  continuation += static_cast<char>(28);
  continuation += static_cast<char>(1);
  continuation += std::string(24, '\0');
  PutBoth32(continuation, 4, loopBlock);
  PutBoth32(continuation, 12, kAreaOffset);
  std::string area = "NM";
  area += static_cast<char>(5 + 200);
  area += static_cast<char>(1);
  area += static_cast<char>(1);  // the name continues
  area += std::string(200, 'x');
  PutBoth32(continuation, 20, static_cast<std::uint32_t>(area.size() + continuation.size()));
  area += continuation;
  std::string head = continuation;
  head.resize(record + length - systemUse, '\0');
  bytes.replace(systemUse, head.size(), head);
  bytes.replace(static_cast<std::size_t>(loopBlock) * kBlock + kAreaOffset, area.size(), area);
  return bytes;
}

TEST_F(CliInstallHostileImage, loopingContinuationArea_isStoppedWithinMemoryAndLeavesNothing) {
  const std::string tree = dir_ / "loop.d", plain = dir_ / "plain.iso";
  WriteFile(tree + "/A/b.txt", "b");
  ASSERT_TRUE(
      RunQuietly({FindTool("xorriso"), "-as", "mkisofs", "-quiet", "-R", "-o", plain, tree}));
  const std::string image = dir_ / "loop.iso";
  WriteFile(image, LoopingContinuationImage(plain));

  const LimitedRun run = RunLimited({"install", "--disc", image});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("of memory; it is damaged or made to harm"), std::string::npos) << run.err;
  EXPECT_LT(run.peakKiB, 512 * 1024);
  EXPECT_EQ(TreeOf(temp()), std::vector<std::string>{});
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

// A zisofs file made by hand: the header, then block pointers that all
// point at the same place, so that every 32 KiB block is one of zeros.
std::string ZisofsOfZeros(std::uint32_t size) {
  const std::uint32_t blocks = (size + 32767) / 32768;
  std::string bytes = "\x37\xE4\x53\x96\xC9\xDB\xD6\x07";
  bytes += std::string(8, '\0');
  PutLE32(bytes, 8, size);
  bytes[12] = 4;   // header size / 4
  bytes[13] = 15;  // log2 of the block size
  const std::uint32_t end = 16 + 4 * (blocks + 1);
  for (std::uint32_t i = 0; i <= blocks; ++i) {
    bytes += std::string(4, '\0');
    PutLE32(bytes, bytes.size() - 4, end);
  }
  return bytes;
}

TEST_F(CliInstallHostileImage, zisofsFiles_areInstalledWholeOrRefusedBeforeWriting) {
  if (FindTool("genisoimage").empty() || FindTool("mkzftree").empty()) {
    GTEST_SKIP() << "genisoimage and mkzftree are not installed";
  }
  // 1 MiB ending in zeros: zisofs leaves the last blocks out.
  std::string tail(1 << 20, '\0');
  for (std::size_t i = 0; i < 32768; ++i) tail[i] = static_cast<char>('a' + i * 7 % 26);
  const std::string tree = dir_ / "z.d", packed = dir_ / "z.packed", image = dir_ / "z.iso";
  MakeMinimalDisc(tree);
  WriteFile(tree + "/Data/tail.bin", tail);
  ASSERT_TRUE(RunQuietly({FindTool("mkzftree"), tree, packed}));
  ASSERT_LT(fs::file_size(packed + "/Data/tail.bin"), 65536u);
  ASSERT_TRUE(RunQuietly({FindTool("genisoimage"), "-quiet", "-R", "-z", "-o", image, packed}));
  const LimitedRun whole = RunLimited({"install", "--disc", image});
  ASSERT_EQ(whole.status, 0) << whole.err;
  EXPECT_EQ(ReadFile(installed() + "/Data/tail.bin"), tail);
  ASSERT_EQ(RunLimited({"install", "--uninstall"}).status, 0);

  // 4,000 MiB declared in an image of well under 1 MiB.
  WriteFile(packed + "/Data/huge.bin", ZisofsOfZeros(4000u << 20));
  const std::string bomb = dir_ / "bomb.iso";
  ASSERT_TRUE(RunQuietly({FindTool("genisoimage"), "-quiet", "-R", "-z", "-o", bomb, packed}));
  const LimitedRun refused = RunLimited({"install", "--disc", bomb});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("declares 4002 MiB of files in 1 MiB"), std::string::npos)
      << refused.err;
  EXPECT_NE(refused.err.find("nothing was written"), std::string::npos) << refused.err;
  EXPECT_EQ(TreeOf(temp()), std::vector<std::string>{});
  EXPECT_EQ(TreeOf(home()), std::vector<std::string>{});
}

// --- Hard links ---

TEST_F(CliInstallHostileImage, twoNamesOfOneFile_areBothInstalledWithItsBytes) {
  const std::string tree = dir_ / "links.d", image = dir_ / "links.iso";
  MakeMinimalDisc(tree);
  WriteFile(tree + "/Data/first.htm", "the same page");
  fs::create_hard_link(tree + "/Data/first.htm", tree + "/Data/second.htm");
  ASSERT_TRUE(RunQuietly(
      {FindTool("xorriso"), "-as", "mkisofs", "-quiet", "-R", "--hardlinks", "-o", image, tree}));
  const LimitedRun install = RunLimited({"install", "--disc", image});
  ASSERT_EQ(install.status, 0) << install.err;
  EXPECT_EQ(ReadFile(installed() + "/Data/first.htm"), "the same page");
  EXPECT_EQ(ReadFile(installed() + "/Data/second.htm"), "the same page");
}

}  // namespace
}  // namespace velmora::test
