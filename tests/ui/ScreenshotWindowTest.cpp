// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>

#include "TestSupport.h"
#include "WindowFixture.h"
#include "backtest/StrategyReport.h"
#include "common/DayNumber.h"
#include "common/TextFile.h"
#include "generator/TipGenerator.h"
#include "ui/ApplicationLook.h"
#include "ui/DrawEntryDialog.h"
#include "ui/EvaluationDialog.h"
#include "ui/FilterDialog.h"
#include "ui/MainWindow.h"
#include "ui/NumberDialog.h"
#include "ui/OddsDialog.h"
#include "ui/ScriptChoiceDialog.h"
#include "ui/StrategyDialog.h"

// Writes a picture of every page and dialog at the window's design size into
// the build folder ("screenshots"), and checks that at that size no control
// is narrower or lower than it needs to show its text.
class ScreenshotWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;
    QDir m_folder;
    std::unique_ptr<ui::ApplicationLook> m_look;
    app::NumberDialogState m_numbers;
    common::Random m_random{4711};

    void save(QWidget* widget, const QString& name) {
        QVERIFY(widget->grab().save(m_folder.filePath(name + QStringLiteral(".png"))));
    }

    // Every visible control inside top keeps at least its minimum size and
    // lies inside its parent: nothing of it is cut off.
    static QStringList clipped(QWidget* top) {
        QStringList found;
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(top) ||
                widget->objectName().startsWith(QLatin1String("qt_"))) {
                continue;
            }
            if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
                // A page that scrolls sideways hides the end of its lines.
                const int need = scroll->widget()->minimumSizeHint().width();
                if (need > scroll->viewport()->width()) {
                    found << QStringLiteral("%1 scrolls: %2 of %3 wide")
                                 .arg(scroll->objectName())
                                 .arg(need)
                                 .arg(scroll->viewport()->width());
                }
                continue;
            }
            const bool shows =
                qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget);
            if (!shows) {
                continue;
            }
            // A minimum size set on the control is the one its layout keeps.
            const QSize hint = widget->minimumSizeHint();
            const QSize set = widget->minimumSize();
            const QSize need(set.width() > 0 ? set.width() : hint.width(),
                             set.height() > 0 ? set.height() : hint.height());
            const QRect inParent = widget->parentWidget()->rect();
            if (widget->width() < need.width() || widget->height() < need.height() ||
                !inParent.contains(widget->geometry())) {
                found << QStringLiteral("%1 \"%2\" %3x%4 needs %5x%6")
                             .arg(widget->objectName(), widget->property("text").toString())
                             .arg(widget->width())
                             .arg(widget->height())
                             .arg(need.width())
                             .arg(need.height());
            }
        }
        return found;
    }

