// Leaks on purpose inside a handler that Qt's event loop calls: the leak
// checker, run with the project's suppressions, must still report it (a
// suppression of whole Qt libraries would hide it, as it would hide the
// player's own leaks in its event handlers).
#include <QCoreApplication>
#include <QTimer>

[[gnu::noinline]] void LeakInHandler() {
    volatile char* lost = new char[64];
    lost[0] = 1;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        LeakInHandler();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
