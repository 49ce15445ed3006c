#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableView>
#include <memory>
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/radio_group_widget.h"
#include "ui/qt/rich_line_widget.h"
#include "ui/radio_group.h"
#include "ui/rich_line.h"
#include "ui/track_bar.h"
#include "view_fixture.h"

namespace quorvin::ui::qt {
namespace {

using ControlsViewTest = ViewTest;

// The smallest rectangle holding the pixels that pass a test.
template <typename Test>
QRect inkOf(const QImage& image, Test test) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y))) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(ControlsViewTest, EveryKindMirrorsPlaceVisibilityEnabledStateAndColour) {
    form.add<Label>("Label1").setCaption("x");
    form.add<Button>("Button1");
    form.add<Edit>("Edit1");
    form.add<RichLine>("RichEdit1");
    form.add<RadioGroup>("RadioGroup1").setItems({"a", "b"});
    form.add<CheckBox>("CheckBox1");
    form.add<TrackBar>("TrackBar1");
    form.add<ComboBox>("ComboBox1");
    form.add<ListView>("ListView1");
    form.add<ListBox>("ListBox1");
    form.add<Image>("Image1");
    form.add<GroupBox>("GroupBox1");
    open();
    for (const auto& control : form.controls()) {
        SCOPED_TRACE(control->name());
        QWidget* w = view->widgetFor(*control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName().toStdString(), control->name());
        EXPECT_EQ(w->parentWidget(), view.get());

        control->setBounds(12, 34, 150, 40);
        EXPECT_EQ(w->pos(), QPoint(12, 34));
        if (control->kind() == ControlKind::Label) {
            EXPECT_GE(w->width(), 150);  // labels only grow past their box
            EXPECT_GE(w->height(), 40);
        } else {
            EXPECT_EQ(w->size(), QSize(150, 40));
        }

        control->hide();
        EXPECT_TRUE(w->isHidden());
        control->show();
        EXPECT_FALSE(w->isHidden());
        control->setEnabled(false);
        EXPECT_FALSE(w->isEnabled());
        control->setEnabled(true);
        EXPECT_TRUE(w->isEnabled());

        control->setFont({"宋体", 17, true});
        EXPECT_EQ(w->font().pixelSize(), 17);
        EXPECT_TRUE(w->font().bold());

        if (control->kind() != ControlKind::RichLine) {
            control->setColour(colours::Purple);
            EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(128, 0, 128));
            EXPECT_EQ(w->palette().color(QPalette::ButtonText), QColor(128, 0, 128));
            EXPECT_EQ(w->palette().color(QPalette::Text), QColor(128, 0, 128));
        }
    }
}

TEST_F(ControlsViewTest, LabelShowsItsGbkCaptionAndFollowsChanges) {
    Label& label = form.add<Label>("Label1");
    label.setCaption(gbk("打"));
    open();
    auto& shown = widget<QLabel>(label);
    EXPECT_EQ(shown.text(), QString::fromUtf8("打"));
    label.setCaption(gbk("完"));
    EXPECT_EQ(shown.text(), QString::fromUtf8("完"));
    EXPECT_EQ(shown.textFormat(), Qt::PlainText);
}

TEST_F(ControlsViewTest, AutoSizedLabelGrowsToItsCaption) {
    Label& label = form.add<Label>("Label5");
    label.setBounds(7, 467, 0, 0);
    label.setFont({"宋体", 24, false});
    open();
    auto& shown = widget<QLabel>(label);
    label.setCaption(gbk("拼音提示：zhong guo"));
    EXPECT_EQ(shown.pos(), QPoint(7, 467));
    EXPECT_GE(shown.width(), shown.fontMetrics().horizontalAdvance(shown.text()));
    const int wide = shown.width();
    label.setCaption("a");
    EXPECT_LT(shown.width(), wide);
}

