#pragma once
// The input checker: a state machine that accepts or refuses one character at a time, so
// that an ill-formed expression can never be typed, and checks whole texts the same way.
#include <cstddef>
#include <string_view>

#include "core/message_sink.h"
#include "expr/inp_check_state.h"

namespace ravlo {

// Checks one character against the context. On acceptance the caller appends
// `st.CurJi` (a typed "+"/"-" where a sign is due becomes "p"/"m", "k"/"b" inside "[ ]"
// become "K"/"B") and stores it as `st.PrevJi`; on refusal `st.InpErrNo` says why.
// kakeruAbr allows leaving out "×" before "(", "x", "y", "z".
bool CharCheck(InpCheckState& st, char ch, bool kakeruAbr, MessageSink& sink);

// True when the integer part of an expression fraction (the fraction text after its last
// "[") is a plain, optionally signed, number.
bool FracIntOk(std::string_view fractionText);

// Checks a whole text with the same machine. Returns 0 when every character is accepted,
// else the position (from 1) of the first refused one. stripAfterEq cuts the text after its
// first "="; buildOut collects the converted text in st.checkedText; report shows the
// refusal in a box.
std::size_t SikiCheck(InpCheckState& st, std::string_view text, bool stripAfterEq,
                      bool buildOut, bool kakeruAbr, bool report, MessageSink& sink);

}  // namespace ravlo
