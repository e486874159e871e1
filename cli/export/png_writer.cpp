#include "cli/export/png_writer.h"

#include <zlib.h>

namespace velmora::cli::exporting {
namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out += type;
  out += data;
  PutBigEndian(
      out, static_cast<std::uint32_t>(
               crc32(0, reinterpret_cast<const Bytef*>(out.data() + typeAt), out.size() - typeAt)));
}

// The zlib stream of raw.
std::string Zlib(const std::string& raw) {
  uLongf size = compressBound(raw.size());
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(raw.data()), raw.size(),
                Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

}  // namespace

std::string EncodePng(const RgbaImage& image) {
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, no interlace
  std::string raw;
  const std::size_t row = static_cast<std::size_t>(image.width) * 4;
  raw.reserve((row + 1) * static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    raw += '\0';  // no filter
    raw.append(reinterpret_cast<const char*>(image.pixels.data()) + row * y, row);
  }
  std::string png("\x89PNG\r\n\x1a\n", 8);
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", Zlib(raw));
  PutChunk(png, "IEND", "");
  return png;
}

}  // namespace velmora::cli::exporting
