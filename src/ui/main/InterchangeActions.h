#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QWidget;

namespace varnelle {

class AddressBook;

// File > "Import Contacts…" (a vCard or CSV file into the book, in one
// transaction with progress and Cancel, then its summary) and File > "Export
// Contacts…" (all contacts or the view's, as vCard 4.0, 3.0 or CSV). Lives as
// a child of the window it was added to; the lists refill themselves through
// the book's signals.
class InterchangeActions : public QObject {
    Q_OBJECT
public:
    InterchangeActions(QMenu *fileMenu, AddressBook &book, QWidget *window);

public slots:
    void importContacts();
    void exportContacts();

public:
    // Imports each file in turn as "Import Contacts…" does once its file is
    // chosen: the choice of view, the progress, the summary. A file waits
    // while another window is modal (an import under way, an editor), and
    // files given again while some wait join the end of the queue.
    void importFiles(const QStringList &fileNames);

private:
    void importFile(const QString &fileName);
    void importWaitingFiles();

    QStringList mWaiting;
    bool mImporting = false;
    AddressBook &mBook;
    QWidget *mWindow;
};

} // namespace varnelle
