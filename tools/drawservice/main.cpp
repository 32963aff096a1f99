// SPDX-License-Identifier: GPL-3.0-or-later
// tirvex-drawservice: serves draws over HTTP from a history file or from the
// operator's results archive (CSV or ZIP files, or its published address kept
// current), and script files from a folder.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "DrawService.h"
#include "ResultsFeed.h"
#include "TirvexVersion.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tirvex-drawservice"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TIRVEX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draw service for the Keno draw update."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on."),
                                  QStringLiteral("PORT"), QStringLiteral("8080"));
    const QCommandLineOption bind(QStringLiteral("bind"), QStringLiteral("Address to listen on."),
                                  QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption history(QStringLiteral("history"),
                                     QStringLiteral("Serve the draws of this history file."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption archive(
        QStringLiteral("archive"),
        QStringLiteral("Serve the draws of the operator's results: a CSV or ZIP file, or every "
                       "*.csv and *.zip in a folder."),
        QStringLiteral("PATH"));
    const QCommandLineOption results(
        QStringLiteral("results"),
        QStringLiteral("Also serve the draws of the operator's results archive (a ZIP) at URL, "
                       "downloaded at start."),
        QStringLiteral("URL"));
    const QCommandLineOption refresh(
        QStringLiteral("refresh"),
        QStringLiteral("With --results: download the archive again every MINUTES."),
        QStringLiteral("MINUTES"));
    const QCommandLineOption scripts(QStringLiteral("scripts"),
                                     QStringLiteral("Serve /scripts/ from this folder."),
                                     QStringLiteral("DIR"));
    parser.addOptions({port, bind, history, archive, results, refresh, scripts});
    parser.process(app);

    if (parser.isSet(history) && parser.isSet(archive)) {
        std::fprintf(stderr, "give at most one of --history FILE and --archive PATH\n");
        return 2;
    }
    if (!parser.isSet(history) && !parser.isSet(archive) && !parser.isSet(results)) {
        std::fprintf(stderr, "give --history FILE, --archive PATH or --results URL\n");
        return 2;
    }
    bool ok = false;
    const int portNumber = parser.value(port).toInt(&ok);
    if (!ok || portNumber < 0 || portNumber > 65535) {
        std::fprintf(stderr, "invalid port \"%s\"\n", qPrintable(parser.value(port)));
        return 2;
    }
    int minutes = 0;
    if (parser.isSet(refresh)) {
        minutes = parser.value(refresh).toInt(&ok);
        if (!ok || minutes < 1 || minutes > 7 * 24 * 60 || !parser.isSet(results)) {
            std::fprintf(stderr, "--refresh takes 1 to 10080 minutes, with --results URL\n");
            return 2;
        }
    }

    drawservice::DrawService service;
    QString error;
    const bool loaded = !parser.isSet(history) && !parser.isSet(archive) ? true
                        : parser.isSet(history)
                            ? service.loadHistory(parser.value(history), &error)
                            : service.loadArchive(parser.value(archive), &error);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    drawservice::ResultsFeed feed(service, parser.value(results));
    auto refreshFeed = [&feed] {
        QString report;
        const bool fetched = feed.refresh(&report);
        std::fprintf(fetched ? stdout : stderr, "%s\n", qPrintable(report));
        std::fflush(fetched ? stdout : stderr);
        return fetched;
    };
    // Without any other source a first download that fails leaves nothing
    // to serve.
    if (parser.isSet(results) && !refreshFeed() && service.drawCount() == 0) {
        return 1;
    }
    if (parser.isSet(scripts)) {
        service.setScriptsDir(parser.value(scripts));
    }
    QString reason;
    if (service.start(parser.value(bind).toStdString(), portNumber, &reason) < 0) {
        std::fprintf(stderr, "cannot listen on %s:%d: %s\n", qPrintable(parser.value(bind)),
                     portNumber, qPrintable(reason));
        return 1;
    }
    std::printf("listening on %s\n", qPrintable(service.baseUrl()));
    std::fflush(stdout);
    if (minutes == 0) {
        service.wait();
        return 0;
    }
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &app, [&] { refreshFeed(); });
    timer.start(minutes * 60 * 1000);
    return app.exec();
}