private Q_SLOTS:
    void initTestCase() {
        m_look = std::make_unique<ui::ApplicationLook>();
        m_folder = QDir(QCoreApplication::applicationDirPath());
        m_folder.mkpath(QStringLiteral("screenshots"));
        m_folder.cd(QStringLiteral("screenshots"));
        m_ui.create(testsupport::realHistory(), {QStringLiteral("03,06,09,12,15,18,21,24,27,30"),
                                                 QStringLiteral("01,05,19,22,38,41,49,55,63,70")});
        QVERIFY(m_ui.show());
    }

    void cleanupTestCase() { m_ui.reset(); }

    void qtTextsSpeakFrench() {
        QVERIFY(m_look->speaksFrench());
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
    }

    void windowOpensAtItsDesignSize() {
        QCOMPARE(m_ui.window()->size(), QSize(593, 534));
        const QSize least = m_ui.window()->minimumSizeHint();
        QVERIFY2(least.width() <= 593 && least.height() <= 534,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        const QRect desktop = m_ui.window()->screen()->availableGeometry();
        // Centred up to the frame, which the window manager adds after the move.
        QVERIFY((m_ui.window()->frameGeometry().center() - desktop.center()).manhattanLength() <=
                4);
    }

    void aTallerWindowGetsNoWiderAndComesBack() {
        auto* pages = m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const int designFont = pages->font().pixelSize();
        m_ui.window()->resize(593, 534 * 3 / 2);
        QApplication::processEvents();
        QCOMPARE(m_ui.window()->width(), 593);
        m_ui.window()->resize(800, 534 * 3 / 2);
        QApplication::processEvents();
        QVERIFY(pages->font().pixelSize() > designFont);
        QCOMPARE(m_ui.window()->width(), 800);
        m_ui.window()->resize(ui::MainWindow::kDesignSize);
        QApplication::processEvents();
        QCOMPARE(m_ui.window()->size(), ui::MainWindow::kDesignSize);
        QCOMPARE(pages->font().pixelSize(), designFont);
    }

    void everyPageFitsTheDesignSize() {
        auto* pages = m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        auto* inner = m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl2"));
        QStringList failures;
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabVisible(i)) {
                continue;
            }
            pages->setCurrentIndex(i);
            const int innerPages = pages->widget(i)->isAncestorOf(inner) ? inner->count() : 1;
            for (int j = 0; j < innerPages; ++j) {
                inner->setCurrentIndex(j);
                QApplication::processEvents();
                const QString name = innerPages > 1 ? inner->currentWidget()->objectName()
                                                    : pages->widget(i)->objectName();
                save(m_ui.window(), name);
                const QStringList cut = clipped(m_ui.window());
                if (!cut.isEmpty()) {
                    failures << name + QStringLiteral(": ") + cut.join(QStringLiteral("; "));
                }
            }
        }
        pages->setCurrentIndex(0);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void everyDialogShowsWhole_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"DrawEntryDialog", "NumberDialog", "EvaluationDialog", "ScriptChoiceDialog",
              "OddsDialog", "StrategyDialog", "FilterDialog"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void everyDialogShowsWhole() {
        QFETCH(QString, name);
        std::unique_ptr<QWidget> dialog;
        if (name == QLatin1String("DrawEntryDialog")) {
            auto* entry = new ui::DrawEntryDialog(m_ui.window());
            history::DrawEntry shown;
            shown.date = QDate(2025, 6, 4);
            for (int n = 1; n <= 20; ++n) {
                shown.numbers.push_back(n * 3);
            }
            entry->showDraw(shown);
            dialog.reset(entry);
        } else if (name == QLatin1String("NumberDialog")) {
            m_numbers.randomVisible = true;
            dialog.reset(
                new ui::NumberDialog(m_numbers, m_random, QDate(2025, 6, 4), m_ui.window()));
        } else if (name == QLatin1String("StrategyDialog")) {
            auto* strategy = new ui::StrategyDialog(m_ui.window());
            backtest::StrategyReport report(10, 1);
            std::vector<history::NumberSet> tips(3);
            for (int n = 1; n <= 30; ++n) {
                tips[static_cast<std::size_t>((n - 1) / 10)].add(n);
            }
            report.addCycle(common::toDayNumber(QDate(2025, 6, 3)), 0, tips, {2, 5, 3}, {3, 1, 4});
            report.addCycle(common::toDayNumber(QDate(2025, 6, 3)), 1, tips, {0, 6, 2}, {2, 2, 7});
            strategy->showReport(report);
            dialog.reset(strategy);
        } else if (name == QLatin1String("EvaluationDialog")) {
            dialog.reset(new ui::EvaluationDialog(m_ui.window()));
        } else if (name == QLatin1String("ScriptChoiceDialog")) {
            dialog.reset(new ui::ScriptChoiceDialog(m_ui.window()));
        } else if (name == QLatin1String("OddsDialog")) {
            auto* odds = new ui::OddsDialog(m_ui.window());
            odds->showTipSize(10);
            dialog.reset(odds);
        } else {
            auto* filters = new ui::FilterDialog(m_ui.window());
            filters->showRun(generator::RunResult());
            dialog.reset(filters);
        }
        dialog->show();
        QApplication::processEvents();
        save(dialog.get(), name);
        const QStringList cut = clipped(dialog.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
    }
};

QTEST_MAIN(ScreenshotWindowTest)
#include "ScreenshotWindowTest.moc"
