#include "ui/history/HistoryDialogs.h"

#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace varnelle {

namespace {


QString shownTime(const QDateTime &time)
{
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}

QString tableName(const QString &table)
{
    if (table == "Address")
        return QCoreApplication::translate("HistoryDialogs", "Contact");
    if (table == "TelephoneList")
        return QCoreApplication::translate("HistoryDialogs", "Number");
    if (table == "TelephoneType")
        return QCoreApplication::translate("HistoryDialogs", "Type");
    if (table == "ContactAddress")
        return QCoreApplication::translate("HistoryDialogs", "Further address");
    return QCoreApplication::translate("HistoryDialogs", "Detail");
}

QTreeWidget *makeList(QWidget *parent, const char *name, const QStringList &columns)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(columns);
    list->setAllColumnsShowFocus(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

} // namespace

QString HistoryMenuText(const HistoryEntry &e)
{
    const QString &k = e.kind;
    if (k == history::Add)
        return QCoreApplication::translate("HistoryDialogs", "Add '%1'").arg(e.subject);
    if (k == history::Edit)
        return QCoreApplication::translate("HistoryDialogs", "Changes to '%1'").arg(e.subject);
    if (k == history::Delete)
        return QCoreApplication::translate("HistoryDialogs", "Delete '%1'").arg(e.subject);
    if (k == history::Import)
        return (e.count == 1 ? QCoreApplication::translate("HistoryDialogs", "Import of %1 Contact from %2") : QCoreApplication::translate("HistoryDialogs", "Import of %1 Contacts from %2"))
            .arg(e.count)
            .arg(e.subject);
    if (k == history::Sync) {
        const QString host = QUrl(e.subject).host();
        return (e.count == 1 ? QCoreApplication::translate("HistoryDialogs", "Sync with %1 (%2 change)") : QCoreApplication::translate("HistoryDialogs", "Sync with %1 (%2 changes)"))
            .arg(host.isEmpty() ? e.subject : host)
            .arg(e.count);
    }
    if (k == history::TypeAdd)
        return QCoreApplication::translate("HistoryDialogs", "New Type '%1'").arg(e.subject);
    if (k == history::TypeRename)
        return QCoreApplication::translate("HistoryDialogs", "Rename of Type '%1'").arg(e.subject);
    if (k == history::TypeDelete)
        return QCoreApplication::translate("HistoryDialogs", "Delete of Type '%1'").arg(e.subject);
    if (k == history::Restore)
        return (e.count == 1 ? QCoreApplication::translate("HistoryDialogs", "Restore of %1 Contact") : QCoreApplication::translate("HistoryDialogs", "Restore of %1 Contacts")).arg(e.count);
    if (k == history::Undo || k == history::Redo)
        return HistoryEntryText(e);
    return QCoreApplication::translate("HistoryDialogs", "Change by Another Program");
}

bool UndoAskingFirst(AddressBook &book, const QList<qint64> &entries, const QString &subject)
{
    try {
        try {
            UndoEntries(book.database(), entries, false, subject);
        } catch (const HistoryConflict &conflict) {
            QStringList names;
            for (const HistoryEntry &e : conflict.entries())
                names << QString("%1 (%2)").arg(HistoryMenuText(e), shownTime(e.time));
            if (!AskYesNo(QCoreApplication::translate("HistoryDialogs", "The same contacts were changed again since:\n\n%1\n\nUndo these later changes too?")
                              .arg(names.join('\n'))))
                return false;
            UndoEntries(book.database(), entries, true, subject);
        }
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return false;
    }
    book.reload();
    return true;
}

RecentlyDeletedDialog::RecentlyDeletedDialog(AddressBook &book, QWidget *parent) : QDialog(parent), mBook(book)
{
    setObjectName("RecentlyDeletedDialog");
    setWindowTitle(tr("Recently Deleted"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("&Search:"), this);
    mSearch = new QLineEdit(this);
    mSearch->setObjectName("deletedSearch");
    label->setBuddy(mSearch);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(label);
    searchRow->addWidget(mSearch);
    layout->addLayout(searchRow);
    mList = makeList(this, "deletedList", {tr("Name"), tr("Deleted"), tr("By")});
    mList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mList->setAccessibleName(tr("Recently deleted contacts"));
    layout->addWidget(mList);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    mRestore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    mRestore->setObjectName("restoreButton");
    buttons->button(QDialogButtonBox::Close)->setObjectName("closeButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mRestore, &QPushButton::clicked, this, &RecentlyDeletedDialog::restore);
    connect(mSearch, &QLineEdit::textChanged, this, &RecentlyDeletedDialog::filter);
    connect(mList, &QTreeWidget::itemSelectionChanged, this,
            [this] { mRestore->setEnabled(!mList->selectedItems().isEmpty()); });
    resize(560, 360);
    fill();
}

void RecentlyDeletedDialog::fill()
{
    mList->clear();
    try {
        for (const DeletedContact &d : ReadDeletedContacts(mBook.database())) {
            auto *item = new QTreeWidgetItem(mList, {d.name.isEmpty() ? tr("(no name)") : d.name, shownTime(d.time),
                                                     HistoryMenuText(d.deletedBy)});
            item->setData(0, Qt::UserRole, d.number);
        }
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    if (mList->topLevelItemCount() > 0)
        mList->setCurrentItem(mList->topLevelItem(0));
    filter();
}

void RecentlyDeletedDialog::filter()
{
    const QString words = mSearch->text().trimmed();
    for (int i = 0; i < mList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = mList->topLevelItem(i);
        item->setHidden(!words.isEmpty() && !item->text(0).contains(words, Qt::CaseInsensitive));
    }
    mRestore->setEnabled(!mList->selectedItems().isEmpty());
}

void RecentlyDeletedDialog::restore()
{
    QList<qint64> numbers;
    for (QTreeWidgetItem *item : mList->selectedItems())
        if (!item->isHidden())
            numbers << item->data(0, Qt::UserRole).toLongLong();
    if (numbers.isEmpty())
        return;
    try {
        mBook.refreshIfChanged();
        RestoreDeletedContacts(mBook.database(), numbers);
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    mBook.reload();
    fill();
}

HistoryDialog::HistoryDialog(AddressBook &book, QWidget *parent) : QDialog(parent), mBook(book)
{
    setObjectName("HistoryDialog");
    setWindowTitle(tr("History"));
    auto *layout = new QVBoxLayout(this);
    auto *split = new QSplitter(Qt::Vertical, this);
    mList = makeList(split, "historyList", {tr("Time"), tr("Change"), tr("From")});
    mList->setAccessibleName(tr("Changes, newest first"));
    mChanges = new QListWidget(split);
    mChanges->setObjectName("changeList");
    mChanges->setAccessibleName(tr("What changed"));
    layout->addWidget(split);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    mUndo = buttons->addButton(tr("&Undo This Change"), QDialogButtonBox::ActionRole);
    mUndo->setObjectName("undoChangeButton");
    mRestorePoint = buttons->addButton(tr("Restore the Book &as It Was at This Change"), QDialogButtonBox::ActionRole);
    mRestorePoint->setObjectName("restorePointButton");
    buttons->button(QDialogButtonBox::Close)->setObjectName("closeButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mList, &QTreeWidget::currentItemChanged, this, &HistoryDialog::showChanges);
    connect(mUndo, &QPushButton::clicked, this, &HistoryDialog::undoChosen);
    connect(mRestorePoint, &QPushButton::clicked, this, &HistoryDialog::restoreToChosen);
    resize(640, 480);
    fill();
}

qint64 HistoryDialog::chosen() const
{
    return mList->currentItem() ? mList->currentItem()->data(0, Qt::UserRole).toLongLong() : 0;
}

void HistoryDialog::fill()
{
    mList->clear();
    try {
        for (const HistoryEntry &e : ReadHistory(mBook.database())) {
            const QString what = e.undone() ? tr("%1 (undone)").arg(HistoryMenuText(e)) : HistoryMenuText(e);
            auto *item = new QTreeWidgetItem(
                mList, {shownTime(e.time), what, e.source.isEmpty() ? tr("another program") : e.source});
            item->setData(0, Qt::UserRole, e.id);
            item->setData(1, Qt::UserRole, e.undone() || e.kind == history::Undo || e.kind == history::Redo);
        }
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    if (mList->topLevelItemCount() > 0)
        mList->setCurrentItem(mList->topLevelItem(0));
    showChanges();
}

void HistoryDialog::showChanges()
{
    mChanges->clear();
    QTreeWidgetItem *item = mList->currentItem();
    const bool undoable = item && !item->data(1, Qt::UserRole).toBool();
    mUndo->setEnabled(undoable);
    mRestorePoint->setEnabled(item && mList->indexOfTopLevelItem(item) > 0);
    if (!item)
        return;
    try {
        for (const HistoryChangeRow &row : ReadHistoryChanges(mBook.database(), chosen())) {
            const QString op = row.operation.startsWith("insert") ? tr("added")
                               : row.operation == "delete" ? tr("deleted")
                                                           : tr("changed");
            QStringList fields;
            for (const HistoryFieldChange &f : row.fields)
                if (row.operation == "update")
                    fields << tr("%1: %2 → %3").arg(f.field, f.oldValue, f.newValue);
                else if (!f.oldValue.isEmpty() || !f.newValue.isEmpty())
                    fields << QString("%1: %2").arg(f.field, f.oldValue.isEmpty() ? f.newValue : f.oldValue);
            mChanges->addItem(QString("%1 %2 %3").arg(tableName(row.table), op, fields.join("; ")).trimmed());
        }
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
}

void HistoryDialog::undoChosen()
{
    if (const qint64 id = chosen(); id && UndoAskingFirst(mBook, {id}))
        fill();
}

void HistoryDialog::restoreToChosen()
{
    const qint64 point = chosen();
    QTreeWidgetItem *item = mList->currentItem();
    if (!point || !item)
        return;
    QList<qint64> later;
    for (int i = 0; i < mList->indexOfTopLevelItem(item); ++i)
        if (!mList->topLevelItem(i)->data(1, Qt::UserRole).toBool())
            later << mList->topLevelItem(i)->data(0, Qt::UserRole).toLongLong();
    if (later.isEmpty())
        return;
    const QString when = item->text(0);
    if (!AskYesNo(tr("Undo the %1 changes made after %2, in one step?").arg(later.size()).arg(when)))
        return;
    try {
        UndoEntries(mBook.database(), later, true, tr("Restore of the book as it was at %1").arg(when));
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    mBook.reload();
    fill();
}

} // namespace varnelle
