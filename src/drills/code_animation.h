#pragma once

#include <cstdint>

#include "data/media_resources.h"
#include "ui/image.h"

namespace quorvin::drills {

// Shows key-stroke animation n in image, sized to the picture and playing by itself. Number 0,
// a missing animation and one that does not decode leave the image as it was: an animation
// is a help, never a failure. Main thread only.
void ShowCodeAnimation(std::int32_t n, const data::MediaResources& resources, ui::Image& image);

}  // namespace quorvin::drills
