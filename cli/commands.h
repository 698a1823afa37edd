#pragma once
// One function per ravlo-cli command; each lives in its own cmd_*.cpp.
#include "cli/cli_io.h"

namespace ravlo::cli {

int runHelp(const Args& args, CliIo& io);
// calc [--anssyu 0|1|2] [--syoudsp 0|1] [--wari-type 0|1] [--wari-pnt N] [--ini FILE] EXPR:
// the computed line (answer chain, simplified ratio or quotient with remainder).
int runCalc(const Args& args, CliIo& io);
// check [--kakeru-abr 0|1] EXPR: the input checker's verdict on a whole expression.
int runCheck(const Args& args, CliIo& io);
// process [--betsukai 0|1] [--proclastans 0|1] [--henkan-yakubun 0|1] EXPR: the worked solution.
int runProcess(const Args& args, CliIo& io);
// factor [--wa-type 0|1] [--1gyou-suu N] N: the factorization, then the divisor sum.
int runFactor(const Args& args, CliIo& io);
// base TEXT: the base-n conversion line ("255>(16" -> "255(10)=FF(16)").
int runBase(const Args& args, CliIo& io);
// render [--font-size N] EXPR -o OUT.png|OUT.pdf: the line drawn in built-up form.
int runRender(const Args& args, CliIo& io);

// subst EXPR x=V [y=V] [z=V]: the expression with the values put in, as the substitution box
// builds it.
int runSubst(const Args& args, CliIo& io);

// convert [--process] KIND EXPR: a conversion of the calculation screen on the line, or its
// worked solution.
int runConvert(const Args& args, CliIo& io);

// speak [--rate N] [--volume N] [--ini FILE] EXPR -o OUT.wav: the line spoken into a WAV file;
// speak --text EXPR: its reading.
int runSpeak(const Args& args, CliIo& io);

// notebook compute [--ini FILE] IN.siki [-o OUT.siki]: compute-all of the notebook, written
// back; notebook print [--worksheet] [--ini FILE] IN.siki -o OUT.pdf: its printed page.
int runNotebook(const Args& args, CliIo& io);
// notebook print's half of runNotebook; the desktop draws the page, the web build says it cannot.
int runNotebookPrint(const Args& args, CliIo& io);
// notebook generate: worksheets of generated problems as .siki files; --list the patterns.
int runNotebookGenerate(const Args& args, CliIo& io);
// real FUNC ARGS: what the constants box's real-number calculator puts into its input field.
int runReal(const Args& args, CliIo& io);

}  // namespace ravlo::cli
