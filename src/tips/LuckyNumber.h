// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "common/Random.h"

namespace tips {

// The lucky number: the user's seed for the program's random generator.
class LuckyNumber {
public:
    static QString caption() { return QStringLiteral("votre numéro chanceux (1-99999999)?"); }
    static QString prompt() {
        return QStringLiteral("Entrez votre numéro porte-bonheur pour l`aléatoire!");
    }
    // The current seed as a signed decimal, the input box's default text.
    static QString defaultText(const common::Random& random);
    // Any decimal integer that fits 32 bits; the range in the caption is a
    // hint only. Nothing for other text.
    static std::optional<qint32> parse(const QString& text);
    static QString statusText(qint32 seed);
    // Seeds the generator from the answer (the default text when the box was
    // cancelled) and returns the status text; nothing when it is no integer.
    static std::optional<QString> apply(const QString& answer, common::Random* random);
};

} // namespace tips
