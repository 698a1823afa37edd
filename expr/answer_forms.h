#pragma once
// The settings that choose how an answer is written, as plain values: the calculator and the
// command line fill them from the settings record.
namespace ravlo {

struct AnswerOptions {
  int ANSSYU = 0;     // 0 mixed number, 1 improper fraction, 2 both
  int SYOUDSP = 0;    // 1 adds the decimal
  int WARI_TYPE = 0;  // 1: a plain decimal division gives quotient and remainder
  int WARI_PNT = 10;  // decimal places of that quotient

  // The answer-forms code that SikiCalc takes.
  int ansForms() const { return ANSSYU + 4 * SYOUDSP; }
};

}  // namespace ravlo
