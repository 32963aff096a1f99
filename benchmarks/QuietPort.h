// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/HeadlessPort.h"

namespace bench {

// Answers every dialog with its default (the input box with `answer`) and
// shows nothing.
class QuietPort : public app::HeadlessPort {
public:
    QString answer = QStringLiteral("1");
    void showMessage(const QString& text) override { qWarning("%s", qPrintable(text)); }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return answer;
    }
    QDate today() override { return QDate(2025, 6, 10); }
};

} // namespace bench
