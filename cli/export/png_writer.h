#pragma once
// A PNG of 8-bit RGBA pixels, written without a compression library: the
// image data in stored deflate blocks (an icon of 48x48 is 9 KB so).

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::cli::exporting {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // rows top down, 4 bytes a pixel: R G B A
};

std::string EncodePng(const RgbaImage& image);

}  // namespace velmora::cli::exporting
