#include "core/cp932_table.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <string>

#include "core/cp932.h"

namespace ravlo {
namespace {

using namespace std::string_literals;

// What one conversion did: what it wrote, how much of its input it took, what stopped it.
struct Outcome {
  std::string out;
  std::size_t used = 0;
  int error = 0;
  bool operator==(const Outcome&) const = default;
};

std::string hex(std::string_view bytes) {
  std::string s;
  for (unsigned char b : bytes) {
    char two[4];
    std::snprintf(two, sizeof two, "%02X ", b);
    s += two;
  }
  return s;
}

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
  return os << "[" << hex(o.out) << "] took " << o.used << " errno " << o.error;
}

class Glibc {
 public:
  Glibc(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Glibc() { iconv_close(cd_); }
  Glibc(const Glibc&) = delete;
  Glibc& operator=(const Glibc&) = delete;

  Outcome operator()(std::string in) {
    char buffer[64];
    char* src = in.data();
    std::size_t srcLeft = in.size();
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
    Outcome o{std::string(buffer, static_cast<std::size_t>(dst - buffer)), in.size() - srcLeft,
              r == static_cast<std::size_t>(-1) ? errno : 0};
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return o;
  }

 private:
  iconv_t cd_;
};

Outcome viaTable(int (*convert)(std::string_view&, std::string&), std::string_view in) {
  Outcome o;
  std::string_view rest = in;
  o.error = convert(rest, o.out);
  o.used = in.size() - rest.size();
  return o;
}

std::string utf8(char32_t cp) {
  auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (cp < 0x80) return {byte(cp)};
  if (cp < 0x800) return {byte(0xC0 | cp >> 6), byte(0x80 | (cp & 0x3F))};
  if (cp < 0x10000)
    return {byte(0xE0 | cp >> 12), byte(0x80 | (cp >> 6 & 0x3F)), byte(0x80 | (cp & 0x3F))};
  return {byte(0xF0 | cp >> 18), byte(0x80 | (cp >> 12 & 0x3F)), byte(0x80 | (cp >> 6 & 0x3F)),
          byte(0x80 | (cp & 0x3F))};
}

TEST(Cp932Table, DecodesEveryOneAndTwoByteSequenceAsGlibc) {
  Glibc glibc("UTF-8", "CP932");
  for (int a = 0; a < 256; ++a) {
    std::string one{static_cast<char>(a)};
    ASSERT_EQ(viaTable(cp932_table::toUtf8, one), glibc(one)) << hex(one);
    for (int b = 0; b < 256; ++b) {
      std::string two{static_cast<char>(a), static_cast<char>(b)};
      ASSERT_EQ(viaTable(cp932_table::toUtf8, two), glibc(two)) << hex(two);
    }
  }
}

TEST(Cp932Table, EncodesEveryCodePointAsGlibc) {
  Glibc glibc("CP932", "UTF-8");
  for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
    if (cp == 0xD800) cp = 0xE000;
    std::string text = utf8(cp);
    ASSERT_EQ(viaTable(cp932_table::fromUtf8, text), glibc(text)) << hex(text);
  }
}

// Bytes that are no UTF-8 stop the conversion where and as glibc stops: the cut-off forms,
// the overlong ones, the surrogates, the old 5- and 6-byte forms.
TEST(Cp932Table, StopsAtMalformedUtf8AsGlibc) {
  Glibc glibc("CP932", "UTF-8");
  auto same = [&](const std::string& text) {
    return viaTable(cp932_table::fromUtf8, text) == glibc(text);
  };
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      std::string two{static_cast<char>(a), static_cast<char>(b)};
      ASSERT_TRUE(same(two.substr(0, 1)) && same(two)) << hex(two);
      if (a < 0xE0 || (b & 0xC0) != 0x80) continue;
      for (int c = 0; c < 256; ++c) {
        std::string three = two + static_cast<char>(c);
        ASSERT_TRUE(same(three)) << hex(three);
      }
    }
  }
  for (int lead = 0xF0; lead <= 0xFF; ++lead) {
    for (std::string text{static_cast<char>(lead)}; text.size() < 7; text += '\x80') {
      for (const std::string& after : {""s, "A"s, "\xC2"s})
        ASSERT_TRUE(same(text + after)) << hex(text + after);
    }
  }
}

// Every three of these, one after the other, through the conversions of core/cp932.h on
// glibc and on the tables: the characters' meeting places, the replacements, what is dropped.
TEST(Cp932Table, PublicConversionsAgreeWithGlibcOnMixedText) {
  const std::string pieces[] = {
      "a",        "\\~",          "¥",           "〜",       "計",           "①",
      "ｱ",        "é",            "😀",          "\U000E0041", "\xEE\x80\x80", "\0"s,
      "\x81",     "\x81\x20",     "\x82\xA0",    "\xED\x40",  "\xFA\x5C",     "\xF0\x40",
      "\x85\x40", "\xFF",         "\xE3\x81",    "\xED\xA0\x80", "\xC0\x80",  "\xF8\x88"};
  for (const std::string& x : pieces) {
    for (const std::string& y : pieces) {
      for (const std::string& z : pieces) {
        std::string text = x + y + z;
        TextConversion decoded = cp932_table::cp932ToUtf8(text);
        TextConversion encoded = cp932_table::utf8ToCp932(text);
        ASSERT_EQ(decoded.text, cp932ToUtf8(text).text) << hex(text);
        ASSERT_EQ(decoded.lossless, cp932ToUtf8(text).lossless) << hex(text);
        ASSERT_EQ(encoded.text, utf8ToCp932(text).text) << hex(text);
        ASSERT_EQ(encoded.lossless, utf8ToCp932(text).lossless) << hex(text);
        ASSERT_EQ(cp932_table::displayWidth(text), displayWidth(text)) << hex(text);
      }
    }
  }
}

}  // namespace
}  // namespace ravlo
