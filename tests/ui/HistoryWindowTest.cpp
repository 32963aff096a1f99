// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include "DrawService.h"
#include "RecordingPort.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "WindowFixture.h"
#include "app/HistoryCommands.h"
#include "common/DayNumber.h"
#include "common/WebAddresses.h"
#include "history/HistoryFile.h"
#include "ui/DrawEntryDialog.h"
#include "ui/MainWindow.h"

using history::TZiehung;
using testsupport::makeRecord;
using testsupport::twentyNumbers;

namespace {

const QDate kToday(2022, 11, 27);

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;
    std::unique_ptr<drawservice::DrawService> m_service;
    std::vector<TZiehung> m_all;

    template <typename T> T* child(const QString& name) { return m_ui.child<T>(name); }
    std::vector<TZiehung> stored() const {
        std::vector<TZiehung> records;
        history::HistoryFile::readAll(m_ui.home()->historyPath(), &records);
        return records;
    }
    void typeServiceAddress(const QString& address) {
        m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(5);
        auto* edit = child<QLineEdit>(QStringLiteral("ServiceURL"));
        edit->clear();
        QTest::keyClicks(edit, address);
        QCOMPARE(m_ui.session().controls().text(app::Control::ServiceURL), address);
    }

private Q_SLOTS:
    void init() {
        m_all.clear();
        for (int day = 0; day < 4; ++day) {
            for (int soir = 0; soir < 2; ++soir) {
                m_all.push_back(makeRecord(kToday.addDays(day - 3), soir,
                                           twentyNumbers(day * 2 + soir + 1), 2 + soir));
            }
        }
        m_service = std::make_unique<drawservice::DrawService>();
        m_service->setDraws(m_all);
        QVERIFY(m_service->start() > 0);
        m_ui.create({m_all.begin(), m_all.begin() + 3});
        m_ui.window()->setToday(kToday);
        QVERIFY(m_ui.show());
    }

    void cleanup() {
        m_ui.reset();
        m_service.reset();
    }

