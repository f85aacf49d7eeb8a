#include "ui/reports/ReportCriteriaDialog.h"

#include "ui/widgets/DrawnLayout.h"
#include "ui/widgets/WidgetFactory.h"
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
    setWindowTitle(tr("Address Report Selection Criteria"));
    SetClientSizeTwips(this, 5115, 3030);
    createControls();
    LayOutAsDrawn(this);
    CenterForm(*this);
    connect(&mBook, &AddressBook::contactsChanged, this, [this] { mListsStale = true; });
}

void ReportCriteriaDialog::createControls()
{
    mLabels[1] = MakeLabel(this, "companyLabel", tr("Company:"), 120, 480, 735, 255);
    mCompanyCombo = MakeControl<QComboBox>(this, "companyCombo", 960, 480, 3135, 315);
    mExcludeBoxes[0] = MakeControl<QCheckBox>(this, "excludeCompanyBox", 4200, 480, 975, 255);
    mLabels[0] = MakeLabel(this, "stateLabel", tr("State:"), 360, 960, 495, 255);
    mStateCombo = MakeControl<QComboBox>(this, "stateCombo", 960, 960, 855, 315);
    mExcludeBoxes[1] = MakeControl<QCheckBox>(this, "excludeStateBox", 1920, 960, 975, 255);
    mLabels[2] = MakeLabel(this, "lastNameLabel", tr("Last Name:"), 45, 1440, 810, 195);
    mLastNameCombo = MakeControl<QComboBox>(this, "lastNameCombo", 960, 1440, 3135, 315);
    mExcludeBoxes[2] = MakeControl<QCheckBox>(this, "excludeLastNameBox", 4200, 1440, 975, 255);
    for (QCheckBox *box : mExcludeBoxes)
        box->setText(tr("Exclude"));
    // Read out, each box says what it leaves out; the labels name the lists.
    mExcludeBoxes[0]->setAccessibleName(tr("Exclude companies"));
    mExcludeBoxes[1]->setAccessibleName(tr("Exclude states"));
    mExcludeBoxes[2]->setAccessibleName(tr("Exclude last names"));
    SetLabelFor(mLabels[1], mCompanyCombo);
    SetLabelFor(mLabels[0], mStateCombo);
    SetLabelFor(mLabels[2], mLastNameCombo);
    mOkButton = MakeButton(this, "okButton", tr("OK"), 1800, 2040, 1215, 615);
    mOkButton->setDefault(true);

    SetTabOrder(
        {mCompanyCombo, mExcludeBoxes[0], mStateCombo, mExcludeBoxes[1], mLastNameCombo, mExcludeBoxes[2], mOkButton});

    connect(mOkButton, &QPushButton::clicked, this, &ReportCriteriaDialog::ok);
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
    if (mListsStale || mCompanyCombo->count() == 0) {
        fillLists();
        return;
    }
    for (QComboBox *list : {mCompanyCombo, mStateCombo, mLastNameCombo})
        list->setCurrentIndex(0);
}

void ReportCriteriaDialog::fillLists()
{
    mListsStale = false;
    const std::pair<QComboBox *, const char *> lists[] = {
        {mCompanyCombo, "Company"}, {mStateCombo, "State"}, {mLastNameCombo, "LastName"}};
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
        ShowRefusal(error.message());
    }
}

ReportCriteria ReportCriteriaDialog::criteria() const
{
    ReportCriteria criteria;
    criteria.company = {mCompanyCombo->currentText(), mExcludeBoxes[0]->isChecked()};
    criteria.state = {mStateCombo->currentText(), mExcludeBoxes[1]->isChecked()};
    criteria.lastName = {mLastNameCombo->currentText(), mExcludeBoxes[2]->isChecked()};
    return criteria;
}

void ReportCriteriaDialog::ok()
{
    accept();
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
