// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ArchiveImporter.h"

#include <algorithm>
#include <optional>

#include "common/DayNumber.h"
#include "history/ArchiveParser.h"
#include "history/ArchiveSource.h"
#include "history/HistoryFile.h"

namespace history {

namespace {

QString fileError(const QString& name, int line, const QString& reason) {
    return QStringLiteral("%1, ligne %2 : %3").arg(name).arg(line).arg(reason);
}

QString numbersText(const TZiehung& record) {
    std::array<std::uint8_t, 20> numbers = record.zahlen;
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (const std::uint8_t number : numbers) {
        texts << QString::number(number);
    }
    return texts.join(QLatin1Char(' '));
}

QString jokerPlusText(const TZiehung& record) {
    QString text;
    for (const std::uint8_t digit : record.jokerPlus) {
        text += QString::number(digit);
    }
    return text;
}

// Both versions of what differs: the numbers, else the multiplier or Joker+.
QString versionsText(const TZiehung& stored, const TZiehung& incoming) {
    QString mine = numbersText(stored);
    QString theirs = numbersText(incoming);
    QString what;
    if (mine == theirs) {
        const bool multiplier = stored.multiplicateur != incoming.multiplicateur &&
                                stored.multiplicateur != 0 && incoming.multiplicateur != 0;
        what = multiplier ? QStringLiteral("multiplicateur ") : QStringLiteral("Joker+ ");
        mine = multiplier ? QString::number(stored.multiplicateur) : jokerPlusText(stored);
        theirs = multiplier ? QString::number(incoming.multiplicateur) : jokerPlusText(incoming);
    }
    return QStringLiteral("%1enregistré %2, FDJ %3").arg(what, mine, theirs);
}

// Puts each operator's copy in place of the stored draw it contradicts.
void replaceStored(std::vector<TZiehung>* records,
                   const std::vector<DrawMerge::Difference>& differing) {
    for (const DrawMerge::Difference& difference : differing) {
        const auto it = std::find_if(records->begin(), records->end(), [&](const TZiehung& record) {
            return record.sameDraw(difference.stored);
        });
        if (it != records->end()) {
            *it = difference.incoming;
        }
    }
}

// Parses each content as it is read and adds its draws to the merge. The
// first content found malformed or in conflict gives the error; the rest is
// still read through, so that a file or entry that cannot be read is named
// as the error instead, as when every content was read before any parsing.
class ImportSink : public ArchiveSource::Sink {
public:
    ImportSink(DrawMerge* merge, const QDate& today) : m_merge(merge), m_today(today) {}

    void begin(const QString& name) override {
        if (!m_error.isEmpty()) {
            return;
        }
        m_name = name;
        m_parser.emplace(m_today, [this](const TZiehung& record, int line) {
            // After a conflict the file is still parsed: a malformed row
            // later in it is the error that stands.
            if (m_conflict.isEmpty()) {
                m_merge->add(record, {m_name, line}, &m_conflict);
            }
        });
    }
    void take(QByteArrayView bytes) override {
        if (m_parser && m_parser->wantsBytes()) {
            m_parser->feed(bytes);
        }
    }
    void end() override {
        if (!m_parser) {
            return;
        }
        if (!m_parser->finish()) {
            m_error = fileError(m_name, m_parser->errorLine(), m_parser->reason());
        } else if (!m_conflict.isEmpty()) {
            m_error = m_conflict;
        }
        m_parser.reset();
    }
    const QString& error() const { return m_error; }

private:
    DrawMerge* m_merge;
    QDate m_today;
    QString m_name;
    std::optional<ArchiveParser> m_parser;
    QString m_conflict;
    QString m_error;
};

} // namespace

bool ArchiveImporter::parse(const QByteArray& bytes, std::vector<TZiehung>* records, int* errorLine,
                            QString* reason, std::vector<int>* rowLines, const QDate& today) {
    ArchiveParser parser(today, [&](const TZiehung& record, int line) {
        records->push_back(record);
        if (rowLines) {
            rowLines->push_back(line);
        }
    });
    parser.feed(bytes);
    if (!parser.finish()) {
        *errorLine = parser.errorLine();
        *reason = parser.reason();
        return false;
    }
    return true;
}

bool ArchiveImporter::collect(const QByteArray& bytes, const QString& name, DrawMerge* merge,
                              QString* error, const QDate& today) {
    std::vector<TZiehung> records;
    std::vector<int> lines;
    int line = 0;
    QString reason;
    if (!parse(bytes, &records, &line, &reason, &lines, today)) {
        *error = fileError(name, line, reason);
        return false;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!merge->add(records[i], {name, lines[i]}, error)) {
            return false;
        }
    }
    return true;
}

ArchiveImporter::Result ArchiveImporter::importFiles(const QStringList& files,
                                                     const QString& historyPath,
                                                     const QString& tempPath, const QDate& today,
                                                     const TakeOperators& takeOperators) {
    Result result;
    DrawMerge incoming;
    // Each file is parsed as it is read: the import holds the draws, never a
    // whole file.
    ImportSink sink(&incoming, today);
    if (!ArchiveSource::stream(files, &sink, &result.error)) {
        return result;
    }
    if (!sink.error().isEmpty()) {
        result.error = sink.error();
        return result;
    }
    mergeIntoHistory(incoming, historyPath, tempPath, takeOperators, &result);
    return result;
}

