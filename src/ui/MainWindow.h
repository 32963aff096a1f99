// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QSettings>
#include <memory>

#include "app/Session.h"
#include "app/WindowPort.h"
#include "platform/DesktopShell.h"
#include "platform/SoundPlayer.h"

class QLabel;
class QLayout;
class QProgressBar;
class QListWidget;
class QTabWidget;

namespace ui {

class ActivationWatch;
class ChartPage;
class ControlBinder;
class PageBuilder;
class StrategyDialog;

// The desktop window: six pages bound to the session. It answers the
// session's port with real dialogs and shows every change it announces.
class MainWindow : public QMainWindow, public app::WindowPort {
    Q_OBJECT
public:
    MainWindow(const QString& home, std::unique_ptr<QSettings> settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's caption; dialogs and message boxes carry their own.
    static const QString kCaption;
    // The client area the layout is designed for, status bar included.
    static const QSize kDesignSize;

    app::Session& session() { return m_session; }
    // Fixes "today" for tests; the clock otherwise.
    void setToday(const QDate& date) { m_today = date; }

    // WindowPort
    void statusTextChanged(int panel, const QString& text) override;
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;
    QStringList openFileNames(const QString& title, const QString& filter,
                              const QString& defaultSuffix, bool multiple) override;
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QString& filter) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void controlChanged(app::Control id) override;
    void tipListsChanged() override;
    void tipSelectionChanged() override;
    void hitTallyChanged() override;
    void operationChanged() override;
    void chartChanged() override;
    void pageRequested() override;
    void staleNoticeChanged() override;
    void progressChanged(int done, int total) override;
    QDate today() override;

public Q_SLOTS:
    // A second start on this Home asked for the window: it comes to the
    // front as it was, out of the task bar if it was minimised.
    void bringToFront();
    // "À propos": version, licence, the draws' provenance and Home.
    void showAbout();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildTipPage();
    QWidget* buildParameterPage();
    QWidget* buildHiddenDrawPage();
    QWidget* buildChartPage();
    QWidget* buildAnalysisPage();
    QWidget* buildBacktestBox();
    QLayout* buildReportRow();
    // The strategy report for the seeds typed (empty: the single run with
    // the lucky number asked for), shown in dialog when it is still open,
    // else in a new one.
    void runStrategy(StrategyDialog* dialog, const QString& seeds);
    StrategyDialog* openStrategyDialog();
    QWidget* buildInternetPage();
    QWidget* button(const QString& name, const QString& caption, const QString& hint,
                    std::function<void()> action);
    void showTipLists();
    void showSelection();
    // Enables what may start while no long operation runs, and shows the
    // backtest's stop button while one runs.
    void showOperationState();
    void showStaleNotice();

    app::Session m_session;
    std::unique_ptr<QSettings> m_settings;
    platform::SoundPlayer m_sound;
    platform::DesktopShell m_shell;
    std::unique_ptr<ControlBinder> m_binder;
    std::unique_ptr<PageBuilder> m_builder;
    QTabWidget* m_pages = nullptr;
    ChartPage* m_chartPage = nullptr;
    QLabel* m_statusPanels[2] = {nullptr, nullptr};
    QLabel* m_staleNotice = nullptr;
    QProgressBar* m_progress = nullptr;
    QListWidget* m_listBox1 = nullptr;
    QListWidget* m_listBox2 = nullptr;
    QDate m_today;
    double m_baseFontSize = 0;
    bool m_closed = false;
    bool m_importOffered = false;
    bool m_shownOnce = false;
    // A close asked for while a long operation ran: done once it has ended.
    bool m_closeWhenIdle = false;
    ActivationWatch* m_activationWatch = nullptr;
};

} // namespace ui
