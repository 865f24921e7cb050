// A file manager's drag, for the desktop tests: a window named "twl drag source" at the place
// given; a left press on it drags the files given as "text/uri-list", as a file manager does,
// and the program ends a while after the drop, once the target has had the data.
// Usage: twl_drag_source X Y FILE...

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> files) : files_(std::move(files)) {
        setWindowTitle(QStringLiteral("twl drag source"));
        setFixedSize(100, 100);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            return;
        }
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(files_);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction);
        std::printf("%s\n", done == Qt::IgnoreAction ? "not dropped" : "dropped");
        std::fflush(stdout);
        // The target asks for the data after the drop: it is served until the program ends.
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }

private:
    QList<QUrl> files_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        return 2;
    }
    QList<QUrl> files;
    for (int i = 3; i < argc; ++i) {
        files << QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i]));
    }
    DragSource source(files);
    source.move(QString::fromLatin1(argv[1]).toInt(), QString::fromLatin1(argv[2]).toInt());
    source.show();
    return app.exec();
}
