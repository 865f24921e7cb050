#include "ui/common/tool_window.h"

#include "core/placement/window_position.h"
#include "platform/monitors.h"
#include "platform/window_fonts.h"
#include "platform/window_move.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace twl {

namespace {

const QColor kFrameColor(75, 75, 75);
constexpr int kFrameWidth = 2;

} // namespace

ToolWindow::ToolWindow(const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(name);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ToolWindow::AddMoveHandle(QWidget* handle) {
    handle->installEventFilter(this);
}

void ToolWindow::MoveToStoredPlace(Point place) {
    const Point kept = KeepOnSomeMonitor(Rect{place.x, place.y, width(), height()}, MonitorAreas());
    move(kept.x, kept.y);
}

void ToolWindow::ShowWindow() {
    EnsureWindowFonts();
    const bool first = !shownBefore_;
    show();
    shownBefore_ = true;
    if (first) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            move(area.left() + (area.width() - width()) / 2,
                 area.top() + (area.height() - height()) / 2);
        }
    }
    raise();
    activateWindow();
}

void ToolWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(QRect(0, 0, all.width(), kFrameWidth), kFrameColor);
    painter.fillRect(QRect(0, all.height() - kFrameWidth, all.width(), kFrameWidth), kFrameColor);
    painter.fillRect(QRect(0, 0, kFrameWidth, all.height()), kFrameColor);
    painter.fillRect(QRect(all.width() - kFrameWidth, 0, kFrameWidth, all.height()), kFrameColor);
}

void ToolWindow::mousePressEvent(QMouseEvent* event) {
    if (!HandlePress(event)) {
        QWidget::mousePressEvent(event);
    }
}

void ToolWindow::mouseReleaseEvent(QMouseEvent* event) {
    HandleRelease(event);
    QWidget::mouseReleaseEvent(event);
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        return HandlePress(static_cast<QMouseEvent*>(event));
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        HandleRelease(static_cast<QMouseEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void ToolWindow::HandleRelease(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && awaitingRelease_) {
        awaitingRelease_ = false;
        CancelWindowMove(*this);
    }
}

bool ToolWindow::HandlePress(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        awaitingRelease_ = StartWindowMove(*this);
        return true;
    }
    if (event->button() == Qt::RightButton && windowMenu_ != nullptr) {
        windowMenu_->popup(event->globalPosition().toPoint());
        return true;
    }
    return false;
}

} // namespace twl
