#include "login/LoginKey.h"

#include <fcntl.h>
#include <openssl/rand.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace utils::login {
namespace {

constexpr const char* kFileName = "login.key";

std::string FromEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string KeyFolder() {
  if (std::string data = FromEnv("XDG_DATA_HOME"); !data.empty()) return data + "/halvane";
  const std::string home = FromEnv("HOME");
  return (home.empty() ? std::string("/tmp") : home) + "/.local/share/halvane";
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool ReadAll(int fd, uint8_t* out, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = read(fd, out + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The key in the file, which must be a regular file of the user's own
// holding exactly one key. Looser permissions are narrowed to 0600.
std::optional<Key> ReadKeyFile(const std::string& path) {
  Fd fd(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat st {};
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid() ||
      st.st_size != static_cast<off_t>(sizeof(Key))) {
    return std::nullopt;
  }
  if ((st.st_mode & 077) != 0 && fchmod(fd.get(), S_IRUSR | S_IWUSR) != 0) return std::nullopt;
  Key key{};
  if (!ReadAll(fd.get(), key.data(), key.size())) return std::nullopt;
  return key;
}

// Writes a new key beside the final name and links it there, so the file
// appears whole or not at all; a key another process linked first wins.
std::optional<Key> MakeKeyFile(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::filesystem::create_directories(folder, ec);
  chmod(folder.c_str(), S_IRWXU);
  Key key{};
  if (RAND_bytes(key.data(), static_cast<int>(key.size())) != 1) return std::nullopt;
  const std::string temp = path + "." + std::to_string(getpid()) + ".tmp";
  {
    Fd fd(open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (fd.get() < 0) return std::nullopt;
    if (!WriteAll(fd.get(), key.data(), key.size()) || fsync(fd.get()) != 0) {
      unlink(temp.c_str());
      return std::nullopt;
    }
  }
  const bool linked = link(temp.c_str(), path.c_str()) == 0;
  unlink(temp.c_str());
  if (!linked && errno != EEXIST) return std::nullopt;
  return ReadKeyFile(path);
}

}  // namespace

std::string KeyFilePath() { return KeyFolder() + "/" + kFileName; }

std::optional<Key> LoadKey(bool create) {
  const std::string path = KeyFilePath();
  if (auto key = ReadKeyFile(path)) return key;
  struct stat st {};
  // A file that is there but unusable is never replaced: it may be the key
  // of values stored earlier.
  if (!create || lstat(path.c_str(), &st) == 0) return std::nullopt;
  return MakeKeyFile(path);
}

}  // namespace utils::login
