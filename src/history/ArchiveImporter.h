#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "history/TZiehung.h"

namespace history {

// Reads the operator's published results archive: semicolon-separated files,
// newest draw first, columns found by their header names, and merges the draws
// into the history file in date order, skipping every draw already stored.
class ArchiveImporter {
public:
    struct Result {
        bool ok = false;
        int imported = 0;
        int alreadyPresent = 0;
        QString error; // names the file and line on failure
    };

    // Parses one archive file's bytes; on a malformed row returns false with
    // the 1-based line number in *errorLine and a reason in *reason.
    static bool parse(const QByteArray& bytes, std::vector<TZiehung>* records, int* errorLine,
                      QString* reason);

    // Imports the files into the history at historyPath, replacing it through
    // tempPath. Nothing changes unless every file parsed.
    static Result importFiles(const QStringList& files, const QString& historyPath,
                              const QString& tempPath);

    // Merges new draws into sorted records; returns how many were added.
    static int merge(std::vector<TZiehung>* records, const std::vector<TZiehung>& incoming);
};

} // namespace history
