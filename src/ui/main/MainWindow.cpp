#include "ui/main/MainWindow.h"

#include "ui/main/ContactActions.h"
#include "ui/main/ContactDetailPane.h"
#include "ui/main/ContactLines.h"
#include "ui/main/ContactListModel.h"
#include "ui/main/ContactList.h"
#include "ui/main/ContactSearch.h"
#include "ui/main/ContactSearchFilter.h"
#include "ui/main/HistoryActions.h"
#include "ui/main/InterchangeActions.h"
#include "ui/about/AboutDialog.h"
#include "ui/main/ReportActions.h"
#include "ui/widgets/WidgetFactory.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/main/RepairCommand.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/LayoutUnits.h"
#include "common/Log.h"
#include "store/AddressBook.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "ui/sync/SyncActions.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QFileInfo>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <algorithm>

namespace varnelle {

namespace {

// Whether the detail pane is shown, and its width.
const char *const DetailsKey = "view/details";
const char *const DetailsWidthKey = "view/detailsWidth";

QAction *addCommand(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// Logs (varnelle.ui, info) when a widget is first drawn, for timing the
// start-up from outside the program; goes once it has.
class FirstPaintLog : public QObject {
public:
    FirstPaintLog(QWidget *widget, const char *what) : QObject(widget), mWhat(what) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            qCInfo(lcUi) << mWhat << "drawn";
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    const char *mWhat;
};

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
    // The search reads its index again before the list is filled anew.
    auto refill = [this] {
        mSearch->readAgain();
        fillList();
        mSearch->showCount();
    };
    connect(&mBook, &AddressBook::contactsChanged, this, [this, refill] {
        if (!mList->isChangingContacts())
            refill();
    });
    connect(&mBook, &AddressBook::viewChanged, this, refill);
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    const double top = 120 + SearchBand;
    mContactList = MakeControl<QListView>(client, "contactList", 240, top, 5055, 4350);
    mContacts = new ContactListModel(this);
    mSearchBox = MakeControl<QLineEdit>(client, "searchBox", 240, SearchBoxTop, 5055, SearchBoxHeight);
    mSearchCount = MakeControl<QLabel>(client, "searchCount", 240, SearchCountTop, 5055, SearchCountHeight);
    mSearch = new ContactSearch(mBook, *mContacts, *mContactList, mSearchBox, mSearchCount, this);
    mContactList->setModel(mSearch->filter());
    mList = new ContactList(mBook, *mContactList, *mContacts, *mSearch, this);
    connect(mList, &ContactList::choiceChanged, this, &MainWindow::setButtons);
    connect(mList, &ContactList::failed, this, &MainWindow::failWith);
    mContactList->setUniformItemSizes(true);
    mContactList->setAccessibleName(tr("Contacts"));
    mContactActions = new ContactActions(mBook, this);
    mDetailPane = new ContactDetailPane(mBook, *mContactActions, client);
    mDetailPane->hide();
    UseButtonFace(mContactList);
    KeepSelectionOnceChosen(mContactList);

    mAddButton = MakeButton(client, "addButton", tr("&Add"), 5520, top, 1335, 615);
    mEditButton = MakeButton(client, "editButton", tr("&Edit"), 5520, top + 840, 1335, 615);
    mDeleteButton = MakeButton(client, "deleteButton", tr("&Delete"), 5520, top + 1680, 1335, 615);
    mViewButton = MakeButton(client, "viewButton", tr("&Business"), 5520, top + 3720, 1335, 615);

    layOut(client);

    // The list keeps the first place, and the focus at start-up; the search box comes last.
    SetTabOrder({mContactList, mAddButton, mEditButton, mDeleteButton, mViewButton, mSearchBox});

    // The lines are padded in the window's font, and the list draws them in
    // it, with the numbers at a tab stop.
    setFont(ListFont(font()));
    mContactList->setItemDelegate(new ContactListDelegate(*mContacts, mContactList));

    // A contact drags out as a vCard; contact files dropped on the list are imported.
    mContacts->setDragData([this](std::int32_t personId) { return mContactActions->dragData(personId); });
    mContactList->setDragDropMode(QAbstractItemView::DragDrop);
    mContactList->setDefaultDropAction(Qt::CopyAction);
    mContactList->setDropIndicatorShown(false);
    connect(mContacts, &ContactListModel::filesDropped, this, &MainWindow::importFiles);
    mContactList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mContactList, &QWidget::customContextMenuRequested, this, &MainWindow::showContactMenu);
    mContactList->installEventFilter(this); // the menu key's menu is the current row's
    connect(mContactList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showCurrentDetails(false); });
    connect(mList, &ContactList::choiceChanged, this, [this] { showCurrentDetails(true); });
    connect(mSplitter, &QSplitter::splitterMoved, this, &MainWindow::keepPaneWidth);

