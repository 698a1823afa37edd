#pragma once
// The input checker's context. The program owns one for its run; every check reads and
// updates it, and callers read the error number and the checked character right after.
#include <string>

namespace ravlo {

struct InpCheckState {
  int state = 0;             // the machine's state number
  char PrevJi = '$';         // last accepted (converted) character; "$" at a line start
  int InpErrNo = 0;          // why the last character was refused
  char CurJi = '\0';         // the character to append, possibly converted
  long long openCount = 0;   // accepted "("
  long long closeCount = 0;  // accepted ")"
  int colonCount = 0;        // ":" since the last "="
  bool equalsSeen = false;   // an "=" was accepted in this line
  bool relationSeen = false; // a "<" or ">" was accepted in this line
  int digitRun = 0;          // length of the current digit run
  int fracDigitRun = 0;      // the same inside an expression fraction
  bool repeatMarkUsed = false;  // "@" already used in the current decimal
  int returnState = 0;       // where to go after the digit that must follow ".", "b", "k", ...
  bool fractionMode = false; // inside "[ ]"
  std::string fractionText;  // characters accepted since "[" (starts as "[")
  bool relaxedSigns = false; // a sign may follow a binary operator (set while computing)
  std::string checkedText;   // the converted text built by SikiCheck

  // What the calculation state does when a new line starts.
  void resetForNewLine() { *this = InpCheckState{}; }

  bool operator==(const InpCheckState&) const = default;
};

}  // namespace ravlo
