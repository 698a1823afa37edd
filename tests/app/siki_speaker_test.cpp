// Reading lines aloud through a voice: what the voice is told, from typing to read-aloud.
#include "app/model/siki_speaker.h"

#include <gtest/gtest.h>

#include <string>

#include "app/model/read_aloud.h"
#include "calc_state_support.h"

namespace ravlo {
namespace {

using testing_support::Session;

// A session whose voice is the real speaker over a recording voice.
struct SpeakingSession {
  explicit SpeakingSession(const std::function<void(CalcSettings&)>& configure = {})
      : s(configure), speaker(s.settings, s.sink, voice) {
    s->setVoice(&speaker);
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& u : voice.said) out.push_back(u.text);
    return out;
  }
  Session s;
  VoiceRecorder voice;
  SikiSpeaker speaker;
};

using Texts = std::vector<std::string>;

TEST(SikiSpeaker, SpeaksTheKanaReadingAtTheSettingsRateAndVolume) {
  CalcSettings settings;
  settings.HAYASA = 10;
  settings.OOKISA = 70;
  RecordingSink sink;
  VoiceRecorder voice;
  SikiSpeaker speaker(settings, sink, voice);
  speaker.SikiSpeak("1k2b1", true);
  ASSERT_EQ(voice.said.size(), 1u);
  EXPECT_EQ(voice.said[0].text, "1と2ぶんの1");
  EXPECT_EQ(voice.said[0].rate, 5);
  EXPECT_EQ(voice.said[0].volume, 70);
  settings.HAYASA = 3;
  settings.OOKISA = 0;
  speaker.SikiSpeak("[2B1]", true);
  ASSERT_EQ(voice.said.size(), 2u);
  EXPECT_EQ(voice.said[1].text, "ぶんすうしき ぶんぼ はじめ、2ぶんの1、ぶんし おわり、");
  EXPECT_EQ(voice.said[1].rate, 2);
  EXPECT_EQ(voice.said[1].volume, 0);
  EXPECT_TRUE(sink.empty());
}

TEST(SikiSpeaker, RateIsHalfTheSettingRounded) {
  EXPECT_EQ(speechRate(1), 1);
  EXPECT_EQ(speechRate(2), 1);
  EXPECT_EQ(speechRate(5), 3);
  EXPECT_EQ(speechRate(10), 5);
  EXPECT_EQ(speechRate(0), 0);
  EXPECT_EQ(speechRate(1000), kMaxVoiceRate);
  EXPECT_EQ(speechRate(-1000), kMinVoiceRate);
}

TEST(SikiSpeaker, NothingToSayIsNotSpoken) {
  CalcSettings settings;
  RecordingSink sink;
  VoiceRecorder voice;
  SikiSpeaker speaker(settings, sink, voice);
  speaker.SikiSpeak("", true);
  speaker.SikiSpeak("", false);
  speaker.SikiSpeak("$%", true);  // nothing the engine could say
  EXPECT_TRUE(voice.said.empty());
}

TEST(SikiSpeaker, AFailingVoiceIsReportedOnceThenSilent) {
  for (VoiceResult failure : {VoiceResult::NoEngine, VoiceResult::NoAudio}) {
    CalcSettings settings;
    RecordingSink sink;
    VoiceRecorder voice;
    voice.result = failure;
    SikiSpeaker speaker(settings, sink, voice);
    speaker.SikiSpeak("1", false);
    speaker.SikiSpeak("2", false);
    speaker.SikiSpeak("1+2=3", true);
    EXPECT_EQ(voice.said.size(), 3u);
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.lastStatus(), failure == VoiceResult::NoEngine ? kNoSpeechEngineText
                                                                  : kNoAudioOutputText);
    EXPECT_TRUE(speaker.failureReported());
  }
}

TEST(SpeechWhileTyping, EveryInputSpeaksEachTokenAsAWord) {
  SpeakingSession t([](CalcSettings& c) { c.EVERYINPUT = 1; });
  t.s.type("10+0.5");
  EXPECT_EQ(t.texts(), (Texts{"1", "れい", "たす", "れい", "てん", "5"}));
  t.voice.said.clear();
  t.s.type("^");
  EXPECT_EQ(t.texts(), (Texts{"のるいじょう"}));
}

