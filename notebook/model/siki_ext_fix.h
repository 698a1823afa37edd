#pragma once
// Notebook files always carry the extension ".siki".
#include <string>
#include <string_view>

namespace ravlo {

// Whatever extension the file name has, of any length, becomes ".siki" (".SIKI" and other
// spellings of it in another case stay as they are: they name the file itself); a name
// without one gets ".siki" added. Only the part after the last "/" or "\" is looked at, so a
// dot in a folder name is never taken for an extension.
std::string SikiExtFix(std::string_view path);

// The part after the last "/" or "\".
std::string_view fileNamePart(std::string_view path);

}  // namespace ravlo
