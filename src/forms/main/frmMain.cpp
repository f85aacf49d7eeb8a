#include "forms/main/frmMain.h"

#include "app/ContactLines.h"
#include "app/Controls.h"
#include "app/Forms.h"
#include "app/FormHelpers.h"
#include "app/Globals.h"
#include "app/ListKeys.h"
#include "app/MessageBox.h"
#include "app/Repair.h"
#include "app/SingleSelection.h"
#include "app/TabStops.h"
#include "app/Twips.h"
#include "data/Database.h"
#include "data/Setup.h"
#include "forms/types/frmTypes.h"

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

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName("frmMain");
    createControls();
    createMenus();
    adjustSize();
}

frmMain::~frmMain() = default;

void frmMain::createControls()
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

    connect(lstAddress, &QListWidget::itemSelectionChanged, this, &frmMain::SetButtons);
    connect(lstAddress, &QListWidget::itemDoubleClicked, this, &frmMain::cmdEdit_Click);
    OnEnterWithSelection(lstAddress, [this] { cmdEdit_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmMain::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmMain::cmdDelete_Click);
    connect(cmdSwap, &QPushButton::clicked, this, &frmMain::cmdSwap_Click);
}

void frmMain::createMenus()
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

    connect(mnuImport, &QAction::triggered, this, &frmMain::mnuImport_Click);
    connect(mnuExport, &QAction::triggered, this, &frmMain::mnuExport_Click);
    connect(mnuRepair, &QAction::triggered, this, &frmMain::mnuRepair_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuTypes, &QAction::triggered, this, &frmMain::mnuTypes_Click);
    connect(mnuAddress, &QAction::triggered, this, &frmMain::mnuAddress_Click);
    connect(mnuTelephone, &QAction::triggered, this, &frmMain::mnuTelephone_Click);
    connect(mnuDetail, &QAction::triggered, this, &frmMain::mnuDetail_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::Load()
{
    SetButtons();
    InitMainForm(*this);
    EnsureDatabase(DatabaseFileName);
    gRefreshCriteria = true;
    OpenMainDatabase();
    CheckBookAtStartUp(gDatabase, DatabaseFileName);
    gIsBusiness = ReadSetupView(gDatabase);
    FillList();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    CloseMainDatabase();
    event->accept();
    QCoreApplication::quit();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuTypes_Click()
{
    Form<frmTypes>().show();
    hide();
}

void frmMain::mnuRepair_Click()
{
    CloseMainDatabase();
    const bool salvaged = FixDatabase(DatabaseFileName);
    try {
        OpenMainDatabase();
    } catch (const DatabaseError &error) {
        FatalError(error.message());
    }
    // A salvaged book holds what could be read, not what the list was filled from.
    if (salvaged)
        FillList();
}

} // namespace varnelle
