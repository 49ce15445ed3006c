// Leaks on purpose from a handler the Qt event loop calls, the way the program's own handlers
// run: the sanitizer runs must report it although the loop's system libraries are on the
// stack beneath it.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <vector>

namespace {

void leakFromAnEventHandler() {
    auto* lost = new std::vector<int>(64, 1);
    std::printf("allocated %zu ints, never freed\n", lost->size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [&app] {
        leakFromAnEventHandler();
        app.quit();
    });
    return app.exec();
}
