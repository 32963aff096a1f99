#include "app/ParameterRules.h"

#include <algorithm>

namespace app {

namespace {

constexpr Control kUpDown1 = Control::UpDown1;
constexpr Control kUpDown3 = Control::UpDown3;
constexpr Control kUpDown4 = Control::UpDown4;
constexpr Control kUpDown5 = Control::UpDown5;
constexpr Control kUpDown7 = Control::UpDown7;
constexpr Control kUpDown11 = Control::UpDown11;
constexpr Control kUpDown16 = Control::UpDown16;
constexpr Control kUpDown17 = Control::UpDown17;
constexpr Control kUpDown21 = Control::UpDown21;
constexpr Control kUpDown22 = Control::UpDown22;
constexpr Control kUpDown23 = Control::UpDown23;

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
    keepMinimumBelow(values, kUpDown21, v);
}

void ParameterRules::UpDown21ChangingEx(ControlValues& values, int v) {
    keepMaximumAbove(values, kUpDown4, v);
}

void ParameterRules::UpDown5ChangingEx(ControlValues& values, int v) {
    keepMinimumBelow(values, kUpDown22, v);
}

void ParameterRules::UpDown22ChangingEx(ControlValues& values, int v) {
    keepMaximumAbove(values, kUpDown5, v);
}

void ParameterRules::UpDown11ChangingEx(ControlValues& values, int v) {
    keepMinimumBelow(values, kUpDown23, v);
}

void ParameterRules::UpDown23ChangingEx(ControlValues& values, int v) {
    keepMaximumAbove(values, kUpDown11, v);
}

void ParameterRules::UpDown3MouseDown(ControlValues& values) {
    setMaximum(values, kUpDown1, values.position(kUpDown3));
}

void ParameterRules::UpDown1MouseUp(ControlValues& values) {
    setMinimum(values, kUpDown3, values.position(kUpDown1));
}

void ParameterRules::UpDown16MouseUp(ControlValues& values) {
    setMaximum(values, kUpDown16, kEvenOddTotal - values.position(kUpDown17));
}

void ParameterRules::UpDown17MouseUp(ControlValues& values) {
    setMaximum(values, kUpDown17, kEvenOddTotal - values.position(kUpDown16));
}

void ParameterRules::UpDown17MouseDown(ControlValues& values) {
    setMaximum(values, kUpDown16, kEvenOddTotal - values.position(kUpDown17));
}

int ParameterRules::UpDown7Changing(const ControlValues& values) {
    return laufMax(values);
}

int ParameterRules::laufMax(const ControlValues& values) {
    return values.position(kUpDown7) * 1000;
}

void ParameterRules::userSetPosition(ControlValues& values, Control name, int position,
                                     int* laufMax) {
    // Before the change: the ranges that depend on the partner control, so
    // the new value is held within them.
    if (name == kUpDown1) {
        UpDown3MouseDown(values);
    } else if (name == kUpDown3) {
        UpDown1MouseUp(values);
    } else if (name == kUpDown16) {
        UpDown17MouseDown(values);
    } else if (name == kUpDown17) {
        UpDown17MouseUp(values);
    }
    const int v = std::clamp(position, values.minimum(name),
                             std::max(values.minimum(name), values.maximum(name)));
    if (name == kUpDown4) {
        UpDown4ChangingEx(values, v);
    } else if (name == kUpDown21) {
        UpDown21ChangingEx(values, v);
    } else if (name == kUpDown5) {
        UpDown5ChangingEx(values, v);
    } else if (name == kUpDown22) {
        UpDown22ChangingEx(values, v);
    } else if (name == kUpDown11) {
        UpDown11ChangingEx(values, v);
    } else if (name == kUpDown23) {
        UpDown23ChangingEx(values, v);
    }
    values.setPosition(name, v);
    // After the change: the partner's range follows the new position.
    if (name == kUpDown1) {
        UpDown1MouseUp(values);
    } else if (name == kUpDown3) {
        UpDown3MouseDown(values);
    } else if (name == kUpDown16) {
        UpDown17MouseUp(values);
    } else if (name == kUpDown17) {
        UpDown17MouseDown(values);
    } else if (name == kUpDown7 && laufMax) {
        *laufMax = ParameterRules::laufMax(values);
    }
}

} // namespace app
