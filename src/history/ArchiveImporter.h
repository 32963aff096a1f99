// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
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
    // Asked when stored draws contradict the operator's copies, before
    // anything is written: true puts the operator's draws in their place.
    using TakeOperators = std::function<bool(const std::vector<DrawMerge::Difference>&)>;

    struct Result {
        bool ok = false;
        int imported = 0;
        int alreadyPresent = 0;
        // Records of the history whose date is damaged: skipped, and left
        // out of the history when the import rewrote it.
        int damaged = 0;
        bool rewritten = false;
        // Stored draws that contradict the archive's copy: left as they are
        // unless the answer took the operator's (then replaced is set).
        std::vector<DrawMerge::Difference> differing;
        bool replaced = false;
        QString error; // names the file and line on failure

        // "tirages importés : N, déjà présents : M", and a line about damaged
        // records and one about differing draws when there were any.
        QString summary() const;
    };

    // "3 tirages diffèrent des résultats FDJ : 04.06.2025 midi, … (gardés)";
    // empty when nothing differs.
    static QString differenceText(const std::vector<DrawMerge::Difference>& differing,
                                  bool replaced);
    // One line per draw with both versions: "04.06.2025 midi : enregistré
    // 1 4 …, FDJ 2 4 …" (or the multiplier or Joker+ when only that differs).
    static QStringList differenceLines(const std::vector<DrawMerge::Difference>& differing);
    // The question that offers the operator's draws, listing the first ones.
    static QString replacementQuestion(const std::vector<DrawMerge::Difference>& differing);

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
    // Without takeOperators every differing stored draw is kept.
    static Result importFiles(const QStringList& files, const QString& historyPath,
                              const QString& tempPath, const QDate& today = QDate::currentDate(),
                              const TakeOperators& takeOperators = {});
    // The same for contents already read (a downloaded archive).
    static Result importContents(const std::vector<ArchiveSource::Content>& contents,
                                 const QString& historyPath, const QString& tempPath,
                                 const QDate& today = QDate::currentDate(),
                                 const TakeOperators& takeOperators = {});

private:
    // Merges the draws into the history and replaces it when anything changed.
    static void mergeIntoHistory(const DrawMerge& incoming, const QString& historyPath,
                                 const QString& tempPath, const TakeOperators& takeOperators,
                                 Result* result);
};

} // namespace history
