#include "reports/frmReportSelection.h"

#include "app/FormHelpers.h"
#include "app/Globals.h"
#include "app/MessageBox.h"
#include "app/SortedLists.h"
#include "app/Twips.h"
#include "data/Criteria.h"
#include "data/DatabaseError.h"
#include "reports/engine/ReportEngine.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace varnelle {

namespace {

template <class W>
W *make(QWidget *parent, const QString &name)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

// A value between single quotes, a quote inside it doubled.
QString quoted(QString value)
{
    return "'" + value.replace("'", "''") + "'";
}

} // namespace

frmReportSelection::frmReportSelection(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("frmReportSelection");
    setWindowTitle("Address Report Selection Criteria");
    SetClientSizeTwips(this, 5115, 3030);
    createControls();
    CenterForm(*this);
}

void frmReportSelection::createControls()
{
    const struct {
        int label;
        const char *caption;
        QRect labelPlace;
        QComboBox **list;
        const char *name;
        QRect listPlace;
        QRect boxPlace;
    } rows[] = {
        {1, "Company:", {120, 480, 735, 255}, &cmbCompany, "cmbCompany", {960, 480, 3135, 315}, {4200, 480, 975, 255}},
        {0, "State:", {360, 960, 495, 255}, &cmbState, "cmbState", {960, 960, 855, 315}, {1920, 960, 975, 255}},
        {2, "Last Name:", {45, 1440, 810, 195}, &cmbLastName, "cmbLastName", {960, 1440, 3135, 315},
         {4200, 1440, 975, 255}},
    };
    QList<QWidget *> order;
    for (int i = 0; i < 3; ++i) {
        const auto &row = rows[i];
        QLabel *label = make<QLabel>(this, QString("lblArray_%1").arg(row.label));
        label->setText(row.caption);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        PlaceTwips(label, row.labelPlace.x(), row.labelPlace.y(), row.labelPlace.width(), row.labelPlace.height());
        lblArray[row.label] = label;

        QComboBox *list = make<QComboBox>(this, row.name);
        list->setEditable(false);
        PlaceTwips(list, row.listPlace.x(), row.listPlace.y(), row.listPlace.width(), row.listPlace.height());
        *row.list = list;

        QCheckBox *box = make<QCheckBox>(this, QString("chkExclude_%1").arg(i));
        box->setText("Exclude");
        PlaceTwips(box, row.boxPlace.x(), row.boxPlace.y(), row.boxPlace.width(), row.boxPlace.height());
        chkExclude[i] = box;
        order << list << box;
    }

    cmdOK = make<QPushButton>(this, "cmdOK");
    cmdOK->setText("OK");
    cmdOK->setDefault(true);
    PlaceTwips(cmdOK, 1800, 2040, 1215, 615);
    order << cmdOK;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdOK, &QPushButton::clicked, this, &frmReportSelection::cmdOK_Click);
}

void frmReportSelection::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Activate();
}

// Every showing starts with blank criteria; the Exclude boxes keep their state.
void frmReportSelection::Activate()
{
    if (gRefreshCriteria || cmbCompany->count() == 0) {
        FillLists();
        return;
    }
    for (QComboBox *list : {cmbCompany, cmbState, cmbLastName})
        list->setCurrentIndex(0);
}

void frmReportSelection::FillLists()
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

QString frmReportSelection::SelectionFormula() const
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

void frmReportSelection::cmdOK_Click()
{
    if (gReport)
        gReport->setSelectionFormula(SelectionFormula());
    accept();
}

void frmReportSelection::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        cmdOK_Click();
    event->accept();
}

// There is no Cancel button, so Esc does nothing.
void frmReportSelection::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace varnelle
