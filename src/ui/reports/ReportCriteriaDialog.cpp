#include "ui/reports/ReportCriteriaDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/Globals.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "store/Criteria.h"
#include "store/DatabaseError.h"
#include "reports/ReportRequest.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

namespace varnelle {

namespace {

// A value between single quotes, a quote inside it doubled.
QString quoted(QString value)
{
    return "'" + value.replace("'", "''") + "'";
}

} // namespace

ReportCriteriaDialog::ReportCriteriaDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("ReportCriteriaDialog");
    setWindowTitle("Address Report Selection Criteria");
    SetClientSizeTwips(this, 5115, 3030);
    createControls();
    CenterForm(*this);
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

    connect(cmdOK, &QPushButton::clicked, this, &ReportCriteriaDialog::cmdOK_Click);
}

void ReportCriteriaDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Activate();
}

// Every showing starts with blank criteria; the Exclude boxes keep their state.
void ReportCriteriaDialog::Activate()
{
    if (gRefreshCriteria || cmbCompany->count() == 0) {
        FillLists();
        return;
    }
    for (QComboBox *list : {cmbCompany, cmbState, cmbLastName})
        list->setCurrentIndex(0);
}

void ReportCriteriaDialog::FillLists()
{
    gRefreshCriteria = false;
    const std::pair<QComboBox *, const char *> lists[] = {
        {cmbCompany, "Company"}, {cmbState, "State"}, {cmbLastName, "LastName"}};
    for (const auto &[list, field] : lists) {
        list->clear();
        list->addItem(QString(), 0);
    }
    try {
        for (const auto &[list, field] : lists) {
            for (const QString &value : DistinctValues(gDatabase, field))
                AddSortedComboEntry(list, value, 0);
            list->setCurrentIndex(0);
        }
    } catch (const DatabaseError &error) {
        // Try again on the next showing; meanwhile the lists offer no criteria.
        gRefreshCriteria = true;
        MsgBox(error.message(), MsgRefusal);
    }
}

QString ReportCriteriaDialog::SelectionFormula() const
{
    const std::pair<QComboBox *, const char *> criteria[] = {
        {cmbCompany, "{Address.Company} "}, {cmbState, "{Address.State} "}, {cmbLastName, "{Address.LastName} "}};
    QString formula;
    for (int i = 0; i < 3; ++i) {
        const QString value = criteria[i].first->currentText();
        if (value.isEmpty())
            continue;
        if (!formula.isEmpty())
            formula += " And ";
        formula += criteria[i].second + QString(chkExclude[i]->isChecked() ? "<>" : "=") + " " + quoted(value);
    }
    return formula;
}

void ReportCriteriaDialog::cmdOK_Click()
{
    if (gReport)
        gReport->selectionFormula = SelectionFormula();
    accept();
}

void ReportCriteriaDialog::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        cmdOK_Click();
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
