// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QThread>
#include <functional>

#include "DrawService.h"
#include "TestSupport.h"
#include "common/WebAddresses.h"
#include "online/AutoWebScript.h"

using online::AutoWebScript;
using online::QKSForm;

namespace {

// Records the starts, and the filled script as it was at each start (the
// next ticket of the day overwrites it).
class RecordingLauncher : public online::FormFillerLauncher {
public:
    bool start(const QString& program, const QStringList& arguments) override {
        programs << program;
        calls << arguments;
        scripts << testsupport::fileBytes(arguments.value(1));
        return startResult;
    }
    QStringList programs;
    QList<QStringList> calls;
    QList<QByteArray> scripts;
    bool startResult = true;
};

class ScriptedDialogs : public online::HandoffDialogs {
public:
    bool askYesNo(const QString& caption, const QString& text) override {
        questions << caption + "|" + text;
        return yes;
    }
    bool chooseScript(QKSForm* form) override {
        ++dialogs;
        shownParameters = {form->zahl1(), form->text1(), form->zahl2(), form->text2()};
        shownScript = form->scriptText();
        if (edit) {
            edit(form);
        }
        return accept;
    }
    bool confirm(const QString& text) override {
        confirmations << text;
        return confirmHook ? confirmHook() : true;
    }
    void showError(const QString& text) override { errors << text; }
    void openAddress(const QString& address) override { opened << address; }

    bool yes = false;
    bool accept = true;
    int dialogs = 0;
    std::function<void(QKSForm*)> edit;
    std::function<bool()> confirmHook;
    QStringList questions, confirmations, errors, opened, shownParameters;
    QString shownScript;
};

const QByteArray kTemplate = "open keno\r\n"
                             "t1 [Z1_1] [Z2_1] [Z3_1]\r\n"
                             "t2 [Z1_2] [Z2_2] [Z3_2]\r\n"
                             "t3 [Z1_3] [Z2_3] [Z3_3]\r\n"
                             "t5 [Z1_5] [Z3_5] [Z4_1]\r\n"
                             "stake [PREIS]; [MELDUNGFERTIG]\r\n";

class Handoff : public testing::Test {
protected:
    void SetUp() override {
        QDir dir(m_home.path());
        ASSERT_TRUE(dir.mkpath("Script"));
        ASSERT_TRUE(dir.mkpath("skr"));
        ASSERT_TRUE(testsupport::writeFile(m_home.file("Script/Keno.qks"), kTemplate));
        ASSERT_TRUE(testsupport::writeFile(m_home.file("skr/") + AutoWebScript::kExecutable,
                                           "#!/bin/sh\n"));
        m_settings.setValue("Settings/Path", m_home.file("skr"));
        m_settings.setValue("Settings/TirvexScript", m_home.file("Script/Keno.qks"));
        m_settings.setValue("Settings/TirvexZahl1", "4711");
        m_settings.setValue("Settings/TirvexText1", "user name");
        m_settings.setValue("Settings/TirvexZahl2", "");
        m_settings.setValue("Settings/TirvexText2", "pw\"x");
        for (int i = 1; i <= 7; ++i) {
            m_input.tips
                << QStringLiteral("%1,%2,%3").arg(i, 2, 10, QChar('0')).arg(i + 10).arg(i + 20);
        }
        m_input.home = m_home.path();
        m_input.numbersPerTip = 3;
        m_input.tipsPerTicket = 5;
        m_input.stakeText = "2";
        m_input.today = QDate(2022, 11, 24);
    }
    AutoWebScript::Outcome run() {
        AutoWebScript handoff(&m_settings, &m_dialogs, &m_launcher);
        return handoff.run(m_input, &m_form);
    }
    QString filledPath() const { return m_home.file("Tipps/20221124.qks"); }

    testsupport::TempHome m_home;
    QSettings m_settings{m_home.file("settings.ini"), QSettings::IniFormat};
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QKSForm m_form;
    AutoWebScript::Input m_input;
};

} // namespace

