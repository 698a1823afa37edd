#include "process/conversion_command.h"

#include "core/number_text.h"
#include "core/text_helpers.h"
#include "expr/decimal_cut.h"
#include "process/conversion_process.h"
#include "process/number_form.h"
#include "process/proc_text_seiri.h"
#include "process/process_engine.h"

namespace ravlo {

namespace {

// The line part (before "&") and the annotation after it.
struct LineParts {
  std::string line;
  std::string anno;
  bool hasAnno = false;
};

LineParts cutAnno(std::string_view text) {
  LineParts p;
  const std::size_t amp = text.find('&');
  p.line = std::string(text.substr(0, amp));
  if (amp != std::string_view::npos) {
    p.hasAnno = true;
    p.anno = std::string(text.substr(amp + 1));
  }
  return p;
}

std::string appended(const LineParts& p, std::string_view value) {
  std::string out = p.line + "=" + std::string(value);
  if (p.hasAnno) out += "&" + p.anno;
  return out;
}

}  // namespace

std::optional<ConversionKind> conversionKindFromName(std::string_view name) {
  if (name == "yaku") return ConversionKind::Yaku;
  if (name == "syou") return ConversionKind::Syou;
  if (name == "junkan") return ConversionKind::Junkan;
  if (name == "tai") return ConversionKind::Tai;
  if (name == "ka") return ConversionKind::Ka;
  if (name == "junkan-of") return ConversionKind::JunkanOf;
  if (name == "decimal") return ConversionKind::Decimal;
  return std::nullopt;
}

ConversionResult ConversionCommands::run(ConversionKind kind, std::string_view line) {
  if (line.empty()) return {};
  switch (kind) {
    case ConversionKind::Decimal:
      return decimal(line);
    case ConversionKind::Tai:
      return toMixed(line);
    case ConversionKind::Ka:
      return toImproper(line);
    case ConversionKind::Yaku:
      return reduce(line);
    case ConversionKind::Syou:
      return decimalToFraction(line, false);
    case ConversionKind::Junkan:
      return decimalToFraction(line, true);
    case ConversionKind::JunkanOf:
      return toRepeating(line);
  }
  return {};
}

ConversionResult ConversionCommands::showProcess(std::string raw, int type, bool append) {
  ProcessContext& ctx = ctx_;
  ctx.ProcText = ProcTextSeiri(append ? ctx.ProcText + raw : raw);
  ctx.ProcType = type;
  ConversionResult r;
  r.done = true;
  r.processBuilt = true;
  return r;
}

ConversionResult ConversionCommands::decimal(std::string_view text) {
  MessageSink& sink = sink_;
  const LineParts p = cutAnno(text);
  const Bunsuu64 v = readNumberText(LastAns(p.line), sink);
  if (!v.valid()) return {};
  bool terminates = true;
  std::string dec = BunToSyoStr(v, terminates, sink);
  if (dec == kFailText) return {};
  ConversionResult r;
  r.note = terminates ? kDividesNote : kNotDividesNote;
  // A decimal that ends only past the places shown is cut like one that never ends; shown
  // as it stands it would pass for the exact value.
  const Bunsuu64 reduced = BunYaku(v);
  if (!terminates ||
      (reduced.numerator != 0 && terminatingPlaces(reduced.denominator) > int(kShownPlaces)))
    dec = cutDecimal(dec);
  r.done = true;
  r.line = appended(p, dec);
  return r;
}

ConversionResult ConversionCommands::toMixed(std::string_view text) {
  MessageSink& sink = sink_;
  const LineParts p = cutAnno(text);
  const std::string last = LastAns(p.line);
  if (last.find('u') != std::string::npos) {
    sink.box(kGohoukokuCaption, kAfterCutDecimalTaiText);
    return {};
  }
  const Bunsuu64 v = readNumberText(last, sink);
  if (!v.valid()) return {};
  const Bunsuu64 ka = BunToKa(v, sink);
  if (!ka.valid()) return {};
  if (ka.numerator < ka.denominator) {
    sink.box(kGohoukokuCaption, kProperFractionText);
    return {};
  }
  if (ctx_.options.PROCDSP == 1) {
    std::string raw =
        KaToTaiProc(ka, p.line, ctx_.options.HENKAN_YAKUBUN, sink);
    if (raw == kFailText) return {};
    return showProcess(std::move(raw), 17, false);
  }
  const Bunsuu64 mixed = BunToTai(BunYaku(v), sink);
  if (!mixed.valid()) return {};
  ConversionResult r;
  r.done = true;
  r.line = appended(p, BunToStr(mixed, false));
  return r;
}

ConversionResult ConversionCommands::toImproper(std::string_view text) {
  MessageSink& sink = sink_;
  const LineParts p = cutAnno(text);
  const std::string last = LastAns(p.line);
  if (last.find('u') != std::string::npos) {
    sink.box(kAfterCutDecimalKaCaption, kAfterCutDecimalKaText);
    return {};
  }
  const Bunsuu64 v = readNumberText(last, sink);
  if (!v.valid()) return {};
  if (ctx_.options.PROCDSP == 1) {
    std::string raw = TaiToKaProc(v, p.line, ctx_.options.HENKAN_YAKUBUN, sink);
    if (raw == kFailText) return {};
    return showProcess(std::move(raw), 18, true);
  }
  const Bunsuu64 improper = BunToKa(BunYaku(v), sink);
  if (!improper.valid()) return {};
  ConversionResult r;
  r.done = true;
  r.line = appended(p, BunToStr(improper, false));
  return r;
}

ConversionResult ConversionCommands::reduce(std::string_view text) {
  ConversionSteps s = YakuProcDsp(text, sink_);
  if (!s.ok) return {};
  if (ctx_.options.PROCDSP == 1) return showProcess(std::move(s.raw), s.type, false);
  ctx_.ProcType = 0;
  sink_.status(kYakuStatus);
  ConversionResult r;
  r.done = true;
  r.line = std::string(text) + "=" + s.value;
  return r;
}

ConversionResult ConversionCommands::decimalToFraction(std::string_view text, bool repeating) {
  // A fresh engine on the same context: nothing of an earlier process's failure carries over.
  ProcessEngine engine(ctx_, sink_);
  ConversionSteps s = repeating ? JunSToBunDsp(engine, text) : SyouSToBunDsp(engine, text);
  if (!s.ok) return {};
  if (ctx_.options.PROCDSP == 1) return showProcess(std::move(s.raw), s.type, false);
  sink_.status(s.type == 15 ? kJunkanStatus : kSyouStatus);
  ConversionResult r;
  r.done = true;
  r.line = std::string(text) + "=" + s.value;
  return r;
}

ConversionResult ConversionCommands::toRepeating(std::string_view text) {
  MessageSink& sink = sink_;
  const Bunsuu64 v = readNumberText(SikiCutAns(LastAns(text), false), sink);
  if (!v.valid()) {
    sink.box(kReportCaptionEn, kFirstToFractionFailedText);
    return {};
  }
  const Bunsuu64 tai = BunToTai(BunYaku(v), sink);
  if (!tai.valid()) return {};
  if (tai.numerator == 0) {
    sink.box(kReportCaptionEn, kIntegerNotRepeatingText);
    return {};
  }
  std::string rep = numberTheory_.BunToJunS(tai.numerator, tai.denominator);
  if (rep == kFailText || rep.empty()) return {};
  // The whole part takes the place of the leading 0.
  if (tai.integer != 0) rep = std::to_string(tai.integer) + rep.substr(1);
  // A sign in a number text is "m"; "-" would be read as a subtraction.
  if (tai.sign < 0) rep = "m" + rep;
  sink.status(kJunkanOfStatus);
  ConversionResult r;
  r.done = true;
  r.line = std::string(text) + "=" + rep;
  return r;
}

}  // namespace ravlo
