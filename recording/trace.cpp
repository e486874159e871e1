#include "recording/trace.h"

#include <cstdio>

#include "platform/codepage.h"

namespace velmora::recording {

std::string JsonEscape(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size() + 8);
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", byte);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out;
}

void Trace::Call(const std::string& name, const TraceFields& fields) {
  Write("call", name, fields);
}

void Trace::Event(const std::string& name, const TraceFields& fields) {
  Write("event", name, fields);
}

void Trace::Error(const std::string& message, const TraceFields& fields) {
  Write("error", message, fields);
}

void Trace::Write(const std::string& kind, const std::string& name, const TraceFields& fields) {
  std::string line = "{\"" + kind + "\":\"" + JsonEscape(platform::Win1250ToUtf8(name)) + "\"";
  for (const auto& [key, value] : fields) {
    line += ",\"" + key + "\":";
    if (const auto* text = std::get_if<std::string>(&value)) {
      line += "\"" + JsonEscape(platform::Win1250ToUtf8(*text)) + "\"";
    } else if (const auto* flag = std::get_if<bool>(&value)) {
      line += *flag ? "true" : "false";
    } else {
      line += std::to_string(std::get<long long>(value));
    }
  }
  line += "}\n";
  out_ << line;
  out_.flush();
}

}  // namespace velmora::recording
