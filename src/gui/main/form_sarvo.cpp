#include "gui/main/form_sarvo.h"

#include "core/link/registration.h"
#include "core/store/data_lock.h"
#include "core/store/dose_database.h"
#include "core/store/person_ops.h"
#include "core/store/store_error.h"
#include "core/text/chart_points.h"
#include "core/text/csv_export.h"
#include "core/text/dose_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/history_cells.h"
#include "core/text/language.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "gui/common/help_file.h"
#include "gui/common/message_boxes.h"
#include "gui/common/pictogram.h"
#include "gui/common/save_dialog.h"
#include "gui/common/store_call.h"
#include "gui/dialogs/form_abou.h"
#include "gui/dialogs/form_annual_report.h"
#include "gui/dialogs/form_assessed_dose.h"
#include "gui/dialogs/form_dose_overview.h"
#include "gui/dialogs/form_limits.h"
#include "gui/dialogs/form_new_user.h"
#include "gui/dialogs/form_reg.h"
#include "gui/dialogs/form_register_data.h"
#include "gui/history/form_filter.h"
#include "gui/history/hist_chart.h"
#include "gui/history/hist_chart_view.h"
#include "gui/history/hist_table_model.h"
#include "gui/history/hist_table_view.h"
#include "gui/main/form_med.h"
#include "gui/main/main_reports.h"
#include "gui/main/user_list_grid.h"
#include "gui/port/com_port.h"
#include "gui/port/form_sel_port.h"
#include "gui/print/form_print.h"

#include <QActionGroup>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QDir>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

// The toolbar's images are compiled into the program.
static void initSarvoResources() {
    Q_INIT_RESOURCE(sarvo);
}

namespace sarvo {

TFormSarvo::TFormSarvo(const QString& baseDir, const SettingsRecord& settings, bool readOnly,
                       QWidget* parent)
    : QMainWindow(parent), baseDir_(baseDir), store_(baseDir.toStdString(), readOnly),
      settings_(settings) {
    initSarvoResources();
    setObjectName(QStringLiteral("TFormSarvo"));
    // A system menu and a minimize button, no maximize button; the size is fixed at layout.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(Pictogram::appIcon());

    createMenu();
    createToolBar();
    createStatusBar();
    createViews();

    ComPortSarvo = new ComPort(this);
    ComPortSarvo->setObjectName(QStringLiteral("ComPortSarvo"));
    connect(ComPortSarvo, &ComPort::rxChar, this, &TFormSarvo::ComPortSarvoRxChar);
    connect(ComPortSarvo, &ComPort::portLost, this, &TFormSarvo::ComPortSarvoLost);

    TimerWauth = new QTimer(this);
    TimerWauth->setObjectName(QStringLiteral("TimerWauth"));
    TimerWauth->setSingleShot(true);
    TimerWauth->setInterval(kAnswerWaitMs);
    connect(TimerWauth, &QTimer::timeout, this, &TFormSarvo::TimerWauthTimer);
    waitTimer_ = std::make_unique<QtWaitTimer>(*TimerWauth);
    auto* retry = new QTimer(this);
    retry->setObjectName(QStringLiteral("TimerLinkRetry"));
    retryTimer_ = std::make_unique<QtWaitTimer>(*retry, kLockRetryMs);
    connect(retry, &QTimer::timeout, this, [this] { link_->retryQueued(); });
    LinkHost& host = *this;
    link_ =
        std::make_unique<DosimeterLink>(store_, officer_, host, *waitTimer_, *retryTimer_, clock_);

    createTray();

    // Another program may change the person file (sarvo-tool, a second workstation): the list
    // follows. The file is replaced by a rename, so its folder is watched too; a burst of
    // changes fills the list once.
    watcher_ = new QFileSystemWatcher(this);
    userFileTimer_ = new QTimer(this);
    userFileTimer_->setSingleShot(true);
    userFileTimer_->setInterval(50);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &TFormSarvo::userFileChanged);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &TFormSarvo::userFileChanged);
    connect(userFileTimer_, &QTimer::timeout, this, &TFormSarvo::refillUserRows);

    helpOpener_ = systemHelpOpener();

    // The dialogs, in the order the program creates its windows.
    FormSelPort = new TFormSelPort(*ComPortSarvo, this);
    SaveDialogSarvo =
        new SaveDialog(QStringLiteral("Text files (*.txt)|*.txt|") + tr("CSV file (*.csv)") +
                           QStringLiteral("|*.csv|Any files (*.*)|*.*"),
                       QStringLiteral("*.txt"), this);
    SaveDialog::setProgramDirectory(baseDir_);
    FormPrint = new TFormPrint(this);
    FormMED = new TFormMED(this);
    FormMED->setPrintWindow(FormPrint);
    FormAbou = new TFormAbou(this);
    FormNewUser = new TFormNewUser(this);
    FormReg = new TFormReg(this);
    FormFilter = new TFormFilter(this);
    connect(FormFilter, &TFormFilter::filterMarkSet, this,
            [this](bool on) { StatusPanels[2]->setText(on ? L(Text::FilterOn) : QString()); });
    connect(FormFilter, &TFormFilter::filterConfirmed, this, &TFormSarvo::rebuildHistView);
}

TFormSarvo::~TFormSarvo() = default;

void TFormSarvo::setHelpOpener(HelpOpener opener) {
    helpOpener_ = std::move(opener);
}

// ---------------------------------------------------------------------------------------------
// Building the window

