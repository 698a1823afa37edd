#pragma once
// Hand-made settings files and scratch folders for the settings tests.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tests/cp932_bytes.h"

namespace ravlo::testing_support {


// The file written on a first run: every key with its default, in file order, CR LF.
inline std::string defaultSettingsUtf8() {
  std::string memo;
  for (int i = 0; i < 50; ++i) memo += "SIKI" + std::to_string(i) + "=\r\n";
  std::string constants;
  for (int i = 0; i < 35; ++i) constants += "値" + std::to_string(i) + "=\r\n";
  return "[▼計算画面▼]\r\n"
         "FONTNAME=ＭＳ ゴシック\r\n"
         "FONTSIZE=14\r\n"
         "MAINTOP=80\r\n"
         "MAINLEFT=180\r\n"
         "MAINHEIGHT=450\r\n"
         "MAINWIDTH=500\r\n"
         "CURSOLTEMPO=400\r\n"
         "PAGEA4BAI=100\r\n"
         "GYOKEISUU=5\r\n"
         "WAKIGAKI=1\r\n"
         "SBARDSP=1\r\n"
         "KAITOURAN_FLAG=0\r\n"
         "\r\n"
         "[▼ノート画面▼]\r\n"
         "FONTNAME=ＭＳ ゴシック\r\n"
         "FONTSIZE=14\r\n"
         "KANKAKU=5\r\n"
         "NOTEBKTOP=0\r\n"
         "NOTEBKLEFT=50\r\n"
         "NOTEBKHEIGHT=550\r\n"
         "NOTEBKWIDTH=450\r\n"
         "PAGEA4BAIN=100\r\n"
         "KAITOURAN_FLAG=0\r\n"
         "KAITOURAN_ITI=36\r\n"
         "\r\n"
         "[▼式の表示▼]\r\n"
         "EQUAL_KAIGYO=0\r\n"
         "INPUTSTR_DSP=0\r\n"
         "KAKERU_ABR=0\r\n"
         "\r\n"
         "[▼読み上げ▼]\r\n"
         "EVERYINPUT=0\r\n"
         "ALLSTRING=0\r\n"
         "WITHKETA=0\r\n"
         "SEIBETU=0\r\n"
         "HAYASA=10\r\n"
         "OOKISA=100\r\n"
         "\r\n"
         "[▼答の表示▼]\r\n"
         "ANSSYU=0\r\n"
         "SYOUDSP=0\r\n"
         "CALCTYPE=0\r\n"
         "\r\n"
         "[▼式の編集▼]\r\n"
         "KEYTENYOU=0\r\n"
         "RETKEYFLAG=1\r\n"
         "\r\n"
         "[▼週の目標▼]\r\n"
         "SOUSUU=0\r\n"
         "DSPBANGOU=0\r\n"
         "FONTNAME=ＭＳ ゴシック\r\n"
         "FONTSIZE=14\r\n"
         "FONTCOLOR=255\r\n"
         "JIOKURI=100\r\n"
         "\r\n"
         "[▼過程表示▼]\r\n"
         "PROCDSP=0\r\n"
         "ADVICEDSP=0\r\n"
         "PROCTEIDO=0\r\n"
         "PROCLASTANS=0\r\n"
         "\r\n"
         "[▼式のメモ▼]\r\n"
         "SOUSUU=0\r\n" +
         memo +
         "\r\n"
         "[▼定数値▼]\r\n"
         "SOUSUU=0\r\n" +
         constants +
         "\r\n"
         "[▼素因数分解▼]\r\n"
         "WA_TYPE=0\r\n"
         "1GYOU_SUU=10\r\n"
         "\r\n"
         "[▼その他▼]\r\n"
         "WARI_TYPE=0\r\n"
         "WARI_PNT=10\r\n";
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ravlo-settings-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ravlo::testing_support
