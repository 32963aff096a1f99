// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GeneratorParameters.h"

namespace app {

namespace {

using generator::Parameters;

struct IntField {
    Control control;
    int Parameters::*field;
};
struct BoolField {
    Control control;
    bool Parameters::*field;
};

// Up-downs the run may pick up anew during a run.
constexpr IntField kPositions[] = {
    {Control::UpDown12, &Parameters::upDown12}, {Control::UpDown13, &Parameters::upDown13},
    {Control::UpDown14, &Parameters::upDown14}, {Control::UpDown6, &Parameters::upDown6},
    {Control::UpDown19, &Parameters::upDown19}, {Control::UpDown20, &Parameters::upDown20},
    {Control::UpDown4, &Parameters::upDown4},   {Control::UpDown21, &Parameters::upDown21},
    {Control::UpDown5, &Parameters::upDown5},   {Control::UpDown22, &Parameters::upDown22},
    {Control::UpDown11, &Parameters::upDown11}, {Control::UpDown23, &Parameters::upDown23},
    {Control::UpDown3, &Parameters::upDown3},   {Control::UpDown1, &Parameters::upDown1},
    {Control::UpDown2, &Parameters::upDown2},   {Control::UpDown15, &Parameters::upDown15},
    {Control::UpDown10, &Parameters::upDown10}, {Control::UpDown16, &Parameters::upDown16},
    {Control::UpDown17, &Parameters::upDown17}, {Control::UpDown7, &Parameters::upDown7},
};

constexpr BoolField kSwitches[] = {
    {Control::CheckBox2, &Parameters::checkBox2},   {Control::CheckBox10, &Parameters::checkBox10},
    {Control::CheckBox14, &Parameters::checkBox14}, {Control::CheckBox19, &Parameters::checkBox19},
    {Control::CheckBox31, &Parameters::checkBox31}, {Control::CheckBox30, &Parameters::checkBox30},
    {Control::CheckBox15, &Parameters::checkBox15}, {Control::CheckBox9, &Parameters::checkBox9},
    {Control::CheckBox17, &Parameters::checkBox17}, {Control::CheckBox4, &Parameters::checkBox4},
    {Control::CheckBox5, &Parameters::checkBox5},   {Control::CheckBox23, &Parameters::checkBox23},
    {Control::CheckBox3, &Parameters::checkBox3},   {Control::CheckBox24, &Parameters::checkBox24},
    {Control::CheckBox27, &Parameters::checkBox27}, {Control::CheckBox8, &Parameters::checkBox8},
    {Control::CheckBox18, &Parameters::checkBox18}, {Control::CheckBox1, &Parameters::checkBox1},
    {Control::CheckBox11, &Parameters::checkBox11}, {Control::CheckBox6, &Parameters::checkBox6},
    {Control::CheckBox12, &Parameters::checkBox12}, {Control::CheckBox7, &Parameters::checkBox7},
    {Control::CheckBox13, &Parameters::checkBox13}, {Control::CheckBox22, &Parameters::checkBox22},
    {Control::CheckBox25, &Parameters::checkBox25}, {Control::CheckBox26, &Parameters::checkBox26},
    {Control::CheckBox20, &Parameters::checkBox20},
};

} // namespace

Parameters GeneratorParameters::read(const ControlValues& controls) {
    Parameters parameters;
    parameters.upDown18 = controls.position(Control::UpDown18);
    parameters.upDown9 = controls.position(Control::UpDown9);
    parameters.checkBox28 = controls.checked(Control::CheckBox28);
    refresh(controls, &parameters);
    return parameters;
}

void GeneratorParameters::refresh(const ControlValues& controls, Parameters* parameters) {
    for (const IntField& f : kPositions) {
        parameters->*f.field = controls.position(f.control);
    }
    for (const BoolField& f : kSwitches) {
        parameters->*f.field = controls.checked(f.control);
    }
    parameters->comboBox3 = controls.index(Control::ComboBox3);
    parameters->dateTimePicker3 = controls.date(Control::DateTimePicker3);
    parameters->dateTimePicker1 = controls.date(Control::DateTimePicker1);
    parameters->dateTimePicker2 = controls.date(Control::DateTimePicker2);
}

void GeneratorParameters::showRunChanges(const Parameters& parameters, ControlValues* controls) {
    controls->setChecked(Control::CheckBox8, parameters.checkBox8);
    // Set directly: a restore is no user change, the coupling rules stay out.
    controls->setPosition(Control::UpDown4, parameters.upDown4);
    controls->setPosition(Control::UpDown5, parameters.upDown5);
    controls->setPosition(Control::UpDown6, parameters.upDown6);
    if (parameters.dateTimePicker1.isValid()) {
        controls->setDate(Control::DateTimePicker1, parameters.dateTimePicker1);
    }
    if (parameters.dateTimePicker2.isValid()) {
        controls->setDate(Control::DateTimePicker2, parameters.dateTimePicker2);
    }
}

} // namespace app
