// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/ControlTable.h"

namespace app {

// Field: a value of the main window that has no control but is stored.
enum class ControlKind { UpDown, CheckBox, ComboBox, DatePicker, Edit, Label, Field };

// How a control's value is kept in the settings store, and under which name.
enum class StoredAs { None, Bool, Int, String, Double };

// One id per row of the control table, named as the control is in the window.
enum class Control : int {
#define TIRVEX_CONTROL_ID(id, ...) id,
    TIRVEX_CONTROLS(TIRVEX_CONTROL_ID)
#undef TIRVEX_CONTROL_ID
};

#define TIRVEX_CONTROL_COUNT(...) +1
inline constexpr int kControlCount = 0 TIRVEX_CONTROLS(TIRVEX_CONTROL_COUNT);
#undef TIRVEX_CONTROL_COUNT

// One row per control: everything the settings, the window and the command
// line need to know about a value the user can set.
struct ControlSpec {
    Control id;
    QString name;
    ControlKind kind = ControlKind::Label;
    int minimum = 0;
    int maximum = 0;
    QString defaultValue; // position, 0/1, item index, "dd.mm.yyyy" or text
    QString caption;
    QString hint;
    QString page; // object name of the page the control lives on
    bool hidden = false;
    QString buddy; // the edit box that shows an up-down's position
    QString settingsName;
    StoredAs storedAs = StoredAs::None;
    QStringList items; // combo box items
};

// A name as the window, the settings or the command line give it: a control,
// or the edit box of an up-down (then the id is the up-down's).
struct ControlName {
    Control id;
    bool buddy = false;
};

// The control table, in the order in which the settings write and read it.
class ControlSchema {
public:
    static const std::vector<ControlSpec>& controls();
    static const ControlSpec& row(Control id);
    static const QString& name(Control id) { return row(id).name; }
    // Names are turned into ids here only, where they come in from outside.
    static std::optional<Control> find(const QString& name);
    static std::optional<ControlName> resolve(const QString& name);
    // The row of the control of that name; null for an unknown name.
    static const ControlSpec* rowOf(const QString& name);
    // The message for a name that is neither a control nor an edit box.
    static QString unknownMessage(const QString& name);

    // The stake of every item of the "Coût par Grille" box.
    static int stake(int item);
    // The first draw of the game: the lowest date a date picker takes.
    static QDate firstDrawDate();
};

} // namespace app
