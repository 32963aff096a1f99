// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "online/HandoffSettings.h"

namespace online {

// The script choice dialog without its widgets: the template combo box
// (editable, listing the templates of the script folder) and the four
// parameter fields. It lives as long as the program, so the combo text
// carries over from one hand-off to the next.
class QKSForm {
public:
    static QString caption() { return QStringLiteral("Script für Zahlenübergabe auswählen!"); }
    static QString fileLabel() { return QStringLiteral("Quorvanes Click-Script File"); }
    static QString parameterLabel() { return QStringLiteral("Parameter "); }
    static QString browseFilter() { return QStringLiteral("Quorvanes Click Script|*.qks"); }
    static QString browseSuffix() { return QStringLiteral("qks"); }
    // Home + "Script": where the templates are kept and browsing starts.
    static QString scriptFolder(const QString& home) { return home + QStringLiteral("Script"); }

    QString scriptText() const { return m_scriptText; }
    void setScriptText(const QString& text) { m_scriptText = text; }
    const QStringList& scriptItems() const { return m_scriptItems; }

    QString zahl1() const { return m_zahl1; }
    QString text1() const { return m_text1; }
    QString zahl2() const { return m_zahl2; }
    QString text2() const { return m_text2; }
    void setZahl1(const QString& text) { m_zahl1 = text; }
    void setText1(const QString& text) { m_text1 = text; }
    void setZahl2(const QString& text) { m_zahl2 = text; }
    void setText2(const QString& text) { m_text2 = text; }

    // The four parameters from the settings.
    void setParameters(const HandoffSettings& settings);
    // The template and the four parameters as they are to be stored.
    HandoffSettings values(const QString& installPath) const;

    // Lists the templates of the script folder; an empty combo text takes
    // the last one found.
    void FormShow(const QString& home);
    // An empty numeric parameter becomes "0".
    void FormClose();

private:
    QString m_scriptText;
    QStringList m_scriptItems;
    QString m_zahl1 = QStringLiteral("0");
    QString m_text1 = QStringLiteral("Login");
    QString m_zahl2 = QStringLiteral("0");
    QString m_text2;
};

} // namespace online
