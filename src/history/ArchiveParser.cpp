// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ArchiveParser.h"

#include <cstring>

#include "common/DayNumber.h"
#include "history/HistoryFile.h"
#include "history/NumberSet.h"

namespace history {

namespace {

// What to fix when the first line is no header the import can read.
QString headerMessage(const QString& missing, const QString& encoding) {
    return QStringLiteral("pas de colonne %1 dans la ligne d'en-tête : la première ligne doit "
                          "nommer les colonnes date_de_tirage, heure_de_tirage et boule1 à "
                          "boule20, séparées par « ; » (ce fichier se lit en %2)")
        .arg(missing, encoding);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitsValue(QByteArrayView digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The archive writes dates as dd/mm/yyyy; anything else goes to Qt's parser
// of that format, whose answer stands.
QDate parseDate(QByteArrayView text) {
    if (text.size() == 10 && text[2] == '/' && text[5] == '/' && isDigit(text[0]) &&
        isDigit(text[1]) && isDigit(text[3]) && isDigit(text[4]) && isDigit(text[6]) &&
        isDigit(text[7]) && isDigit(text[8]) && isDigit(text[9])) {
        const QDate date(digitsValue(text.sliced(6, 4)), digitsValue(text.sliced(3, 2)),
                         digitsValue(text.sliced(0, 2)));
        if (date.isValid()) {
            return date;
        }
    }
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

// A decimal integer as QByteArray::toInt() reads it; one or two digits, by
// far the most common, without the general reader.
int toInt(QByteArrayView text, bool* ok) {
    if ((text.size() == 1 || text.size() == 2) && isDigit(text[0]) && isDigit(text.back())) {
        *ok = true;
        return digitsValue(text);
    }
    return text.toInt(ok);
}

} // namespace

ArchiveParser::ArchiveParser(const QDate& today, DrawTaker take)
    : m_today(today), m_take(std::move(take)),
      m_text([this](const ArchiveText::Line& line) { takeLine(line); }) {
}

void ArchiveParser::feed(QByteArrayView bytes) {
    if (!wantsBytes()) {
        return;
    }
    if (!m_missingColumn.isEmpty()) {
        m_encoding.feed(bytes);
        return;
    }
    const bool headerKnown = m_headerRead;
    m_text.feed(bytes);
    if (!headerKnown && !m_headerRead) {
        // Still no header, or a header without a needed column, whose
        // message names how the whole file reads.
        m_beforeHeader.append(bytes);
        if (!m_missingColumn.isEmpty()) {
            m_encoding.feed(m_beforeHeader);
            m_beforeHeader = QByteArray();
        }
    } else if (!headerKnown) {
        m_beforeHeader = QByteArray();
    }
}

bool ArchiveParser::finish() {
    if (m_missingColumn.isEmpty() && !m_failed) {
        m_text.finish();
        if (!m_missingColumn.isEmpty()) {
            m_encoding.feed(m_beforeHeader);
            m_beforeHeader = QByteArray();
        }
    }
    if (!m_missingColumn.isEmpty()) {
        m_reason = headerMessage(m_missingColumn, m_encoding.name());
        return false;
    }
    if (!m_headerRead && !m_failed) {
        return fail(1, QStringLiteral("pas de ligne d'en-tête"));
    }
    return !m_failed;
}

bool ArchiveParser::fail(int line, const QString& reason) {
    m_failed = true;
    m_errorLine = line;
    m_reason = reason;
    return false;
}

void ArchiveParser::takeLine(const ArchiveText::Line& line) {
    if (m_failed) {
        return;
    }
    if (!m_headerRead) {
        readHeader(line);
        return;
    }
    readRow(line);
}

bool ArchiveParser::readHeader(const ArchiveText::Line& line) {
    const QList<QByteArray> header = line.text.toByteArray().split(';');
    auto indexOf = [&](const QByteArray& name) { return static_cast<int>(header.indexOf(name)); };
    m_columns.date = indexOf("date_de_tirage");
    m_columns.period = indexOf("heure_de_tirage");
    m_columns.multiplier = indexOf("multiplicateur");
    m_columns.jokerPlus = indexOf("numero_jokerplus");
    if (m_columns.date < 0 || m_columns.period < 0) {
        m_missingColumn = m_columns.date < 0 ? QStringLiteral("date_de_tirage")
                                             : QStringLiteral("heure_de_tirage");
        return fail(line.number, QString());
    }
    for (int i = 0; i < 20; ++i) {
        const int column = indexOf("boule" + QByteArray::number(i + 1));
        if (column < 0) {
            m_missingColumn = QStringLiteral("boule%1").arg(i + 1);
            return fail(line.number, QString());
        }
        m_columns.balls[static_cast<std::size_t>(i)] = column;
    }
    m_width = header.size();
    m_lastColumnName = header.last();
    m_slotOf.assign(static_cast<std::size_t>(m_width), kUnread);
    const auto place = [&](int column, int slot) {
        if (column >= 0) {
            m_slotOf[static_cast<std::size_t>(column)] = static_cast<std::int8_t>(slot);
        }
    };
    for (int i = 0; i < 20; ++i) {
        place(m_columns.balls[static_cast<std::size_t>(i)], i);
    }
    place(m_columns.date, kDate);
    place(m_columns.period, kPeriod);
    place(m_columns.multiplier, kMultiplier);
    place(m_columns.jokerPlus, kJokerPlus);
    m_headerRead = true;
    return true;
}

bool ArchiveParser::readRow(const ArchiveText::Line& line) {
    // Cuts out the read columns and counts all of them.
    m_fields.fill(QByteArrayView());
    const char* data = line.text.data();
    const qsizetype size = line.text.size();
    qsizetype count = 0;
    qsizetype start = 0;
    for (;;) {
        const auto* semicolon =
            static_cast<const char*>(std::memchr(data + start, ';', size - start));
        const qsizetype end = semicolon ? semicolon - data : size;
        if (count < m_width && m_slotOf[static_cast<std::size_t>(count)] != kUnread) {
            m_fields[static_cast<std::size_t>(m_slotOf[static_cast<std::size_t>(count)])] =
                ArchiveText::trimmed(line.text.sliced(start, end - start));
        }
        ++count;
        if (!semicolon) {
            break;
        }
        start = end + 1;
    }
    // A row with another count of fields than the header is cut or shifted:
    // its fields would be read from the wrong columns.
    if (count != m_width) {
        return fail(line.number,
                    QStringLiteral("%1 champs là où l'en-tête en a %2 (séparés par « ; »)")
                        .arg(count)
                        .arg(m_width));
    }
    // A last row without its line end may be cut inside its last field.
    if (!line.ended && m_slotOf.back() != kUnread) {
        return fail(
            line.number,
            QStringLiteral(
                "la dernière ligne n'a pas de fin de ligne et peut être coupée dans la colonne %1")
                .arg(QString::fromLatin1(m_lastColumnName)));
    }
    TZiehung record;
    if (!parseRow(&record)) {
        return fail(line.number, m_reason);
    }
    m_take(record, line.number);
    return true;
}

bool ArchiveParser::parseRow(TZiehung* record) {
    const QByteArrayView dateText = m_fields[kDate];
    const QDate date = parseDate(dateText);
    if (!date.isValid()) {
        m_reason = QStringLiteral("date invalide « %1 »").arg(QString::fromLatin1(dateText));
        return false;
    }
    // A draw before the game began or after today is a damaged row; stored, it
    // would end every update.
    record->datum = common::toDayNumber(date);
    if (HistoryFile::damagedDate(record->datum, common::toDayNumber(m_today))) {
        m_reason =
            QStringLiteral("%1 n'est pas la date d'un tirage : les tirages vont du 16/09/1993 à "
                           "aujourd'hui (%2)")
                .arg(QString::fromLatin1(dateText), m_today.toString(QStringLiteral("dd/MM/yyyy")));
        return false;
    }
    const QByteArrayView period = m_fields[kPeriod];
    if (period == QByteArrayView("midi")) {
        record->soir = 0;
    } else if (period == QByteArrayView("soir")) {
        record->soir = 1;
    } else {
        m_reason =
            QStringLiteral("heure de tirage invalide « %1 »").arg(QString::fromLatin1(period));
        return false;
    }
    NumberSet seen;
    for (std::size_t i = 0; i < 20; ++i) {
        bool ok = false;
        const int number = toInt(m_fields[i], &ok);
        if (!ok || number < 1 || number > 70 || seen.contains(number)) {
            m_reason = QStringLiteral("numéro invalide « %1 » dans boule%2")
                           .arg(QString::fromLatin1(m_fields[i]))
                           .arg(i + 1);
            return false;
        }
        seen.add(number);
        record->zahlen[i] = static_cast<std::uint8_t>(number);
    }
    const QByteArrayView multiplier = m_fields[kMultiplier];
    if (!multiplier.isEmpty()) {
        bool ok = false;
        const int value = toInt(multiplier, &ok);
        if (!ok || value < 0 || value > 255) {
            m_reason = QStringLiteral("multiplicateur invalide « %1 »")
                           .arg(QString::fromLatin1(multiplier));
            return false;
        }
        record->multiplicateur = static_cast<std::uint8_t>(value);
    }
    // Joker+ comes as "0 529 407" or "6688011", and as an empty field or
    // "Jokerplus indisponible" for a draw without one.
    const QByteArrayView jokerPlus = m_fields[kJokerPlus];
    if (jokerPlus.isEmpty() || jokerPlus == QByteArrayView("Jokerplus indisponible")) {
        return true;
    }
    std::size_t digits = 0;
    for (char c : jokerPlus) {
        if (c == ' ') {
            continue;
        }
        if (!isDigit(c) || digits == record->jokerPlus.size()) {
            digits = 0;
            break;
        }
        record->jokerPlus[digits++] = static_cast<std::uint8_t>(c - '0');
    }
    if (digits != record->jokerPlus.size()) {
        m_reason = QStringLiteral("Joker+ invalide « %1 »").arg(QString::fromLatin1(jokerPlus));
        return false;
    }
    return true;
}

} // namespace history