    // The update at start and the check after it: the update's failure stays
    // in panel 0, the best hit moves beside it, and a history twelve days old
    // says so on every page.
    void aFailedUpdateStaysVisibleAndAnOldHistoryIsCalledSo() {
        const TZiehung& newest = m_all[2];
        m_ui.window()->setToday(kToday.addDays(10));
        m_ui.session().tipList().lines() = {QStringLiteral("%1,%2,%3")
                                                .arg(newest.zahlen[0], 2, 10, QChar('0'))
                                                .arg(newest.zahlen[1], 2, 10, QChar('0'))
                                                .arg(newest.zahlen[2], 2, 10, QChar('0'))};
        QTest::mouseClick(child<QPushButton>(QStringLiteral("SpeedButton10")), Qt::LeftButton);
        m_ui.session().SpeedButton5Click();

        const QString panel0 = child<QLabel>(QStringLiteral("StatusBar1Panel0"))->text();
        QVERIFY2(panel0.startsWith(QStringLiteral("Mise à jour impossible : ") +
                                   testsupport::kRefusedResults),
                 qPrintable(panel0));
        QCOMPARE(child<QLabel>(QStringLiteral("StatusBar1Panel1"))->text(),
                 QStringLiteral("Max Win:  3x"));
        auto* notice = child<QLabel>(QStringLiteral("StaleNotice"));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(),
                 QStringLiteral("dernier tirage connu : 25.11.2022, il y a 12 jours"));
        for (int page : {0, 1, 3, 4, 5}) {
            m_ui.window()
                ->findChild<QTabWidget*>(QStringLiteral("PageControl1"))
                ->setCurrentIndex(page);
            QVERIFY(notice->isVisible());
        }
    }

    void anUpdateWithNothingDueSendsNoRequest() {
        m_ui.home()->writeHistory(m_all); // up to today's evening draw
        updatetest::SilentServer server;
        m_ui.session().controls().setText(app::Control::ResultsURL,
                                          server.baseUrl() + QStringLiteral("/keno.zip"));
        QTest::mouseClick(child<QPushButton>(QStringLiteral("SpeedButton10")), Qt::LeftButton);
        QCOMPARE(server.accepted(), 0);
        QCOMPARE(child<QLabel>(QStringLiteral("StatusBar1Panel0"))->text(),
                 QStringLiteral("Résultats FDJ : à jour (27.11.2022 soir)"));
        QVERIFY(!child<QLabel>(QStringLiteral("StaleNotice"))->isVisible());
    }

    void updateButtonAppendsTheDrawsAndHidesTheStopButtonAgain() {
        // Without an address the start-up update sent nothing.
        QCOMPARE(stored().size(), 3u);
        QVERIFY(child<QWidget>(QStringLiteral("SpeedButton8"))->isHidden());
        typeServiceAddress(m_service->baseUrl());

        bool stopShown = false;
        bool buttonsDisabled = false;
        QTimer::singleShot(0, m_ui.window(), [&] {
            stopShown = !child<QWidget>(QStringLiteral("SpeedButton8"))->isHidden();
            buttonsDisabled = !child<QWidget>(QStringLiteral("BitBtn1"))->isEnabled() &&
                              !child<QWidget>(QStringLiteral("SpeedButton10"))->isEnabled();
        });
        m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(4);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);

        QVERIFY(stopShown);
        QVERIFY(buttonsDisabled);
        QCOMPARE(stored(), m_all);
        QVERIFY(child<QWidget>(QStringLiteral("SpeedButton8"))->isHidden());
        QVERIFY(child<QWidget>(QStringLiteral("BitBtn1"))->isEnabled());
        QVERIFY(child<QWidget>(QStringLiteral("SpeedButton10"))->isEnabled());
        const QString line = child<QLabel>(QStringLiteral("Label35"))->text();
        QVERIFY2(line.contains(QStringLiteral("27.11.22")) &&
                     line.contains(QStringLiteral("(soir)")),
                 qPrintable(line));
        QCOMPARE(child<QLabel>(QStringLiteral("StatusBar1Panel1"))->text(),
                 QStringLiteral("Garantit pas l`exactitude des chiffres!"));
    }

    void aSilentServiceLeavesTheWindowUsable() {
        updatetest::SilentServer silent;
        m_ui.session().historyCommands().setTimeouts(300, 600);
        typeServiceAddress(silent.baseUrl());
        const QString before = child<QLabel>(QStringLiteral("Label35"))->text();
        QString during;
        QString status;
        int page = -1;
        bool stepEnabled = true;
        QTimer::singleShot(50, m_ui.window(), [&] {
            status = child<QLabel>(QStringLiteral("StatusBar1Panel0"))->text();
            // While the request waits the window answers at once, but the
            // draw it appends to is not moved under the update.
            auto* pages = child<QTabWidget>(QStringLiteral("PageControl1"));
            pages->setCurrentIndex(3);
            page = pages->currentIndex();
            stepEnabled = child<QPushButton>(QStringLiteral("SpeedButton6"))->isEnabled();
            QTest::mouseClick(child<QPushButton>(QStringLiteral("SpeedButton6")), Qt::LeftButton);
            during = child<QLabel>(QStringLiteral("Label35"))->text();
        });
        QTest::mouseClick(child<QPushButton>(QStringLiteral("SpeedButton10")), Qt::LeftButton);
        QCOMPARE(page, 3);
        QVERIFY(!stepEnabled);
        QCOMPARE(during, before);
        QCOMPARE(status, QStringLiteral("Loading"));
        QVERIFY(child<QPushButton>(QStringLiteral("SpeedButton6"))->isEnabled());
        QCOMPARE(silent.accepted(), 1);
        QVERIFY(child<QWidget>(QStringLiteral("SpeedButton8"))->isHidden());
        QVERIFY(child<QWidget>(QStringLiteral("SpeedButton10"))->isEnabled());
        QCOMPARE(stored().size(), 3u);
    }

    void manualEntryTakesExactlyTwentyNumbers() {
        // The current draw is the newest stored: the 25th, midday.
        const TZiehung current = m_all[2];
        bool checkedShown = false;
        QString refusal;
        QString future;
        QString caption;
        QString question;
        QTimer::singleShot(0, m_ui.window(), [&] {
            auto* dialog = qobject_cast<ui::DrawEntryDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // Whatever fails below, the dialog must not stay open.
            const std::unique_ptr<QDialog, void (*)(QDialog*)> closer(dialog, [](QDialog* d) {
                if (d->isVisible()) {
                    d->reject();
                }
            });
            // A click on the box's indicator, where a user clicks.
            auto click = [](QCheckBox* box, Qt::MouseButton button) {
                QTest::mouseClick(box, button, {}, QPoint(6, box->height() / 2));
            };
            caption = dialog->windowTitle();
            auto box = [dialog](int n) {
                return dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n + 70));
            };
            checkedShown = dialog->checkedCount() == 20 && box(current.zahlen[0])->isChecked();
            // A right press counts the weight down to 0 and unchecks.
            click(box(current.zahlen[0]), Qt::RightButton);
            QVERIFY(!box(current.zahlen[0])->isChecked());
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                              Qt::LeftButton);
            refusal = dialog->statusText();
            QVERIFY(dialog->isVisible());
            int free = 1;
            while (box(free)->isChecked() || free == current.zahlen[0]) {
                ++free;
            }
            click(box(free), Qt::LeftButton);
            QVERIFY(box(free)->isChecked());
            dialog->findChild<QRadioButton*>()->setChecked(true); // multiplier 2
            dialog->findChild<QSpinBox*>(QStringLiteral("UpDown9"))->setValue(7);
            // A date after the window's today is refused like a missing number.
            auto* date = dialog->findChild<QDateEdit*>();
            const QDate shown = date->date();
            date->setDate(kToday.addDays(1));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                              Qt::LeftButton);
            future = dialog->statusText();
            QVERIFY(dialog->isVisible());
            date->setDate(shown);
            // Other numbers over the stored draw: the window asks first.
            QTimer::singleShot(0, m_ui.window(), [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::Yes)->click();
                }
            });
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(QStringLiteral("BitBtn8")), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Dates de tirage "));
        QVERIFY(checkedShown);
        QCOMPARE(refusal, QStringLiteral("Un tirage compte exactement 20 numéros : 19 cochés."));
        QVERIFY2(future.contains(QStringLiteral("28.11.2022 est postérieur")), qPrintable(future));
        const std::vector<TZiehung> records = stored();
        QVERIFY2(question.startsWith(QStringLiteral("Le tirage du 25.11.2022 midi est déjà")),
                 qPrintable(question));
        QCOMPARE(records.size(), 3u); // the stored draw was replaced
        QCOMPARE(records[2].datum, current.datum);
        QCOMPARE(records[2].soir, current.soir);
        QVERIFY(records[2].zahlen != current.zahlen);
        QCOMPARE(int(records[2].jokerPlus[6]), 7);
        QCOMPARE(int(records[2].multiplicateur), 2);
    }

    void deleteRemovesTheCurrentDraw() {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("SpeedButton6")), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);
        const std::vector<TZiehung> left = stored();
        QCOMPARE(left.size(), 2u);
        QCOMPARE(left[0], m_all[0]);
        QCOMPARE(left[1], m_all[2]);
    }

    void internetPageShowsTheProxyAndOpensTheAddresses() {
        testsupport::RecordingShell shell;
        m_ui.session().setShellPort(&shell);
        QCOMPARE(child<QLineEdit>(QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("80"));
        QVERIFY(child<QWidget>(QStringLiteral("URLEdit"))->isHidden());
        QVERIFY(!m_ui.window()->findChildren<QLabel*>().isEmpty());
        bool portLabel = false;
        for (QLabel* label : m_ui.window()->findChildren<QLabel*>()) {
            portLabel = portLabel || label->text() == QStringLiteral("Porxy-Port");
        }
        QVERIFY(portLabel);
        m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(5);
        QStringList expected;
        for (const common::web::AddressLabel& link : common::web::kInternetPageLabels) {
            QTest::mouseClick(child<QLabel>(link.name), Qt::LeftButton);
            expected << link.address;
        }
        m_ui.window()->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
        QTest::mouseClick(child<QLabel>(QStringLiteral("Label43")), Qt::LeftButton);
        expected << common::web::kProductPage;
        QCOMPARE(shell.opened, expected);
        m_ui.session().setShellPort(nullptr);
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "HistoryWindowTest.moc"
