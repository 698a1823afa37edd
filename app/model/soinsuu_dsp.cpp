#include "app/model/soinsuu_dsp.h"

#include <string>

#include "core/number_theory.h"

namespace ravlo {
namespace {

constexpr std::string_view kNotNaturalChars = "+-*/^mpkb.";

SoinsuuLine text(int row, std::string t, Color color = 0x000000) {
  return {SoinsuuLine::Kind::Text, row, std::move(t), color};
}

}  // namespace

std::vector<SoinsuuLine> soinsuuClosingLines(std::int64_t n, int listed, std::int64_t sum,
                                             std::string_view sumRun, int waType) {
  const std::string N = std::to_string(n);
  std::vector<SoinsuuLine> lines;
  if (n == 1) {
    lines.push_back(text(3, "◎ < １ > は素数でも合成数でもありません。"));
    lines.push_back(text(4, "　［１の約数は１の１個だけなので］"));
    return lines;
  }
  // The run leaves out the number itself unless WA_TYPE asks for it.
  const int proper = listed - waType;
  if (proper <= 1) {
    lines.push_back(text(3, "▽ < " + N + " > は素数です。"));
    lines.push_back(text(4, "　［約数が１と " + N + " の２個だけなので］"));
    return lines;
  }
  lines.push_back(text(3, "▽ < " + N + " > は合成数です。"));
  lines.push_back(
      text(4, "　［約数が全部で " + std::to_string(proper + 1) + " 個（＞２個）あるので］"));
  const std::string k = std::to_string(listed);
  lines.push_back(text(6,
                       waType == 0 ? "◎ < " + N + " > の約数 " + k + " 個[元の数を除く]の和◎"
                                   : "◎ < " + N + " > の全約数(" + k + "個)の和◎",
                       kSoinsuuSumCaptionColor));
  lines.push_back({SoinsuuLine::Kind::Run, 8, std::string(sumRun), 0x000000});
  if (waType == 0) {
    std::string verdict = sum > n    ? "（過剰数［元の数より大きい］）"
                          : sum == n ? "（完全数［元の数と同じ大きさ］）"
                                     : "（不足数［元の数より小さい］）";
    lines.push_back({SoinsuuLine::Kind::AfterRun, 8, std::move(verdict), kSoinsuuVerdictColor});
  }
  return lines;
}

bool SoinsuuPre(CalcState& st) {
  const std::string& line = st.InpSiki;
  if (line.empty() || line.front() == '0' ||
      line.find_first_of(kNotNaturalChars) != std::string::npos) {
    st.sink().beep();
    st.sink().box(kSoinsuuCheckCaption, kSoinsuuCheckText);
    return false;
  }
  return SoinsuuDsp(st);
}

bool SoinsuuDsp(CalcState& st) {
  MessageSink& sink = st.sink();
  const CalcSettings& settings = st.settings();
  st.SoinsuuLines.clear();
  sink.status(std::string(kSoinsuuWorkingText) +
              std::string(st.SoinsuuAbort ? kSoinsuuAbortHint : kSoinsuuNoAbortHint));

  NumberTheory nt(sink);
  nt.SoinsuuAbort = st.SoinsuuAbort ? 1 : 0;
  const std::string factors = nt.SoinsuuBunkai(st.InpSiki);
  if (factors == "n") {
    // Interrupted or unreadable: the working notice must not stay up.
    st.SoinsuuShown = false;
    sink.beep();
    sink.status(kSoinsuuFailedText);
    return false;
  }
  const std::string question = st.InpSiki;
  st.InpSiki = question + "=" + factors;
  st.process.ProcType = 0;

  const int waType = settings.WA_TYPE != 0 ? 1 : 0;
  const std::string sumRun = nt.YakusuuWa(factors, waType, settings.ICHIGYOU_SUU);
  st.closeInput();
  if (settings.INPUTSTR_DSP) st.InpStrDsp(st.InpSiki);
  if (sumRun == "n") {
    // The factorization stands; only its divisor sum could not be formed.
    st.SoinsuuShown = false;
    st.repaint();
    sink.beep();
    sink.status(kSoinsuuFailedText);
    return true;
  }
  st.SoinsuuLines = soinsuuClosingLines(nt.SoinsuuN, nt.YakusuuKazu, nt.YakusuuSum, sumRun, waType);
  st.SoinsuuShown = true;
  st.repaint();
  sink.status(kSoinsuuDoneText);
  return true;
}

}  // namespace ravlo
