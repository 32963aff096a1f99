// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/QKSForm.h"

#include <QDir>

namespace online {

void QKSForm::setParameters(const HandoffSettings& settings) {
    m_zahl1 = settings.zahl1;
    m_text1 = settings.text1;
    m_zahl2 = settings.zahl2;
    m_text2 = settings.text2;
}

HandoffSettings QKSForm::values(const QString& installPath) const {
    return HandoffSettings{installPath, m_scriptText, m_zahl1, m_text1, m_zahl2, m_text2};
}

void QKSForm::FormShow(const QString& home) {
    const QString remembered = m_scriptText;
    m_scriptItems.clear();
    const QDir folder(scriptFolder(home));
    const QStringList names =
        folder.entryList({QStringLiteral("*.qks")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        m_scriptItems << folder.absoluteFilePath(name);
    }
    m_scriptText =
        remembered.isEmpty() && !m_scriptItems.isEmpty() ? m_scriptItems.last() : remembered;
}

void QKSForm::FormClose() {
    if (m_zahl1.isEmpty()) {
        m_zahl1 = QStringLiteral("0");
    }
    if (m_zahl2.isEmpty()) {
        m_zahl2 = QStringLiteral("0");
    }
}

} // namespace online
