// The disc's icon as an archive's illustration: found where Windows finds
// it, made a 48x48 PNG with its colours and transparency, and nothing (the
// program's icon then) from a disc without a readable one.
#include "cli/export/disc_icon.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zim/archive.h>
#include <zim/item.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "cli/export/icon_image.h"
#include "test_support.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using cli::exporting::DiscIcon48Png;
using cli::exporting::IconAsPng48;

void PutLe(std::string& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Rgba {
  std::uint8_t r, g, b, a;
  bool operator==(const Rgba&) const = default;
};

// An icon of one bitmap image, side x side, 24 or 4 bits (a palette of the
// colour alone), every pixel colour; the left half transparent by its mask.
std::string BitmapIcon(int side, int bits, Rgba colour) {
  std::string dib;
  PutLe(dib, 40, 4);
  PutLe(dib, side, 4);
  PutLe(dib, 2 * side, 4);
  PutLe(dib, 1, 2);
  PutLe(dib, bits, 2);
  dib.append(24, '\0');  // no compression, sizes, colours used: all
  const int rowBytes = (side * bits + 31) / 32 * 4;
  if (bits == 4) {
    dib += {char(colour.b), char(colour.g), char(colour.r), '\0'};
    dib.append(15 * 4, '\0');
    for (int y = 0; y < side; ++y) dib.append(rowBytes, '\0');  // index 0 everywhere
  } else {
    for (int y = 0; y < side; ++y) {
      std::string row;
      for (int x = 0; x < side; ++x) row += {char(colour.b), char(colour.g), char(colour.r)};
      row.resize(rowBytes, '\0');
      dib += row;
    }
  }
  const int maskBytes = (side + 31) / 32 * 4;
  for (int y = 0; y < side; ++y) {
    std::string row(maskBytes, '\0');
    for (int x = 0; x < side / 2; ++x) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    dib += row;
  }
  std::string ico;
  PutLe(ico, 0, 2);
  PutLe(ico, 1, 2);
  PutLe(ico, 1, 2);
  ico += {char(side), char(side), '\0', '\0'};
  PutLe(ico, 1, 2);
  PutLe(ico, bits, 2);
  PutLe(ico, static_cast<std::uint32_t>(dib.size()), 4);
  PutLe(ico, 22, 4);
  return ico + dib;
}

std::uint32_t Be32(const std::string& bytes, std::size_t at) {
  return std::uint32_t(std::uint8_t(bytes[at])) << 24 |
         std::uint32_t(std::uint8_t(bytes[at + 1])) << 16 |
         std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint8_t(bytes[at + 3]);
}

// The pixels of a 48x48 RGBA PNG, read as any reader would: chunks whose
// checksums hold, the image data inflated, rows without a filter.
std::string PixelsOf(const std::string& png) {
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  std::string compressed;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = Be32(png, at);
    const std::string type = png.substr(at + 4, 4);
    EXPECT_EQ(Be32(png, at + 8 + length),
              crc32(0, reinterpret_cast<const Bytef*>(png.data() + at + 4), length + 4))
        << type;
    if (type == "IHDR") {
      EXPECT_EQ(Be32(png, at + 8), 48u);
      EXPECT_EQ(Be32(png, at + 12), 48u);
      EXPECT_EQ(png.substr(at + 16, 2), std::string("\x08\x06", 2));  // 8-bit RGBA
    }
    if (type == "IDAT") compressed += png.substr(at + 8, length);
    at += 12 + length;
  }
  std::string raw(48 * (48 * 4 + 1), '\0');
  uLongf size = raw.size();
  EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &size,
                       reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
            Z_OK);
  EXPECT_EQ(size, raw.size());
  std::string pixels;
  for (int y = 0; y < 48; ++y) {
    EXPECT_EQ(raw[y * (48 * 4 + 1)], '\0');
    pixels += raw.substr(y * (48 * 4 + 1) + 1, 48 * 4);
  }
  return pixels;
}

