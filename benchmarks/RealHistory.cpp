// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealHistory.h"

#include <QDir>
#include <QTemporaryDir>
#include <stdexcept>

#include "history/ArchiveImporter.h"
#include "history/BundledArchive.h"

namespace bench {

namespace {

QTemporaryDir& home() {
    static QTemporaryDir dir;
    return dir;
}

} // namespace

QStringList bundledArchiveFiles() {
    const QDir archive(QStringLiteral(TIRVEX_ARCHIVE_DATA));
    QStringList files;
    for (const QString& name : history::BundledArchive::fileNames()) {
        files << archive.filePath(name);
    }
    return files;
}

const QString& realHistoryPath() {
    static const QString path = [] {
        const QStringList files = bundledArchiveFiles();
        const QString target = home().filePath(QStringLiteral("Tirvex.dat"));
        const auto result =
            history::ArchiveImporter::importFiles(files, target, target + QLatin1Char('~'));
        if (!result.ok) {
            throw std::runtime_error(result.error.toStdString());
        }
        return target;
    }();
    return path;
}

const QString& realHistoryHome() {
    static const QString path = (realHistoryPath(), home().path());
    return path;
}

const history::DrawHistory& realHistory() {
    static const history::DrawHistory loaded = [] {
        history::DrawHistory draws;
        if (history::DrawHistory::load(realHistoryPath(), &draws) !=
            history::HistoryFile::Status::Ok) {
            throw std::runtime_error("cannot read the imported history");
        }
        return draws;
    }();
    return loaded;
}

int shortRunDraws() {
    return qEnvironmentVariableIsSet("TIRVEX_BENCH_SHORT") ? 20 : 0;
}

} // namespace bench
