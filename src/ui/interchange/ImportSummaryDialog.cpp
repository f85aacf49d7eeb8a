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
    setWindowTitle(tr("Import Summary"));
    auto *layout = new QVBoxLayout(this);
    mSummaryText = new QPlainTextEdit(lines.join('\n'), this);
    mSummaryText->setObjectName("summaryText");
    mSummaryText->setReadOnly(true);
    mSummaryText->setAccessibleName(tr("Import Summary"));
    mSummaryText->setLineWrapMode(QPlainTextEdit::NoWrap);
    mSummaryText->setMinimumSize(520, 220);
    layout->addWidget(mSummaryText);
    auto *buttons = new QDialogButtonBox(this);
    mSaveAsButton = buttons->addButton(tr("&Save As..."), QDialogButtonBox::ActionRole);
    mSaveAsButton->setObjectName("saveAsButton");
    mCloseButton = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    mCloseButton->setObjectName("closeButton");
    mCloseButton->setDefault(true);
    layout->addWidget(buttons);
    connect(mSaveAsButton, &QPushButton::clicked, this, &ImportSummaryDialog::saveSummary);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ImportSummaryDialog::saveSummary()
{
    QFileDialog dialog(this, tr("Save Import Summary"), {}, tr("Text files (*.txt)"));
    dialog.setObjectName("saveSummaryDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(tr("import-summary.txt"));
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
    if (!(file.open(QIODevice::WriteOnly | QIODevice::Text)
          && file.write(mSummaryText->toPlainText().toUtf8() + '\n') >= 0 && file.commit()))
        MsgBox(tr("The summary could not be saved in '%1': %2.")
                   .arg(QFileInfo(fileName).fileName(), file.errorString()),
               MsgRefusal);
}

} // namespace varnelle
