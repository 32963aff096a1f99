// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "app/ControlValues.h"

namespace app {

// The rules by which the generation parameters keep each other consistent:
// a minimum of hits on a reference draw never exceeds its maximum, the lower
// bound of shared numbers stays below the upper bound, and the minimum counts
// of even and odd numbers add up to at most 6. The handlers carry the names of
// the up-down events; userSetPosition applies them to any change by the user.
class ParameterRules {
public:
    // The up-down is about to take the value v.
    static void UpDown4ChangingEx(ControlValues& values, int v);
    static void UpDown21ChangingEx(ControlValues& values, int v);
    static void UpDown5ChangingEx(ControlValues& values, int v);
    static void UpDown22ChangingEx(ControlValues& values, int v);
    static void UpDown11ChangingEx(ControlValues& values, int v);
    static void UpDown23ChangingEx(ControlValues& values, int v);

    static void UpDown3MouseDown(ControlValues& values);
    static void UpDown1MouseUp(ControlValues& values);
    static void UpDown16MouseUp(ControlValues& values);
    static void UpDown17MouseUp(ControlValues& values);
    static void UpDown17MouseDown(ControlValues& values);

    // LaufMax as the event before a change of UpDown7 sets it: from the
    // position the control still holds.
    static int UpDown7Changing(const ControlValues& values);
    // The attempt limit per tip: the position of UpDown7 times 1000.
    static int laufMax(const ControlValues& values);

    // A change of an up-down by the user (arrows, mouse or typing): applies
    // the coupling rules around setting the position. When the change is to
    // UpDown7 and laufMax is given, it receives the new attempt limit.
    static void userSetPosition(ControlValues& values, Control name, int position,
                                int* laufMax = nullptr);

private:
    static void keepMinimumBelow(ControlValues& values, Control minimumName, int maximum);
    static void keepMaximumAbove(ControlValues& values, Control maximumName, int minimum);
    static void setMaximum(ControlValues& values, Control name, int maximum);
    static void setMinimum(ControlValues& values, Control name, int minimum);
};

} // namespace app
