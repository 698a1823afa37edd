#pragma once
// glibc's iconv "CP932" conversions, byte for byte, from tables taken out of glibc
// (core/cp932_table.inc): the web build's libc has no CP932 of its own.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/cp932.h"

namespace ravlo::cp932_table {

// Each converts as much of `in` as it can, appending to `out`, and advances `in` past what it
// converted. Returns 0 when all of `in` was taken, else what stopped it, as iconv says it:
// EILSEQ at a sequence that is no character (or, to CP932, a character it lacks), EINVAL at
// one cut off at the end.
int toUtf8(std::string_view& in, std::string& out);
int fromUtf8(std::string_view& in, std::string& out);

// The conversions of core/cp932.h run on these tables whatever the platform: they are the web
// build's, and the desktop's tests hold them against glibc. Defined in core/cp932.cpp.
TextConversion cp932ToUtf8(std::string_view cp932);
TextConversion utf8ToCp932(std::string_view utf8);
std::size_t displayWidth(std::string_view utf8);

}  // namespace ravlo::cp932_table
