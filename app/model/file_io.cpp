#include "app/model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace ravlo {
namespace {

std::string systemError(std::string_view what, int err) {
  return std::string(what) + ": " + std::strerror(err);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool writeAll(FileSystem& fs, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const long n = fs.writeSome(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    // Nothing written and no error: the disk is full (a loop here would never end).
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

int FileSystem::openFile(const char* path, int flags, unsigned mode) {
  return ::open(path, flags, static_cast<mode_t>(mode));
}
long FileSystem::writeSome(int fd, const char* data, std::size_t size) {
  return static_cast<long>(::write(fd, data, size));
}
int FileSystem::syncFile(int fd) { return ::fsync(fd); }
int FileSystem::closeFile(int fd) { return ::close(fd); }
int FileSystem::renameFile(const char* from, const char* to) { return ::rename(from, to); }
int FileSystem::removeFile(const char* path) { return ::unlink(path); }

FileSystem& systemFileSystem() {
  static FileSystem real;
  return real;
}

FileRead readWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
  FileRead result;
  // Non-blocking, so that opening a pipe does not wait for a writer.
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.ok()) {
    result.status = errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Error;
    result.error = systemError("open", errno);
    return result;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    result.error = systemError("stat", errno);
    return result;
  }
  if (!S_ISREG(st.st_mode)) {
    result.status = FileReadStatus::NotAFile;
    result.error = "not a regular file";
    return result;
  }
  if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    result.status = FileReadStatus::TooLarge;
    result.error = "larger than " + std::to_string(maxBytes) + " bytes";
    return result;
  }
  // The size may change while reading; never take more than the limit.
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = systemError("read", errno);
      result.bytes.clear();
      return result;
    }
    if (n == 0) break;
    if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
      result.status = FileReadStatus::TooLarge;
      result.error = "larger than " + std::to_string(maxBytes) + " bytes";
      result.bytes.clear();
      return result;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  result.status = FileReadStatus::Ok;
  return result;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::string& error, FileSystem& fs) {
  namespace stdfs = std::filesystem;
  std::error_code ec;
  stdfs::path target = file;
  // Renaming over a link would replace the link; write where it points instead.
  if (stdfs::is_symlink(target, ec)) {
    stdfs::path resolved = stdfs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  stdfs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  if (!stdfs::exists(dir, ec)) {
    stdfs::create_directories(dir, ec);
    if (ec) {
      error = "create folder " + dir.string() + ": " + ec.message();
      return false;
    }
  }

  std::random_device random;
  stdfs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = dir / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                  std::to_string(random()));
    fd = fs.openFile(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    // The temporary's name changes with every run; the user knows the file and its folder.
    error = systemError("create a new file in " + dir.string(), errno);
    return false;
  }
  bool open = true;
  auto fail = [&](std::string_view what) {
    error = systemError(std::string(what) + " " + target.string(), errno);
    if (open) fs.closeFile(fd);
    fs.removeFile(temp.c_str());
    return false;
  };

  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    ::fchmod(fd, old.st_mode & 07777);
  if (!writeAll(fs, fd, bytes)) return fail("write");
  if (fs.syncFile(fd) != 0) return fail("fsync");
  open = false;
  // A late write error may only show at close.
  if (fs.closeFile(fd) != 0) return fail("close");
  if (fs.renameFile(temp.c_str(), target.c_str()) != 0) {
    error = systemError("rename to " + target.string(), errno);
    fs.removeFile(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  FileDescriptor folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.ok()) ::fsync(folder.get());
  return true;
}

}  // namespace ravlo
