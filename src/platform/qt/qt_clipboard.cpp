#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace twl {

namespace {

QImage ToImage(const PixelImage& image) {
    QImage picture(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            row[x] = image.At(x, y);
        }
    }
    return picture;
}

} // namespace

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::SetImage(const PixelImage& image) {
    QGuiApplication::clipboard()->setImage(ToImage(image));
}

void QtClipboard::SetTextAndImage(const std::string& text, const PixelImage& image) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setImageData(ToImage(image));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::string QtClipboard::Text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

} // namespace twl
