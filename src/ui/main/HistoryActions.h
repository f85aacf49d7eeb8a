#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace varnelle {

class AddressBook;

// The Edit menu: Undo and Redo (each naming what it takes back, through the
// book's own history, also of earlier runs and other programs), "Recently
// Deleted…" and "History…". Lives as a child of the window it was added to.
class HistoryActions : public QObject {
    Q_OBJECT
public:
    HistoryActions(QMenu *editMenu, AddressBook &book, QWidget *window);

public slots:
    void undo();
    void redo();
    void showRecentlyDeleted();
    void showHistory();
    // Names what Undo and Redo would take back now.
    void updateActions();
    // Forgets the history older than the days kept, once the events waiting
    // now (the list being drawn) are done.
    void pruneSoon();

private:
    AddressBook &mBook;
    QWidget *mWindow;
    QAction *mUndo;
    QAction *mRedo;
};

} // namespace varnelle
