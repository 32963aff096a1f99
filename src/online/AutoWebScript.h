// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSettings>
#include <QString>
#include <QStringList>

#include "online/FormFillerLauncher.h"
#include "online/QKSForm.h"

namespace online {

// What the hand-off needs from a person: the install question, the script
// choice dialog, the confirmation between tickets, error reports.
class HandoffDialogs {
public:
    virtual ~HandoffDialogs() = default;
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // Shows the script choice dialog modally; true when it was closed with OK.
    virtual bool chooseScript(QKSForm* form) = 0;
    // Waits for the user between tickets; false stops the hand-off.
    virtual bool confirm(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    virtual void openAddress(const QString& address) = 0;
};

// Hands the tip list to the form filler ticket by ticket: fills the chosen
// template for each ticket, saves it as today's script in "Tipps" and starts
// the form filler with it and the four parameters.
class AutoWebScript {
public:
    struct Input {
        QString home;     // with a trailing separator
        QStringList tips; // the tip list
        int numbersPerTip = 10;
        int tipsPerTicket = 5;
        QString stakeText; // the "Coût par Grille" text, verbatim
        QDate today;
        QString serviceUrl; // base address of the script service; may be empty
    };
    struct Outcome {
        bool installAsked = false;
        bool cancelled = false;
        bool failed = false;
        int tickets = 0; // form filler starts
        QStringList commandLines;
    };

#ifdef Q_OS_WIN
    static constexpr const char* kExecutable = "Skrivano.exe";
#else
    static constexpr const char* kExecutable = "Skrivano";
#endif
    // Where the form filler's installer is offered.

    AutoWebScript(QSettings* settings, HandoffDialogs* dialogs, FormFillerLauncher* launcher,
                  const QString& settingsGroup = QLatin1String(HandoffSettings::kGroup));

    Outcome run(const Input& input, QKSForm* form);

    static QString executablePath(const QString& installPath);
    static QStringList arguments(const QString& scriptPath, const HandoffSettings& values);
    // START and the five quoted items, as the form filler reads its command line.
    static QString parameterString(const QStringList& arguments);
    static QString installQuestion() {
        return QStringLiteral("Quorvanes Skrivano installieren?");
    }
    static QString installCaption() {
        return QStringLiteral("Skrivano jetzt installieren?");
    }
    static QString nextTicketMessage() {
        return QStringLiteral("Si le projet de loi adopté, cliquez sur OK");
    }

private:
    bool handTicket(const Input& input, const HandoffSettings& values, int* next, Outcome* outcome);

    QSettings* m_settings;
    HandoffDialogs* m_dialogs;
    FormFillerLauncher* m_launcher;
    QString m_group;
};

} // namespace online
