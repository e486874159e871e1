#pragma once
// The replay trace: one JSON object per line, UTF-8. Platform calls carry a
// "call" key, events raised by the script or the recording browser an
// "event" key. Text arguments arrive as the core's Windows-1250 bytes.

#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace velmora::recording {

using TraceValue = std::variant<std::string, bool, long long>;
using TraceFields = std::vector<std::pair<std::string, TraceValue>>;

// Escapes UTF-8 text for a JSON string literal (without the quotes).
std::string JsonEscape(const std::string& utf8);

class Trace {
 public:
  explicit Trace(std::ostream& out) : out_(out) {}

  void Call(const std::string& name, const TraceFields& fields = {});
  void Event(const std::string& name, const TraceFields& fields = {});
  void Error(const std::string& message, const TraceFields& fields = {});

 private:
  void Write(const std::string& kind, const std::string& name, const TraceFields& fields);

  std::ostream& out_;
};

}  // namespace velmora::recording