void TFormSarvo::createMenu() {
    auto action = [this](QMenu* menu, const char* name, void (TFormSarvo::*slot)()) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    auto menu = [this](const char* name) {
        QMenu* item = menuBar()->addMenu(QString());
        item->setObjectName(QLatin1String(name));
        return item;
    };

    mnu_File = menu("mnu_File");
    mnu_SaveAsText = action(mnu_File, "mnu_SaveAsText", &TFormSarvo::mnu_SaveAsTextClick);
    mnu_File->addSeparator();
    mnu_Filter = action(mnu_File, "mnu_Filter", &TFormSarvo::mnu_FilterClick);
    mnu_File->addSeparator();
    mnu_Print = action(mnu_File, "mnu_Print", &TFormSarvo::mnu_PrintClick);
    mnu_File->addSeparator();
    mnu_Lang = mnu_File->addMenu(QString());
    mnu_Lang->setObjectName(QStringLiteral("mnu_Lang"));
    langGroup = new QActionGroup(this);
    langGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    mnu_LangRus = action(mnu_Lang, "mnu_LangRus", &TFormSarvo::mnu_LangRusClick);
    mnu_LangEng = action(mnu_Lang, "mnu_LangEng", &TFormSarvo::mnu_LangEngClick);
    mnu_LangNem = action(mnu_Lang, "mnu_LangNem", &TFormSarvo::mnu_LangNemClick);
    mnu_LangFr = action(mnu_Lang, "mnu_LangFr", &TFormSarvo::mnu_LangFrClick);
    mnu_LangIsp = action(mnu_Lang, "mnu_LangIsp", &TFormSarvo::mnu_LangIspClick);
    mnu_LangItl = action(mnu_Lang, "mnu_LangItl", &TFormSarvo::mnu_LangItlClick);
    mnu_LangPol = action(mnu_Lang, "mnu_LangPol", &TFormSarvo::mnu_LangPolClick);
    for (QAction* item : {mnu_LangRus, mnu_LangEng, mnu_LangNem, mnu_LangFr, mnu_LangIsp,
                          mnu_LangItl, mnu_LangPol}) {
        item->setCheckable(true);
        langGroup->addAction(item);
    }

    mnu_User = menu("mnu_User");
    mnu_NewUser = action(mnu_User, "mnu_NewUser", &TFormSarvo::mnu_NewUserClick);
    mnu_InfoUser = action(mnu_User, "mnu_InfoUser", &TFormSarvo::mnu_InfoUserClick);
    mnu_User->addSeparator();
    mnu_ChangUser = action(mnu_User, "mnu_ChangUser", &TFormSarvo::mnu_ChangUserClick);
    mnu_RegisterData = action(mnu_User, "mnu_RegisterData", &TFormSarvo::mnu_RegisterDataClick);

    mnu_Hist = menu("mnu_Hist");
    mnu_HistGrid = action(mnu_Hist, "mnu_HistGrid", &TFormSarvo::mnu_HistGridClick);
    mnu_HistChart = action(mnu_Hist, "mnu_HistChart", &TFormSarvo::mnu_HistChartClick);

    mnuDevice = menu("mnuDevice");
    mnu_SelPort = action(mnuDevice, "mnu_SelPort", &TFormSarvo::mnu_SelPortClick);
    mnuDevice->addSeparator();
    mnu_reg = action(mnuDevice, "mnu_reg", &TFormSarvo::mnu_regClick);
    mnuDevice->addSeparator();
    mnu_SavED = action(mnuDevice, "mnu_SavED", &TFormSarvo::mnu_SavEDClick);
    mnu_SavED->setCheckable(true);
    mnuDevice->addSeparator();
    mnu_ClearED = action(mnuDevice, "mnu_ClearED", &TFormSarvo::mnu_ClearEDClick);
    mnu_SavMED = action(mnuDevice, "mnu_SavMED", &TFormSarvo::mnu_SavMEDClick);

    mnu_Doses = menu("mnu_Doses");
    mnu_DoseOverview = action(mnu_Doses, "mnu_DoseOverview", &TFormSarvo::mnu_DoseOverviewClick);
    mnu_DoseOverview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnu_AnnualReport = action(mnu_Doses, "mnu_AnnualReport", &TFormSarvo::mnu_AnnualReportClick);
    mnu_Doses->addSeparator();
    mnu_AssessedDose = action(mnu_Doses, "mnu_AssessedDose", &TFormSarvo::mnu_AssessedDoseClick);
    mnu_Doses->addSeparator();
    mnu_Limits = action(mnu_Doses, "mnu_Limits", &TFormSarvo::mnu_LimitsClick);

    mnu_Help = menu("mnu_Help");
    mnu_HelpHelp = action(mnu_Help, "mnu_HelpHelp", &TFormSarvo::mnu_HelpHelpClick);
    mnu_Help->addSeparator();
    mnu_HelpAbout = action(mnu_Help, "mnu_HelpAbout", &TFormSarvo::mnu_HelpAboutClick);

    // A top-level item that acts at once.
    mnu_Exit = menuBar()->addAction(QString());
    mnu_Exit->setObjectName(QStringLiteral("mnu_Exit"));
    connect(mnu_Exit, &QAction::triggered, this, &TFormSarvo::mnu_ExitClick);
}

