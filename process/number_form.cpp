#include "process/number_form.h"

#include "core/number_text.h"
#include "core/text_helpers.h"

namespace ravlo {

namespace {

// Consumes a run of 1..19 digits at pos; false when there is none or it is too long.
bool digitRun(std::string_view t, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9') ++pos;
  const std::size_t len = pos - start;
  return len >= 1 && len <= 19;
}

bool at(std::string_view t, std::size_t pos, char c) { return pos < t.size() && t[pos] == c; }

}  // namespace

bool isNumberText(std::string_view t, bool allowSign) {
  std::size_t pos = 0;
  if (allowSign && (at(t, 0, 'm') || at(t, 0, 'p'))) pos = 1;
  if (!digitRun(t, pos)) return false;
  if (pos == t.size()) return true;
  if (at(t, pos, 'k')) {
    ++pos;
    if (!digitRun(t, pos) || !at(t, pos, 'b')) return false;
    ++pos;
    return digitRun(t, pos) && pos == t.size();
  }
  if (at(t, pos, 'b')) {
    ++pos;
    return digitRun(t, pos) && pos == t.size();
  }
  if (at(t, pos, '.')) {
    ++pos;
    if (pos < t.size() && t[pos] != '@' && !digitRun(t, pos)) return false;
    if (pos == t.size()) return pos > 0 && t[pos - 1] != '.';
    if (!at(t, pos, '@')) return false;
    ++pos;
    return digitRun(t, pos) && pos == t.size();
  }
  return false;
}

Bunsuu64 readNumberText(std::string_view text, MessageSink& sink) {
  const std::string t = KakkoHagasi(text, 1);
  if (!isNumberText(t)) return kBunInvalid;
  return StrToBun(t, sink);
}

bool isReducible(const Bunsuu64& f) {
  return f.valid() && f.numerator != 0 && Int64Gcd(f.numerator, f.denominator) > 1;
}

std::string negated(std::string_view t) {
  if (t.find_first_of("+-[") == std::string_view::npos) return "m" + std::string(t);
  return "m(" + std::string(t) + ")";
}

}  // namespace ravlo
