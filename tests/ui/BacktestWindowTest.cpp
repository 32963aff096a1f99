// The backtest buttons of the analyse page in the real window. Set
// TIRVEX_SCREENSHOTS to a folder to keep a picture of the page.
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/BacktestCommands.h"
#include "common/TextFile.h"
#include "ui/MainWindow.h"

class BacktestWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TempHome> m_home;
    std::unique_ptr<ui::MainWindow> m_window;
    testsupport::RecordingShell m_shell;

    QPushButton* button(const QString& name) {
        auto* widget = m_window->findChild<QWidget*>(QStringLiteral("TabSheet4"))
                           ->findChild<QPushButton*>(name);
        if (!widget) {
            qFatal("no button %s", qPrintable(name));
        }
        return widget;
    }

private Q_SLOTS:
    void init() {
        m_shell.opened.clear();
        m_home = std::make_unique<testsupport::TempHome>();
        m_home->writeHistory(testsupport::realHistory());
        auto settings = testsupport::localSettings(m_home->file("s.ini"));
        m_window = std::make_unique<ui::MainWindow>(m_home->path(), std::move(settings));
        m_window->setToday(QDate(2025, 6, 10));
        m_window->session().setShellPort(&m_shell);
        m_window->show();
    }
    void cleanup() {
        m_window.reset();
        m_home.reset();
    }

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
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("BacktestStop"))->isHidden());
        auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(m_window->findChild<QWidget*>(QStringLiteral("TabSheet4")));
        const QString folder = qEnvironmentVariable("TIRVEX_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QApplication::processEvents();
            QDir().mkpath(folder);
            QVERIFY(m_window->grab().save(QDir(folder).filePath(QStringLiteral("analyse.png"))));
        }
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
        m_window->session().tipList().lines() = tips;
        m_window->controlChanged(QStringLiteral("ListBox1"));
        m_window->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))
            ->setDate(QDate(2025, 6, 3));
        // The lucky number's box and the report's dialog are answered OK.
        QTimer answer;
        connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
            }
        });
        answer.start(20);
        auto* list = m_window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        auto shown = [list] {
            QStringList lines;
            for (int row = 0; row < list->count(); ++row) {
                lines << list->item(row)->text();
            }
            return lines;
        };
        QTest::mouseClick(button(QStringLiteral("StrategyButton")), Qt::LeftButton);
        QVERIFY(QFile::exists(m_home->file(QStringLiteral("Strategie.txt"))));
        QCOMPARE(shown(), tips);
        QTest::mouseClick(button(QStringLiteral("Button7")), Qt::LeftButton);
        QCOMPARE(m_shell.opened.size(), 1);
        QCOMPARE(shown(), tips);
        answer.stop();
        m_window->close();
        QStringList saved;
        QVERIFY(common::TextFile::readLines(m_home->file(QStringLiteral("tipps.txt")), &saved));
        QCOMPARE(saved, tips);
    }

    void aClickRunsTheTestAndOpensTheLog() {
        m_window->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))
            ->setDate(QDate(2024, 1, 1));
        QTest::mouseClick(button(QStringLiteral("Button7")), Qt::LeftButton);
        QCOMPARE(m_shell.opened, QStringList{m_home->file(QStringLiteral("Analyse.txt"))});
        QStringList log;
        QVERIFY(common::TextFile::readLines(m_home->file(QStringLiteral("Analyse.txt")), &log));
        QCOMPARE(log.size(), 23);
        QCOMPARE(log.last(), QStringLiteral("á 1039 tirer"));
        // The picker shows the draw the run stopped at, the newest.
        QCOMPARE(m_window->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->date(),
                 QDate(2025, 6, 4));
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("BacktestStop"))->isHidden());
    }
};

QTEST_MAIN(BacktestWindowTest)
#include "BacktestWindowTest.moc"
