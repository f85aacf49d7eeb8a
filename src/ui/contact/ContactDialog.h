#pragma once

#include "common/Contact.h"

#include <QDialog>
#include <vector>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnelle {

class DialogPlaces;

class AddressBook;

// The contact editor: the address fields of one contact, written by Save and
// discarded by Cancel, and its telephone numbers, which are written and
// deleted at once. After exec(), savedContact() tells which contact was saved.
class ContactDialog : public QDialog {
    Q_OBJECT
public:
    // places: where the dialogs stood when last closed (none: always centred).
    ContactDialog(AddressBook &book, std::int32_t personId, QWidget *parent = nullptr, DialogPlaces *places = nullptr);
    ~ContactDialog() override;

    // The contact whose address fields were saved; none after a cancel, or
    // when there was no such contact to edit.
    std::optional<std::int32_t> savedContact() const { return mSaved; }
    // Whether a number was added, changed or deleted (which is stored at once), whichever button closed the editor.
    bool numbersChanged() const { return mNumbersChanged; }

public slots:
    void addNumber();
    void editNumber();
    void deleteNumber();
    void showMore();
    void save();
    void cancel();

public:
    void reject() override; // Escape and the frame's close act as Cancel

protected:
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    DialogPlaces *mPlaces = nullptr;
    struct AddressBox {
        QLineEdit *box;
        const ContactField *field; // the field it shows, as much of it as its column holds
    };
    std::vector<AddressBox> mAddressBoxes; // in tab order, Title first
    QListWidget *mNumberList = nullptr;
    QPushButton *mAddNumberButton = nullptr;
    QPushButton *mEditNumberButton = nullptr;
    QPushButton *mDeleteNumberButton = nullptr;
    QPushButton *mSaveButton = nullptr;
    QPushButton *mCancelButton = nullptr;
    QPushButton *mMoreButton = nullptr;

    void createControls();
    void setButtons();
    void initialise();
    void fillNumbers();
    void finish();
    void showFields(const Contact &contact);
    Contact editedContact() const;
    bool keepEditsOverOtherChanges();

    AddressBook &mBook;
    const std::int32_t mPersonId;
    std::optional<std::int32_t> mSaved;
    bool mNumbersChanged = false;
    bool mActivated = false;                // initialised for the current showing
    std::optional<Contact> mRead; // the contact's fields and details as stored when the boxes were filled
    // The whole values of the fields and the details as the More part last
    // left them; a box the user has not changed since stands for its whole value.
    Contact mEdits;
};

} // namespace varnelle
