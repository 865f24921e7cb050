#pragma once
// The Options dialog's key field (HotKey1): takes one key and shows its name; modifiers typed
// with it are dropped, they come from the dialog's four boxes.

#include <QLineEdit>

namespace twl {

class HotkeyField : public QLineEdit {
    Q_OBJECT
public:
    explicit HotkeyField(QWidget* parent = nullptr);

    // The hotkey key name of a Qt key; empty when the key has none.
    static QString KeyName(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace twl
