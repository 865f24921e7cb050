#include "ui/bar/main_bar.h"

#include "platform/window_move.h"
#include "platform/window_position_sync.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPalette>
#include <QRegion>
#include <QUrl>
#include <QWindow>

namespace twl {

namespace {

constexpr int kMoveSettleMs = 400;

// The local files a drag carries, in its order; none for a drag of anything else.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList paths;
    if (data != nullptr && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                paths << url.toLocalFile();
            }
        }
    }
    return paths;
}

} // namespace

MainBar::MainBar(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TWL"));
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);
    setAutoFillBackground(true);
    setFixedWidth(kWidth);
    setAcceptDrops(true);
    moveSettled_.setSingleShot(true);
    moveSettled_.setInterval(kMoveSettleMs);
    // A drag may pause longer than the settling time: every later move of the bar settles again.
    connect(&moveSettled_, &QTimer::timeout, this, &MainBar::moved);
}

void MainBar::StartMove() {
    // Qt may not know yet where a freshly mapped bar really is; a move from a wrong place would
    // throw the bar away by that much.
    SyncWindowPosition(*this);
    if (StartWindowMove(*this)) {
        systemMove_ = true;
        awaitingRelease_ = true;
        moveSettled_.start();
        return;
    }
    manualMove_ = true;
    grabOffset_ = QCursor::pos() - pos();
    grabMouse();
}

void MainBar::EndPressedMove() {
    if (awaitingRelease_) {
        awaitingRelease_ = false;
        CancelWindowMove(*this);
    }
}

void MainBar::mousePressEvent(QMouseEvent* event) {
    // Slots, their frames, the eye dropper and the border strips are not the background.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
        StartMove();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainBar::mouseMoveEvent(QMouseEvent* event) {
    if (manualMove_) {
        move(QCursor::pos() - grabOffset_);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void MainBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndPressedMove();
    }
    if (manualMove_ && event->button() == Qt::LeftButton) {
        manualMove_ = false;
        releaseMouse();
        emit moved();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void MainBar::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        // After this paint has reached the screen, not inside it.
        QTimer::singleShot(0, this, &MainBar::firstPainted);
    }
}

void MainBar::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (systemMove_) {
        moveSettled_.start();
    }
}

void MainBar::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainBar::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainBar::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedFiles(event->mimeData());
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(paths);
    }
}

void MainBar::ApplyStayOnTop(bool on) {
    const Qt::WindowFlags flags = on ? (windowFlags() | Qt::WindowStaysOnTopHint)
                                     : (windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* window = windowHandle()) {
        // The native window takes the new state as it is: not moved, sized or activated.
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void MainBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A rounded rectangle from (2, 2) to the last column and row but one, corners 6 × 6.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(2, 2, width() - 3, height() - 3), 3, 3);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

void MainBar::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted()) {
        QWidget::keyPressEvent(event);
    }
}

void MainBar::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace twl
