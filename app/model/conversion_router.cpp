#include "app/model/conversion_router.h"

#include "app/model/answer_commands.h"
#include "app/model/nsin_mode.h"
#include "app/model/soinsuu_dsp.h"

namespace ravlo {

bool runConversionCommand(CalcState& st, CalcCommand command) {
  switch (command) {
    case CalcCommand::AnswerAsDecimal: AnswerAsDecimal(st); return true;
    case CalcCommand::AnswerAsMixed: AnswerAsMixed(st); return true;
    case CalcCommand::AnswerAsImproper: AnswerAsImproper(st); return true;
    case CalcCommand::Reduce: ReduceLine(st); return true;
    case CalcCommand::DecimalToFraction: DecimalToFraction(st); return true;
    case CalcCommand::JunkanSyori: JunkanSyori(st); return true;
    case CalcCommand::PrimeFactorize: SoinsuuPre(st); return true;
    case CalcCommand::NsinModeSwitch: NsinModeSwitch(st); return true;
    case CalcCommand::NsinHenkan: NsinHenkan(st); return true;
    default: return false;
  }
}

}  // namespace ravlo
