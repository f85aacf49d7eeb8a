#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnelle {

// The telephone types window: lists the types, adds, renames and deletes
// them. Shown modeless while the main window hides; OK (also Escape, and a
// close through the frame) brings the main window back.
class PhoneTypesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PhoneTypesDialog(QWidget *parent = nullptr);

    void SetButtons();
    void cmdAdd_Click();
    void Rename(); // cmdEdit, double-click, Enter
    void cmdDelete_Click();
    void cmdOK_Click();
    // Lists the types again, for types that were made elsewhere (an import).
    void FillListAgain();

    QLineEdit *txtType = nullptr;
    QListWidget *lstData = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdOK = nullptr;

    void reject() override; // Escape and the frame's close act as OK

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();
};

} // namespace varnelle
