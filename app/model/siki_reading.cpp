#include "app/model/siki_reading.h"

namespace ravlo {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
    out.append(text, start, at - start);
    out += to;
    start = at + from.size();
  }
  out.append(text, start, std::string::npos);
  return out;
}

std::string spaceDecimalDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  bool afterPoint = false;
  for (char c : text) {
    out += c;
    if (c == '.') {
      afterPoint = true;
    } else if (afterPoint && isDigit(c)) {
      out += ' ';
    } else {
      afterPoint = false;
    }
  }
  return out;
}

std::string readPowers(std::string_view text) {
  std::string rest(text);
  if (const std::size_t first = rest.find('^');
      first != std::string::npos && first + 1 == rest.size()) {
    rest += kOpenPowerMark;
  }
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hat = rest.find('^', pos); hat != std::string::npos;
       hat = rest.find('^', pos)) {
    out.append(rest, pos, hat - pos);
    out += "の";
    std::size_t i = hat + 1;
    while (i < rest.size() && isDigit(rest[i])) out += rest[i++];
    out += "じょう";
    if (i == rest.size()) return out;
    // The character that ends the exponent is copied as it is, even another "^".
    out += rest[i];
    pos = i + 1;
  }
  out.append(rest, pos, std::string::npos);
  return out;
}

std::string applyReadingTable(std::string text, bool wholeLine) {
  for (const ReadingRow& row : kReadingTable) text = replaceAll(std::move(text), row.from, row.to);
  if (!wholeLine) text = replaceAll(std::move(text), kZeroTokenReading.from, kZeroTokenReading.to);
  return text;
}

std::string SikiSpeakText(std::string_view text, bool whole) {
  if (text.empty()) return {};
  std::string reading = spaceDecimalDigits(text);
  if (reading == "^") {
    reading = std::string(kLonePowerReading);
  } else {
    reading = readPowers(reading);
  }
  return applyReadingTable(std::move(reading), whole);
}

}  // namespace ravlo
