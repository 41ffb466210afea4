// The fixture of Kestrun's codec and model tests: a fresh window system with
// the robot answering message boxes (and recording their texts), the
// program's resources, a temporary folder, and codecs over the fake
// encryption service.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

#include "ConnectorFileCodec.h"
#include "fake_encryption.h"
#include "mfc_test.h"
#include "temp_folder.h"

namespace kestrun_test {

class KestrunTest : public halvane::test::MfcTest {
 protected:
  // A codec over the fake service.
  std::unique_ptr<CConnectorFileCodec> MakeCodec(FakeEncryptionSettings settings = {});
  // Answers every message box with OK from now on; its texts land in
  // `messages`, in order.
  void AnswerMessages();

  std::string Path(const std::string& name) const { return folder / name; }
  // Writes the text (as it stands, no line-end changes) and answers its path.
  CString WriteFile(const std::string& name, const std::string& text) const;
  std::string ReadFile(const std::string& name) const;

  std::vector<std::string> messages;
  halvane::test::TempFolder folder{"kestrun"};
  CWinApp app{"Kestrun"};
};

// A new connector as the callers of the readers make it.
std::unique_ptr<CConnector> NewConnector();
// A property's value, or "<none>" when the model lacks it.
std::string StdValue(const CConnector& connector, const char* name);
std::string AppValue(const CConnector& connector, const char* name);
std::string Text(const CString& text);

// The whole configuration file as a window whose every tab holds the
// model's values writes it, in tab order of the connector's mode.
BOOL WriteWholeConfigFile(CConnectorFileCodec& codec, CConnector& connector, const CString& path);

}  // namespace kestrun_test
