#pragma once
// The worked solution of a product or quotient of fractions, mixed numbers, integers and
// decimals (process types 10 to 13): preparation, zero tests and the type procedure.
#include <string_view>

#include "core/message_sink.h"
#include "expr/bracket_tidy.h"
#include "process/process_context.h"

namespace ravlo {

enum class ProductOutcome {
  Built,     // ctx.ProcText holds the raw entries (possibly none after a division by zero)
  Declined,  // not a product this procedure can write out; compute it the ordinary way
  Failed,    // a failure already reported to the user (ctx.ProcOK is 0)
};

inline constexpr const char* kZeroDivisionCaption = "注意!!";
inline constexpr const char* kZeroDivisionText = "０で割ることは許されません！";

// Appends the raw entries of the product question E (the text before "=") of type 10..13 to
// ctx.ProcText. Tidying and the type number are the caller's.
ProductOutcome buildProductProcess(ProcessContext& ctx, KakkoContext& kakko, MessageSink& sink,
                                   std::string_view E, int type);

}  // namespace ravlo
