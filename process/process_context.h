#pragma once
// The worked solution being built, and everything the step procedures hand to each other.
// One context lives as long as the calculation state; tests create a fresh one per case.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/bunsuu64.h"

namespace ravlo {

// The process settings the procedures read; the program fills them from its settings record.
struct ProcessOptions {
  int PROCDSP = 0;         // 1 = build the process on "=" and in the conversion commands
  int PROCLASTANS = 0;     // final answer: 0 mixed number, 1 improper fraction
  int PROCTEIDO = 0;       // detail level: 0 ordinary, 1 detailed
  int ADVICEDSP = 0;       // advice lines drawn after the steps
  int HENKAN_YAKUBUN = 1;  // improper/mixed conversions reduce first; not saved, starts on
};

// What the classifier found in a question.
struct SikiProfile {
  int32_t plusCount = 0;
  int32_t minusCount = 0;
  int32_t termCount = 0;
  int32_t mulCount = 0;
  int32_t divCount = 0;
  int32_t mixedCount = 0;
  int32_t improperCount = 0;
  int32_t properCount = 0;
  int32_t integerCount = 0;
  int32_t type = 0;
};

// Working texts of the sum procedures.
struct SumSlots {
  std::string TuubunDisp;
  int TuubunHitsuyou = 0;
  std::string BunriSiki;
  std::string SeisuuGroup;
  std::string BunsuuGroup;
  std::string MatomeSiki;
  std::string MatomeKekka;
  std::string MatomeTai;
  bool BunboChigau = false;   // the fraction terms of the last YakubunKazu differ in denominator
  int YakubunSikiKazu = 0;    // terms reduced by the last YakubunSiki
};

// Working texts and flags of the product procedures.
struct ProductSlots {
  std::string KaBunsuuSiki;
  std::string GyakusuuSiki;
  std::string KiyakuSiki;
  std::string KiyakuKotae;
  int ZeroKake = 0;
  int ZeroWari = 0;
  int KiyakuBunboMax = 0;
  int KiyakuBunsiMax = 0;
  int ZSign = 1;
  // A factor that is not one plain number, or that does not read as a value.
  bool factorUnreadable = false;
  // The values every numerator and denominator of the factor array took during the
  // cross-cancellation, the original first; the Z line writes them stacked at the bar.
  std::vector<std::vector<int64_t>> bunsiStacks;
  std::vector<std::vector<int64_t>> bunboStacks;
};

struct ProcessContext {
  std::string ProcText;
  int ProcType = 0;
  int BetsukaiMode = 0;  // 1 = the alternative solution; not saved
  bool ProcOK = true;
  SikiProfile profile;
  // One value per factor of the last product (or term of the last common-denominator sum);
  // the Z-line drawing reads it.
  std::vector<Bunsuu64> factors;
  SumSlots sums;
  ProductSlots products;
  ProcessOptions options;

  // Empties the text and every working slot before a new process; keeps mode and options.
  void clearWork() {
    ProcText.clear();
    profile = {};
    factors.clear();
    sums = {};
    products = {};
  }
};

// Appends one raw step entry "~NNN" + tag + "=" + expr to text (advice 0..99, tag one of XYZA).
void appendEntry(std::string& text, int advice, char tag, std::string_view expr);

}  // namespace ravlo
