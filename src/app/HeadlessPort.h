// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowPort.h"

namespace app {

// A window port with no window: the view's notifications go nowhere and
// every dialog gives its default answer (No, the default text, no file).
// Ports for the command line, worker threads and measurements override what
// they handle otherwise.
class HeadlessPort : public WindowPort {
public:
    void statusTextChanged(int, const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    std::optional<QString> inputText(const QString&, const QString&,
                                     const QString& defaultText) override {
        return defaultText;
    }
    QStringList openFileNames(const QString&, const QString&, const QString&, bool) override {
        return {};
    }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void setBusy(bool) override {}
    void processEvents() override {}
    void controlChanged(Control) override {}
    void tipListsChanged() override {}
    void tipSelectionChanged() override {}
    void hitTallyChanged() override {}
    void operationChanged() override {}
    void chartChanged() override {}
    void pageRequested() override {}
    void staleNoticeChanged() override {}
};

} // namespace app
