#include "history/ArchiveText.h"

#include <QStringDecoder>
#include <algorithm>

namespace history {

namespace {
const QByteArray kByteOrderMark("\xEF\xBB\xBF");
} // namespace

std::vector<ArchiveText::Line> ArchiveText::lines(const QByteArray& bytes) {
    std::vector<Line> result;
    const qsizetype start = bytes.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    int number = 1;
    for (qsizetype pos = start; pos < bytes.size(); ++number) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') {
            ++end;
        }
        const QByteArray text = bytes.mid(pos, end - pos);
        const bool ended = end < bytes.size();
        // CR LF is one line end; CR alone and LF alone are one each.
        pos = end + (bytes.mid(end, 2) == "\r\n" ? 2 : 1);
        if (!text.trimmed().isEmpty()) {
            result.push_back({number, text.split(';'), ended});
        }
    }
    return result;
}

QString ArchiveText::encoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return QStringLiteral("UTF-16");
    }
    if (bytes.startsWith(kByteOrderMark)) {
        return QStringLiteral("UTF-8 with a byte-order mark");
    }
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return QStringLiteral("ASCII");
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder(bytes);
    return decoder.hasError() ? QStringLiteral("8-bit, not UTF-8") : QStringLiteral("UTF-8");
}

} // namespace history
