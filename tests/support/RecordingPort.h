// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <deque>

#include "app/WindowPort.h"

namespace testsupport {

// A window port that records what the operations show and answers from
// preset queues (No, cancel and empty when nothing is preset).
class RecordingPort : public app::WindowPort {
public:
    QStringList messages;
    QStringList questions;
    std::array<QStringList, 2> statusTexts;
    QStringList changed;
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QStringList> fileAnswers;
    QDate todayDate = QDate(2025, 6, 10);
    int busyDepth = 0;
    int eventsProcessed = 0;

    void statusTextChanged(int panel, const QString& text) override {
        statusTexts[static_cast<std::size_t>(panel)] << text;
    }
    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override {
        questions << text;
        return pop(yesNoAnswers, false);
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString& def) override {
        return inputAnswers.empty() ? std::optional<QString>(def) : pop(inputAnswers, {});
    }
    QStringList openFileNames(const QString&, const QString&, const QString&, bool) override {
        return pop(fileAnswers, {});
    }
    QString saveFileName(const QString&, const QString&, const QString&) override {
        return pop(fileAnswers, {}).value(0);
    }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void processEvents() override { ++eventsProcessed; }
    // Every change is recorded under the name of what changed.
    void controlChanged(app::Control id) override { changed << app::ControlSchema::name(id); }
    void tipListsChanged() override { changed << QStringLiteral("ListBox1"); }
    void tipSelectionChanged() override { changed << QStringLiteral("ListBox1.selection"); }
    void hitTallyChanged() override { changed << QStringLiteral("HitTally"); }
    void operationChanged() override { changed << QStringLiteral("Operation"); }
    void chartChanged() override { changed << QStringLiteral("Chart1"); }
    void pageRequested() override { changed << QStringLiteral("PageControl1"); }
    void staleNoticeChanged() override { changed << QStringLiteral("StaleNotice"); }
    QDate today() override { return todayDate; }

private:
    template <typename T> static T pop(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class RecordingSound : public app::SoundPort {
public:
    QStringList played;
    void play(const QString& path) override { played << path; }
};

// Records what the program hands to the desktop to open; opens says whether
// the desktop manages to.
class RecordingShell : public app::ShellPort {
public:
    QStringList opened;
    bool opens = true;
    bool open(const QString& target) override {
        opened << target;
        return opens;
    }
};

} // namespace testsupport
