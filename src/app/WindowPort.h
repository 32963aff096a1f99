// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/ControlSchema.h"

namespace app {

// Everything the operations need from a person or a screen. The desktop
// window answers with real dialogs, the command line prints and answers with
// defaults, tests preset answers and record what was shown.
class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Panel 0 or 1 of the status bar got a new text.
    virtual void statusTextChanged(int panel, const QString& text) = 0;
    virtual void showMessage(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
    // The text entered, or nothing when the box was cancelled.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& defaultText) = 0;
    // The chosen file names; empty when the dialog was cancelled. A name
    // typed without an extension gets defaultSuffix (none when it is empty).
    virtual QStringList openFileNames(const QString& title, const QString& filter,
                                      const QString& defaultSuffix, bool multiple) = 0;
    virtual QString saveFileName(const QString& title, const QString& proposedName,
                                 const QString& filter) = 0;
    virtual void setBusy(bool busy) = 0;
    // Lets pending input run during a long operation.
    virtual void processEvents() = 0;
    // A control, label or field of the control table changed its value or range.
    virtual void controlChanged(Control id) = 0;
    // The tip list or the hits beside it changed.
    virtual void tipListsChanged() = 0;
    // Another tip of the list was selected.
    virtual void tipSelectionChanged() = 0;
    // The tally of hits of the tip check changed.
    virtual void hitTallyChanged() = 0;
    // An operation began or ended, or its stop was asked for: which commands
    // wait, the generation's caption and the stop button follow it.
    virtual void operationChanged() = 0;
    // The statistics chart has a new result.
    virtual void chartChanged() = 0;
    // An operation asks for a page of the window (Session::requestedPage).
    virtual void pageRequested() = 0;
    // The notice that the history is old appeared, changed or went away.
    virtual void staleNoticeChanged() = 0;
    // How far a long run has come: done of total steps; total 0 when it ended.
    virtual void progressChanged(int done, int total) {
        (void)done;
        (void)total;
    }
    virtual QDate today() = 0;
};

// Plays a sound file without waiting; the platform's beep when it is missing.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(const QString& path) = 0;
};

// Opens a document or web address with the desktop's associated program.
class ShellPort {
public:
    virtual ~ShellPort() = default;
    // False when no program took the document or address.
    virtual bool open(const QString& target) = 0;
};

// The busy cursor for the length of a scope, restored on every way out.
class BusyScope {
public:
    explicit BusyScope(WindowPort& port) : m_port(port) { m_port.setBusy(true); }
    ~BusyScope() { m_port.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    WindowPort& m_port;
};

} // namespace app
