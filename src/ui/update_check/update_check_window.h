#pragma once
// The "Check for updates" window: a status line and a progress bar while the program fetches
// the published version from the project's server, compares it with its own and tells the user.
// The fetch runs on the event loop, so the program stays responsive while the server is slow.

#include "platform/update_downloader.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

class QLabel;
class QProgressBar;

namespace twl {

class Dialogs;
class Shell;

// The server's base address: TWL_UPDATE_URL when set, else builtIn; without a trailing "/".
std::string UpdateServerBase(const std::string& builtIn);

class UpdateCheckWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 15000;
    static constexpr std::size_t kMaxBodyBytes = 64 * 1024;

    UpdateCheckWindow(std::string userDataFolder, std::string serverBase, Dialogs& dialogs,
                      Shell& shell, UpdateDownloaderFactory downloaders);
    ~UpdateCheckWindow() override;

    // The menu command: shows the window centred and starts a check, unless one is running.
    void ShowAndCheck();
    void CheckForUpdates();
    bool Checking() const { return checking_; }

    QString Status() const;
    int Progress() const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void SetStatus(const QString& status, int progress);
    void Fetched(std::optional<std::string> body);
    void EndWithMessage(const QString& status, const std::string& message);
    void StopWaiting();

    std::string updateFile_;
    std::string serverBase_;
    std::string siteName_;
    Dialogs& dialogs_;
    Shell& shell_;
    UpdateDownloaderFactory downloaders_;
    std::unique_ptr<UpdateDownloader> downloader_;
    QLabel* status_;
    QProgressBar* progress_;
    QTimer waitTicks_; // moves the bar while the server has not answered
    QElapsedTimer waited_;
    bool checking_ = false; // from the start of a check until the server's answer is taken
    int checks_ = 0;        // a late answer to a check that was given up is dropped
};

} // namespace twl
