#pragma once
// Which worked solution fits a question: counts the kinds of numbers and operators of a flat
// sum or product and picks the process type (0 = none).
#include <string_view>

#include "core/message_sink.h"
#include "process/process_context.h"

namespace ravlo {

SikiProfile SikiTypeCheck(std::string_view E, MessageSink& sink);

}  // namespace ravlo