void TFormSarvo::createToolBar() {
    ToolBarOsn = addToolBar(QString());
    ToolBarOsn->setObjectName(QStringLiteral("ToolBarOsn"));
    ToolBarOsn->setMovable(false);
    ToolBarOsn->setFloatable(false);
    ToolBarOsn->setIconSize(QSize(32, 32));
    ToolBarOsn->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBarOsn->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    // `image` is the button's place in the toolbar's image list.
    auto button = [this](const char* name, int image, void (TFormSarvo::*slot)()) {
        QAction* item =
            ToolBarOsn->addAction(QIcon(QStringLiteral(":/icons/%1.png").arg(image)), QString());
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    tb_SaveAsText = button("tb_SaveAsText", 9, &TFormSarvo::mnu_SaveAsTextClick);
    tb_Filter = button("tb_Filter", 10, &TFormSarvo::mnu_FilterClick);
    tb_Print = button("tb_Print", 11, &TFormSarvo::mnu_PrintClick);
    ToolBarOsn->addSeparator();
    tb_newUser = button("tb_newUser", 0, &TFormSarvo::mnu_NewUserClick);
    tb_infoUser = button("tb_infoUser", 1, &TFormSarvo::mnu_InfoUserClick);
    tb_changUser = button("tb_changUser", 2, &TFormSarvo::mnu_ChangUserClick);
    ToolBarOsn->addSeparator();
    tb_histGrid = button("tb_histGrid", 3, &TFormSarvo::mnu_HistGridClick);
    tb_histChart = button("tb_histChart", 4, &TFormSarvo::mnu_HistChartClick);
    ToolBarOsn->addSeparator();
    tb_reg = button("tb_reg", 5, &TFormSarvo::mnu_regClick);
    tb_selPort = button("tb_selPort", 6, &TFormSarvo::mnu_SelPortClick);
    ToolBarOsn->addSeparator();
    tb_doseOverview = ToolBarOsn->addAction(QIcon(Pictogram::render(32)), QString());
    tb_doseOverview->setObjectName(QStringLiteral("tb_doseOverview"));
    connect(tb_doseOverview, &QAction::triggered, this, &TFormSarvo::mnu_DoseOverviewClick);
    ToolBarOsn->addSeparator();
    tb_helpHelp = button("tb_helpHelp", 7, &TFormSarvo::mnu_HelpHelpClick);
    ToolBarOsn->addSeparator();
    tb_exit = button("tb_exit", 8, &TFormSarvo::mnu_ExitClick);
}

void TFormSarvo::createStatusBar() {
    StatusBarOsn = statusBar();
    StatusBarOsn->setObjectName(QStringLiteral("StatusBarOsn"));
    StatusBarOsn->setSizeGripEnabled(false);
    const Qt::Alignment alignments[3] = {Qt::AlignCenter, Qt::AlignRight | Qt::AlignVCenter,
                                         Qt::AlignCenter};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(StatusBarOsn);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setAlignment(alignments[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBarOsn->addWidget(panel);
        StatusPanels[i] = panel;
    }
}

void TFormSarvo::createViews() {
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    StringGridUser = new UserListGrid(client);
    layout->addWidget(StringGridUser);
    connect(StringGridUser, &UserListGrid::keyDown, this, &TFormSarvo::StringGridUserKeyDown);
    connect(StringGridUser, &UserListGrid::doubleClickedInList, this,
            &TFormSarvo::StringGridUserDblClick);
    connect(StringGridUser, &UserListGrid::clickedInList, this, &TFormSarvo::StringGridUserClick);
    connect(StringGridUser, &UserListGrid::mouseUp, this, &TFormSarvo::StringGridUserMouseUp);
    // Status panel 0 names the selected person however the selection moves.
    connect(StringGridUser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormSarvo::selectionMoved);

    // The history table: its header here; its rows are built for the selected person.
    auto* histTable = new HistTableView(client);
    StringGridHist = histTable;
    histModel_ = histTable->histModel();
    StringGridHist->installEventFilter(this);
    StringGridHist->hide();
    layout->addWidget(StringGridHist);

    // The history chart with its popup menu.
    ChartHistChart = new HistChart(HistChart::Look::Screen);
    SeriesHist = ChartHistChart->series();
    ChartHist = new HistChartView(ChartHistChart, client);
    ChartHist->setContextMenuPolicy(Qt::CustomContextMenu);
    ChartHist->hide();
    layout->addWidget(ChartHist);

    pm_Chart = new QMenu(this);
    pm_Chart->setObjectName(QStringLiteral("pm_Chart"));
    pmnu_XAxis = pm_Chart->addMenu(QString());
    pmnu_XAxis->setObjectName(QStringLiteral("pmnu_XAxis"));
    pmnu_Lin = pmnu_XAxis->addAction(QString());
    pmnu_Lin->setObjectName(QStringLiteral("pmnu_Lin"));
    pmnu_Log = pmnu_XAxis->addAction(QString());
    pmnu_Log->setObjectName(QStringLiteral("pmnu_Log"));
    connect(pmnu_Lin, &QAction::triggered, this, &TFormSarvo::pmnu_LinClick);
    connect(pmnu_Log, &QAction::triggered, this, &TFormSarvo::pmnu_LogClick);
    connect(ChartHist, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pm_Chart->popup(ChartHist->mapToGlobal(at)); });

    setCentralWidget(client);
}

void TFormSarvo::createTray() {
    pm_Tray = new QMenu(this);
    pm_Tray->setObjectName(QStringLiteral("pm_Tray"));
    pm_Help = pm_Tray->addAction(QString());
    pm_Help->setObjectName(QStringLiteral("pm_Help"));
    pm_Tray->addSeparator();
    pm_Show = pm_Tray->addAction(QString());
    pm_Show->setObjectName(QStringLiteral("pm_Show"));
    pm_Exit = pm_Tray->addAction(QString());
    pm_Exit->setObjectName(QStringLiteral("pm_Exit"));
    connect(pm_Help, &QAction::triggered, this, &TFormSarvo::mnu_HelpHelpClick);
    connect(pm_Show, &QAction::triggered, this, &TFormSarvo::pm_ShowClick);
    connect(pm_Exit, &QAction::triggered, this, &TFormSarvo::mnu_ExitClick);

    // On a desktop without a notification area the program runs without the icon.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    TrayIconSarvo = new QSystemTrayIcon(Pictogram::appIcon(), this);
    TrayIconSarvo->setObjectName(QStringLiteral("TrayIconSarvo"));
    TrayIconSarvo->setContextMenu(pm_Tray);
    TrayIconSarvo->show();
}

// ---------------------------------------------------------------------------------------------
// Activation, layout, captions

void TFormSarvo::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShowing_)
        return;
    firstShowing_ = false;
    // The first showing activates the window, whether or not the desktop reports the focus.
    activationDue_ = true;
    QTimer::singleShot(0, this, [this] {
        if (activationDue_) {
            activationDue_ = false;
            FormActivate();
        }
    });
}

bool TFormSarvo::event(QEvent* event) {
    // Only the first showing and a return of the focus from the splash window activate the
    // window; a closed dialog or a return from another program does not.
    if (event->type() == QEvent::WindowActivate && activationDue_) {
        activationDue_ = false;
        QTimer::singleShot(0, this, &TFormSarvo::FormActivate);
    }
    return QMainWindow::event(event);
}

void TFormSarvo::splashActivated() {
    if (activatedOnce_)
        activationDue_ = true;
}

