// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "common/TextFile.h"
#include "history/TZiehung.h"
#include "ui/MainWindow.h"

namespace testsupport {

// The main window of a window test on a Home of its own, with its settings in
// an INI file there and the update pointed at kRefusedResults. A test makes it
// in init() and resets it in cleanup(), so that every test function starts on
// a fresh Home.
class WindowFixture {
public:
    // A new Home holding the given history and tip list, and a window on it,
    // not shown yet: the test may still set the window's day or its ports.
    void create(const std::vector<history::TZiehung>& records, const QStringList& tips = {}) {
        reset();
        m_home = std::make_unique<TempHome>();
        m_home->writeHistory(records);
        if (!tips.isEmpty()) {
            common::TextFile::writeLines(m_home->file(QStringLiteral("tipps.txt")), tips);
        }
        auto settings = localSettings(m_home->file(QStringLiteral("s.ini")));
        m_window = std::make_unique<ui::MainWindow>(m_home->path(), std::move(settings));
    }
    // Shows the window; true once its activation has put up the draw line.
    [[nodiscard]] bool show() {
        m_window->show();
        QLabel* drawLine = child<QLabel>(QStringLiteral("Label35"));
        return QTest::qWaitFor([drawLine] { return !drawLine->text().isEmpty(); });
    }
    // The window first, as the program closes it before its Home goes.
    void reset() {
        m_window.reset();
        m_home.reset();
    }

    ui::MainWindow* window() const { return m_window.get(); }
    app::Session& session() const { return m_window->session(); }
    const TempHome* home() const { return m_home.get(); }

    // A named widget of the window; a name that is not there ends the test
    // program, since every later step would fail for that one reason.
    template <typename T> T* child(const QString& name) const {
        return child<T>(m_window.get(), name);
    }
    template <typename T> static T* child(QObject* parent, const QString& name) {
        T* widget = parent->findChild<T*>(name);
        if (!widget) {
            qFatal("no widget %s", qPrintable(name));
        }
        return widget;
    }

    // Keeps a picture of the widget as name.png when TIRVEX_SCREENSHOTS names
    // a folder, to look at a page or dialog after a run; false when it could
    // not be saved there.
    static bool screenshot(QWidget* widget, const QString& name) {
        const QString folder = qEnvironmentVariable("TIRVEX_SCREENSHOTS");
        if (folder.isEmpty()) {
            return true;
        }
        QApplication::processEvents(); // let a page just switched to lay itself out
        QDir().mkpath(folder);
        return widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace testsupport
