#include "app/model/nsin_mode.h"

#include "core/base_n_line.h"

namespace ravlo {

void NsinModeSwitch(CalcState& st) {
  CalcSettings& settings = st.settings();
  st.NsinMode = !st.NsinMode;
  if (st.NsinMode) {
    st.sink().status(kNsinModeOnText);
    st.sink().box(kNsinCaption, kNsinModeHelp);
    st.NsinSavedEveryInput = settings.EVERYINPUT;
    settings.EVERYINPUT = 0;
  } else {
    st.sink().status(kNsinModeOffText);
    settings.EVERYINPUT = st.NsinSavedEveryInput;
  }
  st.repaint();
}

bool NsinHenkan(CalcState& st) {
  // Outside the mode "/" and "?" have nothing to convert: the line is an ordinary expression.
  if (!st.NsinMode) return false;
  const NsinLine r = NsinHenkanLine(st.InpSiki, st.sink());
  if (r.outcome != NsinLine::Outcome::Converted) return false;
  st.InpSiki = r.line;
  st.closeInput();
  if (st.settings().INPUTSTR_DSP) st.InpStrDsp(st.InpSiki);
  st.repaint();
  return true;
}

}  // namespace ravlo
