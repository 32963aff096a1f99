#include "app/GeneratorParameters.h"

namespace app {

namespace {

using generator::Parameters;

struct IntField {
    const char* control;
    int Parameters::*field;
};
struct BoolField {
    const char* control;
    bool Parameters::*field;
};

// Up-downs the run may pick up anew during a run.
constexpr IntField kPositions[] = {
    {"UpDown12", &Parameters::upDown12}, {"UpDown13", &Parameters::upDown13},
    {"UpDown14", &Parameters::upDown14}, {"UpDown6", &Parameters::upDown6},
    {"UpDown19", &Parameters::upDown19}, {"UpDown20", &Parameters::upDown20},
    {"UpDown4", &Parameters::upDown4},   {"UpDown21", &Parameters::upDown21},
    {"UpDown5", &Parameters::upDown5},   {"UpDown22", &Parameters::upDown22},
    {"UpDown11", &Parameters::upDown11}, {"UpDown23", &Parameters::upDown23},
    {"UpDown3", &Parameters::upDown3},   {"UpDown1", &Parameters::upDown1},
    {"UpDown2", &Parameters::upDown2},   {"UpDown15", &Parameters::upDown15},
    {"UpDown10", &Parameters::upDown10}, {"UpDown16", &Parameters::upDown16},
    {"UpDown17", &Parameters::upDown17}, {"UpDown7", &Parameters::upDown7},
};

constexpr BoolField kSwitches[] = {
    {"CheckBox2", &Parameters::checkBox2},   {"CheckBox10", &Parameters::checkBox10},
    {"CheckBox14", &Parameters::checkBox14}, {"CheckBox19", &Parameters::checkBox19},
    {"CheckBox31", &Parameters::checkBox31}, {"CheckBox30", &Parameters::checkBox30},
    {"CheckBox15", &Parameters::checkBox15}, {"CheckBox9", &Parameters::checkBox9},
    {"CheckBox17", &Parameters::checkBox17}, {"CheckBox4", &Parameters::checkBox4},
    {"CheckBox5", &Parameters::checkBox5},   {"CheckBox23", &Parameters::checkBox23},
    {"CheckBox3", &Parameters::checkBox3},   {"CheckBox24", &Parameters::checkBox24},
    {"CheckBox27", &Parameters::checkBox27}, {"CheckBox8", &Parameters::checkBox8},
    {"CheckBox18", &Parameters::checkBox18}, {"CheckBox1", &Parameters::checkBox1},
    {"CheckBox11", &Parameters::checkBox11}, {"CheckBox6", &Parameters::checkBox6},
    {"CheckBox12", &Parameters::checkBox12}, {"CheckBox7", &Parameters::checkBox7},
    {"CheckBox13", &Parameters::checkBox13}, {"CheckBox22", &Parameters::checkBox22},
    {"CheckBox25", &Parameters::checkBox25}, {"CheckBox26", &Parameters::checkBox26},
    {"CheckBox20", &Parameters::checkBox20},
};

const QString kPicker1 = QStringLiteral("DateTimePicker1");
const QString kPicker2 = QStringLiteral("DateTimePicker2");

} // namespace

Parameters GeneratorParameters::read(const ControlValues& controls) {
    Parameters parameters;
    parameters.upDown18 = controls.position(QStringLiteral("UpDown18"));
    parameters.upDown9 = controls.position(QStringLiteral("UpDown9"));
    parameters.checkBox28 = controls.checked(QStringLiteral("CheckBox28"));
    refresh(controls, &parameters);
    return parameters;
}

void GeneratorParameters::refresh(const ControlValues& controls, Parameters* parameters) {
    for (const IntField& f : kPositions) {
        parameters->*f.field = controls.position(QLatin1String(f.control));
    }
    for (const BoolField& f : kSwitches) {
        parameters->*f.field = controls.checked(QLatin1String(f.control));
    }
    parameters->comboBox3 = controls.index(QStringLiteral("ComboBox3"));
    parameters->dateTimePicker3 = controls.date(QStringLiteral("DateTimePicker3"));
    parameters->dateTimePicker1 = controls.date(kPicker1);
    parameters->dateTimePicker2 = controls.date(kPicker2);
}

void GeneratorParameters::showRunChanges(const Parameters& parameters, ControlValues* controls) {
    controls->setChecked(QStringLiteral("CheckBox8"), parameters.checkBox8);
    // Set directly: a restore is no user change, the coupling rules stay out.
    controls->setPosition(QStringLiteral("UpDown4"), parameters.upDown4);
    controls->setPosition(QStringLiteral("UpDown5"), parameters.upDown5);
    controls->setPosition(QStringLiteral("UpDown6"), parameters.upDown6);
    if (parameters.dateTimePicker1.isValid()) {
        controls->setDate(kPicker1, parameters.dateTimePicker1);
    }
    if (parameters.dateTimePicker2.isValid()) {
        controls->setDate(kPicker2, parameters.dateTimePicker2);
    }
}

} // namespace app
