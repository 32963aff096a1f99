// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/LuckyNumber.h"

#include <limits>

#include "common/Formats.h"

namespace tips {

QString LuckyNumber::defaultText(const common::Random& random) {
    return QString::number(static_cast<qint32>(random.seed()));
}

std::optional<qint32> LuckyNumber::parse(const QString& text) {
    qint64 value = 0;
    if (!common::parseInteger(text, &value) || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(value);
}

QString LuckyNumber::statusText(qint32 seed) {
    return QStringLiteral("réglez le numéro de la chance ") + QString::number(seed);
}

std::optional<QString> LuckyNumber::apply(const QString& answer, common::Random* random) {
    const std::optional<qint32> seed = parse(answer);
    if (!seed) {
        return std::nullopt;
    }
    random->setSeed(static_cast<std::uint32_t>(*seed));
    return statusText(*seed);
}

} // namespace tips
