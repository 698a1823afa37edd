#include "process/kiyaku.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/bunsuu64.h"
#include "core/text_helpers.h"

namespace ravlo {

namespace {

// Largest number of recorded values of one stack, minus the original.
int deepest(const std::vector<std::vector<int64_t>>& stacks) {
  std::size_t most = 0;
  for (const auto& s : stacks) most = std::max(most, s.size());
  return most == 0 ? 0 : static_cast<int>(most) - 1;
}

// The product of the values, or false after the product message.
bool checkedProduct(const std::vector<int64_t>& values, MessageSink& sink, int64_t& out) {
  int64_t p = 1;
  for (int64_t v : values) {
    if (!Int64MulCheck(p, v, sink)) return false;
    p *= v;
  }
  out = p;
  return true;
}

std::string joined(const std::vector<int64_t>& values) {
  std::string s;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) s += '*';
    s += std::to_string(values[i]);
  }
  return s;
}

}  // namespace

std::string KiyakuKakezan(ProcessContext& ctx, MessageSink& sink) {
  ProductSlots& slots = ctx.products;
  const std::size_t n = ctx.factors.size();
  std::vector<int64_t> num(n);
  std::vector<int64_t> den(n);
  slots.bunsiStacks.assign(n, {});
  slots.bunboStacks.assign(n, {});
  slots.KiyakuSiki.clear();
  slots.KiyakuKotae.clear();
  slots.KiyakuBunboMax = 0;
  slots.KiyakuBunsiMax = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Bunsuu64& f = ctx.factors[i];
    // Every factor is in improper form here; anything else cannot be cancelled soundly.
    if (!f.valid() || f.integer != 0) return kFailText;
    num[i] = f.numerator;
    den[i] = f.denominator;
    slots.bunsiStacks[i].push_back(num[i]);
    slots.bunboStacks[i].push_back(den[i]);
  }

  for (std::size_t j = 0; j < n; ++j) {
    for (std::size_t k = 0; k < n; ++k) {
      const int64_t g = Int64Gcd(num[j], den[k]);
      if (g <= 1) continue;
      num[j] /= g;
      den[k] /= g;
      slots.bunsiStacks[j].push_back(num[j]);
      slots.bunboStacks[k].push_back(den[k]);
    }
  }
  slots.KiyakuBunboMax = deepest(slots.bunboStacks);
  slots.KiyakuBunsiMax = deepest(slots.bunsiStacks);
  slots.KiyakuSiki = "[" + joined(den) + "B" + joined(num) + "]";

  int64_t d = 0;
  int64_t nu = 0;
  if (!checkedProduct(den, sink, d) || !checkedProduct(num, sink, nu)) return kFailText;
  slots.KiyakuKotae = BunToStr(BunMake(1, 0, d, nu), false);
  return "=" + slots.KiyakuSiki + "=" + slots.KiyakuKotae;
}

}  // namespace ravlo
