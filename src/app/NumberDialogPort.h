// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/Random.h"
#include "prefs/NumberGrid.h"

namespace app {

// The number choice dialog as the operations leave it between two showings:
// its boxes with their weights, its caption, which of its two optional
// buttons are visible, the random button's caption and how many numbers the
// random pick takes. Weights and captions live as long as the dialog
// instance, so the state is kept here, not in the widget.
struct NumberDialogState {
    static constexpr const char* kFreshCaption = "What numbers to calculate";
    static constexpr const char* kFreshRandomCaption = "&Random";

    prefs::NumberGrid grid;
    QString caption = QString::fromUtf8(kFreshCaption);
    bool randomVisible = false;   // the "&Random" button
    bool calculateVisible = true; // the "Calculate" button
    // A fresh dialog's random button reads "&Random"; every close leaves it
    // with the caption the stopped pick gives it.
    QString randomCaption = QString::fromUtf8(kFreshRandomCaption);
    int maxtipp = 10;
};

// Shows the number choice dialog modally on the state and gives back how it
// was closed; the dialog changes the state's boxes and weights in place.
class NumberDialogPort {
public:
    enum class Answer { Ok, Calculate, Cancel };

    virtual ~NumberDialogPort() = default;
    // The random pick draws from `random`, the program's one generator.
    virtual Answer showNumberDialog(NumberDialogState& state, common::Random& random) = 0;
};

} // namespace app
