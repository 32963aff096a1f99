#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

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

private:
    static bool readZip(const QString& path, std::vector<Content>* contents, QString* error);
};

} // namespace history
