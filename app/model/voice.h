#pragma once
// The speech engine as the program uses it: a rate, a volume, and speaking a text to the end
// before returning. The text is already kana (speakable_kana.h).
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

enum class VoiceResult {
  Spoken,
  NoEngine,  // the speech engine could not be started
  NoAudio,   // the speech was made but no sound output could be opened
};

// Rates as the settings give them: -10 (slowest) … 0 (normal) … 10 (fastest).
inline constexpr int kMinVoiceRate = -10;
inline constexpr int kMaxVoiceRate = 10;

class Voice {
 public:
  virtual ~Voice() = default;
  virtual void setRate(int rate) = 0;
  // 0 (silent) … 100 (full).
  virtual void setVolume(int volume) = 0;
  // Returns when the text has been said (or could not be).
  virtual VoiceResult speak(std::string_view text) = 0;
};

// A voice that only writes down what it was told; tests read it.
class VoiceRecorder final : public Voice {
 public:
  struct Utterance {
    std::string text;
    int rate = 0;
    int volume = 0;
  };

  void setRate(int rate) override { rate_ = rate; }
  void setVolume(int volume) override { volume_ = volume; }
  VoiceResult speak(std::string_view text) override {
    said.push_back({std::string(text), rate_, volume_});
    return result;
  }

  std::vector<Utterance> said;
  VoiceResult result = VoiceResult::Spoken;  // what every speak answers

 private:
  int rate_ = 0;
  int volume_ = 100;
};

}  // namespace ravlo
