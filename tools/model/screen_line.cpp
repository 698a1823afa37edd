#include "tools/model/screen_line.h"

#include <string>

#include "app/model/calc_state.h"
#include "expr/inp_check.h"

namespace ravlo {
namespace {

void showLine(CalcState& st, std::string_view line) {
  st.SikiClear();
  st.InpSiki = std::string(line);
  st.LastSiki = st.InpSiki;
  st.InpCount = static_cast<int>(line.size());
}

void finish(CalcState& st) {
  if (st.settings().INPUTSTR_DSP) st.InpStrDsp(st.InpSiki);
  st.repaint();
}

}  // namespace

void putTypedLine(CalcState& st, std::string_view line) {
  showLine(st, line);
  const bool kakeruAbr = st.settings().KAKERU_ABR != 0;
  const bool refused = SikiCheck(st.check, line, false, false, kakeruAbr, false, st.sink()) != 0;
  if (refused || line.find('&') != std::string_view::npos) st.closeInput();
  finish(st);
}

void putFinishedLine(CalcState& st, std::string_view line) {
  showLine(st, line);
  st.closeInput();
  finish(st);
}

}  // namespace ravlo
