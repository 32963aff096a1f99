// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandOutput.h"

namespace cli {

CommandOutput::CommandOutput() : m_stream(&m_text) {
}

void CommandOutput::addMessage(const QString& text) {
    m_stream.flush();
    const qsizetype start = m_text.size();
    m_stream << text << Qt::endl;
    m_messages.emplace_back(start, m_text.size());
}

void CommandOutput::finish(QTextStream& out, QTextStream& err, bool failed) {
    m_stream.flush();
    qsizetype done = 0;
    for (const auto& [start, end] : m_messages) {
        out << QStringView(m_text).mid(done, start - done);
        (failed ? err : out) << QStringView(m_text).mid(start, end - start);
        done = end;
    }
    out << QStringView(m_text).mid(done);
    out.flush();
    err.flush();
}

} // namespace cli
