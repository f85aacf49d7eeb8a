#include "ui/types/PhoneTypesDialog.h"

#include "ui/widgets/DrawnLayout.h"
#include "ui/widgets/WidgetFactory.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/StoreLengthValidator.h"
#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "store/TelephoneTypes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>

namespace varnelle {

PhoneTypesDialog::PhoneTypesDialog(AddressBook &book, QWidget *parent)
    : QDialog(parent), mBook(book)
{
    setObjectName("PhoneTypesDialog");
    setWindowTitle(tr("Telephone Types"));
    SetClientSizeTwips(this, 5385, 4590);

    mTypeBox = MakeControl<QLineEdit>(this, "typeBox", 240, 240, 3615, 285);
    mTypeBox->setAccessibleName(tr("Telephone type"));
    LimitToStoreLength(mTypeBox, 20);
    UseButtonFace(mTypeBox);
    mTypeList = MakeControl<QListWidget>(this, "typeList", 240, 720, 3615, 3765);
    mTypeList->setAccessibleName(tr("Telephone Types"));
    mTypeList->setSortingEnabled(true);
    UseButtonFace(mTypeList);
    KeepSelectionOnceChosen(mTypeList);
    mAddButton = MakeButton(this, "addButton", tr("&Add"), 4080, 720, 1095, 495);
    mEditButton = MakeButton(this, "editButton", tr("&Edit"), 4080, 1440, 1095, 495);
    mDeleteButton = MakeButton(this, "deleteButton", tr("&Delete"), 4080, 2160, 1095, 495);
    mOkButton = MakeButton(this, "okButton", tr("OK"), 4080, 3120, 1095, 495);
    SetTabOrder({mTypeBox, mTypeList, mAddButton, mEditButton, mDeleteButton, mOkButton});
    LayOutAsDrawn(this);

    connect(mTypeBox, &QLineEdit::textChanged, this,
            [this](const QString &text) { mAddButton->setEnabled(!text.isEmpty()); });
    connect(mTypeList, &QListWidget::itemSelectionChanged, this, &PhoneTypesDialog::setButtons);
    connect(mTypeList, &QListWidget::itemDoubleClicked, this, &PhoneTypesDialog::renameType);
    OnEnterWithSelection(mTypeList, [this] { renameType(); });
    connect(mAddButton, &QPushButton::clicked, this, &PhoneTypesDialog::addType);
    connect(mEditButton, &QPushButton::clicked, this, &PhoneTypesDialog::renameType);
    connect(mDeleteButton, &QPushButton::clicked, this, &PhoneTypesDialog::deleteType);
    connect(mOkButton, &QPushButton::clicked, this, &PhoneTypesDialog::finish);
    connect(&mBook, &AddressBook::typesChanged, this, [this] {
        if (!mAnnouncing)
            fillListAgain();
    });

    // Load
    adjustSize();
    CenterForm(*this);
    setButtons();
    mAddButton->setEnabled(false);
    fillList();
}

void PhoneTypesDialog::fillList()
{
    // Whatever can be read is listed; a failure leaves the list as far as it got.
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(mBook.database()))
            AddListEntry(mTypeList, row.name, row.typeId);
    } catch (const DatabaseError &) {
    }
}

void PhoneTypesDialog::fillListAgain()
{
    mTypeList->clear();
    fillList();
    setButtons();
}

void PhoneTypesDialog::announceTypesChanged()
{
    QScopedValueRollback announcing(mAnnouncing, true);
    mBook.notifyTypesChanged();
}

void PhoneTypesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    mTypeBox->setFocus();
}

void PhoneTypesDialog::setButtons()
{
    const bool selected = SelectedEntry(mTypeList) != nullptr;
    mEditButton->setEnabled(selected);
    mDeleteButton->setEnabled(selected);
}

void PhoneTypesDialog::addType()
{
    TelephoneTypeRow row;
    try {
        row = AddTelephoneType(mBook.database(), mTypeBox->text());
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return;
    }
    mTypeList->setCurrentItem(AddListEntry(mTypeList, row.name, row.typeId));
    announceTypesChanged();
    mTypeBox->clear();
    mTypeBox->setFocus();
}

void PhoneTypesDialog::renameType()
{
    QListWidgetItem *selected = SelectedEntry(mTypeList);
    if (!selected)
        return;
    const QString answer = InputBox(tr("What is the type of telphone number?"), selected->text());
    if (!answer.isEmpty()) {
        TelephoneTypeRow row;
        try {
            row = RenameTelephoneType(mBook.database(), ItemData(selected), answer);
        } catch (const DatabaseError &error) {
            ShowRefusal(error.message());
            return;
        }
        delete selected;
        mTypeList->setCurrentItem(AddListEntry(mTypeList, row.name, row.typeId));
        announceTypesChanged();
    }
    setButtons();
}

void PhoneTypesDialog::deleteType()
{
    QListWidgetItem *selected = SelectedEntry(mTypeList);
    if (!selected)
        return;
    const QString name = selected->text();
    const std::int32_t typeId = ItemData(selected);
    try {
        if (TelephoneTypeInUse(mBook.database(), typeId)) {
            ShowRefusal(tr("Cannot delete %1.").arg(name));
        } else if (AskYesNo(tr("Are you sure you want to delete %1?").arg(name))) {
            DeleteTelephoneType(mBook.database(), typeId);
            RemoveEntry(mTypeList, selected);
            announceTypesChanged();
            mTypeBox->setFocus();
        }
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return;
    }
    setButtons();
}

void PhoneTypesDialog::finish()
{
    emit done();
    hide();
}

void PhoneTypesDialog::reject()
{
    finish();
}

} // namespace varnelle
