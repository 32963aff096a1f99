// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include "app/GeneratorCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/BacktestCommands.h"
#include "app/EvaluationCommands.h"
#include "app/HandoffCommands.h"
#include "app/HistoryCommands.h"
#include "app/StatisticsCommands.h"
#include "app/TipFileCommands.h"
#include "app/TipSearchCommands.h"
#include "app/WebLinks.h"
#include "backtest/SeedList.h"
#include "common/WebAddresses.h"
#include "ui/AboutDialog.h"
#include "ui/ActivationWatch.h"
#include "ui/AddressLabel.h"
#include "ui/ApplicationLook.h"
#include "ui/ChartPage.h"
#include "ui/ControlBinder.h"
#include "ui/DrawEntryDialog.h"
#include "ui/EvaluationDialog.h"
#include "ui/FileDialogs.h"
#include "ui/FilterDialog.h"
#include "ui/HelpPage.h"
#include "ui/NumberDialogWindow.h"
#include "ui/OddsDialog.h"
#include "ui/PageBuilder.h"
#include "ui/ParameterPages.h"
#include "ui/ScriptChoiceDialog.h"
#include "ui/StrategyDialog.h"
#include "ui/WindowKeys.h"

namespace ui {

namespace {

// Writes a button's hint into the second status panel when the mouse enters it.
class HintFilter : public QObject {
public:
    HintFilter(app::Session& session, QObject* parent) : QObject(parent), m_session(session) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            m_session.setStatusText(1, static_cast<QWidget*>(watched)->toolTip());
        }
        return false;
    }

private:
    app::Session& m_session;
};

// The buttons whose hint the status line shows when the mouse enters them;
// other buttons show theirs only as a tooltip.
const char* const kStatusHintButtons[] = {
    "SpeedButton10", "SpeedButton15", "SpeedButton16", "SpeedButton4",  "SpeedButton13",
    "SpeedButton12", "SpeedEdit",     "SpeedButton11", "SpeedButton2",  "SpeedButton9",
    "SpeedButton1",  "SpeedButton3",  "SpeedButton17", "SpeedButton19", "SpeedButton8",
    "BitBtn4",       "BitBtn7",       "BitBtn1"};

bool showsHintInStatus(const QString& name) {
    return std::any_of(std::begin(kStatusHintButtons), std::end(kStatusHintButtons),
                       [&name](const char* hinted) { return name == QLatin1String(hinted); });
}

// Shows a dialog of its own that ends when it is closed, filled by fill.
template <typename Dialog, typename Fill> void showOwnDialog(QWidget* parent, Fill fill) {
    auto* dialog = new Dialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    fill(*dialog);
    dialog->show();
}

// A button that shows a glyph: square, as small as the glyph.
QWidget* glyphButton(QWidget* button) {
    button->setFixedWidth(32);
    return button;
}

} // namespace

const QSize MainWindow::kDesignSize(593, 534);
const QString MainWindow::kCaption = QStringLiteral("Quorvane's Tirvex  France  2-10 of 70");

