// tirvex-drawservice: serves draws over HTTP from a history file or from the
// operator's results archive, and script files from a folder.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "DrawService.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tirvex-drawservice"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draw service for the Keno draw update."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on."),
                                  QStringLiteral("PORT"), QStringLiteral("8080"));
    const QCommandLineOption bind(QStringLiteral("bind"), QStringLiteral("Address to listen on."),
                                  QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption history(QStringLiteral("history"),
                                     QStringLiteral("Serve the draws of this history file."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption archive(QStringLiteral("archive"),
                                     QStringLiteral("Serve the draws of the *.csv files in DIR."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption scripts(QStringLiteral("scripts"),
                                     QStringLiteral("Serve /scripts/ from this folder."),
                                     QStringLiteral("DIR"));
    parser.addOptions({port, bind, history, archive, scripts});
    parser.process(app);

    if (parser.isSet(history) == parser.isSet(archive)) {
        std::fprintf(stderr, "give exactly one of --history FILE and --archive DIR\n");
        return 2;
    }
    bool ok = false;
    const int portNumber = parser.value(port).toInt(&ok);
    if (!ok || portNumber < 0 || portNumber > 65535) {
        std::fprintf(stderr, "invalid port \"%s\"\n", qPrintable(parser.value(port)));
        return 2;
    }

    drawservice::DrawService service;
    QString error;
    const bool loaded = parser.isSet(history) ? service.loadHistory(parser.value(history), &error)
                                              : service.loadArchive(parser.value(archive), &error);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
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
    service.wait();
    return 0;
}
