// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ControlSchema.h"
#include "ui/ControlBinder.h"
#include "ui/ElidedLabel.h"

namespace ui {

namespace {

// The total of tips: a field left empty or holding no number in range
// becomes the largest total, as the session normalises a typed total.
class TotalSpinBox : public QSpinBox {
public:
    void fixup(QString& input) const override { input = QString::number(maximum()); }
};

} // namespace

QWidget* PageBuilder::named(QWidget* widget, const QString& name, const QString& hint) {
    widget->setObjectName(name);
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
    }
    return widget;
}

QWidget* PageBuilder::fitToCaption(QWidget* button) {
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        constexpr int kFrame = 14;
        push->setMinimumWidth(push->fontMetrics().horizontalAdvance(push->text()) + kFrame);
    }
    return button;
}

QWidget* PageBuilder::control(const QString& name) {
    const app::ControlSpec* entry = app::ControlSchema::rowOf(name);
    QWidget* widget = nullptr;
    const app::ControlKind kind =
        entry ? entry->kind
              : (name.startsWith(QLatin1String("Label")) ? app::ControlKind::Label
                                                         : app::ControlKind::Edit);
    switch (kind) {
    case app::ControlKind::CheckBox:
        widget = new QCheckBox(entry->caption);
        break;
    case app::ControlKind::UpDown:
        widget = entry->buddy == QLatin1String("Edit1") ? new TotalSpinBox : new QSpinBox;
        break;
    case app::ControlKind::ComboBox: {
        auto* combo = new QComboBox;
        combo->addItems(entry->items);
        combo->setEditable(name == QLatin1String("ComboBox1"));
        widget = combo;
        break;
    }
    case app::ControlKind::DatePicker:
        widget = new QDateEdit;
        break;
    case app::ControlKind::Label:
        widget = new QLabel;
        break;
    default:
        widget = new QLineEdit;
        break;
    }
    named(widget, name, entry ? entry->hint : QString());
    if (entry && entry->hidden) {
        widget->setVisible(false);
    }
    m_binder.bind(widget);
    return widget;
}

QWidget* PageBuilder::elidedLabel(const QString& name) {
    auto* label = new ElidedLabel;
    named(label, name);
    m_binder.bind(label);
    return label;
}

QWidget* PageBuilder::labelled(const QString& caption, const QString& controlName,
                               const QString& captionName) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    if (!captionName.isEmpty()) {
        label->setObjectName(captionName);
    }
    layout->addWidget(label);
    layout->addWidget(control(controlName));
    layout->addStretch();
    return row;
}

} // namespace ui