MainWindow::MainWindow(const QString& home, std::unique_ptr<QSettings> settings, QWidget* parent)
    : QMainWindow(parent), m_session(*this), m_settings(std::move(settings)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    // The window keeps its font where no application look is applied (tests).
    setFont(ApplicationLook::windowFont());
    m_session.setSoundPort(&m_sound);
    m_session.setShellPort(&m_shell);
    m_session.setHome(home);
    m_binder = std::make_unique<ControlBinder>(m_session);
    m_builder = std::make_unique<PageBuilder>(*m_binder);

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(PageBuilder::named(buildTipPage(), QStringLiteral("TabSheet1")),
                    QStringLiteral("Keno-Grilles"));
    m_pages->addTab(PageBuilder::named(buildParameterPage(), QStringLiteral("TabSheet6")),
                    QStringLiteral("paramètre"));
    m_pages->addTab(PageBuilder::named(buildHiddenDrawPage(), QStringLiteral("TabSheet2")),
                    QStringLiteral("Zahlen der letzten Ziehung"));
    m_pages->setTabVisible(2, false);
    m_pages->addTab(PageBuilder::named(buildChartPage(), QStringLiteral("TabSheet5")),
                    QStringLiteral("Graphique"));
    m_pages->addTab(PageBuilder::named(buildAnalysisPage(), QStringLiteral("TabSheet4")),
                    QStringLiteral("analyse"));
    m_pages->addTab(PageBuilder::named(buildInternetPage(), QStringLiteral("TabSheet3")),
                    QStringLiteral("Options Internet"));
    setCentralWidget(m_pages);

    auto* statusBar = new QStatusBar;
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    for (int panel = 0; panel < 2; ++panel) {
        m_statusPanels[panel] = new QLabel;
        m_statusPanels[panel]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(panel));
        m_statusPanels[panel]->setMinimumWidth(panel == 0 ? 150 : 50);
        statusBar->addWidget(m_statusPanels[panel], panel == 0 ? 0 : 1);
    }
    // A history that could not be brought up to date says so on every page.
    m_staleNotice = new QLabel;
    PageBuilder::named(m_staleNotice, QStringLiteral("StaleNotice"),
                       QStringLiteral("La mise à jour des tirages a échoué : les statistiques et "
                                      "la vérification portent sur d'anciens tirages"));
    m_staleNotice->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_staleNotice->hide();
    statusBar->addPermanentWidget(m_staleNotice);
    // The backtest's stop sits in the status bar, so it stays in sight
    // whatever page the generations of a run bring to the front.
    auto* backtestStop = new QPushButton(QStringLiteral("Stop"));
    PageBuilder::named(backtestStop, QStringLiteral("BacktestStop"),
                       QStringLiteral("Arrêter l'analyse en cours (Échap)"));
    backtestStop->hide();
    connect(backtestStop, &QPushButton::clicked, this, [this] { m_session.stopOperation(); });
    statusBar->addPermanentWidget(backtestStop);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setMaximumWidth(140);
    m_progress->hide();
    statusBar->addPermanentWidget(m_progress);
    // Outside the pages: the pages keep their own layout.
    auto* about = new QToolButton;
    about->setText(QStringLiteral("?"));
    about->setAutoRaise(true);
    PageBuilder::named(about, QStringLiteral("AboutButton"),
                       QStringLiteral("À propos de Tirvex FRANCE"));
    connect(about, &QToolButton::clicked, this, &MainWindow::showAbout);
    statusBar->addPermanentWidget(about);
    setStatusBar(statusBar);
    // Escape stops whatever long operation runs, wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { m_session.stopOperation(); });
    m_activationWatch = new ActivationWatch(this, [this] {
        if (!m_closed) {
            m_session.FormActivate();
        }
    });

    // The client area holds the pages and the status bar, centred on the desktop.
    resize(kDesignSize);
    if (const QScreen* desktop = screen()) {
        move(desktop->availableGeometry().center() - rect().center());
    }
    // The window may be made as small as its design, whatever font a taller
    // window gave the pages: a minimum that grew with the font would keep it
    // from coming back.
    setMinimumSize(minimumSizeHint().boundedTo(kDesignSize));
    m_baseFontSize = ApplicationLook::windowFont().pixelSize();

    // A window without draws offers the archive import once; the analysis
    // page keeps its button for later.
    m_session.activationSteps().emptyHistory = [this] {
        if (std::exchange(m_importOffered, true)) {
            return;
        }
        if (askYesNo(QStringLiteral("L'historique ne contient encore aucun tirage.\n"
                                    "Importer maintenant les résultats publiés par la FDJ\n"
                                    "(fichiers .csv ou .zip)\u00a0?"))) {
            m_session.importArchiveClick();
        }
    };
    m_session.FormCreate(m_settings.get());
    m_session.historyCommands().setDrawEntryPort(new DrawEntryDialog(this));
    m_binder->refreshAll();
    showTipLists();
    new WindowKeys(*this, m_session, [this] { HelpPage::open(m_session); });
}

