#pragma once
// The user guide shipped with the program: HTML pages in a folder, shown by the help window
// when the compiled help file is not there. The folder is looked for beside the program,
// where an installation puts it, and in the source tree the program was built from.
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ravlo {

// The guide's first page, which holds its table of contents.
inline constexpr std::string_view kHelpGuideFirstPage = "index.html";

// The folders to look in, in order: exeDir/help, exeDir/../share/ravlo/help, the source
// tree's docs/help.
std::vector<std::filesystem::path> helpGuideFolders(const std::filesystem::path& exeDir);

// The first page of the first folder that has one; nullopt when none has.
std::optional<std::filesystem::path> findHelpGuide(std::span<const std::filesystem::path> folders);

}  // namespace ravlo
