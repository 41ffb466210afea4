// Snapshots: top-level windows rendered to PNG files and compared with the
// reference pictures committed beside the tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <system_error>

#include <windows.h>

#include "robot.h"
#include "snapshot_compare.h"
#include "window_system_queries.h"

namespace halvane::test {

// Defined for each test program by halvane_add_test: its snapshots/ folder.
extern const char* const kSnapshotReferenceFolder;

namespace {

std::filesystem::path OutputRoot() {
  if (const char* root = std::getenv("HALVANE_TEST_OUTPUT"); root != nullptr && *root != '\0') return root;
  return std::filesystem::temp_directory_path() / "halvane-test-output";
}

std::string SuiteName() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return info != nullptr ? info->test_suite_name() : "no-test";
}

bool UpdatingReferences() {
  const char* update = std::getenv("HALVANE_UPDATE_SNAPSHOTS");
  return update != nullptr && *update != '\0' && *update != '0';
}

// Compares the new picture with its reference, or makes the reference when
// references are being refreshed (tools/update-snapshots).
void CheckAgainstReference(const std::filesystem::path& file, const std::string& name,
                           const std::vector<RECT>& ignore) {
  const std::filesystem::path reference =
      std::filesystem::path(kSnapshotReferenceFolder) / SuiteName() / (name + ".png");
  std::error_code error;
  if (UpdatingReferences()) {
    std::filesystem::create_directories(reference.parent_path(), error);
    if (error || !std::filesystem::copy_file(file, reference, std::filesystem::copy_options::overwrite_existing, error))
      ADD_FAILURE() << "Robot: could not write the reference " << reference;
    return;
  }
  if (!std::filesystem::exists(reference, error)) {
    ADD_FAILURE() << "Robot: the snapshot " << file << " has no reference " << reference
                  << "; look at it, then run tools/update-snapshots to make the reference";
    return;
  }
  std::filesystem::path diff = file;
  diff.replace_extension(".diff.png");
  std::filesystem::remove(diff, error);
  const internal::SnapshotVerdict verdict = internal::ComparePng(file, reference, diff, ignore);
  if (!verdict.matches) ADD_FAILURE() << "Robot: the snapshot " << file << " does not match: " << verdict.reason;
}

// The children's rectangles in the picture's coordinates (the window's own).
std::vector<RECT> IgnoredRects(Window window, const std::vector<Window>& ignore) {
  const RECT origin = window.rect();
  std::vector<RECT> rects;
  for (const Window& child : ignore) {
    RECT r = child.rect();
    OffsetRect(&r, -origin.left, -origin.top);
    rects.push_back(r);
  }
  return rects;
}

}  // namespace

std::filesystem::path Robot::snapshot(Window window, const std::string& name, bool withPopups,
                                      const std::vector<Window>& ignore) const {
  if (!window.exists()) {
    ADD_FAILURE() << "Robot: snapshot \"" << name << "\" of a window that does not exist";
    return {};
  }
  const std::filesystem::path file = PicturePath(name);
  if (file.empty() || !internal::RenderToPng(window.hwnd(), file, withPopups)) {
    ADD_FAILURE() << "Robot: could not write the snapshot " << file;
    return {};
  }
  const std::vector<RECT> ignored = IgnoredRects(window, ignore);
  if (!internal::BlankRects(file, ignored)) {
    ADD_FAILURE() << "Robot: could not blank the ignored children of the snapshot " << file;
    return {};
  }
  CheckAgainstReference(file, name, ignored);
  return file;
}

std::filesystem::path PicturePath(const std::string& name) {
  const std::filesystem::path folder = OutputRoot() / SuiteName();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return error ? std::filesystem::path() : folder / (name + ".png");
}

void ExpectMatchesReference(const std::filesystem::path& picture, const std::string& name) {
  CheckAgainstReference(picture, name, {});
}

std::filesystem::path Snapshot(HWND topLevel, const std::string& name, bool withPopups) {
  return Robot().snapshot(Window(topLevel), name, withPopups);
}

}  // namespace halvane::test