void MainWindow::bringToFront() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void MainWindow::showAbout() {
    // The folder opens in the desktop's file manager.
    auto* dialog = new AboutDialog(
        m_session.home(),
        [this] {
            if (app::ShellPort* shell = m_session.shellPort()) {
                shell->open(m_session.home());
            }
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::button(const QString& name, const QString& caption, const QString& hint,
                            std::function<void()> action) {
    auto* widget = new QPushButton(caption);
    PageBuilder::named(widget, name, hint);
    connect(widget, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    if (showsHintInStatus(name)) {
        widget->installEventFilter(new HintFilter(m_session, widget));
    }
    return widget;
}

QWidget* MainWindow::buildTipPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(glyphButton(button(QStringLiteral("SpeedButton6"), QStringLiteral("◀"),
                                          QString(), [this] { m_session.SpeedButton6Click(); })));
    // The draw line folds rather than widen the window past its design.
    auto* drawLine = static_cast<QLabel*>(m_builder->control(QStringLiteral("Label35")));
    drawLine->setWordWrap(true);
    drawRow->addWidget(drawLine, 1);
    drawRow->addWidget(glyphButton(button(QStringLiteral("SpeedButton7"), QStringLiteral("▶"),
                                          QString(), [this] { m_session.SpeedButton7Click(); })));
    drawRow->addWidget(
        glyphButton(button(QStringLiteral("SpeedButton10"), QStringLiteral("⟳"),
                           QStringLiteral("Updating the lottery numbers from the Internet"),
                           [this] { m_session.historyCommands().VellumatClick(); })));
    layout->addLayout(drawRow);
    auto* productRow = new QHBoxLayout;
    productRow->addWidget(m_builder->control(QStringLiteral("Label13")));
    productRow->addStretch();
    auto* product = new AddressLabel(QStringLiteral("Label43"), common::web::kProductPage);
    connect(product, &AddressLabel::clicked, this,
            [this] { app::WebLinks(m_session.shellPort()).Label43Click(); });
    productRow->addWidget(product);
    productRow->addWidget(PageBuilder::named(new QLabel(QStringLiteral("Quorvanes Tirvex FRANCE")),
                                             QStringLiteral("Label44")));
    layout->addLayout(productRow);

    auto* listsRow = new QHBoxLayout;
    auto* tipsColumn = new QVBoxLayout;
    tipsColumn->addWidget(new QLabel(QStringLiteral("Grilles")));
    m_listBox1 = new QListWidget;
    m_listBox1->setObjectName(QStringLiteral("ListBox1"));
    tipsColumn->addWidget(m_listBox1);
    auto* hitsColumn = new QVBoxLayout;
    hitsColumn->addWidget(new QLabel(QStringLiteral("correctement")));
    m_listBox2 = new QListWidget;
    m_listBox2->setObjectName(QStringLiteral("ListBox2"));
    m_listBox2->setMaximumWidth(90);
    hitsColumn->addWidget(m_listBox2);
    listsRow->addLayout(tipsColumn, 3);
    listsRow->addLayout(hitsColumn, 1);
    for (QListWidget* list : {m_listBox1, m_listBox2}) {
        connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row != m_session.tipList().selected()) {
                m_session.selectTip(row);
            }
        });
    }

    auto* ticketPanel = new QVBoxLayout;
    ticketPanel->addWidget(m_builder->labelled(QStringLiteral("Numéros par grille"),
                                               QStringLiteral("UpDown18"),
                                               QStringLiteral("Label61")));
    ticketPanel->addWidget(
        m_builder->labelled(QStringLiteral("Grilles par billet"), QStringLiteral("UpDown8")));
    ticketPanel->addWidget(m_builder->labelled(
        QStringLiteral("Grille totale"), QStringLiteral("UpDown9"), QStringLiteral("Label22")));
    ticketPanel->addWidget(
        m_builder->labelled(QStringLiteral("Coût par Grille"), QStringLiteral("ComboBox1")));
    ticketPanel->addWidget(m_builder->control(QStringLiteral("CheckBox28")));
    auto* ticketPlace = new QHBoxLayout;
    ticketPlace->addWidget(m_builder->control(QStringLiteral("Label23")));
    ticketPlace->addWidget(m_builder->control(QStringLiteral("Label24")));
    ticketPanel->addLayout(ticketPlace);
    // Commands of the list two by two where their captions allow it.
    auto* commands = new QGridLayout;
    commands->addWidget(button(QStringLiteral("SpeedButton11"), QStringLiteral("supprimer"),
                               QStringLiteral("supprime la ligne sélectionnée"),
                               [this] { m_session.SpeedButton11Click(); }),
                        0, 0);
    commands->addWidget(button(QStringLiteral("SpeedEdit"), QStringLiteral("éditer"),
                               QStringLiteral("Editez la ligne sélectionnée"),
                               [this] { m_session.generator().SpeedEditClick(); }),
                        0, 1);
    commands->addWidget(button(QStringLiteral("BitBtn4"), app::GeneratorCommands::kIdleCaption,
                               QStringLiteral("start Tips calculate"),
                               [this] { m_session.generator().BitBtn19Click(); }),
                        1, 0, 1, 2);
    m_session.generator().setNumberDialog(new NumberDialogWindow(this, [this] { return today(); }));
    commands->addWidget(button(QStringLiteral("Button6"), QStringLiteral("la distribution numéros"),
                               QStringLiteral("Tip distribution"),
                               [this] { m_session.statistics().Button6Click(); }),
                        2, 0, 1, 2);
    commands->addWidget(button(QStringLiteral("FilterButton"), QStringLiteral("filtres"),
                               QStringLiteral("Ce que chaque test a refusé au dernier calcul"),
                               [this] {
                                   showOwnDialog<FilterDialog>(this, [this](FilterDialog& d) {
                                       d.showRun(m_session.generator().lastResult());
                                   });
                               }),
                        3, 0);
    commands->addWidget(button(QStringLiteral("BitBtn5"), QStringLiteral("&Fermer"), QString(),
                               [this] { close(); }),
                        3, 1);
    ticketPanel->addLayout(commands);
    ticketPanel->addStretch();
    listsRow->addLayout(ticketPanel, 2);
    layout->addLayout(listsRow, 1);

    // Tip files, printing, lucky number, search, evaluation and online play.
    auto* tools = new QGridLayout;
    tools->addWidget(button(QStringLiteral("SpeedButton15"), QStringLiteral("enregistrer"),
                            QStringLiteral("Saving Tips calculated in a file"),
                            [this] { m_session.tipFiles().SpeedButton15Click(); }),
                     0, 0);
    tools->addWidget(button(QStringLiteral("SpeedButton16"), QStringLiteral("ouvrir"),
                            QStringLiteral("Load the file of a Tips"),
                            [this] { m_session.tipFiles().SpeedButton16Click(); }),
                     0, 1);
    tools->addWidget(button(QStringLiteral("BitBtn7"), QStringLiteral("Grilles"), QString(),
                            [this] { m_session.tipFiles().BitBtn7Click(); }),
                     0, 2);
    tools->addWidget(button(QStringLiteral("SpeedButton13"), QStringLiteral("numéro chanceux"),
                            QStringLiteral("set lucky number"),
                            [this] { m_session.tipFiles().SpeedButton13Click(); }),
                     0, 3);
    tools->addWidget(button(QStringLiteral("SpeedButton4"), QStringLiteral("grilles de recherche"),
                            QStringLiteral("DB search tips"),
                            [this] { m_session.tipSearch().SpeedButton4Click(); }),
                     1, 0);
    tools->addWidget(button(QStringLiteral("auswertung"), QStringLiteral("évaluation"),
                            QStringLiteral("Auswertung und Ermittlung der Gewinnsumme"),
                            [this] { m_session.evaluation().auswertungClick(); }),
                     1, 1);
    tools->addWidget(button(QStringLiteral("Form8Button"), QStringLiteral("tableau des gains"),
                            QStringLiteral("Gains par nombre de numéros corrects"),
                            [this] { m_session.evaluation().Form8Show(); }),
                     1, 2);
    tools->addWidget(button(QStringLiteral("SpeedButton12"), QStringLiteral("&Jouez en ligne"),
                            QStringLiteral("Hier können Sie den Tipp Online abgeben"),
                            [this] { m_session.handoff().SpeedButton12Click(); }),
                     1, 3);
    layout->addLayout(tools);
    // Both dialogs are windows of their own (their control names repeat the
    // main window's) and end with it.
    auto* form8 = new EvaluationDialog(this);
    auto* qksForm = new ScriptChoiceDialog(this);
    connect(this, &QObject::destroyed, form8, [form8, qksForm] {
        delete form8;
        delete qksForm;
    });
    m_session.evaluation().setDialog(form8);
    m_session.handoff().setDialogs(qksForm);
    return page;
}

