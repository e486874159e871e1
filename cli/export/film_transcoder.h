#pragma once
// Films as any browser plays them: the disc's AVI files (codecs no browser
// knows) transcoded once each to WebM (VP8 and Vorbis) by GStreamer's
// gst-launch-1.0 in a child process, ended when it takes too long.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli::exporting {

// True when the AVI's header (its first bytes) lists a sound stream.
bool AviHasSound(const std::string& header);

// The arguments after the program's name: in and out are plain names of
// the child's working directory.
std::vector<std::string> TranscodeArguments(const std::string& in, const std::string& out,
                                            bool withSound);

class FilmTranscoder {
 public:
  // workDir: a folder of this run's own, where the films are made and left
  // until the transcoder goes. program: gst-launch-1.0 or a stand-in.
  FilmTranscoder(std::filesystem::path workDir, std::string program = "gst-launch-1.0",
                 std::chrono::milliseconds baseLimit = std::chrono::minutes(1));
  ~FilmTranscoder();
  FilmTranscoder(const FilmTranscoder&) = delete;
  FilmTranscoder& operator=(const FilmTranscoder&) = delete;

  // The WebM file made from the AVI under the plain name `name` (no '/'),
  // nullopt with the reason in `error` when it could not be made.
  std::optional<std::filesystem::path> Transcode(const std::filesystem::path& avi,
                                                 const std::string& name, std::string& error);

 private:
  enum class Ending { kDone, kFailed, kOutOfTime };
  Ending Run(const std::vector<std::string>& arguments, std::chrono::milliseconds limit);

  std::filesystem::path dir_;
  std::string program_;
  std::chrono::milliseconds baseLimit_;
  std::vector<std::filesystem::path> made_;
};

}  // namespace velmora::cli::exporting
