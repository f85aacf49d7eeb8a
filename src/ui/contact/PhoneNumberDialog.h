#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnelle {

// The telephone number dialog: adds a number to the contact gPersonID
// (gTypeID = 0) or changes its number of type gTypeID. Writes the row itself
// and hands back gTypeID (0 when nothing was stored) and gNumberLine.
class PhoneNumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit PhoneNumberDialog(QWidget *parent = nullptr);

    void FillTypes();
    void cmdSave_Click();
    void cmdCancel_Click();

    QComboBox *cmbType = nullptr;
    QLineEdit *txtNumber = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblArray_0 = nullptr;
    QLabel *lblArray_1 = nullptr;

    void reject() override; // Escape and the frame's close act as Cancel

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepare();
};

} // namespace varnelle
