// The yardstick for the player's start-up: the least a Qt program with a main
// window does before its first paint. bench/startup/ compares the two. With
// --menu it also shows a menu bar, which costs the first text (fonts).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    auto* content = new QWidget(&window);
    content->setAutoFillBackground(true);
    QPalette pal = content->palette();
    pal.setColor(QPalette::Window, Qt::white);
    content->setPalette(pal);
    window.setCentralWidget(content);
    if (app.arguments().contains("--menu")) window.menuBar()->addMenu("&Datei");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
