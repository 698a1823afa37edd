#include "app/model/read_aloud.h"

namespace ravlo {

bool ReadAloud(CalcState& st, bool koeEnabled) {
  if (st.settings().PROCDSP) {
    st.sink().box(kReadAloudCaption, kReadAloudInProcessText);
    return false;
  }
  if (!koeEnabled) return false;
  st.speakOnRequest(st.InpSiki);
  return true;
}

}  // namespace ravlo
