// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ArchiveText.h"

#include <algorithm>
#include <cstring>

namespace history {

namespace {
const QByteArray kByteOrderMark("\xEF\xBB\xBF");
} // namespace

bool ArchiveText::isBlank(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return isBlank(c); });
}

QByteArrayView ArchiveText::trimmed(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

void ArchiveText::hand(QByteArrayView text, bool ended) {
    if (!isBlank(text)) {
        m_take(Line{m_number, text, ended});
    }
    ++m_number;
}

void ArchiveText::feed(QByteArrayView bytes) {
    if (!m_started) {
        // The byte-order mark may come cut over two pieces.
        m_pending.append(bytes);
        if (m_pending.size() < kByteOrderMark.size()) {
            return;
        }
        m_started = true;
        QByteArray start;
        start.swap(m_pending);
        cut(QByteArrayView(start).sliced(start.startsWith(kByteOrderMark) ? 3 : 0));
        return;
    }
    cut(bytes);
}

void ArchiveText::cut(QByteArrayView bytes) {
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    if (m_afterCr && size > 0) {
        m_afterCr = false;
        if (data[0] == '\n') {
            pos = 1; // the LF of a CR LF cut between two pieces
        }
    }
    while (pos < size) {
        // Lines end with LF or CR LF, seldom with CR alone: look for the LF,
        // then for a CR before it.
        const auto* lf = static_cast<const char*>(std::memchr(data + pos, '\n', size - pos));
        const qsizetype lfAt = lf ? lf - data : size;
        const auto* cr = static_cast<const char*>(std::memchr(data + pos, '\r', lfAt - pos));
        const qsizetype end = cr ? cr - data : lfAt;
        if (end == size) {
            m_pending.append(bytes.sliced(pos));
            return;
        }
        if (m_pending.isEmpty()) {
            hand(bytes.sliced(pos, end - pos), true);
        } else {
            m_pending.append(bytes.sliced(pos, end - pos));
            hand(m_pending, true);
            m_pending.clear();
        }
        if (data[end] == '\r') {
            if (end + 1 == size) {
                m_afterCr = true;
                return;
            }
            pos = end + (data[end + 1] == '\n' ? 2 : 1);
        } else {
            pos = end + 1;
        }
    }
}

void ArchiveText::finish() {
    if (!m_started) {
        m_started = true; // shorter than a byte-order mark
        QByteArray start;
        start.swap(m_pending);
        cut(start);
    }
    if (!m_pending.isEmpty()) {
        hand(m_pending, false);
        m_pending.clear();
    }
}

void ArchiveText::Encoding::feed(QByteArrayView bytes) {
    if (m_start.size() < 3) {
        m_start.append(bytes.first(std::min<qsizetype>(bytes.size(), 3 - m_start.size())));
    }
    if (m_ascii) {
        m_ascii = std::all_of(bytes.begin(), bytes.end(),
                              [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }
    if (!m_ascii && !m_utf8.hasError()) {
        // Decoded only to learn whether the bytes are UTF-8; the decoder
        // keeps a sequence cut between two pieces.
        const QString text = m_utf8.decode(bytes);
    }
}

QString ArchiveText::Encoding::name() const {
    if (m_start.startsWith("\xFF\xFE") || m_start.startsWith("\xFE\xFF")) {
        return QStringLiteral("UTF-16");
    }
    if (m_start.startsWith(kByteOrderMark)) {
        return QStringLiteral("UTF-8 avec indicateur d'ordre des octets");
    }
    if (m_ascii) {
        return QStringLiteral("ASCII");
    }
    return m_utf8.hasError() ? QStringLiteral("8 bits, pas UTF-8") : QStringLiteral("UTF-8");
}

QString ArchiveText::encoding(const QByteArray& bytes) {
    Encoding encoding;
    encoding.feed(bytes);
    return encoding.name();
}

} // namespace history
