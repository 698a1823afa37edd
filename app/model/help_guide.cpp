#include "app/model/help_guide.h"

#include <system_error>

namespace ravlo {

std::vector<std::filesystem::path> helpGuideFolders(const std::filesystem::path& exeDir) {
  std::vector<std::filesystem::path> folders;
  if (!exeDir.empty()) {
    folders.push_back(exeDir / "help");
    folders.push_back((exeDir / ".." / "share" / "ravlo" / "help").lexically_normal());
  }
#ifdef RAVLO_HELP_SOURCE_DIR
  folders.emplace_back(RAVLO_HELP_SOURCE_DIR);
#endif
  return folders;
}

std::optional<std::filesystem::path> findHelpGuide(std::span<const std::filesystem::path> folders) {
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path page = folder / std::string(kHelpGuideFirstPage);
    std::error_code ec;
    if (std::filesystem::is_regular_file(page, ec)) return page;
  }
  return std::nullopt;
}

}  // namespace ravlo
