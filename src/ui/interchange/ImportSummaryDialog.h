#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace varnelle {

// Shows the summary of an import, line by line; "Save As..." keeps it in a
// text file.
class ImportSummaryDialog : public QDialog {
    Q_OBJECT
public:
    ImportSummaryDialog(const QStringList &lines, QWidget *parent = nullptr);

    void cmdSaveAs_Click();

    QPlainTextEdit *txtSummary = nullptr;
    QPushButton *cmdSaveAs = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace varnelle