QWidget* MainWindow::buildParameterPage() {
    return ParameterPages(*m_builder).build();
}

QWidget* MainWindow::buildHiddenDrawPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    // Never shown: the page's button has no command.
    layout->addWidget(new QPushButton(QStringLiteral("Lottozahlen aus dem Internet laden")));
    return page;
}

QWidget* MainWindow::buildChartPage() {
    m_chartPage = new ChartPage(
        m_session, *m_builder,
        [this](const QString& name, const QString& caption, const QString& hint,
               std::function<void()> action) {
            return button(name, caption, hint, std::move(action));
        },
        [this](QWidget* widget) { widget->installEventFilter(new HintFilter(m_session, widget)); });
    return m_chartPage;
}

QWidget* MainWindow::buildAnalysisPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* loadRow = new QHBoxLayout;
    loadRow->addWidget(m_builder->control(QStringLiteral("DateTimePicker1")));
    loadRow->addWidget(button(
        QStringLiteral("SpeedButton5"), QStringLiteral("charger"),
        QStringLiteral("Ziehungsdaten afür das gewählte Datu aus der Datenbank heraussuchen"),
        [this] { m_session.SpeedButton5Click(); }));
    QWidget* stop =
        button(QStringLiteral("SpeedButton8"), QStringLiteral("Stop"),
               QStringLiteral("Stop reading"), [this] { m_session.SpeedButton8Click(); });
    stop->hide();
    loadRow->addWidget(stop);
    loadRow->addStretch();
    layout->addLayout(loadRow);
    // One line, however long the draw: the buttons below stay in place.
    layout->addWidget(m_builder->elidedLabel(QStringLiteral("Label29")));
    layout->addWidget(button(QStringLiteral("ImportButton"),
                             QStringLiteral("importer les résultats FDJ (csv, zip)"),
                             QStringLiteral("Importer l'archive des résultats publiée par la FDJ"),
                             [this] { m_session.importArchiveClick(); }));
    app::HistoryCommands& history = m_session.historyCommands();
    auto* historyRow = new QHBoxLayout;
    historyRow->addWidget(button(QStringLiteral("BitBtn1"),
                                 QStringLiteral("base de données mise à jour"), QString(),
                                 [&history] { history.VellumatClick(); }));
    historyRow->addWidget(button(QStringLiteral("BitBtn8"), QStringLiteral("insert/edit"),
                                 QString(), [&history] { history.BitBtn8Click(); }));
    historyRow->addWidget(button(QStringLiteral("BitBtn6"), QStringLiteral("effacer"), QString(),
                                 [&history] { history.BitBtn4Click(); }));
    historyRow->addStretch();
    layout->addLayout(historyRow);
    auto* searchRow = new QHBoxLayout;
    app::StatisticsCommands& statistics = m_session.statistics();
    searchRow->addWidget(button(QStringLiteral("Button2"), QStringLiteral("rechercher paires"),
                                QString(), [&statistics] { statistics.Button2Click(); }));
    searchRow->addWidget(button(QStringLiteral("Button3"), QStringLiteral("rechercher trois"),
                                QString(), [&statistics] { statistics.Button3Click(); }));
    searchRow->addWidget(button(QStringLiteral("Button4"), QStringLiteral("rechercher quatre"),
                                QString(), [&statistics] { statistics.Button4Click(); }));
    searchRow->addWidget(button(QStringLiteral("Button5"), QStringLiteral("en attendant"),
                                QString(), [&statistics] { statistics.Button5Click(); }));
    searchRow->addStretch();
    layout->addLayout(searchRow);
    layout->addWidget(buildBacktestBox());
    layout->addLayout(buildReportRow());
    layout->addStretch();
    return page;
}

