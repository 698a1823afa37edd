// Factorization, divisor sums, repeating decimals and base n: results checked by
// multiplying back, dividing, and converting back.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/base_n.h"
#include "core/divisors.h"
#include "core/number_theory.h"
#include "core/prime_factor.h"
#include "core/repeating_decimal.h"
#include "fuzz/fuzz_support.h"

namespace ravlo::fuzz {
namespace {

std::uint64_t readWord(const std::uint8_t* data, std::size_t size, std::size_t at) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < 8 && at + i < size; ++i) v |= std::uint64_t{data[at + i]} << (8 * i);
  return v;
}

void factorization(std::uint64_t n, std::string_view input) {
  const auto factors = factorize64(n);
  if (n == 0) {
    require(!factors, "0 factorized", input);
    return;
  }
  require(factors.has_value(), "no factorization", input, std::to_string(n));
  Int128 product = 1;
  std::uint64_t previous = 0;
  for (const PrimePower& f : *factors) {
    require(f.prime > previous && isPrime64(f.prime) && f.exponent >= 1,
            "not ascending primes", input, std::to_string(n));
    previous = f.prime;
    for (int e = 0; e < f.exponent; ++e) product *= f.prime;
  }
  require(product == static_cast<Int128>(n), "factors do not multiply back", input,
          std::to_string(n));
}

// The divisors of any factor text (composite bases, repeats and 1 included): each once,
// ascending, each dividing the number, as many as the prime exponents say.
void divisors(std::string_view text) {
  const auto list = divisorsOfFactorText(text);
  if (!list) return;
  const std::int64_t number = list->back();
  for (std::size_t i = 0; i < list->size(); ++i) {
    require((*list)[i] > 0 && number % (*list)[i] == 0, "not a divisor", text,
            std::to_string((*list)[i]));
    if (i > 0) require((*list)[i - 1] < (*list)[i], "a divisor listed twice or out of order", text,
                       std::to_string((*list)[i]));
  }
  const auto factors = factorize64(static_cast<std::uint64_t>(number));
  std::size_t count = 1;
  for (const PrimePower& f : *factors) count *= static_cast<std::size_t>(f.exponent) + 1;
  require(count == list->size(), "divisors missing", text, std::to_string(list->size()));
  NullSink quiet;
  NumberTheory nt(quiet);
  for (int withSelf : {0, 1}) {
    const std::string line = nt.YakusuuWa(text, withSelf, 5);
    if (line == kFailText) continue;
    // 1 is listed once, also when it is the number itself.
    const std::size_t listed = withSelf != 0 || list->size() == 1 ? list->size() : list->size() - 1;
    Int128 sum = 0;
    for (std::size_t i = 0; i < listed; ++i) sum += (*list)[i];
    require(nt.YakusuuSum == sum, "wrong divisor sum", text, line);
  }
}

void repeating(std::int64_t a, std::int64_t b, std::string_view input) {
  const RepeatingDecimal r = repeatingDecimal(a, b);
  if (r.kind != RepeatingDecimal::Kind::Terminating && r.kind != RepeatingDecimal::Kind::Repeating)
    return;
  const std::size_t at = r.text.find('@');
  const std::size_t places = r.text.size() - 2 - (at == std::string::npos ? 0 : 1);
  require(places <= 18, "a decimal past 18 places", input, r.text);
  // Back to a fraction, exactly: the places P before "@" and the block B of n digits are
  // (P·(10^n − 1) + B) / (10^k · (10^n − 1)); at most 18 places keep this inside 128 bits.
  const std::string_view body = std::string_view(r.text).substr(2);
  const std::string_view before = body.substr(0, body.find('@'));
  const std::string_view block =
      at == std::string::npos ? std::string_view() : body.substr(body.find('@') + 1);
  auto number = [](std::string_view digits) {
    Int128 v = 0;
    for (char c : digits) v = v * 10 + (c - '0');
    return v;
  };
  auto tenTo = [](std::size_t e) {
    Int128 p = 1;
    while (e-- > 0) p *= 10;
    return p;
  };
  const Int128 nines = block.empty() ? 1 : tenTo(block.size()) - 1;
  const Int128 num = number(before) * nines + (block.empty() ? 0 : number(block));
  const Int128 den = tenTo(before.size()) * nines;
  Int128 x = num, y = den;
  while (y != 0) {
    const Int128 t = x % y;
    x = y;
    y = t;
  }
  require(x != 0 && Exact{num / x, den / x} == exactOf(BunMake(1, 0, b, a)),
          "the decimal is not a/b", input, r.text);
}

void baseN(std::uint64_t value, int n, int m, std::string_view input) {
  const std::string ten = std::to_string(value >> 1);
  const std::string digits = JuToNsin(ten, n);
  require(digits != kFailText, "no base-n digits", input, ten);
  require(NsinToJu(digits, n) == ten, "base n and back differ", input, digits);
  require(NsinToMsin(digits, n, m) == JuToNsin(ten, m), "base n to m differs", input, digits);
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo::fuzz;
  const std::string_view text = asText(data, size);
  const std::uint64_t n = readWord(data, size, 0);
  factorization(n, text);
  factorization(n & 0xFFFFFFFFFFull, text);
  divisors(text);
  const auto a = static_cast<std::int64_t>(readWord(data, size, 8) >> 1);
  const auto b = static_cast<std::int64_t>(n >> 1);
  repeating(a % (b == 0 ? 1 : b), b, text);
  repeating(static_cast<std::int64_t>((n >> 40) + 1), static_cast<std::int64_t>(n >> 20) + 2, text);
  baseN(n, 2 + static_cast<int>(size % 15), 2 + static_cast<int>((n >> 3) % 15), text);
  // Texts in base n from the input itself must not crash and must convert back.
  const int base = 2 + static_cast<int>(size % 15);
  const std::string ten = ravlo::NsinToJu(text, base);
  if (ten != ravlo::kFailText) {
    std::string plain(text);
    while (plain.size() > 1 && plain[0] == '0') plain.erase(0, 1);
    require(ravlo::JuToNsin(ten, base) == plain, "base-n text and back differ", text, ten);
  }
  return 0;
}
