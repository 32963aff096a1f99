// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a history file with the program's own importer, once at build time,
// so that the tests read the imported history instead of importing the
// operator's archive again in every test program.
//
//   tirvex_make_history OUTPUT FOLDER   the bundled archive's files in FOLDER
//   tirvex_make_history OUTPUT FILE...  the given CSV files, oldest first
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "history/ArchiveImporter.h"
#include "history/BundledArchive.h"

namespace {

// The files to import: a folder stands for the bundled archive in it, in the
// order the program imports it.
QStringList archiveFiles(const QStringList& arguments) {
    if (arguments.size() == 1 && QFileInfo(arguments[0]).isDir()) {
        const QDir folder(arguments[0]);
        QStringList files;
        for (const QString& name : history::BundledArchive::fileNames()) {
            files << folder.filePath(name);
        }
        return files;
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT FOLDER|FILE...\n", argv[0]);
        return 2;
    }
    QStringList arguments;
    for (int i = 2; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    // An import merges into what is there: start from no history at all.
    QFile::remove(output);
    const history::ArchiveImporter::Result result = history::ArchiveImporter::importFiles(
        archiveFiles(arguments), output, output + QLatin1Char('~'));
    if (!result.ok) {
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(result.error));
        return 1;
    }
    return 0;
}
