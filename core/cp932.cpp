#include "core/cp932.h"

#include <cerrno>
#include <optional>

#include "core/cp932_table.h"

#ifndef __EMSCRIPTEN__
#include <iconv.h>
#endif

namespace ravlo {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD
constexpr char kDefaultChar = '?';

enum class Direction { ToUtf8, ToCp932 };

#ifndef __EMSCRIPTEN__
// One iconv descriptor for the length of one conversion.
class IconvConverter {
 public:
  explicit IconvConverter(Direction direction)
      : cd_(direction == Direction::ToUtf8 ? iconv_open("UTF-8", "CP932")
                                           : iconv_open("CP932", "UTF-8")) {}
  ~IconvConverter() {
    if (ok()) iconv_close(cd_);
  }
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `in` as it can, appending to `out`; advances `in` past what was
  // converted. Returns 0 when all of `in` was taken, else the errno that stopped it.
  int convert(std::string_view& in, std::string& out) {
    char buffer[4096];
    // iconv never writes through its input pointer; the cast only meets its old signature.
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    int error = 0;
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (r != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      error = errno;
      break;
    }
    in.remove_prefix(in.size() - srcLeft);
    reset();
    return error;
  }

 private:
  void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }
  iconv_t cd_;
};
#endif

// The same contract on the tables taken from glibc.
class TableConverter {
 public:
  explicit TableConverter(Direction direction) : direction_(direction) {}
  static constexpr bool ok() { return true; }
  int convert(std::string_view& in, std::string& out) const {
    return direction_ == Direction::ToUtf8 ? cp932_table::toUtf8(in, out)
                                           : cp932_table::fromUtf8(in, out);
  }

 private:
  Direction direction_;
};

// The web build's libc has no CP932 converter; the tables stand in for glibc's.
#ifdef __EMSCRIPTEN__
using PlatformConverter = TableConverter;
#else
using PlatformConverter = IconvConverter;
#endif

// Length of the well-formed UTF-8 sequence at the start of `s` and its code point;
// 0 when the first byte starts none.
std::size_t utf8SequenceAt(std::string_view s, char32_t& cp) {
  if (s.empty()) return 0;
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(0);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
    cp = b0 & 0x1Fu;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    cp = b0 & 0x0Fu;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    cp = b0 & 0x07u;
    min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    cp = (cp << 6) | (byte(i) & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool isEastAsianWide(char32_t cp) {
  return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0x303E) ||
         (cp >= 0x3041 && cp <= 0x33FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
         (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xA000 && cp <= 0xA4CF) ||
         (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
         (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x1F300 && cp <= 0x1F64F) ||
         (cp >= 0x1F900 && cp <= 0x1F9FF) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

template <class Converter>
TextConversion decode(std::string_view cp932) {
  TextConversion result;
  if (isAscii(cp932)) {
    result.text = cp932;
    return result;
  }
  result.text.reserve(cp932.size() + cp932.size() / 2);
  Converter conv(Direction::ToUtf8);
  if (!conv.ok()) {
    // Without the converter only ASCII can be trusted.
    for (char c : cp932) {
      if (static_cast<unsigned char>(c) < 0x80) {
        result.text += c;
      } else {
        result.text += kReplacementUtf8;
        result.lossless = false;
      }
    }
    return result;
  }
  while (!cp932.empty()) {
    if (conv.convert(cp932, result.text) == 0) break;
    // A byte that starts no character (or a lead byte cut off): replace it, go on after it.
    result.text += kReplacementUtf8;
    result.lossless = false;
    cp932.remove_prefix(1);
  }
  return result;
}

template <class Converter>
TextConversion encode(std::string_view utf8) {
  TextConversion result;
  if (isAscii(utf8)) {
    result.text = utf8;
    return result;
  }
  result.text.reserve(utf8.size());
  Converter conv(Direction::ToCp932);
  while (!utf8.empty()) {
    if (conv.ok() && conv.convert(utf8, result.text) == 0) break;
    char32_t cp = 0;
    std::size_t len = utf8SequenceAt(utf8, cp);
    if (!conv.ok() && len == 1) {
      result.text += utf8.front();
      utf8.remove_prefix(1);
      continue;
    }
    // A character CP932 lacks, or a byte that is no UTF-8: one default character for it.
    result.text += kDefaultChar;
    result.lossless = false;
    utf8.remove_prefix(len == 0 ? 1 : len);
  }
  return result;
}

template <class Converter>
std::size_t width(std::string_view utf8) {
  std::optional<Converter> conv;  // opened only for characters that need the code page
  std::size_t width = 0;
  std::string encoded;
  while (!utf8.empty()) {
    char32_t cp = 0;
    std::size_t len = utf8SequenceAt(utf8, cp);
    if (len == 0) {
      ++width;
      utf8.remove_prefix(1);
      continue;
    }
    std::string_view one = utf8.substr(0, len);
    utf8.remove_prefix(len);
    if (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) {
      ++width;
    } else if (isEastAsianWide(cp)) {
      width += 2;
    } else {
      // Elsewhere the code page decides: "¥" is one byte there, "α" and "①" are two.
      encoded.clear();
      if (!conv) conv.emplace(Direction::ToCp932);
      if (conv->ok() && conv->convert(one, encoded) == 0 && !encoded.empty())
        width += encoded.size();
      else
        width += 1;
    }
  }
  return width;
}

}  // namespace

TextConversion cp932ToUtf8(std::string_view cp932) { return decode<PlatformConverter>(cp932); }
TextConversion utf8ToCp932(std::string_view utf8) { return encode<PlatformConverter>(utf8); }
std::size_t displayWidth(std::string_view utf8) { return width<PlatformConverter>(utf8); }

bool isValidUtf8(std::string_view text) {
  while (!text.empty()) {
    char32_t cp = 0;
    std::size_t len = utf8SequenceAt(text, cp);
    if (len == 0) return false;
    text.remove_prefix(len);
  }
  return true;
}

std::size_t codePointCount(std::string_view utf8) {
  std::size_t count = 0;
  while (!utf8.empty()) {
    char32_t cp = 0;
    std::size_t len = utf8SequenceAt(utf8, cp);
    utf8.remove_prefix(len == 0 ? 1 : len);
    ++count;
  }
  return count;
}

namespace cp932_table {
TextConversion cp932ToUtf8(std::string_view cp932) { return decode<TableConverter>(cp932); }
TextConversion utf8ToCp932(std::string_view utf8) { return encode<TableConverter>(utf8); }
std::size_t displayWidth(std::string_view utf8) { return width<TableConverter>(utf8); }
}  // namespace cp932_table

}  // namespace ravlo
