#include "platform/codepage.h"

#include <array>
#include <cstdint>

namespace velmora::platform {
namespace {

struct LetterPair {
  unsigned char win1250;
  unsigned char iso;
};

constexpr std::array<LetterPair, 6> kPolishPairs{{
    {0xB9, 0xB1},  // ą
    {0x9C, 0xB6},  // ś
    {0x9F, 0xBC},  // ź
    {0xA5, 0xA1},  // Ą
    {0x8C, 0xA6},  // Ś
    {0x8F, 0xAC},  // Ź
}};

// Unicode code points of bytes 0x80..0xFF.
constexpr std::array<std::uint16_t, 128> kIso88592High{
    0x0080, 0x0081, 0x0082, 0x0083, 0x0084, 0x0085, 0x0086, 0x0087, 0x0088, 0x0089, 0x008A, 0x008B,
    0x008C, 0x008D, 0x008E, 0x008F, 0x0090, 0x0091, 0x0092, 0x0093, 0x0094, 0x0095, 0x0096, 0x0097,
    0x0098, 0x0099, 0x009A, 0x009B, 0x009C, 0x009D, 0x009E, 0x009F, 0x00A0, 0x0104, 0x02D8, 0x0141,
    0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B,
    0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165,
    0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// Bytes that Windows-1250 leaves undefined map to the C1 control of the same value.
constexpr std::array<std::uint16_t, 128> kWin1250High{
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

std::string MapPolishLetters(const std::string& text, bool toIso) {
  std::string result = text;
  for (char& c : result) {
    const auto byte = static_cast<unsigned char>(c);
    for (const LetterPair& pair : kPolishPairs) {
      if (byte == (toIso ? pair.win1250 : pair.iso)) {
        c = static_cast<char>(toIso ? pair.iso : pair.win1250);
        break;
      }
    }
  }
  return result;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string ToUtf8(const std::string& text, const std::array<std::uint16_t, 128>& high) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte < 0x80 ? byte : high[byte - 0x80]);
  }
  return out;
}

// Decodes one code point; malformed sequences yield U+FFFD and skip one byte.
std::uint32_t NextCodePoint(const std::string& s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = 0;
  std::uint32_t cp = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + extra >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return cp;
}

std::string FromUtf8(const std::string& utf8, const std::array<std::uint16_t, 128>& high) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::uint32_t cp = NextCodePoint(utf8, i);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (std::size_t k = 0; k < high.size(); ++k) {
      if (high[k] == cp) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

}  // namespace

std::string Win1250ToIso(const std::string& text) { return MapPolishLetters(text, true); }
std::string IsoToWin1250(const std::string& text) { return MapPolishLetters(text, false); }

std::string Win1250ToUtf8(const std::string& text) { return ToUtf8(text, kWin1250High); }
std::string Iso88592ToUtf8(const std::string& text) { return ToUtf8(text, kIso88592High); }
std::string Utf8ToWin1250(const std::string& utf8) { return FromUtf8(utf8, kWin1250High); }
std::string Utf8ToIso88592(const std::string& utf8) { return FromUtf8(utf8, kIso88592High); }

std::string LowerAscii(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string LowerWin1250(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    const auto byte = static_cast<unsigned char>(c);
    unsigned char lower = byte;
    if (byte >= 'A' && byte <= 'Z') {
      lower = byte + 0x20;
    } else if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) {
      lower = byte + 0x20;  // Ŕ..Ţ; 0xD7 is the multiplication sign
    } else {
      switch (byte) {
        case 0x8A:
          lower = 0x9A;
          break;  // Š
        case 0x8C:
          lower = 0x9C;
          break;  // Ś
        case 0x8D:
          lower = 0x9D;
          break;  // Ť
        case 0x8E:
          lower = 0x9E;
          break;  // Ž
        case 0x8F:
          lower = 0x9F;
          break;  // Ź
        case 0xA3:
          lower = 0xB3;
          break;  // Ł
        case 0xA5:
          lower = 0xB9;
          break;  // Ą
        case 0xAA:
          lower = 0xBA;
          break;  // Ş
        case 0xAF:
          lower = 0xBF;
          break;  // Ż
        case 0xBC:
          lower = 0xBE;
          break;  // Ľ
        default:
          break;
      }
    }
    c = static_cast<char>(lower);
  }
  return result;
}

}  // namespace velmora::platform