QWidget* MainWindow::buildBacktestBox() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    app::BacktestCommands& tests = m_session.backtests();
    layout->addWidget(new QLabel(QStringLiteral(
        "L'analyse historique des paramètres à partir de la date sélectionnée ci-dessus")));
    layout->addWidget(
        button(QStringLiteral("BitBtn9"),
               QStringLiteral(
                   "trié calculer et tester la façon dont cela aurait réussi jusqu'à aujourd'hui"),
               QString(), [&tests] { tests.BitBtn9Click(); }));
    layout->addWidget(button(
        QStringLiteral("Erfolgstest"),
        QStringLiteral("trié calculer et tester le succès de chacun dans le prochain tirage"),
        QString(), [&tests] { tests.ErfolgstestClick(); }));
    layout->addWidget(new QLabel(QStringLiteral("Historique date de début analyse ci-dessus")));
    layout->addWidget(button(QStringLiteral("Button7"),
                             QStringLiteral("Tester se produisent souvent que les numéros tirés à "
                                            "chaque tirer de la prochaine"),
                             QString(), [&tests] { tests.Button7Click(); }));
    layout->addWidget(
        button(QStringLiteral("Button8"),
               QStringLiteral(
                   "Testez souvent les numéros apparaissent dans chacune des le prochain tirage"),
               QString(), [&tests] { tests.Button8Click(); }));
    layout->addWidget(
        button(QStringLiteral("Button9"),
               QStringLiteral(
                   "Essai se produisent souvent dans le nombre de chaque côté de la contraction"),
               QString(), [&tests] { tests.Button9Click(); }));
    layout->addWidget(button(QStringLiteral("Button10"),
                             QStringLiteral("Testez les numéros apparaissent souvent dans les 3 "
                                            "prochains dessins"),
                             QString(), [&tests] { tests.Button10Click(); }));
    layout->addWidget(button(QStringLiteral("Button11"),
                             QStringLiteral("Testez les numéros apparaissent souvent dans les 3 "
                                            "derniers dessins"),
                             QString(), [&tests] { tests.Button11Click(); }));
    return box;
}

