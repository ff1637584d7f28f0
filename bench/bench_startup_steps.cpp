// Where the player's start-up goes, step by step, in the processor time of the
// GUI thread (steady under a busy machine, unlike the wall clock): the same
// steps as the program's entry, until the board's grid has painted, against a
// bare main window with a menu bar until its first paint. Runs on an X server:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb build/bench/bench_startup_steps PUZZLE [bare]
#include "Hauptformular.h"
#include "Session.h"
#include "Startup.h"
#include "StringGrid.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double last = 0;
void Step(const char* name) {
    const double now = CpuMs();
    std::printf("%-28s %7.2f ms  (total %7.2f)\n", name, now - last, now);
    last = now;
}

// Quits once a widget of the kind asked for has painted.
class PaintWatch : public QObject {
public:
    PaintWatch(const char* step, bool grid) : step_(step), grid_(grid) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool wanted = grid_ ? qobject_cast<StringGrid*>(watched) != nullptr
                                  : qobject_cast<QMainWindow*>(watched) != nullptr;
        if (event->type() == QEvent::Paint && wanted && !done_) {
            done_ = true;
            QTimer::singleShot(0, [this] {
                Step(step_);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* step_;
    bool grid_;
    bool done_ = false;
};
} // namespace

int main(int argc, char** argv) {
    last = CpuMs();
    Step("process until main");
    QApplication app(argc, argv);
    Step("QApplication");
    const QStringList args = app.arguments();
    if (args.contains("bare")) {
        QMainWindow window;
        window.menuBar()->addMenu("&Datei");
        window.resize(800, 600);
        PaintWatch watch("first paint", false);
        app.installEventFilter(&watch);
        window.show();
        Step("bare window shown");
        return QApplication::exec();
    }
    QApplication::setApplicationName("Zoruvidedid");
    UseGermanLanguage();
    Step("German texts");
    auto session = std::make_unique<PuzzleSession>();
    const std::vector<std::string> parameters{args.value(1).toStdString()};
    const PlayerWindows windows = CreatePlayerWindows(*session, parameters);
    std::unique_ptr<TRMMainForm> frame(windows.Frame);
    Step("windows created");
    QApplication::processEvents();
    PaintWatch watch("board painted", true);
    app.installEventFilter(&watch);
    frame->show();
    Step("frame shown");
    return QApplication::exec();
}
