#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "history/ArchiveSource.h"
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
        // Records of the history whose date is damaged: skipped, and left
        // out of the history when the import rewrote it.
        int damaged = 0;
        bool rewritten = false;
        // Stored draws that contradict the archive's copy: left as they are.
        std::vector<DrawMerge::Difference> differing;
        QString error; // names the file and line on failure

        // "imported N draws, M already present", and a line about damaged
        // records and one about differing draws when there were any.
        QString summary() const;
    };

    // "1 tirage enregistré diffère des résultats FDJ : 04.06.2025 midi";
    // empty when nothing differs.
    static QString differenceText(const std::vector<DrawMerge::Difference>& differing);

    // Parses one archive file's bytes; on a malformed row returns false with
    // the 1-based line number in *errorLine and a reason in *reason. When
    // rowLines is given it receives each record's line number. A row dated
    // before 16.09.1993 or after today is malformed.
    static bool parse(const QByteArray& bytes, std::vector<TZiehung>* records, int* errorLine,
                      QString* reason, std::vector<int>* rowLines = nullptr,
                      const QDate& today = QDate::currentDate());

    // Parses the bytes of the file called name and adds its draws to merge;
    // on failure *error names the file and line.
    static bool collect(const QByteArray& bytes, const QString& name, DrawMerge* merge,
                        QString* error, const QDate& today = QDate::currentDate());

    // Imports the files into the history at historyPath, replacing it through
    // tempPath. Nothing changes unless every file parsed.
    static Result importFiles(const QStringList& files, const QString& historyPath,
                              const QString& tempPath, const QDate& today = QDate::currentDate());
    // The same for contents already read (a downloaded archive).
    static Result importContents(const std::vector<ArchiveSource::Content>& contents,
                                 const QString& historyPath, const QString& tempPath,
                                 const QDate& today = QDate::currentDate());

private:
    // Merges the draws into the history and replaces it when anything changed.
    static void mergeIntoHistory(const DrawMerge& incoming, const QString& historyPath,
                                 const QString& tempPath, Result* result);
};

} // namespace history