TEST_F(Handoff, SevenTipsMakeTwoTickets) {
    const auto outcome = run();
    EXPECT_EQ(outcome.tickets, 2);
    EXPECT_TRUE(m_dialogs.errors.isEmpty()) << m_dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(m_dialogs.shownParameters, QStringList({"4711", "user name", "", "pw\"x"}));
    EXPECT_EQ(m_dialogs.confirmations, QStringList({"Si le projet de loi adopté, cliquez sur OK"}));
    ASSERT_EQ(m_launcher.calls.size(), 2);
    const QString note = "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!";
    EXPECT_EQ(m_launcher.scripts[0], (QStringLiteral("open keno\r\n"
                                                     "t1 01 11 21\r\n"
                                                     "t2 02 12 22\r\n"
                                                     "t3 03 13 23\r\n"
                                                     "t5 05 25 [Z4_1]\r\n"
                                                     "stake 2; ") +
                                      note + "\r\n")
                                         .toLatin1());
    EXPECT_EQ(m_launcher.scripts[1], (QStringLiteral("open keno\r\n"
                                                     "t1 06 16 26\r\n"
                                                     "t2 07 17 27\r\n"
                                                     "t3   \r\n"
                                                     "t5   [Z4_1]\r\n"
                                                     "stake 2; ") +
                                      note + "\r\n")
                                         .toLatin1());
    const QStringList expected{
        "START", QDir::toNativeSeparators(filledPath()), "4711", "user name", "0", "pw\"x"};
    EXPECT_EQ(m_launcher.calls[0], expected);
    EXPECT_EQ(m_launcher.calls[1], expected);
    EXPECT_EQ(m_launcher.programs[0], m_home.file("skr/") + AutoWebScript::kExecutable);
    EXPECT_TRUE(outcome.commandLines[0].endsWith(
        QStringLiteral("START \"%1\" \"4711\" \"user name\" \"0\" \"pw\"x\"")
            .arg(QDir::toNativeSeparators(filledPath()))));
    // The dialog's values were stored, the empty number as "0".
    m_settings.sync();
    EXPECT_EQ(m_settings.value("Settings/TirvexZahl2").toString(), QStringLiteral("0"));
    EXPECT_EQ(m_settings.value("Settings/TirvexScript").toString(), m_home.file("Script/Keno.qks"));
}

TEST_F(Handoff, MissingFormFillerOffersTheInstaller) {
    QFile::remove(m_home.file("skr/") + AutoWebScript::kExecutable);
    auto outcome = run();
    EXPECT_TRUE(outcome.installAsked);
    EXPECT_EQ(m_dialogs.questions,
              QStringList({"Skrivano jetzt installieren?|Quorvanes Skrivano installieren?"}));
    EXPECT_TRUE(m_dialogs.opened.isEmpty());
    m_dialogs.yes = true;
    outcome = run();
    EXPECT_EQ(m_dialogs.opened, QStringList({common::web::kFormFillerDownload}));
    EXPECT_EQ(m_dialogs.dialogs, 0);
    EXPECT_TRUE(m_launcher.calls.isEmpty());
}

TEST_F(Handoff, CancelWritesNothing) {
    m_dialogs.accept = false;
    m_dialogs.edit = [](QKSForm* form) { form->setZahl1("999"); };
    const auto outcome = run();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(m_settings.value("Settings/TirvexZahl1").toString(), QStringLiteral("4711"));
    EXPECT_FALSE(QFile::exists(filledPath()));
    EXPECT_TRUE(m_launcher.calls.isEmpty());
}

TEST_F(Handoff, EmptyListStoresSettingsButStartsNothing) {
    m_input.tips.clear();
    m_dialogs.edit = [](QKSForm* form) { form->setText1("other"); };
    const auto outcome = run();
    EXPECT_EQ(outcome.tickets, 0);
    EXPECT_EQ(m_dialogs.dialogs, 1);
    EXPECT_EQ(m_settings.value("Settings/TirvexText1").toString(), QStringLiteral("other"));
    EXPECT_TRUE(m_launcher.calls.isEmpty());
    EXPECT_TRUE(m_dialogs.confirmations.isEmpty());
}

