#include "cli/install_manifest.h"

#include <sstream>

namespace velmora::cli::install {
namespace {

constexpr const char* kHeader = "velmora-install 1";

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string u8 = path.generic_u8string();
  return std::string(u8.begin(), u8.end());
}

std::filesystem::path FromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// An INI value the viewer's settings reader takes back unchanged: quoted,
// with '"' and '\' escaped, when it holds anything the format would read
// otherwise.
std::string IniValue(const std::string& value) {
  const bool plain = value.find_first_of(",;\"\\=#") == std::string::npos &&
                     (value.empty() || (value.front() != ' ' && value.back() != ' '));
  if (plain) return value;
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string DirectoryText(const std::filesystem::path& path) {
  std::string text = Utf8(path);
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

}  // namespace

std::string WriteManifestText(const Manifest& manifest) {
  std::string text = std::string(kHeader) + "\n";
  text += "disc=" + Utf8(manifest.disc) + "\n";
  text += "settings=" + Utf8(manifest.settings) + "\n";
  text += std::string("target-created=") + (manifest.targetCreated ? "1" : "0") + "\n";
  for (const std::filesystem::path& parent : manifest.parents)
    text += "parent=" + Utf8(parent) + "\n";
  for (const std::string& dir : manifest.directories) text += "dir=" + dir + "\n";
  for (const std::string& file : manifest.files) text += "file=" + file + "\n";
  return text;
}

std::optional<Manifest> ParseManifest(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  Manifest manifest;
  while (std::getline(in, line)) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (name == "disc") manifest.disc = FromUtf8(value);
    if (name == "settings") manifest.settings = FromUtf8(value);
    if (name == "target-created") manifest.targetCreated = value == "1";
    if (name == "parent") manifest.parents.push_back(FromUtf8(value));
    if (name == "dir") manifest.directories.push_back(value);
    if (name == "file") manifest.files.push_back(value);
  }
  return manifest;
}

std::string SettingsText(const std::filesystem::path& disc,
                         const std::filesystem::path& installed) {
  return "[General]\ncdPath=" + IniValue(DirectoryText(disc)) +
         "\ninstPath=" + IniValue(DirectoryText(installed)) + "\n";
}

bool IsContainedRelative(const std::string& relative) {
  if (relative.empty() || relative.front() == '/') return false;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find('/', start);
    if (end == std::string::npos) end = relative.size();
    const std::string part = relative.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace velmora::cli::install
