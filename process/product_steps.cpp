#include "process/product_steps.h"

#include <string>

#include "core/bunsuu64.h"
#include "core/number_text.h"
#include "core/text_helpers.h"
#include "process/joujo_junbi.h"
#include "process/kiyaku.h"

namespace ravlo {

namespace {

struct SignedProduct {
  std::string S;     // "m" or ""
  std::string body;  // the product without any sign
  bool innerSigns = false;  // a factor after the first carried a sign of its own
};

// Takes every sign out of the flat product P: the leading one and any sign in front of a
// later factor (which typed input never has, but a text handed in may), and puts their
// parity in front. Leaving a later factor's sign in place would lose it: the factors are
// written as positive fractions.
SignedProduct foldSigns(std::string_view P) {
  SignedProduct out;
  int minus = 0;
  bool atFactorStart = true;
  bool first = true;
  for (char c : P) {
    if (atFactorStart && (c == 'm' || c == 'p')) {
      if (c == 'm') ++minus;
      if (!first) out.innerSigns = true;
      continue;
    }
    atFactorStart = c == '*' || c == '/';
    if (atFactorStart) first = false;
    out.body += c;
  }
  if (minus % 2 == 1) out.S = "m";
  return out;
}

void entry(ProcessContext& ctx, int advice, std::string_view expr, char tag = 'X') {
  appendEntry(ctx.ProcText, advice, tag, expr);
}

bool hasDenominatorOne(const std::string& kotae) {
  return kotae.rfind("1b", 0) == 0 || kotae.find("k1b") != std::string::npos;
}

}  // namespace

ProductOutcome buildProductProcess(ProcessContext& ctx, KakkoContext& kakko, MessageSink& sink,
                                   std::string_view E, int type) {
  if (type < 10 || type > 13) return ProductOutcome::Declined;
  ProductSlots& slots = ctx.products;

  // Preparation.
  const std::string opened = JoujoKakkoHazusi(kakko, E);
  if (kakko.KakkoKazu < 0) return ProductOutcome::Declined;
  const SignedProduct sp = foldSigns(opened);
  const std::string& S = sp.S;
  const std::string& P = sp.body;
  JoujoJunbi(ctx, sink, P, false);
  if (slots.factorUnreadable || ctx.factors.size() < 2) return ProductOutcome::Declined;
  if (slots.ZeroKake == 1) {
    ctx.ProcText = "~063X=" + std::string(E) + "~020X=0";
    return ProductOutcome::Built;
  }
  if (slots.ZeroKake == 2) {
    ctx.ProcText = "~094X=" + std::string(E) + "~020X=0";
    return ProductOutcome::Built;
  }
  if (slots.ZeroWari == 1) {
    sink.box(kZeroDivisionCaption, kZeroDivisionText, BoxButtons::Ok, BoxIcon::Warning);
    return ProductOutcome::Built;
  }
  if (kakko.KakkoKazu > 0 || sp.innerSigns) ctx.ProcText = "~093X=" + std::string(E);

  // The type procedure.
  std::string A = P;
  const std::string& ka = slots.KaBunsuuSiki.empty() ? P : slots.KaBunsuuSiki;
  switch (type) {
    case 11:
      entry(ctx, 66, S + P);
      entry(ctx, 64, S + ka);
      A = ka;
      break;
    case 12:
      entry(ctx, 67, S + P);
      entry(ctx, 66, S + ka);
      A = ka;
      break;
    case 13:
      entry(ctx, 68, S + P);
      entry(ctx, 66, S + ka);
      A = ka;
      break;
    default:
      break;
  }
  if (P.find('/') != std::string::npos) {
    entry(ctx, 61, S + A);
    entry(ctx, 69, S + slots.GyakusuuSiki);
    A = slots.GyakusuuSiki;
  } else {
    entry(ctx, 60, S + A);
  }

  if (KiyakuKakezan(ctx, sink) == kFailText) {
    ctx.ProcOK = false;
    return ProductOutcome::Failed;
  }
  int next = 65;
  if (slots.KiyakuBunboMax >= 1) {
    entry(ctx, 1, S + A);
    slots.ZSign = S == "m" ? 2 : 1;
    entry(ctx, 62, S + A, 'Z');
    next = 64;
  }
  entry(ctx, next, S + slots.KiyakuSiki);

  const std::string& kotae = slots.KiyakuKotae;
  const std::string mixed = BunToStr(BunToTai(StrToBun(kotae, sink), sink), false);
  if (hasDenominatorOne(kotae)) {
    entry(ctx, 53, S + kotae);
    entry(ctx, 20, S + mixed);
  } else if (ctx.options.PROCLASTANS == 1) {
    entry(ctx, 20, S + kotae);
  } else {
    entry(ctx, 9, S + kotae);
    entry(ctx, 20, S + mixed);
  }
  return ProductOutcome::Built;
}

}  // namespace ravlo
