// Silent AVI clips for the animation control: the RIFF structure, and the
// frames of the first video stream decoded to pixels (uncompressed DIBs of
// 8, 24 or 32 bits, and RLE8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "windows.h"

namespace win32::controls {

struct AnimationClip {
  int width = 0;
  int height = 0;
  DWORD frameMilliseconds = 100;
  int frameCount = 0;  // frames the clip has
  // Frames decoded so far, top row first, 0x00RRGGBB; decoding stops at the
  // first frame it cannot read, so this can hold fewer than frameCount.
  std::vector<std::vector<uint32_t>> frames;

  // The pixels to show for frame `index`: the last decoded frame at or
  // before it, or null when nothing could be decoded.
  const std::vector<uint32_t>* Frame(int index) const;
};

// Parses a RIFF AVI file held in memory; nothing when it is no AVI with a
// video stream of known size and at least one frame.
std::optional<AnimationClip> ParseAnimationClip(const BYTE* data, size_t size);

}  // namespace win32::controls
