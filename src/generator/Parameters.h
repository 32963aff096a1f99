#pragma once

#include <QDate>

namespace generator {

// Every control position and check box state a generator run reads, named
// after its control. The caller fills it from the controls before the run and
// may refresh it whenever the run lets pending input run; the run reads each
// value at the moment it uses it, so a change takes effect from the next
// attempt. The run itself writes back CheckBox8, the three up-downs it
// restores and the date pickers it moves, and says so through its host.
struct Parameters {
    // Ticket
    int upDown18 = 10; // k, numbers per tip
    int upDown9 = 5;   // N, tips on the list after the run
    bool checkBox28 = true;

    // Pool sections on single numbers
    bool checkBox2 = false; // frequently drawn numbers
    int upDown12 = 30;
    bool checkBox10 = true; // most overdue numbers
    int upDown13 = 30;
    bool checkBox14 = true; // rarely drawn numbers
    int upDown14 = 30;
    bool checkBox19 = false; // neighbours of the current draw
    bool checkBox31 = false; // numbers of the last reference draws
    int comboBox3 = 2;
    bool checkBox30 = false; // numbers drawn on one calendar date
    QDate dateTimePicker3{2010, 6, 18};
    bool checkBox15 = false; // preferred numbers only

    // History tests
    bool checkBox9 = true;
    int upDown6 = 10;
    bool checkBox17 = true;
    int upDown19 = 6;
    int upDown20 = 12;

    // Hits on the three reference draws: maximum, minimum
    bool checkBox4 = true;
    int upDown4 = 0;
    int upDown21 = 0;
    bool checkBox5 = true;
    int upDown5 = 1;
    int upDown22 = 0;
    bool checkBox23 = true;
    int upDown11 = 2;
    int upDown23 = 0;

    // Ticket optimisation
    bool checkBox3 = true;
    int upDown3 = 4;
    bool checkBox24 = true;
    int upDown1 = 1;
    bool checkBox27 = true;
    bool checkBox8 = false;
    bool checkBox18 = true;
    bool checkBox1 = false;  // frequent pairs
    bool checkBox11 = false; // rare pairs
    bool checkBox6 = false;  // frequent triples
    bool checkBox12 = false; // rare triples
    bool checkBox7 = false;  // frequent quadruples
    bool checkBox13 = false; // rare quadruples

    // Arithmetic
    int upDown2 = 100;
    int upDown15 = 1200;
    bool checkBox22 = false;
    int upDown10 = 2;
    bool checkBox25 = false;
    int upDown16 = 2;
    bool checkBox26 = false;
    int upDown17 = 2;

    // General
    bool checkBox20 = false; // review the pool
    int upDown7 = 10;        // attempt limit in thousands

    QDate dateTimePicker1; // date of the current draw, end of every period
    QDate dateTimePicker2; // start of the evaluation window
};

} // namespace generator
