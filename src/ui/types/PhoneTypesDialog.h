#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnelle {

class AddressBook;

// The telephone types window: lists the types, adds, renames and deletes
// them. Shown modeless while the main window hides; OK (also Escape, and a
// close through the frame) hides it and announces done(), on which the main
// window comes back. Types made elsewhere (an import) are listed at once.
class PhoneTypesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PhoneTypesDialog(AddressBook &book, QWidget *parent = nullptr);

public slots:
    void addType();
    void renameType(); // Edit, double-click, Enter
    void deleteType();
    void finish();

signals:
    void done();

public:
    void reject() override; // Escape and the frame's close act as OK

private:
    QLineEdit *mTypeBox = nullptr;
    QListWidget *mTypeList = nullptr;
    QPushButton *mAddButton = nullptr;
    QPushButton *mEditButton = nullptr;
    QPushButton *mDeleteButton = nullptr;
    QPushButton *mOkButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setButtons();
    void fillList();
    void fillListAgain();
    void announceTypesChanged();

    AddressBook &mBook;
    bool mAnnouncing = false; // this window's own changes are listed already
};

} // namespace varnelle
