#include "notebook/model/note_compute.h"

#include <string>

#include "core/text_helpers.h"
#include "expr/houtei_solver.h"
#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"
#include "notebook/model/note_format.h"
#include "notebook/model/note_messages.h"

namespace ravlo {
namespace {

// Question "=" answer "&" answer; the question keeps its own "=", so the doubled one goes.
std::string answeredLine(std::string_view q, std::string_view a) {
  std::string line = std::string(q) + "=" + std::string(a) + "&" + std::string(a);
  for (std::size_t at = line.find("=="); at != std::string::npos; at = line.find("==", at + 1))
    line.erase(at, 1);
  return line;
}

}  // namespace

NoteCompute::NoteCompute(NoteDoc& doc, MessageSink& sink, const CalcSettings& settings)
    : doc_(doc), sink_(sink), settings_(settings), numberText_(sink),
      evaluator_(sink, numberText_, bunsuuH_, evalCheck_, kakko_) {}

std::string NoteCompute::checkFailMessage(std::string_view format, int number,
                                          std::size_t position) const {
  return fillNoteText(format, {std::to_string(number), std::to_string(position),
                               std::to_string(checker_.InpErrNo),
                               inpCheckMessage(checker_.InpErrNo)});
}

NoteCompute::Outcome NoteCompute::computeOne(int number, bool wholeCheck,
                                             std::string_view checkFailText,
                                             std::string& result) {
  std::string t = doc_.Siki(number);
  if (t.empty()) return Outcome::Empty;
  // An old answer is never carried into the new one: the single compute cuts the answer
  // column here and the answer chain with the question below, the batch cuts both at once.
  t = wholeCheck ? numberText_.SikiCutAnsX(t, true) : numberText_.AnnoCut(t);
  const bool hasX = t.find('x') != std::string::npos;

  // The notebook names the problem and the reason itself; the checker stays quiet.
  NullSink quiet;
  checker_.resetForNewLine();
  const bool stripAfterEq = !(wholeCheck && hasX);
  if (const std::size_t p = SikiCheck(checker_, t, stripAfterEq, false, true, false, quiet); p > 0) {
    sink_.box(kNoteReportCaption, checkFailMessage(checkFailText, number, p), BoxButtons::Ok,
              BoxIcon::Warning);
    return Outcome::Refused;
  }

  const std::string q = SikiCutAns(t, true);
  // The single compute looks for x in the question only, the batch in the whole equation.
  if (wholeCheck ? hasX : q.find('x') != std::string::npos) {
    HouteiSolver solver(sink_, evaluator_, numberText_, bunsuuH_);
    solver.ANSSYU = settings_.ANSSYU;
    std::string r = solver.HouteiSolve(t, 1);
    if (r == kFailText) {
      // The solver says why; a failure inside the evaluator has been told already.
      if (!solver.HouteiErrMsg.empty())
        sink_.box(kHouteiCaption, solver.HouteiErrMsg, BoxButtons::Ok, BoxIcon::Warning);
      return Outcome::Unsolved;
    }
    result = std::move(r);
    return Outcome::Answered;
  }

  std::string a;
  if (q.find(':') != std::string::npos) {
    a = evaluator_.HiKantan(q, 0);
    if (a == kFailText) return Outcome::Kept;
  } else {
    a = evaluator_.SikiCalc(q, ansForm(), 0);
    if (evaluator_.CalcStatus < 0) return Outcome::Uncomputed;
  }
  result = answeredLine(q, a);
  return Outcome::Answered;
}

bool NoteCompute::computeSelected() {
  report_ = {};
  if (!doc_.hasSelection()) {
    sink_.box(kNoteCheckCaption, kNoteComputeSelectText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  doc_.NoteSnapshot();
  if (sink_.box(kNoteCheckCaption, kNoteComputeConfirmText, BoxButtons::OkCancel,
                BoxIcon::Question) != BoxAnswer::Ok) {
    report_.cancelled = true;
    return false;
  }
  const int n = doc_.SelNo;
  std::string result;
  switch (computeOne(n, false, kNoteCheckFailSelectedText, result)) {
    case Outcome::Answered:
      break;
    case Outcome::Refused:
      report_.refused.push_back(n);
      return false;
    case Outcome::Unsolved:
      report_.unsolved.push_back(n);
      return false;
    case Outcome::Uncomputed:
      report_.uncomputed.push_back(n);
      return false;
    case Outcome::Kept:
    case Outcome::Empty:
      return false;
  }
  report_.answered.push_back(n);
  doc_.ResultBuffer = result;
  doc_.SikiTbl[static_cast<std::size_t>(n - 1)] = std::move(result);
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

bool NoteCompute::computeAll(bool askFirst) {
  report_ = {};
  if (askFirst && sink_.box(kNoteCheckCaption, kNoteComputeAllConfirmText, BoxButtons::OkCancel,
                            BoxIcon::Question) != BoxAnswer::Ok) {
    report_.cancelled = true;
    return false;
  }
  doc_.NoteSnapshot();
  for (int n = 1; n <= doc_.count(); ++n) {
    std::string result;
    switch (computeOne(n, true, kNoteCheckFailAllText, result)) {
      case Outcome::Answered:
        report_.answered.push_back(n);
        doc_.ResultBuffer = result;
        doc_.SikiTbl[static_cast<std::size_t>(n - 1)] = std::move(result);
        break;
      case Outcome::Refused:
        report_.refused.push_back(n);
        break;
      case Outcome::Unsolved:
        report_.unsolved.push_back(n);
        sink_.box(kNoteReportCaption, fillNoteText(kNoteUnsolvedText, {std::to_string(n)}),
                  BoxButtons::Ok, BoxIcon::Warning);
        break;
      case Outcome::Uncomputed:
        report_.uncomputed.push_back(n);
        sink_.box(kNoteReportCaption, fillNoteText(kNoteUncomputedText, {std::to_string(n)}),
                  BoxButtons::Ok, BoxIcon::Warning);
        break;
      case Outcome::Kept:
      case Outcome::Empty:
        break;
    }
  }
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

}  // namespace ravlo
