// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ArchiveSource.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
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
    return QStringLiteral("%1 : archive ZIP endommagée ou incomplète").arg(path);
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
        return QStringLiteral("vide");
    }
    return QStringLiteral("commence par « %1%2 »")
        .arg(shown, bytes.size() > 60 ? QStringLiteral("…") : QString());
}

QString sizeLimit(qint64 bytes) {
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 Mo").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 octets").arg(bytes);
}

// Bit 0 of a ZIP entry's general purpose flags: the entry is encrypted.
constexpr quint16 kEncryptedFlag = 0x1;

// Reads a device to its end in pieces of this size.
constexpr qint64 kPiece = 64 * 1024;

// Hands the device's bytes to the sink, at most limit of them; returns how
// many there were, or limit + 1 when there were more.
qint64 pass(QIODevice* device, ArchiveSource::Sink* sink, qint64 limit) {
    std::vector<char> piece(kPiece);
    qint64 total = 0;
    while (total <= limit) {
        const qint64 size = device->read(piece.data(), std::min(kPiece, limit + 1 - total));
        if (size <= 0) {
            break;
        }
        total += size;
        if (total <= limit) {
            sink->take(QByteArrayView(piece.data(), size));
        }
    }
    return total;
}

// Keeps what a sink is given, for the callers that want every content whole.
class Collect : public ArchiveSource::Sink {
public:
    explicit Collect(std::vector<ArchiveSource::Content>* contents) : m_contents(contents) {}
    void begin(const QString& name) override { m_current = {name, QByteArray()}; }
    void take(QByteArrayView bytes) override { m_current.bytes.append(bytes); }
    void end() override { m_contents->push_back(std::move(m_current)); }

private:
    std::vector<ArchiveSource::Content>* m_contents;
    ArchiveSource::Content m_current;
};

} // namespace

bool ArchiveSource::read(const QStringList& paths, std::vector<Content>* contents, QString* error) {
    Collect collect(contents);
    return stream(paths, &collect, error);
}

bool ArchiveSource::stream(const QStringList& paths, Sink* sink, QString* error) {
    for (const QString& path : paths) {
        if (looksLikeZip(path)) {
            QuaZip zip(path);
            if (!zip.open(QuaZip::mdUnzip)) {
                *error = QFileInfo::exists(path)
                             ? damaged(path)
                             : QStringLiteral("%1 : fichier introuvable").arg(path);
                return false;
            }
            if (!readZip(zip, path, kMaxEntryBytes, sink, error)) {
                return false;
            }
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
            return false;
        }
        sink->begin(path);
        pass(&file, sink, std::numeric_limits<qint64>::max() - 1);
        sink->end();
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
        *error =
            zipBytes.startsWith("PK")
                ? damaged(name)
                : QStringLiteral("%1 : pas une archive ZIP (%2)").arg(name, firstBytes(zipBytes));
        return false;
    }
    Collect collect(contents);
    return readZip(zip, name, maxEntryBytes, &collect, error);
}

bool ArchiveSource::readZip(QuaZip& zip, const QString& path, qint64 maxEntryBytes, Sink* sink,
                            QString* error) {
    bool found = false;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString inner = zip.getCurrentFileName();
        if (!inner.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            continue; // a read-me or a folder beside the results
        }
        // An encrypted entry cannot be read without its password: say so
        // rather than call the archive damaged.
        QuaZipFileInfo64 info;
        if (zip.getCurrentFileInfo(&info) && (info.flags & kEncryptedFlag) != 0) {
            *error = QStringLiteral(
                         "%1 : %2 est chiffré ; seules les archives ZIP non chiffrées se lisent")
                         .arg(path, inner);
            return false;
        }
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly)) {
            *error = damaged(path);
            return false;
        }
        sink->begin(path + QLatin1Char('/') + inner);
        if (pass(&entry, sink, maxEntryBytes) > maxEntryBytes) {
            *error = QStringLiteral("%1 : %2 décompressé dépasse %3")
                         .arg(path, inner, sizeLimit(maxEntryBytes));
            return false;
        }
        // Closing checks the entry's CRC: a damaged entry fails here.
        entry.close();
        if (entry.getZipError() != UNZ_OK) {
            *error = damaged(path);
            return false;
        }
        sink->end();
        found = true;
    }
    if (zip.getZipError() != UNZ_OK) {
        *error = damaged(path);
        return false;
    }
    if (!found) {
        *error = QStringLiteral("%1 : l'archive ZIP ne contient aucun fichier CSV").arg(path);
        return false;
    }
    return true;
}

} // namespace history