Rgba PixelAt(const std::string& pixels, int x, int y) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(pixels.data()) + (y * 48 + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

TEST(DiscIcon, BitmapIconsOfAnySizeBecome48WithTheirColoursAndMask) {
  for (const auto& [side, bits] : {std::pair{32, 24}, {16, 4}, {64, 24}, {48, 4}}) {
    SCOPED_TRACE(std::to_string(side) + " px, " + std::to_string(bits) + " bits");
    const auto png = IconAsPng48(BitmapIcon(side, bits, {200, 30, 10, 255}));
    ASSERT_TRUE(png);
    const std::string pixels = PixelsOf(*png);
    EXPECT_EQ(PixelAt(pixels, 40, 10), (Rgba{200, 30, 10, 255}));
    EXPECT_EQ(PixelAt(pixels, 5, 40).a, 0);  // the mask's transparent half
  }
}

TEST(DiscIcon, TheIconAutorunNamesIsFoundInAnyCaseBeforeOthers) {
  TempDir disc;
  WriteFile(disc / "AUTORUN.INF",
            "[AutoRun]\r\nopen=Anim\\start.exe\r\nICON = \"ikony\\PLYTA.ico\",0\r\n");
  WriteFile(disc / "IKONY/plyta.ICO", BitmapIcon(32, 24, {10, 200, 10, 255}));
  WriteFile(disc / "AAA.ICO", BitmapIcon(32, 24, {10, 10, 200, 255}));
  EXPECT_EQ(PixelAt(PixelsOf(DiscIcon48Png(disc.path())), 40, 10), (Rgba{10, 200, 10, 255}));
  // Without autorun.inf, an icon at the root.
  fs::remove(disc / "AUTORUN.INF");
  EXPECT_EQ(PixelAt(PixelsOf(DiscIcon48Png(disc.path())), 40, 10), (Rgba{10, 10, 200, 255}));
}

TEST(DiscIcon, NoIconFromADiscWithoutAReadableOne) {
  const std::string good = BitmapIcon(32, 24, {1, 2, 3, 255});
  TempDir outside;
  WriteFile(outside / "secret.ico", good);
  const auto iconOf = [](const std::string& autorun, const std::string& name,
                         const std::string& bytes) {
    TempDir disc;
    WriteFile(disc / "autorun.inf", autorun);
    if (!name.empty()) WriteFile(disc / name, bytes);
    return DiscIcon48Png(disc.path());
  };
  EXPECT_EQ(DiscIcon48Png(VELMORA_SAMPLE_CONTENT), "");
  // Outside the disc, inside a program, or not an icon.
  EXPECT_EQ(iconOf("[autorun]\nicon=..\\" + fs::path(outside.path()).filename().string() +
                       "\\secret.ico\n",
                   "", ""),
            "");
  EXPECT_EQ(iconOf("[autorun]\nicon=" + outside / "secret.ico" + "\n", "", ""), "");
  EXPECT_EQ(iconOf("[autorun]\nicon=start.exe,0\n", "start.exe", good), "");
  EXPECT_EQ(iconOf("[other]\nicon=x.dat\n", "x.dat", good), "");
  EXPECT_EQ(iconOf("[autorun]\nicon=x.ico\n", "x.ico", "MZ not an icon"), "");
  {
    // A pipe or a link named as the icon is not read (a pipe would wait).
    TempDir disc;
    WriteFile(disc / "autorun.inf", "[autorun]\nicon=pipe.ico\n");
    ASSERT_EQ(::mkfifo((disc / "pipe.ico").c_str(), 0600), 0);
    fs::create_symlink(outside / "secret.ico", disc / "link.ico");
    EXPECT_EQ(DiscIcon48Png(disc.path()), "");
  }
}

TEST(DiscIcon, MalformedIconsGiveNothingAndNeverReadOutsideTheirBytes) {
  const std::string good = BitmapIcon(32, 24, {1, 2, 3, 255});
  ASSERT_TRUE(IconAsPng48(good));
  // Every truncation, and every byte of the headers set to extremes.
  for (std::size_t length = 0; length < good.size(); ++length) {
    const auto png = IconAsPng48(good.substr(0, length));
    if (length < good.size() - 32 * 4) {
      EXPECT_FALSE(png) << length;  // not all its colours
    } else {
      EXPECT_EQ(PixelsOf(png.value()).size(), 48u * 48 * 4);  // opaque without its mask
    }
  }
  for (std::size_t at = 0; at < 22 + 40; ++at) {
    for (const char value : {'\0', '\x01', '\x7f', '\x80', '\xff'}) {
      std::string bad = good;
      bad[at] = value;
      if (const auto png = IconAsPng48(bad)) {
        EXPECT_EQ(PixelsOf(*png).size(), 48u * 48 * 4);
      }
    }
  }
  // A directory that counts more images than the file holds.
  std::string many = good;
  many[4] = '\xff';
  many[5] = '\xff';
  EXPECT_FALSE(IconAsPng48(many));
}

TEST(DiscIcon, A48PixelPngImageIsTakenAsItIs) {
  const std::string png = IconAsPng48(BitmapIcon(48, 24, {9, 9, 9, 255})).value();
  std::string ico;
  PutLe(ico, 0, 2);
  PutLe(ico, 1, 2);
  PutLe(ico, 1, 2);
  ico += {48, 48, 0, 0, 1, 0, 32, 0};
  PutLe(ico, static_cast<std::uint32_t>(png.size()), 4);
  PutLe(ico, 22, 4);
  EXPECT_EQ(IconAsPng48(ico + png), png);
}

TEST(DiscIcon, TheArchiveShowsTheDiscsIconOrElseTheProgramsOwn) {
  TempDir out;
  CopyDiscAsMounted(VELMORA_SAMPLE_CONTENT, out / "disc");
  WriteFile(out / "disc/AUTORUN.INF", "[autorun]\r\nicon=PLYTA.ICO\r\n");
  WriteFile(out / "disc/PLYTA.ICO", BitmapIcon(32, 24, {10, 200, 10, 255}));
  ASSERT_EQ(RunCli({"export", "--disc", out / "disc", "--zim", out / "own.zim", "--quiet"}).status,
            0);
  ASSERT_EQ(
      RunCli({"export", "--disc", VELMORA_SAMPLE_CONTENT, "--zim", out / "demo.zim", "--quiet"})
          .status,
      0);
  EXPECT_EQ(std::string(zim::Archive(out / "own.zim").getIllustrationItem(48).getData()),
            DiscIcon48Png(out / "disc"));
  EXPECT_EQ(std::string(zim::Archive(out / "demo.zim").getIllustrationItem(48).getData()),
            ReadFile(std::string(VELMORA_SAMPLE_CONTENT) + "/../packaging/icons/velmora-48.png"));
}

}  // namespace
}  // namespace velmora::test