// A 200 px character drawn in its 200 x 200 box: the ink stays inside the designed box.
TEST_F(ControlsViewTest, BigTargetCharacterSitsInsideItsDesignedBox) {
    form.setClientSize(300, 300);
    Label& label = form.add<Label>("Label1");
    label.setAutoSize(false);
    label.setBounds(23, 0, 200, 200);
    label.setFont({"新宋体", 200, false});
    label.setColour(colours::Black);
    label.setCaption(gbk("打"));
    open();
    const QImage image = widget<QLabel>(label).grab().toImage();
    const QRect ink =
        inkOf(image, [](const QColor& c) { return c.alpha() > 0 && c.value() < 100; });
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 0);
    EXPECT_LT(ink.bottom(), 200);
    EXPECT_LT(ink.right(), 200);
    EXPECT_GT(ink.height(), 150);  // drawn at the designed size, not shrunk
}

// Items fill the columns top to bottom like a window's radio group: the designed typing-type
// group has 23 items in 4 columns of 6 rows, 17 px apart below a 17 px caption.
TEST_F(ControlsViewTest, RadioGroupLaysOutItemsColumnByColumn) {
    RadioGroup& group = form.add<RadioGroup>("RadioGroup1");
    group.setBounds(5, 4, 353, 126);
    group.setFont({"宋体", 17, false});
    group.setCaption(gbk("打字类型:"));
    group.setColumns(4);
    std::vector<std::string> items;
    for (int i = 0; i < 23; ++i)
        items.push_back("item" + std::to_string(i));
    group.setItems(items);
    open();
    auto& shown = widget<RadioGroupWidget>(group);
    EXPECT_EQ(shown.title(), QString::fromUtf8("打字类型:"));
    ASSERT_EQ(shown.buttons().size(), 23u);
    for (int i = 0; i < 23; ++i) {
        SCOPED_TRACE(i);
        const QRadioButton* button = shown.buttons()[static_cast<std::size_t>(i)];
        EXPECT_EQ(button->text().toStdString(), items[static_cast<std::size_t>(i)]);
        EXPECT_EQ(button->geometry(), QRect((i / 6) * 86 + 4, (i % 6) * 17 + 19, 86, 17));
    }
}

TEST_F(ControlsViewTest, RadioGroupChoiceRoundTrips) {
    RadioGroup& group = form.add<RadioGroup>("RadioGroup2");
    group.setBounds(361, 4, 87, 126);
    group.setItems({gbk("1分钟"), gbk("3分钟"), gbk("5分钟"), gbk("10分钟")});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    open();
    auto& shown = widget<RadioGroupWidget>(group);
    const auto checked = [&] { return shown.chosen(); };
    EXPECT_EQ(shown.buttons()[1]->text(), QString::fromUtf8("3分钟"));
    EXPECT_EQ(checked(), -1);
    group.setItemIndex(3);
    EXPECT_EQ(checked(), 3);
    EXPECT_EQ(clicks, 0);

    shown.buttons()[1]->click();
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(checked(), 1);

    group.setItemIndex(-1);
    EXPECT_EQ(checked(), -1);
    group.setItems({"x", "y"});
    EXPECT_EQ(shown.buttons().size(), 2u);
}

TEST_F(ControlsViewTest, ButtonAndCheckBoxClicksRunTheModel) {
    Button& button = form.add<Button>("Button1");
    CheckBox& box = form.add<CheckBox>("CheckBox1");
    button.setCaption(gbk("开始"));
    box.setCaption(gbk("关闭背景音乐"));
    int buttonClicks = 0;
    int boxClicks = 0;
    button.onClick = [&] { ++buttonClicks; };
    box.onClick = [&] { ++boxClicks; };
    open();
    auto& push = widget<QPushButton>(button);
    auto& check = widget<QCheckBox>(box);
    EXPECT_EQ(push.text(), QString::fromUtf8("开始"));
    EXPECT_EQ(check.text(), QString::fromUtf8("关闭背景音乐"));

    push.click();
    EXPECT_EQ(buttonClicks, 1);
    check.click();
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(boxClicks, 1);
    box.setChecked(false);
    EXPECT_FALSE(check.isChecked());
    EXPECT_EQ(boxClicks, 1);
}

