#include "ui/main/MainWindow.h"

#include "ui/main/ContactLines.h"
#include "ui/reports/ReportCriteriaDialog.h"
#include "ui/reports/ReportDestinationDialog.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/main/RepairCommand.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/TabStops.h"
#include "ui/widgets/Twips.h"
#include "store/AddressBook.h"
#include "store/Database.h"
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

MainWindow::MainWindow(AddressBook &book, QWidget *parent)
    : QMainWindow(parent), mBook(book)
{
    setObjectName("MainWindow");
    createControls();
    createMenus();
    adjustSize();

    // Changes made elsewhere (an import, a repair) refill the list; this
    // window's own additions, edits and deletions place their lines themselves.
    connect(&mBook, &AddressBook::contactsChanged, this, [this] {
        if (!mChangingContacts)
            fillList();
    });
    connect(&mBook, &AddressBook::viewChanged, this, &MainWindow::fillList);
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

    connect(lstAddress, &QListWidget::itemSelectionChanged, this, &MainWindow::setButtons);
    connect(lstAddress, &QListWidget::itemDoubleClicked, this, &MainWindow::editContact);
    OnEnterWithSelection(lstAddress, [this] { editContact(); });
    connect(cmdAdd, &QPushButton::clicked, this, &MainWindow::addContact);
    connect(cmdEdit, &QPushButton::clicked, this, &MainWindow::editContact);
    connect(cmdDelete, &QPushButton::clicked, this, &MainWindow::deleteContact);
    connect(cmdSwap, &QPushButton::clicked, this, &MainWindow::switchView);
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

    connect(mnuImport, &QAction::triggered, this, &MainWindow::importContacts);
    connect(mnuExport, &QAction::triggered, this, &MainWindow::exportContacts);
    connect(mnuRepair, &QAction::triggered, this, &MainWindow::repairDatabase);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuTypes, &QAction::triggered, this, &MainWindow::showPhoneTypes);
    connect(mnuAddress, &QAction::triggered, this, &MainWindow::showAddressList);
    connect(mnuTelephone, &QAction::triggered, this, &MainWindow::showTelephoneList);
    connect(mnuDetail, &QAction::triggered, this, &MainWindow::showDetailReport);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::load()
{
    setButtons();
    InitMainForm(*this);
    EnsureDatabase(mBook.fileName());
    mBook.open();
    CheckBookAtStartUp(mBook.database(), mBook.fileName());
    mBook.readSavedView();
    fillList();
}

void MainWindow::failWith(const QString &message)
{
    MsgBox(message, MsgRefusal);
    mBook.close();
    mFailed = true;
    QCoreApplication::exit(1);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    mBook.close();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::showPhoneTypes()
{
    if (!mTypesDialog) {
        mTypesDialog = std::make_unique<PhoneTypesDialog>(mBook);
        connect(mTypesDialog.get(), &PhoneTypesDialog::done, this, &QWidget::show);
    }
    mTypesDialog->show();
    hide();
}

void MainWindow::repairDatabase()
{
    mBook.close();
    const bool salvaged = FixDatabase(mBook.fileName());
    try {
        mBook.open();
    } catch (const DatabaseError &error) {
        failWith(error.message());
        return;
    }
    // A salvaged book holds what could be read, not what the lists were filled from.
    if (salvaged) {
        mBook.notifyTypesChanged();
        mBook.notifyContactsChanged();
    }
}

} // namespace varnelle
