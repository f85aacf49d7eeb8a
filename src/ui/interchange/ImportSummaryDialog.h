#pragma once

#include "interchange/ImportSummary.h"

#include <QDialog>

class QPushButton;
class QTreeView;

namespace varnelle {

class AddressBook;
class ImportSummaryModel;

// Shows the summary of an import: its counts, then its lines grouped by kind
// ("Country — 100,000 contacts (USA 99,000, Canada 1,000)"), each group
// expanding to its lines; "Save As..." keeps every line in a text file.
class ImportSummaryDialog : public QDialog {
    Q_OBJECT
public:
    ImportSummaryDialog(AddressBook &book, const interchange::ImportSummary &summary, QWidget *parent = nullptr);
    // A summary of these lines alone, ungrouped.
    ImportSummaryDialog(AddressBook &book, const QStringList &lines, QWidget *parent = nullptr);

public slots:
    void saveSummary();

private:
    void fetchShownLines();

    QTreeView *mSummaryTree = nullptr;
    ImportSummaryModel *mModel = nullptr;
    QPushButton *mSaveAsButton = nullptr;
    QPushButton *mCloseButton = nullptr;
    AddressBook &mBook;
    interchange::ImportSummary mSummary;
};

} // namespace varnelle