TEST(SpeechWhileTyping, EveryInputOffSaysNothing) {
  SpeakingSession t;
  t.s.type("1k2b1+3b2=");
  EXPECT_FALSE(t.s->InpAccept);
  EXPECT_TRUE(t.voice.said.empty());
}

TEST(SpeechWhileTyping, BackspaceReplaySaysNothing) {
  SpeakingSession t([](CalcSettings& c) { c.EVERYINPUT = 1; });
  t.s.type("3b2+1");
  const std::size_t said = t.voice.said.size();
  EXPECT_EQ(t.s->SikiBackSpace(), 1);
  EXPECT_EQ(t.s->InpSiki, "3b2+");
  EXPECT_EQ(t.voice.said.size(), said);
  EXPECT_FALSE(t.s->ReplayMode);
  // Typing after the replay speaks again.
  t.s.type("2");
  EXPECT_EQ(t.texts().back(), "2");
}

TEST(SpeechWhileTyping, ProcessDisplaySaysNothing) {
  SpeakingSession t([](CalcSettings& c) {
    c.EVERYINPUT = 1;
    c.ALLSTRING = 1;
    c.PROCDSP = true;
  });
  t.s.type("3b1+3b1=");
  EXPECT_FALSE(t.s->process.ProcText.empty());
  EXPECT_TRUE(t.voice.said.empty());
}

TEST(SpeechWhileTyping, AllStringReadsTheAnsweredLine) {
  SpeakingSession t([](CalcSettings& c) { c.ALLSTRING = 1; });
  t.s.type("1k2b1+3b2=");
  ASSERT_EQ(t.s->InpSiki, "1k2b1+3b2=2k6b1");
  EXPECT_EQ(t.texts(), (Texts{"1と2ぶんの1たす3ぶんの2イコール2と6ぶんの1"}));
}

TEST(SpeechWhileTyping, AllStringReadsTheAnswerColumn) {
  SpeakingSession t([](CalcSettings& c) {
    c.ALLSTRING = 1;
    c.KAITOURAN_FLAG = true;
  });
  t.s.type("3b1+3b1=");
  ASSERT_EQ(t.s->InpSiki, "3b1+3b1=3b2&3b2");
  EXPECT_EQ(t.texts(), (Texts{"3ぶんの1たす3ぶんの1イコール3ぶんの2。こたえわ3ぶんの2"}));
}

TEST(SpeechWhileTyping, EveryInputAndAllStringTogether) {
  SpeakingSession t([](CalcSettings& c) {
    c.EVERYINPUT = 1;
    c.ALLSTRING = 1;
  });
  t.s.type("2^3+1=");
  EXPECT_EQ(t.texts(), (Texts{"2", "のるいじょう", "3", "たす", "1", "イコール",
                              "2の3じょうたす1イコール9"}));
}

TEST(ReadAloudCommand, ReadsTheLineAsAWhole) {
  SpeakingSession t;
  t.s.type("10+3.14");
  EXPECT_TRUE(ReadAloud(*t.s, true));
  EXPECT_EQ(t.texts(), (Texts{"10たす3てん1 4 "}));
  EXPECT_TRUE(t.s.sink.boxes().empty());
}

TEST(ReadAloudCommand, RefusedInProcessMode) {
  SpeakingSession t([](CalcSettings& c) { c.PROCDSP = true; });
  t.s.type("3b1+3b1");
  EXPECT_FALSE(ReadAloud(*t.s, true));
  EXPECT_TRUE(t.voice.said.empty());
  ASSERT_EQ(t.s.sink.boxes().size(), 1u);
  EXPECT_EQ(t.s.sink.boxes()[0].caption, "報告!!");
  EXPECT_EQ(t.s.sink.boxes()[0].text,
            "過程式表示ﾓｰﾄﾞでは､読み上げを行いません｡\n\n<Ｆ５>ｷｰを押して､計算ﾓｰﾄﾞにしてください。");
}

TEST(ReadAloudCommand, NothingWhileTheButtonIsDisabledOrTheLineEmpty) {
  SpeakingSession t;
  t.s.type("1+2");
  EXPECT_FALSE(ReadAloud(*t.s, false));
  EXPECT_TRUE(t.voice.said.empty());
  t.s->SikiClear();
  ReadAloud(*t.s, true);
  EXPECT_TRUE(t.voice.said.empty());
  EXPECT_TRUE(t.s.sink.boxes().empty());
}

}  // namespace
}  // namespace ravlo
