#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace varnelle {

class AddressBook;

// Shows the summary of an import, line by line; "Save As..." keeps it in a
// text file.
class ImportSummaryDialog : public QDialog {
    Q_OBJECT
public:
    ImportSummaryDialog(AddressBook &book, const QStringList &lines, QWidget *parent = nullptr);

public slots:
    void saveSummary();

private:
    QPlainTextEdit *mSummaryText = nullptr;
    QPushButton *mSaveAsButton = nullptr;
    QPushButton *mCloseButton = nullptr;
    AddressBook &mBook;
};

} // namespace varnelle
