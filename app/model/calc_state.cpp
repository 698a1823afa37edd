#include "app/model/calc_state.h"

#include <algorithm>
#include <cmath>

#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"

namespace ravlo {
namespace {

// Window metrics come from a toolkit; keep them in a range where the pixel sums stay small.
constexpr int kMaxMetric = 100000;

int clampMetric(int v) { return std::clamp(v, 0, kMaxMetric); }

int roundHalfUp(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

CalcState::CalcState(CalcSettings& settings, MessageSink& sink)
    : numberText(sink),
      evaluator(sink, numberText, bunsuuH, evalCheck, kakko),
      engine(process, sink),
      settings_(settings),
      sink_(sink) {
  GyoKeisuu = settings.GYOKEISUU;
  updateAnsForm();
}

// ---- start-up ----

void CalcState::MainFormCreate(const FontMetrics& metrics, int pixelsPerInch) {
  updateAnsForm();
  GyoKeisuu = settings_.GYOKEISUU;
  setFontMetrics(metrics);
  setPixelsPerInch(pixelsPerInch);
  LeftX = 2 * CharH;
  TopY = 3 * CharH / 2 + ProcTop;
  if (settings_.INPUTSTR_DSP) TopY += InputPanelHeight;
  renderer.CursorX = 2 * CharH;
  renderer.CursorY = TopY;
}

void CalcState::InputFormCreate() {
  InpSiki.clear();
  InpCount = 0;
  check.resetForNewLine();
  AnsShownTai = AnsShownKa = AnsShownSyou = false;
  answerButtonsChanged();
}

void CalcState::setFontMetrics(const FontMetrics& metrics) {
  CharW = clampMetric(metrics.textWidth10) / 10;
  CharH = clampMetric(metrics.textHeight10);
  computeProcTop();
}

void CalcState::setPixelsPerInch(int pixelsPerInch) {
  const int ppi = clampMetric(pixelsPerInch);
  A4Height = roundHalfUp(ppi * 11.7);
  A4Width = roundHalfUp(ppi * 8.3);
}

void CalcState::updateAnsForm() { AnsForm = settings_.ANSSYU + 4 * settings_.SYOUDSP; }

void CalcState::computeProcTop() { ProcTop = settings_.PROCDSP ? roundHalfUp(1.5 * CharH) : 0; }

// ---- painting support ----

void CalcState::layoutScreen() {
  computeProcTop();
  LeftX = 2 * CharH;
  TopY = 3 * CharH / 2 + ProcTop - ScrollPos;
  if (settings_.INPUTSTR_DSP) TopY += clampMetric(InputPanelHeight);
  renderer.lineCount = 0;
  GyoKeisuu = settings_.GYOKEISUU;
  renderer.GyoKeisuu = GyoKeisuu;
  renderer.EQUAL_KAIGYO = settings_.EQUAL_KAIGYO;
  renderer.ScreenCharH = CharH;
  // A worked solution shows its advice and detail as the settings say at this moment.
  process.options.ADVICEDSP = settings_.ADVICEDSP ? 1 : 0;
  process.options.PROCTEIDO = settings_.PROCTEIDO ? 1 : 0;
}

int CalcState::scrollRange() const {
  const long long range = static_cast<long long>(A4Height) * settings_.PAGEA4BAI / 100;
  return static_cast<int>(std::clamp(range, 0LL, static_cast<long long>(kMaxMetric) * 4));
}

LineMarkSpec CalcState::LineMark() const {
  LineMarkSpec mark{CharH / 2, TopY, "■ ", 0x0000FF};
  if (settings_.PROCDSP) {
    mark.text = "◆ ";
    mark.color = 0x800000;
  } else if (NsinMode) {
    mark.text = "Ｎ ";
    mark.color = 0x008000;
  }
  return mark;
}

ScreenRect CalcState::cursorBlock() const {
  int y = renderer.CursorY;
  int height = CharH;
  if (renderer.powerFlag) {
    y = renderer.powerLineY;
    height = roundHalfUp(0.7 * CharH);
  }
  const int x = renderer.CursorX;
  return {x + 2, y + 2, x + CharW - 2, y + height - 2};
}

ScreenRect CalcState::cursorEraseRect() const {
  const int x = renderer.CursorX;
  const int y = renderer.CursorY;
  return {x + 2, y + 2, x + CharW - 2, y + CharH - 2};
}

// ---- input ----

int CalcState::JiInput(char token) {
  if (InpCount > kMaxInpCount) {
    sink_.status(kTooLongText);
    return kJiRefused;
  }
  if (!InpAccept || InputLocked) return kJiClosed;
  // A base-n line may leave its last ")" out ("255>(16"), which the checker would hold
  // against a "="; the conversion reads the line itself.
  if (NsinMode && token == '=') {
    commands_->run(CalcCommand::NsinHenkan);
    return kJiRefused;
  }

  // A "=" that ends up not appended must not leave the checker a step ahead of the text.
  const InpCheckState before = check;
  // A base-n line puts its base in brackets right after the number ("11(2"); it is never
  // computed, so the omitted "×" the checker guards against cannot arise there.
  const bool kakeruAbr = settings_.KAKERU_ABR != 0 || NsinMode;
  if (!CharCheck(check, token, kakeruAbr, sink_)) {
    sink_.status(inpCheckMessage(check.InpErrNo));
    return kJiRefused;
  }
  const char ji = check.CurJi;
  if (ji == '%') return kJiRefused;

  if (settings_.EVERYINPUT == 1 && !ReplayMode && !settings_.PROCDSP) {
    voice_->SikiSpeak(std::string_view(&ji, 1), false);
  }

  if (ji == '=') {
    if (InpSiki.find('=') != std::string::npos) {
      check = before;
      return kJiRefused;
    }
    if (InpSiki.find('x') != std::string::npos) {
      // An equation: "=" is an ordinary token; only the solve command computes.
      settings_.EQUAL_KAIGYO = false;
    } else if (InpSiki.find_first_of("<>") != std::string::npos) {
      check = before;
      return kJiRefused;
    } else {
      return equalSequence();
    }
  }

  sink_.status("");
  InpSiki += ji;
  GyoKeisuu = settings_.GYOKEISUU;
  if (settings_.INPUTSTR_DSP) InpStrDsp(InpSiki);
  check.PrevJi = ji;
  LastSiki = InpSiki;
  ++InpCount;
  view_->repaint();
  return kJiAccepted;
}

int CalcState::JiInputText(std::string_view text) {
  int rc = kJiRefused;
  for (char c : text) rc = JiInput(c);
  return rc;
}

int CalcState::typePai() {
  int rc = kJiRefused;
  for (char c : PaiStr) {
    rc = JiInput(c);
    if (rc != kJiAccepted) break;
  }
  return rc;
}

int CalcState::InpKeySyori(int key, KeyMods mods) {
  int rc = 0;
  if (key == vk::Yen) rc = typePai();
  const KeyContext ctx{InpAccept, NsinMode, settings_.RETKEYFLAG, commands_->toolBoxOpen()};
  const KeyAction action = InpKeyAction(key, mods, ctx);
  switch (action.kind) {
    case KeyActionKind::Nothing:
      break;
    case KeyActionKind::Token:
      rc = JiInput(action.token);
      break;
    case KeyActionKind::AppendDirect:
      appendDirect(action.token);
      break;
    case KeyActionKind::Command:
      runCommand(action.command);
      break;
  }
  return rc;
}

void CalcState::runCommand(CalcCommand command) {
  switch (command) {
    case CalcCommand::Clear: SikiClear(); return;
    case CalcCommand::Restore: SikiRestore(); return;
    case CalcCommand::BackSpace: SikiBackSpace(); return;
    case CalcCommand::ScrollUp: scrollBy(-kArrowScroll); return;
    case CalcCommand::ScrollDown: scrollBy(kArrowScroll); return;
    case CalcCommand::ScrollTop: scrollTo(0); return;
    case CalcCommand::ScrollBottom: scrollTo(ClientHeight); return;
    case CalcCommand::LineSpacingUp: lineSpacing(1); return;
    case CalcCommand::LineSpacingDown: lineSpacing(-1); return;
    case CalcCommand::PageHeightUp: pageHeight(1); return;
    case CalcCommand::PageHeightDown: pageHeight(-1); return;
    case CalcCommand::ProcessDisplaySwitch: ProcessDisplaySwitch(); return;
    case CalcCommand::BetsukaiSwitch: BetsukaiSwitch(); return;
    case CalcCommand::EqualKaigyoSwitch: EqualKaigyoSwitch(); return;
    case CalcCommand::KeepAnswer: answers.CopyAnswer(*this); return;
    case CalcCommand::PasteAnswer: answers.PasteAnswer(*this); return;
    case CalcCommand::ViewAnswer: answers.ViewAnswer(*this); return;
    case CalcCommand::KeepAndCopy: {
      answers.CopyAnswer(*this);
      const std::string line = computedLine(*this);
      if (!line.empty()) view_->copyLine(line);
      return;
    }
    default: commands_->run(command); return;
  }
}

bool CalcState::appendDirect(char c) {
  // A closed line is a result; letters typed now would corrupt it.
  if (!InpAccept || InputLocked) return false;
  if (InpSiki.size() > static_cast<std::size_t>(kMaxInpCount)) {
    sink_.status(kTooLongText);
    return false;
  }
  if (c == '>' && InpSiki.find('>') != std::string::npos) return false;
  InpSiki += c;
  view_->repaint();
  return true;
}

// ---- editing ----

void CalcState::SikiClear() {
  renderer.CursorColor = kCursorColor;
  renderer.powerFlag = false;
  check.resetForNewLine();
  if (NsinMode) LastSiki = InpSiki;
  InpSiki.clear();
  process.ProcText.clear();
  process.ProcType = 0;
  InpCount = 0;
  GyoKeisuu = settings_.GYOKEISUU;
  ScrollPos = 0;
  sink_.status("");
  InpAccept = true;
  AnsShownTai = AnsShownKa = AnsShownSyou = false;
  SoinsuuShown = false;
  SoinsuuLines.clear();
  DecimalNote.reset();
  AppendedValues.clear();
  answerButtonsChanged();
  computeProcTop();
  LeftX = 2 * CharH;
  TopY = 3 * CharH / 2 + ProcTop;
  if (settings_.INPUTSTR_DSP) {
    view_->showInputString("");
    TopY += clampMetric(InputPanelHeight);
  }
  renderer.CursorX = LeftX;
  renderer.CursorY = TopY;
  renderer.cursorFollowsPen = true;
  view_->repaint();
  RestoreOK = true;
}

int CalcState::SikiRestore() {
  if (!RestoreOK || InputLocked) return kRestoreNotAllowed;
  RestoreOK = false;
  if (LastSiki.empty()) return -1;
  const std::string text = numberText.SikiCutAnsX(LastSiki, false);
  if (NsinMode) {
    InpSiki = text;
    InpAccept = true;
    view_->repaint();
    if (text.find_first_of("ABCDEF") != std::string::npos) {
      sink_.box(kNsinRestoreCaption, kNsinRestoreText);
      SikiClear();
      InpSiki.clear();
      LastSiki.clear();
    }
    return 1;
  }
  // Restoring over a finished line starts a new line first; re-entering into a closed line
  // would only empty it.
  if (!InpAccept) {
    SikiClear();
    RestoreOK = false;
  }
  InpSiki.clear();
  check.resetForNewLine();
  InpCount = 0;
  JiInputText(text);
  return 1;
}

int CalcState::SikiBackSpace() {
  if (!InpAccept || InputLocked) return -1;
  if (InpCount == 0) return -2;
  --InpCount;
  std::string text = InpSiki;
  if (!text.empty()) text.pop_back();
  SikiClear();
  ReplayMode = true;
  for (char c : text) {
    // Base-n digits A-F and the ">" mark never went through the checker: put them back the
    // way they came.
    const bool direct = NsinMode && ((c >= 'A' && c <= 'F') || c == '>');
    if (direct) {
      appendDirect(c);
    } else {
      JiInput(c);
    }
  }
  RestoreOK = false;
  ReplayMode = false;
  return 1;
}

// ---- screen commands ----

void CalcState::InpStrDsp(std::string_view text) {
  std::string caption;
  caption.reserve(text.size());
  for (char c : text) {
    if (c == '&') {
      caption += "＆";
    } else {
      caption += c;
    }
  }
  view_->showInputString(caption);
}

void CalcState::CursorErase() { view_->eraseCursor(cursorEraseRect()); }

void CalcState::closeInput() {
  InpAccept = false;
  CursorErase();
}

void CalcState::answerButtonsChanged() {
  view_->setAnswerButtons(!AnsShownTai, !AnsShownKa, !AnsShownSyou);
}

void CalcState::ProcessDisplaySwitch() {
  settings_.PROCDSP = !settings_.PROCDSP;
  computeProcTop();
  view_->repaint();
}

void CalcState::EqualKaigyoSwitch() {
  settings_.EQUAL_KAIGYO = !settings_.EQUAL_KAIGYO;
  view_->repaint();
}

void CalcState::scrollTo(int position) {
  ScrollPos = std::clamp(position, 0, scrollRange());
  view_->repaint();
}

void CalcState::scrollBy(int delta) {
  const long long target = static_cast<long long>(ScrollPos) + delta;
  scrollTo(static_cast<int>(std::clamp(target, 0LL, static_cast<long long>(scrollRange()))));
}

int CalcState::lineAdvance() const {
  return std::max(1, CharH * std::clamp(GyoKeisuu, kMinGyoKeisuu, kMaxGyoKeisuu) / 2);
}

void CalcState::lineSpacing(int delta) {
  const int now = std::clamp(GyoKeisuu, kMinGyoKeisuu, kMaxGyoKeisuu);
  GyoKeisuu = std::clamp(now + delta, kMinGyoKeisuu, kMaxGyoKeisuu);
  settings_.GYOKEISUU = GyoKeisuu;
  view_->repaint();
}

void CalcState::pageHeight(int delta) {
  const int now = std::clamp(settings_.PAGEA4BAI, kMinPageA4Bai, kMaxPageA4Bai);
  settings_.PAGEA4BAI = std::clamp(now + delta, kMinPageA4Bai, kMaxPageA4Bai);
  view_->repaint();
}

}  // namespace ravlo
