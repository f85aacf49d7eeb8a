#include "ui/main/MainWindow.h"

#include "ui/main/ContactLines.h"
#include "ui/widgets/Controls.h"
#include "ui/Forms.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/Globals.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/main/RepairCommand.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/TabStops.h"
#include "ui/widgets/Twips.h"
#include "store/Database.h"
#include "store/Setup.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace varnelle {

namespace {

QAction *addCommand(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName("MainWindow");
    createControls();
    createMenus();
    adjustSize();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName("client");
    SetClientSizeTwips(client, 7080, 4590);
    setCentralWidget(client);

    lstAddress = MakeControl<QListWidget>(client, "lstAddress", 240, 120, 5055, 4350);
    lstAddress->setSortingEnabled(true);
    lstAddress->setUniformItemSizes(true);
    UseButtonFace(lstAddress);
    KeepSelectionOnceChosen(lstAddress);

    cmdAdd = MakeButton(client, "cmdAdd", "&Add", 5520, 120, 1335, 615);
    cmdEdit = MakeButton(client, "cmdEdit", "&Edit", 5520, 960, 1335, 615);
    cmdDelete = MakeButton(client, "cmdDelete", "&Delete", 5520, 1800, 1335, 615);
    cmdSwap = MakeButton(client, "cmdSwap", "&Business", 5520, 3840, 1335, 615);

    SetTabOrder({lstAddress, cmdAdd, cmdEdit, cmdDelete, cmdSwap});

    // FormatLine measures the lines in the window's font, and the list draws
    // them in it, with the numbers at a tab stop.
    setFont(ListFont(font()));
    ShowTabsAtStops(lstAddress);

    connect(lstAddress, &QListWidget::itemSelectionChanged, this, &MainWindow::SetButtons);
    connect(lstAddress, &QListWidget::itemDoubleClicked, this, &MainWindow::cmdEdit_Click);
    OnEnterWithSelection(lstAddress, [this] { cmdEdit_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, &MainWindow::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &MainWindow::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &MainWindow::cmdDelete_Click);
    connect(cmdSwap, &QPushButton::clicked, this, &MainWindow::cmdSwap_Click);
}

void MainWindow::createMenus()
{
    mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuImport = addCommand(mnuFile, "mnuImport", QString::fromUtf8("&Import Contacts\u2026"));
    mnuExport = addCommand(mnuFile, "mnuExport", QString::fromUtf8("Ex&port Contacts\u2026"));
    mnuRepair = addCommand(mnuFile, "mnuRepair", "&Repair Database");
    mnuExit = addCommand(mnuFile, "mnuExit", "E&xit");

    mnuTable = menuBar()->addMenu("&Tables");
    mnuTable->setObjectName("mnuTable");
    mnuTypes = addCommand(mnuTable, "mnuTypes", "&Telephone Types");

    mnuReports = menuBar()->addMenu("&Reports");
    mnuReports->setObjectName("mnuReports");
    mnuAddress = addCommand(mnuReports, "mnuAddress", "&Address List");
    mnuTelephone = addCommand(mnuReports, "mnuTelephone", "&Telephone List");
    mnuDetail = addCommand(mnuReports, "mnuDetail", "&Detail Report");

    mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    mnuAbout = addCommand(mnuHelp, "mnuAbout", "&About");

    connect(mnuImport, &QAction::triggered, this, &MainWindow::mnuImport_Click);
    connect(mnuExport, &QAction::triggered, this, &MainWindow::mnuExport_Click);
    connect(mnuRepair, &QAction::triggered, this, &MainWindow::mnuRepair_Click);
    connect(mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(mnuTypes, &QAction::triggered, this, &MainWindow::mnuTypes_Click);
    connect(mnuAddress, &QAction::triggered, this, &MainWindow::mnuAddress_Click);
    connect(mnuTelephone, &QAction::triggered, this, &MainWindow::mnuTelephone_Click);
    connect(mnuDetail, &QAction::triggered, this, &MainWindow::mnuDetail_Click);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
}

void MainWindow::Load()
{
    SetButtons();
    InitMainForm(*this);
    EnsureDatabase(DatabaseFileName);
    gRefreshCriteria = true;
    gIsBusiness = OpenBookAtStartUp(gDatabase, DatabaseFileName, "gDatabase");
    FillList();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    CloseMainDatabase();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::mnuTypes_Click()
{
    Form<PhoneTypesDialog>().show();
    hide();
}

void MainWindow::mnuRepair_Click()
{
    CloseMainDatabase();
    const bool salvaged = FixDatabase(DatabaseFileName);
    try {
        OpenBookAsFarAsReadable(gDatabase, DatabaseFileName, "gDatabase");
    } catch (const DatabaseError &error) {
        FatalError(error.message());
    }
    // A salvaged book holds what could be read, not what the list was filled from.
    if (salvaged)
        FillList();
}

} // namespace varnelle
