#pragma once

#include <array>

#include "model/main_window.h"
#include "ui/platform.h"

namespace quorvin::app {

// Where the scaled controls go on a full screen of a given client size. Fonts are in points.
struct FullScreenGeometry {
    int targetSize = 0;  // S: the width of one target and of the space it takes
    int targetPoints = 0;
    std::array<int, 4> targetLefts{};
    int targetTop = 0;
    std::array<int, 4> hintLefts{};
    int hintTop = 0;
    int hintPoints = 0;
    int barOffset = 0;  // D: the bottom bar stays 961 wide, centred
    int rowStep = 0;    // Q: from a source line to its typed line
    int linePoints = 0;
    int rowHeight = 0;
    std::array<int, 6> sourceTops{};
    std::array<int, 6> typedTops{};
};

FullScreenGeometry fullScreenGeometry(int clientWidth, int clientHeight);

// The windowed and full-screen layouts of the main window, and the switch between them. The
// desktop's own maximise and restore switch too, so the layouts follow every change of the
// window's state, whoever made it.
class DisplayMode {
  public:
    DisplayMode(model::TForm1& form, ui::Platform& platform, int& lineLimit, int& gameStartLeft)
        : form_(form), platform_(platform), lineLimit_(lineLimit), gameStartLeft_(gameStartLeft) {}

    void Button6Click();
    // The desktop changed the window's state.
    void windowStateChanged(ui::WindowState from, ui::WindowState to);

    void WindowedLayout();
    void FullScreenLayout();

  private:
    model::TForm1& form_;
    ui::Platform& platform_;
    int& lineLimit_;
    int& gameStartLeft_;
};

}  // namespace quorvin::app
