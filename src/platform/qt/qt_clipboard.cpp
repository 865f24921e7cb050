#include "platform/qt/qt_clipboard.h"

#include "platform/qt_conversions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace twl {

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::SetImage(const PixelImage& image) {
    QGuiApplication::clipboard()->setImage(ToQImage(image));
}

void QtClipboard::SetTextAndImage(const std::string& text, const PixelImage& image) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setImageData(ToQImage(image));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::string QtClipboard::Text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

} // namespace twl
