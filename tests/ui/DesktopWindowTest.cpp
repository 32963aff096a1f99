// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "WindowFixture.h"
#include "app/GeneratorCommands.h"
#include "app/HomeLock.h"
#include "app/LongOperation.h"
#include "common/TextFile.h"
#include "ui/AboutDialog.h"
#include "ui/InstanceChannel.h"
#include "ui/MainWindow.h"

using testsupport::makeRecord;

// The keys and habits of a desktop program on the real window: the keys run
// the buttons' own handlers, and a second start hands over to the first.
class DesktopWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;

    QStringList savedTips() const {
        QStringList lines;
        common::TextFile::readLines(m_ui.home()->file(QStringLiteral("tipps.txt")), &lines);
        return lines;
    }
    // Answers the next modal dialog with answer once it is up, and keeps
    // the text of a message box it closes.
    void whenModal(std::function<void(QWidget*)> answer) {
        QTimer::singleShot(0, m_ui.window(), [answer = std::move(answer)] {
            QWidget* modal = nullptr;
            if (QTest::qWaitFor(
                    [&] { return (modal = QApplication::activeModalWidget()) != nullptr; })) {
                answer(modal);
            }
        });
    }

private Q_SLOTS:
    void init() {
        m_ui.create({makeRecord(QDate(2022, 11, 23), 0, testsupport::twentyNumbers(1), 2),
                     makeRecord(QDate(2022, 11, 24), 0, testsupport::twentyNumbers(3), 5)},
                    {QStringLiteral("03,06,09,12"), QStringLiteral("69,70")});
        QVERIFY(m_ui.show());
        m_ui.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_ui.window()));
    }

    void cleanup() { m_ui.reset(); }

    void ctrlQClosesAndSaves() {
        m_ui.session().tipList().append(QStringLiteral("01,02"));
        QTest::keyClick(m_ui.window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_ui.window()->isVisible());
        QCOMPARE(savedTips(), (QStringList{"03,06,09,12", "69,70", "01,02"}));
        QVERIFY(QFile::exists(m_ui.home()->file(QStringLiteral("s.ini"))));
    }

    void ctrlSWritesTheTipFileAsTheButtonDoes() {
        const QString target = m_ui.home()->file(QStringLiteral("chosen.hlt"));
        whenModal([target](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(target);
            static_cast<QDialog*>(dialog)->accept(); // as its Save button does
        });
        QTest::keyClick(m_ui.window(), Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(QFile::exists(target));
        QStringList lines;
        QVERIFY(common::TextFile::readLines(target, &lines));
        QCOMPARE(lines, (QStringList{"03,06,09,12", "69,70"}));
    }

    void enterPressesTheFocusedButton() {
        m_ui.session().selectTip(0);
        auto* remove = m_ui.child<QPushButton>(QStringLiteral("SpeedButton11"));
        remove->setFocus();
        QTest::keyClick(remove, Qt::Key_Return);
        QCOMPARE(m_ui.session().tipList().lines(), QStringList{"69,70"});
    }

    // F1 hands a help page that comes with the program to the desktop; the
    // status bar's "?" shows the version, the licence and Home.
    void helpAndAboutAreAtHand() {
        testsupport::RecordingShell shell;
        m_ui.session().setShellPort(&shell);
        QTest::keyClick(m_ui.window(), Qt::Key_F1);
        const QString page = m_ui.home()->file(QStringLiteral("Aide.html"));
        QCOMPARE(shell.opened, QStringList{page});
        QFile written(page);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(written.readAll()).contains(QStringLiteral("Ctrl+G")));
        m_ui.session().setShellPort(nullptr);

        m_ui.child<QWidget>(QStringLiteral("AboutButton"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* about = m_ui.child<ui::AboutDialog>(QStringLiteral("AboutDialog"));
        QVERIFY(about->isVisible());
        const QString text = m_ui.child<QLabel>(about, QStringLiteral("AboutText"))->text();
        for (const QString& part :
             {ui::AboutDialog::version(), QStringLiteral("GPL-3.0-or-later"), QStringLiteral("FDJ"),
              QDir::toNativeSeparators(QDir(m_ui.home()->path()).absolutePath())}) {
            QVERIFY2(text.contains(part), qPrintable(part));
        }
    }

    // A key is refused as its button is while a long operation runs.
    void keysWaitForALongOperation() {
        const app::OperationScope search(m_ui.session(), app::LongOperation::TipSearch);
        QString shown;
        whenModal([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            shown = box->text();
            box->accept();
        });
        QTest::keyClick(m_ui.window(), Qt::Key_G, Qt::ControlModifier);
        QTRY_COMPARE(shown, app::OperationController::busyMessage(app::LongOperation::TipSearch));
        QCOMPARE(m_ui.session().tipList().lines(), (QStringList{"03,06,09,12", "69,70"}));
        QVERIFY(!m_ui.session().generator().running());
    }

    // The program started a second time on this Home (a copy of it, whose
    // folder is the Home) finds the window's lock, brings the window to the
    // front and ends with 0 instead of a message.
    void aSecondStartBringsTheFirstWindowForward() {
        const QString home = m_ui.home()->path();
        app::HomeLock lock(home);
        QString message;
        QVERIFY2(lock.acquire(&message), qPrintable(message));
        ui::InstanceChannel channel(home);
        QVERIFY(channel.listen());
        connect(&channel, &ui::InstanceChannel::frontRequested, m_ui.window(),
                &ui::MainWindow::bringToFront);
        QSignalSpy asked(&channel, &ui::InstanceChannel::frontRequested);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_ui.window()->showMinimized();

        const QString copy = QDir(home).filePath(QStringLiteral("tirvex"));
        QVERIFY(QFile::copy(QStringLiteral(TIRVEX_WINDOW_PROGRAM), copy));
        QProcess second;
        second.start(copy, {});
        QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(asked.count(), 1);
        QTRY_VERIFY(m_ui.window()->isActiveWindow());
        QVERIFY(!m_ui.window()->isMinimized());
    }
};

QTEST_MAIN(DesktopWindowTest)
#include "DesktopWindowTest.moc"
