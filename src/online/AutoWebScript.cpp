// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/AutoWebScript.h"

#include "common/WebAddresses.h"

#include <QDir>
#include <QFileInfo>

#include "common/FileError.h"
#include "common/TextFile.h"
#include "online/ScriptFiller.h"
#include "online/ScriptUpdater.h"

namespace online {

AutoWebScript::AutoWebScript(QSettings* settings, HandoffDialogs* dialogs,
                             FormFillerLauncher* launcher, const QString& settingsGroup)
    : m_settings(settings), m_dialogs(dialogs), m_launcher(launcher), m_group(settingsGroup) {
}

QString AutoWebScript::executablePath(const QString& installPath) {
    return QDir(installPath).filePath(QLatin1String(kExecutable));
}

QStringList AutoWebScript::arguments(const QString& scriptPath, const HandoffSettings& values) {
    return {QStringLiteral("START"),
            QDir::toNativeSeparators(scriptPath),
            values.zahl1,
            values.text1,
            values.zahl2,
            values.text2};
}

QString AutoWebScript::parameterString(const QStringList& arguments) {
    QString text = arguments.value(0);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        text += QStringLiteral(" \"") + arguments[i] + QLatin1Char('"');
    }
    return text;
}

AutoWebScript::Outcome AutoWebScript::run(const Input& input, QKSForm* form) {
    Outcome outcome;
    const HandoffSettings stored = HandoffSettings::read(m_settings, m_group);
    form->setParameters(stored);
    const QString executable = executablePath(stored.path);
    if (stored.path.isEmpty() || !QFileInfo(executable).isFile()) {
        outcome.installAsked = true;
        if (m_dialogs->askYesNo(installCaption(), installQuestion())) {
            m_dialogs->openAddress(common::web::kFormFillerDownload);
        }
        return outcome;
    }
    if (QFileInfo(stored.script).isFile()) {
        form->setScriptText(stored.script);
    }
    form->FormShow(input.home);
    const bool accepted = m_dialogs->chooseScript(form);
    form->FormClose();
    if (!accepted) {
        outcome.cancelled = true;
        return outcome;
    }
    // A newer template on the service wins; no service or no answer is no error.
    ScriptUpdater::update(input.serviceUrl, form->scriptText());
    const HandoffSettings values = form->values(stored.path);
    values.write(m_settings, m_group);
    m_settings->sync();

    int next = 0;
    while (next < input.tips.size()) {
        if (!handTicket(input, values, &next, &outcome)) {
            outcome.failed = true;
            return outcome;
        }
        if (next < input.tips.size() && !m_dialogs->confirm(nextTicketMessage())) {
            outcome.cancelled = true;
            return outcome;
        }
    }
    return outcome;
}

bool AutoWebScript::handTicket(const Input& input, const HandoffSettings& values, int* next,
                               Outcome* outcome) {
    QStringList templateLines;
    QString reason;
    if (!common::TextFile::readLines(values.script, &templateLines, &reason)) {
        m_dialogs->showError(common::fileError(values.script, reason));
        return false;
    }
    const int perTicket = std::max(1, input.tipsPerTicket);
    const QStringList ticket = input.tips.mid(*next, perTicket);
    *next += perTicket;
    const QString filled = ScriptFiller::fill(templateLines.join(QLatin1Char('\n')), ticket,
                                              input.numbersPerTip, perTicket, input.stakeText);

    const QString scriptPath = ScriptFiller::filledScriptPath(input.home, input.today);
    if (!QDir().mkpath(QFileInfo(scriptPath).absolutePath())) {
        m_dialogs->showError(common::fileError(QFileInfo(scriptPath).absolutePath(),
                                               QStringLiteral("impossible de créer le dossier")));
        return false;
    }
    if (!common::TextFile::writeLines(scriptPath, filled.split(QLatin1Char('\n')), &reason)) {
        m_dialogs->showError(common::fileError(scriptPath, reason));
        return false;
    }
    const QString executable = executablePath(values.path);
    const QStringList args = arguments(scriptPath, values);
    outcome->commandLines << QDir::toNativeSeparators(executable) + QLatin1Char(' ') +
                                 parameterString(args);
    if (!m_launcher->start(executable, args)) {
        m_dialogs->showError(
            common::fileError(executable, QStringLiteral("n'a pas pu être démarré")));
        return false;
    }
    ++outcome->tickets;
    return true;
}

} // namespace online