TEST_F(ControlsViewTest, ComboBoxListsItemsAndPassesTheUsersChoice) {
    ComboBox& box = form.add<ComboBox>("ComboBox1");
    box.setItems({gbk("1.春晓"), gbk("2.静夜思"), gbk("3.登鹳雀楼")});
    box.setDropDownCount(30);
    form.setClientSize(300, 100);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    openActive();
    auto& shown = widget<QComboBox>(box);
    EXPECT_FALSE(shown.isEditable());
    EXPECT_EQ(shown.count(), 3);
    EXPECT_EQ(shown.itemText(1), QString::fromUtf8("2.静夜思"));
    EXPECT_EQ(shown.maxVisibleItems(), 30);
    EXPECT_EQ(shown.currentIndex(), -1);
    box.setItemIndex(0);
    EXPECT_EQ(shown.currentIndex(), 0);

    form.setFocus(box);
    QTest::keyClick(&shown, Qt::Key_Down);
    EXPECT_EQ(box.itemIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsViewTest, TrackBarMirrorsRangeAndPassesTheUsersMoves) {
    TrackBar& bar = form.add<TrackBar>("TrackBar1");
    bar.setRange(1, 10);
    bar.setPosition(1);
    bar.setTickMarks(false);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    open();
    auto& slider = widget<QSlider>(bar);
    EXPECT_EQ(slider.orientation(), Qt::Horizontal);
    EXPECT_EQ(slider.minimum(), 1);
    EXPECT_EQ(slider.maximum(), 10);
    EXPECT_EQ(slider.tickPosition(), QSlider::NoTicks);
    slider.triggerAction(QSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.position(), 2);
    EXPECT_EQ(changes, 1);
    bar.setPosition(7);
    EXPECT_EQ(slider.value(), 7);
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsViewTest, RichLineColoursEachCharacterByItsFirstByte) {
    RichLine& line = form.add<RichLine>("RichEdit1");
    open();
    auto& shown = widget<RichLineWidget>(line);
    const Colour red = rgb(255, 0, 0);
    line.setText(gbk("ab中文"));
    line.paint(1, 3, red);  // b and both bytes of 中
    using Run = RichLineWidget::Run;
    EXPECT_EQ(shown.text(), QString::fromUtf8("ab中文"));
    EXPECT_EQ(shown.runs(),
              (std::vector<Run>{{0, 1, colours::Default}, {1, 2, red}, {3, 1, colours::Default}}));
    // Only the second byte of 文: the character keeps its first byte's colour.
    line.paint(5, 1, red);
    EXPECT_EQ(shown.runs().back(), (Run{3, 1, colours::Default}));
}

TEST_F(ControlsViewTest, RichLinePaintsTheColoursItHolds) {
    RichLine& line = form.add<RichLine>("RichEdit1");
    line.setBounds(0, 0, 200, 40);
    line.setFont({"新宋体", 28, false});
    line.setColour(colours::Black);
    line.setText("MM");
    line.paint(1, 1, rgb(255, 0, 0));
    open();
    auto& shown = widget<RichLineWidget>(line);
    const QImage image = shown.grab().toImage();
    const auto red = [](const QColor& c) {
        return c.red() > 180 && c.green() < 90 && c.blue() < 90;
    };
    const auto black = [](const QColor& c) { return c.value() < 60; };
    const QRect redInk = inkOf(image, red);
    const QRect blackInk = inkOf(image.copy(3, 3, 190, 34), black).translated(3, 3);
    ASSERT_FALSE(redInk.isEmpty());
    ASSERT_FALSE(blackInk.isEmpty());
    EXPECT_LT(blackInk.right(), redInk.left());
}

TEST_F(ControlsViewTest, ListViewAsksTheModelForTheCellsItShows) {
    ListView& list = form.add<ListView>("ListView1");
    list.setBounds(0, 0, 300, 200);
    list.setColumns({{gbk("用户"), 80}, {gbk("类型"), 120}});
    list.setRows(1'000'000, [this](int row, int column) {
        return column == 0 ? gbk("张三") : "r" + std::to_string(row);
    });
    std::vector<int> clicked;
    list.onColumnClick = [&](int column) { clicked.push_back(column); };
    form.setClientSize(300, 200);
    open();
    view->show();
    auto& table = widget<QTableView>(list);
    const QAbstractItemModel& rows = *table.model();
    EXPECT_EQ(rows.rowCount(), 1'000'000);
    EXPECT_EQ(rows.columnCount(), 2);
    EXPECT_EQ(rows.headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("类型"));
    EXPECT_EQ(rows.index(999'999, 1).data().toString(), "r999999");
    EXPECT_EQ(rows.index(3, 0).data().toString(), QString::fromUtf8("张三"));
    EXPECT_EQ(table.columnWidth(1), 120);
    EXPECT_TRUE(table.showGrid());
    EXPECT_EQ(table.selectionBehavior(), QAbstractItemView::SelectRows);

    QHeaderView& header = *table.horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(1) + 10, header.height() / 2));
    EXPECT_EQ(clicked, std::vector<int>{1});

    table.selectRow(5);
    EXPECT_EQ(list.selected(), 5);
    list.setSelected(7);
    EXPECT_EQ(table.currentIndex().row(), 7);
    list.setRows(3, [](int, int) { return std::string("x"); });
    EXPECT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(list.selected(), -1);
}

TEST_F(ControlsViewTest, ListBoxAndGroupBoxShowTheirTexts) {
    ListBox& box = form.add<ListBox>("ListBox1");
    GroupBox& group = form.add<GroupBox>("GroupBox1");
    box.setItems({gbk("张三"), gbk("李四")});
    group.setCaption(gbk("用户"));
    open();
    auto& list = widget<QListWidget>(box);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), QString::fromUtf8("李四"));
    // Taking the focus moves Qt's current row but chooses nothing.
    list.setFocus();
    list.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(box.itemIndex(), -1);
    list.setCurrentRow(1);
    EXPECT_EQ(box.itemIndex(), 1);
    box.setItemIndex(0);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(list.item(0)->isSelected());
    box.setItemIndex(-1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    EXPECT_EQ(widget<QGroupBox>(group).title(), QString::fromUtf8("用户"));
}

