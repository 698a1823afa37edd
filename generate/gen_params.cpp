#include "generate/gen_params.h"

#include <array>
#include <utility>

namespace ravlo {
namespace {

template <typename E, std::size_t N>
std::optional<E> findName(const std::array<std::pair<std::string_view, E>, N>& table,
                          std::string_view text) {
  for (const auto& [name, value] : table)
    if (name == text) return value;
  return std::nullopt;
}

template <typename E, std::size_t N>
std::string_view nameOf(const std::array<std::pair<std::string_view, E>, N>& table, E value) {
  for (const auto& [name, v] : table)
    if (v == value) return name;
  return {};
}

constexpr std::array<std::pair<std::string_view, GenAnswer>, 5> kAnswers = {{
    {"any", GenAnswer::Any},
    {"simple", GenAnswer::Simple},
    {"reduce", GenAnswer::Reduce},
    {"whole", GenAnswer::Whole},
    {"mixed", GenAnswer::Mixed},
}};
constexpr std::array<std::pair<std::string_view, GenOp>, 3> kOps = {{
    {"add", GenOp::Add},
    {"sub", GenOp::Sub},
    {"both", GenOp::Both},
}};
constexpr std::array<std::pair<std::string_view, GenTri>, 3> kTris = {{
    {"any", GenTri::Any},
    {"yes", GenTri::Yes},
    {"no", GenTri::No},
}};

}  // namespace

unsigned GenOverrides::given() const {
  unsigned bits = 0;
  if (maxDen) bits |= kGenMaxDen;
  if (maxWhole) bits |= kGenMaxWhole;
  if (terms) bits |= kGenTerms;
  if (answer) bits |= kGenAnswer;
  if (op) bits |= kGenOp;
  if (borrow) bits |= kGenBorrow;
  if (cancel) bits |= kGenCancel;
  return bits;
}

GenParams GenOverrides::applyTo(GenParams p) const {
  if (maxDen) p.maxDen = *maxDen;
  if (maxWhole) p.maxWhole = *maxWhole;
  if (terms) p.terms = *terms;
  if (answer) p.answer = *answer;
  if (op) p.op = *op;
  if (borrow) p.borrow = *borrow;
  if (cancel) p.cancel = *cancel;
  return p;
}

std::optional<GenAnswer> ParseGenAnswer(std::string_view t) { return findName(kAnswers, t); }
std::optional<GenOp> ParseGenOp(std::string_view t) { return findName(kOps, t); }
std::optional<GenTri> ParseGenTri(std::string_view t) { return findName(kTris, t); }
std::string_view GenAnswerName(GenAnswer a) { return nameOf(kAnswers, a); }
std::string_view GenOpName(GenOp o) { return nameOf(kOps, o); }
std::string_view GenTriName(GenTri t) { return nameOf(kTris, t); }

}  // namespace ravlo
