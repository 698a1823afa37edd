#include "process/joujo_junbi.h"

#include "core/number_text.h"
#include "core/text_helpers.h"
#include "process/number_form.h"

namespace ravlo {

namespace {

bool isProductOperator(char c) { return c == '*' || c == '/'; }


bool isZeroValue(const Bunsuu64& f) { return f.integer == 0 && f.numerator == 0; }

// The factor written as a positive fraction.
std::string positiveText(Bunsuu64 f) {
  if (f.sign != 0) f.sign = 1;
  return BunToStr(f, false);
}

}  // namespace

ProductParts splitProduct(std::string_view P) {
  ProductParts parts;
  std::string current;
  for (char c : P) {
    if (isProductOperator(c)) {
      parts.factors.push_back(current);
      parts.operators.push_back(c);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.factors.push_back(current);
  parts.operators.push_back('\0');
  return parts;
}

std::string JoujoJunbi(ProcessContext& ctx, MessageSink& sink, std::string_view P,
                       bool withQuestion) {
  ProductSlots& slots = ctx.products;
  std::string_view body = P;
  if (!body.empty() && body.front() == 'm') body.remove_prefix(1);
  ProductParts parts = splitProduct(body);
  const std::size_t n = parts.factors.size();
  if (n < 2) return std::string(P);

  slots.ZeroKake = 0;
  slots.ZeroWari = 0;
  slots.factorUnreadable = false;
  ctx.factors.clear();

  bool anyConverted = false;  // a mixed number, decimal or integer among the factors
  bool anyDivision = false;
  for (std::size_t i = 0; i < n; ++i) {
    const std::string& f = parts.factors[i];
    if (!isNumberText(f, false)) {
      slots.factorUnreadable = true;
      return std::string(P);
    }
    const bool mixed = f.find('k') != std::string::npos;
    const bool decimal = f.find('.') != std::string::npos;
    const bool integer = f.find('b') == std::string::npos && !decimal;
    anyConverted = anyConverted || mixed || decimal || integer;
    if (parts.operators[i] == '/') anyDivision = true;
    const Bunsuu64 v = StrToBun(f, sink);
    if (!v.valid()) {
      slots.factorUnreadable = true;
      return std::string(P);
    }
    ctx.factors.push_back(v);
  }

  // A zero divisor anywhere makes the whole question a division by zero, even where an
  // earlier zero factor would otherwise give the answer 0 (0 / 0 is not 0).
  for (std::size_t i = 1; i < n; ++i) {
    if (parts.operators[i - 1] == '/' && isZeroValue(ctx.factors[i])) {
      slots.ZeroWari = 1;
      return std::string(P);
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (!isZeroValue(ctx.factors[i])) continue;
    if (i > 0) slots.ZeroKake = 1;
    else slots.ZeroKake = parts.operators[0] == '/' ? 2 : 1;
    return std::string(P);
  }

  // The cancellation works on whole numerators, so every factor goes to improper form;
  // a decimal such as 1.5 reads with an integer part just like a mixed number does.
  for (auto& v : ctx.factors) {
    v = BunToKa(v, sink);
    if (!v.valid()) {
      slots.factorUnreadable = true;
      return std::string(P);
    }
  }

  std::string result;
  if (anyConverted) {
    std::string ka;
    for (std::size_t i = 0; i < n; ++i) {
      ka += positiveText(ctx.factors[i]);
      if (parts.operators[i] != '\0') ka += parts.operators[i];
    }
    slots.KaBunsuuSiki = ka;
    result += '=';
    result += ka;
  }
  if (anyDivision) {
    std::string gyaku = positiveText(ctx.factors[0]);
    for (std::size_t j = 0; j + 1 < n; ++j) {
      if (parts.operators[j] == '/') {
        ctx.factors[j + 1] = BunInv(ctx.factors[j + 1], sink);
        parts.operators[j] = '*';
      }
      gyaku += parts.operators[j];
      gyaku += positiveText(ctx.factors[j + 1]);
    }
    slots.GyakusuuSiki = gyaku;
    result += '=';
    result += gyaku;
  }
  if (result.empty()) result.push_back('=');
  if (!withQuestion) return result;
  std::string withP(P);
  withP += result;
  return withP;
}

}  // namespace ravlo
