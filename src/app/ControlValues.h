#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <functional>

#include "app/ControlSchema.h"

namespace app {

// The current value of every control of the schema, plus the labels and
// fields the operations write. Every change is announced by control name so
// the window (or any other view) can show it.
class ControlValues {
public:
    using Listener = std::function<void(const QString& name)>;

    ControlValues();
    void setListener(Listener listener) { m_listener = std::move(listener); }
    void resetToDefaults();

    bool has(const QString& name) const { return m_values.contains(name); }

    // Up-downs: the position is held within the control's current range.
    int position(const QString& name) const;
    void setPosition(const QString& name, int position);
    int minimum(const QString& name) const;
    int maximum(const QString& name) const;
    void setRange(const QString& name, int minimum, int maximum);

    bool checked(const QString& name) const;
    void setChecked(const QString& name, bool checked);

    // Combo boxes: the selected item index (-1 for none) and the edit text.
    int index(const QString& name) const;
    void setIndex(const QString& name, int index);

    // Date pickers refuse a date before their lowest date and return false.
    QDate date(const QString& name) const;
    bool setDate(const QString& name, const QDate& date);
    QDate lowestDate(const QString& name) const;

    // Edits, labels, fields and combo texts; the text of an up-down's buddy
    // edit is its position.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);

    static QString positionText(const QString& upDownName, int position);

private:
    struct Value {
        QString text;
        int minimum = 0;
        int maximum = 0;
        QDate date;
        QDate lowest;
    };
    Value& value(const QString& name);
    const Value* find(const QString& name) const;
    void notify(const QString& name) const;

    QHash<QString, Value> m_values;
    Listener m_listener;
};

} // namespace app
