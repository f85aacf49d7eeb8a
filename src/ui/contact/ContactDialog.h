#pragma once

#include <QDialog>
#include <array>

class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSqlTableModel;

namespace varnelle {

// The contact editor: the address fields of the contact gPersonID, written
// by Save and discarded by Cancel, and its telephone numbers, which are
// written and deleted at once. On leaving, gPersonID is the saved contact, or
// 0 when nothing was saved.
class ContactDialog : public QDialog {
    Q_OBJECT
public:
    explicit ContactDialog(QWidget *parent = nullptr);
    ~ContactDialog() override;

    void SetButtons();
    void cmdAdd_Click();    // Add Number
    void cmdEdit_Click();   // Edit Number
    void cmdDelete_Click(); // Delete Number
    void cmdSave_Click();
    void cmdCancel_Click();

    void reject() override; // Escape and the frame's close act as Cancel

    // The address boxes by their index: 0 to 5, 7 and 11 to 13 (the other
    // places are empty; State has a box of its own).
    std::array<QLineEdit *, 14> txtFields{};
    QLineEdit *txtState = nullptr;
    QListWidget *lstNumbers = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    std::array<QLabel *, 14> lblLabels{};

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void Initialise();
    void fillNumbers();
    void finish();
    void releaseRow();

    bool mActivated = false;                // initialised for the current showing
    QSqlTableModel *datAddress = nullptr;   // the contact's row while the editor is shown
    QDataWidgetMapper *mBinding = nullptr;  // the boxes bound to datAddress
};

} // namespace varnelle
