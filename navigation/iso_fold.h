#pragma once
// Small letters for the capitals of ISO-8859-2, the code page the content
// is written in: A-Z and the Latin-2 capitals; every other byte stays.

#include <array>

namespace velmora::navigation {

constexpr std::array<unsigned char, 256> MakeIsoFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 0x20);
  // Capitals A1..AF map to B1..BF, except the non-letters A2, A4, A7, A8, AD.
  for (int c : {0xA1, 0xA3, 0xA5, 0xA6, 0xA9, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF}) {
    table[c] = static_cast<unsigned char>(c + 0x10);
  }
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) table[c] = static_cast<unsigned char>(c + 0x20);
  }
  return table;
}

inline constexpr std::array<unsigned char, 256> kIsoFold = MakeIsoFoldTable();

inline unsigned char FoldIsoByte(char c) { return kIsoFold[static_cast<unsigned char>(c)]; }

}  // namespace velmora::navigation
