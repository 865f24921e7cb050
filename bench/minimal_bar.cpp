// The start-up baseline: the least a Qt Widgets program does to show a bar like Tintwell's, one
// frameless 42 x 505 black tool window and the event loop. The start-up probe measures this and
// the real program in the same run and prints one against the other.

#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget bar(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    QPalette black = bar.palette();
    black.setColor(QPalette::Window, Qt::black);
    bar.setPalette(black);
    bar.setAutoFillBackground(true);
    bar.resize(42, 505);
    bar.show();
    return app.exec();
}
