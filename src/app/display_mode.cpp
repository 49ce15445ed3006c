#include "app/display_mode.h"

#include <algorithm>
#include <cmath>

#include "ui/gbk.h"

namespace quorvin::app {

namespace {

// The bottom bar and the windowed article lines are as wide as the designed window.
constexpr int kBarWidth = model::TForm1::ClientWidth;
constexpr int kLineWidth = model::TForm1::ClientWidth;
constexpr int kWindowedLinePoints = 16;
constexpr std::size_t kTypedLineLimit = 100;

int trunc(double x) {
    return static_cast<int>(x);
}
// To the nearest integer, a half to the even neighbour (the default rounding mode).
int nearest(double x) {
    return static_cast<int>(std::nearbyint(x));
}

ui::Font withPoints(ui::Font font, int points) {
    font.pixelHeight = ui::pointsToPixels(points);
    return font;
}

// An auto-sized label is as tall as its font.
int heightOf(const ui::Control& control) {
    if (control.kind() == ui::ControlKind::Label &&
        static_cast<const ui::Label&>(control).autoSize())
        return control.font().pixelHeight;
    return control.geometry().height;
}

void moveTo(ui::Control& control, int left, int top) {
    const ui::Rect& r = control.geometry();
    control.setGeometry({left, top, r.width, r.height});
}

// A big label whose box is as large as its font.
void placeSquare(ui::Label& label, int left, int top, int points, int width) {
    label.setFont(withPoints(label.font(), points));
    const int pixels = label.font().pixelHeight;
    label.setGeometry({left, top, width, pixels});
}

void placeLinePair(ui::RichLine& source, ui::Edit& typed, ui::Rect sourceBox, ui::Rect typedBox,
                   int points) {
    source.setGeometry(sourceBox);
    source.setFont(withPoints(source.font(), points));
    typed.setGeometry(typedBox);
    typed.setMaxLength(kTypedLineLimit);
    typed.setFont(withPoints(typed.font(), points));
}

}  // namespace

FullScreenGeometry fullScreenGeometry(int cw, int ch) {
    FullScreenGeometry g;
    const int s = trunc(cw / 4.75);
    const int f = nearest(s * 0.75);
    const int gap = f / 5;
    g.targetSize = s;
    g.targetPoints = f;
    for (int k = 0; k < 4; ++k) {
        g.targetLefts[k] = (k + 1) * gap + k * s;
        g.hintLefts[k] = g.targetLefts[k] + 20;
    }
    g.targetTop = (ch - s) / 2;
    g.hintTop = g.targetTop - (f / 132) * 100;
    g.hintPoints = nearest(f / 2.5);
    g.barOffset = (cw - kBarWidth) / 2;
    const double rows = (ch - 148) / 373.0;
    g.rowStep = trunc(rows * 29);
    g.linePoints = std::min(trunc(rows * 14), trunc(cw / static_cast<double>(kBarWidth) * 14));
    g.rowHeight = 2 * g.linePoints;
    for (int k = 0; k < 6; ++k) {
        g.sourceTops[k] = 70 + 2 * k * g.rowStep;
        g.typedTops[k] = 70 + (2 * k + 1) * g.rowStep;
    }
    return g;
}

void DisplayMode::Button6Click() {
    platform_.bringToFront(form_);
    if (form_.RadioGroup1.itemIndex() > 2)
        form_.setFocus(form_.Edit1);
    else
        form_.setKeyPreview(true);
    const bool toFullScreen = form_.Button6.caption() == ui::toGbk("全屏");
    // A command of the desktop's: the layout changes once the click has returned.
    platform_.postToUiThread([this, toFullScreen] {
        form_.setWindowState(toFullScreen ? ui::WindowState::Maximized : ui::WindowState::Normal);
    });
    form_.Button6.setCaption(ui::toGbk(toFullScreen ? "窗口" : "全屏"));
}

void DisplayMode::windowStateChanged(ui::WindowState from, ui::WindowState to) {
    // Coming back from the taskbar is a restore too, whatever state the desktop brings back.
    if (to == ui::WindowState::Normal || from == ui::WindowState::Minimized)
        WindowedLayout();
    else if (to == ui::WindowState::Maximized)
        FullScreenLayout();
}

void DisplayMode::WindowedLayout() {
    auto& f = form_;
    f.setWindowState(ui::WindowState::Normal);
    f.setBorderStyle(ui::BorderStyle::Single);
    f.setClientSize(model::TForm1::ClientWidth, model::TForm1::ClientHeight);

    const auto targets = f.targetLabels();
    const auto hints = f.codeLabels();
    constexpr int targetLefts[4] = {23, 258, 503, 741};
    constexpr int hintLefts[4] = {43, 278, 523, 761};
    for (int k = 0; k < 4; ++k) {
        placeSquare(*targets[k], targetLefts[k], 199, 150, 200);
        placeSquare(*hints[k], hintLefts[k], 128, 48, 32);
    }
    moveTo(f.Label5, 7, 475);
    moveTo(f.Image1, 96, 457);
    moveTo(f.Button1, 324, 471);
    moveTo(f.Edit1, 411, 463);
    moveTo(f.Button2, 551, 468);
    moveTo(f.Button6, 635, 468);
    moveTo(f.Button4, 718, 468);
    moveTo(f.Button5, 800, 468);
    moveTo(f.Label7, 10, 7);
    f.Label6.setGeometry({560, 4, 400, 59});
    moveTo(f.Label8, 136, 472);
    moveTo(f.Label9, 600, 99);
    moveTo(f.Label15, 888, 192);
    gameStartLeft_ = f.Label15.left();
    moveTo(f.Label16, 315, 472);
    moveTo(f.ComboBox1, 562, 41);

    const auto sources = f.sourceLines();
    const auto typed = f.typedLines();
    for (std::size_t k = 0; k < 6; ++k)
        placeLinePair(*sources[k], *typed[k], {0, model::TForm1::SourceLineTops[k], kLineWidth, 29},
                      {0, model::TForm1::TypedLineTops[k], kLineWidth, 29}, kWindowedLinePoints);

    lineLimit_ = 86;
    f.Button6.setCaption(ui::toGbk("全屏"));
}

void DisplayMode::FullScreenLayout() {
    auto& f = form_;
    f.setBorderStyle(ui::BorderStyle::None);
    const ui::Size screen = platform_.screenSize();
    const int cw = screen.width;
    const int ch = screen.height;
    const FullScreenGeometry g = fullScreenGeometry(cw, ch);

    const auto targets = f.targetLabels();
    const auto hints = f.codeLabels();
    for (int k = 0; k < 4; ++k) {
        placeSquare(*targets[k], g.targetLefts[k], g.targetTop, g.targetPoints, g.targetSize);
        placeSquare(*hints[k], g.hintLefts[k], g.hintTop, g.hintPoints,
                    ui::pointsToPixels(g.hintPoints) / 2);
    }

    const auto fromBottom = [ch](ui::Control& control, int margin) {
        return ch - heightOf(control) - margin;
    };
    const int d = g.barOffset;
    moveTo(f.Label5, d + 7, fromBottom(f.Label5, 25));
    moveTo(f.Image1, d + 96, fromBottom(f.Image1, 22));
    moveTo(f.Button1, d + 324, fromBottom(f.Button1, 23));
    moveTo(f.Button2, d + 551, fromBottom(f.Button2, 23));
    moveTo(f.Button6, d + 635, fromBottom(f.Button6, 23));
    moveTo(f.Button4, d + 718, fromBottom(f.Button4, 23));
    moveTo(f.Button5, d + 800, fromBottom(f.Button5, 23));
    moveTo(f.Edit1, d + 411, fromBottom(f.Edit1, 14));
    moveTo(f.Label8, d + 136, fromBottom(f.Label8, 25));
    moveTo(f.Label16, d + 315, fromBottom(f.Label16, 25));

    f.Label6.setGeometry({cw - 403, f.Label6.top(), 400, 59});
    moveTo(f.Label15, cw - 73, f.Label15.top());
    gameStartLeft_ = f.Label15.left();

    const auto sources = f.sourceLines();
    const auto typed = f.typedLines();
    for (std::size_t k = 0; k < 6; ++k)
        placeLinePair(*sources[k], *typed[k], {0, g.sourceTops[k], cw, g.rowHeight},
                      {0, g.typedTops[k], cw, g.rowHeight}, g.linePoints);

    lineLimit_ = 100;
    f.Button6.setCaption(ui::toGbk("窗口"));
}

}  // namespace quorvin::app
