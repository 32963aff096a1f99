// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowPort.h"

namespace bench {

// Answers every dialog with its default (the input box with `answer`) and
// shows nothing.
class QuietPort : public app::WindowPort {
public:
    QString answer = QStringLiteral("1");
    void statusTextChanged(int, const QString&) override {}
    void showMessage(const QString& text) override { qWarning("%s", qPrintable(text)); }
    bool askYesNo(const QString&) override { return false; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return answer;
    }
    QStringList openFileNames(const QString&, const QString&, const QString&, bool) override {
        return {};
    }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void setBusy(bool) override {}
    void processEvents() override {}
    void controlChanged(app::Control) override {}
    void tipListsChanged() override {}
    void tipSelectionChanged() override {}
    void hitTallyChanged() override {}
    void operationChanged() override {}
    void chartChanged() override {}
    void pageRequested() override {}
    void staleNoticeChanged() override {}
    QDate today() override { return QDate(2025, 6, 10); }
};

} // namespace bench
