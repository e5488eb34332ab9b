#include "headless/files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "headless/host_error.h"

namespace vxh {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

namespace {

[[noreturn]] void CannotRead(const std::string& path, const std::string& what, int error) {
  throw BadInput("cannot read " + what + " \"" + path + "\": " + std::strerror(error));
}

// An open descriptor of a file that is not a folder, and its size.
int OpenInput(const std::string& path, const std::string& what, std::size_t& size) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) CannotRead(path, what, errno);
  struct stat status;
  if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
    const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
    ::close(fd);
    CannotRead(path, what, error);
  }
  size = S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) : 0;
  return fd;
}

}  // namespace

void RequireReadableFile(const std::string& path, const std::string& what) {
  std::size_t size = 0;
  ::close(OpenInput(path, what, size));
}

std::vector<std::uint8_t> ReadInputFile(const std::string& path, const std::string& what) {
  std::size_t expected = 0;
  const int fd = OpenInput(path, what, expected);
  // One read per block straight into the result; the size is a hint only,
  // since pipes have none and a file may grow while it is read.
  std::vector<std::uint8_t> bytes(expected > 0 ? expected + 1 : 65536);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      CannotRead(path, what, error);
    }
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(used);
  return bytes;
}

void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path target(path);
  std::error_code error;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  if (error) throw HostFault("cannot create the folder of " + path + ": " + error.message());
  const std::string temporary = path + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, error);
      throw HostFault("cannot write " + temporary + ": " + std::strerror(errno));
    }
  }
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw HostFault("cannot put " + path + " in place: " + error.message());
  }
}

}  // namespace vxh
