// A program that links what the editors link (Velmora, Utils, Dravon and
// Fennick): the data manager made and one window made and gone.
#include "DataManager.h"
#include "UtilFunc.h"
#include "startup_common.h"

int main() {
  return halvane::bench::RunStartupProgram([] {
    CDataManager::InitInstance();
    delete CDataManager::PeekInstance();
    // Touches Utils so that it is linked for what it is.
    return CUtilFunc::IsAlphanumeric("abc") != 0;
  });
}
