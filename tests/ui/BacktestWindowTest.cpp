// SPDX-License-Identifier: GPL-3.0-or-later
// The backtest buttons of the analyse page in the real window. Set
// TIRVEX_SCREENSHOTS to a folder to keep a picture of the page.
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "WindowFixture.h"
#include "app/BacktestCommands.h"
#include "common/TextFile.h"
#include "ui/MainWindow.h"
#include "ui/StrategyDialog.h"

class BacktestWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;
    testsupport::RecordingShell m_shell;

    QPushButton* button(const QString& name) {
        auto* widget = m_ui.window()
                           ->findChild<QWidget*>(QStringLiteral("TabSheet4"))
                           ->findChild<QPushButton*>(name);
        if (!widget) {
            qFatal("no button %s", qPrintable(name));
        }
        return widget;
    }

private Q_SLOTS:
    void init() {
        m_shell.opened.clear();
        // The real draws up to 04.06.2025 midi: the runs end on that draw.
        m_ui.create(testsupport::frozenHistory());
        m_ui.window()->setToday(QDate(2025, 6, 10));
        m_ui.session().setShellPort(&m_shell);
        QVERIFY(m_ui.show());
    }
    void cleanup() { m_ui.reset(); }

    void buttonsCarryTheirCaptions() {
        const std::pair<const char*, const char*> buttons[] = {
            {"BitBtn9",
             "trié calculer et tester la façon dont cela aurait réussi jusqu'à aujourd'hui"},
            {"Erfolgstest", "trié calculer et tester le succès de chacun dans le prochain tirage"},
            {"Button7",
             "Tester se produisent souvent que les numéros tirés à chaque tirer de la prochaine"},
            {"Button8",
             "Testez souvent les numéros apparaissent dans chacune des le prochain tirage"},
            {"Button9",
             "Essai se produisent souvent dans le nombre de chaque côté de la contraction"},
            {"Button10", "Testez les numéros apparaissent souvent dans les 3 prochains dessins"},
            {"Button11", "Testez les numéros apparaissent souvent dans les 3 derniers dessins"},
        };
        for (const auto& [name, caption] : buttons) {
            QCOMPARE(button(QString::fromLatin1(name))->text(), QString::fromUtf8(caption));
        }
        QVERIFY(m_ui.window()->findChild<QWidget*>(QStringLiteral("BacktestStop"))->isHidden());
        auto* pages = m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(m_ui.window()->findChild<QWidget*>(QStringLiteral("TabSheet4")));
        QVERIFY(m_ui.screenshot(m_ui.window(), QStringLiteral("analyse")));
    }

    // The strategy report and a draw-as-tip test score tips of their own; the
    // player's sixty tips are on the list afterwards, and in tipps.txt after
    // the window closes.
    void thePlayersTipsSurviveTheStrategyReportAndCommandThree() {
        QStringList tips;
        for (int t = 0; t < 60; ++t) {
            QStringList numbers;
            for (int i = 0; i < 10; ++i) {
                numbers << QStringLiteral("%1").arg((t + i * 7) % 70 + 1, 2, 10, QChar('0'));
            }
            numbers.sort();
            tips << numbers.join(QLatin1Char(','));
        }
        m_ui.session().tipList().lines() = tips;
        m_ui.window()->tipListsChanged();
        m_ui.window()
            ->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))
            ->setDate(QDate(2025, 6, 3));
        // The lucky number's box and the report's dialog are answered OK.
        QTimer answer;
        connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
            }
        });
        answer.start(20);
        auto* list = m_ui.window()->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        auto shown = [list] {
            QStringList lines;
            for (int row = 0; row < list->count(); ++row) {
                lines << list->item(row)->text();
            }
            return lines;
        };
        QTest::mouseClick(button(QStringLiteral("StrategyButton")), Qt::LeftButton);
        QVERIFY(QFile::exists(m_ui.home()->file(QStringLiteral("Strategie.txt"))));
        QCOMPARE(shown(), tips);
        QTest::mouseClick(button(QStringLiteral("Button7")), Qt::LeftButton);
        QCOMPARE(m_shell.opened.size(), 1);
        QCOMPARE(shown(), tips);
        answer.stop();
        m_ui.window()->close();
        QStringList saved;
        QVERIFY(
            common::TextFile::readLines(m_ui.home()->file(QStringLiteral("tipps.txt")), &saved));
        QCOMPARE(saved, tips);
    }

    // "relancer" runs over the period of the report shown, though the single
    // run left the start picker on the newest draw.
    void theDialogRerunsThePeriodOfItsReport() {
        auto* picker = m_ui.window()->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
        picker->setDate(QDate(2025, 5, 25));
        QTimer answer;
        connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
            }
        });
        answer.start(20);
        const auto drawsIn = [this](const char* name) {
            QStringList text;
            common::TextFile::readLines(m_ui.home()->file(QStringLiteral("Strategie.txt")), &text);
            const QString prefix = QString::fromUtf8(name) + QLatin1Char('\t');
            for (const QString& line : text) {
                if (line.startsWith(prefix)) {
                    return line.mid(prefix.size()).section(QLatin1Char('\t'), 0, 0).toInt();
                }
            }
            return -1;
        };
        QTest::mouseClick(button(QStringLiteral("StrategyButton")), Qt::LeftButton);
        auto* dialog = m_ui.window()->findChild<ui::StrategyDialog*>();
        QTRY_VERIFY(dialog && dialog->isVisible());
        const int draws = drawsIn("tirages");
        QVERIFY(draws > 10);
        QCOMPARE(picker->date(), QDate(2025, 6, 4));
        dialog->findChild<QLineEdit*>(QStringLiteral("StrategySeeds"))
            ->setText(QStringLiteral("1-2"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("StrategySeedsRun")),
                          Qt::LeftButton);
        QTRY_COMPARE(drawsIn("tirages par graine"), draws);
        QCOMPARE(picker->date(), QDate(2025, 5, 25));
        answer.stop();
    }

    void aClickRunsTheTestAndOpensTheLog() {
        m_ui.window()
            ->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))
            ->setDate(QDate(2024, 1, 1));
        QTest::mouseClick(button(QStringLiteral("Button7")), Qt::LeftButton);
        QCOMPARE(m_shell.opened, QStringList{m_ui.home()->file(QStringLiteral("Analyse.txt"))});
        QStringList log;
        QVERIFY(
            common::TextFile::readLines(m_ui.home()->file(QStringLiteral("Analyse.txt")), &log));
        QCOMPARE(log.size(), 23);
        QCOMPARE(log.last(), QStringLiteral("á 1039 tirer"));
        // The picker shows the draw the run stopped at, the newest.
        QCOMPARE(m_ui.window()->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->date(),
                 QDate(2025, 6, 4));
        QVERIFY(m_ui.window()->findChild<QWidget*>(QStringLiteral("BacktestStop"))->isHidden());
    }
};

QTEST_MAIN(BacktestWindowTest)
#include "BacktestWindowTest.moc"
