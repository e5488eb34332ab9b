#include "headless/files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "headless/host_error.h"

namespace vxh {

namespace {

// Another process, or an earlier crash, may hold a name; the next is tried.
constexpr int kNameAttempts = 100;

std::function<void(const std::string&)>& BeforeRenameHook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw WriteFailure("cannot write \"" + path + "\": " + reason);
}

[[noreturn]] void FailWithErrno(const std::string& path) { Fail(path, std::strerror(errno)); }

// ".NAME.tmpPID-N.EXT" beside the target: hidden, and with the target's
// extension for writers that pick their format by it.
std::string TemporaryName(const std::string& path, int attempt) {
  const std::filesystem::path target(path);
  const std::string name = "." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                           std::to_string(attempt) + target.extension().string();
  return (target.parent_path() / name).string();
}

// Keeps the mode of the file being replaced; a new file gets the usual one.
mode_t ModeFor(const std::string& path) {
  struct stat previous;
  if (::stat(path.c_str(), &previous) == 0 && S_ISREG(previous.st_mode)) return previous.st_mode & 07777;
  return 0666;
}

struct Temporary {
  std::string name;
  int fd = -1;
};

Temporary CreateTemporary(const std::string& path) {
  RequireWritableTarget(path);
  const mode_t mode = ModeFor(path);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    Temporary t{TemporaryName(path, attempt), -1};
    t.fd = ::open(t.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (t.fd >= 0) {
      // The umask narrowed a new file's mode; a replaced file keeps its own.
      if (mode != 0666) ::fchmod(t.fd, mode);
      return t;
    }
    if (errno != EEXIST) FailWithErrno(path);
  }
  Fail(path, "no free name for a temporary file beside it");
}

void WriteAll(int fd, const void* data, std::size_t size) {
  const auto* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, at, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw std::system_error(errno, std::generic_category());
    at += n;
    size -= static_cast<std::size_t>(n);
  }
}

// The data must be on disk before the rename, or a crash could leave the new
// name on an empty file.
void SyncAndClose(int fd) {
  const int synced = ::fsync(fd);
  const int sync_error = errno;
  const int closed = ::close(fd);
  if (synced != 0) throw std::system_error(sync_error, std::generic_category());
  if (closed != 0) throw std::system_error(errno, std::generic_category());
}

void SyncByName(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::system_error(errno, std::generic_category());
  SyncAndClose(fd);
}

// A writer's own message names the temporary; the user knows the target.
std::string Reason(const std::exception& e, const Temporary& t, const std::string& path) {
  if (const auto* system = dynamic_cast<const std::system_error*>(&e)) return std::strerror(system->code().value());
  std::string text = e.what();
  for (std::size_t at = text.find(t.name); at != std::string::npos; at = text.find(t.name, at + path.size()))
    text.replace(at, t.name.size(), path);
  return text;
}

void Finish(Temporary& t, const std::string& path, const std::function<void(Temporary&)>& fill) {
  try {
    fill(t);
    if (const auto& hook = BeforeRenameHook()) hook(t.name);
    if (::rename(t.name.c_str(), path.c_str()) != 0) throw std::system_error(errno, std::generic_category());
  } catch (const std::exception& e) {
    if (t.fd >= 0) ::close(t.fd);
    ::unlink(t.name.c_str());
    Fail(path, Reason(e, t, path));
  }
}

}  // namespace

void RequireWritableTarget(const std::string& path) {
  struct stat status;
  if (::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) Fail(path, std::strerror(EISDIR));
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) return;
  if (::stat(folder.c_str(), &status) != 0) FailWithErrno(path);
  if (!S_ISDIR(status.st_mode)) Fail(path, std::strerror(ENOTDIR));
}

void WriteThroughTemporary(const std::string& path, const std::function<void(const std::string&)>& write) {
  Temporary t = CreateTemporary(path);
  Finish(t, path, [&](Temporary& temporary) {
    ::close(std::exchange(temporary.fd, -1));
    write(temporary.name);
    SyncByName(temporary.name);
  });
}

void WriteBytesThroughTemporary(const std::string& path, const void* data, std::size_t size) {
  Temporary t = CreateTemporary(path);
  Finish(t, path, [&](Temporary& temporary) {
    WriteAll(temporary.fd, data, size);
    SyncAndClose(std::exchange(temporary.fd, -1));
  });
}

void SetBeforeRenameHookForTests(std::function<void(const std::string&)> hook) { BeforeRenameHook() = std::move(hook); }

}  // namespace vxh
