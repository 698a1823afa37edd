// espeak-ng's Japanese voice: speech made into a buffer, its length and level plausible,
// rate and volume heard in it, and the sound handed to the output.
#include "app/voice/espeak_voice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/model/siki_reading.h"
#include "app/model/speakable_kana.h"
#include "app/voice/wav_file.h"

namespace ravlo {
namespace {

class RecordingOutput final : public AudioOutput {
 public:
  bool play(const PcmBuffer& pcm) override {
    played.push_back(pcm);
    return works;
  }
  std::vector<PcmBuffer> played;
  bool works = true;
};

std::string kanaOf(const char* line) { return SpeakableKana(SikiSpeakText(line, true)); }

class EspeakVoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!voice_.engineReady()) GTEST_SKIP() << "espeak-ng cannot start on this machine";
  }
  RecordingOutput output_;
  EspeakVoice voice_{output_};
};

TEST_F(EspeakVoiceTest, ALineBecomesSpeechOfPlausibleLengthAndLevel) {
  voice_.setRate(0);
  voice_.setVolume(100);
  const auto pcm = voice_.synthesize(kanaOf("1k2b1+3b2="));
  ASSERT_TRUE(pcm.has_value());
  EXPECT_EQ(pcm->sampleRate, 22050);
  // About twenty syllables at normal speed: a few seconds, clearly audible, not clipped flat.
  EXPECT_GT(pcm->seconds(), 1.5);
  EXPECT_LT(pcm->seconds(), 8.0);
  EXPECT_GT(pcm->rms(), 0.02);
  EXPECT_LT(pcm->rms(), 0.7);
}

TEST_F(EspeakVoiceTest, FasterRateIsShorterLowerVolumeIsQuieter) {
  const std::string text = kanaOf("3b1+3b1=3b2&3b2");
  voice_.setVolume(100);
  voice_.setRate(0);
  const auto normal = voice_.synthesize(text);
  voice_.setRate(5);
  const auto fast = voice_.synthesize(text);
  voice_.setRate(5);
  voice_.setVolume(30);
  const auto quiet = voice_.synthesize(text);
  ASSERT_TRUE(normal && fast && quiet);
  EXPECT_LT(fast->seconds(), normal->seconds() * 0.8);
  EXPECT_LT(quiet->rms(), fast->rms() * 0.6);
  EXPECT_GT(quiet->rms(), 0.0);
}

TEST_F(EspeakVoiceTest, SpeakPlaysTheSpeechAndTellsWhenNoOutputOpens) {
  EXPECT_EQ(voice_.speak("れい"), VoiceResult::Spoken);
  ASSERT_EQ(output_.played.size(), 1u);
  EXPECT_GT(output_.played[0].seconds(), 0.1);
  output_.works = false;
  EXPECT_EQ(voice_.speak("いち"), VoiceResult::NoAudio);
  // Nothing to say plays nothing.
  EXPECT_EQ(voice_.speak(""), VoiceResult::Spoken);
  EXPECT_EQ(output_.played.size(), 2u);
}

TEST_F(EspeakVoiceTest, WritesAWavFileForListening) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("ravlo-speech-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".wav");
  voice_.setRate(0);
  ASSERT_TRUE(voice_.writeWav(kanaOf("2^3+1="), file));
  const auto back = readWav(file);
  std::filesystem::remove(file);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->sampleRate, 22050);
  EXPECT_GT(back->seconds(), 1.0);
  EXPECT_GT(back->rms(), 0.02);
  EXPECT_FALSE(voice_.writeWav("れい", std::filesystem::path("/nonexistent-dir/x.wav")));
}

TEST(EspeakVoiceLife, TheEngineOutlivesEachVoice) {
  // The library's engine is shared: a voice that goes leaves it running for the next one.
  RecordingOutput output;
  for (int round = 0; round < 2; ++round) {
    EspeakVoice voice(output);
    if (!voice.engineReady()) GTEST_SKIP() << "espeak-ng cannot start on this machine";
    const auto pcm = voice.synthesize("いち");
    ASSERT_TRUE(pcm.has_value()) << round;
    EXPECT_GT(pcm->seconds(), 0.1) << round;
  }
}

TEST(EspeakRate, SettingsRatesMapOntoWordsPerMinute) {
  EXPECT_EQ(EspeakVoice::wordsPerMinute(0), 175);
  EXPECT_EQ(EspeakVoice::wordsPerMinute(5), 303);
  EXPECT_EQ(EspeakVoice::wordsPerMinute(1), 195);
  EXPECT_EQ(EspeakVoice::wordsPerMinute(10), 450);  // 525 capped at espeak-ng's maximum
  EXPECT_EQ(EspeakVoice::wordsPerMinute(-10), 80);  // 58 raised to its minimum
  EXPECT_EQ(EspeakVoice::wordsPerMinute(99), 450);
  int previous = 0;
  for (int r = kMinVoiceRate; r <= kMaxVoiceRate; ++r) {
    EXPECT_GE(EspeakVoice::wordsPerMinute(r), previous) << r;
    previous = EspeakVoice::wordsPerMinute(r);
  }
}

}  // namespace
}  // namespace ravlo
