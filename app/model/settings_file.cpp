#include "app/model/settings_file.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "app/model/file_io.h"

namespace ravlo {
namespace {

namespace fs = std::filesystem;

// At most this many damaged values are named in the status text.
constexpr std::size_t kIssuesNamed = 5;

std::string issueSummary(const std::vector<SettingIssue>& issues) {
  std::string text = "設定ファイルの使えない値を置き換えました：";
  for (std::size_t i = 0; i < issues.size() && i < kIssuesNamed; ++i) {
    const SettingIssue& issue = issues[i];
    if (i > 0) text += "、";
    text += issue.section + issue.key + "=" + issue.value + "→" + issue.used;
  }
  if (issues.size() > kIssuesNamed)
    text += " ほか" + std::to_string(issues.size() - kIssuesNamed) + "件";
  return text;
}

const char* environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

fs::path programFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path();
}

bool isWritableFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool isInstalledProgramFolder(const fs::path& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  const fs::path entry =
      folder.parent_path() / "share" / "applications" / std::string(kDesktopEntryName);
  return fs::is_regular_file(entry, ec);
}

fs::path settingsFilePath(const fs::path& exeDir, std::string_view xdgConfigHome,
                          std::string_view home,
                          const std::function<bool(const fs::path&)>& folderWritable) {
  const fs::path name{std::string(kSettingsFileName)};
  if (!exeDir.empty() && folderWritable(exeDir)) return exeDir / name;
  fs::path config;
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
  if (fs::path xdg{std::string(xdgConfigHome)}; xdg.is_absolute())
    config = xdg;
  else if (fs::path h{std::string(home)}; h.is_absolute())
    config = h / ".config";
  if (config.empty()) return exeDir / name;
  return config / "ravlo" / name;
}

fs::path settingsFilePath() {
  return settingsFilePath(programFolder(), environmentValue("XDG_CONFIG_HOME"),
                          environmentValue("HOME"), [](const fs::path& folder) {
                            return !isInstalledProgramFolder(folder) && isWritableFolder(folder);
                          });
}

SettingsLoadReport SettingsLoad(CalcSettings& settings, const fs::path& file, MessageSink& sink) {
  SettingsLoadReport report;
  settings = CalcSettings{};
  FileRead read = readWholeFile(file, kMaxSettingsFileBytes);
  switch (read.status) {
    case FileReadStatus::Missing:
      report.state = SettingsFileState::Missing;
      return report;
    case FileReadStatus::Ok:
      break;
    case FileReadStatus::NotAFile:
    case FileReadStatus::TooLarge:
    case FileReadStatus::Error:
      report.state = SettingsFileState::Unreadable;
      report.error = read.error;
      sink.status("設定ファイル " + file.string() + " を読めません（" + read.error +
                  "）。既定の設定を使います。");
      return report;
  }
  return SettingsLoadBytes(settings, read.bytes, sink);
}

SettingsLoadReport SettingsLoadBytes(CalcSettings& settings, std::string_view bytes,
                                     MessageSink& sink) {
  SettingsLoadReport report;
  settings = CalcSettings{};
  report.state = SettingsFileState::Read;
  IniDocument document = IniDocument::fromFileBytes(bytes, &report.decodedCleanly);
  report.issues = readSettings(document, settings);
  if (!report.issues.empty()) sink.status(issueSummary(report.issues));
  return report;
}

TextConversion settingsFileBytes(const CalcSettings& settings) {
  IniDocument document = settings.document;
  writeSettings(settings, document);
  return document.toCp932();
}

SettingsSaveReport SettingsSave(const CalcSettings& settings, const fs::path& file,
                                MessageSink& sink, FileSystem& fileSystem) {
  SettingsSaveReport report;
  TextConversion bytes = settingsFileBytes(settings);
  report.lossless = bytes.lossless;
  report.saved = writeFileAtomically(file, bytes.text, report.error, fileSystem);
  if (!report.saved)
    sink.box("ご注意！", "設定ファイルを保存できませんでした。\n" + file.string() + "\n" + report.error,
             BoxButtons::Ok, BoxIcon::Warning);
  return report;
}

}  // namespace ravlo
