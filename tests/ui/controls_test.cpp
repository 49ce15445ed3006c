#include <gtest/gtest.h>

#include <vector>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/radio_group.h"
#include "ui/rich_line.h"
#include "ui/track_bar.h"

namespace quorvin::ui {
namespace {

class Recorder : public ControlObserver {
  public:
    void changed(Control& control, Property property) override {
        events.push_back({control.name(), property});
    }
    std::vector<std::pair<std::string, Property>> events;
};

TEST(Controls, ObserversHearOnlyRealChanges) {
    Form form("Form");
    Label& label = form.add<Label>("Label1");
    Recorder recorder;
    label.setObserver(&recorder);
    label.setCaption("a");
    label.setCaption("a");
    label.hide();
    label.hide();
    label.setColour(colours::Teal);
    EXPECT_EQ(recorder.events.size(), 3u);
    EXPECT_EQ(recorder.events[0].second, Property::Caption);
    EXPECT_EQ(recorder.events[1].second, Property::Visible);
    EXPECT_EQ(recorder.events[2].second, Property::Colour);
}

TEST(Controls, TrackBarKeepsItsPositionInRangeAndReportsEveryChange) {
    Form form("Form");
    TrackBar& bar = form.add<TrackBar>("TrackBar1");
    bar.setRange(1, 10);
    bar.setPosition(5);
    std::vector<int> seen;
    bar.onChange = [&] { seen.push_back(bar.position()); };
    bar.setPosition(0);
    bar.setPosition(11);
    bar.setPosition(11);
    bar.setPosition(3);
    EXPECT_EQ(seen, (std::vector<int>{1, 10, 3}));
}

TEST(Controls, CheckBoxClickTogglesBeforeItsHandlerRuns) {
    Form form("Form");
    CheckBox& box = form.add<CheckBox>("CheckBox1");
    std::vector<bool> seen;
    box.onClick = [&] { seen.push_back(box.checked()); };
    box.click();
    box.click();
    box.setChecked(true);  // the program setting it is no click
    box.setEnabled(false);
    box.click();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_TRUE(box.checked());
}

TEST(Controls, RadioGroupChoiceRunsOnClickOnlyForANewItem) {
    Form form("Form");
    RadioGroup& group = form.add<RadioGroup>("RadioGroup1");
    group.setItems({"a", "b", "c"});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    group.choose(1);
    group.choose(1);
    group.choose(7);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItems({"x"});
    EXPECT_EQ(group.itemIndex(), -1);
}

TEST(Controls, ComboBoxTextIsTheChosenItem) {
    Form form("Form");
    ComboBox& combo = form.add<ComboBox>("ComboBox1");
    combo.setItems({"one", "two"});
    EXPECT_EQ(combo.text(), "");
    combo.choose(1);
    EXPECT_EQ(combo.text(), "two");
    combo.setItems({"three"});
    EXPECT_EQ(combo.itemIndex(), -1);
}

TEST(Controls, RichLinePaintsBytesWithinItsText) {
    Form form("Form");
    RichLine& line = form.add<RichLine>("RichEdit1");
    line.setColour(colours::Highlight);
    line.setText("abcd");
    line.paint(1, 2, 0x8000FF);
    line.paint(3, 10, 0x00FF00);
    line.paint(9, 1, 0x0000FF);
    EXPECT_EQ(line.charColours(),
              (std::vector<Colour>{colours::Highlight, 0x8000FF, 0x8000FF, 0x00FF00}));
    line.setText("xy");
    EXPECT_EQ(line.charColours(), (std::vector<Colour>{colours::Highlight, colours::Highlight}));
}

}  // namespace
}  // namespace quorvin::ui
