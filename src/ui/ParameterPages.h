// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QBoxLayout;
class QHBoxLayout;

namespace ui {

class PageBuilder;

// The inner page control PageControl2 of "paramètre" with its four pages of
// generation parameters. A caption with runs of blanks gets the up-downs of
// its row in those gaps, in order, so the sentence reads with the values in
// place; hidden controls exist on their page but are never shown.
class ParameterPages {
public:
    explicit ParameterPages(PageBuilder& builder) : m_builder(builder) {}

    QWidget* build();

    // The pieces of a caption between its runs of blanks (three or more).
    static QStringList captionPieces(const QString& caption);

private:
    // One line of a page: the control that carries the caption, the up-downs
    // that go into its gaps, and controls that share the line.
    struct Row {
        QString captionControl;
        QStringList upDowns;
        QStringList companions;
    };

    QWidget* page(const QString& pageName, const std::vector<Row>& rows);
    QWidget* row(const Row& row);
    void addCaptioned(QHBoxLayout* line, const QString& controlName, QStringList upDowns);
    QWidget* upDown(const QString& name);
    void addUnplaced(const QString& pageName, QWidget* content, QBoxLayout* layout);

    PageBuilder& m_builder;
    QStringList m_placed;
};

} // namespace ui
