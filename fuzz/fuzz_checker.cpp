// The input checker, whole text and key by key: a line typed on the calculation screen is a
// line the whole-text check accepts, the whole-text check ends where "=" would be refused,
// and a refused key changes nothing but what the rules allow.
#include <cstddef>
#include <cstdint>
#include <string>

#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"
#include "fuzz/fuzz_support.h"

namespace ravlo::fuzz {
namespace {

// What a refusal may change: the error number, the checked character, the digit runs and the
// start-of-line reset of "equals seen".
InpCheckState refusalView(InpCheckState st) {
  st.InpErrNo = 0;
  st.CurJi = '\0';
  st.digitRun = 0;
  st.fracDigitRun = 0;
  if (st.PrevJi == '$') st.equalsSeen = false;
  return st;
}

void typeKeys(std::string_view keys, bool kakeruAbr) {
  NullSink quiet;
  InpCheckState st;
  std::string typed;
  for (char key : keys) {
    const InpCheckState before = st;
    if (CharCheck(st, key, kakeruAbr, quiet)) {
      st.PrevJi = st.CurJi;
      typed += st.CurJi;
      continue;
    }
    require(st.InpErrNo >= 0 && st.InpErrNo < static_cast<int>(kInpCheckMsgCount),
            "refusal without a message number", keys);
    require(refusalView(st) == refusalView(before), "a refused key changed the checker", keys,
            typed + " + " + std::string(1, key));
  }
  // "=" on the screen and the whole-text check agree on where a line may end.
  InpCheckState probe = st;
  const bool equalsAccepted = CharCheck(probe, '=', kakeruAbr, quiet);
  InpCheckState whole;
  const std::size_t refused = SikiCheck(whole, typed, false, true, kakeruAbr, false, quiet);
  const bool complete = typed.empty() || typed.back() == '=' || equalsAccepted;
  require(refused == (complete ? 0 : typed.size() + 1),
          "the whole-text check disagrees with typing", keys,
          typed + " -> " + std::to_string(refused));
  if (refused == 0) require(whole.checkedText == typed, "checked text differs", keys, typed);
}

void checkWhole(std::string_view text, bool kakeruAbr) {
  CountingSink sink;
  InpCheckState st;
  const std::size_t refused = SikiCheck(st, text, false, true, kakeruAbr, true, sink);
  require(refused <= text.size() + 1, "refused past the end", text);
  if (refused != 0) require(sink.boxes > 0, "a refusal must be reported", text);
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  const std::string_view text = ravlo::fuzz::asText(data, size);
  for (bool kakeruAbr : {false, true}) {
    ravlo::fuzz::typeKeys(text, kakeruAbr);
    ravlo::fuzz::checkWhole(text, kakeruAbr);
  }
  return 0;
}