void TFormSarvo::FormActivate() {
    link_->activate(); // receive buffer empty, checksum table built, highlight off
    StringGridUser->clearHighlight();
    LayoutWindow();
    ApplyCaptions();
    FillUserList();
    activatedOnce_ = true;

    if (settings_.portName().isEmpty()) {
        ShowPortDialog(); // the splash window stays
        return;
    }
    try {
        ComPortSarvo->setPortName(settings_.portName());
        ComPortSarvo->open();
        ComPortSarvo->purge();
        ComPortSarvo->pulseAdapterLines();
    } catch (const PortError& error) {
        ComPortSarvo->close();
        errorBox(TFormSelPort::openFailedText(error), this);
        return;
    }
    if (splash_)
        splash_->close();
}

void TFormSarvo::LayoutWindow() {
    // The window fills the work area of its screen and keeps that size.
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize();
        setFixedSize(work.size() - frame);
        move(work.topLeft());
    }
    if (layout())
        layout()->activate();
    centralWidget()->layout()->activate();

    // A history view that was on screen gives way to the list of persons.
    showUserList();

    StringGridUser->setColumnWidth(1, 250);
    StringGridUser->setColumnWidth(0, StringGridUser->width() - 250 - 25);

    StatusPanels[0]->setFixedWidth(300);
    StatusPanels[2]->setFixedWidth(200);
    StatusPanels[1]->setFixedWidth(qMax(0, StatusBarOsn->width() - 300 - 200 - 10));

    // The table is hidden: it is stretched over the client area before its width is taken.
    StringGridHist->resize(centralWidget()->size());
    const int w = (StringGridHist->width() - 25) / 5;
    StringGridHist->setColumnWidth(0, w - 10);
    StringGridHist->setColumnWidth(1, w - 10);
    StringGridHist->setColumnWidth(2, w);
    StringGridHist->setColumnWidth(3, w);
    StringGridHist->setColumnWidth(4, w + 20);
    StringGridHist->hide();

    ChartHistChart->setPoints({});
    ChartHist->hide();
}

void TFormSarvo::ApplyCaptions() {
    setWindowTitle(L(Text::AppTitle));

    mnu_File->setTitle(L(Text::FileMenu));
    mnu_SaveAsText->setText(L(Text::SaveAsText));
    mnu_Filter->setText(L(Text::FilterMenu));
    mnu_Print->setText(L(Text::Print));
    mnu_Lang->setTitle(L(Text::LanguageMenu));
    mnu_LangRus->setText(L(Text::Russian));
    mnu_LangEng->setText(L(Text::English));
    mnu_LangNem->setText(L(Text::German));
    mnu_LangFr->setText(L(Text::French));
    mnu_LangIsp->setText(L(Text::Spanish));
    mnu_LangItl->setText(L(Text::Italian));
    mnu_LangPol->setText(L(Text::Polish));
    mnu_User->setTitle(L(Text::PersonsMenu));
    mnu_NewUser->setText(L(Text::NewPerson));
    mnu_InfoUser->setText(L(Text::ShowPerson));
    mnu_ChangUser->setText(L(Text::ChangePerson));
    mnu_Hist->setTitle(L(Text::HistoryMenu));
    mnu_HistGrid->setText(L(Text::HistoryTable));
    mnu_HistChart->setText(L(Text::HistoryChart));
    mnuDevice->setTitle(L(Text::DeviceMenu));
    mnu_SelPort->setText(languageStrings().portCaption());
    mnu_reg->setText(L(Text::RegisterDosimeter));
    mnu_SavED->setText(L(Text::AddDoseToEd));
    mnu_ClearED->setText(L(Text::ClearEd));
    mnu_SavMED->setText(L(Text::ClearDoseRateLog));
    mnu_Doses->setTitle(tr("Doses"));
    mnu_DoseOverview->setText(tr("Dose overview..."));
    mnu_AnnualReport->setText(tr("Annual report..."));
    mnu_AssessedDose->setText(tr("Enter an assessed dose..."));
    mnu_RegisterData->setText(tr("Register data"));
    mnu_Limits->setText(tr("Limits and levels..."));
    tb_doseOverview->setText(tr("Dose overview"));
    tb_doseOverview->setToolTip(tr("Dose overview"));
    mnu_Help->setTitle(L(Text::HelpMenu));
    mnu_HelpHelp->setText(L(Text::ViewHelp));
    mnu_HelpAbout->setText(L(Text::AboutSarvo));
    mnu_Exit->setText(L(Text::Exit));
    pmnu_XAxis->setTitle(L(Text::DoseScale));
    pmnu_Lin->setText(L(Text::LinearScale));
    pmnu_Log->setText(L(Text::LogarithmicScale));
    pm_Help->setText(L(Text::ViewHelp));
    pm_Show->setText(L(Text::ShowWindow));
    pm_Exit->setText(L(Text::Exit));

    const std::pair<QAction*, QString> hints[] = {
        {tb_SaveAsText, L(Text::SaveAsText)}, {tb_Filter, L(Text::FilterMenu)},
        {tb_Print, L(Text::Print)},           {tb_newUser, L(Text::NewPerson)},
        {tb_infoUser, L(Text::ShowPerson)},   {tb_changUser, L(Text::ChangePerson)},
        {tb_histGrid, L(Text::HistoryTable)}, {tb_histChart, L(Text::HistoryChart)},
        {tb_reg, L(Text::RegisterDosimeter)}, {tb_selPort, languageStrings().portCaption()},
        {tb_helpHelp, L(Text::ViewHelp)},     {tb_exit, L(Text::Exit)}};
    for (const auto& [button, hint] : hints) {
        button->setText(hint);
        button->setToolTip(hint);
    }

    ChartHistChart->setTitle(L(Text::ChartTitle));

    if (TrayIconSarvo) {
        TrayIconSarvo->setToolTip(L(Text::AppTitle));
        TrayIconSarvo->show();
    }

    histModel_->setHeaderCells(historyHeaderCells(languageStrings()));

    // The application title is the main window's title (the task bar shows it).

    StringGridUser->setHeaderTexts(QStringLiteral("  ") + L(Text::FullName), L(Text::DosimeterId));

    switchFilterOff();
}

// ---------------------------------------------------------------------------------------------
// The list of persons

