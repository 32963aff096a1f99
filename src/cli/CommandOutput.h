// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextStream>
#include <utility>
#include <vector>

namespace cli {

// What one command prints, held until the command ends. A command that
// failed has shown its error in message boxes: those go to standard error,
// the rest of its output to standard output. A command that succeeded prints
// everything on standard output, in the order it was shown.
class CommandOutput {
public:
    CommandOutput();
    CommandOutput(const CommandOutput&) = delete;
    CommandOutput& operator=(const CommandOutput&) = delete;

    // The command's standard output.
    QTextStream& stream() { return m_stream; }
    // A message box's text, one line.
    void addMessage(const QString& text);
    void finish(QTextStream& out, QTextStream& err, bool failed);

private:
    QString m_text;
    QTextStream m_stream;
    std::vector<std::pair<qsizetype, qsizetype>> m_messages; // start, end in m_text
};

} // namespace cli
