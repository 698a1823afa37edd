#pragma once
// The tidy form of a worked solution: entries NNN T E "~", the first without "=", every
// other "=" of a chain on a line of its own, and a line that only repeats the next one dropped.
#include <string>
#include <string_view>

namespace ravlo {

std::string ProcTextSeiri(std::string_view raw);

// ProcText without its last entry (or the last member of its last chain), ended by "=";
// "" when the text has no "=".
std::string ProcTextDropLast(std::string_view text);

}  // namespace ravlo
