// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliPort.h"

#include "common/DefaultSuffix.h"

namespace cli {

CliPort::CliPort(QTextStream& out) : m_out(out) {
}

void CliPort::statusTextChanged(int, const QString& text) {
    if (m_echoStatus) {
        out() << text << Qt::endl;
    }
}

void CliPort::showMessage(const QString& text) {
    ++m_messageCount;
    if (m_command) {
        m_command->addMessage(text);
    } else {
        m_out << text << Qt::endl;
    }
}

bool CliPort::askYesNo(const QString& text) {
    // Printed like a message box: on standard error when the command fails.
    if (m_command) {
        m_command->addMessage(text);
    } else {
        m_out << text << Qt::endl;
    }
    return m_answerYes;
}

std::optional<QString> CliPort::inputText(const QString&, const QString&,
                                          const QString& defaultText) {
    std::optional<QString> answer = m_nextInput ? m_nextInput : std::optional<QString>(defaultText);
    m_nextInput.reset();
    return answer;
}

QStringList CliPort::openFileNames(const QString&, const QString&, const QString& defaultSuffix,
                                   bool) {
    QStringList files = std::exchange(m_nextFiles, {});
    for (QString& file : files) {
        file = common::withDefaultSuffix(file, defaultSuffix);
    }
    return files;
}

QString CliPort::saveFileName(const QString&, const QString& proposedName, const QString&) {
    const QStringList files = std::exchange(m_nextFiles, {});
    return files.isEmpty() ? proposedName : files.first();
}

QDate CliPort::today() {
    return m_today.isValid() ? m_today : QDate::currentDate();
}

} // namespace cli
