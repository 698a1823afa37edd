#include <string>

#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"

namespace ravlo {

namespace {

// The parts of the context that belong to one line (or to one "&" segment of it).
void startSegment(InpCheckState& st) {
  st.fractionMode = false;
  st.PrevJi = '$';
  st.state = 0;
  st.equalsSeen = false;
  st.relationSeen = false;
  st.colonCount = 0;
}

}  // namespace

std::size_t SikiCheck(InpCheckState& st, std::string_view text, bool stripAfterEq,
                      bool buildOut, bool kakeruAbr, bool report, MessageSink& sink) {
  if (stripAfterEq) {
    std::size_t eq = text.find('=');
    if (eq != std::string_view::npos) text = text.substr(0, eq + 1);
  }
  startSegment(st);
  st.checkedText.clear();
  st.openCount = 0;
  st.closeCount = 0;
  auto refuse = [&](std::size_t pos) {
    if (report) {
      std::string msg = "文字列>> ";
      msg += text;
      msg += "\n\n◇ｴﾗｰ:: (";
      msg += std::to_string(pos);
      msg += "字目) ";
      msg += inpCheckMessage(st.InpErrNo);
      sink.box("ｴﾗｰの報告", msg);
    }
    return pos;
  };

  // A question that stops inside a number, an operation or a bracket is as incomplete as a
  // line on which "=" is refused: the same refusal, at the place where "=" would go. The
  // answer-column parts after "&" are not questions.
  bool questionDone = false;
  auto questionComplete = [&](std::size_t end) {
    questionDone = true;
    if (end == 0 || text[end - 1] == '=') return true;
    InpCheckState probe = st;
    NullSink quiet;
    if (CharCheck(probe, '=', kakeruAbr, quiet)) return true;
    st.InpErrNo = probe.InpErrNo;
    return false;
  };

  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '&') {
      if (!questionDone && !questionComplete(i)) return refuse(i + 1);
      // The answer annotation is checked as a line of its own; brackets stay counted.
      startSegment(st);
      if (buildOut) st.checkedText += '&';
      continue;
    }
    if (CharCheck(st, c, kakeruAbr, sink)) {
      st.PrevJi = st.CurJi;
      if (buildOut) st.checkedText += st.CurJi;
      continue;
    }
    return refuse(i + 1);
  }
  if (!questionDone && !questionComplete(text.size())) return refuse(text.size() + 1);
  st.fractionMode = false;
  return 0;
}

}  // namespace ravlo
