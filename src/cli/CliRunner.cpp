#include "cli/CliRunner.h"

#include <QFileInfo>
#include <QSettings>

#include "app/HomeFolder.h"
#include "app/HomeLock.h"
#include "cli/HelpText.h"
#include "common/Formats.h"

namespace cli {

namespace {
const QString kUsage = QStringLiteral(
    "usage: tirvex-cli [--home DIR] [--settings FILE] [--today DD.MM.YYYY] [--seed N] "
    "[--service URL] [--results URL] [--no-save] [--yes] COMMAND [ARGS...] [COMMAND [ARGS...]]...");
} // namespace

CliRunner::CliRunner(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {
    addCoreCommands(m_table);
    addHistoryCommands(m_table);
    addTipCommands(m_table);
    addOnlineCommands(m_table);
    addStatisticsCommands(m_table);
    addGeneratorCommands(m_table);
    addBacktestCommands(m_table);
}

QString CliRunner::parse(const QStringList& arguments, Invocation* inv) const {
    int i = 0;
    auto optionValue = [&](const QString& option) -> std::optional<QString> {
        if (i + 1 >= arguments.size()) {
            return std::nullopt;
        }
        Q_UNUSED(option);
        i += 2;
        return arguments[i - 1];
    };
    while (i < arguments.size() &&
           (arguments[i].startsWith(QLatin1String("--")) || arguments[i] == QLatin1String("-h"))) {
        const QString option = arguments[i];
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            inv->help = true;
            return QString();
        }
        if (option == QLatin1String("--version")) {
            inv->version = true;
            return QString();
        }
        if (option == QLatin1String("--no-save")) {
            inv->save = false;
            ++i;
            continue;
        }
        if (option == QLatin1String("--yes")) {
            inv->yes = true;
            ++i;
            continue;
        }
        const std::optional<QString> value = optionValue(option);
        if (!value) {
            return QStringLiteral("option %1 needs a value").arg(option);
        }
        if (option == QLatin1String("--home")) {
            // The form filler and the desktop get paths in Home from us;
            // they run in folders of their own.
            inv->home = QFileInfo(*value).absoluteFilePath();
        } else if (option == QLatin1String("--settings")) {
            inv->settingsFile = *value;
        } else if (option == QLatin1String("--today")) {
            inv->today = common::parseShortDate(*value);
            if (!inv->today.isValid()) {
                return checkDate(*value);
            }
        } else if (option == QLatin1String("--seed")) {
            bool ok = false;
            const qint64 seed = value->toLongLong(&ok);
            if (!ok || seed < -2147483648LL || seed > 4294967295LL) {
                return QStringLiteral("invalid seed \"%1\"").arg(*value);
            }
            inv->seed = static_cast<quint32>(seed);
        } else if (option == QLatin1String("--service")) {
            inv->overrides.emplace_back(app::Control::ServiceURL, *value);
        } else if (option == QLatin1String("--results")) {
            inv->overrides.emplace_back(app::Control::ResultsURL, *value);
        } else {
            return QStringLiteral("unknown option %1").arg(option);
        }
    }
    if (i >= arguments.size()) {
        return kUsage;
    }
    while (i < arguments.size()) {
        const QString name = arguments[i++];
        const Command* command = m_table.find(name);
        if (!command) {
            return QStringLiteral("unknown command \"%1\"").arg(name);
        }
        QStringList args;
        const int max = command->maxArgs < 0 ? INT_MAX : command->maxArgs;
        while (i < arguments.size() && args.size() < max &&
               (args.size() < command->minArgs || !m_table.contains(arguments[i]))) {
            args << arguments[i++];
        }
        if (args.size() < command->minArgs) {
            return QStringLiteral("%1 needs %2 argument(s)").arg(name).arg(command->minArgs);
        }
        if (command->check) {
            const QString error = command->check(args);
            if (!error.isEmpty()) {
                return QStringLiteral("%1: %2").arg(name, error);
            }
        }
        inv->commands.emplace_back(name, args);
    }
    return QString();
}

int CliRunner::run(const QStringList& arguments, const QString& executableDir) {
    Invocation inv;
    const QString error = parse(arguments, &inv);
    if (!error.isEmpty()) {
        m_err << error << Qt::endl;
        return 2;
    }
    if (inv.help || inv.version) {
        m_out << (inv.help ? helpText() : versionText());
        m_out.flush();
        return 0;
    }
    CliPort port(m_out);
    port.setToday(inv.today);
    port.setAnswerYes(inv.yes);
    app::Session session(port);
    // Nobody to ask: the differing draws are listed and the operator's are
    // taken only with --yes.
    session.setOperatorDrawsAnswer([this, yes = inv.yes](const auto& differing) {
        for (const QString& line : history::ArchiveImporter::differenceLines(differing)) {
            m_err << line << Qt::endl;
        }
        if (!yes) {
            m_err << QStringLiteral("--yes remplace ces tirages par ceux de la FDJ") << Qt::endl;
        }
        return yes;
    });
    session.setHome(inv.home.isEmpty() ? app::HomeFolder::choose(executableDir) : inv.home);
    app::HomeLock lock(session.home());
    QString inUse;
    if (!lock.acquire(&inUse)) {
        m_err << inUse << Qt::endl;
        return 1;
    }

    std::unique_ptr<QSettings> settings;
    QString group;
    if (inv.settingsFile.isEmpty()) {
        settings =
            std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Tirvex"));
    } else {
        settings = std::make_unique<QSettings>(inv.settingsFile, QSettings::IniFormat);
        group = QStringLiteral("Tirvex");
    }
    session.FormCreate(settings.get(), group);
    if (m_firstStart) {
        const QString line = m_firstStart->run(session);
        if (!line.isEmpty()) {
            m_err << line << Qt::endl;
        }
    }
    // --service and --results are for this run only.
    std::vector<std::pair<app::Control, QString>> stored;
    for (const auto& [name, value] : inv.overrides) {
        stored.emplace_back(name, session.controls().text(name));
        session.controls().setText(name, value);
    }
    if (inv.seed) {
        session.random().setSeed(*inv.seed);
    }

    int status = 0;
    for (const auto& [name, args] : inv.commands) {
        const bool done = captured(port, [&](QTextStream& out) {
            CommandContext context{session, port, out, m_err, args};
            return CommandTable::run(*m_table.find(name), context);
        });
        if (!done) {
            status = 1;
            break;
        }
    }
    if (inv.save) {
        // The stored addresses stay, unless a command set another one.
        for (std::size_t k = stored.size(); k-- > 0;) {
            if (session.controls().text(stored[k].first) == inv.overrides[k].second) {
                session.controls().setText(stored[k].first, stored[k].second);
            }
        }
        if (!captured(port,
                      [&](QTextStream&) { return session.FormClose(settings.get(), group); })) {
            status = 1;
        }
    }
    m_out.flush();
    return status;
}

bool CliRunner::captured(CliPort& port, const std::function<bool(QTextStream& out)>& step) {
    CommandOutput output;
    port.setCommandOutput(&output);
    const bool done = step(output.stream());
    port.setCommandOutput(nullptr);
    output.finish(m_out, m_err, !done);
    return done;
}

} // namespace cli
