#include "ui/bar/slot_swatch.h"

#include "core/color/color_convert.h"
#include "platform/qt_conversions.h"

#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <unistd.h>

namespace twl {

namespace {

const QString kSlotFormat = QStringLiteral("application/x-tintwell-slot");

SlotSwatch::DragRunner& Runner() {
    static SlotSwatch::DragRunner runner;
    return runner;
}

} // namespace

SlotSwatch::SlotSwatch(int tag, QWidget* parent) : QWidget(parent), tag_(tag) {
    setObjectName(QStringLiteral("C%1").arg(tag + 1));
    setMouseTracking(true);
    setAcceptDrops(true);
}

void SlotSwatch::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        update();
    }
}

QMimeData* SlotSwatch::MakeDragData(int tag, TColor color) {
    auto* data = new QMimeData;
    data->setColorData(ToQColor(color));
    data->setText(QString::fromStdString(ColorToHashHex(color)));
    // The process id keeps another copy's bar from reordering this one.
    data->setData(kSlotFormat, QByteArray::number(::getpid()) + ' ' + QByteArray::number(tag));
    return data;
}

std::optional<TColor> SlotSwatch::ForeignColor(const QMimeData* data) {
    if (data == nullptr || !data->hasColor()) {
        return std::nullopt;
    }
    const QColor color = qvariant_cast<QColor>(data->colorData());
    if (!color.isValid()) {
        return std::nullopt;
    }
    return MakeColor(color.red(), color.green(), color.blue());
}

int SlotSwatch::DraggedTag(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kSlotFormat)) {
        return -1;
    }
    const QList<QByteArray> parts = data->data(kSlotFormat).split(' ');
    bool pidOk = false;
    bool tagOk = false;
    if (parts.size() != 2 || parts[0].toLongLong(&pidOk) != ::getpid()) {
        return -1;
    }
    const int tag = parts[1].toInt(&tagOk);
    return pidOk && tagOk && tag >= 0 ? tag : -1;
}

void SlotSwatch::SetDragRunner(DragRunner runner) {
    Runner() = std::move(runner);
}

void SlotSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_));
}

void SlotSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPoint_ = event->position().toPoint();
        leftHeld_ = true;
        emit leftPressed(tag_);
    } else if (event->button() == Qt::RightButton) {
        emit rightPressed(tag_);
    }
}

void SlotSwatch::mouseMoveEvent(QMouseEvent* event) {
    emit hovered(tag_);
    if (leftHeld_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPoint_).manhattanLength() >=
            QApplication::startDragDistance()) {
        leftHeld_ = false;
        StartDrag();
    }
}

void SlotSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftHeld_ = false;
    }
}

void SlotSwatch::StartDrag() {
    emit dragStarted(tag_);
    auto* drag = new QDrag(this);
    drag->setMimeData(MakeDragData(tag_, color_));
    QPixmap picture(size());
    picture.fill(ToQColor(color_));
    drag->setPixmap(picture);
    drag->setHotSpot(pressPoint_);
    if (Runner()) {
        Runner()(*drag);
    } else {
        drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    }
    emit dragEnded();
}

bool SlotSwatch::AcceptOwnDrag(QDropEvent* event) {
    if (DraggedTag(event->mimeData()) < 0) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    return true;
}

void SlotSwatch::dragEnterEvent(QDragEnterEvent* event) {
    if (AcceptOwnDrag(event)) {
        emit draggedOver(tag_);
    }
}

void SlotSwatch::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptOwnDrag(event)) {
        emit draggedOver(tag_);
    }
}

void SlotSwatch::dropEvent(QDropEvent* event) {
    if (AcceptOwnDrag(event)) {
        emit dropped(tag_);
    }
}

} // namespace twl
