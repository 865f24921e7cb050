#include "ui/update_check/update_check_window.h"

#include "core/base/text_file.h"
#include "core/base/version_info.h"
#include "core/update/update_decision.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/window_fonts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace twl {

namespace {

const QString kWaitText =
    QStringLiteral("Please wait while TWL is looking for available updates...");
// While the server has not answered the bar creeps from 20 towards 30 over the time limit.
constexpr int kConnectingProgress = 20;
constexpr int kWaitTickMs = 250;

} // namespace

std::string UpdateServerBase(const std::string& builtIn) {
    QString base = qEnvironmentVariable("TWL_UPDATE_URL");
    if (base.isEmpty()) {
        base = QString::fromStdString(builtIn);
    }
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    return base.toStdString();
}

UpdateCheckWindow::UpdateCheckWindow(std::string userDataFolder, std::string serverBase,
                                     Dialogs& dialogs, Shell& shell,
                                     UpdateDownloaderFactory downloaders)
    : QWidget(nullptr, Qt::Dialog), updateFile_(std::move(userDataFolder) + "update.txt"),
      serverBase_(std::move(serverBase)), dialogs_(dialogs), shell_(shell),
      downloaders_(std::move(downloaders)), status_(new QLabel(kWaitText, this)),
      progress_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Check for updates"));
    setFixedSize(292, 97);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);
    const QString host = QUrl(QString::fromStdString(serverBase_)).host();
    siteName_ = host.isEmpty() ? serverBase_ : host.toStdString();

    status_->setObjectName(QStringLiteral("Label1"));
    // A long status wraps onto a second line above the bar.
    status_->setGeometry(16, 24, 260, 30);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setWordWrap(true);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setGeometry(16, 56, 257, 17);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    waitTicks_.setInterval(kWaitTickMs);
    connect(&waitTicks_, &QTimer::timeout, this, [this] {
        const qint64 share = waited_.elapsed() * 10 / kTimeLimitMs;
        progress_->setValue(kConnectingProgress + static_cast<int>(std::min<qint64>(9, share)));
    });
}

UpdateCheckWindow::~UpdateCheckWindow() = default;

QString UpdateCheckWindow::Status() const {
    return status_->text();
}

int UpdateCheckWindow::Progress() const {
    return progress_->value();
}

void UpdateCheckWindow::ShowAndCheck() {
    EnsureWindowFonts();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    CheckForUpdates();
}

void UpdateCheckWindow::SetStatus(const QString& status, int progress) {
    status_->setText(status);
    progress_->setValue(progress);
}

void UpdateCheckWindow::CheckForUpdates() {
    if (checking_) {
        return;
    }
    checking_ = true;
    const int check = ++checks_;
    SetStatus(
        QStringLiteral("Connecting to %1 for updates...").arg(QString::fromStdString(siteName_)),
        kConnectingProgress);
    if (!downloader_ && downloaders_) {
        downloader_ = downloaders_();
    }
    if (!downloader_) {
        Fetched(std::nullopt);
        return;
    }
    waited_.start();
    waitTicks_.start();
    downloader_->Fetch(serverBase_ + "/products/twl/update.txt", kTimeLimitMs, kMaxBodyBytes,
                       [this, check](std::optional<std::string> body) {
                           // The answer is taken on a fresh turn of the event loop, so the
                           // questions below never run inside the downloader's own signal.
                           QTimer::singleShot(0, this,
                                              [this, check, body = std::move(body)]() mutable {
                                                  if (checking_ && check == checks_) {
                                                      Fetched(std::move(body));
                                                  }
                                              });
                       });
}

void UpdateCheckWindow::StopWaiting() {
    waitTicks_.stop();
    checking_ = false;
}

void UpdateCheckWindow::hideEvent(QHideEvent* event) {
    // Closing the window while the server has not answered ends the check quietly.
    if (checking_) {
        StopWaiting();
        if (downloader_) {
            downloader_->Cancel();
        }
    }
    QWidget::hideEvent(event);
}

void UpdateCheckWindow::EndWithMessage(const QString& status, const std::string& message) {
    SetStatus(status, 100);
    dialogs_.ShowMessage(message);
    close();
}

void UpdateCheckWindow::Fetched(std::optional<std::string> body) {
    StopWaiting();
    if (!body || !WriteWholeFile(updateFile_, *body)) {
        EndWithMessage(QStringLiteral("Cannot connect to server."),
                       "Sorry, cannot connect to " + siteName_ + " right now.");
        return;
    }
    SetStatus(kWaitText, 30);
    const std::optional<std::string> published = ReadPublishedVersion(updateFile_);
    if (!published) {
        EndWithMessage(QStringLiteral("Error opening update information."),
                       "Sorry, cannot find access information.");
        return;
    }
    progress_->setValue(40);
    const UpdateDecision decision = DecideUpdate(*published, FileVersionText());
    if (decision == UpdateDecision::CheckManually) {
        SetStatus(QStringLiteral("Error accessing update information."), 100);
        if (dialogs_.AskYesNo("Sorry, cannot find access information. Would you like to check "
                              "it manually?")) {
            shell_.Open(serverBase_ + "/products/twl");
            close();
        }
        return;
    }
    progress_->setValue(50);
    if (decision == UpdateDecision::NewerVersion) {
        progress_->setValue(100);
        repaint();
        if (dialogs_.AskYesNo("There is a newer version. Would you like to download?")) {
            shell_.Open(serverBase_ + "/products/twl/download.htm");
        }
        close();
        std::error_code ignored;
        std::filesystem::remove(updateFile_, ignored);
        return;
    }
    SetStatus(QStringLiteral("No update necessary."), 50);
    dialogs_.ShowMessage("You have the latest version. Thanks for checking!");
    close();
}

} // namespace twl
