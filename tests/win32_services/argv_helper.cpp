// argv_helper CODE FILE ARGS...: writes every argument, one a line, to
// FILE and exits with CODE; CODE "wait" waits to be killed instead.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
  if (argc < 3) return 99;
  {
    std::ofstream out(argv[2], std::ios::binary);
    for (int i = 0; i < argc; ++i) out << argv[i] << '\n';
  }
  if (std::strcmp(argv[1], "wait") == 0) {
    for (;;) pause();
  }
  return std::atoi(argv[1]);
}
