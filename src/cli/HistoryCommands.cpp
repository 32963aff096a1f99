// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HistoryCommands.h"
#include "app/Session.h"
#include "cli/CommandTable.h"
#include "common/DayNumber.h"
#include "common/Formats.h"

namespace cli {

namespace {

// The entry dialog answered with the draw given on the command line.
class GivenDraw : public app::DrawEntryPort {
public:
    explicit GivenDraw(history::DrawEntry entry) : m_entry(std::move(entry)) {}
    std::optional<history::DrawEntry> editDraw(const history::DrawEntry&) override {
        return m_entry;
    }

private:
    history::DrawEntry m_entry;
};

// enter D midi|soir MULT JOKERPLUS N1,...,N20 as the dialog would confirm it.
QString parseEntry(const QStringList& args, history::DrawEntry* entry) {
    entry->date = common::parseShortDate(args[0]);
    if (!entry->date.isValid() || entry->date < common::toDate(common::kFirstDrawDay)) {
        return QStringLiteral("invalid draw date \"%1\" (16.09.1993 or later)").arg(args[0]);
    }
    if (args[1] != QLatin1String("midi") && args[1] != QLatin1String("soir")) {
        return QStringLiteral("the draw is midi or soir, not \"%1\"").arg(args[1]);
    }
    entry->soir = args[1] == QLatin1String("soir");
    qint64 multiplier = 0;
    if (!common::parseInteger(args[2], &multiplier)) {
        return checkInteger(args[2]);
    }
    entry->multiplier = static_cast<int>(multiplier);
    if (args[3].size() != 7) {
        return QStringLiteral("the Joker+ number has 7 digits, not \"%1\"").arg(args[3]);
    }
    for (int i = 0; i < 7; ++i) {
        if (!args[3][i].isDigit()) {
            return QStringLiteral("the Joker+ number has 7 digits, not \"%1\"").arg(args[3]);
        }
        entry->jokerPlus[static_cast<std::size_t>(i)] = args[3][i].digitValue();
    }
    for (const QString& field : args[4].split(QLatin1Char(','))) {
        qint64 number = 0;
        if (!common::parseInteger(field, &number)) {
            return QStringLiteral("invalid draw number \"%1\"").arg(field);
        }
        entry->numbers.push_back(static_cast<int>(number));
    }
    // The dialog takes only a complete draw; the same rules refuse it here.
    history::TZiehung record;
    QString error;
    return history::DrawEditor::buildRecord(*entry, &record, &error) ? QString() : error;
}

bool update(CommandContext& c) {
    c.port.setEchoStatus(true);
    bool ok = c.session.historyCommands().VellumatClick();
    c.port.setEchoStatus(false);
    // The status lines are the window's; a request that got no answer at all
    // is the update's failure as well.
    const app::HistoryCommands& commands = c.session.historyCommands();
    const QString& unanswered = commands.lastUnanswered();
    if (!unanswered.isEmpty()) {
        c.err << unanswered << Qt::endl;
        ok = false;
    }
    const history::UpdateResult& result = commands.lastResult();
    if (result.failed && !result.summary.isEmpty()) {
        c.err << result.summary << Qt::endl;
        ok = false;
    }
    // A script must tell "up to date" from "service broken".
    if (result.requests > 0 && result.failedRequests == result.requests &&
        result.summary.isEmpty() && unanswered.isEmpty()) {
        c.err << QStringLiteral("every one of the %1 requests failed").arg(result.requests)
              << Qt::endl;
        ok = false;
    }
    if (!c.session.staleNotice().isEmpty()) {
        c.err << c.session.staleNotice() << Qt::endl;
    }
    printDrawLines(c);
    return ok;
}

bool enter(CommandContext& c) {
    history::DrawEntry entry;
    parseEntry(c.args, &entry); // checked before the run
    GivenDraw dialog(entry);
    app::HistoryCommands& commands = c.session.historyCommands();
    commands.setDrawEntryPort(&dialog);
    const bool ok = commands.BitBtn8Click();
    commands.setDrawEntryPort(nullptr);
    if (ok) {
        printDrawLines(c);
    }
    return ok;
}

bool remove(CommandContext& c) {
    if (!c.session.historyCommands().BitBtn4Click()) {
        return false;
    }
    printDrawLines(c);
    return true;
}

} // namespace

void addHistoryCommands(CommandTable& table) {
    table.add(QStringLiteral("update"), {0, 0, nullptr, update}).windowCommand =
        app::WindowCommand::Update;
    table
        .add(QStringLiteral("enter"), {5, 5,
                                       [](const QStringList& args) {
                                           history::DrawEntry entry;
                                           return parseEntry(args, &entry);
                                       },
                                       enter})
        .windowCommand = app::WindowCommand::EnterDraw;
    table.add(QStringLiteral("delete"), {0, 0, nullptr, remove}).windowCommand =
        app::WindowCommand::DeleteDraw;
}

} // namespace cli
