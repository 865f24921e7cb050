#pragma once
// In-memory stand-ins for the operating-system services, for the widget tests: they record what
// the program asked for instead of showing or starting anything.

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/global_hotkey.h"
#include "platform/shell.h"

#include <string>
#include <utility>
#include <vector>

namespace twl {

class FakeDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return yesAnswer;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    std::optional<TColor> AskColor(TColor initial) override {
        colorDialogStarts.push_back(initial);
        return colorAnswer;
    }
    std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override {
        saveDialogs.push_back(request);
        return saveAnswer;
    }
    std::optional<std::string> AskOpenFileName(const std::string& filters) override {
        openDialogs.push_back(filters);
        return openAnswer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;       // the Yes/No questions asked
    bool yesAnswer = false;                   // what they are answered
    std::vector<SaveFileRequest> saveDialogs; // how each save dialog was opened
    std::optional<std::string> saveAnswer;    // what the next save dialog answers
    std::vector<std::string> openDialogs;     // the filters of each open dialog
    std::optional<std::string> openAnswer;    // what the next open dialog answers
    std::vector<TColor> colorDialogStarts;
    std::optional<TColor> colorAnswer; // what the colour dialog answers
};

class FakeShell : public Shell {
public:
    void Open(const std::string& target) override { opened.push_back(target); }
    void Launch(const std::string& program, const std::string& parameter) override {
        launched.emplace_back(program, parameter);
    }

    std::vector<std::string> opened;
    std::vector<std::pair<std::string, std::string>> launched;
};

// Registers whatever it is asked to, unless told that another program holds the key.
class FakeGlobalHotkey : public GlobalHotkey {
public:
    bool Register(const Hotkey& hotkey) override {
        registered.reset();
        if (heldElsewhere) {
            return false;
        }
        registered = hotkey;
        return true;
    }
    void Unregister() override { registered.reset(); }
    bool DesktopBinds() const override { return desktopBinds; }
    std::string BoundKey() const override { return boundKey; }
    // The user presses the registered combination.
    void Press() {
        if (registered) {
            emit pressed();
        }
    }

    std::optional<Hotkey> registered;
    bool heldElsewhere = false;
    bool desktopBinds = false; // true stands for a desktop's global shortcuts
    std::string boundKey;
};

// Holds what was put on it; each set replaces everything, as on the real clipboard.
class FakeClipboard : public Clipboard {
public:
    void SetText(const std::string& value) override {
        text = value;
        image = PixelImage{};
        ++sets;
    }
    void SetImage(const PixelImage& value) override {
        text.clear();
        image = value;
        ++sets;
    }
    void SetTextAndImage(const std::string& value, const PixelImage& picture) override {
        text = value;
        image = picture;
        ++sets;
    }
    std::string Text() const override { return text; }

    std::string text;
    PixelImage image;
    int sets = 0;
};

} // namespace twl
