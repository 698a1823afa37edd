#pragma once
// A calculation state with recording hooks, as the calculation screen would own it.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/model/calc_settings.h"
#include "app/model/calc_state.h"
#include "core/message_sink.h"

namespace ravlo::testing_support {

class RecordingView final : public CalcView {
 public:
  void repaint() override { ++repaints; }
  void eraseCursor(const ScreenRect& block) override { erased.push_back(block); }
  void showInputString(std::string_view caption) override { captions.emplace_back(caption); }
  void setAnswerButtons(bool tai, bool ka, bool syou) override {
    taiEnabled = tai;
    kaEnabled = ka;
    syouEnabled = syou;
  }
  void copyLine(std::string_view line) override { copied.emplace_back(line); }

  int repaints = 0;
  std::vector<ScreenRect> erased;
  std::vector<std::string> captions;
  std::vector<std::string> copied;
  bool taiEnabled = true;
  bool kaEnabled = true;
  bool syouEnabled = true;
};

class RecordingVoice final : public CalcVoice {
 public:
  void SikiSpeak(std::string_view text, bool whole) override { spoken.emplace_back(text, whole); }
  std::vector<std::pair<std::string, bool>> spoken;
};

class RecordingCommands final : public CalcCommandHandler {
 public:
  void run(CalcCommand command) override { ran.push_back(command); }
  bool toolBoxOpen() const override { return boxOpen; }
  std::vector<CalcCommand> ran;
  bool boxOpen = false;
};

// Metrics of a 14-point fixed-pitch face at 96 dpi: digits 10 wide, 19 high.
inline constexpr FontMetrics kTestMetrics{100, 19};
inline constexpr int kTestPpi = 96;

// One program run: settings, sink, hooks and the state, started up as the windows do.
struct Session {
  explicit Session(const std::function<void(CalcSettings&)>& configure = {}) {
    if (configure) configure(settings);
    state = std::make_unique<CalcState>(settings, sink);
    state->setView(&view);
    state->setVoice(&voice);
    state->setCommands(&commands);
    state->MainFormCreate(kTestMetrics, kTestPpi);
    state->InputFormCreate();
  }

  // Every character through JiInput; the last result.
  int type(std::string_view text) { return state->JiInputText(text); }
  int press(int key, KeyMods mods = {}) { return state->InpKeySyori(key, mods); }
  CalcState& operator*() { return *state; }
  CalcState* operator->() { return state.get(); }

  CalcSettings settings;
  RecordingSink sink;
  RecordingView view;
  RecordingVoice voice;
  RecordingCommands commands;
  std::unique_ptr<CalcState> state;
};

}  // namespace ravlo::testing_support
