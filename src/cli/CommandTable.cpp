// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandTable.h"

#include <limits>

#include "common/Formats.h"

namespace cli {

QStringList CommandTable::names() const {
    QStringList names;
    for (const auto& entry : m_commands) {
        names << entry.first;
    }
    return names;
}

const Command* CommandTable::find(const QString& name) const {
    const auto it = m_commands.find(name);
    return it == m_commands.end() ? nullptr : &it->second;
}

bool CommandTable::run(const Command& command, CommandContext& context) {
    if (command.windowCommand && context.session.refused(*command.windowCommand)) {
        return false;
    }
    return command.run(context);
}

QString checkDate(const QString& text) {
    return common::parseShortDate(text).isValid()
               ? QString()
               : QStringLiteral("invalid date \"%1\" (DD.MM.YYYY)").arg(text);
}

QString checkInteger(const QString& text) {
    qint64 value = 0;
    return common::parseInteger(text, &value) ? QString()
                                              : QStringLiteral("not a number: \"%1\"").arg(text);
}

QString checkTipIndex(const QStringList& args) {
    qint64 value = 0;
    if (!common::parseInteger(args[0], &value) || value < 1 ||
        value > std::numeric_limits<int>::max()) {
        return QStringLiteral("invalid tip index \"%1\"").arg(args[0]);
    }
    return QString();
}

} // namespace cli
