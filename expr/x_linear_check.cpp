#include "expr/x_linear_check.h"

#include <cstddef>

#include "expr/text_edit.h"

namespace ravlo {

namespace {

using text_edit::isDigit;

// Degree 0 or 1 of each piece; a fault stops the whole walk.
class LinearWalk {
 public:
  explicit LinearWalk(std::string_view s) : s_(s) {}

  XLinearFault run() {
    const int d = sum();
    if (fault_ == XLinearFault::None && (d < 0 || i_ != s_.size()))
      fault_ = XLinearFault::Unsupported;
    return fault_;
  }

 private:
  static constexpr int kFailed = -1;
  // Brackets nested deeper than this are not an expression anyone types; refusing them keeps
  // the walk's recursion bounded on hostile input.
  static constexpr int kMaxDepth = 200;

  char peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }

  int fail(XLinearFault f) {
    if (fault_ == XLinearFault::None) fault_ = f;
    return kFailed;
  }

  int sum() {
    if (peek() == '+' || peek() == '-') ++i_;  // a leading sign of the side
    int d = product();
    while (d >= 0 && (peek() == '+' || peek() == '-')) {
      ++i_;
      const int e = product();
      if (e < 0) return kFailed;
      d = d > e ? d : e;
    }
    return d;
  }

  int product() {
    int d = signedFactor();
    while (d >= 0 && (peek() == '*' || peek() == '/')) {
      const char op = s_[i_++];
      const int e = signedFactor();
      if (e < 0) return kFailed;
      if (op == '/') {
        if (e > 0) return fail(XLinearFault::XInDenominator);
      } else {
        d += e;
        if (d > 1) return fail(XLinearFault::NotLinear);
      }
    }
    return d;
  }

  int signedFactor() {
    if (peek() == 'm' || peek() == 'p') ++i_;
    int d = primary();
    if (d < 0) return kFailed;
    while (peek() == '!') {
      if (d > 0) return fail(XLinearFault::Unsupported);
      ++i_;
    }
    while (peek() == '^') {
      ++i_;
      if (d > 0) return fail(XLinearFault::XPowered);
      if (peek() == 'm' || peek() == 'p') ++i_;
      if (peek() == 'x') return fail(XLinearFault::Unsupported);
      if (!digits()) return fail(XLinearFault::Unsupported);
    }
    return d;
  }

  int primary() {
    const char c = peek();
    if (c == 'x') {
      ++i_;
      return 1;
    }
    if (c == '(') {
      if (++depth_ > kMaxDepth) return fail(XLinearFault::Unsupported);
      ++i_;
      const int d = sum();
      if (d < 0) return kFailed;
      if (peek() != ')') return fail(XLinearFault::Unsupported);
      ++i_;
      --depth_;
      return d;
    }
    if (!number()) return fail(XLinearFault::Unsupported);
    if (peek() == 'P' || peek() == 'C') {
      ++i_;
      if (!digits()) return fail(XLinearFault::Unsupported);
    }
    return 0;
  }

  static bool allZeros(std::string_view run) {
    return run.find_first_not_of('0') == std::string_view::npos;
  }

  bool digits() {
    const std::size_t start = i_;
    while (isDigit(peek())) ++i_;
    return i_ > start;
  }

  // I, DbN, IkDbN, I.F, I.F@R, I.@R; a fraction with the denominator 0 is no number.
  bool number() {
    std::size_t start = i_;
    if (!digits()) return false;
    if (peek() == 'k') {
      ++i_;
      start = i_;
      if (!digits() || peek() != 'b') return false;
    }
    if (peek() == 'b') {
      if (allZeros(s_.substr(start, i_ - start))) return false;
      ++i_;
      return digits();
    }
    if (peek() == '.') {
      ++i_;
      const bool fraction = digits();
      if (peek() == '@') {
        ++i_;
        return digits();
      }
      return fraction;
    }
    return true;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  int depth_ = 0;
  XLinearFault fault_ = XLinearFault::None;
};

}  // namespace

XLinearFault checkXLinear(std::string_view side) { return LinearWalk(side).run(); }

}  // namespace ravlo
