#include "ui/main/HistoryActions.h"

#include "store/AddressBook.h"
#include "store/History.h"
#include "ui/history/HistoryDialogs.h"
#include "ui/widgets/MessageBox.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace varnelle {

HistoryActions::HistoryActions(QMenu *editMenu, AddressBook &book, QWidget *window)
    : QObject(window), mBook(book), mWindow(window)
{
    setObjectName("historyActions");
    mUndo = editMenu->addAction(tr("&Undo"), this, &HistoryActions::undo);
    mUndo->setObjectName("undoAction");
    mUndo->setShortcut(QKeySequence::Undo);
    mRedo = editMenu->addAction(tr("&Redo"), this, &HistoryActions::redo);
    mRedo->setObjectName("redoAction");
    mRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    editMenu->addSeparator();
    editMenu->addAction(tr("Recently &Deleted…"), this, &HistoryActions::showRecentlyDeleted)
        ->setObjectName("recentlyDeletedAction");
    editMenu->addAction(tr("&History…"), this, &HistoryActions::showHistory)->setObjectName("historyAction");
    connect(editMenu, &QMenu::aboutToShow, this, [this] {
        mBook.refreshIfChanged();
        updateActions();
    });
    connect(&mBook, &AddressBook::contactsChanged, this, &HistoryActions::updateActions);
    connect(&mBook, &AddressBook::typesChanged, this, &HistoryActions::updateActions);
    updateActions();
}

void HistoryActions::updateActions()
{
    std::optional<HistoryEntry> undo, redo;
    try {
        if (mBook.isOpen()) {
            undo = NextUndo(mBook.database());
            redo = NextRedo(mBook.database());
            if (redo)
                redo = ReadHistoryEntry(mBook.database(), redo->target);
        }
    } catch (const DatabaseError &) {
        // Nothing to offer from a book that cannot be read.
    }
    mUndo->setEnabled(bool(undo));
    mUndo->setText(undo ? tr("&Undo %1").arg(HistoryMenuText(*undo)) : tr("&Undo"));
    mRedo->setEnabled(bool(redo));
    mRedo->setText(redo ? tr("&Redo %1").arg(HistoryMenuText(*redo)) : tr("&Redo"));
}

void HistoryActions::pruneSoon()
{
    QTimer::singleShot(0, this, [this] {
        if (!mBook.isOpen() || mBook.damageFound())
            return;
        try {
            if (PruneHistory(mBook.database()) > 0)
                updateActions();
        } catch (const DatabaseError &) {
            // Kept a while longer: the next start prunes it.
        }
    });
}

void HistoryActions::undo()
{
    std::optional<HistoryEntry> next;
    try {
        mBook.refreshIfChanged();
        next = NextUndo(mBook.database());
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return;
    }
    if (next)
        UndoAskingFirst(mBook, {next->id});
    updateActions();
}

void HistoryActions::redo()
{
    try {
        mBook.refreshIfChanged();
        if (NextRedo(mBook.database()))
            RedoLast(mBook.database());
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    mBook.reload();
    updateActions();
}

void HistoryActions::showRecentlyDeleted()
{
    mBook.refreshIfChanged();
    RecentlyDeletedDialog dialog(mBook, mWindow);
    dialog.exec();
    updateActions();
}

void HistoryActions::showHistory()
{
    mBook.refreshIfChanged();
    HistoryDialog dialog(mBook, mWindow);
    dialog.exec();
    updateActions();
}

} // namespace varnelle
