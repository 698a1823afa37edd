// The calculation state driven by a key sequence, as the calculation screen and the input
// panel drive it: every key ends, no line ever shows the failure text, and a computed line
// keeps its question.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/model/calc_settings.h"
#include "app/model/calc_state.h"
#include "app/model/conversion_router.h"
#include "app/model/key_table.h"
#include "fuzz/fuzz_support.h"

namespace ravlo::fuzz {
namespace {

// Sixty-four keys: what the Japanese keyboard types plus the keys of the screen.
constexpr int kKeys[64] = {
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9',
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M',
    'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
    vk::Multiply, vk::Add, vk::Subtract, vk::Decimal, vk::Divide,
    vk::Colon, vk::Semicolon, vk::Comma, vk::Minus, vk::Period, vk::Slash, vk::At,
    vk::BracketOpen, vk::Yen, vk::BracketClose, vk::Caret,
    vk::BackSpace, vk::Enter, vk::PageUp, vk::PageDown, vk::Left, vk::Up, vk::Right, vk::Down,
    vk::Insert, vk::Delete, vk::F5, vk::F6,
};

// The conversion commands run as the window runs them; the windows' own commands do nothing.
class Commands final : public CalcCommandHandler {
 public:
  void run(CalcCommand command) override {
    if (state != nullptr) runConversionCommand(*state, command);
  }
  bool toolBoxOpen() const override { return false; }
  CalcState* state = nullptr;
};

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ravlo;
  using namespace ravlo::fuzz;
  if (size == 0) return 0;
  const std::string_view input = asText(data, size);
  CalcSettings settings;
  const std::uint8_t s = data[0];
  settings.PROCDSP = (s & 1) != 0;
  settings.ANSSYU = (s >> 1) % 3;
  settings.SYOUDSP = (s >> 3) & 1;
  settings.KAKERU_ABR = (s >> 4) & 1;
  settings.EQUAL_KAIGYO = (s >> 5) & 1;
  settings.PROCLASTANS = (s >> 6) & 1;
  settings.KAITOURAN_FLAG = (s >> 7) & 1;
  NullSink sink;
  CalcState state(settings, sink);
  Commands commands;
  commands.state = &state;
  state.setCommands(&commands);
  state.MainFormCreate(FontMetrics{100, 19}, 96);
  state.InputFormCreate();
  for (std::size_t i = 1; i < size; ++i) {
    const std::uint8_t b = data[i];
    const KeyMods mods{(b & 0x40) != 0, (b & 0x80) != 0, false};
    {
      // Each key is what the learner waits for, so each key is held to the bound.
      const SlowGuard slow(input);
      state.InpKeySyori(kKeys[b & 0x3F], mods);
    }
    require(state.InpSiki.find(kFailText) == std::string::npos, "the failure text on the line",
            input, state.InpSiki);
  }
  return 0;
}
