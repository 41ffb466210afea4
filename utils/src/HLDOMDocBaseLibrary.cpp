// Starting and stopping the XML library, once per process.
#include <xercesc/util/PlatformUtils.hpp>

#include <cstdlib>
#include <mutex>

#include "HLDOMDoc.h"

namespace {

void StopXml() { xercesc::XMLPlatformUtils::Terminate(); }

}  // namespace

BOOL HLDOMDocBase::InitializeXml() {
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] {
    try {
      xercesc::XMLPlatformUtils::Initialize();
      started = true;
      // Registered while the first wrapper is being built, so it runs
      // after every static wrapper is gone.
      std::atexit(StopXml);
    } catch (const xercesc::XMLException&) {
      started = false;
    }
  });
  return started ? TRUE : FALSE;
}