    connect(mContactList->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::setButtons);
    connect(mContactList, &QListView::doubleClicked, this, &MainWindow::editContact);
    OnEnterWithSelection(mContactList, [this] { editContact(); });
    connect(mAddButton, &QPushButton::clicked, this, &MainWindow::addContact);
    connect(mEditButton, &QPushButton::clicked, this, &MainWindow::editContact);
    connect(mDeleteButton, &QPushButton::clicked, this, &MainWindow::deleteContact);
    connect(mViewButton, &QPushButton::clicked, this, &MainWindow::switchView);
    connect(mSearch, &ContactSearch::editRequested, this, &MainWindow::editContact);
    connect(mSearch, &ContactSearch::otherViewRequested, this, [this] {
        switchView();
        mSearch->searchFor(mSearchBox->text()); // its first match chosen
    });
    connect(mSearch, &ContactSearch::choiceChanged, this, &MainWindow::setButtons);

    // Keys for the commands: Ctrl+N adds, F2 edits and Delete deletes the
    // chosen contact (Enter on the list edits it too), F1 shows About. A key
    // does what its button does, when its button can.
    const auto onKey = [this](const QKeySequence &key, QPushButton *button) {
        auto *act = new QAction(this);
        act->setShortcut(key);
        connect(act, &QAction::triggered, button, [button] {
            if (button->isEnabled())
                button->click();
        });
        addAction(act);
    };
    onKey(QKeySequence::New, mAddButton);
    onKey(QKeySequence(Qt::Key_F2), mEditButton);
    onKey(QKeySequence(Qt::Key_Delete), mDeleteButton);
}

// The search band and the list on the left, the buttons on the right, as
// they were drawn in twips: at the window's first size every control stands
// where it was drawn. The window grows: the list takes the room, and the
// buttons keep their column; a larger font or a translation widens them.
void MainWindow::layOut(QWidget *client)
{
    const auto px = [](double twips) { return TwipsToPixels(twips); };
    const double top = 120 + SearchBand;
    auto *columns = new QHBoxLayout(client);
    columns->setContentsMargins(px(240), px(SearchBoxTop), px(7080) - px(5520) - px(1335), px(120));
    columns->setSpacing(px(5520) - px(240) - px(5055));

    auto *left = new QVBoxLayout;
    left->setSpacing(0);
    left->addWidget(mSearchBox);
    left->addSpacing(px(SearchCountTop) - px(SearchBoxTop) - px(SearchBoxHeight));
    left->addWidget(mSearchCount);
    left->addSpacing(px(top) - px(SearchCountTop) - px(SearchCountHeight));
    // The detail pane, when shown, stands beside the list in a splitter.
    mSplitter = new QSplitter(Qt::Horizontal, client);
    mSplitter->setObjectName("detailSplitter");
    mSplitter->setChildrenCollapsible(false);
    mSplitter->addWidget(mContactList);
    mSplitter->addWidget(mDetailPane);
    mSplitter->setStretchFactor(0, 1);
    left->addWidget(mSplitter, 1);
    // The box and the count keep their drawn heights, a pixel short of what
    // Qt asks for at the program's font, until a larger font needs more.
    for (const auto &[control, drawn] : {std::pair<QWidget *, double>{mSearchBox, SearchBoxHeight},
                                         {mSearchCount, SearchCountHeight}}) {
        const int asked = control->sizeHint().height();
        control->setFixedHeight(asked > px(drawn) + 1 ? asked : px(drawn));
    }
    // The list is as wide as drawn, or wider when the font needs it to show the numbers whole.
    const QStyle *style = mContactList->style();
    const int insides = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, mContactList) + 1)
                        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, mContactList);
    mContactList->setMinimumSize(std::max(px(5055), LineWidthForNumbers(ListFont(font())) + insides), px(4350));
    columns->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    right->addSpacing(px(top) - px(SearchBoxTop));
    double below = top;
    for (const auto &[button, offset] : {std::pair{mAddButton, 0.0}, {mEditButton, 840.0}, {mDeleteButton, 1680.0}}) {
        right->addSpacing(px(top + offset) - px(below));
        right->addWidget(button);
        below = top + offset + 615;
    }
    right->addStretch(1);
    right->addWidget(mViewButton);
    right->addSpacing(px(top + 4350) - px(top + 3720 + 615));
    // The buttons are as wide as drawn, or as their captions need (the view
    // button's changes with the view), and as tall as drawn.
    right->addStrut(px(1335));
    for (QPushButton *button : {mAddButton, mEditButton, mDeleteButton, mViewButton}) {
        button->setMinimumHeight(px(615));
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    }
    columns->addLayout(right);
}

