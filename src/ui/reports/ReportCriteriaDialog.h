#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace varnelle {

// "Address Report Selection Criteria": company, state and last name, each
// picked from the values in the contacts and each with an "Exclude" box. OK
// writes the record selection formula through gReport and hides the dialog;
// a close through the frame does the same. The lists are rebuilt from the
// database only when gRefreshCriteria asks for it.
class ReportCriteriaDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportCriteriaDialog(QWidget *parent = nullptr);

    void cmdOK_Click();

    QComboBox *cmbCompany = nullptr;
    QComboBox *cmbState = nullptr;
    QComboBox *cmbLastName = nullptr;
    QCheckBox *chkExclude[3] = {};
    QLabel *lblArray[3] = {};
    QPushButton *cmdOK = nullptr;

    // The formula the current choices stand for.
    QString SelectionFormula() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void Activate();
    void FillLists();
};

} // namespace varnelle
