#include "ui/interchange/ImportSummaryDialog.h"

#include "ui/widgets/MessageBox.h"
#include "interchange/BookExport.h"
#include "store/AddressBook.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnelle {

namespace {

// A group's item keeps the group's place among the summary's groups; its lines are read when it opens.
constexpr int GroupRole = Qt::UserRole;

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
    mSummaryTree = new QTreeWidget(this);
    mSummaryTree->setObjectName("summaryTree");
    mSummaryTree->setAccessibleName(tr("Import Summary"));
    mSummaryTree->setHeaderHidden(true);
    mSummaryTree->setColumnCount(1);
    mSummaryTree->setUniformRowHeights(true);
    mSummaryTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mSummaryTree->header()->setStretchLastSection(false);
    mSummaryTree->setMinimumSize(520, 220);
    for (const QString &line : mSummary.headLines())
        new QTreeWidgetItem(mSummaryTree, {line});
    const QList<interchange::SummaryGroup> groups = mSummary.groups();
    for (qsizetype i = 0; i < groups.size(); ++i) {
        auto *item = new QTreeWidgetItem(mSummaryTree, {groups[i].title});
        item->setData(0, GroupRole, QVariant::fromValue(i));
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    connect(mSummaryTree, &QTreeWidget::itemExpanded, this, &ImportSummaryDialog::showLinesOf);
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

void ImportSummaryDialog::showLinesOf(QTreeWidgetItem *item)
{
    const QVariant group = item->data(0, GroupRole);
    if (!group.isValid() || item->childCount() > 0)
        return;
    QList<QTreeWidgetItem *> children;
    for (const QString &line : mSummary.groupLines(group.value<qsizetype>()))
        children << new QTreeWidgetItem(QStringList{line});
    item->addChildren(children);
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
    if (!(file.open(QIODevice::WriteOnly | QIODevice::Text) && mSummary.writeLines(file) && file.commit()))
        MsgBox(tr("The summary could not be saved in '%1': %2.")
                   .arg(QFileInfo(fileName).fileName(), file.errorString()),
               MsgRefusal);
}

} // namespace varnelle
