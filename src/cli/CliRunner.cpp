// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRunner.h"

#include <QCommandLineParser>
#include <QFileDevice>
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
    "[--service URL] [--results URL] [--no-save] [--yes] [--] COMMAND [ARGS...] "
    "[COMMAND [ARGS...]]...");
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
    QCommandLineParser parser;
    // Everything from the first command on is the commands' own: a tip line
    // or a value may start with a dash.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption home(QStringLiteral("home"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(),
                                      QStringLiteral("FILE"));
    const QCommandLineOption today(QStringLiteral("today"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption service(QStringLiteral("service"), QString(), QStringLiteral("URL"));
    const QCommandLineOption results(QStringLiteral("results"), QString(), QStringLiteral("URL"));
    const QCommandLineOption noSave(QStringLiteral("no-save"));
    const QCommandLineOption yes(QStringLiteral("yes"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    parser.addOptions({home, settings, today, seed, service, results, noSave, yes, help, version});
    if (!parser.parse(QStringList{QStringLiteral("tirvex-cli")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString& name = unknown.first();
            return QStringLiteral("unknown option %1%2")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        }
        return parser.errorText();
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        inv->help = parser.isSet(help);
        inv->version = !inv->help;
        return QString();
    }
    inv->save = !parser.isSet(noSave);
    inv->yes = parser.isSet(yes);
    if (parser.isSet(home)) {
        // The form filler and the desktop get paths in Home from us;
        // they run in folders of their own.
        inv->home = QFileInfo(parser.value(home)).absoluteFilePath();
    }
    inv->settingsFile = parser.value(settings);
    if (parser.isSet(today)) {
        inv->today = common::parseShortDate(parser.value(today));
        if (!inv->today.isValid()) {
            return checkDate(parser.value(today));
        }
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        const QString text = parser.value(seed);
        const qint64 value = text.toLongLong(&ok);
        if (!ok || value < -2147483648LL || value > 4294967295LL) {
            return QStringLiteral("invalid seed \"%1\"").arg(text);
        }
        inv->seed = static_cast<quint32>(value);
    }
    if (parser.isSet(service)) {
        inv->overrides.emplace_back(app::Control::ServiceURL, parser.value(service));
    }
    if (parser.isSet(results)) {
        inv->overrides.emplace_back(app::Control::ResultsURL, parser.value(results));
    }
    return parseCommands(parser.positionalArguments(), inv);
}

QString CliRunner::parseCommands(const QStringList& arguments, Invocation* inv) const {
    if (arguments.isEmpty()) {
        return kUsage;
    }
    int i = 0;
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
        return outputWritten() ? 0 : 1;
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
    // The window opens on the newest stored draw; so does a run, silently,
    // so that a check or a generation never meets an empty draw.
    if (session.historyHasDraws()) {
        captured(port, [&](QTextStream&) { return session.loadAtDate(); });
    }

    int status = 0;
    for (const auto& [name, args] : inv.commands) {
        const bool done = captured(port, [&](QTextStream& out) {
            CommandContext context{session, port, out, m_err, args};
            return CommandTable::run(*m_table.find(name), context);
        });
        // Output nobody can read is a failure like any other: the commands
        // after it do not run.
        if (!done || !outputWritten()) {
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
    return outputWritten() ? status : 1;
}

bool CliRunner::outputWritten() {
    m_out.flush();
    if (m_out.status() == QTextStream::Ok) {
        return true;
    }
    if (!m_outFailureReported) {
        m_outFailureReported = true;
        const auto* file = qobject_cast<const QFileDevice*>(m_out.device());
        m_err << QStringLiteral("tirvex-cli: cannot write to standard output (%1)")
                     .arg(file && !file->errorString().isEmpty() ? file->errorString()
                                                                 : QStringLiteral("write error"))
              << Qt::endl;
    }
    return false;
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