ArchiveImporter::Result
ArchiveImporter::importContents(const std::vector<ArchiveSource::Content>& contents,
                                const QString& historyPath, const QString& tempPath,
                                const QDate& today, const TakeOperators& takeOperators) {
    Result result;
    DrawMerge incoming;
    for (const ArchiveSource::Content& content : contents) {
        if (!collect(content.bytes, content.name, &incoming, &result.error, today)) {
            return result;
        }
    }
    mergeIntoHistory(incoming, historyPath, tempPath, takeOperators, &result);
    return result;
}

void ArchiveImporter::mergeIntoHistory(const DrawMerge& incoming, const QString& historyPath,
                                       const QString& tempPath, const TakeOperators& takeOperators,
                                       Result* result) {
    // Records with a damaged date are skipped as every reader skips them
    // (by the clock's today), and counted for the report.
    std::vector<TZiehung> records;
    QString error;
    if (HistoryFile::readRaw(historyPath, &records, &error) == HistoryFile::Status::Error) {
        result->error = error;
        return;
    }
    result->damaged = HistoryFile::dropDamaged(&records, common::toDayNumber(QDate::currentDate()));
    int completed = 0;
    result->imported = incoming.mergeInto(&records, &completed, &result->differing);
    result->alreadyPresent = incoming.size() - result->imported;
    if (!result->differing.empty() && takeOperators && takeOperators(result->differing)) {
        replaceStored(&records, result->differing);
        result->replaced = true;
    }
    result->rewritten = result->imported > 0 || completed > 0 || result->replaced;
    if (result->rewritten && !HistoryFile::replace(historyPath, tempPath, records, &error)) {
        result->error = error;
        return;
    }
    result->ok = true;
}

QString ArchiveImporter::Result::summary() const {
    QString text = QStringLiteral("tirages importés : %1, déjà présents : %2")
                       .arg(imported)
                       .arg(alreadyPresent);
    if (damaged > 0) {
        text += QStringLiteral("\nenregistrements de l'historique à date invalide (hors du "
                               "16.09.1993 à aujourd'hui) : %1, %2")
                    .arg(damaged)
                    .arg(rewritten ? QStringLiteral("retirés de l'historique réécrit")
                                   : QStringLiteral("ignorés, toujours dans le fichier"));
    }
    const QString differing = differenceText(this->differing, replaced);
    if (!differing.isEmpty()) {
        text += QLatin1Char('\n') + differing;
    }
    return text;
}

QString ArchiveImporter::differenceText(const std::vector<DrawMerge::Difference>& differing,
                                        bool replaced) {
    if (differing.empty()) {
        return {};
    }
    // A long list would push everything else out of the status line.
    constexpr std::size_t kNamed = 5;
    QStringList names;
    for (std::size_t i = 0; i < differing.size() && i < kNamed; ++i) {
        names << DrawMerge::drawName(differing[i].stored);
    }
    if (differing.size() > kNamed) {
        names << QStringLiteral("…");
    }
    const bool one = differing.size() == 1;
    const QString head = one ? QStringLiteral("1 tirage diffère")
                             : QStringLiteral("%1 tirages diffèrent").arg(differing.size());
    const QString outcome = replaced ? (one ? QStringLiteral("remplacé par celui de la FDJ")
                                            : QStringLiteral("remplacés par ceux de la FDJ"))
                                     : (one ? QStringLiteral("gardé") : QStringLiteral("gardés"));
    return QStringLiteral("%1 des résultats FDJ : %2 (%3)")
        .arg(head, names.join(QStringLiteral(", ")), outcome);
}

QStringList ArchiveImporter::differenceLines(const std::vector<DrawMerge::Difference>& differing) {
    QStringList lines;
    for (const DrawMerge::Difference& difference : differing) {
        lines << DrawMerge::drawName(difference.stored) + QStringLiteral(" : ") +
                     versionsText(difference.stored, difference.incoming);
    }
    return lines;
}

QString ArchiveImporter::replacementQuestion(const std::vector<DrawMerge::Difference>& differing) {
    // A message box cannot show hundreds of lines; the count says how many.
    constexpr qsizetype kListed = 10;
    QStringList lines = differenceLines(differing);
    const qsizetype more = lines.size() - kListed;
    if (more > 0) {
        lines.resize(kListed);
        lines << QStringLiteral("… et %1 autres").arg(more);
    }
    const QString head =
        differing.size() == 1
            ? QStringLiteral("1 tirage enregistré diffère des résultats FDJ :")
            : QStringLiteral("%1 tirages enregistrés diffèrent des résultats FDJ :")
                  .arg(differing.size());
    return head + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) +
           QStringLiteral("\nLes remplacer par les tirages de la FDJ ?");
}

} // namespace history
