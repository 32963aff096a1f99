// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include "app/NumberDialogPort.h"
#include "generator/GeneratorHost.h"
#include "generator/Parameters.h"

namespace app {

// The session's side of a generator run: status texts, letting input run
// (and picking up parameter changes made meanwhile), the stop through the
// start button's caption, the pool review in the number choice dialog, and
// showing on the tip list and the controls what the run does.
class GeneratorRunHost : public generator::GeneratorHost {
public:
    GeneratorRunHost(GenerationHost& host, generator::Parameters& parameters,
                     NumberDialogState& dialogState, NumberDialogPort* dialog)
        : m_host(host), m_parameters(parameters), m_dialogState(dialogState), m_dialog(dialog) {}

    void showStatus(int panel, const QString& text) override;
    void processEvents() override;
    bool stillRunning() override;
    ReviewAnswer reviewPool(prefs::NumberGrid& grid) override;
    void message(const QString& text) override;
    void parametersChanged() override;
    void statisticShown(generator::Statistic statistic) override;
    void tipListCleared() override;
    void tipAccepted(const QString& line) override;

private:
    GenerationHost& m_host;
    generator::Parameters& m_parameters;
    NumberDialogState& m_dialogState;
    NumberDialogPort* m_dialog;
    bool m_searchShown = false;
};

} // namespace app
