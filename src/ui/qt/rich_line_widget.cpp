#include "rich_line_widget.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include "palette.h"
#include "text.h"

namespace quorvin::ui::qt {

namespace {

// Line edits keep this margin between their frame and their text.
constexpr int kTextMargin = 2;

}  // namespace

RichLineWidget::RichLineWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void RichLineWidget::setContent(std::string_view gbk, const std::vector<ui::Colour>& colours) {
    const DisplayText display(gbk);
    text_ = display.text();
    runs_.clear();
    for (std::size_t c = 0; c < display.characterCount(); ++c) {
        const std::size_t byte = display.byteStart(c);
        const ui::Colour colour = byte < colours.size() ? colours[byte] : colours::WindowText;
        const int start = display.unitStart(c);
        const int length = display.unitStart(c + 1) - start;
        if (!runs_.empty() && runs_.back().colour == colour)
            runs_.back().length += length;
        else
            runs_.push_back({start, length, colour});
    }
    update();
}

void RichLineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.rect = rect();
    panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QPalette& system = QApplication::palette(this);
    QList<QTextLayout::FormatRange> formats;
    for (const Run& run : runs_) {
        QTextLayout::FormatRange range;
        range.start = run.start;
        range.length = run.length;
        range.format.setForeground(toQColor(run.colour, system));
        formats.append(range);
    }
    QTextLayout layout(text_, font());
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e6);
    layout.endLayout();

    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    const int top = contents.y() + (contents.height() - fontMetrics().height() + 1) / 2;
    painter.setClipRect(contents);
    layout.draw(&painter, QPointF(contents.x() + kTextMargin, top));
}

}  // namespace quorvin::ui::qt