void TFormSarvo::FillUserList() {
    viewState_ = ViewUserList;
    refillUserRows();
}

namespace {

// Marks the persons who left (register data) in the rows of the list of persons.
void markPersonsWhoLeft(Store& store, std::vector<UserListModel::Person>& persons) {
    // The register data are read once for the list; without them (a database this program
    // cannot read) the list shows its persons unmarked.
    std::map<std::int32_t, PersonDetails> details;
    try {
        DoseDatabase database(store);
        details = database.personDetails();
    } catch (const StoreError&) {
        return;
    }
    for (UserListModel::Person& person : persons)
        if (const auto found = details.find(person.userNo); found != details.end())
            person.left = found->second.left;
}

} // namespace

void TFormSarvo::refillUserRows() {
    userFileTimer_->stop();
    // Taken before the scan: a change made during it leaves the list stale.
    filledStamp_ = userFileStamp();
    const int row = selectedRow();
    const std::optional<std::int32_t> selected = StringGridUser->userNoOf(row);
    const int markedRow = StringGridUser->highlightedRow();
    const std::optional<std::int32_t> marked = StringGridUser->userNoOf(markedRow);
    // One scan of the file (without the dose-rate lines), the rows replaced at once. A scan cut
    // short by an error shows the persons read before it while its box is open.
    std::vector<UserListModel::Person> persons;
    const auto showRows = [this, &persons] { StringGridUser->setPersons(std::move(persons)); };
    runStore(
        this,
        [this, &persons, &showRows] {
            store_.ensureDataDir();
            store_.forEachUserSummary([&persons](long long, const UserSummary& user) {
                persons.push_back(UserListModel::personOf(user));
                return true;
            });
            markPersonsWhoLeft(store_, persons);
            showRows();
        },
        showRows);
    // The person who was selected, and the one marked, wherever the file has them now; otherwise
    // the same row is selected.
    if (marked)
        StringGridUser->moveHighlight(StringGridUser->rowOfUserNo(*marked, markedRow));
    const int found = selected ? StringGridUser->rowOfUserNo(*selected, row) : -1;
    StringGridUser->selectRow(found >= 0 ? found : qBound(0, row, StringGridUser->rowCount() - 1));
    StatusPanels[0]->setText(StringGridUser->nameCell(selectedRow()));
    watchUserFile();
}

TFormSarvo::UserFileStamp TFormSarvo::userFileStamp() const {
    const QFileInfo file(QString::fromStdString(store_.userPath().string()));
    if (!file.exists())
        return {};
    return {true, file.size(), file.lastModified().toMSecsSinceEpoch(),
            file.metadataChangeTime().toMSecsSinceEpoch()};
}

bool TFormSarvo::userListStale() const {
    // A change seen by the watcher whose fill is still due, or one it has not reported yet.
    return userFileTimer_->isActive() || userFileStamp() != filledStamp_;
}

void TFormSarvo::watchUserFile() {
    const QString dataDir = QString::fromStdString(store_.dataDir().string());
    const QString userFile = QString::fromStdString(store_.userPath().string());
    if (!watcher_->directories().contains(dataDir) && QFileInfo(dataDir).isDir())
        watcher_->addPath(dataDir);
    if (!watcher_->files().contains(userFile) && QFileInfo::exists(userFile))
        watcher_->addPath(userFile);
}

void TFormSarvo::userFileChanged() {
    // A file replaced by a rename is no longer watched: it is added again with the next fill.
    userFileTimer_->start();
}

void TFormSarvo::selectionMoved() {
    StatusPanels[0]->setText(StringGridUser->nameCell(selectedRow()));
}

QString TFormSarvo::staleRowText() {
    return tr("The list of persons no longer matched the person file, which has been changed "
              "by another program. The list has been filled again; nothing was done. Select "
              "the person again.");
}

void TFormSarvo::refuseStaleRow() {
    refillUserRows();
    errorBox(staleRowText(), this);
}

std::optional<TFormSarvo::SelectedPerson> TFormSarvo::selectedPerson() {
    const int row = selectedRow();
    const std::optional<std::int32_t> shown = StringGridUser->userNoOf(row);
    if (!shown || !selectedRowHoldsPerson())
        return std::nullopt;
    SelectedPerson person{row, {}};
    bool present = false;
    const bool read = runStore(this, [&] {
        DataLock lock = store_.readLock(); // the count and the record of one version of the file
        if (row < store_.userCount()) {
            person.record = store_.readUser(row);
            present = true;
        }
    });
    if (!read)
        return std::nullopt;
    if (!present || person.record.UserNo != *shown) {
        refuseStaleRow();
        return std::nullopt;
    }
    return person;
}

std::optional<TFormSarvo::SelectedPerson> TFormSarvo::shownHistoryPerson() {
    std::optional<SelectedPerson> person = selectedPerson();
    if (person && person->record.UserNo != histUserNo_) {
        refuseStaleRow();
        return std::nullopt;
    }
    return person;
}

int TFormSarvo::selectedRow() const {
    const int row = StringGridUser->selectedRow();
    return row >= 0 ? row : StringGridUser->currentRow();
}

bool TFormSarvo::selectedRowHoldsPerson() const {
    return !StringGridUser->nameCell(selectedRow()).isEmpty();
}

QString TFormSarvo::panelText(int panel) const {
    return panel >= 0 && panel < 3 ? StatusPanels[panel]->text() : QString();
}

void TFormSarvo::StringGridUserKeyDown(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        mnu_HistGridClick();
        break;
    case Qt::Key_F2:
        mnu_SaveAsTextClick();
        break;
    case Qt::Key_F3:
        mnu_InfoUserClick();
        break;
    case Qt::Key_F4:
        mnu_ChangUserClick();
        break;
    default:
        break;
    }
}

void TFormSarvo::StringGridUserDblClick() {
    mnu_HistGridClick();
}

void TFormSarvo::StringGridUserClick() {
    link_->clearHighlight();
    StringGridUser->clearHighlight();
}

void TFormSarvo::StringGridUserMouseUp() {
    StatusPanels[0]->setText(StringGridUser->nameCell(selectedRow()));
}

