// Screen geometry from the font metrics, the line-head marker, the cursor blocks, and the
// start-up of the state; plus long random typing sessions that must never break the line.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "calc_state_support.h"
#include "expr/inp_check.h"

namespace ravlo {
namespace {

using testing_support::Session;

TEST(ScreenGeometry, ComputedAtStartUp) {
  const struct {
    bool procdsp;
    bool inputStr;
    int panel;
    int w10, h10, ppi;
    int charW, charH, procTop, topY, a4h, a4w;
  } rows[] = {
      {false, false, 24, 100, 19, 96, 10, 19, 0, 28, 1123, 797},
      {true, false, 24, 100, 19, 96, 10, 19, 29, 57, 1123, 797},
      {false, true, 24, 100, 19, 96, 10, 19, 0, 52, 1123, 797},
      {true, true, 24, 95, 20, 120, 9, 20, 30, 84, 1404, 996},
      {false, false, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {false, false, 0, -50, -7, -96, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& r : rows) {
    CalcSettings settings;
    settings.PROCDSP = r.procdsp;
    settings.INPUTSTR_DSP = r.inputStr;
    RecordingSink sink;
    CalcState st(settings, sink);
    st.InputPanelHeight = r.panel;
    st.MainFormCreate(FontMetrics{r.w10, r.h10}, r.ppi);
    EXPECT_EQ(st.CharW, r.charW) << r.w10;
    EXPECT_EQ(st.CharH, r.charH) << r.h10;
    EXPECT_EQ(st.ProcTop, r.procTop) << r.h10;
    EXPECT_EQ(st.LeftX, 2 * r.charH);
    EXPECT_EQ(st.TopY, r.topY) << r.h10;
    EXPECT_EQ(st.A4Height, r.a4h) << r.ppi;
    EXPECT_EQ(st.A4Width, r.a4w) << r.ppi;
    EXPECT_EQ(st.renderer.CursorX, 2 * r.charH);
    EXPECT_EQ(st.renderer.CursorY, st.TopY);
  }
}

TEST(ScreenGeometry, HugeMetricsStayWithinRange) {
  Session s;
  s->setFontMetrics(FontMetrics{INT_MAX, INT_MAX});
  s->setPixelsPerInch(INT_MAX);
  s.settings.PAGEA4BAI = 400;
  s->layoutScreen();
  EXPECT_GT(s->CharH, 0);
  EXPECT_GE(s->scrollRange(), 0);
  s->ClientHeight = INT_MAX;
  s->scrollTo(INT_MAX);
  s->scrollBy(INT_MAX);
  EXPECT_EQ(s->ScrollPos, s->scrollRange());
  s->scrollBy(INT_MIN);
  EXPECT_EQ(s->ScrollPos, 0);
}

TEST(ScreenGeometry, PaintLayoutFollowsScrollAndPanel) {
  Session s([](CalcSettings& c) {
    c.INPUTSTR_DSP = true;
    c.EQUAL_KAIGYO = true;
    c.GYOKEISUU = 7;
  });
  s->InputPanelHeight = 24;
  s->ScrollPos = 10;
  s->GyoKeisuu = 3;
  s->renderer.lineCount = 2;
  s->layoutScreen();
  EXPECT_EQ(s->LeftX, 38);
  EXPECT_EQ(s->TopY, 28 - 10 + 24);
  EXPECT_EQ(s->GyoKeisuu, 7);
  EXPECT_EQ(s->renderer.GyoKeisuu, 7);
  EXPECT_TRUE(s->renderer.EQUAL_KAIGYO);
  EXPECT_EQ(s->renderer.ScreenCharH, 19);
  EXPECT_EQ(s->renderer.lineCount, 0);
  EXPECT_EQ(s->scrollRange(), 1123);
  s.settings.PAGEA4BAI = 200;
  EXPECT_EQ(s->scrollRange(), 2246);
}

TEST(ScreenGeometry, FontChangeMeasuresAgain) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s->setFontMetrics(FontMetrics{160, 32});
  EXPECT_EQ(s->CharW, 16);
  EXPECT_EQ(s->CharH, 32);
  EXPECT_EQ(s->ProcTop, 48);
}

TEST(LineMark, MarkerByMode) {
  Session s;
  LineMarkSpec m = s->LineMark();
  EXPECT_EQ(m.text, "■ ");
  EXPECT_EQ(m.color, 0x0000FFu);
  EXPECT_EQ(m.x, 9);  // CharH / 2
  EXPECT_EQ(m.y, s->TopY);
  s->NsinMode = true;
  m = s->LineMark();
  EXPECT_EQ(m.text, "Ｎ ");
  EXPECT_EQ(m.color, 0x008000u);
  s.settings.PROCDSP = true;  // the process display wins
  m = s->LineMark();
  EXPECT_EQ(m.text, "◆ ");
  EXPECT_EQ(m.color, 0x800000u);
}

TEST(Cursor, BlocksForBlinkAndErase) {
  Session s;
  s->renderer.CursorX = 50;
  s->renderer.CursorY = 30;
  EXPECT_EQ(s->cursorBlock(), (ScreenRect{52, 32, 58, 47}));
  EXPECT_EQ(s->cursorEraseRect(), (ScreenRect{52, 32, 58, 47}));
  s->renderer.powerFlag = true;
  s->renderer.powerLineY = 25;
  EXPECT_EQ(s->cursorBlock(), (ScreenRect{52, 27, 58, 36}));  // 0.7 × 19 rounds to 13
  EXPECT_EQ(s->cursorEraseRect(), (ScreenRect{52, 32, 58, 47}));
  s->CursorErase();
  ASSERT_EQ(s.view.erased.size(), 1u);
  EXPECT_EQ(s.view.erased[0], (ScreenRect{52, 32, 58, 47}));
}

TEST(StartUp, InputPanelCreationEmptiesTheLine) {
  Session s([](CalcSettings& c) {
    c.ANSSYU = 2;
    c.SYOUDSP = 1;
    c.GYOKEISUU = 8;
  });
  EXPECT_EQ(s->AnsForm, 6);
  EXPECT_EQ(s->GyoKeisuu, 8);
  EXPECT_TRUE(s->InpAccept);
  EXPECT_FALSE(s->RestoreOK);
  EXPECT_EQ(s->PrevJi(), '$');
  EXPECT_EQ(s->PaiStr, "3.14");
  s.type("1+");
  s->AnsShownKa = true;
  s->InputFormCreate();
  EXPECT_EQ(s->InpSiki, "");
  EXPECT_EQ(s->InpCount, 0);
  EXPECT_EQ(s->check, InpCheckState{});
  EXPECT_FALSE(s->AnsShownKa);
  EXPECT_TRUE(s.view.kaEnabled);
  // The settings dialog changed the answer forms.
  s.settings.ANSSYU = 1;
  s.settings.SYOUDSP = 0;
  s->updateAnsForm();
  EXPECT_EQ(s->AnsForm, 1);
}

// Keys a learner might press, weighted towards the ones that type.
std::vector<int> fuzzKeys() {
  std::vector<int> keys;
  for (int d = 0; d < 10; ++d) {
    keys.push_back('0' + d);
    keys.push_back(vk::Numpad0 + d);
  }
  const int others[] = {vk::Add,       vk::Subtract,   vk::Multiply,     vk::Divide,  'K',
                        'B',           'P',            'C',              'X',         vk::Home,
                        vk::End,       vk::Caret,      vk::Colon,        vk::At,      vk::BracketOpen,
                        vk::BracketClose, vk::Period,  vk::Enter,        vk::Right,   vk::BackSpace,
                        vk::Delete,    vk::Insert,     vk::Left,         vk::Comma,   vk::F5,
                        vk::F6,        vk::F7,         vk::Up,           vk::Down,    vk::PageUp,
                        vk::PageDown,  vk::Yen,        vk::Minus,        vk::Semicolon, '8',
                        '9',           '1',            'A',              'F',         'L'};
  keys.insert(keys.end(), std::begin(others), std::end(others));
  return keys;
}

TEST(RandomTyping, TheLineStaysWellFormedAndBounded) {
  const std::vector<int> keys = fuzzKeys();
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 rng(seed);
    Session s([&](CalcSettings& c) {
      c.KAKERU_ABR = static_cast<int>(seed % 2);
      c.ANSSYU = static_cast<int>(seed % 3);
      c.SYOUDSP = static_cast<int>((seed / 3) % 2);
      c.KAITOURAN_FLAG = seed % 4 == 0;
      c.WARI_TYPE = seed % 5 == 0 ? 1 : 0;
    });
    s->SikiClear();
    std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
    std::uniform_int_distribution<int> mod(0, 9);
    for (int i = 0; i < 3000; ++i) {
      const int m = mod(rng);
      const KeyMods mods{m == 0, m == 1, m == 2};
      const int key = (i % 97 == 96) ? static_cast<int>(rng() % 300) : keys[pick(rng)];
      s.press(key, mods);
      ASSERT_LE(s->InpCount, kMaxInpCount + 1) << "seed " << seed << " step " << i;
      ASSERT_LT(s->InpSiki.size(), 2000u) << "seed " << seed << " step " << i;
      if (s->InpAccept && !s->NsinMode) {
        // Whatever was pressed, the checker accepts every character of an open line; only
        // its end may still be half typed.
        InpCheckState fresh;
        NullSink quiet;
        const std::size_t refused =
            SikiCheck(fresh, s->InpSiki, false, false, s.settings.KAKERU_ABR != 0, false, quiet);
        ASSERT_TRUE(refused == 0 || refused == s->InpSiki.size() + 1)
            << "seed " << seed << " step " << i << ": " << s->InpSiki;
        if (s->InpCount > 0) {
          ASSERT_EQ(s->LastSiki, s->InpSiki) << "seed " << seed;
        }
      }
      // Long lines mostly refuse; start over now and then.
      if (s->InpCount > 200 && mod(rng) == 0) s->SikiClear();
    }
  }
}

}  // namespace
}  // namespace ravlo
