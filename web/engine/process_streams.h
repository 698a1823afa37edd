#pragma once
// Standard input and output of ravlo-cli under Node.js. Every system call there is a call out
// to JavaScript, and the C library keeps a pipe line-buffered, so the desktop's one write per
// answer costs the web edition more than the answer itself. These buffers write only when
// the program is about to wait for input, and at the end: a line given interactively still
// gets its answer before the next is read.
#include <array>
#include <streambuf>

namespace ravlo::web {

class OutputBuffer final : public std::streambuf {
 public:
  explicit OutputBuffer(int fd);
  ~OutputBuffer() override;
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool writeOut();
  int fd_;
  std::array<char, 1 << 16> buffer_{};
};

class InputBuffer final : public std::streambuf {
 public:
  // `before` is flushed each time the input runs dry, before reading on.
  InputBuffer(int fd, std::streambuf& before);

 protected:
  int_type underflow() override;

 private:
  int fd_;
  std::streambuf& before_;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace ravlo::web
