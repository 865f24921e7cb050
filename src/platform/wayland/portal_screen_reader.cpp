#include "platform/wayland/portal_screen_reader.h"

#include "platform/wayland/desktop_portal.h"

#include "core/sampling/captured_picture.h"
#include "core/sampling/portal_answer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace twl {

namespace {

using portal::kPath;
using portal::kRequest;
using portal::kService;

const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
// GNOME asks the user the first time: the wait allows for that.
constexpr int kAnswerMs = 60000;

// Receives the request's Response signal.
class ResponseCatcher : public QObject {
    Q_OBJECT
public:
    std::optional<std::uint32_t> response;
    std::optional<std::string> uri;

public slots:
    void Response(uint code, const QVariantMap& results) {
        response = code;
        const QVariant value = results.value(QStringLiteral("uri"));
        if (value.metaType() == QMetaType::fromType<QString>()) {
            uri = value.toString().toStdString();
        }
        emit answered();
    }

signals:
    void answered();
};

} // namespace

PortalScreenReader::PortalScreenReader(std::unique_ptr<ScreenReader> pointer)
    : pointer_(std::move(pointer)) {}

PortalScreenReader::~PortalScreenReader() = default;

Rect PortalScreenReader::Desktop() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->virtualGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

bool PortalScreenReader::Offered() {
    return portal::Offers(kScreenshot);
}

void PortalScreenReader::BeginPick() {
    TakeScreenshot();
}

void PortalScreenReader::TakeScreenshot() {
    taken_ = true;
    picture_ = QImage();
    problem_.clear();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        problem_ = "there is no session bus for the desktop portal";
        return;
    }
    const QString token =
        QStringLiteral("tintwell%1_%2").arg(QCoreApplication::applicationPid()).arg(++requests_);
    const QString requestPath = QString::fromStdString(
        PortalRequestPath(bus.baseService().toStdString(), token.toStdString()));
    // The answer is listened for before the question, so it cannot come first.
    ResponseCatcher catcher;
    bus.connect(kService, requestPath, kRequest, QStringLiteral("Response"), &catcher,
                SLOT(Response(uint, QVariantMap)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    call << QString() << options;
    const QDBusMessage sent = bus.call(call, QDBus::Block, 10000);
    if (sent.type() != QDBusMessage::ReplyMessage) {
        bus.disconnect(kService, requestPath, kRequest, QStringLiteral("Response"), &catcher,
                       SLOT(Response(uint, QVariantMap)));
        problem_ =
            "the desktop portal refused the screenshot: " + sent.errorMessage().toStdString();
        return;
    }
    if (!catcher.response) {
        QEventLoop wait;
        QObject::connect(&catcher, &ResponseCatcher::answered, &wait, &QEventLoop::quit);
        QTimer::singleShot(kAnswerMs, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    bus.disconnect(kService, requestPath, kRequest, QStringLiteral("Response"), &catcher,
                   SLOT(Response(uint, QVariantMap)));
    if (!catcher.response) {
        problem_ = "the desktop portal did not answer";
        return;
    }
    const ScreenshotAnswer answer = ReadScreenshotAnswer(*catcher.response, catcher.uri);
    if (!answer.file) {
        problem_ = answer.problem;
        return;
    }
    picture_ = QImage(QString::fromStdString(*answer.file)).convertToFormat(QImage::Format_RGB32);
    if (picture_.isNull()) {
        problem_ = "the desktop portal's screenshot is not a picture";
    }
}

void PortalScreenReader::Read(const Rect& area, SourceBlock& block) {
    ResetSourceBlock(block, area);
    if (!taken_) {
        TakeScreenshot();
    }
    if (picture_.isNull()) {
        return;
    }
    // The picture is the whole desktop, in the outputs' own pixels (twice the logical size at a
    // scale of 2).
    CapturedPicture picture;
    picture.region = Desktop();
    picture.width = picture_.width();
    picture.height = picture_.height();
    picture.stride = picture_.bytesPerLine();
    picture.format = kShmXrgb8888;
    picture.bytes = picture_.constBits();
    CopyCapturedPicture(picture, block);
}

} // namespace twl

#include "portal_screen_reader.moc"