TEST_F(Handoff, FailuresStopAtTheTicket) {
    // A template that cannot be read.
    m_dialogs.edit = [this](QKSForm* form) { form->setScriptText(m_home.file("Script/gone.qks")); };
    auto outcome = run();
    EXPECT_TRUE(outcome.failed);
    ASSERT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_TRUE(m_dialogs.errors[0].contains("gone.qks"));
    EXPECT_TRUE(m_launcher.calls.isEmpty());

    // A form filler that does not start ends the hand-off after the first ticket.
    m_dialogs.edit = [this](QKSForm* form) { form->setScriptText(m_home.file("Script/Keno.qks")); };
    m_launcher.startResult = false;
    outcome = run();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(m_launcher.calls.size(), 1);
    EXPECT_TRUE(m_dialogs.confirmations.isEmpty());

    // Declining the confirmation stops before the second ticket.
    m_launcher.startResult = true;
    m_dialogs.confirmHook = [] { return false; };
    outcome = run();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.tickets, 1);
}

TEST_F(Handoff, TemplateChoiceAndServiceUpdate) {
    // The stored template is gone: the folder's last template is offered.
    ASSERT_TRUE(testsupport::writeFile(m_home.file("Script/Zeta.qks"), "zeta [Z1_1]\r\n"));
    m_settings.setValue("Settings/TirvexScript", m_home.file("Script/missing.qks"));
    drawservice::DrawService service;
    ASSERT_TRUE(QDir(m_home.path()).mkpath("served"));
    ASSERT_TRUE(testsupport::writeFile(m_home.file("served/Zeta.qks.txt"), "newer [Z2_1]\r\n"));
    {
        QFile old(m_home.file("Script/Zeta.qks"));
        ASSERT_TRUE(old.open(QIODevice::ReadWrite));
        ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTimeUtc().addDays(-3),
                                    QFileDevice::FileModificationTime));
    }
    service.setScriptsDir(m_home.file("served"));
    ASSERT_GT(service.start(), 0);
    m_input.serviceUrl = service.baseUrl();
    m_input.tips = m_input.tips.mid(0, 1);
    const auto outcome = run();
    EXPECT_EQ(m_dialogs.shownScript, QDir(m_home.file("Script")).absoluteFilePath("Zeta.qks"));
    ASSERT_EQ(outcome.tickets, 1);
    EXPECT_EQ(m_launcher.scripts[0], QByteArray("newer 11\r\n"));
}

// The real start: a stand-in form filler that records its arguments and a
// copy of the script it was given.
TEST_F(Handoff, StartsTheFormFillerProcess) {
    const QString calls = m_home.file("calls");
    const QString program = m_home.file("skr/") + AutoWebScript::kExecutable;
    ASSERT_TRUE(testsupport::writeFile(
        program, QStringLiteral("#!/bin/sh\n"
                                "out='%1'/$$\n"
                                "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
                                "cp \"$2\" \"$out.script\"\n"
                                "mv \"$out.tmp\" \"$out.args\"\n")
                     .arg(calls)
                     .toUtf8()));
    ASSERT_TRUE(
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_TRUE(QDir().mkpath(calls));
    const auto waitForCalls = [&](int count) {
        QElapsedTimer timer;
        timer.start();
        while (QDir(calls).entryList({"*.args"}).size() < count && timer.elapsed() < 20000) {
            QThread::msleep(20);
        }
        return QDir(calls).entryList({"*.args"}).size() == count;
    };
    // Wait for the first start to take its copy before the next ticket overwrites it.
    m_dialogs.confirmHook = [&] { return waitForCalls(1); };
    online::DetachedLauncher launcher;
    AutoWebScript handoff(&m_settings, &m_dialogs, &launcher);
    const auto outcome = handoff.run(m_input, &m_form);
    EXPECT_EQ(outcome.tickets, 2);
    ASSERT_TRUE(waitForCalls(2));

    QList<QByteArray> scripts;
    for (const QString& name : QDir(calls).entryList({"*.args"})) {
        EXPECT_EQ(testsupport::fileBytes(calls + "/" + name),
                  ("START\n" + filledPath() + "\n4711\nuser name\n0\npw\"x\n").toUtf8());
        scripts << testsupport::fileBytes(calls + "/" + QString(name).replace(".args", ".script"));
    }
    ASSERT_EQ(scripts.size(), 2);
    const bool firstIsOne = scripts[0].contains("t1 01 11 21");
    EXPECT_TRUE(scripts[firstIsOne ? 0 : 1].contains("t2 02 12 22\r\n"));
    EXPECT_TRUE(scripts[firstIsOne ? 1 : 0].contains("t1 06 16 26\r\nt2 07 17 27\r\nt3   \r\n"));
}
