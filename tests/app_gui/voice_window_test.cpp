// Speech in the main window: read-aloud by key, menu and button; speech while typing and after
// solving; a voice that cannot speak is reported once.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/model/read_aloud.h"
#include "app/model/siki_speaker.h"
#include "window_fixture.h"

namespace ravlo::test {
namespace {

using Texts = std::vector<std::string>;

Texts texts(const VoiceRecorder& voice) {
  Texts out;
  for (const auto& u : voice.said) out.push_back(u.text);
  return out;
}

TEST(VoiceWindow, ReadAloudByKeyMenuAndButton) {
  VoiceRecorder voice;
  Window w({}, true, &voice);
  w.type("1k2b1+3b2");
  w.key(Qt::Key_R);
  const std::string line = "1と2ぶんの1たす3ぶんの2";
  EXPECT_EQ(texts(voice), (Texts{line}));
  w.key(Qt::Key_R, Qt::AltModifier);
  w.form().action("R1")->trigger();
  w.click("KoeButton");
  EXPECT_EQ(texts(voice), (Texts{line, line, line, line}));
  // Reading changes nothing on screen.
  EXPECT_EQ(w.state().InpSiki, "1k2b1+3b2");
  EXPECT_TRUE(w.state().InpAccept);
  // The default speed and volume of the settings.
  EXPECT_EQ(voice.said[0].rate, 5);
  EXPECT_EQ(voice.said[0].volume, 100);
  EXPECT_TRUE(w.rec().boxes().empty());
}

TEST(VoiceWindow, ReadAloudRefusedWithTheProcessOnScreen) {
  VoiceRecorder voice;
  Window w({}, true, &voice);
  w.type("3b1+3b1");
  w.key(Qt::Key_F5);
  ASSERT_TRUE(w.settings().PROCDSP);
  w.key(Qt::Key_R);
  EXPECT_TRUE(voice.said.empty());
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].caption, kReadAloudCaption);
  EXPECT_EQ(w.rec().boxes()[0].text, kReadAloudInProcessText);
}

TEST(VoiceWindow, ReadAloudWaitsForAnEnabledButton) {
  VoiceRecorder voice;
  Window w({}, true, &voice);
  w.type("12");
  w.form().inputForm()->button("KoeButton")->setEnabled(false);
  w.key(Qt::Key_R);
  EXPECT_TRUE(voice.said.empty());
}

TEST(VoiceWindow, TypingSpeaksTokensAndTheAnsweredLine) {
  VoiceRecorder voice;
  Window w("[▼読み上げ▼]\nEVERYINPUT=1\nALLSTRING=1\nHAYASA=4\nOOKISA=60\n", true, &voice);
  w.type("10-4b1=");
  ASSERT_EQ(w.state().InpSiki, "10-4b1=9k4b3");
  EXPECT_EQ(texts(voice), (Texts{"1", "れい", "ひく", "4", "ぶんの", "1", "イコール",
                                 "10ひく4ぶんの1イコール9と4ぶんの3"}));
  EXPECT_EQ(voice.said.back().rate, 2);
  EXPECT_EQ(voice.said.back().volume, 60);
  // Backspace re-enters a line without a word.
  voice.said.clear();
  w.key(Qt::Key_Delete);
  w.type("3.5");
  ASSERT_EQ(voice.said.size(), 3u);
  w.key(Qt::Key_Backspace);
  EXPECT_EQ(w.state().InpSiki, "3.");
  EXPECT_EQ(voice.said.size(), 3u);
}

TEST(VoiceWindow, SolvingSpeaksTheSolvedLineWithEveryInput) {
  VoiceRecorder voice;
  Window w("[▼読み上げ▼]\nEVERYINPUT=1\n", true, &voice);
  w.type("2*x+1=5");
  voice.said.clear();
  w.key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(w.state().InpSiki, "2*x+1=5&x＝2");
  EXPECT_EQ(texts(voice), (Texts{"2かけるエックスたす1イコール5。こたえわエックスイコール2"}));

  VoiceRecorder quiet;
  Window off({}, true, &quiet);
  off.type("2*x+1=5");
  off.key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(quiet.said.empty());
}

TEST(VoiceWindow, AVoiceThatCannotSpeakIsReportedOnceAndTypingGoesOn) {
  VoiceRecorder voice;
  voice.result = VoiceResult::NoEngine;
  Window w("[▼読み上げ▼]\nEVERYINPUT=1\n", true, &voice);
  w.type("1");
  QCoreApplication::processEvents();
  // Typing clears the status bar after speaking; the notice still shows once the key is done.
  EXPECT_EQ(w.status(), kNoSpeechEngineText);
  w.type("+2=");
  QCoreApplication::processEvents();
  EXPECT_EQ(w.state().InpSiki, "1+2=3");
  const auto& entries = w.rec().entries();
  const auto notices = std::count_if(entries.begin(), entries.end(), [](const auto& e) {
    return e.text == kNoSpeechEngineText;
  });
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(voice.said.size(), 4u);
}

TEST(VoiceWindow, EveryRequestToReadAloudSaysThereIsNoSoundDevice) {
  VoiceRecorder voice;
  voice.result = VoiceResult::NoAudio;
  Window w("[▼読み上げ▼]\nEVERYINPUT=1\n", true, &voice);
  w.type("1");
  QCoreApplication::processEvents();
  EXPECT_EQ(w.status(), kNoAudioOutputText);
  // Typing goes on silently after the first notice ...
  w.type("2");
  QCoreApplication::processEvents();
  EXPECT_EQ(w.status(), "");
  // ... but a line asked for is answered every time.
  const std::vector<std::pair<const char*, std::function<void()>>> requests = {
      {"R", [&] { w.key(Qt::Key_R); }},
      {"Alt+R", [&] { w.key(Qt::Key_R, Qt::AltModifier); }},
      {"menu", [&] { w.form().action("R1")->trigger(); }},
      {"読R", [&] { w.click("KoeButton"); }},
  };
  for (const auto& [what, request] : requests) {
    w.form().statusBar()->clearMessage();
    request();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.status(), kNoAudioOutputText) << what;
  }
  EXPECT_EQ(w.state().InpSiki, "12");
}

}  // namespace
}  // namespace ravlo::test
