#include "app/model/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "tests/app/settings_test_support.h"

namespace ravlo {
namespace {

namespace fs = std::filesystem;
using testing_support::defaultSettingsUtf8;
using testing_support::iconvToCp932;
using testing_support::readBytes;
using testing_support::ScratchFolder;
using testing_support::writeBytes;

std::vector<std::string> filesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct PathRow {
  std::string exeDir;
  bool exeDirWritable;
  std::string xdg;
  std::string home;
  std::string expected;
};

TEST(SettingsPath, ProgramFolderFirstThenXdgConfig) {
  const PathRow rows[] = {
      {"/opt/ravlo", true, "/x", "/home/u", "/opt/ravlo/RavloRS02.ini"},
      {"/opt/ravlo", false, "/x/cfg", "/home/u", "/x/cfg/ravlo/RavloRS02.ini"},
      {"/opt/ravlo", false, "", "/home/u", "/home/u/.config/ravlo/RavloRS02.ini"},
      {"/opt/ravlo", false, "relative/cfg", "/home/u", "/home/u/.config/ravlo/RavloRS02.ini"},
      {"/opt/ravlo", false, "", "", "/opt/ravlo/RavloRS02.ini"},
      {"/opt/ravlo", false, "", "not/absolute", "/opt/ravlo/RavloRS02.ini"},
      {"", true, "/x", "/home/u", "/x/ravlo/RavloRS02.ini"},
  };
  for (const auto& row : rows) {
    std::vector<fs::path> asked;
    auto writable = [&](const fs::path& p) {
      asked.push_back(p);
      return row.exeDirWritable;
    };
    EXPECT_EQ(settingsFilePath(row.exeDir, row.xdg, row.home, writable), fs::path(row.expected))
        << row.exeDir << " " << row.xdg << " " << row.home;
    if (!row.exeDir.empty()) {
      EXPECT_EQ(asked, std::vector<fs::path>{row.exeDir});
    }
  }
}

TEST(SettingsPath, RealFolderChecks) {
  ScratchFolder dir;
  EXPECT_TRUE(isWritableFolder(dir.path()));
  EXPECT_FALSE(isWritableFolder(dir / "missing"));
  writeBytes(dir / "file", "x");
  EXPECT_FALSE(isWritableFolder(dir / "file"));
  EXPECT_FALSE(programFolder().empty());
  EXPECT_TRUE(fs::is_directory(programFolder()));
}

TEST(SettingsPath, InstalledProgramFolderIsKnownByItsMenuEntry) {
  ScratchFolder dir;
  fs::create_directories(dir / "usr/bin");
  fs::create_directories(dir / "usr/share/applications");
  writeBytes(dir / "usr/share/applications" / std::string(kDesktopEntryName), "[Desktop Entry]\n");
  fs::create_directories(dir / "build/bin");
  fs::create_directories(dir / "odd/share/applications" / std::string(kDesktopEntryName));
  fs::create_directories(dir / "odd/bin");
  EXPECT_TRUE(isInstalledProgramFolder(dir / "usr/bin"));
  EXPECT_FALSE(isInstalledProgramFolder(dir / "build/bin"));
  EXPECT_FALSE(isInstalledProgramFolder(dir / "odd/bin"));  // a folder by that name is no entry
  EXPECT_FALSE(isInstalledProgramFolder({}));
}

class SettingsFileTest : public ::testing::Test {
 protected:
  ScratchFolder dir;
  fs::path file = dir / "RavloRS02.ini";
  RecordingSink sink;
};

// The expected file in the code page; section names double-checked as raw bytes.
TEST_F(SettingsFileTest, FirstRunUsesDefaultsAndSaveWritesTheCodePageFile) {
  CalcSettings s;
  s.FONTSIZE = 99;  // loading starts over from the defaults
  SettingsLoadReport loaded = SettingsLoad(s, file, sink);
  EXPECT_EQ(loaded.state, SettingsFileState::Missing);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(s.FONTSIZE, 14);
  EXPECT_FALSE(fs::exists(file));  // loading never writes

  SettingsSaveReport saved = SettingsSave(s, file, sink);
  EXPECT_TRUE(saved.saved);
  EXPECT_TRUE(saved.lossless);
  EXPECT_TRUE(sink.empty());
  const std::string bytes = readBytes(file);
  EXPECT_EQ(bytes, iconvToCp932(defaultSettingsUtf8()));

  const std::string rawSections[] = {
      "[\x81\xA5\x8C\x76\x8E\x5A\x89\xE6\x96\xCA\x81\xA5]\r\n",              // ▼計算画面▼
      "[\x81\xA5\x83\x6D\x81\x5B\x83\x67\x89\xE6\x96\xCA\x81\xA5]\r\n",      // ▼ノート画面▼
      "[\x81\xA5\x8E\xAE\x82\xCC\x95\x5C\x8E\xA6\x81\xA5]\r\n",              // ▼式の表示▼
      "[\x81\xA5\x93\xC7\x82\xDD\x8F\xE3\x82\xB0\x81\xA5]\r\n",              // ▼読み上げ▼
      "[\x81\xA5\x93\x9A\x82\xCC\x95\x5C\x8E\xA6\x81\xA5]\r\n",              // ▼答の表示▼
      "[\x81\xA5\x8E\xAE\x82\xCC\x95\xD2\x8F\x57\x81\xA5]\r\n",              // ▼式の編集▼
      "[\x81\xA5\x8F\x54\x82\xCC\x96\xDA\x95\x57\x81\xA5]\r\n",              // ▼週の目標▼
      "[\x81\xA5\x89\xDF\x92\xF6\x95\x5C\x8E\xA6\x81\xA5]\r\n",              // ▼過程表示▼
      "[\x81\xA5\x8E\xAE\x82\xCC\x83\x81\x83\x82\x81\xA5]\r\n",              // ▼式のメモ▼
      "[\x81\xA5\x92\xE8\x90\x94\x92\x6C\x81\xA5]\r\n",                      // ▼定数値▼
      "[\x81\xA5\x91\x66\x88\xF6\x90\x94\x95\xAA\x89\xF0\x81\xA5]\r\n",      // ▼素因数分解▼
      "[\x81\xA5\x82\xBB\x82\xCC\x91\xBC\x81\xA5]\r\n",                      // ▼その他▼
  };
  std::size_t at = 0;
  for (const auto& section : rawSections) {
    std::size_t found = bytes.find(section, at);
    ASSERT_NE(found, std::string::npos) << "section in order";
    at = found + section.size();
  }
  EXPECT_NE(bytes.find("FONTNAME=\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n\x92\x6C" "34=\r\n"), std::string::npos);  // 値34=
}

TEST_F(SettingsFileTest, HandMadeFileRoundTripsByteForByte) {
  std::string utf8 = defaultSettingsUtf8();
  auto put = [&](std::string_view from, std::string_view to) {
    std::size_t at = utf8.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    utf8.replace(at, from.size(), to);
  };
  put("CURSOLTEMPO=400", "CURSOLTEMPO=700");
  put("SOUSUU=0\r\nDSPBANGOU=0\r\n",
      "SOUSUU=2\r\nDSPBANGOU=1\r\nMOKUHYOU0=①毎日５問\r\nMOKUHYOU1=～ミスを減らす～\r\n");
  put("SIKI0=\r\n", "SIKI0=3b2+1\r\n");
  put("値0=\r\n", "値0=3.14 #円周率\r\n");
  put("FONTCOLOR=255", "FONTCOLOR=16711680");
  const std::string bytes = iconvToCp932(utf8);
  writeBytes(file, bytes);

  CalcSettings s;
  SettingsLoadReport loaded = SettingsLoad(s, file, sink);
  EXPECT_EQ(loaded.state, SettingsFileState::Read);
  EXPECT_TRUE(loaded.issues.empty());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(s.CURSOLTEMPO, 700);
  EXPECT_EQ(s.MOKUHYOU[0], "①毎日５問");
  EXPECT_EQ(s.MOKUHYOU[1], "～ミスを減らす～");
  EXPECT_EQ(s.DSPBANGOU, 1);
  EXPECT_EQ(s.SIKI[0], "3b2+1");
  EXPECT_EQ(s.ATAI[0], "3.14 #円周率");
  EXPECT_EQ(s.FONTCOLOR, 0xFF0000);

  ASSERT_TRUE(SettingsSave(s, file, sink).saved);
  EXPECT_EQ(readBytes(file), bytes);
}

TEST_F(SettingsFileTest, UnknownAndStaleKeysSurvive) {
  std::string utf8 =
      "; written by hand\r\n"
      "[▼計算画面▼]\r\n"
      "FONTSIZE=16\r\n"
      "OLDKEY=kept\r\n"
      "\r\n"
      "[▼週の目標▼]\r\n"
      "SOUSUU=3\r\n"
      "MOKUHYOU0=一\r\n"
      "MOKUHYOU1=二\r\n"
      "MOKUHYOU2=三\r\n"
      "\r\n"
      "[未来の設定]\r\n"
      "何か=値\r\n";
  writeBytes(file, iconvToCp932(utf8));
  CalcSettings s;
  SettingsLoad(s, file, sink);
  s.MOKUHYOU_SOUSUU = 1;  // lowered during the run
  s.FONTSIZE = 18;
  ASSERT_TRUE(SettingsSave(s, file, sink).saved);

  CalcSettings back;
  SettingsLoad(back, file, sink);
  const IniDocument& doc = back.document;
  EXPECT_EQ(back.FONTSIZE, 18);
  EXPECT_EQ(back.MOKUHYOU_SOUSUU, 1);
  EXPECT_EQ(doc.value("▼計算画面▼", "OLDKEY"), "kept");
  EXPECT_EQ(doc.value("▼週の目標▼", "MOKUHYOU1"), "二");
  EXPECT_EQ(doc.value("▼週の目標▼", "MOKUHYOU2"), "三");
  EXPECT_EQ(doc.value("未来の設定", "何か"), "値");
  const std::string text = cp932ToUtf8(readBytes(file)).text;
  EXPECT_TRUE(text.starts_with("; written by hand\r\n[▼計算画面▼]\r\n"));
  // Known keys missing from a section go after its last key, before the blank line.
  EXPECT_NE(text.find("OLDKEY=kept\r\nFONTNAME=ＭＳ ゴシック\r\n"), std::string::npos);
  EXPECT_TRUE(sink.empty());
}

TEST_F(SettingsFileTest, DamagedFileLoadsDefaultsAndStaysUntilSaved) {
  std::mt19937 rng(4321);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>(byte(rng));
  const std::string damaged[] = {
      garbage,
      std::string("\0\0\0\0", 4),
      iconvToCp932("[▼計算画面▼]\nCURSOLTEMPO=fast\nGYOKEISUU=99\n") + garbage,
      std::string(3 << 20, 'A'),  // one very long line
      "[\x81\xA5\x8C\x76",         // cut off inside a section name
  };
  for (const auto& bytes : damaged) {
    writeBytes(file, bytes);
    CalcSettings s;
    sink.clear();
    SettingsLoadReport loaded = SettingsLoad(s, file, sink);
    EXPECT_EQ(loaded.state, SettingsFileState::Read);
    EXPECT_EQ(s.CURSOLTEMPO, 400);
    EXPECT_LE(s.GYOKEISUU, 12);
    EXPECT_EQ(readBytes(file), bytes) << "loading left the file alone";
    for (const auto& e : sink.entries()) EXPECT_EQ(e.kind, RecordingSink::Kind::Status);
  }
  // The damaged values are named in one status text.
  writeBytes(file, damaged[2]);
  CalcSettings s;
  sink.clear();
  SettingsLoadReport loaded = SettingsLoad(s, file, sink);
  EXPECT_FALSE(loaded.decodedCleanly);
  EXPECT_EQ(loaded.issues.size(), 2u);
  EXPECT_EQ(s.GYOKEISUU, 12);
  ASSERT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(sink.lastStatus(),
            "設定ファイルの使えない値を置き換えました：▼計算画面▼CURSOLTEMPO=fast→400、"
            "▼計算画面▼GYOKEISUU=99→12");

  // Only an explicit save replaces it.
  ASSERT_TRUE(SettingsSave(s, file, sink).saved);
  CalcSettings again;
  SettingsLoadReport reloaded = SettingsLoad(again, file, sink);
  EXPECT_TRUE(reloaded.issues.empty());
  EXPECT_EQ(again.GYOKEISUU, 12);
}

TEST_F(SettingsFileTest, UnreadableFilesGiveDefaultsAndOneStatus) {
  struct Case {
    std::string name;
    std::function<fs::path()> make;
  };
  const Case cases[] = {
      {"folder", [&] { fs::create_directory(dir / "a.ini"); return dir / "a.ini"; }},
      {"too large", [&] {
         writeBytes(dir / "big.ini", std::string(kMaxSettingsFileBytes + 1, '\n'));
         return dir / "big.ini";
       }},
      {"pipe", [&] {  // must not wait for a writer
         ::mkfifo((dir / "pipe.ini").c_str(), 0600);
         return dir / "pipe.ini";
       }},
  };
  for (const auto& c : cases) {
    fs::path path = c.make();
    CalcSettings s;
    s.HAYASA = 3;
    sink.clear();
    SettingsLoadReport loaded = SettingsLoad(s, path, sink);
    EXPECT_EQ(loaded.state, SettingsFileState::Unreadable) << c.name;
    EXPECT_FALSE(loaded.error.empty()) << c.name;
    EXPECT_EQ(s.HAYASA, 10) << c.name;
    ASSERT_EQ(sink.entries().size(), 1u) << c.name;
    EXPECT_TRUE(sink.lastStatus().starts_with("設定ファイル ")) << c.name;
  }
}

TEST_F(SettingsFileTest, SaveIsAtomicAndLeavesNoTemporaryFiles) {
  writeBytes(file, "old contents");
  ::chmod(file.c_str(), 0640);
  CalcSettings s;
  ASSERT_TRUE(SettingsSave(s, file, sink).saved);
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RavloRS02.ini"});
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // The record was not loaded from this file, so its document replaces the old contents.
  EXPECT_EQ(readBytes(file), iconvToCp932(defaultSettingsUtf8()));
}

TEST_F(SettingsFileTest, SaveCreatesAMissingConfigFolder) {
  fs::path nested = dir / "config" / "ravlo" / "RavloRS02.ini";
  CalcSettings s;
  ASSERT_TRUE(SettingsSave(s, nested, sink).saved);
  EXPECT_EQ(readBytes(nested), iconvToCp932(defaultSettingsUtf8()));
}

TEST_F(SettingsFileTest, SaveWritesThroughASymbolicLink) {
  fs::create_directory(dir / "real");
  fs::path target = dir / "real" / "settings.ini";
  writeBytes(target, "");
  fs::create_symlink(target, file);
  CalcSettings s;
  ASSERT_TRUE(SettingsSave(s, file, sink).saved);
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(readBytes(target), iconvToCp932(defaultSettingsUtf8()));
  EXPECT_EQ(filesIn(dir / "real"), std::vector<std::string>{"settings.ini"});
}

TEST_F(SettingsFileTest, FailedSaveSaysSoAndKeepsTheOldFile) {
  // The target is a folder: the rename must fail after the temporary file was written.
  fs::create_directory(file);
  writeBytes(file / "inside", "keep");
  CalcSettings s;
  SettingsSaveReport saved = SettingsSave(s, file, sink);
  EXPECT_FALSE(saved.saved);
  EXPECT_FALSE(saved.error.empty());
  EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RavloRS02.ini"});
  EXPECT_EQ(readBytes(file / "inside"), "keep");
  auto boxes = sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "ご注意！");
  EXPECT_TRUE(boxes[0].text.starts_with("設定ファイルを保存できませんでした。\n" + file.string()));

  // A folder that cannot be created (a file is in the way).
  sink.clear();
  writeBytes(dir / "blocker", "x");
  EXPECT_FALSE(SettingsSave(s, dir / "blocker" / "RavloRS02.ini", sink).saved);
  EXPECT_EQ(sink.boxes().size(), 1u);
}

TEST_F(SettingsFileTest, CharactersOutsideTheCodePageAreReported) {
  CalcSettings s;
  s.MOKUHYOU_SOUSUU = 1;
  s.MOKUHYOU[0] = "café 😀";
  SettingsSaveReport saved = SettingsSave(s, file, sink);
  EXPECT_TRUE(saved.saved);
  EXPECT_FALSE(saved.lossless);
  CalcSettings back;
  SettingsLoad(back, file, sink);
  EXPECT_EQ(back.MOKUHYOU[0], "caf? ?");
}

}  // namespace
}  // namespace ravlo
