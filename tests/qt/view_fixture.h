#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <string>

#include "ui/form.h"
#include "ui/gbk.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_platform.h"

namespace quorvin::ui::qt {

// A form to fill with controls, then open() shows it through a FormView on the Qt platform.
class ViewTest : public ::testing::Test {
  protected:
    void open() { view = std::make_unique<FormView>(form, platform); }

    // Opens, shows and activates the window, for tests that need Qt's focus and key handling.
    void openActive() {
        open();
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    template <typename W>
    W& widget(const Control& control) {
        W* w = dynamic_cast<W*>(view->widgetFor(control));
        if (!w) throw std::logic_error("no widget of that type for " + control.name());
        return *w;
    }

    static std::string gbk(const char* utf8) { return toGbk(utf8); }

    QtPlatform platform;
    Form form{"TFormTest"};
    std::unique_ptr<FormView> view;
};

}  // namespace quorvin::ui::qt
