#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class QuaZip;

namespace history {

// The contents of the files given to the archive import, each by a name that
// the import's messages use. A results file is taken as it is; a ZIP archive
// (the form in which the operator publishes its results) as the CSV files it
// holds, each named "archive.zip/inner.csv".
class ArchiveSource {
public:
    struct Content {
        QString name;
        QByteArray bytes;
    };

    // Reads every path in order. On the first that cannot be read returns
    // false with *error naming it; a damaged ZIP archive, or one without a
    // CSV file, cannot be read.
    static bool read(const QStringList& paths, std::vector<Content>* contents, QString* error);

    // The CSV files of a ZIP archive held in memory (a download), named
    // "name/inner.csv". An entry that unpacks to more than maxEntryBytes is
    // refused before it is read whole.
    static bool readZipBytes(const QByteArray& zipBytes, const QString& name, qint64 maxEntryBytes,
                             std::vector<Content>* contents, QString* error);

    // The operator's files are a few MB; an entry that inflates beyond this is
    // no results file but a ZIP bomb, and is not read into memory.
    static constexpr qint64 kMaxEntryBytes = qint64(256) * 1024 * 1024;

private:
    static bool readZip(QuaZip& zip, const QString& name, qint64 maxEntryBytes,
                        std::vector<Content>* contents, QString* error);
};

} // namespace history
