#include "ui/interchange/ImportSummaryDialog.h"

#include "ui/interchange/ImportSummaryModel.h"
#include "ui/widgets/MessageBox.h"
#include "interchange/BookExport.h"
#include "store/AddressBook.h"
#include "common/FileFailure.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <new>

namespace varnelle {

namespace {

interchange::ImportSummary summaryOf(const QStringList &lines)
{
    interchange::ImportSummary summary;
    summary.setHead(lines);
    return summary;
}

} // namespace

ImportSummaryDialog::ImportSummaryDialog(AddressBook &book, const QStringList &lines, QWidget *parent)
    : ImportSummaryDialog(book, summaryOf(lines), parent)
{
}

ImportSummaryDialog::ImportSummaryDialog(AddressBook &book, const interchange::ImportSummary &summary,
                                         QWidget *parent)
    : QDialog(parent), mBook(book), mSummary(summary)
{
    setObjectName("ImportSummaryDialog");
    setWindowTitle(tr("Import Summary"));
    auto *layout = new QVBoxLayout(this);
    mSummaryTree = new QTreeView(this);
    mSummaryTree->setObjectName("summaryTree");
    mSummaryTree->setAccessibleName(tr("Import Summary"));
    mSummaryTree->setHeaderHidden(true);
    mSummaryTree->setUniformRowHeights(true);
    mModel = new ImportSummaryModel(mSummary, this);
    mSummaryTree->setModel(mModel);
    mSummaryTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mSummaryTree->header()->setStretchLastSection(false);
    mSummaryTree->setMinimumSize(520, 220);
    // The view reads a group's first lines when it opens; more are read
    // when the last line read comes into sight.
    connect(mSummaryTree->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ImportSummaryDialog::fetchShownLines);
    connect(mSummaryTree->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &ImportSummaryDialog::fetchShownLines, Qt::QueuedConnection);
    layout->addWidget(mSummaryTree);
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

void ImportSummaryDialog::fetchShownLines()
{
    const int bottom = mSummaryTree->viewport()->height();
    for (int row = 0; row < mModel->rowCount(); ++row) {
        const QModelIndex group = mModel->index(row, 0);
        const int read = mModel->rowCount(group);
        if (read == 0 || !mSummaryTree->isExpanded(group))
            continue;
        const QModelIndex last = mModel->index(read - 1, 0, group);
        const QRect shown = mSummaryTree->visualRect(last);
        if (shown.height() <= 0 || shown.bottom() < 0 || shown.top() >= bottom)
            continue;
        mModel->lineShown(last);
        if (mModel->canFetchMore(group))
            mModel->fetchMore(group);
    }
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
        ShowRefusal(error.message());
        return;
    }
    QSaveFile file(fileName);
    bool saved = false;
    try {
        // QSaveFile's commit ignores a failure of its last write: flushed first, the failure is seen.
        saved = file.open(QIODevice::WriteOnly | QIODevice::Text) && mSummary.writeLines(file) && file.flush()
            && file.commit();
    } catch (const std::bad_alloc &) {
        file.cancelWriting();
    }
    if (!saved)
        ShowRefusal(tr("The summary could not be saved in '%1': %2.")
                   .arg(QFileInfo(fileName).fileName(), WriteFailureCause(file)));
}

} // namespace varnelle
