// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tips {

// A tip as one line of text. The written form is what the program writes:
// numbers ascending, two digits at least, joined by ",". The read form is what
// the readers accept: a comma is appended and the line is cut at each comma,
// leading blanks of each field skipped; the first field that is not a decimal
// integer ends the numbers taken from the line.
class TipLine {
public:
    static constexpr int kMaxFields = 26;
    static constexpr int kMaxFieldLength = 20;

    // Written form of the given numbers, sorted ascending.
    static QString write(std::vector<int> numbers);

    // The fields of a line as the check cuts them, at most 26.
    static QStringList fields(const QString& line);
    // A field's integer value; false when it is not a decimal integer
    // (empty, blanks or other characters inside, or longer than 20 characters).
    static bool fieldValue(const QString& field, qint64* value);
    // The leading integer fields of a line, at most maxCount of them.
    static std::vector<qint64> numbers(const QString& line, int maxCount = kMaxFields);

    static bool isBlank(const QString& line) { return line.trimmed().isEmpty(); }
};

} // namespace tips
