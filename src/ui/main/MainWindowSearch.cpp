// The main window's search box: the list narrowed to the contacts that match
// the words typed, as they are typed.
#include "ui/main/MainWindow.h"

#include "store/AddressBook.h"
#include "ui/main/ContactSearchFilter.h"
#include "ui/main/LiveSearchIndex.h"
#include "ui/widgets/LayoutUnits.h"
#include "ui/widgets/WidgetFactory.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QToolButton>

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

    mSearchIndex = new LiveSearchIndex(mBook, this);
    mFiltered = new ContactSearchFilter(mSearchIndex->index(), this);
    mFiltered->setSourceModel(mContacts);
    // An index read while a search is shown applies at once.
    connect(mSearchIndex, &LiveSearchIndex::readInBackground, this, [this] {
        if (mFiltered->isActive()) {
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

void MainWindow::searchFor(const QString &text)
{
    if (mSearchBox->text() != text)
        mSearchBox->setText(text); // textChanged brings us back here
    mSearchIndex->makeCurrent();
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
    mSearchIndex->contactChanged(personId);
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
