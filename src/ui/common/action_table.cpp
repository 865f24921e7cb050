#include "ui/common/action_table.h"

#include <vector>

namespace twl {

UnknownMenuItem::UnknownMenuItem(const QString& name)
    : std::logic_error("no menu item is named \"" + name.toStdString() + "\"") {}

QAction* ActionTable::Add(QObject* owner, const char* name, const char* caption, bool checkable) {
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    items_[action->objectName()] = action;
    return action;
}

void ActionTable::AddSubmenu(const char* name, const char* caption) {
    submenus_[QString::fromLatin1(name)] = QString::fromUtf8(caption);
}

QAction* ActionTable::Item(const QString& name) const {
    const auto found = items_.find(name);
    if (found == items_.end()) {
        throw UnknownMenuItem(name);
    }
    return found->second;
}

QMenu* ActionTable::BuildMenu(QWidget* owner, const QString& menuName,
                              std::span<const char* const> layout) {
    auto* top = new QMenu(owner);
    top->setObjectName(menuName);
    std::vector<QMenu*> open{top};
    for (const char* entry : layout) {
        const QString text = QString::fromLatin1(entry);
        QMenu* menu = open.back();
        if (text == QStringLiteral("<")) {
            if (open.size() > 1) {
                open.pop_back();
            }
        } else if (text.startsWith(QLatin1Char('-'))) {
            menu->addSeparator()->setObjectName(text.mid(1));
        } else if (text.startsWith(QLatin1Char('+'))) {
            const QString name = text.mid(1);
            const auto found = submenus_.find(name);
            if (found == submenus_.end()) {
                throw UnknownMenuItem(name);
            }
            QMenu* sub = menu->addMenu(found->second);
            sub->menuAction()->setObjectName(name);
            items_[name] = sub->menuAction();
            open.push_back(sub);
        } else {
            menu->addAction(Item(text));
        }
    }
    return top;
}

} // namespace twl
