#include "ui/main/ContactSearch.h"

#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "ui/main/ContactListModel.h"
#include "ui/main/ContactSearchFilter.h"
#include "ui/main/LiveSearchIndex.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTextDocumentFragment>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QToolButton>

namespace varnelle {

ContactSearch::ContactSearch(AddressBook &book, ContactListModel &contacts, QListView &list, QLineEdit *box,
                             QLabel *count, QWidget *window)
    : QObject(window), mBook(book), mContacts(contacts), mList(list), mBox(box), mCount(count)
{
    mBox->setPlaceholderText(tr("Search contacts"));
    mBox->setAccessibleName(tr("Search"));
    mBox->setClearButtonEnabled(true);
    for (QToolButton *clear : mBox->findChildren<QToolButton *>())
        clear->setAccessibleName(tr("Clear search"));
    mCount->setAccessibleName(tr("Search results"));
    connect(mCount, &QLabel::linkActivated, this, &ContactSearch::otherViewRequested);

    mIndex = new LiveSearchIndex(mBook, this);
    mFiltered = new ContactSearchFilter(mIndex->index(), this);
    mFiltered->setSourceModel(&mContacts);
    // An index read while a search is shown applies at once.
    connect(mIndex, &LiveSearchIndex::readInBackground, this, [this] {
        if (mFiltered->isActive()) {
            mFiltered->refresh();
            showCount();
        }
    });

    auto *find = new QShortcut(QKeySequence::Find, window);
    connect(find, &QShortcut::activated, this, &ContactSearch::focus);
    connect(mBox, &QLineEdit::textChanged, this, &ContactSearch::searchFor);
    mBox->installEventFilter(this);
    mList.installEventFilter(this);
    // Rows coming and going (an addition, a deletion) change the count too.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(mFiltered, signal, this, &ContactSearch::showCount);
    connect(mFiltered, &QAbstractItemModel::modelReset, this, &ContactSearch::showCount);
    showCount();
}

void ContactSearch::focus()
{
    mBox->setFocus(Qt::ShortcutFocusReason);
    mBox->selectAll();
}

void ContactSearch::searchFor(const QString &text)
{
    if (mBox->text() != text)
        mBox->setText(text); // textChanged brings us back here
    if (mIndex->isReading() && !text.trimmed().isEmpty()) {
        // The first reading of a large book, whose keys are made once, takes a moment.
        mCount->setText(tr("Preparing the search..."));
        mCount->repaint();
    }
    mIndex->makeCurrent();
    const QModelIndexList chosen = mList.selectionModel()->selectedIndexes();
    const std::int32_t selected =
        chosen.isEmpty() ? 0 : mContacts.personIdAt(mFiltered->mapToSource(chosen.first()).row());
    mFiltered->setSearchText(text);
    QModelIndex current;
    if (mFiltered->isActive())
        current = mFiltered->index(0, 0);
    else if (selected != 0)
        current = mFiltered->mapFromSource(mContacts.index(mContacts.rowOf(selected)));
    if (current.isValid()) {
        mList.selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        mList.scrollTo(current);
    } else {
        mList.clearSelection();
    }
    showCount();
    emit choiceChanged();
}

void ContactSearch::contactChanged(std::int32_t personId)
{
    mOtherView.reset();
    mFiltered->pin(personId);
    mIndex->contactChanged(personId);
}

void ContactSearch::readAgain()
{
    mOtherView.reset();
    mIndex->startReading();
    if (mFiltered->isActive())
        mIndex->makeCurrent();
}

qsizetype ContactSearch::otherViewMatches()
{
    if (!mOtherView) {
        try {
            mOtherView.emplace().build(mBook.database(), !mBook.isBusiness());
        } catch (const DatabaseError &) {
            mOtherView.emplace(); // nothing to offer from a book that cannot be read
        }
    }
    return mOtherView->countMatching(text::SearchQuery(mBox->text()));
}

void ContactSearch::showCount()
{
    QString line;
    if (mFiltered->isActive())
        line = tr("%1 of %2 contacts").arg(mFiltered->rowCount()).arg(mContacts.rowCount());
    // Nothing here, but something in the other view: said, with a way there.
    if (mFiltered->isActive() && mFiltered->rowCount() == 0) {
        if (const qsizetype elsewhere = otherViewMatches(); elsewhere > 0)
            line = tr("%1 of %2 contacts — %3 in %4 (<a href=\"other-view\">Show</a>)")
                       .arg(0)
                       .arg(mContacts.rowCount())
                       .arg(elsewhere)
                       .arg(mBook.isBusiness() ? tr("Personal") : tr("Business"));
    }
    if (line == mCount->text())
        return;
    mCount->setText(line);
    // A screen reader reads the count by its name, told of each change.
    const QString plain = QTextDocumentFragment::fromHtml(line).toPlainText();
    mCount->setAccessibleName(plain.isEmpty() ? tr("Search results") : tr("Search results: %1").arg(plain));
    QAccessibleEvent changed(mCount, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

bool ContactSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (watched == &mList && key->text() == QLatin1String("/")) {
        focus();
        return true;
    }
    if (watched != mBox || !plain)
        return false;
    switch (key->key()) {
    case Qt::Key_Escape:
        mBox->clear();
        mList.setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mList.selectionModel()->hasSelection())
            emit editRequested();
        else if (mFiltered->isActive() && mFiltered->rowCount() == 0 && otherViewMatches() > 0)
            emit otherViewRequested();
        return true;
    case Qt::Key_Down:
        mList.setFocus(Qt::OtherFocusReason);
        return true;
    default:
        return false;
    }
}

} // namespace varnelle
