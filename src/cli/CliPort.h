// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextStream>

#include "app/HeadlessPort.h"
#include "cli/CommandOutput.h"

namespace cli {

// Nothing waits for a person: message boxes print and count as confirmed,
// questions are answered No unless --yes, input boxes take the command's
// argument or their default text.
class CliPort : public app::HeadlessPort {
public:
    explicit CliPort(QTextStream& out);

    void setToday(const QDate& date) { m_today = date; }
    void setAnswerYes(bool yes) { m_answerYes = yes; }
    // The answer the next input box takes instead of its default text.
    void setNextInput(const QString& text) { m_nextInput = text; }
    void setNextFiles(const QStringList& files) { m_nextFiles = files; }
    // Status texts are echoed while this is on (the update prints them).
    void setEchoStatus(bool on) { m_echoStatus = on; }
    int messageCount() const { return m_messageCount; }
    // While a command runs, everything it shows is held in its output.
    void setCommandOutput(CommandOutput* output) { m_command = output; }

    void statusTextChanged(int panel, const QString& text) override;
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;
    // The names given on the command line, completed as a file dialog
    // completes a typed name.
    QStringList openFileNames(const QString& title, const QString& filter,
                              const QString& defaultSuffix, bool multiple) override;
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QString& filter) override;
    QDate today() override;

private:
    QTextStream& out() { return m_command ? m_command->stream() : m_out; }

    QTextStream& m_out;
    QDate m_today;
    bool m_answerYes = false;
    bool m_echoStatus = false;
    std::optional<QString> m_nextInput;
    QStringList m_nextFiles;
    int m_messageCount = 0;
    CommandOutput* m_command = nullptr;
};

} // namespace cli
