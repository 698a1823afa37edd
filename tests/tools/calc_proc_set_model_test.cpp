// The process-settings dialog without its window.
#include <gtest/gtest.h>

#include <ostream>

#include "tests/app/calc_state_support.h"
#include "tools/model/calc_proc_set_model.h"

namespace ravlo::test {
namespace {

using testing_support::Session;
using C = CalcProcControl;
using E = ToolEffects;

TEST(CalcProcSetModel, TheProcessSettings) {
  Session s;
  CalcProcSetModel model(*s);
  EXPECT_EQ(model.change(C::AdvCheckBox, 1), E::Repaint);
  EXPECT_TRUE(s.settings.ADVICEDSP);
  EXPECT_EQ(model.change(C::RadioGroup2, 1), E::Repaint);
  EXPECT_TRUE(s.settings.PROCTEIDO);
  EXPECT_EQ(model.change(C::RadioGroup1, 1), ToolEffects{});
  EXPECT_TRUE(s.settings.PROCLASTANS);
  model.change(C::RadioGroup2, 0);
  model.change(C::AdvCheckBox, 0);
  EXPECT_FALSE(s.settings.PROCTEIDO);
  EXPECT_FALSE(s.settings.ADVICEDSP);
}

struct DivisorRow {
  int index;
  int waType;
  int perLine;
  friend void PrintTo(const DivisorRow& r, std::ostream* os) { *os << "item " << r.index; }
};

class DivisorChoices : public ::testing::TestWithParam<DivisorRow> {};

TEST_P(DivisorChoices, SetBothSettingsAndComeBack) {
  const DivisorRow& row = GetParam();
  Session s([](CalcSettings& cs) {
    cs.WA_TYPE = 1;
    cs.ICHIGYOU_SUU = 5;
  });
  {
    CalcProcSetModel model(*s);
    model.change(C::RadioGroup3, row.index);
  }
  EXPECT_EQ(s.settings.WA_TYPE, row.waType);
  EXPECT_EQ(s.settings.ICHIGYOU_SUU, row.perLine);
  // Opened again, the dialog selects the same item.
  CalcProcSetModel reopened(*s);
  EXPECT_EQ(reopened.value(C::RadioGroup3), row.index);
}

INSTANTIATE_TEST_SUITE_P(Items, DivisorChoices,
                         ::testing::Values(DivisorRow{0, 0, 10}, DivisorRow{1, 0, 5},
                                           DivisorRow{2, 1, 10}, DivisorRow{3, 1, 5}));

TEST(CalcProcSetModel, ReturnKeyAndQuotientWithRemainder) {
  Session s;
  CalcProcSetModel model(*s);
  model.change(C::RetKeyChkBox, 0);
  EXPECT_FALSE(s.settings.RETKEYFLAG);
  EXPECT_FALSE(model.wariPntEnabled());
  model.change(C::CheckBox3, 1);
  EXPECT_EQ(s.settings.WARI_TYPE, 1);
  EXPECT_TRUE(model.wariPntEnabled());
  model.change(C::UpDown1, 3);
  EXPECT_EQ(s.settings.WARI_PNT, 3);
  model.change(C::UpDown1, 9);
  EXPECT_EQ(s.settings.WARI_PNT, 6);
  model.change(C::UpDown1, -1);
  EXPECT_EQ(s.settings.WARI_PNT, 0);
}

TEST(CalcProcSetModel, OpeningLeavesMorePlacesThanOfferedAlone) {
  Session s;
  ASSERT_EQ(s.settings.WARI_PNT, 10);
  CalcProcSetModel model(*s);
  model.open();
  EXPECT_EQ(s.settings.WARI_PNT, 10);
  EXPECT_EQ(model.value(C::UpDown1), 10);
  model.change(C::UpDown1, 12);
  EXPECT_EQ(s.settings.WARI_PNT, 10);
  model.change(C::UpDown1, 5);
  EXPECT_EQ(s.settings.WARI_PNT, 5);
  model.open();
  EXPECT_EQ(model.placesMax(), 6);
}

TEST(CalcProcSetModel, AQuotientWithRemainderUsesThePlacesChosen) {
  Session s;
  CalcProcSetModel model(*s);
  model.open();
  model.change(C::CheckBox3, 1);
  model.change(C::UpDown1, 0);
  s.type("7/2=");
  EXPECT_EQ(s->InpSiki, "7/2=3R1");
  s->SikiClear();
  model.change(C::UpDown1, 2);
  s.type("7/2=");
  EXPECT_EQ(s->InpSiki, "7/2=3.5");
}

}  // namespace
}  // namespace ravlo::test
