#include "ui/options/hotkey_field.h"

#include "core/settings/hotkey_text.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace twl {

namespace {

struct NamedKey {
    int key;
    const char* name;
};

// Where Qt's own key text differs from the hotkey's key name.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "Enter"},
    {Qt::Key_Escape, "Esc"},   {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Insert, "Ins"},   {Qt::Key_Delete, "Del"},
    {Qt::Key_PageUp, "PgUp"},  {Qt::Key_PageDown, "PgDn"},
    {Qt::Key_Space, "Space"},  {Qt::Key_Tab, "Tab"},
    {Qt::Key_Pause, "Pause"},
};

} // namespace

HotkeyField::HotkeyField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

QString HotkeyField::KeyName(int key, Qt::KeyboardModifiers modifiers) {
    for (const auto& named : kNamedKeys) {
        if (named.key == key) {
            return QString::fromLatin1(named.name);
        }
    }
    QString text = QKeySequence(key).toString();
    if (modifiers & Qt::KeypadModifier) {
        text = QStringLiteral("Num ") + text;
    }
    const auto hotkey = HotkeyFromBoxes({}, text.toStdString());
    return hotkey ? QString::fromStdString(hotkey->key) : QString();
}

void HotkeyField::keyPressEvent(QKeyEvent* event) {
    const QString name = KeyName(event->key(), event->modifiers());
    if (name.isEmpty()) {
        // Modifier keys alone, F1 and the like go on to the dialog.
        event->ignore();
        return;
    }
    setText(name);
}

} // namespace twl
