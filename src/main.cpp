// The process entry: the Qt application, the desktop services, one run of the trainer and its
// main window.
#include <QApplication>
#include <filesystem>

#include "app/program.h"
#include "ui/qt/form_view.h"
#include "ui/qt/look.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quorvin::ui::qt::useQuorvinLook(application);
    quorvin::ui::qt::QtPlatform platform;

    // Everything the program reads lies beside its executable.
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdString();
    quorvin::app::Program program(platform, programFolder);
    if (!program.FormCreate() || platform.terminated()) return 1;

    platform.setMainForm(program.form());
    quorvin::ui::qt::FormView window(program.form(), platform);
    window.show();
    return application.exec();
}
