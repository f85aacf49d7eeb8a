#pragma once

#include "store/History.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace varnelle {

class AddressBook;

// How an entry of the history reads in the Edit menu and the windows:
// "Delete 'Smith, Ann'", "Import of 300 Contacts from phone.vcf".
QString HistoryMenuText(const HistoryEntry &entry);

// Undoes the entries (the newest first, in one step); when later changes to
// the same contacts stand in the way, asks whether to undo them too, naming
// them. The book is read again after. False when nothing was undone.
bool UndoAskingFirst(AddressBook &book, const QList<qint64> &entries, const QString &subject = {});

// Edit > "Recently Deleted…": the contacts deleted within the days kept,
// newest first, with when and by what; searchable; Restore brings back the
// chosen ones, several at once.
class RecentlyDeletedDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecentlyDeletedDialog(AddressBook &book, QWidget *parent = nullptr);

private:
    void fill();
    void filter();
    void restore();

    AddressBook &mBook;
    QLineEdit *mSearch = nullptr;
    QTreeWidget *mList = nullptr;
    QPushButton *mRestore = nullptr;
};

// Edit > "History…": the changes, newest first, with time, what and where
// from; the chosen one's rows (field: old → new); Undo This Change, and
// Restore the book as it was at the chosen change (everything after it
// undone in one step).
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(AddressBook &book, QWidget *parent = nullptr);

private:
    void fill();
    void showChanges();
    void undoChosen();
    void restoreToChosen();
    qint64 chosen() const;

    AddressBook &mBook;
    QTreeWidget *mList = nullptr;
    QListWidget *mChanges = nullptr;
    QPushButton *mUndo = nullptr;
    QPushButton *mRestorePoint = nullptr;
};

} // namespace varnelle
