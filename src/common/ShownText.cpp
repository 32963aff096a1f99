// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ShownText.h"

namespace common {

namespace {

const QChar kEllipsis(0x2026);

// The visible form of one character (or surrogate pair) of the text.
QString shownChar(QStringView piece) {
    const char16_t c = piece.front().unicode();
    switch (c) {
    case u'\r':
        return QStringLiteral("\\r");
    case u'\n':
        return QStringLiteral("\\n");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
        return QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    if (piece.size() == 1 &&
        (piece.front().isSurrogate() || piece.front().category() == QChar::Other_Format ||
         piece.front().category() == QChar::Separator_Line ||
         piece.front().category() == QChar::Separator_Paragraph)) {
        return QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
    }
    return piece.toString();
}

} // namespace

QString shownText(const QString& text, qsizetype maxChars) {
    QString shown;
    // Where the last piece that still leaves room for the ellipsis ends.
    qsizetype cut = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        shown += shownChar(QStringView(text).mid(i, length));
        i += length;
        if (shown.size() <= maxChars - 1) {
            cut = shown.size();
        }
        if (shown.size() > maxChars) {
            shown.truncate(cut);
            return shown + kEllipsis;
        }
    }
    return shown;
}

} // namespace common
