#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ui/picture.h"

namespace quorvin::drills {

// Decodes a GIF, still or animated, into whole frames as they are shown: each frame drawn
// over what the earlier ones left according to their disposal, transparent where nothing was
// drawn. Nothing for bytes that are not a complete, sane GIF.
std::optional<ui::Picture> decodeGif(std::span<const std::uint8_t> bytes);

}  // namespace quorvin::drills
