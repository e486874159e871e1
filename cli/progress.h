#pragma once
// A progress line for long work on a terminal: one line on standard error,
// rewritten in place with '\r'. Shown only where a person watches (standard
// error a terminal, no --quiet), so scripts and logs see the same output as
// ever. The line's text and the pace of redrawing are plain functions of
// counts and a clock, inline so the tests use them without the program.

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::cli {

struct ProgressCounts {
  std::uint64_t done = 0;  // items: files, steps
  std::uint64_t total = 0;
  std::uint64_t bytes = 0;  // none shown when totalBytes is 0
  std::uint64_t totalBytes = 0;
};

// "5 s", "2 min 05 s", "1 h 07 min".
inline std::string FormatDuration(std::chrono::seconds duration) {
  const long long s = duration.count() < 0 ? 0 : duration.count();
  std::ostringstream text;
  text.fill('0');
  if (s < 60) {
    text << s << " s";
  } else if (s < 3600) {
    text << s / 60 << " min ";
    text.width(2);
    text << s % 60 << " s";
  } else {
    text << s / 3600 << " h ";
    text.width(2);
    text << s % 3600 / 60 << " min";
  }
  return text.str();
}

// "install: 120/3400 files, 12.3/650.0 MiB, about 1 min 20 s left". The time
// left follows the bytes (else the items) done so far at the pace so far;
// it is left out in the first second and before anything is done, when the
// pace says nothing yet.
inline std::string FormatProgress(std::string_view label, std::string_view unit,
                                  const ProgressCounts& counts, std::chrono::milliseconds elapsed) {
  std::ostringstream text;
  text << label << ": " << counts.done << "/" << counts.total << " " << unit;
  const bool byBytes = counts.totalBytes > 0;
  if (byBytes) {
    constexpr double kMiB = 1024.0 * 1024.0;
    text.setf(std::ios::fixed);
    text.precision(1);
    text << ", " << static_cast<double>(counts.bytes) / kMiB << "/"
         << static_cast<double>(counts.totalBytes) / kMiB << " MiB";
  }
  const double done = static_cast<double>(byBytes ? counts.bytes : counts.done);
  const double total = static_cast<double>(byBytes ? counts.totalBytes : counts.total);
  if (done > 0 && done < total && elapsed >= std::chrono::seconds(1)) {
    const double left = static_cast<double>(elapsed.count()) * (total - done) / done / 1000.0;
    text << ", about " << FormatDuration(std::chrono::seconds(static_cast<long long>(left + 0.5)))
         << " left";
  }
  return text.str();
}

// Draws the line at most once every kInterval (a redraw per file would
// cost more than small files take to copy), the first time only after
// kInterval, so that quick work shows nothing. Without a stream it does
// nothing.
class ProgressLine {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static constexpr std::chrono::milliseconds kInterval{250};

  ProgressLine(std::ostream* out, std::string label, std::string unit,
               Clock clock = &std::chrono::steady_clock::now)
      : out_(out),
        label_(std::move(label)),
        unit_(std::move(unit)),
        clock_(std::move(clock)),
        start_(clock_()),
        lastDraw_(start_) {}
  ~ProgressLine() { Clear(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Update(const ProgressCounts& counts) {
    if (!out_) return;
    const auto now = clock_();
    if (now - lastDraw_ < kInterval) return;
    lastDraw_ = now;
    Draw(FormatProgress(label_, unit_, counts,
                        std::chrono::duration_cast<std::chrono::milliseconds>(now - start_)));
  }

  // A line of its own at once, for a step whose counts are unknown.
  void Show(const std::string& text) {
    if (out_) Draw(label_ + ": " + text);
  }

  // Wipes the line, so that what is written next starts on a clean one.
  void Clear() {
    if (!out_ || width_ == 0) return;
    *out_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
  }

 private:
  void Draw(const std::string& line) {
    // Blanks over the rest of a longer line drawn before.
    const std::size_t pad = width_ > line.size() ? width_ - line.size() : 0;
    *out_ << '\r' << line << std::string(pad, ' ') << std::flush;
    width_ = line.size();
  }

  std::ostream* out_;
  std::string label_;
  std::string unit_;
  Clock clock_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDraw_;
  std::size_t width_ = 0;
};

// err when it is the terminal's standard error and quiet is off; else none.
std::ostream* ProgressStream(std::ostream& err, bool quiet);

}  // namespace velmora::cli
