#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace app {

// Field: a value of the main window that has no control but is stored.
enum class ControlKind { UpDown, CheckBox, ComboBox, DatePicker, Edit, Label, Field };

// How a control's value is kept in the settings store, and under which name.
enum class StoredAs { None, Bool, Int, String, Double };

// One row per control: everything the settings, the window and the command
// line need to know about a value the user can set.
struct ControlSpec {
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

// The one table of controls, in the order the settings restore them.
class ControlSchema {
public:
    static const std::vector<ControlSpec>& controls();
    static const ControlSpec* find(const QString& name);
    // The up-down whose buddy edit box is named editName, if any.
    static const ControlSpec* findByBuddy(const QString& editName);
};

} // namespace app
