// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "DrawService.h"
#include "TestSupport.h"
#include "online/ScriptUpdater.h"

using online::ScriptUpdater;

namespace {

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.flush();
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

// A script service on 127.0.0.1 serving home/served/<name>.txt.
class ScriptService : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(m_home.path()).mkpath("served"));
        ASSERT_TRUE(QDir(m_home.path()).mkpath("Script"));
        m_service.setScriptsDir(m_home.file("served"));
        ASSERT_GT(m_service.start(), 0);
    }
    QString served(const QString& name) const { return m_home.file("served/" + name); }
    QString local(const QString& name) const { return m_home.file("Script/" + name); }

    testsupport::TempHome m_home;
    drawservice::DrawService m_service;
    const QDateTime m_old = QDateTime::currentDateTimeUtc().addDays(-10);
    const QDateTime m_new = QDateTime::currentDateTimeUtc().addDays(-1);
};

} // namespace

TEST_F(ScriptService, NewerTemplateReplacesTheLocalOne) {
    writeFile(local("Keno.qks"), "old\r\n", m_old);
    writeFile(served("Keno.qks.txt"), "new [Z1_1]\r\n", m_new);
    EXPECT_EQ(ScriptUpdater::update(m_service.baseUrl(), local("Keno.qks")),
              ScriptUpdater::Result::Updated);
    EXPECT_EQ(testsupport::fileBytes(local("Keno.qks")), QByteArray("new [Z1_1]\r\n"));
    // Now the local copy is the newer one: a second request leaves it.
    EXPECT_EQ(ScriptUpdater::update(m_service.baseUrl() + "/", local("Keno.qks")),
              ScriptUpdater::Result::UpToDate);
}

TEST_F(ScriptService, OlderTemplateDoesNotReplace) {
    writeFile(local("Keno.qks"), "mine\r\n", m_new);
    writeFile(served("Keno.qks.txt"), "theirs\r\n", m_old);
    EXPECT_EQ(ScriptUpdater::update(m_service.baseUrl(), local("Keno.qks")),
              ScriptUpdater::Result::UpToDate);
    EXPECT_EQ(testsupport::fileBytes(local("Keno.qks")), QByteArray("mine\r\n"));
}

TEST_F(ScriptService, FailuresLeaveTheLocalFileAlone) {
    writeFile(local("Keno.qks"), "mine\r\n", m_old);
    // Not on the service.
    EXPECT_EQ(ScriptUpdater::update(m_service.baseUrl(), local("Keno.qks")),
              ScriptUpdater::Result::Failed);
    // An answer that is no script text, or not under 1 MiB.
    writeFile(served("Keno.qks.txt"), QByteArray("MZ\0\x01binary", 10), m_new);
    EXPECT_EQ(ScriptUpdater::update(m_service.baseUrl(), local("Keno.qks")),
              ScriptUpdater::Result::Failed);
    writeFile(served("Keno.qks.txt"), QByteArray(ScriptUpdater::kMaxBytes, 'a'), m_new);
    EXPECT_EQ(ScriptUpdater::update(m_service.baseUrl(), local("Keno.qks")),
              ScriptUpdater::Result::Failed);
    // No service address at all, or nobody listening.
    EXPECT_EQ(ScriptUpdater::update(QString(), local("Keno.qks")), ScriptUpdater::Result::Failed);
    const QString closed = m_service.baseUrl();
    m_service.stop();
    EXPECT_EQ(ScriptUpdater::update(closed, local("Keno.qks")), ScriptUpdater::Result::Failed);
    EXPECT_EQ(testsupport::fileBytes(local("Keno.qks")), QByteArray("mine\r\n"));
    // A template that does not exist locally is never created.
    EXPECT_EQ(ScriptUpdater::update(closed, local("None.qks")), ScriptUpdater::Result::Failed);
    EXPECT_FALSE(QFile::exists(local("None.qks")));
}

TEST(ScriptUpdater, RequestAddress) {
    EXPECT_EQ(ScriptUpdater::requestUrl("http://127.0.0.1:8080/", "/x/Script/Keno FR.qks"),
              QStringLiteral("http://127.0.0.1:8080/scripts/Keno%20FR.qks.txt"));
}
