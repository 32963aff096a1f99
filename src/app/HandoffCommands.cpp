// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandoffCommands.h"

#include <QDir>

#include "app/HandoffDialogPort.h"

namespace app {

namespace {

// Answers the hand-off's questions through the window: the script choice and
// captioned questions through the hand-off's dialogs when the window has
// them, everything else through the window port.
class HostDialogs : public online::HandoffDialogs {
public:
    HostDialogs(HandoffHost& host, HandoffDialogPort* dialogs) : m_host(host), m_dialogs(dialogs) {}

    bool askYesNo(const QString& caption, const QString& text) override {
        return m_dialogs ? m_dialogs->askYesNo(caption, text) : m_host.port().askYesNo(text);
    }
    bool chooseScript(online::QKSForm* form) override {
        // Without a window the dialog counts as confirmed as it stands.
        return m_dialogs ? m_dialogs->chooseScript(form, m_host.home()) : true;
    }
    bool confirm(const QString& text) override {
        m_host.port().showMessage(text);
        return true;
    }
    void showError(const QString& text) override { m_host.port().showMessage(text); }
    void openAddress(const QString& address) override {
        if (ShellPort* shell = m_host.shellPort()) {
            shell->open(address);
        }
    }

private:
    HandoffHost& m_host;
    HandoffDialogPort* m_dialogs;
};

// Passes each start on and tells the listener its command line first, so a
// listener sees the starts in order with the messages between tickets.
class ReportingLauncher : public online::FormFillerLauncher {
public:
    ReportingLauncher(online::FormFillerLauncher* inner, HandoffCommands::StartListener listener)
        : m_inner(inner), m_listener(std::move(listener)) {}
    bool start(const QString& program, const QStringList& arguments) override {
        if (m_listener) {
            m_listener(QDir::toNativeSeparators(program) + QLatin1Char(' ') +
                       online::AutoWebScript::parameterString(arguments));
        }
        return m_inner->start(program, arguments);
    }

private:
    online::FormFillerLauncher* m_inner;
    HandoffCommands::StartListener m_listener;
};

} // namespace

HandoffCommands::HandoffCommands(HandoffHost& host) : m_host(host) {
}

HandoffCommands::~HandoffCommands() = default;

void HandoffCommands::setSettings(QSettings* settings, const QString& group) {
    m_settingsOverride = settings;
    m_groupOverride = group;
}

QSettings* HandoffCommands::handoffSettings(QString* group) {
    if (m_settingsOverride) {
        *group = m_groupOverride;
        return m_settingsOverride;
    }
    // A session kept in one INI file (tirvex-cli --settings) keeps the
    // hand-off's values there too, beside its own group.
    if (m_host.settings() && !m_host.settingsGroup().isEmpty()) {
        *group = sharedIniGroup();
        return m_host.settings();
    }
    if (!m_ownSettings) {
        m_ownSettings =
            std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Skrivano"));
    }
    *group = QLatin1String(online::HandoffSettings::kGroup);
    return m_ownSettings.get();
}

online::AutoWebScript::Outcome HandoffCommands::SpeedButton12Click() {
    if (m_host.refused(WindowCommand::Handoff)) {
        online::AutoWebScript::Outcome refused;
        refused.cancelled = true;
        return refused;
    }
    QString group;
    QSettings* settings = handoffSettings(&group);
    HostDialogs dialogs(m_host, m_dialogs);
    ReportingLauncher launcher(m_launcher, m_startListener);
    online::AutoWebScript handoff(settings, &dialogs, &launcher, group);

    online::AutoWebScript::Input input;
    input.home = m_host.home();
    input.tips = m_host.tipList().lines();
    input.numbersPerTip = m_host.numbersPerTip();
    input.tipsPerTicket = m_host.tipsPerTicket();
    // The price is the stake the evaluation counts, also for a typed stake.
    input.stakeText = QString::number(m_host.stake());
    input.today = m_host.port().today();
    input.serviceUrl = m_host.controls().text(Control::ServiceURL);
    return handoff.run(input, &m_form);
}

} // namespace app
