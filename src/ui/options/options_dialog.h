#pragma once
// The Options dialog (Form8): the six pages of program-wide settings, the list of colour value
// formats with New, Edit and Remove, and OK, which applies every page in a fixed order and saves.
// It is built once and hidden when closed; every showing refills it from the settings.

#include "ui/options/options_pages.h"

#include <QDialog>

#include <memory>

class QListWidget;
class QStackedWidget;

namespace twl {

class BarActions;
class Dialogs;
class FormatEditor;
class FormatList;
class PickFlow;
struct Settings;

inline constexpr const char* kCannotAssignHotkeyText =
    "Cannot assign this hotkey, please select another.";

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 568, kHeight = 371;
    enum Page { kGeneral, kGlobalHotkey, kAutoCopy, kColorFormats, kEyeDropper, kColorProperties };

    OptionsDialog(Settings& settings, FormatList& formats, Dialogs& dialogs, PickFlow& picks,
                  BarActions& actions);
    ~OptionsDialog() override;

    FormatEditor& Editor() { return *editor_; }

public slots:
    // Fills every control from the settings and shows the dialog on the page last shown.
    void ShowOptions();
    void ShowOptionsOnPage(int page);
    // Refills the format list view (the editor changed the list).
    void FillFormatList();
    void NewFormat();
    void EditFormat();
    void RemoveFormat();
    // OK: applies the pages in order, saves, closes.
    void ApplyOptions();

signals:
    // "startonstartup" was changed through the dialog: switch the autostart entry.
    void startWithWindowsChanged(bool on);
    // OK stored "Show comparison" ("eyeshowcomparison") for the Eye Dropper to follow.
    void comparisonFlagChanged();
    // The format list, then the settings file, are to be saved.
    void saveRequested();
    void helpRequested(const QString& page);

protected:
    // F1 reaches the dialog before any of its controls.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillControls();

    Settings& settings_;
    FormatList& formats_;
    Dialogs& dialogs_;
    PickFlow& picks_;
    BarActions& actions_;
    std::unique_ptr<FormatEditor> editor_;
    bool autostartChanged_ = false;

    QListWidget* pageNames_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    OptionsControls c_;
};

} // namespace twl
