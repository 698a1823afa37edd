#include "core/bunsuu_h.h"

#include <utility>

#include "core/text_helpers.h"

namespace ravlo {

int bunHSignValue(std::string_view signText) {
  if (signText.empty()) return 254;
  switch (signText.front()) {
    case '0':
      return 0;
    case '+':
    case 'p':
    case 'P':
    case '1':
      return 1;
    case '-':
    case 'm':
    case 'M':
      return -1;
    default:
      return 254;
  }
}

int BunsuuH::signValue() const { return bunHSignValue(sign); }

std::string BunsuuH::text() const {
  if (sign == "0") return "0";
  std::string s = "[";
  if (sign == "m") {
    s += integer != "0" ? "m" + integer + "K" : "mK";
  } else if (integer != "0") {
    s += integer + "K";
  }
  s += denominator + "B" + numerator + "]";
  return s;
}

BunsuuH BunsuuHContext::parse(std::string_view text) {
  BunsuuHErr = 0;
  if (!(text.starts_with('[') || text.ends_with(']'))) {
    BunsuuHErr = 1;
    return kBunHInvalid;
  }
  std::string_view rest = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string_view();
  std::string sign = "+1";
  std::string integer = "0";
  const bool mixed = rest.find('K') != std::string_view::npos;
  if (mixed) {
    if (rest.starts_with('m') || rest.starts_with('-')) {
      sign = "-1";
      rest.remove_prefix(1);
    } else if (rest.starts_with('p') || rest.starts_with('+')) {
      rest.remove_prefix(1);
    }
    const std::size_t k2 = rest.find('K');
    integer = std::string(rest.substr(0, k2));
    if (integer.empty()) integer = "0";
    const auto v = parseInt64(integer);
    if (!v || *v < 0) {
      BunsuuHErr = 3;
      return kBunHInvalid;
    }
    rest.remove_prefix(k2 + 1);
  }
  std::string denominator;
  std::string numerator;
  if (const std::size_t b = rest.find('B'); b != std::string_view::npos) {
    denominator = std::string(rest.substr(0, b));
    numerator = std::string(rest.substr(b + 1));
  } else if (mixed) {
    // "[2K3]" (as "[2K3C1]" becomes): a whole part with no fraction after it. Read as the
    // integer 3 it would lose the 2.
    BunsuuHErr = 4;
    return kBunHInvalid;
  } else {
    integer = std::string(rest);
    denominator = "1";
    numerator = "0";
    if (rest == "0") sign = "0";
  }
  return assign(std::move(sign), std::move(integer), std::move(denominator),
                std::move(numerator));
}

BunsuuH BunsuuHContext::build(const std::vector<std::string>& fields) {
  BunsuuHErr = 0;
  if (fields.size() < 4) {
    BunsuuHErr = 4;
    return kBunHInvalid;
  }
  return assign(fields[0], fields[1], fields[2], fields[3]);
}

BunsuuH BunsuuHContext::buildFromSign(int sign, std::string integer, std::string denominator,
                                      std::string numerator) {
  std::string s = sign > 0 ? "+1" : (sign < 0 ? "-1" : "0");
  return assign(std::move(s), std::move(integer), std::move(denominator), std::move(numerator));
}

BunsuuH BunsuuHContext::assign(std::string sign, std::string integer, std::string denominator,
                               std::string numerator) {
  BunsuuHErr = 0;
  if (sign.empty() || integer.empty() || denominator.empty() || numerator.empty()) {
    BunsuuHErr = 8;
    return kBunHInvalid;
  }
  return BunsuuH{std::move(sign), std::move(integer), std::move(denominator),
                 std::move(numerator)};
}

}  // namespace ravlo
