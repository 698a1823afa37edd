#include "generate/grade_presets.h"

namespace ravlo {
namespace {

GenOverrides answer(GenAnswer a, int maxDen) {
  GenOverrides o;
  o.answer = a;
  o.maxDen = maxDen;
  return o;
}

GenOverrides borrow(GenTri b) {
  GenOverrides o;
  o.op = GenOp::Sub;
  o.borrow = b;
  return o;
}

}  // namespace

const std::vector<GradePreset>& GradePresets() {
  static const std::vector<GradePreset> presets = {
      {3, "小3",
       {{"add-same", answer(GenAnswer::Simple, 10)}, {"add-same", answer(GenAnswer::Whole, 10)}}},
      {4, "小4",
       {{"add-same", answer(GenAnswer::Mixed, 10)},
        {"mixed-same", {}},
        {"mixed-same", borrow(GenTri::No)},
        {"mixed-same", borrow(GenTri::Yes)}}},
      {5, "小5",
       {{"add-same", answer(GenAnswer::Reduce, 12)},
        {"add-multiple", {}},
        {"add-coprime", {}},
        {"add-common", {}},
        {"mixed-unlike", {}},
        {"mixed-unlike", borrow(GenTri::Yes)}}},
      {6, "小6",
       {{"muldiv-whole", {}},
        {"mul-frac", {}},
        {"div-frac", {}},
        {"muldiv-mixed", {}},
        {"dec-frac", {}},
        {"order3", {}},
        {"bracket", {}},
        {"quantity", {}},
        {"ratio", {}}}},
      {7, "中1", {{"bracket", {}}, {"order3", {}}, {"equation", {}}}},
  };
  return presets;
}

const GradePreset* FindGradePreset(int grade) {
  for (const GradePreset& g : GradePresets())
    if (g.grade == grade) return &g;
  return nullptr;
}

}  // namespace ravlo
