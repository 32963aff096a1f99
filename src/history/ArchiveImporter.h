#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "history/DrawMerge.h"
#include "history/TZiehung.h"

namespace history {

// Reads the operator's published results archive: semicolon-separated files,
// newest draw first, columns found by their header names, and merges the draws
// into the history file in date order. A draw already stored is not added
// again; it only gains the multiplier or Joker+ it lacked.
class ArchiveImporter {
public:
    struct Result {
        bool ok = false;
        int imported = 0;
        int alreadyPresent = 0;
        QString error; // names the file and line on failure
    };

    // Parses one archive file's bytes; on a malformed row returns false with
    // the 1-based line number in *errorLine and a reason in *reason. When
    // rowLines is given it receives each record's line number.
    static bool parse(const QByteArray& bytes, std::vector<TZiehung>* records, int* errorLine,
                      QString* reason, std::vector<int>* rowLines = nullptr);

    // Parses the bytes of the file called name and adds its draws to merge;
    // on failure *error names the file and line.
    static bool collect(const QByteArray& bytes, const QString& name, DrawMerge* merge,
                        QString* error);

    // Imports the files into the history at historyPath, replacing it through
    // tempPath. Nothing changes unless every file parsed.
    static Result importFiles(const QStringList& files, const QString& historyPath,
                              const QString& tempPath);
};

} // namespace history
