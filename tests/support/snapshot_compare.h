// Comparing a snapshot with its committed reference picture.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>

namespace halvane::test::internal {

struct SnapshotVerdict {
  bool matches = false;
  std::string reason;  // why not, when it does not match
};

// Compares two PNG files pixel by pixel. A pixel differs when one of its
// channels differs by more than `channelTolerance`; the pictures match when
// they have one size and at most `maxDifferentPixels` differ. On a mismatch
// of two same-sized pictures a difference image (differing pixels red over a
// faded copy of the reference) is written to `diffFile`. Pixels inside the
// `ignore` rectangles (picture coordinates) never count.
SnapshotVerdict ComparePng(const std::filesystem::path& actual, const std::filesystem::path& reference,
                           const std::filesystem::path& diffFile, const std::vector<RECT>& ignore = {},
                           int channelTolerance = 24, long maxDifferentPixels = 8);

// Paints the rectangles (picture coordinates) of the PNG file over in one
// flat grey and writes it back, so that what the machine puts there (paths,
// folder listings) never reaches a reference picture. False when the file
// could not be read or written.
bool BlankRects(const std::filesystem::path& file, const std::vector<RECT>& rects);

}  // namespace halvane::test::internal
