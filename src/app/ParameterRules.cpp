// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ParameterRules.h"

#include <algorithm>

namespace app {

namespace {

// Even plus odd minimum counts never exceed this.
constexpr int kEvenOddTotal = 6;

} // namespace

void ParameterRules::keepMinimumBelow(ControlValues& values, Control minimumName, int maximum) {
    if (maximum < values.position(minimumName)) {
        values.setPosition(minimumName, maximum);
    }
}

void ParameterRules::keepMaximumAbove(ControlValues& values, Control maximumName, int minimum) {
    if (minimum > values.position(maximumName)) {
        values.setPosition(maximumName, minimum);
    }
}

void ParameterRules::setMaximum(ControlValues& values, Control name, int maximum) {
    values.setRange(name, values.minimum(name), maximum);
}

void ParameterRules::setMinimum(ControlValues& values, Control name, int minimum) {
    values.setRange(name, minimum, values.maximum(name));
}

void ParameterRules::UpDown4ChangingEx(ControlValues& values, int v) {
    keepMinimumBelow(values, Control::UpDown21, v);
}

void ParameterRules::UpDown21ChangingEx(ControlValues& values, int v) {
    keepMaximumAbove(values, Control::UpDown4, v);
}

void ParameterRules::UpDown5ChangingEx(ControlValues& values, int v) {
    keepMinimumBelow(values, Control::UpDown22, v);
}

void ParameterRules::UpDown22ChangingEx(ControlValues& values, int v) {
    keepMaximumAbove(values, Control::UpDown5, v);
}

void ParameterRules::UpDown11ChangingEx(ControlValues& values, int v) {
    keepMinimumBelow(values, Control::UpDown23, v);
}

void ParameterRules::UpDown23ChangingEx(ControlValues& values, int v) {
    keepMaximumAbove(values, Control::UpDown11, v);
}

void ParameterRules::UpDown3MouseDown(ControlValues& values) {
    setMaximum(values, Control::UpDown1, values.position(Control::UpDown3));
}

void ParameterRules::UpDown1MouseUp(ControlValues& values) {
    setMinimum(values, Control::UpDown3, values.position(Control::UpDown1));
}

void ParameterRules::UpDown16MouseUp(ControlValues& values) {
    setMaximum(values, Control::UpDown16, kEvenOddTotal - values.position(Control::UpDown17));
}

void ParameterRules::UpDown17MouseUp(ControlValues& values) {
    setMaximum(values, Control::UpDown17, kEvenOddTotal - values.position(Control::UpDown16));
}

void ParameterRules::UpDown17MouseDown(ControlValues& values) {
    setMaximum(values, Control::UpDown16, kEvenOddTotal - values.position(Control::UpDown17));
}

int ParameterRules::UpDown7Changing(const ControlValues& values) {
    return laufMax(values);
}

int ParameterRules::laufMax(const ControlValues& values) {
    return values.position(Control::UpDown7) * 1000;
}

void ParameterRules::userSetPosition(ControlValues& values, Control name, int position,
                                     int* laufMax) {
    // Before the change: the ranges that depend on the partner control, so
    // the new value is held within them.
    if (name == Control::UpDown1) {
        UpDown3MouseDown(values);
    } else if (name == Control::UpDown3) {
        UpDown1MouseUp(values);
    } else if (name == Control::UpDown16) {
        UpDown17MouseDown(values);
    } else if (name == Control::UpDown17) {
        UpDown17MouseUp(values);
    }
    const int v = std::clamp(position, values.minimum(name),
                             std::max(values.minimum(name), values.maximum(name)));
    if (name == Control::UpDown4) {
        UpDown4ChangingEx(values, v);
    } else if (name == Control::UpDown21) {
        UpDown21ChangingEx(values, v);
    } else if (name == Control::UpDown5) {
        UpDown5ChangingEx(values, v);
    } else if (name == Control::UpDown22) {
        UpDown22ChangingEx(values, v);
    } else if (name == Control::UpDown11) {
        UpDown11ChangingEx(values, v);
    } else if (name == Control::UpDown23) {
        UpDown23ChangingEx(values, v);
    }
    values.setPosition(name, v);
    // After the change: the partner's range follows the new position.
    if (name == Control::UpDown1) {
        UpDown1MouseUp(values);
    } else if (name == Control::UpDown3) {
        UpDown3MouseDown(values);
    } else if (name == Control::UpDown16) {
        UpDown17MouseUp(values);
    } else if (name == Control::UpDown17) {
        UpDown17MouseDown(values);
    } else if (name == Control::UpDown7 && laufMax) {
        *laufMax = ParameterRules::laufMax(values);
    }
}

} // namespace app
