#pragma once
// Whole-file reading that cannot hang or exhaust memory, and writing that never leaves a
// half-written file behind.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ravlo {

enum class FileReadStatus { Ok, Missing, NotAFile, TooLarge, Error };

struct FileRead {
  FileReadStatus status = FileReadStatus::Error;
  std::string bytes;
  std::string error;  // what the system said, for a status other than Ok and Missing
};

// Reads a regular file of at most maxBytes. Pipes, devices and folders are refused without
// reading from them.
FileRead readWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// The system calls a save makes, in one place so that tests can make each of them fail.
// Each behaves as its POSIX namesake: -1 with errno set on failure.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual int openFile(const char* path, int flags, unsigned mode);
  virtual long writeSome(int fd, const char* data, std::size_t size);
  virtual int syncFile(int fd);
  virtual int closeFile(int fd);
  virtual int renameFile(const char* from, const char* to);
  virtual int removeFile(const char* path);
};

// The real calls; it holds no state.
FileSystem& systemFileSystem();

// Writes a temporary file in the target's folder, flushes it to disk and renames it over the
// target, so readers see the old file or the new one, never a mix. The folder is created when
// missing; an existing target keeps its permissions; a symbolic link is written through.
// On failure the target is untouched, no temporary file remains and `error` says why.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::string& error, FileSystem& fs = systemFileSystem());

}  // namespace ravlo
