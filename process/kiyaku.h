#pragma once
// Cross-cancellation of a product: every numerator against every denominator of the factor
// array, the way a teacher strikes them through before multiplying.
#include <string>

#include "core/message_sink.h"
#include "process/process_context.h"

namespace ravlo {

// Cancels the factors of ctx.factors crosswise, records every value each numerator and
// denominator took (ProductSlots stacks, read by the Z-line drawing), and fills KiyakuSiki,
// KiyakuKotae, KiyakuBunboMax and KiyakuBunsiMax. Returns "=" + KiyakuSiki + "=" + the value
// text, or "n" when the product of the cancelled values leaves the int64 range (the product
// message is shown) or the array holds an invalid value.
std::string KiyakuKakezan(ProcessContext& ctx, MessageSink& sink);

}  // namespace ravlo
