#include "ui/interchange/ImportSummaryDialog.h"

#include "ui/widgets/MessageBox.h"
#include "interchange/BookExport.h"
#include "store/AddressBook.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace varnelle {

ImportSummaryDialog::ImportSummaryDialog(AddressBook &book, const QStringList &lines, QWidget *parent)
    : QDialog(parent), mBook(book)
{
    setObjectName("ImportSummaryDialog");
    setWindowTitle("Import Summary");
    auto *layout = new QVBoxLayout(this);
    txtSummary = new QPlainTextEdit(lines.join('\n'), this);
    txtSummary->setObjectName("txtSummary");
    txtSummary->setReadOnly(true);
    txtSummary->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSummary->setMinimumSize(520, 220);
    layout->addWidget(txtSummary);
    auto *buttons = new QDialogButtonBox(this);
    cmdSaveAs = buttons->addButton("&Save As...", QDialogButtonBox::ActionRole);
    cmdSaveAs->setObjectName("cmdSaveAs");
    cmdClose = buttons->addButton("&Close", QDialogButtonBox::RejectRole);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setDefault(true);
    layout->addWidget(buttons);
    connect(cmdSaveAs, &QPushButton::clicked, this, &ImportSummaryDialog::saveSummary);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ImportSummaryDialog::saveSummary()
{
    QFileDialog dialog(this, "Save Import Summary", {}, "Text files (*.txt)");
    dialog.setObjectName("dlgSaveSummary");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile("import-summary.txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().first();
    try {
        interchange::RefuseProtectedFile(mBook.database(), fileName);
    } catch (const interchange::InterchangeError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    QSaveFile file(fileName);
    if (!(file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(txtSummary->toPlainText().toUtf8() + '\n') >= 0
          && file.commit()))
        MsgBox(QString("The summary could not be saved in '%1': %2.")
                   .arg(QFileInfo(fileName).fileName(), file.errorString()),
               MsgRefusal);
}

} // namespace varnelle
