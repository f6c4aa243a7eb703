#pragma once

#include "core/link/dosimeter_link.h"
#include "core/link/wait_timer.h"
#include "core/store/records.h"
#include "core/store/store.h"
#include "gui/common/box_officer.h"
#include "gui/common/help_file.h"
#include "gui/history/hist_chart.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QChart;
class QChartView;
class QFileSystemWatcher;
class QLabel;
class QLineSeries;
class QMenu;
class QStandardItemModel;
class QStatusBar;
class QSystemTrayIcon;
class QTableView;
class QTimer;
class QToolBar;

namespace sarvo {

class ComPort;
class HistTableModel;
class SaveDialog;
class TFormAbou;
class TFormDoseOverview;
class TFormPrint;
class TFormFilter;
class TFormNewUser;
class TFormReg;
class TFormMED;
class TFormSelPort;
class UserListGrid;

// The main window: menu, toolbar, status bar and three views of which one is shown at a time
// (the list of persons, a person's history as a table, the same history as a chart), the serial
// port with the dosimeter link, the answer-wait timer and the tray icon. It creates the
// program's dialogs and keeps them until it ends.
class TFormSarvo final : public QMainWindow, private LinkHost {
    Q_OBJECT
public:
    enum ViewState { ViewUserList = 0, ViewHistGrid = 1, ViewHistChart = 2 };

    // A read-only window (its base or data directory may not be written) shows the persons and
    // their histories; every write is refused by its store.
    TFormSarvo(const QString& baseDir, const SettingsRecord& settings, bool readOnly = false,
               QWidget* parent = nullptr);
    ~TFormSarvo() override;
    Q_DISABLE_COPY_MOVE(TFormSarvo)

    Store& store() { return store_; }
    const SettingsRecord& settings() const { return settings_; }
    DosimeterLink& link() { return *link_; }
    int viewState() const { return viewState_; }
    // The splash window, closed by the activation that opens the port.
    void setSplash(QWidget* splash) { splash_ = splash; }
    // Opens a help page (false when no program could); the system's viewer unless a test puts
    // something else here.
    void setHelpOpener(HelpOpener opener);
    // The first selected row of the list (table row = record index).
    int selectedRow() const;
    // The text of a status bar panel (0 to 2).
    QString panelText(int panel) const;
    // The person file is watched: a change made by another program fills the list again.
    QFileSystemWatcher* userFileWatcher() const { return watcher_; }
    // The text of the box shown when a selected row no longer holds the person it showed.
    static QString staleRowText();

public slots:
    // The splash window was the focused window: the next activation runs FormActivate.
    void splashActivated();
    // Another start of the program asked for this window: what the tray's Show does.
    void showRequested();

signals:
    // The main window was closed: the program ends.
    void programEnds();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void mnu_SaveAsTextClick();
    void mnu_FilterClick();
    void mnu_PrintClick();
    void mnu_LangRusClick();
    void mnu_LangEngClick();
    void mnu_LangNemClick();
    void mnu_LangFrClick();
    void mnu_LangIspClick();
    void mnu_LangItlClick();
    void mnu_LangPolClick();
    void mnu_NewUserClick();
    void mnu_InfoUserClick();
    void mnu_ChangUserClick();
    void mnu_HistGridClick();
    void mnu_HistChartClick();
    void mnu_SelPortClick();
    void mnu_regClick();
    void mnu_SavEDClick();
    void mnu_ClearEDClick();
    void mnu_SavMEDClick();
    void mnu_DoseOverviewClick();
    void mnu_AnnualReportClick();
    void mnu_AssessedDoseClick();
    void mnu_RegisterDataClick();
    void mnu_LimitsClick();
    void mnu_HelpHelpClick();
    void mnu_HelpAboutClick();
    void mnu_ExitClick();
    void pm_ShowClick();
    void pmnu_LinClick();
    void pmnu_LogClick();

    void StringGridUserKeyDown(int key);
    void StringGridUserDblClick();
    void StringGridUserClick();
    void StringGridUserMouseUp();

    void ComPortSarvoRxChar(qint64 count);
    void ComPortSarvoLost();
    void TimerWauthTimer();

private:
    // The routines the handlers share.
    void FormActivate();
    void LayoutWindow();
    void ApplyCaptions();
    void FillUserList();
    void ToggleHistGrid();
    void ToggleHistChart();
    void ShowPortDialog();
    // Whether the selected row holds a person (its name cell is not empty).
    bool selectedRowHoldsPerson() const;
    // The person the selected row shows, read again from the user file. Nothing when the row
    // holds no person, when the file cannot be read (the officer has been told), or when the
    // record at that place now holds someone else: then the list has been filled again and the
    // officer told that nothing was done.
    struct SelectedPerson {
        long long index;
        UserRecord record;
    };
    std::optional<SelectedPerson> selectedPerson();
    // The person whose readings the history table or chart on screen holds, read again and
    // checked as selectedPerson() does (the hidden list keeps that person selected).
    std::optional<SelectedPerson> shownHistoryPerson();
    // The refusal of a stale row: the list filled again from the file, then staleRowText().
    void refuseStaleRow();
    // Prepares the print window for the view on screen; false when it is not to open.
    bool preparePrint();

