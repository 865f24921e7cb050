#pragma once
// The desktop portal on the session bus: its name and object, and whether it offers one of its
// interfaces.

#include <QString>

namespace twl::portal {

inline const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// True when the session bus has a portal that answers for this interface's version.
bool Offers(const QString& interface);

} // namespace twl::portal
