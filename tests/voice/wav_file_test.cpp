// WAV files of synthesized speech: what is written reads back; broken files are refused.
#include "app/voice/wav_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace ravlo {
namespace {

class WavFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("ravlo-wav-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path file(const char* name) const { return dir_ / name; }
  void writeBytes(const std::filesystem::path& f, const std::string& bytes) {
    std::ofstream(f, std::ios::binary) << bytes;
  }

  std::filesystem::path dir_;
};

TEST_F(WavFile, WrittenSamplesReadBack) {
  PcmBuffer pcm;
  pcm.sampleRate = 22050;
  for (int i = 0; i < 2205; ++i) {
    pcm.samples.push_back(static_cast<int16_t>(std::lround(10000 * std::sin(i * 0.1))));
  }
  pcm.samples.push_back(-32768);
  pcm.samples.push_back(32767);
  ASSERT_TRUE(writeWav(file("a.wav"), pcm));
  EXPECT_EQ(std::filesystem::file_size(file("a.wav")), 44u + 2 * pcm.samples.size());
  const auto back = readWav(file("a.wav"));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->sampleRate, 22050);
  EXPECT_EQ(back->samples, pcm.samples);
  EXPECT_FALSE(std::filesystem::exists(file("a.wav.part")));
}

TEST_F(WavFile, SecondsAndLevel) {
  PcmBuffer pcm;
  pcm.sampleRate = 1000;
  pcm.samples.assign(500, 16384);
  EXPECT_DOUBLE_EQ(pcm.seconds(), 0.5);
  EXPECT_DOUBLE_EQ(pcm.rms(), 0.5);
  EXPECT_DOUBLE_EQ(PcmBuffer{}.seconds(), 0.0);
  EXPECT_DOUBLE_EQ(PcmBuffer{}.rms(), 0.0);
}

TEST_F(WavFile, NoRateNoFolderOrAFolderInTheWayIsNotWritten) {
  PcmBuffer pcm;
  pcm.samples.assign(10, 1);
  EXPECT_FALSE(writeWav(file("none.wav"), pcm));
  pcm.sampleRate = 8000;
  EXPECT_FALSE(writeWav(dir_ / "missing" / "x.wav", pcm));
  EXPECT_FALSE(std::filesystem::exists(file("none.wav")));
  // A folder of that name: refused, and the temporary file does not stay.
  std::filesystem::create_directory(file("taken.wav"));
  EXPECT_FALSE(writeWav(file("taken.wav"), pcm));
  EXPECT_FALSE(std::filesystem::exists(file("taken.wav.part")));
}

TEST_F(WavFile, BrokenFilesAreRefused) {
  EXPECT_FALSE(readWav(file("absent.wav")).has_value());
  writeBytes(file("short.wav"), "RIFF");
  EXPECT_FALSE(readWav(file("short.wav")).has_value());
  writeBytes(file("text.wav"), "RIFF0000TEXTfmt ");
  EXPECT_FALSE(readWav(file("text.wav")).has_value());

  PcmBuffer pcm;
  pcm.sampleRate = 8000;
  pcm.samples.assign(100, 7);
  ASSERT_TRUE(writeWav(file("ok.wav"), pcm));
  std::ifstream in(file("ok.wav"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A data chunk that claims more than the file holds.
  std::string longer = bytes;
  longer[40] = '\xFF';
  longer[41] = '\xFF';
  writeBytes(file("long.wav"), longer);
  EXPECT_FALSE(readWav(file("long.wav")).has_value());
  // 8-bit samples are not ours.
  std::string eightBit = bytes;
  eightBit[34] = 8;
  writeBytes(file("8bit.wav"), eightBit);
  EXPECT_FALSE(readWav(file("8bit.wav")).has_value());
}

}  // namespace
}  // namespace ravlo
