#include "generate/sheet_generator.h"

#include <charconv>
#include <set>

#include "generate/gen_pattern.h"
#include "generate/gen_text.h"
#include "generate/grade_presets.h"

namespace ravlo {
namespace {

// Draws per problem before a sheet is given up: far above what any valid range needs.
constexpr int kMaxDraws = 4000;
// Title bytes in the code page; a .siki line holds 128.
constexpr std::size_t kTitleNameBytes = 90;

struct PlanItem {
  const GenPattern* pattern = nullptr;
  GenParams params;
};

struct Plan {
  std::vector<PlanItem> items;
  std::string name;
  std::string error;
};

// Bytes in code page 932: ASCII one, everything the titles use two.
std::size_t cp932Bytes(std::string_view utf8) {
  std::size_t n = 0;
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) n += 1;
    else if (u >= 0xC0) n += 2;
  }
  return n;
}

std::string paramName(unsigned bit) {
  switch (bit) {
    case kGenMaxDen: return "--max-den";
    case kGenMaxWhole: return "--max-whole";
    case kGenTerms: return "--terms";
    case kGenAnswer: return "--answer";
    case kGenOp: return "--op";
    case kGenBorrow: return "--borrow";
    default: return "--cancel";
  }
}

std::string checkBounds(const GenParams& p) {
  for (std::string r : {GenRangeRefusal("最大の分母", p.maxDen, 2, kGenMaxDenLimit),
                        GenRangeRefusal("整数の最大", p.maxWhole, 1, kGenMaxWholeLimit),
                        GenRangeRefusal("項の数", p.terms, 2, kGenTermsLimit)}) {
    if (!r.empty()) return r;
  }
  return {};
}

Plan makePlan(const GenRequest& rq) {
  Plan plan;
  auto add = [&](const GenPattern& pattern, const GenOverrides& preset) {
    GenParams p = rq.overrides.applyTo(preset.applyTo(pattern.defaults));
    std::string why = checkBounds(p);
    if (why.empty()) why = pattern.refuse(p);
    if (!why.empty() && plan.error.empty())
      plan.error = "「" + std::string(pattern.name) + "」: " + why;
    plan.items.push_back({&pattern, p});
  };
  if (rq.grade != 0) {
    const GradePreset* g = FindGradePreset(rq.grade);
    if (!g) return {{}, {}, "学年は 3～6（小3～小6）か 7（中1）です。"};
    for (const GradeItem& item : g->items) add(*FindGenPattern(item.pattern), item.settings);
    plan.name = std::string(g->name) + "のまとめ";
  } else {
    if (rq.patterns.empty()) return {{}, {}, "型か学年をえらんでください。"};
    std::string names;
    for (const std::string& id : rq.patterns) {
      const GenPattern* pattern = FindGenPattern(id);
      if (!pattern) return {{}, {}, "「" + id + "」という型はありません（--list で一覧）。"};
      add(*pattern, {});
      names += (names.empty() ? "" : "・") + std::string(pattern->name);
    }
    plan.name = cp932Bytes(names) <= kTitleNameBytes
                    ? names
                    : std::string(plan.items.front().pattern->name) + "ほか";
  }
  unsigned taken = 0;
  for (const PlanItem& item : plan.items) taken |= item.pattern->takes;
  if (rq.grade == 0) {
    const unsigned unused = rq.overrides.given() & ~taken;
    for (unsigned bit = 1; bit <= kGenCancel && plan.error.empty(); bit <<= 1)
      if (unused & bit) plan.error = "えらんだ型は " + paramName(bit) + " を使いません。";
  }
  return plan;
}

uint64_t sheetSeed(uint64_t seed, int variant) {
  uint64_t s = seed;
  s = SplitMix64(s) ^ (static_cast<uint64_t>(variant) * 0xD1B54A32D192ED03ULL);
  return SplitMix64(s);
}

std::string makeSheet(const Plan& plan, int count, uint64_t seed, int variant,
                      ProblemJudge& judge, GenSheet& sheet) {
  GenRng rng(sheetSeed(seed, variant));
  std::set<std::string> seen;
  for (int i = 0; i < count; ++i) {
    const PlanItem& item = plan.items[static_cast<std::size_t>(i) % plan.items.size()];
    std::string problem;
    for (int draw = 0; draw < kMaxDraws && problem.empty(); ++draw) {
      std::string text = item.pattern->draw(rng, item.params, judge);
      if (text.empty() || seen.count(text) > 0 || !judge.accepts(text)) continue;
      problem = std::move(text);
    }
    if (problem.empty())
      return "「" + std::string(item.pattern->name) + "」の問題を、重ならずに " +
             std::to_string(count) + " 問つくれません。範囲を広げるか、問題数を減らしてください。";
    seen.insert(problem);
    sheet.problems.push_back(std::move(problem));
  }
  return {};
}

}  // namespace

std::string GenSheetCode(uint64_t seed, int variant) {
  std::string v = std::to_string(variant);
  if (v.size() < 2) v.insert(0, "0");
  return std::to_string(seed) + "-" + v;
}

std::optional<std::pair<uint64_t, int>> ParseGenSheetCode(std::string_view code) {
  const std::size_t dash = code.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == code.size()) return std::nullopt;
  uint64_t seed = 0;
  int variant = 0;
  const char* end = code.data() + dash;
  if (std::from_chars(code.data(), end, seed).ptr != end) return std::nullopt;
  const char* vEnd = code.data() + code.size();
  if (std::from_chars(end + 1, vEnd, variant).ptr != vEnd) return std::nullopt;
  if (variant < 1 || variant > kGenVariantLimit) return std::nullopt;
  return std::make_pair(seed, variant);
}

GenResult GenerateSheets(const GenRequest& rq) {
  GenResult result;
  if (std::string r = GenRangeRefusal("問題数", rq.count, 1, kGenCountLimit); !r.empty())
    return {{}, r};
  if (rq.firstVariant < 1 || rq.variants < 1 ||
      rq.firstVariant + rq.variants - 1 > kGenVariantLimit)
    return {{}, "枚数は 1～" + std::to_string(kGenVariantLimit) + " にしてください。"};
  const Plan plan = makePlan(rq);
  if (!plan.error.empty()) return {{}, plan.error};

  ProblemJudge judge;
  for (int v = rq.firstVariant; v < rq.firstVariant + rq.variants; ++v) {
    GenSheet sheet;
    sheet.code = GenSheetCode(rq.seed, v);
    sheet.title = plan.name + "　" + sheet.code;
    if (std::string why = makeSheet(plan, rq.count, rq.seed, v, judge, sheet); !why.empty())
      return {{}, why};
    result.sheets.push_back(std::move(sheet));
  }
  return result;
}

}  // namespace ravlo
