// The main window's search box: the list narrowed to the contacts that match
// the words typed, as they are typed.
#include "ui/main/MainWindow.h"

#include "store/AddressBook.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "ui/main/ContactSearchFilter.h"
#include "ui/widgets/LayoutUnits.h"
#include "ui/widgets/WidgetFactory.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>

namespace varnelle {

void MainWindow::createSearch(QWidget *client)
{
    mSearchBox = MakeControl<QLineEdit>(client, "searchBox", 240, SearchBoxTop, 5055, SearchBoxHeight);
    mSearchBox->setPlaceholderText(tr("Search contacts"));
    mSearchBox->setAccessibleName(tr("Search"));
    mSearchBox->setClearButtonEnabled(true);
    for (QToolButton *clear : mSearchBox->findChildren<QToolButton *>())
        clear->setAccessibleName(tr("Clear search"));
    mSearchCount = MakeControl<QLabel>(client, "searchCount", 240, SearchCountTop, 5055, SearchCountHeight);
    mSearchCount->setAccessibleName(tr("Search results"));

    mFiltered = new ContactSearchFilter(mSearchIndex, this);
    mFiltered->setSourceModel(mContacts);
    // An index read while a search is shown applies at once.
    connect(&mIndexBuild, &QFutureWatcherBase::finished, this, [this] {
        if (mSearchIndexStale && takeSearchIndex() && mFiltered->isActive()) {
            mFiltered->refresh();
            showSearchCount();
        }
    });

    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &MainWindow::focusSearch);
    connect(mSearchBox, &QLineEdit::textChanged, this, &MainWindow::searchFor);
    mSearchBox->installEventFilter(this);
    mContactList->installEventFilter(this);
    // Rows coming and going (an addition, a deletion) change the count too.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(mFiltered, signal, this, &MainWindow::showSearchCount);
    connect(mFiltered, &QAbstractItemModel::modelReset, this, &MainWindow::showSearchCount);
    showSearchCount();
}

void MainWindow::focusSearch()
{
    mSearchBox->setFocus(Qt::ShortcutFocusReason);
    mSearchBox->selectAll();
}

void MainWindow::startSearchIndex()
{
    mIndexBuild.waitForFinished(); // an earlier reading is out of date
    mSearchIndexStale = true;
    mChangedDuringBuild.clear();
    if (!mBook.isOpen())
        return;
    mIndexBuild.setFuture(QtConcurrent::run([file = mBook.fileName(), view = mBook.isBusiness()] {
        std::optional<SearchIndex> index;
        try {
            Connection book = OpenForReading(file);
            index.emplace().build(book.database(), view);
        } catch (const DatabaseError &) {
            // Read again on the first search, where a failure leaves the list as it is.
        }
        return index;
    }));
}

bool MainWindow::takeSearchIndex()
{
    if (!mIndexBuild.future().isValid() || mIndexBuild.isCanceled() || !mSearchIndexStale)
        return !mSearchIndexStale;
    std::optional<SearchIndex> index = mIndexBuild.result();
    mIndexBuild.setFuture({});
    if (!index)
        return false;
    mSearchIndex = std::move(*index);
    mSearchIndexStale = false;
    for (const std::int32_t personId : std::as_const(mChangedDuringBuild))
        contactChanged(personId);
    mChangedDuringBuild.clear();
    return true;
}

void MainWindow::prepareSearchIndex()
{
    if (!mSearchIndexStale)
        return;
    mIndexBuild.waitForFinished();
    if (takeSearchIndex())
        return;
    try {
        mSearchIndex.build(mBook.database(), mBook.isBusiness());
        mSearchIndexStale = false;
    } catch (const DatabaseError &) {
        // A book that cannot be read is told about when the list is read;
        // the search then lists what it can.
        mSearchIndex.clear();
    }
}

void MainWindow::searchFor(const QString &text)
{
    if (mSearchBox->text() != text)
        mSearchBox->setText(text); // textChanged brings us back here
    prepareSearchIndex();
    const std::int32_t selected = selectedRow() >= 0 ? mContacts->personIdAt(selectedRow()) : 0;
    mFiltered->setSearchText(text);
    // A search selects its first match; the whole list again keeps the contact chosen.
    QModelIndex current;
    if (mFiltered->isActive())
        current = mFiltered->index(0, 0);
    else if (selected != 0)
        current = mFiltered->mapFromSource(mContacts->index(mContacts->rowOf(selected)));
    if (current.isValid()) {
        mContactList->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        mContactList->scrollTo(current);
    } else {
        mContactList->clearSelection();
    }
    showSearchCount();
    setButtons();
}

void MainWindow::contactChanged(std::int32_t personId)
{
    mFiltered->pin(personId);
    if (mSearchIndexStale) {
        mChangedDuringBuild.insert(personId);
        return;
    }
    try {
        mSearchIndex.update(mBook.database(), personId);
    } catch (const DatabaseError &) {
        mSearchIndexStale = true;
    }
}

void MainWindow::showSearchCount()
{
    mSearchCount->setText(mFiltered->isActive()
                              ? tr("%1 of %2 contacts").arg(mFiltered->rowCount()).arg(mContacts->rowCount())
                              : QString());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (watched == mContactList && key->text() == QLatin1String("/")) {
        focusSearch();
        return true;
    }
    if (watched == mSearchBox && plain) {
        switch (key->key()) {
        case Qt::Key_Escape:
            mSearchBox->clear();
            mContactList->setFocus(Qt::OtherFocusReason);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selectedRow() >= 0)
                editContact();
            return true;
        case Qt::Key_Down:
            mContactList->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace varnelle
