#include "ui/common/simulate_items.h"

#include <QActionGroup>

namespace twl {

void AddSimulateItems(ActionTable& table, QObject* owner, std::function<void(ColorVision)> chosen) {
    table.AddSubmenu(kSimulateMenuName, "Simulate");
    auto* group = new QActionGroup(owner);
    for (int i = 0; i < kColorVisionCount; ++i) {
        const auto vision = static_cast<ColorVision>(i);
        const std::string caption(ColorVisionName(vision));
        QAction* item = table.Add(owner, kSimulateItems[i], caption.c_str(), true);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, owner, [chosen, vision] { chosen(vision); });
    }
}

void CheckSimulateItem(const ActionTable& table, ColorVision vision) {
    table.Item(QString::fromLatin1(kSimulateItems[static_cast<int>(vision)]))->setChecked(true);
}

} // namespace twl
