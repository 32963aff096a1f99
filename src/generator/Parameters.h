// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

namespace generator {

// Every control position and check box state a generator run reads, named
// after its control. The caller fills it from the controls before the run and
// may refresh it whenever the run lets pending input run; the run reads each
// value at the moment it uses it, so a change takes effect from the next
// attempt. The run itself writes back CheckBox8, the three up-downs it
// restores and the date pickers it moves, and says so through its host.
// Every value starts at zero: the defaults are the controls' own, kept in the
// window's control table (app::GeneratorParameters::defaults()).
struct Parameters {
    // Ticket
    int upDown18{}; // k, numbers per tip
    int upDown9{};  // N, tips on the list after the run
    bool checkBox28{};

    // Pool sections on single numbers
    bool checkBox2{}; // frequently drawn numbers
    int upDown12{};
    bool checkBox10{}; // most overdue numbers
    int upDown13{};
    bool checkBox14{}; // rarely drawn numbers
    int upDown14{};
    bool checkBox19{}; // neighbours of the current draw
    bool checkBox31{}; // numbers of the last reference draws
    int comboBox3{};
    bool checkBox30{}; // numbers drawn on one calendar date
    QDate dateTimePicker3;
    bool checkBox15{}; // preferred numbers only

    // History tests
    bool checkBox9{};
    int upDown6{};
    bool checkBox17{};
    int upDown19{};
    int upDown20{};

    // Hits on the three reference draws: maximum, minimum
    bool checkBox4{};
    int upDown4{};
    int upDown21{};
    bool checkBox5{};
    int upDown5{};
    int upDown22{};
    bool checkBox23{};
    int upDown11{};
    int upDown23{};

    // Ticket optimisation
    bool checkBox3{};
    int upDown3{};
    bool checkBox24{};
    int upDown1{};
    bool checkBox27{};
    bool checkBox8{};
    bool checkBox18{};
    bool checkBox1{};  // frequent pairs
    bool checkBox11{}; // rare pairs
    bool checkBox6{};  // frequent triples
    bool checkBox12{}; // rare triples
    bool checkBox7{};  // frequent quadruples
    bool checkBox13{}; // rare quadruples

    // Arithmetic
    int upDown2{};
    int upDown15{};
    bool checkBox22{};
    int upDown10{};
    bool checkBox25{};
    int upDown16{};
    bool checkBox26{};
    int upDown17{};

    // General
    bool checkBox20{}; // review the pool
    int upDown7{};     // attempt limit in thousands

    QDate dateTimePicker1; // date of the current draw, end of every period
    QDate dateTimePicker2; // start of the evaluation window
};

} // namespace generator
