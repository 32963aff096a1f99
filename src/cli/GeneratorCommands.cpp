// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GeneratorCommands.h"
#include "app/NumberDialogPort.h"
#include "cli/CommandTable.h"
#include "common/Formats.h"
#include "tips/TipLine.h"

namespace cli {

namespace {

// Answers the number choice dialog without a person: OK, with exactly the
// given numbers checked when there are any.
class ChosenNumbers : public app::NumberDialogPort {
public:
    explicit ChosenNumbers(std::vector<int> numbers) : m_numbers(std::move(numbers)) {}

    Answer showNumberDialog(app::NumberDialogState& state, common::Random&) override {
        state.grid.clearAll();
        for (int number : m_numbers) {
            state.grid.setChecked(number, true);
        }
        return Answer::Ok;
    }

private:
    std::vector<int> m_numbers;
};

// The numbers of "N1,N2,...": each a whole number 1..70.
bool parseNumbers(const QString& text, std::vector<int>* numbers) {
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        qint64 value = 0;
        if (!common::parseInteger(part.trimmed(), &value) || value < 1 || value > 70) {
            return false;
        }
        numbers->push_back(static_cast<int>(value));
    }
    return true;
}

QString checkEdit(const QStringList& args) {
    if (QString error = checkTipIndex(args); !error.isEmpty()) {
        return error;
    }
    std::vector<int> numbers;
    if (args.size() > 1 && !parseNumbers(args[1], &numbers)) {
        return QStringLiteral("invalid numbers \"%1\" (1..70, separated by \",\")").arg(args[1]);
    }
    return QString();
}

bool generate(CommandContext& c) {
    const generator::RunResult result = c.session.generator().BitBtn19Click();
    // A run that could not start has already printed its reason as a message.
    if (!result.closingStatus.isEmpty()) {
        c.out << result.closingStatus << Qt::endl;
    }
    return result.outcome != generator::RunResult::Outcome::Failed;
}

// What the acceptance tests refused in the last generation of this run.
bool filters(CommandContext& c) {
    if (!c.session.generator().hasRun()) {
        c.err << QStringLiteral("filters: no generation has run") << Qt::endl;
        return false;
    }
    const generator::RunResult& result = c.session.generator().lastResult();
    for (int test = 1; test <= generator::AcceptanceTests::kTests; ++test) {
        c.out << test << '\t' << generator::AcceptanceTests::shortName(test) << '\t'
              << result.rejectedBy[static_cast<std::size_t>(test)] << Qt::endl;
    }
    c.out << "accepted\t" << result.passed << Qt::endl;
    c.out << "attempts\t" << result.attempts << Qt::endl;
    return true;
}

bool edit(CommandContext& c) {
    std::vector<int> numbers;
    parseNumbers(c.args.value(1), &numbers);
    app::GeneratorCommands& commands = c.session.generator();
    ChosenNumbers answer(numbers);
    app::NumberDialogPort* previous = commands.numberDialog();
    commands.setNumberDialog(&answer);
    // An index past the list selects nothing: the editor says so.
    c.session.selectTip(static_cast<int>(c.args[0].toLongLong()) - 1);
    commands.SpeedEditClick();
    commands.setNumberDialog(previous);
    printTips(c);
    c.out << c.session.statusText(0) << Qt::endl;
    return true;
}

} // namespace

void addGeneratorCommands(CommandTable& table) {
    table.add(QStringLiteral("generate"), {0, 0, nullptr, generate}).windowCommand =
        app::WindowCommand::Generate;
    table.add(QStringLiteral("edit"), {2, 2, checkEdit, edit}).windowCommand =
        app::WindowCommand::EditTip;
    table.add(QStringLiteral("filters"), {0, 0, nullptr, filters});
}

} // namespace cli
