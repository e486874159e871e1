#include "cli/export/site_sink.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/export/export_paths.h"
#include "platform/codepage.h"

namespace velmora::cli::exporting {

namespace fs = std::filesystem;

std::string MimeTypeOf(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::string ext =
      dot == std::string::npos ? "" : platform::LowerAscii(path.substr(dot + 1));
  static const std::pair<const char*, const char*> kTypes[] = {
      {"htm", "text/html"},   {"html", "text/html"},
      {"css", "text/css"},    {"js", "application/javascript"},
      {"jpg", "image/jpeg"},  {"jpeg", "image/jpeg"},
      {"gif", "image/gif"},   {"png", "image/png"},
      {"bmp", "image/bmp"},   {"avi", "video/x-msvideo"},
      {"webm", "video/webm"}, {"wav", "audio/wav"},
      {"mid", "audio/midi"},  {"mp3", "audio/mpeg"},
      {"txt", "text/plain"},  {"json", "application/json"}};
  for (const auto& [extension, type] : kTypes) {
    if (ext == extension) return type;
  }
  return "application/octet-stream";
}

SiteSink::SiteSink(fs::path finalDir) : finalDir_(std::move(finalDir)) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(finalDir_, ec)) &&
      !(fs::is_directory(fs::symlink_status(finalDir_, ec)) && fs::is_empty(finalDir_, ec))) {
    error_ = "the output exists and is not an empty folder: " + finalDir_.string();
    return;
  }
  std::string pattern = (finalDir_.parent_path() / (".velmora-export-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) {
    error_ = "cannot create a folder beside " + finalDir_.string() + ": " + std::strerror(errno);
    return;
  }
  partDir_ = pattern;
}

SiteSink::~SiteSink() {
  std::error_code ec;
  if (!partDir_.empty()) fs::remove_all(partDir_, ec);
}

bool SiteSink::Fail(const std::string& what) {
  if (error_.empty()) error_ = what;
  return false;
}

bool SiteSink::Add(const ExportItem& item) {
  if (partDir_.empty()) return Fail("no output folder");
  // Export paths are made by the exporter, relative and without "..".
  const fs::path target = partDir_ / fs::u8path(item.path);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (ec) return Fail("cannot create " + target.parent_path().string() + ": " + ec.message());
  if (!item.sourceFile.empty()) {
    fs::copy_file(item.sourceFile, target, fs::copy_options::overwrite_existing, ec);
    if (ec) return Fail("cannot write " + target.string() + ": " + ec.message());
    return true;
  }
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(item.content.data(), static_cast<std::streamsize>(item.content.size()));
  out.close();
  if (!out) return Fail("cannot write " + target.string() + ": " + std::strerror(errno));
  return true;
}

bool SiteSink::Finish(const std::string& mainPath) {
  ExportItem index{kIndexPage, "text/html", "", "", {}, false};
  index.content =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
      "<meta http-equiv=\"refresh\" content=\"0; url=" +
      mainPath + "\"><title>Velmora</title></head><body><a href=\"" + mainPath +
      "\">Velmora</a></body></html>\n";
  if (!Add(index)) return false;
  std::error_code ec;
  // A folder for readers, as the user's mask allows (mkdtemp made it the
  // user's own).
  const mode_t mask = umask(0);
  umask(mask);
  fs::permissions(partDir_, static_cast<fs::perms>(0755 & ~mask), ec);
  fs::rename(partDir_, finalDir_, ec);
  if (ec) return Fail("cannot rename the export to " + finalDir_.string() + ": " + ec.message());
  partDir_.clear();
  return true;
}

}  // namespace velmora::cli::exporting