// ---------------------------------------------------------------------------------------------
// Switching between the views

void TFormSarvo::setHistGridCommandsEnabled(bool enabled) {
    for (QAction* item : {tb_newUser, tb_infoUser, tb_changUser, tb_reg, tb_histChart, mnu_NewUser,
                          mnu_InfoUser, mnu_ChangUser, mnu_reg, mnu_HistChart})
        item->setEnabled(enabled);
}

void TFormSarvo::setHistChartCommandsEnabled(bool enabled) {
    for (QAction* item :
         {tb_newUser, tb_infoUser, tb_changUser, tb_reg, tb_histGrid, tb_SaveAsText, mnu_NewUser,
          mnu_InfoUser, mnu_ChangUser, mnu_reg, mnu_HistGrid, mnu_SaveAsText})
        item->setEnabled(enabled);
}

void TFormSarvo::showUserList() {
    if (!StringGridHist->isHidden()) {
        StringGridHist->hide();
        setHistGridCommandsEnabled(true);
    }
    if (!ChartHist->isHidden()) {
        ChartHist->hide();
        setHistChartCommandsEnabled(true);
    }
    StringGridUser->show();
    viewState_ = ViewUserList;
}

void TFormSarvo::ToggleHistGrid() {
    // Opened for the person of the selected row; the way back is open even when the list,
    // filled again meanwhile, no longer has a person in that row.
    if (!StringGridUser->isHidden()) {
        if (!takeHistoryPerson())
            return;
        StringGridUser->hide();
        StringGridHist->show();
        StringGridHist->setFocus();
        setHistGridCommandsEnabled(false);
        viewState_ = ViewHistGrid;
        FillHistGrid();
    } else if (!StringGridHist->isHidden()) {
        StringGridUser->show();
        StringGridHist->hide();
        StringGridUser->setFocus();
        setHistGridCommandsEnabled(true);
        FillUserList();
    }
}

void TFormSarvo::ToggleHistChart() {
    // Opened for the person of the selected row; the way back is open even when the list,
    // filled again meanwhile, no longer has a person in that row.
    if (!StringGridUser->isHidden()) {
        if (!takeHistoryPerson())
            return;
        StringGridUser->hide();
        ChartHist->show();
        ChartHist->setFocus();
        setHistChartCommandsEnabled(false);
        viewState_ = ViewHistChart;
        FillHistChart();
    } else if (!ChartHist->isHidden()) {
        StringGridUser->show();
        ChartHist->hide();
        StringGridUser->setFocus();
        setHistChartCommandsEnabled(true);
        viewState_ = ViewUserList;
    }
}

void TFormSarvo::mnu_HistGridClick() {
    ToggleHistGrid();
}

void TFormSarvo::mnu_HistChartClick() {
    ToggleHistChart();
}

