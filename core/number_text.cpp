#include "core/number_text.h"

#include "core/montgomery64.h"

#include <cstdio>

namespace ravlo {

namespace {

constexpr int kDecimalPlaces = 18;

// The first kDecimalPlaces places of n/d (0 <= n < d), rounded to nearest with ties to even
// as printf rounds, by exact long division: a binary floating quotient would round the last
// place by its own precision, which differs between platforms. A value that would round up
// to 1 shows nines instead of a carry the integer part never sees.
std::string decimalPlaces(int64_t n, int64_t d) {
  using U = detail::U128;
  std::string places(kDecimalPlaces, '0');
  U r = static_cast<U>(n);
  for (char& c : places) {
    r *= 10;
    c = static_cast<char>('0' + static_cast<int>(r / static_cast<U>(d)));
    r %= static_cast<U>(d);
  }
  const U twice = 2 * r;
  const bool up = twice > static_cast<U>(d) ||
                  (twice == static_cast<U>(d) && (places.back() - '0') % 2 == 1);
  if (!up) return places;
  for (auto it = places.rbegin(); it != places.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return places;
    }
    *it = '0';
  }
  return std::string(kDecimalPlaces, '9');
}

// One part of a number text: an int64 text (message when it is not one) made of digits only;
// a sign of its own would smuggle a negative part into the record.
bool readPart(std::string_view text, int64_t& out, MessageSink& sink) {
  if (!int64StrMaxCheck(text, true, sink)) return false;
  if (!isDigitRun(text)) return false;
  out = *parseInt64(text);
  return true;
}

// Drops a leading sign character and returns the sign it stood for.
int takeSign(std::string_view& t) {
  if (t.empty()) return 1;
  const char c = t.front();
  if (c == 'm' || c == '-') {
    t.remove_prefix(1);
    return -1;
  }
  if (c == 'p' || c == '+') t.remove_prefix(1);
  return 1;
}

}  // namespace

bool int64StrMaxCheck(std::string_view text, bool show, MessageSink& sink) {
  if (parseInt64(text)) return true;
  if (show) {
    std::string msg = "(int64StrMaxCheck)\n文字列< ";
    msg += text;
    msg += " >は int64 の有効値を超えた。";
    sink.box(kInt64CheckCaption, msg, BoxButtons::Ok, BoxIcon::Warning);
  }
  return false;
}

Bunsuu64 StrToBun(std::string_view text, MessageSink& sink) {
  const std::string peeled = KakkoHagasi(text, 1);
  std::string_view t = peeled;
  if (t.find('.') != std::string_view::npos) return SyoToBun(t, sink);
  int sign = takeSign(t);
  int64_t integer = 0;
  if (const std::size_t k = t.find('k'); k != std::string_view::npos) {
    if (!readPart(t.substr(0, k), integer, sink)) return kBunInvalid;
    t.remove_prefix(k + 1);
  }
  int64_t denominator = 1;
  int64_t numerator = 0;
  if (const std::size_t b = t.find('b'); b != std::string_view::npos) {
    if (!readPart(t.substr(0, b), denominator, sink)) return kBunInvalid;
    if (!readPart(t.substr(b + 1), numerator, sink)) return kBunInvalid;
  } else {
    if (!readPart(t, numerator, sink)) return kBunInvalid;
    if (numerator == 0) sign = 0;
  }
  // Stored as read; BunMake turns a zero denominator into the invalid value.
  return BunMake(sign, integer, denominator, numerator);
}