    void createMenu();
    void createToolBar();
    void createStatusBar();
    void createViews();
    void createTray();
    void languageMenuClick(int index, QAction* item);
    void setHistGridCommandsEnabled(bool enabled);
    void setHistChartCommandsEnabled(bool enabled);
    void showUserList();
    // Fills the rows of the list from the user file; the selection stays on the person who was
    // selected (by UserNo), status panel 0 names it, and the file stays watched.
    void refillUserRows();
    // The person file's size and times, to tell whether the list still shows it.
    struct UserFileStamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;
        friend bool operator==(const UserFileStamp&, const UserFileStamp&) = default;
    };
    UserFileStamp userFileStamp() const;
    bool userListStale() const;
    void watchUserFile();
    void userFileChanged();
    void selectionMoved();
    // The person of a history view about to be opened, checked as selectedPerson() does.
    bool takeHistoryPerson();

    // Hooks of the history views, the filter and the person commands.
    void FillHistGrid();
    void FillHistChart();
    // The readings of the person the history view holds, under the filter; a file error is
    // returned as its text, with the readings read before it.
    std::vector<HistoryRecord> historyReadings(QString& failure);
    void rebuildHistView();
    void switchFilterOff();

    // LinkHost
    void purgePort() override;
    void setDoseRateLog(const std::vector<DoseRateRow>& rows) override;
    void showDoseRateLog(const UserRecord& person) override;
    void highlightPerson(long long recordIndex) override;
    void doseAddingChanged(bool checked) override;

    // The dose overview: the person chosen in it, and its content built again after a change of
    // a dose while it is on screen.
    void doseOverviewPersonChosen(std::int32_t userNo);
    void refreshDoseOverview();

    // Menu (mnu_Sarvo).
    QMenu* mnu_File;
    QAction* mnu_SaveAsText;
    QAction* mnu_Filter;
    QAction* mnu_Print;
    QMenu* mnu_Lang;
    QActionGroup* langGroup;
    QAction* mnu_LangRus;
    QAction* mnu_LangEng;
    QAction* mnu_LangNem;
    QAction* mnu_LangFr;
    QAction* mnu_LangIsp;
    QAction* mnu_LangItl;
    QAction* mnu_LangPol;
    QMenu* mnu_User;
    QAction* mnu_NewUser;
    QAction* mnu_InfoUser;
    QAction* mnu_ChangUser;
    QAction* mnu_RegisterData;
    QMenu* mnu_Hist;
    QAction* mnu_HistGrid;
    QAction* mnu_HistChart;
    QMenu* mnuDevice;
    QAction* mnu_SelPort;
    QAction* mnu_reg;
    QAction* mnu_SavED;
    QAction* mnu_ClearED;
    QAction* mnu_SavMED;
    QMenu* mnu_Doses;
    QAction* mnu_DoseOverview;
    QAction* mnu_AnnualReport;
    QAction* mnu_AssessedDose;
    QAction* mnu_Limits;
    QMenu* mnu_Help;
    QAction* mnu_HelpHelp;
    QAction* mnu_HelpAbout;
    QAction* mnu_Exit;

    // Toolbar (ToolBarOsn), buttons from left to right.
    QToolBar* ToolBarOsn;
    QAction* tb_SaveAsText;
    QAction* tb_Filter;
    QAction* tb_Print;
    QAction* tb_newUser;
    QAction* tb_infoUser;
    QAction* tb_changUser;
    QAction* tb_histGrid;
    QAction* tb_histChart;
    QAction* tb_reg;
    QAction* tb_selPort;
    QAction* tb_doseOverview;
    QAction* tb_helpHelp;
    QAction* tb_exit;

    // Status bar (StatusBarOsn) with its three panels.
    QStatusBar* StatusBarOsn;
    std::array<QLabel*, 3> StatusPanels{};

    // The three views.
    UserListGrid* StringGridUser;
    QTableView* StringGridHist;
    QChartView* ChartHist;
    HistChart* ChartHistChart;
    QLineSeries* SeriesHist;
    QMenu* pm_Chart;
    QMenu* pmnu_XAxis;
    QAction* pmnu_Lin;
    QAction* pmnu_Log;

    // Serial port, answer-wait timer, tray icon (none on a desktop without a tray).
    ComPort* ComPortSarvo;
    QTimer* TimerWauth;
    QSystemTrayIcon* TrayIconSarvo = nullptr;
    QMenu* pm_Tray;
    QAction* pm_Help;
    QAction* pm_Show;
    QAction* pm_Exit;

    // The dialogs, created with the main window.
    TFormSelPort* FormSelPort;
    TFormMED* FormMED;
    TFormAbou* FormAbou;
    TFormPrint* FormPrint;
    SaveDialog* SaveDialogSarvo;
    TFormNewUser* FormNewUser;
    TFormReg* FormReg;
    TFormFilter* FormFilter;
    TFormDoseOverview* FormDoseOverview = nullptr; // made when first opened

    QString baseDir_;
    Store store_;
    SettingsRecord settings_;
    int viewState_ = ViewUserList;
    QWidget* splash_ = nullptr;
    bool firstShowing_ = true;
    bool activationDue_ = false; // the next activation of the window runs FormActivate
    bool activatedOnce_ = false;
    QAction* checkedLanguage_ = nullptr;
    HistTableModel* histModel_;
    // The person whose history the table or chart was opened for.
    std::int32_t histUserNo_ = 0;
    QFileSystemWatcher* watcher_;
    QTimer* userFileTimer_;
    UserFileStamp filledStamp_;
    HelpOpener helpOpener_;

    BoxOfficer officer_;
    SystemClock clock_;
    std::unique_ptr<QtWaitTimer> waitTimer_;
    std::unique_ptr<QtWaitTimer> retryTimer_; // a reading that met the data files locked
    std::unique_ptr<DosimeterLink> link_;
};

} // namespace sarvo
