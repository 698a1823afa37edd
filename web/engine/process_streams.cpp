#include "web/engine/process_streams.h"

#include <unistd.h>

#include <cerrno>

namespace ravlo::web {

OutputBuffer::OutputBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

OutputBuffer::~OutputBuffer() { writeOut(); }

bool OutputBuffer::writeOut() {
  const char* p = pbase();
  while (p < pptr()) {
    const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
  if (!writeOut()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

int OutputBuffer::sync() { return writeOut() ? 0 : -1; }

InputBuffer::InputBuffer(int fd, std::streambuf& before) : fd_(fd), before_(before) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

InputBuffer::int_type InputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  before_.pubsync();
  ssize_t n = 0;
  do {
    n = ::read(fd_, buffer_.data(), buffer_.size());
  } while (n < 0 && errno == EINTR);
  if (n <= 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
  return traits_type::to_int_type(*gptr());
}

}  // namespace ravlo::web