QLayout* MainWindow::buildReportRow() {
    // Would the settings have paid, and what chance gives: the yardsticks of
    // the backtests above.
    auto* row = new QHBoxLayout;
    row->addWidget(button(QStringLiteral("OddsButton"), QStringLiteral("cotes"),
                          QStringLiteral("Probabilités et gain moyen de chaque taille de grille"),
                          [this] {
                              showOwnDialog<OddsDialog>(this, [this](OddsDialog& d) {
                                  d.showTipSize(m_session.numbersPerTip());
                              });
                          }));
    row->addWidget(
        button(QStringLiteral("StrategyButton"), QStringLiteral("rapport de stratégie"),
               QStringLiteral("Les grilles de chaque tirage en argent, à côté du hasard"),
               [this] { runStrategy(nullptr, QString()); }));
    row->addStretch();
    return row;
}

StrategyDialog* MainWindow::openStrategyDialog() {
    auto* dialog = new StrategyDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<StrategyDialog> guard(dialog);
    // The run starts once the click is over: the dialog may close meanwhile.
    dialog->setRunner([this, guard](const QString& seeds) {
        QTimer::singleShot(0, this, [this, guard, seeds] { runStrategy(guard.data(), seeds); });
    });
    dialog->setStopper([this] {
        if (!m_session.backtests().running()) {
            return false;
        }
        m_session.stopOperation();
        return true;
    });
    dialog->show();
    return dialog;
}

void MainWindow::runStrategy(StrategyDialog* shown, const QString& seedsText) {
    // A second click that reaches here while a run lets input in must leave
    // the running run, its dialog and its pickers alone.
    if (m_session.backtests().running()) {
        return;
    }
    std::optional<std::vector<qint32>> seeds;
    if (!seedsText.trimmed().isEmpty()) {
        seeds = backtest::SeedList::parse(seedsText);
        if (!seeds) {
            showMessage(QStringLiteral("Graines : des numéros et des plages croissantes séparés "
                                       "par des virgules, par exemple 1-20 ou 1,3,5-7, chacun une "
                                       "fois et au plus %1")
                            .arg(backtest::SeedList::kMostSeeds));
            return;
        }
    }
    QPointer<StrategyDialog> dialog(shown);
    // A run from the dialog covers the period of the report it shows: a
    // single run leaves the start picker on the newest draw it reached.
    app::ControlValues& controls = m_session.controls();
    if (dialog && dialog->start().isValid()) {
        controls.setDate(app::Control::DateTimePicker1, dialog->start());
    }
    const QDate start = controls.date(app::Control::DateTimePicker1);
    if (dialog) {
        dialog->setRunning(true);
    }
    const auto target = [&]() {
        StrategyDialog* shownNow = dialog ? dialog.data() : openStrategyDialog();
        shownNow->setStart(start);
        return shownNow;
    };
    using Outcome = app::BacktestCommands::Outcome;
    if (seeds) {
        const auto run = m_session.backtests().strategySeeds(*seeds);
        if (run.outcome != Outcome::Failed && !m_closed) {
            target()->showSpread(run.reports, run.spread);
        }
    } else {
        const auto run = m_session.backtests().strategyReport();
        if (run.outcome != Outcome::Failed && !m_closed) {
            target()->showReport(run.report);
        }
    }
    if (dialog) {
        dialog->setRunning(false);
    }
}

