#include "fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <windows.h>

#include "fake_encryption.h"

namespace kestrun_fuzz {

namespace {

std::string Folder() {
  static const std::string folder = [] {
    // Memory-backed when the machine has it: the writers sync every file.
    const char* base = std::getenv("TMPDIR");
    struct stat shm {};
    const std::string root = base != nullptr ? base : stat("/dev/shm", &shm) == 0 ? "/dev/shm" : "/tmp";
    std::string path = root + "/kestrun-fuzz-" + std::to_string(getpid());
    mkdir(path.c_str(), 0700);
    return path;
  }();
  return folder;
}

}  // namespace

}  // namespace kestrun_fuzz

// The readers' message boxes (a bad key, no connector, a file error) are
// answered here, with OK, in place of the window system's: the fuzzers run
// the readers, and a box nobody sees needs no window.
int WINAPI MessageBox(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

namespace kestrun_fuzz {

CConnectorFileCodec& Codec() {
  static CConnectorFileCodec* codec = [] {
    setenv("HALVANE_HEADLESS", "1", 1);
    // The folder's name lives until the cleanup below has run.
    static const std::string folder = Folder();
    std::atexit([] {
      std::remove((folder + "/input").c_str());
      std::remove((folder + "/output").c_str());
      rmdir(folder.c_str());
    });
    return new CConnectorFileCodec(std::make_unique<kestrun_test::FakeEncryption>());
  }();
  return *codec;
}

CString InputFile(const uint8_t* data, size_t size) {
  const std::string path = Folder() + "/input";
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file != nullptr) {
    std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  return CString(path.c_str());
}

CString OutputFile() { return CString((Folder() + "/output").c_str()); }

}  // namespace kestrun_fuzz
