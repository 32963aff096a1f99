// SPDX-License-Identifier: GPL-3.0-or-later
// The activation sequence and the one-operation-at-a-time rule in the real
// window, driven by the events a desktop sends: the program losing and
// regaining the focus, one of its own windows becoming active and closing.
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "CliRun.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "WindowFixture.h"
#include "app/BacktestCommands.h"
#include "app/HistoryCommands.h"
#include "common/TextFile.h"
#include "ui/MainWindow.h"

namespace {

void activate(QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &event);
}

void setApplicationState(Qt::ApplicationState state) {
    QApplicationStateChangeEvent event(state);
    QCoreApplication::sendEvent(qApp, &event);
}

// Answers the next modal dialog: the text of an input box, OK of a message.
void answerNextDialog(const QString& text, QString* messageSeen = nullptr) {
    QTimer::singleShot(0, [text, messageSeen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->setTextValue(text);
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (messageSeen) {
                *messageSeen = box->text();
            }
            box->accept();
        }
    });
}

const QDate kToday(2025, 6, 10);

} // namespace

class ActivationWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;
    int m_sequences = 0;

    app::Session& session() { return m_ui.session(); }

private Q_SLOTS:
    void init() {
        m_ui.create(testsupport::realHistory());
        m_ui.window()->setToday(kToday);
        // The number distribution runs only within the sequence: it counts them.
        m_sequences = 0;
        auto& steps = session().activationSteps();
        steps.numberDistribution = [this, step = steps.numberDistribution] {
            ++m_sequences;
            step();
        };
        m_ui.window()->show();
        QTRY_COMPARE(m_sequences, 1); // the first showing
    }
    void cleanup() { m_ui.reset(); }

    void onlyTheProgramsOwnWindowsStartTheSequence() {
        // Away to another application and back.
        setApplicationState(Qt::ApplicationInactive);
        activate(m_ui.window());
        setApplicationState(Qt::ApplicationActive);
        QCOMPARE(m_sequences, 1);

        // A dialog of the program was active and has closed.
        QDialog dialog(m_ui.window());
        dialog.show();
        activate(&dialog);
        dialog.close();
        activate(m_ui.window());
        QCOMPARE(m_sequences, 2);

        // The dialog, another application, the dialog again, then the window.
        dialog.show();
        activate(&dialog);
        setApplicationState(Qt::ApplicationInactive);
        activate(m_ui.window());
        QCOMPARE(m_sequences, 2);
    }

    // Dialogs open and close and the program loses and regains the focus
    // while command 2 runs; the run goes on to the newest draw and writes the
    // same log as the command line.
    void aWalkForwardRunsThroughActivationsAsOnTheCommandLine() {
        QDialog dialog(m_ui.window());
        QTimer activations;
        int sentDuringRun = 0;
        connect(&activations, &QTimer::timeout, this, [&] {
            if (!session().backtests().running()) {
                return;
            }
            ++sentDuringRun;
            activate(&dialog);
            activate(m_ui.window());
            setApplicationState(Qt::ApplicationInactive);
            activate(m_ui.window());
            setApplicationState(Qt::ApplicationActive);
        });
        activations.start(1);
        session().controls().setDate(app::Control::DateTimePicker1, QDate(2025, 5, 20));
        answerNextDialog(QStringLiteral("4711"));
        QTest::mouseClick(m_ui.window()->findChild<QPushButton*>(QStringLiteral("Erfolgstest")),
                          Qt::LeftButton);
        activations.stop();
        QVERIFY(sentDuringRun > 0);
        QCOMPARE(m_sequences, 1);

        QStringList windowLog;
        QVERIFY(common::TextFile::readLines(m_ui.home()->file(QStringLiteral("Analyse.txt")),
                                            &windowLog));
        const testsupport::CliOutput cli = testsupport::runCli(
            *m_ui.home(),
            {QStringLiteral("--today"), QStringLiteral("10.06.2025"), QStringLiteral("--no-save")},
            {QStringLiteral("date"), QStringLiteral("20.05.2025"), QStringLiteral("backtest"),
             QStringLiteral("2"), QStringLiteral("4711")});
        QCOMPARE(cli.status, 0);
        QCOMPARE(windowLog, cli.lines());
        QVERIFY(windowLog.last().contains(QStringLiteral(" tirer")));
        QVERIFY(windowLog.last() != QStringLiteral("à 0 tirer"));
    }

    // Each generation brings the tip page to the front; the stop stays in
    // sight, and Escape stops the run wherever the focus is.
    void escapeStopsAWalkForwardOnAnyPage() {
        QVERIFY(QTest::qWaitForWindowActive(m_ui.window()));
        session().controls().setDate(app::Control::DateTimePicker1, QDate(2024, 6, 1));
        bool stopVisible = false;
        QTimer escape;
        connect(&escape, &QTimer::timeout, this, [&] {
            auto* pages = m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            if (session().backtests().running() &&
                pages->currentWidget()->objectName() == QLatin1String("TabSheet1")) {
                // Offscreen, the window is not made active again when the
                // lucky number's box closes, as a desktop makes it.
                if (QApplication::activeWindow() != m_ui.window()) {
                    m_ui.window()->activateWindow();
                    return;
                }
                escape.stop();
                stopVisible =
                    m_ui.window()->findChild<QWidget*>(QStringLiteral("BacktestStop"))->isVisible();
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : m_ui.window(), Qt::Key_Escape);
            }
        });
        escape.start(5);
        answerNextDialog(QStringLiteral("4711"));
        QTest::mouseClick(m_ui.window()->findChild<QPushButton*>(QStringLiteral("Erfolgstest")),
                          Qt::LeftButton);
        QVERIFY(stopVisible);
        QStringList log;
        QVERIFY(
            common::TextFile::readLines(m_ui.home()->file(QStringLiteral("Analyse.txt")), &log));
        const int cycles = log.last().section(QLatin1Char(' '), 1, 1).toInt();
        QVERIFY2(cycles < 700, qPrintable(log.last()));
        QVERIFY(m_ui.window()->findChild<QWidget*>(QStringLiteral("BacktestStop"))->isHidden());
    }

    // Closing the window stops the run; what the run changed for its length
    // (the number dialog option) is put back before the settings are saved.
    void closingDuringAWalkForwardStopsItAndSavesTheUsersSettings() {
        session().controls().setChecked(app::Control::CheckBox20, true);
        session().controls().setDate(app::Control::DateTimePicker1, QDate(2024, 6, 1));
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (session().backtests().running() &&
                !session().controls().checked(app::Control::CheckBox20)) {
                closer.stop();
                m_ui.window()->close();
            }
        });
        closer.start(20);
        answerNextDialog(QStringLiteral("4711"));
        QTest::mouseClick(m_ui.window()->findChild<QPushButton*>(QStringLiteral("Erfolgstest")),
                          Qt::LeftButton);
        QTRY_VERIFY(!m_ui.window()->isVisible());
        QStringList log;
        QVERIFY(
            common::TextFile::readLines(m_ui.home()->file(QStringLiteral("Analyse.txt")), &log));
        const int cycles = log.last().section(QLatin1Char(' '), 1, 1).toInt();
        QVERIFY2(cycles > 0 && cycles < 700, qPrintable(log.last()));
        QSettings saved(m_ui.home()->file("s.ini"), QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("Chekcbox20")).toInt(), 1);
    }

    // An import while the update waits for its service is refused, the
    // activation does not run under the update, and the history stays.
    void nothingElseRunsDuringAnUpdate() {
        updatetest::SilentServer silent;
        session().historyCommands().setTimeouts(300, 600);
        session().controls().setText(app::Control::ServiceURL, silent.baseUrl());
        const QByteArray before = testsupport::fileBytes(m_ui.home()->historyPath());
        QDialog dialog(m_ui.window());
        QString refusal;
        bool importEnabled = true;
        QTimer::singleShot(50, m_ui.window(), [&] {
            importEnabled =
                m_ui.window()->findChild<QWidget*>(QStringLiteral("ImportButton"))->isEnabled();
            activate(&dialog);
            activate(m_ui.window());
            answerNextDialog(QString(), &refusal);
            session().importArchiveClick();
        });
        QTest::mouseClick(m_ui.window()->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                          Qt::LeftButton);
        QCOMPARE(silent.accepted(), 1);
        QVERIFY(!importEnabled);
        QCOMPARE(refusal, app::OperationController::busyMessage(app::LongOperation::Update));
        QCOMPARE(m_sequences, 1);
        QCOMPARE(testsupport::fileBytes(m_ui.home()->historyPath()), before);
        QVERIFY(m_ui.window()->findChild<QWidget*>(QStringLiteral("ImportButton"))->isEnabled());
    }
};

QTEST_MAIN(ActivationWindowTest)
#include "ActivationWindowTest.moc"
