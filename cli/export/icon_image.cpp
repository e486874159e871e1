#include "cli/export/icon_image.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "cli/export/png_writer.h"

namespace velmora::cli::exporting {
namespace {

constexpr int kSide = 48;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

std::uint32_t Le(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::uint32_t Be32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

struct Entry {
  int width = 0;
  int bits = 0;
  std::string_view data;
};

bool IsPng(std::string_view data) { return data.substr(0, kPngSignature.size()) == kPngSignature; }

bool IsPngOf48(std::string_view data) {
  return IsPng(data) && data.size() >= 24 && data.substr(12, 4) == "IHDR" &&
         Be32(data, 16) == kSide && Be32(data, 20) == kSide;
}

// The image of a bitmap entry (a DIB whose height counts the mask too).
std::optional<RgbaImage> DecodeBitmap(std::string_view data) {
  if (data.size() < 40) return std::nullopt;
  const std::uint32_t headerSize = Le(data, 0, 4);
  const auto width = static_cast<std::int32_t>(Le(data, 4, 4));
  const auto doubleHeight = static_cast<std::int32_t>(Le(data, 8, 4));
  const std::uint32_t bits = Le(data, 14, 2);
  const std::uint32_t compression = Le(data, 16, 4);
  const std::uint32_t colorsUsed = Le(data, 32, 4);
  if (headerSize < 40 || headerSize > data.size() || width < 1 || width > 256 || doubleHeight < 2 ||
      doubleHeight > 512 || compression != 0 ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
    return std::nullopt;
  }
  const int height = doubleHeight / 2;
  const std::size_t paletteSize =
      bits > 8 ? 0 : (colorsUsed == 0 || colorsUsed > (1u << bits) ? 1u << bits : colorsUsed);
  const std::size_t paletteAt = headerSize;
  const std::size_t pixelsAt = paletteAt + paletteSize * 4;
  const std::size_t xorRow = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t andRow = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  const std::size_t maskAt = pixelsAt + xorRow * height;
  if (maskAt > data.size()) return std::nullopt;
  // Some icons end without their mask: opaque then.
  const bool hasMask = maskAt + andRow * height <= data.size();

  RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = pixelsAt + xorRow * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = &image.pixels[(std::size_t(y) * width + x) * 4];
      std::size_t colorAt = 0;
      if (bits <= 8) {
        const std::size_t bit = std::size_t(x) * bits;
        const unsigned byte = static_cast<std::uint8_t>(data[row + bit / 8]);
        const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= paletteSize) continue;  // left transparent
        colorAt = paletteAt + index * 4;
      } else {
        colorAt = row + std::size_t(x) * (bits / 8);
      }
      pixel[0] = static_cast<std::uint8_t>(data[colorAt + 2]);
      pixel[1] = static_cast<std::uint8_t>(data[colorAt + 1]);
      pixel[2] = static_cast<std::uint8_t>(data[colorAt]);
      pixel[3] = bits == 32 ? static_cast<std::uint8_t>(data[colorAt + 3]) : 255;
      anyAlpha = anyAlpha || (bits == 32 && pixel[3] != 0);
    }
  }
  // A 32-bit image with an alpha channel has its own transparency; the
  // others (and 32-bit ones whose alpha is all zero) take the mask's.
  if (hasMask && !(bits == 32 && anyAlpha)) {
    for (int y = 0; y < height; ++y) {
      const std::size_t row = maskAt + andRow * (height - 1 - y);
      for (int x = 0; x < width; ++x) {
        const bool transparent = (static_cast<std::uint8_t>(data[row + x / 8]) >> (7 - x % 8)) & 1;
        std::uint8_t& alpha = image.pixels[(std::size_t(y) * width + x) * 4 + 3];
        alpha = transparent ? 0 : 255;
      }
    }
  } else if (bits == 32 && !anyAlpha) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) image.pixels[i] = 255;
  }
  return image;
}

// Each pixel of the result averages the source pixels under it (or repeats
// the one under it when enlarging), weighted by their opacity.
RgbaImage ScaleTo48(const RgbaImage& source) {
  RgbaImage result{kSide, kSide, std::vector<std::uint8_t>(kSide * kSide * 4)};
  for (int y = 0; y < kSide; ++y) {
    const int top = y * source.height / kSide;
    const int bottom = std::max(top + 1, (y + 1) * source.height / kSide);
    for (int x = 0; x < kSide; ++x) {
      const int left = x * source.width / kSide;
      const int right = std::max(left + 1, (x + 1) * source.width / kSide);
      std::uint64_t sum[4] = {0, 0, 0, 0};
      for (int sy = top; sy < bottom; ++sy) {
        for (int sx = left; sx < right; ++sx) {
          const std::uint8_t* p = &source.pixels[(std::size_t(sy) * source.width + sx) * 4];
          for (int c = 0; c < 3; ++c) sum[c] += std::uint64_t(p[c]) * p[3];
          sum[3] += p[3];
        }
      }
      const std::uint64_t count = std::uint64_t(bottom - top) * (right - left);
      std::uint8_t* out = &result.pixels[(std::size_t(y) * kSide + x) * 4];
      for (int c = 0; c < 3; ++c) out[c] = sum[3] ? std::uint8_t(sum[c] / sum[3]) : 0;
      out[3] = static_cast<std::uint8_t>(sum[3] / count);
    }
  }
  return result;
}

// The closer to 48 the better, larger before smaller; then more colours.
bool Better(const Entry& a, const Entry& b) {
  const auto distance = [](int width) {
    return width >= kSide ? width - kSide : 2 * (kSide - width);
  };
  if (distance(a.width) != distance(b.width)) return distance(a.width) < distance(b.width);
  return a.bits > b.bits;
}

}  // namespace

std::optional<std::string> IconAsPng48(std::string_view ico) {
  if (ico.size() < 6 || Le(ico, 0, 2) != 0 || Le(ico, 2, 2) != 1) return std::nullopt;
  const std::size_t count = Le(ico, 4, 2);
  if (count == 0 || count > (ico.size() - 6) / 16) return std::nullopt;
  std::vector<Entry> bitmaps;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + i * 16;
    const std::uint64_t size = Le(ico, at + 8, 4);
    const std::uint64_t offset = Le(ico, at + 12, 4);
    // A file cut short keeps what it holds; the image is read within that.
    if (offset >= ico.size()) continue;
    const std::string_view data = ico.substr(offset, size);
    if (IsPngOf48(data)) return std::string(data);
    if (IsPng(data)) continue;
    const int width =
        static_cast<std::uint8_t>(ico[at]) == 0 ? 256 : static_cast<std::uint8_t>(ico[at]);
    bitmaps.push_back({width, static_cast<int>(Le(ico, at + 6, 2)), data});
  }
  std::sort(bitmaps.begin(), bitmaps.end(), Better);
  for (const Entry& entry : bitmaps) {
    if (const std::optional<RgbaImage> image = DecodeBitmap(entry.data)) {
      return EncodePng(ScaleTo48(*image));
    }
  }
  return std::nullopt;
}

}  // namespace velmora::cli::exporting
