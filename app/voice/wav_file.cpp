#include "app/voice/wav_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace ravlo {
namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint32_t kMaxDataBytes = 0xFFFFFFFFu - 36;

void put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t get(const std::string& in, std::size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) {
    v = (v << 8) | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
  }
  return v;
}

}  // namespace

bool writeWav(const std::filesystem::path& file, const PcmBuffer& pcm) {
  if (pcm.sampleRate <= 0) return false;
  const uint64_t dataBytes = static_cast<uint64_t>(pcm.samples.size()) * 2;
  if (dataBytes > kMaxDataBytes) return false;
  const auto rate = static_cast<uint32_t>(pcm.sampleRate);

  std::string bytes;
  bytes.reserve(44 + dataBytes);
  bytes += "RIFF";
  put32(bytes, static_cast<uint32_t>(36 + dataBytes));
  bytes += "WAVEfmt ";
  put32(bytes, 16);
  put16(bytes, kPcmFormat);
  put16(bytes, 1);  // mono
  put32(bytes, rate);
  put32(bytes, rate * 2);  // bytes per second
  put16(bytes, 2);         // bytes per frame
  put16(bytes, kBitsPerSample);
  bytes += "data";
  put32(bytes, static_cast<uint32_t>(dataBytes));
  for (int16_t s : pcm.samples) put16(bytes, static_cast<uint16_t>(s));

  std::filesystem::path temp = file;
  temp += ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      out.close();
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, file, ec);
  if (!ec) return true;
  // The rename's failure is the answer, whether or not the leftover goes.
  std::error_code removeError;
  std::filesystem::remove(temp, removeError);
  return false;
}

std::optional<PcmBuffer> readWav(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  uint16_t channels = 0;
  uint32_t rate = 0;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const uint32_t size = get(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) return std::nullopt;
    if (id == "fmt ") {
      if (size < 16) return std::nullopt;
      const auto format = static_cast<uint16_t>(get(bytes, body, 2));
      channels = static_cast<uint16_t>(get(bytes, body + 2, 2));
      rate = get(bytes, body + 4, 4);
      const auto bits = static_cast<uint16_t>(get(bytes, body + 14, 2));
      if (format != kPcmFormat || bits != kBitsPerSample || channels == 0 || rate == 0 ||
          rate > 1'000'000) {
        return std::nullopt;
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return std::nullopt;
      PcmBuffer pcm;
      pcm.sampleRate = static_cast<int>(rate);
      const std::size_t frame = 2u * channels;
      pcm.samples.reserve(size / frame);
      for (std::size_t i = 0; i + frame <= size; i += frame) {
        pcm.samples.push_back(static_cast<int16_t>(get(bytes, body + i, 2)));
      }
      return pcm;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return std::nullopt;
}

}  // namespace ravlo
