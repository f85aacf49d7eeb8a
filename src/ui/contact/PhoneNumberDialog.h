#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnelle {

class DialogPlaces;

class AddressBook;

// A telephone number as the dialog stored it: its type and the contact
// editor's list line ("type<TAB>number").
struct StoredNumber {
    std::int32_t typeId = 0;
    QString line;
};

// The telephone number dialog: adds a number to a contact (typeId 0) or
// changes the contact's number of type typeId. Writes the row itself; after
// exec(), storedNumber() tells what was stored, if anything.
class PhoneNumberDialog : public QDialog {
    Q_OBJECT
public:
    // places: where the dialogs stood when last closed (none: always centred).
    PhoneNumberDialog(AddressBook &book, std::int32_t personId, std::int32_t typeId, QWidget *parent = nullptr, DialogPlaces *places = nullptr);

    std::optional<StoredNumber> storedNumber() const { return mStored; }

public slots:
    void save();
    void cancel();

    void reject() override; // Escape and the frame's close act as Cancel

private:
    QComboBox *mTypeCombo = nullptr;
    QLineEdit *mNumberBox = nullptr;
    QPushButton *mSaveButton = nullptr;
    QPushButton *mCancelButton = nullptr;
    QLabel *mTypeLabel = nullptr;
    QLabel *mNumberLabel = nullptr;

protected:
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    DialogPlaces *mPlaces = nullptr;
    void fillTypes();
    void prepare();

    AddressBook &mBook;
    const std::int32_t mPersonId;
    const std::int32_t mTypeId;
    std::optional<StoredNumber> mStored;
};

} // namespace varnelle
