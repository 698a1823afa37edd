#include "cli/commands.h"

namespace ravlo::cli {

int runHelp(const Args&, CliIo& io) {
  io.out << "ravlo-cli COMMAND [OPTIONS] ARGS\n"
            "Expressions are given in the calculator's encoded text (3b2 is two thirds).\n"
            "An argument - reads one expression per line from standard input.\n"
            "\n"
            "Commands:\n"
            "  calc [--anssyu 0|1|2] [--syoudsp 0|1] [--wari-type 0|1] [--wari-pnt N] [--ini FILE] EXPR\n"
            "  check [--kakeru-abr 0|1] EXPR\n"
            "  process [--betsukai 0|1] [--proclastans 0|1] [--henkan-yakubun 0|1] [--ini FILE] EXPR\n"
            "  convert [--process] yaku|syou|junkan|tai|ka|junkan-of|decimal EXPR\n"
            "  factor [--wa-type 0|1] [--1gyou-suu N] N\n"
            "  base TEXT\n"
            "  render [--process] [--font-size N] EXPR -o OUT.png|OUT.pdf\n"
            "  speak [--rate N] [--volume N] [--ini FILE] EXPR -o OUT.wav   the line spoken into a WAV file\n"
            "  speak --text EXPR                                           the reading of the line\n"
            "  notebook compute [--ini FILE] IN.siki [-o OUT.siki]\n"
            "      computes every problem as the notebook's compute-all does and writes the\n"
            "      notebook (to IN when -o is absent); messages on standard error\n"
            "  notebook print [--worksheet [--columns 1|2] [--solutions]] [--ini FILE] IN.siki -o OUT.pdf\n"
            "      the notebook page as the notebook window prints it (A4 PDF); --worksheet:\n"
            "      a header (名前・日付・点数, the sheet's code), the problems with empty answer\n"
            "      places in 1 or 2 columns, then the answer key; --solutions: each answer\n"
            "      followed by its worked solution\n"
            "  notebook generate --pattern P[,P...]|--grade G|--code S-NN [--count N] [--seed S]\n"
            "      [--variants K] [--max-den N] [--max-whole N] [--terms N] [--answer KIND]\n"
            "      [--op add|sub|both] [--borrow any|yes|no] [--cancel any|yes|no] -o OUT.siki\n"
            "      worksheets of generated problems (OUT-01.siki... when K > 1), each titled with\n"
            "      its pattern and code; notebook generate --list: the patterns and grades\n"
            "  real FUNC ARGS   the real-number calculator (FUNC sqrt log10 ln inv pow sin cos tan\n"
            "      asin acos atan gcd lcm; two arguments as A,N): the value it puts into its field\n"
            "  subst EXPR x=V [y=V] [z=V]\n"
            "      the expression with the values put in for x, y, z, as the substitution box\n"
            "      builds it (x=-1 goes in as (-1)); pipe it into calc -\n";
  return kOk;
}

}  // namespace ravlo::cli