QWidget* MainWindow::buildInternetPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        m_builder->labelled(QStringLiteral("Proxy-Server"), QStringLiteral("ProxyHostEdit")));
    layout->addWidget(
        m_builder->labelled(QStringLiteral("Porxy-Port"), QStringLiteral("ProxyPortEdit")));
    layout->addWidget(m_builder->labelled(QStringLiteral("Service"), QStringLiteral("ServiceURL")));
    layout->addWidget(
        m_builder->labelled(QStringLiteral("Résultats FDJ"), QStringLiteral("ResultsURL")));
    QWidget* url = m_builder->control(QStringLiteral("URLEdit"));
    url->setEnabled(false);
    url->hide();
    url->setParent(page);
    for (const common::web::AddressLabel& link : common::web::kInternetPageLabels) {
        auto* label = new AddressLabel(link.name, link.address);
        // One handler for every address label: it opens what the label shows.
        connect(label, &AddressLabel::clicked, this, [this, label] {
            app::WebLinks(m_session.shellPort()).Label52Click(label->text());
        });
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

// ---- showing the session --------------------------------------------------------

void MainWindow::showTipLists() {
    const tips::TipList& list = m_session.tipList();
    const QSignalBlocker block1(m_listBox1);
    const QSignalBlocker block2(m_listBox2);
    m_listBox1->clear();
    m_listBox1->addItems(list.lines());
    m_listBox2->clear();
    m_listBox2->addItems(list.hits());
    showSelection();
}

void MainWindow::showSelection() {
    const QSignalBlocker block1(m_listBox1);
    const QSignalBlocker block2(m_listBox2);
    const int row = m_session.tipList().selected();
    m_listBox1->setCurrentRow(row);
    m_listBox2->setCurrentRow(row < m_listBox2->count() ? row : -1);
}

// The session may announce changes while the window is still being built.
void MainWindow::controlChanged(app::Control id) {
    if (m_binder) {
        m_binder->refresh(id);
    }
}

void MainWindow::tipListsChanged() {
    if (m_binder) {
        showTipLists();
    }
}

void MainWindow::tipSelectionChanged() {
    if (m_binder) {
        showSelection();
    }
}

void MainWindow::hitTallyChanged() {
    if (m_binder) {
        m_session.evaluation().tallyChanged();
    }
}

void MainWindow::operationChanged() {
    if (!m_binder) {
        return;
    }
    // The start button's caption is the generator's run state.
    if (auto* start = m_pages->findChild<QPushButton*>(QStringLiteral("BitBtn4"))) {
        start->setText(m_session.generator().caption());
    }
    if (QWidget* stop = findChild<QWidget*>(QStringLiteral("SpeedButton8"))) {
        stop->setVisible(m_session.stopButtonVisible());
    }
    showOperationState();
}

void MainWindow::chartChanged() {
    if (m_binder && m_chartPage) {
        m_chartPage->showResult(m_session.chart());
    }
}

void MainWindow::pageRequested() {
    if (!m_binder) {
        return;
    }
    if (QWidget* page = m_pages->findChild<QWidget*>(m_session.requestedPage())) {
        m_pages->setCurrentWidget(page);
    }
}

void MainWindow::staleNoticeChanged() {
    if (m_binder) {
        showStaleNotice();
    }
}

void MainWindow::showStaleNotice() {
    const QString& notice = m_session.staleNotice();
    m_staleNotice->setText(notice);
    m_staleNotice->setVisible(!notice.isEmpty());
    // The draw line of the tip page turns red with it.
    if (QWidget* drawLine = m_pages->findChild<QWidget*>(QStringLiteral("Label35"))) {
        drawLine->setStyleSheet(notice.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
        drawLine->setToolTip(notice);
    }
}

void MainWindow::showOperationState() {
    const app::OperationController& operations = m_session.operations();
    const bool idle = !operations.isRunning();
    for (const app::CommandRule& rule : app::commandRules()) {
        // The generation's own button is its stop while it runs.
        const bool enabled =
            !operations.refuses(rule.command) ||
            (rule.command == app::WindowCommand::Generate && m_session.generator().running());
        for (const char* name : rule.buttons) {
            if (QWidget* widget = m_pages->findChild<QWidget*>(QString::fromLatin1(name))) {
                widget->setEnabled(enabled);
            }
        }
    }
    if (QWidget* stop = statusBar()->findChild<QWidget*>(QStringLiteral("BacktestStop"))) {
        stop->setVisible(m_session.backtests().running());
    }
    if (idle && m_closeWhenIdle) {
        m_closeWhenIdle = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void MainWindow::progressChanged(int done, int total) {
    m_progress->setVisible(total > 0);
    if (total > 0) {
        m_progress->setRange(0, total);
        m_progress->setValue(std::min(done, total));
    }
}

void MainWindow::statusTextChanged(int panel, const QString& text) {
    m_statusPanels[panel]->setText(text);
    // A long text (an update's reason) is cut by the panel; the whole of it
    // shows on hover.
    m_statusPanels[panel]->setToolTip(text);
}

namespace {

// A message box under the window's caption, wide enough to show the whole
// caption in its title bar (a short text would make the box, and its
// title, narrower than the caption).
int execMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& text,
                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, window->windowTitle(), text, buttons, window);
    // Title bars draw their text larger and bold; room for their buttons too.
    constexpr int kTitleBarButtons = 110;
    const int titleWidth =
        box.fontMetrics().horizontalAdvance(box.windowTitle()) * 3 / 2 + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box.exec();
}

} // namespace

void MainWindow::showMessage(const QString& text) {
    execMessageBox(this, QMessageBox::Information, text, QMessageBox::Ok);
}

bool MainWindow::askYesNo(const QString& text) {
    return execMessageBox(this, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<QString> MainWindow::inputText(const QString& caption, const QString& prompt,
                                             const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QStringList MainWindow::openFileNames(const QString& title, const QString& filter,
                                      const QString& defaultSuffix, bool multiple) {
    return FileDialogs::openFiles(this, title, m_session.home(), filter, defaultSuffix, multiple);
}

QString MainWindow::saveFileName(const QString& title, const QString& proposedName,
                                 const QString& filter) {
    return QFileDialog::getSaveFileName(this, title, m_session.homeFile(proposedName), filter);
}

void MainWindow::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::processEvents() {
    QApplication::processEvents();
}

QDate MainWindow::today() {
    return m_today.isValid() ? m_today : QDate::currentDate();
}

// ---- window events -------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window counts as activated when first shown, even where no window
    // manager hands it the focus.
    if (!m_shownOnce) {
        m_shownOnce = true;
        QTimer::singleShot(0, this, [this] {
            if (!m_closed) {
                m_session.FormActivate();
            }
        });
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_baseFontSize <= 0) {
        return; // still building the window
    }
    // The pages' font follows the window's height, but grows no further than
    // the width allows: a larger font widens the layouts, and a window pushed
    // wider than its user made it would not come back to its design.
    const double byHeight = static_cast<double>(height()) / kDesignSize.height();
    const double byWidth = std::max(1.0, static_cast<double>(width()) / kDesignSize.width());
    QFont font = m_pages->font();
    font.setPixelSize(
        std::max(8, static_cast<int>(m_baseFontSize * std::min(byHeight, byWidth) + 0.5)));
    if (font.pixelSize() != m_pages->font().pixelSize()) {
        m_pages->setFont(font);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_session.operations().isRunning()) {
        // The close arrives while the operation lets input run. It is stopped
        // and unwinds first, putting back what it changed for its length, so
        // the settings saved are the user's own; then the window closes.
        m_closeWhenIdle = true;
        m_session.stopOperation();
        event->ignore();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        m_session.FormClose(m_settings.get());
    }
    event->accept();
    // The program ends with its main window, dialogs of their own included.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
}

} // namespace ui
