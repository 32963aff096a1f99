// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WebLinks.h"

#include "common/WebAddresses.h"

namespace app {

QString WebLinks::addressOf(const QString& caption) {
    const QString address = caption.trimmed();
    if (address.isEmpty() || address.contains(QLatin1String("://"))) {
        return address;
    }
    return QStringLiteral("https://") + address;
}

void WebLinks::Label43Click() {
    if (m_shell) {
        m_shell->open(common::web::kProductPage);
    }
}

void WebLinks::Label52Click(const QString& caption) {
    const QString address = addressOf(caption);
    // The command line has no shell; an empty caption opens nothing.
    if (m_shell && !address.isEmpty()) {
        m_shell->open(address);
    }
}

} // namespace app
