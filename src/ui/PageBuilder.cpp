#include "ui/PageBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ControlSchema.h"
#include "ui/ControlBinder.h"

namespace ui {

QWidget* PageBuilder::named(QWidget* widget, const QString& name, const QString& hint) {
    widget->setObjectName(name);
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
    }
    return widget;
}

QWidget* PageBuilder::control(const QString& name) {
    const app::ControlSpec* spec = app::ControlSchema::find(name);
    QWidget* widget = nullptr;
    const app::ControlKind kind =
        spec ? spec->kind
             : (name.startsWith(QLatin1String("Label")) ? app::ControlKind::Label
                                                        : app::ControlKind::Edit);
    switch (kind) {
    case app::ControlKind::CheckBox:
        widget = new QCheckBox(spec->caption.trimmed().isEmpty() ? spec->caption : spec->caption);
        break;
    case app::ControlKind::UpDown:
        widget = new QSpinBox;
        break;
    case app::ControlKind::ComboBox: {
        auto* combo = new QComboBox;
        combo->addItems(spec->items);
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
    named(widget, name, spec ? spec->hint : QString());
    if (spec && spec->hidden) {
        widget->setVisible(false);
    }
    m_binder.bind(widget);
    return widget;
}

QWidget* PageBuilder::labelled(const QString& caption, const QString& controlName) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption));
    layout->addWidget(control(controlName));
    layout->addStretch();
    return row;
}

QWidget* PageBuilder::parameterPage(const QString& pageName) {
    auto* content = new QWidget;
    auto* form = new QFormLayout(content);
    for (const app::ControlSpec& spec : app::ControlSchema::controls()) {
        if (spec.page != pageName || spec.kind == app::ControlKind::Field) {
            continue;
        }
        QWidget* widget = control(spec.name);
        if (spec.hidden) {
            widget->setParent(content); // kept, read and stored, but never shown
            widget->hide();
            continue;
        }
        if (spec.kind == app::ControlKind::CheckBox) {
            form->addRow(widget);
        } else {
            form->addRow(spec.caption.isEmpty() ? spec.name : spec.caption, widget);
        }
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    return scroll;
}

} // namespace ui
