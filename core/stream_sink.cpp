#include "core/stream_sink.h"

namespace ravlo {

std::string escapeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

// A record goes out in one write: standard error flushes after every insertion, and each
// write is a system call (in the web edition a call out to JavaScript).
void StreamSink::record(std::string_view caption, std::string_view text) {
  out_ << ("【" + std::string(caption) + "】" + escapeLineBreaks(text) + '\n');
  out_.flush();
}

BoxAnswer StreamSink::box(std::string_view caption, std::string_view text, BoxButtons buttons,
                          BoxIcon) {
  record(caption, text);
  return defaultAnswer(buttons);
}

void StreamSink::status(std::string_view text) {
  out_ << ("[status] " + escapeLineBreaks(text) + '\n');
  out_.flush();
}

void StreamSink::smallMessage(std::string_view text, std::string_view caption, int) {
  // "$" texts are plain lines separated by "|"; "@" texts are one expression.
  std::string body;
  if (!text.empty() && text.front() == '$') {
    for (char c : text.substr(1)) body += (c == '|') ? '\n' : c;
  } else if (!text.empty() && text.front() == '@') {
    body = std::string(text.substr(1));
  }
  record(caption, body);
}

}  // namespace ravlo