bool TFormSarvo::eventFilter(QObject* watched, QEvent* event) {
    // Esc in the history table leads back to the list of persons.
    if (watched == StringGridHist && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        ToggleHistGrid();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormSarvo::takeHistoryPerson() {
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return false;
    histUserNo_ = person->record.UserNo;
    return true;
}

std::vector<HistoryRecord> TFormSarvo::historyReadings(QString& failure) {
    std::vector<HistoryRecord> shown;
    try {
        forEachShownReading(store_, histUserNo_, histFilter(), [&](const HistoryRecord& record) {
            shown.push_back(record);
            return true;
        });
    } catch (const StoreError& error) {
        failure = error.text();
    }
    return shown;
}

// The history table of the person it was opened for, under the filter: the readings shown, in
// the order they arrived, then 29 empty rows. After a file error the rows read before it stay.
void TFormSarvo::FillHistGrid() {
    histModel_->clearRows();
    QString failure;
    histModel_->setRows(historyReadings(failure));
    if (!failure.isEmpty())
        errorBox(failure, this);
}

// The chart of the person it was opened for, under the filter: one point per reading shown and
// the dose axis range around them. After a file error the points read so far stay and the dose
// axis keeps its range.
void TFormSarvo::FillHistChart() {
    ChartHistChart->setPoints({});
    QString failure;
    const std::vector<ChartPoint> points =
        chartPoints(historyReadings(failure), ValueFormats::system());
    ChartHistChart->setPoints(points);
    if (!failure.isEmpty()) {
        errorBox(failure, this);
        return;
    }
    ChartHistChart->setDoseRange(doseAxisRange(points));
}

// After OK in the filter dialog: the history view on screen is built again.
void TFormSarvo::rebuildHistView() {
    if (!StringGridHist->isHidden())
        FillHistGrid();
    if (!ChartHist->isHidden())
        FillHistChart();
}

void TFormSarvo::mnu_FilterClick() {
    FormFilter->exec();
}

void TFormSarvo::pmnu_LinClick() {
    ChartHistChart->setLogScale(false);
}

void TFormSarvo::pmnu_LogClick() {
    ChartHistChart->setLogScale(true);
}

void TFormSarvo::switchFilterOff() {
    histFilter().DateOn = false;
    histFilter().TimeOn = false;
}

// ---------------------------------------------------------------------------------------------
// Text export and printing

void TFormSarvo::mnu_SaveAsTextClick() {
    // The chart has no text form.
    if (viewState_ == ViewHistChart)
        return;
    const QString file = SaveDialogSarvo->execute();
    if (file.isEmpty())
        return;
    // "CSV file" writes the columns of sarvo-tool's CSV listings, the other filters the text
    // export.
    const bool csv = SaveDialogSarvo->chosenExtension() == QLatin1String("csv");
    if (viewState_ == ViewUserList) {
        runStore(this, [&] {
            if (csv)
                exportPersonsCsv(store_, file.toStdString());
            else
                exportPersons(store_, file.toStdString(), languageStrings());
        });
        return;
    }
    // The readings of the person the table holds, titled with that person's record.
    const std::optional<SelectedPerson> person = shownHistoryPerson();
    if (!person)
        return;
    bool exported = true;
    if (runStore(this,
                 [&] {
                     exported =
                         exportShownHistory(store_, person->index, person->record, file, csv);
                 }) &&
        !exported)
        refuseStaleRow();
}

void TFormSarvo::mnu_PrintClick() {
    if (preparePrint())
        FormPrint->exec();
}

bool TFormSarvo::preparePrint() {
    if (viewState_ == ViewUserList) {
        printPersons(*FormPrint, StringGridUser->listRows());
        return true;
    }
    // A history is titled with the record of the person whose readings it holds.
    const std::optional<SelectedPerson> person = shownHistoryPerson();
    if (!person)
        return false;
    // Titled with the full name of the register data where one is given (the text exports keep
    // the names of the record); with the record's names when the database cannot be read.
    QString name = nameCell(person->record);
    try {
        DoseDatabase database(store_);
        const PersonDetails details = database.personDetails(person->record.UserNo);
        if (!details.fullName.trimmed().isEmpty())
            name = QLatin1Char(' ') + personName(person->record, &details);
    } catch (const StoreError&) {
    }
    if (viewState_ == ViewHistGrid) {
        printHistory(*FormPrint, shownHistoryTable(name, *StringGridHist->model()));
        return true;
    }
    // The chart: the points as the screen chart builds them, with the screen chart's ranges (the
    // dose axis as its last rebuild computed it, also while the screen draws it logarithmic).
    std::vector<ChartPoint> points;
    if (!runStore(this, [&] {
            points = chartPoints(shownReadings(store_, person->record.UserNo, histFilter()),
                                 ValueFormats::system());
        }))
        return false;
    printChart(*FormPrint,
               {name, points, ChartHistChart->timeRange(), ChartHistChart->doseRange()});
    return true;
}

// ---------------------------------------------------------------------------------------------
// Persons and registration

void TFormSarvo::mnu_NewUserClick() {
    FormNewUser->setMode(TFormNewUser::NewPerson);
    if (FormNewUser->exec() != QDialog::Accepted)
        return;
    if (runStore(this, [this] { addPerson(store_, FormNewUser->texts()); }))
        FillUserList();
}

void TFormSarvo::mnu_InfoUserClick() {
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    FormNewUser->setMode(TFormNewUser::ShowPerson, PersonTexts::of(person->record));
    FormNewUser->exec();
}

void TFormSarvo::mnu_ChangUserClick() {
    // The person as read now; a reading taken in while the dialog is open is kept, because
    // only the four texts are written back, into the record as it is then.
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    const UserRecord& kept = person->record;
    FormNewUser->setMode(TFormNewUser::ChangePerson, PersonTexts::of(kept));
    if (FormNewUser->exec() != QDialog::Accepted)
        return;
    // The list follows the file while the dialog is open: the selected row is read again.
    bool changed = false;
    if (!runStore(this, [&] {
            changed = changePerson(store_, selectedRow(), kept.UserNo, FormNewUser->texts());
        }))
        return;
    if (!changed) {
        refuseStaleRow();
        return;
    }
    FillUserList();
}

void TFormSarvo::mnu_regClick() {
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    if (FormReg->exec() != QDialog::Accepted)
        return;
    const std::optional<std::int64_t> value = registrationValue(FormReg->text());
    if (!value) {
        errorBox(L(Text::IdNotNumber), this);
        return;
    }
    bool stored = false;
    runStore(this, [&] {
        if (checkRegistration(store_, *value) == RegistrationCheck::AlreadyRegistered) {
            errorBox(L(Text::DosimeterRegistered), this);
            return;
        }
        // The person is looked for where the list has them now.
        const long long index = selectedRow();
        const UserRecord user = store_.readUser(index);
        if (user.UserNo != person->record.UserNo) {
            refuseStaleRow();
            return;
        }
        const bool replace = replacementNeedsQuestion(user.DosimeterId, *value) &&
                             warningQuestion(L(Text::ReplaceDosimeterQuestion), this);
        if (!storeRegistration(store_, index, user.UserNo, *value, replace)) {
            refuseStaleRow();
            return;
        }
        stored = true;
    });
    if (stored)
        FillUserList();
}

void TFormSarvo::mnu_SavMEDClick() {
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    if (!warningQuestion(L(Text::ClearDoseRatesQuestion), this))
        return;
    // The lines of the person the row showed, wherever the list has them after the question.
    bool cleared = true;
    if (runStore(
            this,
            [&] { cleared = clearDoseRateLines(store_, selectedRow(), person->record.UserNo); }) &&
        !cleared)
        refuseStaleRow();
}

// ---------------------------------------------------------------------------------------------
// Language menu

void TFormSarvo::languageMenuClick(int index, QAction* item) {
    const bool saved = runStore(
        this,
        [&] {
            store_.saveLanguageChoice(static_cast<std::uint8_t>(index), settings_);
            languageStrings().loadForBase(QDir::currentPath(), settings_.LangIndex);
            QGuiApplication::setApplicationDisplayName(L(Text::AppTitle));
            installTranslations(settings_.LangIndex);
        },
        [&] {
            // The check mark stays where it was.
            item->setChecked(false);
            if (checkedLanguage_)
                checkedLanguage_->setChecked(true);
        });
    if (!saved)
        return;
    item->setChecked(true);
    checkedLanguage_ = item;
    ApplyCaptions();
}

void TFormSarvo::mnu_LangRusClick() {
    languageMenuClick(0, mnu_LangRus);
}
void TFormSarvo::mnu_LangEngClick() {
    languageMenuClick(1, mnu_LangEng);
}
void TFormSarvo::mnu_LangNemClick() {
    languageMenuClick(2, mnu_LangNem);
}
void TFormSarvo::mnu_LangFrClick() {
    languageMenuClick(3, mnu_LangFr);
}
void TFormSarvo::mnu_LangIspClick() {
    languageMenuClick(4, mnu_LangIsp);
}
void TFormSarvo::mnu_LangItlClick() {
    languageMenuClick(5, mnu_LangItl);
}
void TFormSarvo::mnu_LangPolClick() {
    languageMenuClick(6, mnu_LangPol);
}

// ---------------------------------------------------------------------------------------------
// Serial port and the dosimeter link

void TFormSarvo::ShowPortDialog() {
    if (FormSelPort->exec() != QDialog::Accepted)
        return;
    runStore(this, [this] { store_.savePortChoice(FormSelPort->portText(), settings_); });
}

void TFormSarvo::mnu_SelPortClick() {
    ShowPortDialog();
}

void TFormSarvo::ComPortSarvoRxChar(qint64 count) {
    // A reading is always taken in with the list of persons on screen (not filled again here
    // unless it has become stale, below).
    if (StringGridUser->isHidden()) {
        showUserList();
        StringGridUser->setFocus();
    }
    // The intake marks its person by record index: a list that no longer shows the person file
    // is filled again first (otherwise it stays as it is, however long the file).
    if (userListStale())
        refillUserRows();
    const QByteArray piece = ComPortSarvo->read(count);
    link_->receive(piece);
}

void TFormSarvo::ComPortSarvoLost() {
    errorBox(L(Text::PortOpenFailed), this);
}

void TFormSarvo::TimerWauthTimer() {
    link_->answerTimeout();
}

void TFormSarvo::mnu_SavEDClick() {
    link_->toggleDoseAdding();
    mnu_SavED->setChecked(link_->doseAdding());
}

void TFormSarvo::mnu_ClearEDClick() {
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    const ClearEdResult result = link_->clearAccumulatedDose(person->index, person->record.UserNo);
    if (result == ClearEdResult::Moved)
        refuseStaleRow(); // reordered by another program while the question was open
    else if (result == ClearEdResult::Cleared)
        refreshDoseOverview();
}

void TFormSarvo::purgePort() {
    // A port that went away has nothing left to purge.
    if (!ComPortSarvo->isOpen())
        return;
    try {
        ComPortSarvo->purge();
    } catch (const PortError& error) {
        errorBox(error.text() + QStringLiteral(" (win error code: %1)").arg(error.code()), this);
    }
}

void TFormSarvo::setDoseRateLog(const std::vector<DoseRateRow>& rows) {
    FormMED->clearLines();
    int row = 1;
    for (const DoseRateRow& line : rows)
        FormMED->setLine(row++, QString::number(line.k), line.date, line.time, line.rate);
}

void TFormSarvo::showDoseRateLog(const UserRecord& person) {
    FormMED->setPerson(person);
    FormMED->exec();
}

void TFormSarvo::highlightPerson(long long recordIndex) {
    StringGridUser->setHighlight(static_cast<int>(recordIndex));
    // A reading was taken in: its pending dose, or its dose added to ED.
    refreshDoseOverview();
}

void TFormSarvo::doseAddingChanged(bool checked) {
    mnu_SavED->setChecked(checked);
}

// ---------------------------------------------------------------------------------------------
// Doses

void TFormSarvo::mnu_DoseOverviewClick() {
    if (!FormDoseOverview) {
        FormDoseOverview = new TFormDoseOverview(store_, this);
        connect(FormDoseOverview, &TFormDoseOverview::personChosen, this,
                &TFormSarvo::doseOverviewPersonChosen);
    }
    // Shown, it builds its content; already on screen, it is built again.
    if (FormDoseOverview->isVisible())
        FormDoseOverview->refresh();
    else
        FormDoseOverview->show();
    FormDoseOverview->raise();
    FormDoseOverview->activateWindow();
}

void TFormSarvo::mnu_AnnualReportClick() {
    TFormAnnualReport::runReport(this, store_);
}

void TFormSarvo::mnu_AssessedDoseClick() {
    // For the person of the selected row, checked by UserNo when the dose is stored.
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    if (TFormAssessedDose::enter(this, store_, person->index, person->record.UserNo))
        refreshDoseOverview();
}

void TFormSarvo::mnu_RegisterDataClick() {
    // For the person of the selected row, checked by UserNo before the dialog opens; the
    // database checks once more that the person is in the file when the data are stored.
    const std::optional<SelectedPerson> person = selectedPerson();
    if (!person)
        return;
    if (TFormRegisterData::edit(this, store_, person->index, person->record.UserNo)) {
        refillUserRows();
        refreshDoseOverview();
    }
}

void TFormSarvo::mnu_LimitsClick() {
    if (TFormLimits::edit(this, store_))
        refreshDoseOverview();
}

void TFormSarvo::refreshDoseOverview() {
    if (FormDoseOverview && FormDoseOverview->isVisible())
        FormDoseOverview->refresh();
}

void TFormSarvo::doseOverviewPersonChosen(std::int32_t userNo) {
    // The list of persons comes back, following the file, with the person's row selected; then
    // the person's history table opens as mnu_HistGrid opens it.
    if (!StringGridHist->isHidden())
        ToggleHistGrid();
    if (!ChartHist->isHidden())
        ToggleHistChart();
    if (userListStale())
        refillUserRows();
    const int row = StringGridUser->rowOfUserNo(userNo, selectedRow());
    if (row < 0) {
        errorBox(tr("This person is no longer in the person file."), this);
        return;
    }
    StringGridUser->selectRow(row);
    raise();
    activateWindow();
    mnu_HistGridClick();
}

// ---------------------------------------------------------------------------------------------
// Help, About, tray, leaving

void TFormSarvo::mnu_HelpHelpClick() {
    // A missing page, or one no program can show, gives a box that says where the page is.
    const QString path = helpFilePath(baseDir_, settings_.LangIndex);
    if (!path.isEmpty())
        openHelpPage(path, helpOpener_, this);
}

void TFormSarvo::mnu_HelpAboutClick() {
    FormAbou->exec();
}

void TFormSarvo::showRequested() {
    pm_ShowClick();
}

void TFormSarvo::pm_ShowClick() {
    if (windowTitle() != L(Text::AppTitle))
        return;
    showMaximized();
    raise();
    activateWindow();
}

void TFormSarvo::mnu_ExitClick() {
    close();
}

void TFormSarvo::closeEvent(QCloseEvent* event) {
    // FormClose
    if (TrayIconSarvo)
        TrayIconSarvo->hide();
    QMainWindow::closeEvent(event);
    emit programEnds();
}

} // namespace sarvo
