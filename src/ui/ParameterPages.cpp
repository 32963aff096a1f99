// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ParameterPages.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "app/ControlSchema.h"
#include "ui/PageBuilder.h"

namespace ui {

namespace {

const QString kStatistique = QStringLiteral("TabSheet8");
const QString kOptimisation = QStringLiteral("TabSheet9");
const QString kMathematique = QStringLiteral("TabSheet10");
const QString kGeneral = QStringLiteral("TabSheet11");

QLabel* textPiece(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QStringList ParameterPages::captionPieces(const QString& caption) {
    static const QRegularExpression kGap(QStringLiteral(" {3,}"));
    QStringList pieces = caption.split(kGap);
    for (QString& piece : pieces) {
        piece = piece.trimmed();
    }
    return pieces;
}

QWidget* ParameterPages::build() {
    auto* inner = new QTabWidget;
    inner->setObjectName(QStringLiteral("PageControl2"));
    const std::vector<Row> statistique = {
        {"CheckBox2", {"UpDown12"}, {}},
        {"CheckBox10", {"UpDown13"}, {}},
        {"CheckBox14", {"UpDown14"}, {}},
        {"CheckBox9", {"UpDown6"}, {}},
        {"CheckBox17", {"UpDown19", "UpDown20"}, {}},
        {"CheckBox4", {"UpDown4", "UpDown21"}, {}},
        {"CheckBox5", {"UpDown5", "UpDown22"}, {}},
        {"CheckBox23", {"UpDown11", "UpDown23"}, {}},
        {"CheckBox19", {}, {}},
    };
    const std::vector<Row> optimisation = {
        {"CheckBox3", {"UpDown3"}, {}},
        {"CheckBox24", {"UpDown1"}, {}},
        {"CheckBox8", {}, {}},
        {"CheckBox18", {}, {}},
        // "plus rare" turns each preference into its opposite: same line.
        {"CheckBox1", {}, {"CheckBox11"}},
        {"CheckBox6", {}, {"CheckBox12"}},
        {"CheckBox7", {}, {"CheckBox13"}},
    };
    const std::vector<Row> mathematique = {
        {"Label42", {"UpDown2", "UpDown15"}, {}},
        {"CheckBox22", {"UpDown10"}, {}},
        {"CheckBox25", {"UpDown16"}, {}},
        {"CheckBox26", {"UpDown17"}, {}},
    };
    const std::vector<Row> general = {
        {"CheckBox20", {}, {}},
        {"CheckBox15", {}, {}},
        {"Label57", {"UpDown7"}, {"Label58"}},
    };
    inner->addTab(page(kStatistique, statistique), QStringLiteral("statistique"));
    inner->addTab(page(kOptimisation, optimisation), QStringLiteral("l'optimisation billet"));
    inner->addTab(page(kMathematique, mathematique), QStringLiteral("mathématiquement"));
    inner->addTab(page(kGeneral, general), QStringLiteral("général"));
    // The outer page carries its own name; the inner page control sits on it.
    auto* outer = new QWidget;
    auto* layout = new QVBoxLayout(outer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner);
    return outer;
}

QWidget* ParameterPages::page(const QString& pageName, const std::vector<Row>& rows) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(8);
    for (const Row& r : rows) {
        layout->addWidget(row(r));
    }
    addUnplaced(pageName, content, layout);
    layout->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setObjectName(pageName);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* ParameterPages::row(const Row& r) {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    addCaptioned(layout, r.captionControl, r.upDowns);
    for (const QString& companion : r.companions) {
        if (companion.startsWith(QLatin1String("CheckBox"))) {
            layout->addSpacing(16); // a second switch on the line stands apart
        }
        addCaptioned(layout, companion, {});
    }
    layout->addStretch();
    return line;
}

void ParameterPages::addCaptioned(QHBoxLayout* line, const QString& controlName,
                                  QStringList upDowns) {
    const app::ControlSpec* control = app::ControlSchema::rowOf(controlName);
    const QStringList pieces = captionPieces(control ? control->caption : QString());
    QWidget* carrier = nullptr;
    if (control && control->kind == app::ControlKind::CheckBox) {
        carrier = m_builder.control(controlName);
        // The check box says the sentence up to the first gap.
        static_cast<QCheckBox*>(carrier)->setText(pieces.value(0));
    } else {
        // A caption label keeps its name; its text is cut at the gaps.
        carrier = PageBuilder::named(textPiece(pieces.value(0)), controlName);
    }
    m_placed << controlName;
    line->addWidget(carrier);
    for (int i = 1; i < pieces.size(); ++i) {
        if (!upDowns.isEmpty()) {
            line->addWidget(upDown(upDowns.takeFirst()));
        }
        if (!pieces[i].isEmpty()) {
            line->addWidget(textPiece(pieces[i]));
        }
    }
    // A caption without gaps takes its values after the text.
    for (const QString& name : upDowns) {
        line->addWidget(upDown(name));
    }
}

QWidget* ParameterPages::upDown(const QString& name) {
    QWidget* spin = m_builder.control(name);
    // Wide enough for "1.400" or "10000" and the arrows, no wider.
    const int digits = QString::number(app::ControlSchema::rowOf(name)->maximum).size();
    spin->setFixedWidth(std::max(56, 24 + 12 * digits));
    m_placed << name;
    return spin;
}

void ParameterPages::addUnplaced(const QString& pageName, QWidget* content, QBoxLayout* layout) {
    // Every parameter of the page exists on it: hidden ones are kept (read and
    // persisted but never shown), any other is listed below the layout above.
    for (const app::ControlSpec& control : app::ControlSchema::controls()) {
        if (control.page != pageName || control.kind == app::ControlKind::Field ||
            m_placed.contains(control.name)) {
            continue;
        }
        QWidget* widget = m_builder.control(control.name);
        m_placed << control.name;
        if (control.hidden) {
            widget->setParent(content);
            widget->hide();
            continue;
        }
        layout->addWidget(widget);
    }
}

} // namespace ui
