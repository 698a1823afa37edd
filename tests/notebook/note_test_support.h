#pragma once
// Stand-ins for the notebook window and file dialogs, and scratch folders, for the notebook
// tests.
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "notebook/model/file_chooser.h"
#include "tests/cp932_bytes.h"
#include "notebook/model/note_view.h"

namespace ravlo::note_testing {

// Counts what the document asked of its window.
class RecordingNoteView final : public NoteView {
 public:
  void NoteRedraw() override { ++redraws; }
  void NoteShowCleared() override { ++clearedPaints; }
  void OpenSikiEditor() override { ++sikiEditorOpens; }
  void OpenNoteEditor() override { ++noteEditorOpens; }
  int redraws = 0;
  int clearedPaints = 0;
  int sikiEditorOpens = 0;
  int noteEditorOpens = 0;
};

// Answers each dialog with the next scripted path (nullopt = Cancel); an empty script cancels.
class ScriptedChooser final : public FileChooser {
 public:
  std::optional<std::string> chooseOpenFile(std::string_view title,
                                            std::string_view filter) override {
    openTitles.emplace_back(title);
    openFilters.emplace_back(filter);
    return next(openAnswers);
  }
  std::optional<std::string> chooseSaveFile(std::string_view startPath) override {
    saveStarts.emplace_back(startPath);
    return next(saveAnswers);
  }
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::vector<std::string> openTitles;
  std::vector<std::string> openFilters;
  std::vector<std::string> saveStarts;

 private:
  static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> a = answers.front();
    answers.pop_front();
    return a;
  }
};

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ravlo-note-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    // Reachable for the unprivileged user of ScopedUnprivileged.
    std::filesystem::permissions(path_, std::filesystem::perms(0755));
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string file(std::string_view name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The code-page bytes of UTF-8 text straight from glibc, independent of core/cp932.
inline std::string sjis(std::string_view utf8) { return testing_support::iconvToCp932(utf8); }

// Folder permissions do not hold back root: a test that needs a folder it cannot write runs
// its file access as an ordinary user while this object lives.
class ScopedUnprivileged {
 public:
  ScopedUnprivileged() {
    if (::geteuid() == 0) dropped_ = ::seteuid(65534) == 0;
  }
  ~ScopedUnprivileged() {
    if (dropped_ && ::seteuid(0) != 0) std::terminate();
  }
  ScopedUnprivileged(const ScopedUnprivileged&) = delete;
  ScopedUnprivileged& operator=(const ScopedUnprivileged&) = delete;
  // Whether file access is now subject to folder permissions.
  bool effective() const { return ::geteuid() != 0; }

 private:
  bool dropped_ = false;
};

}  // namespace ravlo::note_testing