void MainWindow::createMenus()
{
    mFileMenu = menuBar()->addMenu(tr("&File"));
    mFileMenu->setObjectName("fileMenu");
    mInterchange = new InterchangeActions(mFileMenu, mBook, this);
    mRepairAction = addCommand(mFileMenu, "repairAction", tr("&Repair Database"));
    mExitAction = addCommand(mFileMenu, "exitAction", tr("E&xit"));
    AddSyncActions(mFileMenu, mBook, this);

    QMenu *editMenu = menuBar()->addMenu(tr("Ed&it"));
    editMenu->setObjectName("editMenu");
    new HistoryActions(editMenu, mBook, this);

    mViewMenu = menuBar()->addMenu(tr("&View"));
    mViewMenu->setObjectName("viewMenu");
    mDetailsAction = addCommand(mViewMenu, "detailsAction", tr("&Details"));
    mDetailsAction->setCheckable(true);
    mDetailsAction->setShortcut(Qt::Key_F3);

    mTablesMenu = menuBar()->addMenu(tr("&Tables"));
    mTablesMenu->setObjectName("tablesMenu");
    mPhoneTypesAction = addCommand(mTablesMenu, "phoneTypesAction", tr("&Telephone Types"));

    QMenu *reportsMenu = menuBar()->addMenu(tr("&Reports"));
    reportsMenu->setObjectName("reportsMenu");
    mReports = new ReportActions(reportsMenu, mBook, this);

    mHelpMenu = menuBar()->addMenu(tr("&Help"));
    mHelpMenu->setObjectName("helpMenu");
    mAboutAction = addCommand(mHelpMenu, "aboutAction", tr("&About"));
    mAboutAction->setShortcut(QKeySequence::HelpContents);

    connect(mRepairAction, &QAction::triggered, this, &MainWindow::repairDatabase);
    connect(mExitAction, &QAction::triggered, this, &QWidget::close);
    connect(mPhoneTypesAction, &QAction::triggered, this, &MainWindow::showPhoneTypes);
    connect(mAboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(mDetailsAction, &QAction::toggled, this, &MainWindow::showDetails);
}

void MainWindow::showDetails(bool shown)
{
    mDetailsAction->setChecked(shown);
    QSettings().setValue(DetailsKey, shown);
    if (shown == !mDetailPane->isHidden())
        return;
    // The window grows by the pane, and shrinks by it again, unless it fills the screen.
    const bool resizable = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (shown) {
        const int width = std::max(QSettings().value(DetailsWidthKey, 44 * fontMetrics().averageCharWidth()).toInt(),
                                   mDetailPane->minimumSizeHint().width());
        const int listWidth = mContactList->width();
        mDetailPane->show();
        mSplitter->setSizes({listWidth, width});
        if (resizable)
            growWithinScreen(width + mSplitter->handleWidth());
        showCurrentDetails(false);
    } else {
        const int width = mDetailPane->width() + mSplitter->handleWidth();
        keepPaneWidth();
        mDetailPane->hide();
        if (resizable)
            resize(std::max(minimumSizeHint().width(), this->width() - width), height());
    }
}

void MainWindow::growWithinScreen(int wider)
{
    // Never beyond the screen: the window moves left first, then grows no
    // further than the screen's width (the list and the pane share less).
    const QRect area = screen()->availableGeometry();
    const int frame = frameGeometry().width() - width();
    resize(std::max(width(), std::min(width() + wider, area.width() - frame)), height());
    if (isVisible() && x() + width() + frame > area.right() + 1)
        move(std::max(area.left(), area.right() + 1 - width() - frame), y());
}

void MainWindow::keepPaneWidth()
{
    if (!mDetailPane->isHidden() && mDetailPane->width() > 0)
        QSettings().setValue(DetailsWidthKey, mDetailPane->width());
}

void MainWindow::showCurrentDetails(bool readAgain)
{
    const QModelIndex current = mContactList->currentIndex();
    const std::int32_t personId = current.isValid() ? current.data(ContactListModel::PersonIdRole).toInt() : 0;
    mDetailPane->showContact(personId);
    if (readAgain)
        mDetailPane->refresh();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The menu key asks for a menu at no particular place: the current row's.
    if (watched == mContactList && event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        if (const QModelIndex current = mContactList->currentIndex(); current.isValid()) {
            mContactList->scrollTo(current);
            showContactMenu(mContactList->visualRect(current).center());
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showContactMenu(const QPoint &pos)
{
    const QModelIndex index = mContactList->indexAt(pos);
    if (!index.isValid())
        return;
    mContactList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    QMenu menu(this);
    menu.setObjectName("contactMenu");
    mContactActions->addTo(menu, index.data(ContactListModel::PersonIdRole).toInt(), [this] { editContact(); },
                           [this] { deleteContact(); });
    menu.exec(mContactList->viewport()->mapToGlobal(pos));
}

const ReportRequest &MainWindow::lastReportRequest() const
{
    return mReports->lastRequest();
}

void MainWindow::showAbout()
{
    AboutDialog about(QFileInfo(mBook.fileName()).absoluteFilePath(), this);
    about.exec();
}

void MainWindow::load()
{
    setButtons();
    // The pane as it was left; a first run shows the window without it.
    if (QSettings().value(DetailsKey, false).toBool()) {
        adjustSize();
        showDetails(true);
    }
    InitMainForm(*this);
    EnsureDatabase(mBook.fileName());
    mBook.open();
    // A damaged book opens with whatever can be read, so that File > Repair Database can be reached.
    const bool told = CheckBookAtStartUp(mBook);
    try {
        mBook.readSavedView();
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Damaged)
            throw;
        if (!told)
            ShowRefusal(error.message());
    }
    fillList();
    new FirstPaintLog(mContactList->viewport(), "contact list");
    mSearch->readAgain();
    findChild<HistoryActions *>()->pruneSoon();
}

void MainWindow::failWith(const QString &message)
{
    ShowRefusal(message);
    mBook.close();
    mFailed = true;
    QCoreApplication::exit(1);
}

void MainWindow::fillList()
{
    mList->fill();
    mViewButton->setText(mBook.isBusiness() ? tr("&Business") : tr("&Personal"));
}

void MainWindow::importFiles(const QStringList &fileNames)
{
    mInterchange->importFiles(fileNames);
}

void MainWindow::editContactNumbered(std::int32_t personId)
{
    mList->editContactNumbered(personId);
}

void MainWindow::searchFor(const QString &text)
{
    mSearch->focus();
    mSearch->searchFor(text);
}

QString MainWindow::formatLine(std::int32_t personId)
{
    return mList->formatLine(personId);
}

void MainWindow::setButtons()
{
    const bool selected = mList->selectedRow() >= 0;
    mEditButton->setEnabled(selected);
    mDeleteButton->setEnabled(selected);
}

void MainWindow::addContact()
{
    mList->addContact();
}

void MainWindow::editContact()
{
    mList->editContact();
}

void MainWindow::deleteContact()
{
    mList->deleteContact();
}

void MainWindow::switchView()
{
    mList->switchView();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    keepPaneWidth();
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
