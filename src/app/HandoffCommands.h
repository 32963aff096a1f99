// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

#include "online/AutoWebScript.h"
#include "online/FormFillerLauncher.h"
#include "online/QKSForm.h"

namespace app {

class HandoffDialogPort;

// Online play: hands the tip list ticket by ticket to the form filler.
class HandoffCommands {
public:
    // Told the command line of each start of the form filler.
    using StartListener = std::function<void(const QString& commandLine)>;

    explicit HandoffCommands(HandoffHost& host);
    ~HandoffCommands();

    void setDialogs(HandoffDialogPort* dialogs) { m_dialogs = dialogs; }
    // Replaces the real detached start (tests use a stand-in).
    void setLauncher(online::FormFillerLauncher* launcher) { m_launcher = launcher; }
    void setStartListener(StartListener listener) { m_startListener = std::move(listener); }
    // Keeps the hand-off settings in this store and group instead of the
    // form filler's own.
    void setSettings(QSettings* settings, const QString& group);

    // AutoWebScript: the whole hand-off.
    online::AutoWebScript::Outcome SpeedButton12Click();

    // The script choice dialog's state, kept for the whole run.
    online::QKSForm& form() { return m_form; }

    // The group of the hand-off settings inside a shared INI file.
    static QString sharedIniGroup() { return QStringLiteral("Skrivano/Settings"); }

private:
    QSettings* handoffSettings(QString* group);

    HandoffHost& m_host;
    online::QKSForm m_form;
    HandoffDialogPort* m_dialogs = nullptr;
    online::DetachedLauncher m_detached;
    online::FormFillerLauncher* m_launcher = &m_detached;
    StartListener m_startListener;
    QSettings* m_settingsOverride = nullptr;
    QString m_groupOverride;
    std::unique_ptr<QSettings> m_ownSettings;
};

} // namespace app
