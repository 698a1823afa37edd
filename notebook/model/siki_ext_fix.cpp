#include "notebook/model/siki_ext_fix.h"

namespace ravlo {
namespace {

bool isSikiInAnyCase(std::string_view ext) {
  constexpr std::string_view siki = "siki";
  if (ext.size() != siki.size()) return false;
  for (std::size_t i = 0; i < ext.size(); ++i) {
    char c = ext[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != siki[i]) return false;
  }
  return true;
}

}  // namespace

std::string_view fileNamePart(std::string_view path) {
  const std::size_t sep = path.find_last_of("/\\");
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string SikiExtFix(std::string_view path) {
  const std::string_view name = fileNamePart(path);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::string(path) + ".siki";
  // "NOTE.SIKI" is the same file as "NOTE.siki" where file names ignore case; here it
  // would be another file, so the name stays as it is.
  if (isSikiInAnyCase(name.substr(dot + 1))) return std::string(path);
  const std::size_t keep = path.size() - name.size() + dot + 1;
  return std::string(path.substr(0, keep)) + "siki";
}

}  // namespace ravlo
