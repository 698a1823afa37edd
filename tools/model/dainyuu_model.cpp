#include "tools/model/dainyuu_model.h"

#include "app/model/calc_state.h"
#include "core/text_helpers.h"
#include "expr/inp_check.h"
#include "tools/model/field_text.h"
#include "tools/model/screen_line.h"

namespace ravlo {

std::string dainyuuErrorText(std::size_t position) {
  return "01::(確認)ｴﾗｰ桁(1～)=" + std::to_string(position);
}

DainyuuComputed DainyuuCompute(CalcState& st, std::string_view substituted) {
  st.SikiClear();
  MessageSink& sink = st.sink();
  InpCheckState checker;
  const std::size_t p = SikiCheck(checker, substituted, false, true,
                                  st.settings().KAKERU_ABR != 0, false, sink);
  if (p != 0) {
    sink.box(kDainyuuComputeCaption, dainyuuErrorText(p));
    return {false, p};
  }
  const std::string& s = checker.checkedText;
  if (s.find('x') != std::string::npos) return {};
  std::string line;
  if (s.find(':') != std::string::npos) {
    line = st.evaluator.HiKantan(s, 1);
    if (line == kFailText) return {};
  } else {
    line = st.evaluator.SikiCalc(s, st.AnsForm, 1);
    if (st.evaluator.CalcStatus < 0) return {};
  }
  putFinishedLine(st, line);
  return {true, 0};
}

void DainyuuLook(std::string_view field, std::string_view paiStr, MessageSink& sink) {
  const std::string e = replacePai(field, paiStr);
  if (e.empty()) return;
  const CommentSplit parts = splitComment(e);
  for (std::string_view combination : {"xP", "xC", "x!"}) {
    if (parts.expr.find(combination) != std::string::npos) {
      sink.box(kDainyuuLookRefusedCaption, kDainyuuLookRefusedText);
      return;
    }
  }
  InpCheckState checker;
  if (SikiCheck(checker, parts.expr, false, true, true, true, sink) != 0) return;
  sink.smallMessage("@" + checker.checkedText + parts.comment, kDainyuuLookCaption,
                    kDainyuuLookMs);
}

}  // namespace ravlo
