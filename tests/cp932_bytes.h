#pragma once
// The code-page bytes of UTF-8 text straight from glibc, independent of core/cp932: tests
// that check what the program writes compare against this.
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace ravlo::testing_support {

inline std::string iconvToCp932(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* src = const_cast<char*>(utf8.data());
  std::size_t srcLeft = utf8.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace ravlo::testing_support
