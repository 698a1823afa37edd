#pragma once
// The program's voice: espeak-ng's Japanese voice, synthesized into a buffer and played on
// an AudioOutput (ALSA by default). espeak-ng keeps one engine in the library itself; the
// first voice that speaks starts it and it runs until the program ends.
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/model/voice.h"
#include "app/voice/audio_output.h"
#include "app/voice/pcm_buffer.h"

namespace ravlo {

inline constexpr const char* kEspeakVoiceName = "ja";

class EspeakVoice final : public Voice {
 public:
  // Plays on the default ALSA device.
  EspeakVoice();
  // Plays on output (not owned; it must outlive the voice).
  explicit EspeakVoice(AudioOutput& output);
  ~EspeakVoice() override;
  EspeakVoice(const EspeakVoice&) = delete;
  EspeakVoice& operator=(const EspeakVoice&) = delete;

  void setRate(int rate) override { rate_ = rate; }
  void setVolume(int volume) override { volume_ = volume; }
  VoiceResult speak(std::string_view text) override;

  // The speech of text at the current rate and volume, not played; nullopt when the engine
  // cannot be started.
  std::optional<PcmBuffer> synthesize(std::string_view text);
  // The same speech written to a WAV file; false when the engine cannot be started or the
  // file cannot be written.
  bool writeWav(std::string_view text, const std::filesystem::path& file);

  // Whether the engine is running (starting it if it has not been tried).
  static bool engineReady();

  // espeak-ng's speed in words per minute for a rate of -10 … 10.
  static int wordsPerMinute(int rate);

 private:
  std::unique_ptr<AudioOutput> ownOutput_;
  AudioOutput* output_;
  int rate_ = 0;
  int volume_ = 100;
};

}  // namespace ravlo
