// The "=" of the calculation screen: quotient with remainder, the worked solution, or the
// answer chain; and F6, which rebuilds the worked solution the other way.
#include <cmath>

#include "app/model/calc_state.h"
#include "expr/wari_amari.h"

namespace ravlo {

int CalcState::equalSequence() {
  closeInput();

  if (settings_.WARI_TYPE == 1) {
    const std::string quotient = WariAmari(InpSiki, settings_.WARI_PNT);
    if (quotient != "n") {
      InpSiki += "=" + quotient;
      if (settings_.INPUTSTR_DSP) InpStrDsp(InpSiki);
      view_->repaint();
      return kJiRefused;
    }
  }

  if (settings_.PROCDSP) {
    process.options.PROCLASTANS = settings_.PROCLASTANS ? 1 : 0;
    process.options.PROCTEIDO = settings_.PROCTEIDO ? 1 : 0;
    process.options.ADVICEDSP = settings_.ADVICEDSP ? 1 : 0;
    if (engine.CalcProcMake(InpSiki, true) == 1) {
      view_->repaint();
      return kJiRefused;
    }
    if (!process.ProcOK) {
      // The engine has said what went wrong; the question stays on screen uncomputed.
      process.ProcText = InpSiki;
      process.ProcType = 0;
      view_->repaint();
      return kJiProcessFailed;
    }
  }

  if (EqualKeisan(InpSiki) < 0) {
    // The evaluator has shown its message: the question comes back for correcting.
    SikiClear();
    SikiRestore();
  }
  if (settings_.ALLSTRING == 1) voice_->SikiSpeak(InpSiki, true);
  return kJiComputed;
}

int CalcState::EqualKeisan(std::string_view expr) {
  const std::string question(expr);
  if (question.find(':') == std::string::npos) {
    std::string answer = evaluator.SikiCalc(question, AnsForm, 0);
    if (evaluator.CalcStatus < 0) return evaluator.CalcStatus;
    if (settings_.KAITOURAN_FLAG) answer += "&" + answer.substr(0, answer.find('='));
    InpSiki = question + "=" + answer;
    GyoKeisuu = settings_.GYOKEISUU;

    if (settings_.ANSSYU == 0 || settings_.ANSSYU == 2) AnsShownTai = true;
    if (settings_.ANSSYU == 1 || settings_.ANSSYU == 2) AnsShownKa = true;
    DecimalNote.reset();
    if (settings_.SYOUDSP == 1 && evaluator.SyoAnsOK == 1) {
      // The decimal is on screen: 小S has nothing left to add.
      AnsShownSyou = true;
      const int noteSize = static_cast<int>(std::lround(0.6 * settings_.FONTSIZE));
      if (numberText.SyoOwariFlag != 0) {
        DecimalNote = AnswerNote{kDividedNote, 0x008000, noteSize};
      } else {
        DecimalNote = AnswerNote{kNotDividedNote, 0x0000FF, noteSize};
      }
    }
    answerButtonsChanged();
  } else {
    const std::string ratio = evaluator.HiKantan(question, 0);
    if (ratio == "n") return kEqualRatioFailed;
    InpSiki = question + "=" + ratio + "&" + ratio;
    GyoKeisuu = settings_.GYOKEISUU;
  }
  view_->repaint();
  if (settings_.INPUTSTR_DSP) InpStrDsp(InpSiki);
  InpAccept = false;
  return kEqualOk;
}

int CalcState::BetsukaiSwitch() {
  SikiClear();
  SikiRestore();
  process.options.PROCLASTANS = settings_.PROCLASTANS ? 1 : 0;
  process.options.PROCTEIDO = settings_.PROCTEIDO ? 1 : 0;
  process.options.ADVICEDSP = settings_.ADVICEDSP ? 1 : 0;
  const int mode = engine.BetsukaiSwitch(InpSiki);
  // Only a built process closes the line; otherwise the question stays open for "=".
  if (process.ProcType != 0 && !process.ProcText.empty()) closeInput();
  view_->repaint();
  return mode;
}

}  // namespace ravlo
