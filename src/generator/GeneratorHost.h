// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "generator/StatisticsProvider.h"
#include "prefs/NumberGrid.h"

namespace generator {

// What a run needs from the window around it.
class GeneratorHost {
public:
    enum class ReviewAnswer { Ok, Calculate, Cancel };

    virtual ~GeneratorHost() = default;

    // Status bar: panel 0 the run's state, panel 1 progress and band lines.
    virtual void showStatus(int panel, const QString& text) = 0;
    // Lets pending input run; the user may stop the run or change parameters.
    virtual void processEvents() = 0;
    // Whether the start button still reads "Stop".
    virtual bool stillRunning() = 0;
    // The pool review dialog, filled with the pool; the answer decides.
    virtual ReviewAnswer reviewPool(prefs::NumberGrid& grid) = 0;
    virtual void message(const QString& text) = 0;

    // The run changed parameters (CheckBox8, the restored up-downs, a date
    // picker); the window shows them.
    virtual void parametersChanged() {}
    // A statistic was computed: the window shows the chart page.
    virtual void statisticShown(Statistic) {}
    virtual void tipListCleared() {}
    virtual void tipAccepted(const QString&) {}
};

} // namespace generator
