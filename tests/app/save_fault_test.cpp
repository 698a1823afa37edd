// Saving the settings file when the disk does not cooperate: each step of the save fails in
// turn, or the program dies in the middle, and the previous file must survive byte for byte
// while the learner is told.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/model/calc_settings.h"
#include "app/model/file_io.h"
#include "app/model/settings_file.h"
#include "core/message_sink.h"
#include "tests/app/settings_test_support.h"
#include "tests/param_names.h"

namespace ravlo {
namespace {

namespace fs = std::filesystem;
using testing_support::readBytes;
using testing_support::ScratchFolder;
using testing_support::writeBytes;

enum class Step { Create, Write, ShortWrite, StalledWrite, Sync, Close, Rename };

// The real file system, except that one step fails with a chosen error. A short write puts
// half of the bytes on disk before the error; a stalled one then makes no progress at all.
class FaultyFileSystem final : public FileSystem {
 public:
  FaultyFileSystem(Step step, int error) : step_(step), error_(error) {}

  int openFile(const char* path, int flags, unsigned mode) override {
    if (step_ == Step::Create) return fail();
    return FileSystem::openFile(path, flags, mode);
  }
  long writeSome(int fd, const char* data, std::size_t size) override {
    if (step_ == Step::Write) return fail();
    if (step_ == Step::ShortWrite || step_ == Step::StalledWrite) {
      if (wrote_) return step_ == Step::StalledWrite ? 0 : fail();
      wrote_ = true;
      return FileSystem::writeSome(fd, data, size / 2);
    }
    return FileSystem::writeSome(fd, data, size);
  }
  int syncFile(int fd) override { return step_ == Step::Sync ? fail() : FileSystem::syncFile(fd); }
  int closeFile(int fd) override {
    const int rc = FileSystem::closeFile(fd);
    return step_ == Step::Close ? fail() : rc;
  }
  int renameFile(const char* from, const char* to) override {
    return step_ == Step::Rename ? fail() : FileSystem::renameFile(from, to);
  }

 private:
  int fail() const {
    errno = error_;
    return -1;
  }
  Step step_;
  int error_;
  bool wrote_ = false;
};

// Stops the process for good at one step: the parent kills it there.
class StoppingFileSystem final : public FileSystem {
 public:
  StoppingFileSystem(Step step, int signalFd) : step_(step), signalFd_(signalFd) {}
  long writeSome(int fd, const char* data, std::size_t size) override {
    if (step_ != Step::Write) return FileSystem::writeSome(fd, data, size);
    FileSystem::writeSome(fd, data, size / 2);
    stop();
  }
  int renameFile(const char* from, const char* to) override {
    if (step_ == Step::Rename) stop();
    return FileSystem::renameFile(from, to);
  }

 private:
  [[noreturn]] void stop() {
    const char ready = 1;
    if (::write(signalFd_, &ready, 1) != 1) _exit(3);
    for (;;) ::pause();
  }
  Step step_;
  int signalFd_;
};

std::vector<std::string> filesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

class SaveFaults : public ::testing::Test {
 protected:
  SaveFaults() { writeBytes(file, kOld); }

  // Settings that differ from the old file in every line, so any partial write shows.
  static CalcSettings changed() {
    CalcSettings s;
    s.FONTSIZE = 20;
    s.MOKUHYOU_SOUSUU = 1;
    s.MOKUHYOU[0] = "毎日５問";
    return s;
  }

  static constexpr std::string_view kOld = "[x]\r\nOLD=1\r\n";
  ScratchFolder dir;
  fs::path file = dir / "RavloRS02.ini";
  RecordingSink sink;
};

struct FaultRow {
  const char* what;
  Step step;
  int error;
  friend void PrintTo(const FaultRow& r, std::ostream* os) { *os << r.what; }
};

class EachStepFails : public SaveFaults, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(EachStepFails, KeepsTheOldFileAndSaysWhy) {
  const FaultRow& row = GetParam();
  FaultyFileSystem faulty(row.step, row.error);
  const SettingsSaveReport report = SettingsSave(changed(), file, sink, faulty);
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(readBytes(file), kOld);
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RavloRS02.ini"}) << "a temporary remains";
  const auto boxes = sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "ご注意！");
  EXPECT_TRUE(boxes[0].text.starts_with("設定ファイルを保存できませんでした。\n" + file.string()))
      << boxes[0].text;
  EXPECT_NE(boxes[0].text.find(std::strerror(row.error)), std::string::npos) << boxes[0].text;
  // The next save, with the disk well again, goes through.
  EXPECT_TRUE(SettingsSave(changed(), file, sink).saved);
  EXPECT_NE(readBytes(file), kOld);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EachStepFails,
    ::testing::Values(FaultRow{"read_only_folder", Step::Create, EROFS},
                      FaultRow{"no_permission", Step::Create, EACCES},
                      FaultRow{"disk_full", Step::Write, ENOSPC},
                      FaultRow{"short_write", Step::ShortWrite, ENOSPC},
                      FaultRow{"stalled_write", Step::StalledWrite, ENOSPC},
                      FaultRow{"flush", Step::Sync, EIO},
                      FaultRow{"late_error_at_close", Step::Close, EIO},
                      FaultRow{"rename_refused", Step::Rename, EACCES}),
    ravlo::test_names::RowName<&FaultRow::what>{});

class KilledWhileSaving : public SaveFaults, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(KilledWhileSaving, LeavesTheOldFileWhole) {
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(pipeFds[0]);
    StoppingFileSystem stopping(GetParam().step, pipeFds[1]);
    NullSink quiet;
    SettingsSave(changed(), file, quiet, stopping);
    _exit(2);  // the save was to stop before it ended
  }
  ::close(pipeFds[1]);
  char ready = 0;
  ASSERT_EQ(::read(pipeFds[0], &ready, 1), 1) << "the child ended before the step";
  ::close(pipeFds[0]);
  ASSERT_EQ(::kill(child, SIGKILL), 0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));

  EXPECT_EQ(readBytes(file), kOld);
  CalcSettings loaded;
  EXPECT_EQ(SettingsLoad(loaded, file, sink).state, SettingsFileState::Read);
  EXPECT_EQ(loaded.FONTSIZE, CalcSettings{}.FONTSIZE);
  // What the dead save left behind does not stand in the way of the next one.
  EXPECT_TRUE(SettingsSave(changed(), file, sink).saved);
  CalcSettings again;
  SettingsLoad(again, file, sink);
  EXPECT_EQ(again.FONTSIZE, 20);
}

INSTANTIATE_TEST_SUITE_P(Steps, KilledWhileSaving,
                         ::testing::Values(FaultRow{"during_the_write", Step::Write, 0},
                                           FaultRow{"before_the_rename", Step::Rename, 0}),
                         ravlo::test_names::RowName<&FaultRow::what>{});

}  // namespace
}  // namespace ravlo
