#pragma once
// The program's icon: the pictures rendered from data/icons/tintwell.svg when the program is
// built, carried inside it. The bar's window and the notification-area icon both show it.

#include <QIcon>

namespace twl {

QIcon ProgramIcon();

} // namespace twl
