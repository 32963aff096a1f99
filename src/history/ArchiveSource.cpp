#include "history/ArchiveSource.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <quazip.h>
#include <quazipfile.h>

namespace history {

namespace {

bool looksLikeZip(const QString& path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

QString damaged(const QString& path) {
    return QStringLiteral("%1: damaged or incomplete ZIP archive").arg(path);
}

// What a body that is no ZIP archive starts with: an HTML page or a JSON
// error says so in its first characters. Control characters are shown as dots.
QString firstBytes(const QByteArray& bytes) {
    QString shown = QString::fromUtf8(bytes.left(60)).simplified();
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char('.');
        }
    }
    if (shown.isEmpty()) {
        return QStringLiteral("empty");
    }
    return QStringLiteral("starts with \"%1%2\"")
        .arg(shown, bytes.size() > 60 ? QStringLiteral("…") : QString());
}

QString sizeLimit(qint64 bytes) {
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 MB").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(bytes);
}

} // namespace

bool ArchiveSource::read(const QStringList& paths, std::vector<Content>* contents, QString* error) {
    for (const QString& path : paths) {
        if (looksLikeZip(path)) {
            QuaZip zip(path);
            if (!zip.open(QuaZip::mdUnzip)) {
                *error = QFileInfo::exists(path) ? damaged(path)
                                                 : QStringLiteral("%1: no such file").arg(path);
                return false;
            }
            if (!readZip(zip, path, kMaxEntryBytes, contents, error)) {
                return false;
            }
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
            return false;
        }
        contents->push_back({path, file.readAll()});
    }
    return true;
}

bool ArchiveSource::readZipBytes(const QByteArray& zipBytes, const QString& name,
                                 qint64 maxEntryBytes, std::vector<Content>* contents,
                                 QString* error) {
    QBuffer buffer;
    buffer.setData(zipBytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip)) {
        *error = zipBytes.startsWith("PK")
                     ? damaged(name)
                     : QStringLiteral("%1: not a ZIP archive (%2)").arg(name, firstBytes(zipBytes));
        return false;
    }
    return readZip(zip, name, maxEntryBytes, contents, error);
}

bool ArchiveSource::readZip(QuaZip& zip, const QString& path, qint64 maxEntryBytes,
                            std::vector<Content>* contents, QString* error) {
    const std::size_t before = contents->size();
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString inner = zip.getCurrentFileName();
        if (!inner.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            continue; // a read-me or a folder beside the results
        }
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly)) {
            *error = damaged(path);
            return false;
        }
        const QByteArray bytes = entry.read(maxEntryBytes + 1);
        if (bytes.size() > maxEntryBytes) {
            *error = QStringLiteral("%1: %2 unpacks to more than %3")
                         .arg(path, inner, sizeLimit(maxEntryBytes));
            return false;
        }
        // Closing checks the entry's CRC: a damaged entry fails here.
        entry.close();
        if (entry.getZipError() != UNZ_OK) {
            *error = damaged(path);
            return false;
        }
        contents->push_back({path + QLatin1Char('/') + inner, bytes});
    }
    if (zip.getZipError() != UNZ_OK) {
        *error = damaged(path);
        return false;
    }
    if (contents->size() == before) {
        *error = QStringLiteral("%1: the ZIP archive holds no CSV file").arg(path);
        return false;
    }
    return true;
}

} // namespace history
