#include "drills/code_animation.h"

#include <memory>

#include "drills/gif_decoder.h"

namespace quorvin::drills {

void ShowCodeAnimation(std::int32_t n, const data::MediaResources& resources, ui::Image& image) {
    if (n == 0) return;
    auto picture = decodeGif(resources.animation(n));
    if (!picture) return;
    ui::Rect bounds = image.geometry();
    bounds.width = picture->width;
    bounds.height = picture->height;
    image.setAutoSize(true);
    image.setGeometry(bounds);
    image.setPicture(std::make_shared<const ui::Picture>(std::move(*picture)));
}

}  // namespace quorvin::drills
