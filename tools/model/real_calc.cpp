#include "tools/model/real_calc.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/bunsuu64.h"
#include "tools/model/real80.h"
#include "tools/model/real_math.h"
#include "tools/model/real_text.h"

namespace ravlo {
namespace {

using F = RealFunc;

constexpr std::array kFuncs{F::Sqrt, F::Log10, F::Ln,   F::Inv,  F::Pow,  F::Sin, F::Cos,
                            F::Tan,  F::ASin,  F::ACos, F::ATan, F::Gcd, F::Lcm};

const std::array<RealFuncSpec, kFuncs.size()> kSpecs{{
    {"sqrt", "SqrtButton", "√&R", "平方根を返す", "√%s", "平方根", 'R', false, false},
    {"log10", "Log10Button", "Log10&D", "10を底とする対数を返す", "Log10(%s)", "常用対数", 'D', false, false},
    {"ln", "LogButton", "Log&E", "自然対数ｅを底とする対数を返す。", "Loge(%s)", "自然対数", 'E', false, false},
    {"inv", "InvButton", "1/&X", "Xの逆数を返す", "%s の逆数", "逆数", 'X', false, false},
    {"pow", "PowerButton", "A^&N", "AのN乗を、< A，N >と入力。(Ａ：正の実数 N:実数)", "%s の %s乗", "累乗",
     'N', true, false},
    {"sin", "SinButton", "&Sin", "ｘ [rad]の正弦値を返す", "Sin(%s[rad])", "正弦", 'S', false, false},
    {"cos", "CosButton", "C&os", "ｘ [rad]の余弦値を返す", "Cos(%s[rad])", "余弦", 'O', false, false},
    {"tan", "TanButton", "&Tan", "ｘ [rad]の正接値を返す", "Tan(%s[rad])", "正接", 'T', false, false},
    {"asin", "ASinButton", "ASin&U", "ArcSin (－１ ～ ＋１)", "Arcsin(%s)", "逆正弦", 'U', false, true},
    {"acos", "ACosButton", "ACos&K", "ArcCos (－１ ～ ＋１)", "Arccos(%s)", "逆余弦", 'K', false, true},
    {"atan", "ATanButton", "ATan&J", "ArcTanの値を[rad]で返す", "Arctan(%s)", "逆正接", 'J', false, true},
    {"gcd", "GcmButton", "&GCM", "<Ｘ，Ｙ>の最大公約数を返す", "%s と %sの最大公約数", "最大公約数", 'G', true,
     false},
    {"lcm", "LcmButton", "&LCM", "<Ｘ，Ｙ>の最小公倍数を返す", "%s と %sの最小公倍数", "最小公倍数", 'L', true,
     false},
}};

constexpr long double kInvalid = std::numeric_limits<long double>::infinity();
// Truncation to int64 is defined below this.
constexpr long double kInt64Limit = 9223372036854775808.0L;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits, a point, digits (at least one digit in all), then an optional exponent.
bool realSyntax(std::string_view s) {
  std::size_t i = 0;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i == start) return false;
  }
  return i == s.size();
}

}  // namespace

long double RealRead(std::string_view text) {
  std::string_view s = trimBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (!realSyntax(s)) return kInvalid;
  const std::optional<long double> v = readDecimal(s);
  if (!v) return kInvalid;
  return negative ? -*v : *v;
}

namespace {

std::string fillLabel(std::string_view format, std::string_view a, std::string_view b) {
  std::string out;
  int filled = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format.compare(i, 2, "%s") == 0) {
      out += filled++ == 0 ? a : b;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

RealCalcResult failed(MessageSink& sink, std::string_view text) {
  sink.box(kRealReportCaption, text, BoxButtons::Ok, BoxIcon::Information);
  return {RealCalcResult::Status::Failed, {}, {}};
}

// GCM and LCM take whole numbers of at least 1.
bool wholeArgument(long double v, int64_t& out) {
  const long double t = std::trunc(v);
  if (!(t >= 1 && t < kInt64Limit)) return false;
  out = static_cast<int64_t>(t);
  return true;
}

}  // namespace

std::span<const RealFunc> realFuncs() { return kFuncs; }

const RealFuncSpec& realFuncSpec(RealFunc f) { return kSpecs[static_cast<std::size_t>(f)]; }

std::optional<RealFunc> realFuncByCliName(std::string_view name) {
  for (RealFunc f : kFuncs)
    if (realFuncSpec(f).cliName == name) return f;
  return std::nullopt;
}

std::optional<RealFunc> realFuncByAltKey(char letter) {
  for (RealFunc f : kFuncs)
    if (realFuncSpec(f).altKey == letter) return f;
  return std::nullopt;
}

std::string replacePaiExp(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 3, "pai") == 0) {
      out += kPaiText;
      i += 3;
    } else if (text.compare(i, 3, "exp") == 0) {
      out += kExpText;
      i += 3;
    } else {
      out += text[i++];
    }
  }
  return out;
}

