#pragma once
// Filling the notebook's message patterns.
#include <initializer_list>
#include <string>
#include <string_view>

namespace ravlo {

// Each "%d" or "%s" of the pattern, from the left, replaced by the next value.
std::string fillNoteText(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace ravlo
