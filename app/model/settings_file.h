#pragma once
// The settings file "RavloRS02.ini": where it lives, reading it into CalcSettings, writing
// CalcSettings back. It is read once at start and written once at close; the window code
// places the main window from MAINTOP..MAINWIDTH after loading and puts the window's current
// place and size into them before saving.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "app/model/file_io.h"
#include "core/cp932.h"
#include "core/message_sink.h"

namespace ravlo {

inline constexpr std::string_view kSettingsFileName = "RavloRS02.ini";
// A settings file is a few kilobytes; anything past this is not one.
inline constexpr std::size_t kMaxSettingsFileBytes = 8 * 1024 * 1024;

// The folder of the running program (ExeDir); empty when it cannot be found.
std::filesystem::path programFolder();

// Whether files can be created in the folder.
bool isWritableFolder(const std::filesystem::path& folder);

// The name under which the program's menu entry is installed in <prefix>/share/applications.
inline constexpr std::string_view kDesktopEntryName = "jp.keorusha.ravlo.desktop";

// Whether the folder is the bin folder of an installation: its menu entry lies in
// ../share/applications. Such a folder is no place for a user's settings even when it may be
// written (root, or a prefix in the home folder).
bool isInstalledProgramFolder(const std::filesystem::path& folder);

// In the program's folder when that folder is writable; otherwise
// $XDG_CONFIG_HOME/ravlo/RavloRS02.ini, or ~/.config/ravlo/RavloRS02.ini when
// XDG_CONFIG_HOME is unset, empty or not absolute. Without any of these (no usable home
// either) the program's folder after all.
std::filesystem::path settingsFilePath(
    const std::filesystem::path& exeDir, std::string_view xdgConfigHome, std::string_view home,
    const std::function<bool(const std::filesystem::path&)>& folderWritable = isWritableFolder);

// The same for this process: its own folder and environment; an installed program's folder
// counts as not writable.
std::filesystem::path settingsFilePath();

enum class SettingsFileState {
  Read,        // the file was read (what could not be used is in `issues`)
  Missing,     // no file: every setting has its default
  Unreadable,  // the file exists but is no file, too large or could not be read: defaults
};

struct SettingsLoadReport {
  SettingsFileState state = SettingsFileState::Missing;
  std::vector<SettingIssue> issues;
  bool decodedCleanly = true;  // false when some bytes were no code-page character
  std::string error;           // for Unreadable, what the system said
};

// Sets every setting from the file, defaults for whatever is missing or cannot be used. Never
// writes the file. A missing file is the normal first run and says nothing; an unreadable
// file, or values that could not be used, give one status text each.
SettingsLoadReport SettingsLoad(CalcSettings& settings, const std::filesystem::path& file,
                                MessageSink& sink);

// The same for the bytes of a file already read (a page's stored settings).
SettingsLoadReport SettingsLoadBytes(CalcSettings& settings, std::string_view bytes,
                                     MessageSink& sink);

// The file's bytes for the settings: the document read at load time with every setting in it.
TextConversion settingsFileBytes(const CalcSettings& settings);

struct SettingsSaveReport {
  bool saved = false;
  bool lossless = true;  // false when a character had no code-page form and became "?"
  std::string error;
};

// Writes every setting into the document read at load time and replaces the file with it
// atomically. A failure is shown in a box and leaves the old file as it was.
SettingsSaveReport SettingsSave(const CalcSettings& settings, const std::filesystem::path& file,
                                MessageSink& sink, FileSystem& fs = systemFileSystem());

}  // namespace ravlo