long double RealParse(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return RealRead(text);
  const long double a = RealRead(text.substr(0, slash));
  const long double b = RealRead(text.substr(slash + 1));
  if (!std::isfinite(a) || !std::isfinite(b) || b == 0) return kInvalid;
  const long double q = real80Quotient(a, b);
  return std::isfinite(q) ? q : kInvalid;
}

std::string realFieldText(long double x) {
  std::string s = realFixed(x, 18);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s.size() > kRealFieldMax ? realShortText(x) : s;
}

std::string realShortText(long double x) {
  std::string s = realShortest(x);
  return s == "-0" ? "0" : s;
}

RealCalcResult RealCalc(RealFunc f, std::string_view field, MessageSink& sink) {
  if (field.empty()) return {};
  const std::string text = replacePaiExp(field);
  const RealFuncSpec& spec = realFuncSpec(f);

  std::string argA, argB;
  long double a = 0, b = 0;
  if (spec.pair) {
    const std::size_t comma = text.find(',');
    // The hint says how the pair is written.
    if (comma == std::string::npos) return failed(sink, spec.hint);
    argA = std::string(trimBlanks(std::string_view(text).substr(0, comma)));
    argB = std::string(trimBlanks(std::string_view(text).substr(comma + 1)));
    a = RealParse(argA);
    b = RealParse(argB);
    if (!std::isfinite(a)) return failed(sink, kRealBadFirstText);
    if (!std::isfinite(b)) return failed(sink, kRealBadText);
  } else {
    argA = std::string(trimBlanks(text));
    a = RealParse(argA);
    if (!std::isfinite(a)) return failed(sink, kRealBadText);
  }

  long double r = 0;
  switch (f) {
    case F::Sqrt: r = real80Sqrt(a); break;
    case F::Log10: r = toReal80(realLog10(a)); break;
    case F::Ln: r = toReal80(realLog(a)); break;
    case F::Inv:
      if (a == 0) return failed(sink, kRealBadText);
      r = real80Quotient(1, a);
      break;
    case F::Pow: r = toReal80(realPow(a, b)); break;
    case F::Sin: r = toReal80(std::sin(a)); break;
    case F::Cos: r = toReal80(std::cos(a)); break;
    case F::Tan: r = toReal80(std::tan(a)); break;
    case F::ASin:
      if (a < -1 || a > 1) return failed(sink, kArcsinRangeText);
      r = toReal80(std::asin(a));
      break;
    case F::ACos:
      if (a < -1 || a > 1) return failed(sink, kArccosRangeText);
      r = toReal80(std::acos(a));
      break;
    case F::ATan: r = toReal80(std::atan(a)); break;
    case F::Gcd:
    case F::Lcm: {
      int64_t x = 0, y = 0;
      if (!wholeArgument(a, x) || !wholeArgument(b, y)) return failed(sink, kRealBadText);
      const int64_t g = f == F::Gcd ? Int64Gcd(x, y) : Int64Lcm(x, y, sink);
      // Int64Lcm has shown why it failed.
      if (g < 1) return {RealCalcResult::Status::Failed, {}, {}};
      r = static_cast<long double>(g);
      break;
    }
  }
  // A domain or range error of the function (a root or logarithm of a negative number, a
  // power that overflows) leaves no finite result.
  if (!std::isfinite(r)) return failed(sink, kRealBadText);

  RealCalcResult done{RealCalcResult::Status::Done, realFieldText(r), {}};
  done.report = fillLabel(spec.label, argA, argB) + std::string(kRealEqual) + realShortText(r) +
                std::string(spec.radians ? kRadianMark : "") + std::string(kRealDoneSuffix);
  return done;
}

}  // namespace ravlo
