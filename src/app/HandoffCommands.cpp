#include "app/HandoffCommands.h"

#include <QDir>

#include "app/HandoffDialogPort.h"
#include "app/Session.h"

namespace app {

namespace {

// Answers the hand-off's questions through the window: the script choice and
// captioned questions through the hand-off's dialogs when the window has
// them, everything else through the window port.
class SessionDialogs : public online::HandoffDialogs {
public:
    SessionDialogs(Session& session, HandoffDialogPort* dialogs)
        : m_session(session), m_dialogs(dialogs) {}

    bool askYesNo(const QString& caption, const QString& text) override {
        return m_dialogs ? m_dialogs->askYesNo(caption, text) : m_session.port().askYesNo(text);
    }
    bool chooseScript(online::QKSForm* form) override {
        // Without a window the dialog counts as confirmed as it stands.
        return m_dialogs ? m_dialogs->chooseScript(form, m_session.home()) : true;
    }
    bool confirm(const QString& text) override {
        m_session.port().showMessage(text);
        return true;
    }
    void showError(const QString& text) override { m_session.port().showMessage(text); }
    void openAddress(const QString& address) override {
        if (ShellPort* shell = m_session.shellPort()) {
            shell->open(address);
        }
    }

private:
    Session& m_session;
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

HandoffCommands::HandoffCommands(Session& session) : m_session(session) {
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
    if (m_session.settings() && !m_session.settingsGroup().isEmpty()) {
        *group = sharedIniGroup();
        return m_session.settings();
    }
    if (!m_ownSettings) {
        m_ownSettings =
            std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Skrivano"));
    }
    *group = QLatin1String(online::HandoffSettings::kGroup);
    return m_ownSettings.get();
}

online::AutoWebScript::Outcome HandoffCommands::SpeedButton12Click() {
    if (m_session.refused(WindowCommand::Handoff)) {
        online::AutoWebScript::Outcome refused;
        refused.cancelled = true;
        return refused;
    }
    QString group;
    QSettings* settings = handoffSettings(&group);
    SessionDialogs dialogs(m_session, m_dialogs);
    ReportingLauncher launcher(m_launcher, m_startListener);
    online::AutoWebScript handoff(settings, &dialogs, &launcher, group);

    online::AutoWebScript::Input input;
    input.home = m_session.home();
    input.tips = m_session.tipList().lines();
    input.numbersPerTip = m_session.numbersPerTip();
    input.tipsPerTicket = m_session.tipsPerTicket();
    // The price is the stake the evaluation counts, also for a typed stake.
    input.stakeText = QString::number(m_session.stake());
    input.today = m_session.port().today();
    input.serviceUrl = m_session.controls().text(Control::ServiceURL);
    return handoff.run(input, &m_form);
}

} // namespace app