Bunsuu64 SyoToBun(std::string_view text, MessageSink& sink) {
  std::string_view t = text;
  const int sign = takeSign(t);
  std::string body(t);
  Bunsuu64 repeating = kBunZero;
  const bool hasRepeat = body.find('@') != std::string::npos;
  if (hasRepeat) {
    repeating = JunSToBun(body, sink);
    if (!repeating.valid()) return kBunInvalid;
    body.resize(body.find('@'));
    if (!body.empty() && body.back() == '.') body += '0';
  }
  const std::size_t dot = body.find('.');
  const std::string_view whole = std::string_view(body).substr(0, dot);
  const std::string_view fraction =
      dot == std::string::npos ? std::string_view() : std::string_view(body).substr(dot + 1);
  int64_t i = 0;
  int64_t f = 0;
  if (!readPart(whole, i, sink) || !readPart(fraction, f, sink)) return kBunInvalid;
  Bunsuu64 value = kBunZero;
  if (i != 0 || f != 0) {
    // 10^e for e fraction digits; past 18 digits the power leaves the bound.
    int64_t power = 10;
    for (std::size_t n = 1; n < fraction.size(); ++n) {
      if (!Int64MulCheck(power, 10, sink)) return kBunInvalid;
      power *= 10;
    }
    value = BunMake(sign, i, power, f);
  }
  if (!hasRepeat) return value;
  // The repeating part carries the sign too: ‹m0.@3› is minus one third.
  if (repeating.sign != 0) repeating.sign = static_cast<int8_t>(sign);
  return BunAdd(value, repeating, sink);
}

Bunsuu64 JunSToBun(std::string_view text, MessageSink& sink) {
  const std::size_t at = text.find('@');
  const std::size_t dot = text.find('.');
  if (at == std::string_view::npos || dot == std::string_view::npos || dot > at) {
    return kBunInvalid;
  }
  const std::size_t k = at - dot - 1;
  const std::string_view digits = text.substr(at + 1);
  // n nines and k zeros over the n repeating digits: 0.1@6 has the repeating part 6/90.
  std::string s(digits.size(), '9');
  s.append(k, '0');
  s += 'b';
  s += digits;
  return StrToBun(s, sink);
}

std::string BunToSyoStr(const Bunsuu64& f, bool& terminates, MessageSink& sink) {
  const Bunsuu64 g = BunToTai(f, sink);
  if (!g.valid()) return kFailText;
  if (g.sign == 0 || (g.integer == 0 && g.numerator == 0)) {
    terminates = true;
    return "0";
  }
  std::string s = g.sign < 0 ? "m" : "";
  s += std::to_string(g.integer);
  if (g.numerator == 0) {
    terminates = true;
    return s;
  }
  std::string places = decimalPlaces(g.numerator, g.denominator);
  const std::string trimmed = removeTrailingRun(places, '0');
  // A non-zero value too small for 18 places keeps its zeros rather than a bare ".".
  s += '.';
  s += trimmed.empty() ? places : trimmed;
  terminates = SyoOwari(g.denominator / Int64Gcd(g.numerator, g.denominator));
  return s;
}

std::string NumberText::BunToSyoStr(const Bunsuu64& f) {
  bool terminates = SyoOwariFlag != 0;
  std::string s = ravlo::BunToSyoStr(f, terminates, sink_);
  SyoOwariFlag = terminates ? 1 : 0;
  return s;
}

std::string NumberText::AnnoCut(std::string_view text) {
  const std::size_t p = text.find('&');
  if (p == std::string_view::npos) {
    AnnoText.clear();
    return std::string(text);
  }
  AnnoText = std::string(text.substr(p + 1));
  return std::string(text.substr(0, p));
}

std::string NumberText::SikiCutAnsX(std::string_view text, bool keepEq) {
  if (text.find('x') != std::string_view::npos) return AnnoCut(text);
  return SikiCutAns(text, keepEq);
}

int NumberText::SuuSyurui(std::string_view text) {
  const Bunsuu64 v = StrToBun(text);
  if (!v.valid()) return -1;
  if (text.find('b') != std::string_view::npos) return -1;
  if (text.find('.') != std::string_view::npos) {
    return text.find('@') != std::string_view::npos ? 2 : 1;
  }
  return 0;
}

bool NumberText::YakuKanou(std::string_view text) {
  const Bunsuu64 v = StrToBun(text);
  if (v.denominator == 0 || v.numerator == 0) return false;
  return Int64Gcd(v.numerator, v.denominator) > 1;
}

}  // namespace ravlo
