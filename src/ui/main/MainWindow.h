#pragma once

#include "reports/ReportRequest.h"

#include <QMainWindow>
#include <cstdint>

class QAction;
class QListWidget;
class QMenu;
class QPushButton;

namespace varnelle {

class ReportEngine;

// The main window: the contact list of the current view, its buttons and the
// menus. Creating and loading it starts the program; closing it ends it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up: buttons, caption and centring, the database file, the
    // saved view, the list. Throws DatabaseError when the database cannot be
    // opened or read; the caller ends the program then.
    void Load();

    // File menu (MainWindow.cpp; import and export in MainWindowInterchange.cpp)
    void mnuImport_Click();
    void mnuExport_Click();
    void mnuRepair_Click();
    void mnuExit_Click();

    // Tables menu (MainWindow.cpp)
    void mnuTypes_Click();

    // Contact list and its buttons (MainWindowList.cpp)
    void SetButtons();
    void FillList();
    QString FormatLine(std::int32_t personId);
    void DeleteContact(std::int32_t personId);
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdSwap_Click();

    // Reports and Help menus (MainWindowReports.cpp)
    void mnuAddress_Click();
    void mnuTelephone_Click();
    void mnuDetail_Click();
    void mnuAbout_Click();
    void RunReport(const QString &reportFile);

    QListWidget *lstAddress = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSwap = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuImport = nullptr;
    QAction *mnuExport = nullptr;
    QAction *mnuRepair = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuTable = nullptr;
    QAction *mnuTypes = nullptr;
    QMenu *mnuReports = nullptr;
    QAction *mnuAddress = nullptr;
    QAction *mnuTelephone = nullptr;
    QAction *mnuDetail = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuAbout = nullptr;

    ReportEngine *rptAddress = nullptr; // the report engine, owned by this window
    ReportRequest rptRequest;           // the request of the last report run

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
};

} // namespace varnelle