TEST_F(ControlsViewTest, ImagePlaysItsFramesThenStopsAfterItsLoops) {
    Image& image = form.add<Image>("Image1");
    image.setBounds(96, 457, 225, 41);
    image.setAutoSize(true);
    open();
    auto picture = std::make_shared<Picture>();
    picture->width = 3;
    picture->height = 2;
    picture->loopCount = 1;
    picture->frames.push_back({std::vector<std::uint32_t>(6, 0xFFFF0000u), 30});
    picture->frames.push_back({std::vector<std::uint32_t>(6, 0xFF0000FFu), 30});
    image.setPicture(picture);
    auto& shown = widget<PictureLabel>(image);
    EXPECT_EQ(shown.geometry(), QRect(96, 457, 3, 2));
    EXPECT_EQ(shown.frameCount(), 2u);
    EXPECT_EQ(shown.pixmap().toImage().pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.frameIndex() == 1; }, 2000));
    EXPECT_EQ(shown.pixmap().toImage().pixelColor(2, 1), QColor(0, 0, 255));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.playing(); }, 2000));
    EXPECT_EQ(shown.frameIndex(), 1u);

    image.clear();
    EXPECT_EQ(shown.frameCount(), 0u);
    EXPECT_EQ(shown.geometry(), QRect(96, 457, 225, 41));
}

}  // namespace
}  // namespace quorvin::ui::qt
