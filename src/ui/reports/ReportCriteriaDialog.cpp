#include "ui/reports/ReportCriteriaDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "store/AddressBook.h"
#include "store/Criteria.h"
#include "store/DatabaseError.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

namespace varnelle {

ReportCriteriaDialog::ReportCriteriaDialog(AddressBook &book, QWidget *parent)
    : QDialog(parent), mBook(book)
{
    setObjectName("ReportCriteriaDialog");
    setWindowTitle("Address Report Selection Criteria");
    SetClientSizeTwips(this, 5115, 3030);
    createControls();
    CenterForm(*this);
    connect(&mBook, &AddressBook::contactsChanged, this, [this] { mListsStale = true; });
}

void ReportCriteriaDialog::createControls()
{
    lblArray[1] = MakeLabel(this, "lblArray_1", "Company:", 120, 480, 735, 255);
    cmbCompany = MakeControl<QComboBox>(this, "cmbCompany", 960, 480, 3135, 315);
    chkExclude[0] = MakeControl<QCheckBox>(this, "chkExclude_0", 4200, 480, 975, 255);
    lblArray[0] = MakeLabel(this, "lblArray_0", "State:", 360, 960, 495, 255);
    cmbState = MakeControl<QComboBox>(this, "cmbState", 960, 960, 855, 315);
    chkExclude[1] = MakeControl<QCheckBox>(this, "chkExclude_1", 1920, 960, 975, 255);
    lblArray[2] = MakeLabel(this, "lblArray_2", "Last Name:", 45, 1440, 810, 195);
    cmbLastName = MakeControl<QComboBox>(this, "cmbLastName", 960, 1440, 3135, 315);
    chkExclude[2] = MakeControl<QCheckBox>(this, "chkExclude_2", 4200, 1440, 975, 255);
    for (QCheckBox *box : chkExclude) {
        box->setText("Exclude");
        WidenToText(box);
    }
    cmdOK = MakeButton(this, "cmdOK", "OK", 1800, 2040, 1215, 615);
    cmdOK->setDefault(true);

    SetTabOrder({cmbCompany, chkExclude[0], cmbState, chkExclude[1], cmbLastName, chkExclude[2], cmdOK});

    connect(cmdOK, &QPushButton::clicked, this, &ReportCriteriaDialog::ok);
}

void ReportCriteriaDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activate();
}

// Every showing starts with blank criteria; the Exclude boxes keep their state.
void ReportCriteriaDialog::activate()
{
    if (mListsStale || cmbCompany->count() == 0) {
        fillLists();
        return;
    }
    for (QComboBox *list : {cmbCompany, cmbState, cmbLastName})
        list->setCurrentIndex(0);
}

void ReportCriteriaDialog::fillLists()
{
    mListsStale = false;
    const std::pair<QComboBox *, const char *> lists[] = {
        {cmbCompany, "Company"}, {cmbState, "State"}, {cmbLastName, "LastName"}};
    for (const auto &[list, field] : lists) {
        list->clear();
        list->addItem(QString(), 0);
    }
    try {
        for (const auto &[list, field] : lists) {
            for (const QString &value : DistinctValues(mBook.database(), field))
                AddSortedComboEntry(list, value, 0);
            list->setCurrentIndex(0);
        }
    } catch (const DatabaseError &error) {
        // Try again on the next showing; meanwhile the lists offer no criteria.
        mListsStale = true;
        MsgBox(error.message(), MsgRefusal);
    }
}

ReportCriteria ReportCriteriaDialog::criteria() const
{
    ReportCriteria criteria;
    criteria.company = {cmbCompany->currentText(), chkExclude[0]->isChecked()};
    criteria.state = {cmbState->currentText(), chkExclude[1]->isChecked()};
    criteria.lastName = {cmbLastName->currentText(), chkExclude[2]->isChecked()};
    return criteria;
}

void ReportCriteriaDialog::ok()
{
    accept();
}

void ReportCriteriaDialog::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        ok();
    event->accept();
}

// There is no Cancel button, so Esc does nothing.
void ReportCriteriaDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace varnelle
