#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

#include "reports/ReportRequest.h"

namespace varnelle {

class AddressBook;

// "Address Report Selection Criteria": company, state and last name, each
// picked from the values in the contacts and each with an "Exclude" box. OK
// hides the dialog with the choices made; a close through the frame rejects
// it, which ends the run as a cancel would, and Esc does nothing. The lists
// are read from the book when first shown, and again on the next showing
// after its contacts have changed.
class ReportCriteriaDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportCriteriaDialog(AddressBook &book, QWidget *parent = nullptr);

    // The criteria the current choices stand for.
    ReportCriteria criteria() const;

public slots:
    void ok();

public:

    QComboBox *mCompanyCombo = nullptr;
    QComboBox *mStateCombo = nullptr;
    QComboBox *mLastNameCombo = nullptr;
    QCheckBox *mExcludeBoxes[3] = {};
    QLabel *mLabels[3] = {};
    QPushButton *mOkButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void activate();
    void fillLists();

    AddressBook &mBook;
    bool mListsStale = true;
};

} // namespace varnelle
