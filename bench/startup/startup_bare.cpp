// A program of the window system alone: one window made and gone, the
// floor for the start of a program that links the product's libraries.
#include "startup_common.h"

int main() { return halvane::bench::RunStartupProgram(nullptr); }
