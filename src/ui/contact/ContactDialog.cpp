#include "ui/contact/ContactDialog.h"

#include "ui/widgets/DrawnLayout.h"
#include "ui/widgets/WidgetFactory.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/TabStops.h"
#include "ui/widgets/StoreLengthValidator.h"
#include "store/History.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/DetailTables.h"
#include "store/TelephoneTypes.h"
#include "ui/contact/ContactDetailsDialog.h"
#include "ui/contact/PhoneNumberDialog.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QStyledItemDelegate>

namespace varnelle {

namespace {

// A box that turns typed letters into capitals; pasted text keeps its case.
class CapitalsBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QString upper = event->text().toUpper();
        if (upper == event->text() || upper.size() != event->text().size()) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent typed(event->type(), event->key(), event->modifiers(), upper, event->isAutoRepeat(),
                        event->count());
        QLineEdit::keyPressEvent(&typed);
        event->setAccepted(typed.isAccepted());
    }

    // Letters composed through an input method (dead keys, compose) are typed too.
    void inputMethodEvent(QInputMethodEvent *event) override
    {
        const QString upper = event->commitString().toUpper();
        if (upper == event->commitString() || upper.size() != event->commitString().size()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent typed(event->preeditString(), event->attributes());
        typed.setCommitString(upper, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&typed);
        event->setAccepted(typed.isAccepted());
    }
};

struct BoxPlace {
    const char *name;
    const char *field;
    int maxLength;
    double left, top, width, height;
};

// The address boxes in tab order, each bound to its field.
constexpr BoxPlace Boxes[] = {
    {"titleBox", "Title", 12, 1560, 240, 1215, 285},          {"firstNameBox", "FirstName", 15, 1560, 600, 1455, 285},
    {"lastNameBox", "LastName", 25, 3120, 600, 2295, 285},    {"companyBox", "Company", 30, 1560, 960, 2895, 285},
    {"streetBox", "Street", 40, 1560, 1320, 3495, 285},       {"cityBox", "City", 25, 1560, 1680, 2415, 285},
    {"stateBox", "State", 2, 4080, 1680, 615, 285},           {"zipCodeBox", "ZipCode", 10, 4800, 1680, 1095, 285},
    {"emailBox", "EMail", 50, 1560, 2040, 4575, 285},         {"spouseBox", "Spouse", 30, 1560, 2400, 3015, 285},
    {"childrenBox", "Children", 50, 1560, 2760, 4575, 285},
};

// The contact with each field cut to what its column holds.
Contact fitted(Contact contact)
{
    for (const ContactField &field : ContactFields())
        contact.*field.member = FittedFieldValue(field, contact.*field.member);
    return contact;
}

// Sets each detail the user changed (edited differs from read) in to.
template <class... Members>
void takeChanged(ContactDetails &to, const ContactDetails &read, const ContactDetails &edited, Members... members)
{
    ((edited.*members != read.*members ? void(to.*members = edited.*members) : void()), ...);
}

void takeChangedDetails(ContactDetails &to, const ContactDetails &read, const ContactDetails &edited)
{
    using D = ContactDetails;
    takeChanged(to, read, edited, &D::middleName, &D::namePrefix, &D::nameSuffix, &D::displayName, &D::nicknames,
                &D::orgUnits, &D::jobTitle, &D::role, &D::emails, &D::addresses, &D::country, &D::telephones,
                &D::birthday, &D::anniversary, &D::note, &D::webAddresses, &D::messaging, &D::social, &D::related,
                &D::categories, &D::photo);
}

QListWidgetItem *numberEntry(const QString &line, std::int32_t typeId)
{
    auto *item = new QListWidgetItem(line);
    item->setData(Qt::UserRole, typeId);
    return item;
}

} // namespace

ContactDialog::ContactDialog(AddressBook &book, std::int32_t personId, QWidget *parent, DialogPlaces *places)
    : QDialog(parent), mPlaces(places), mBook(book), mPersonId(personId)
{
    setObjectName("ContactDialog");
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    SetClientSizeTwips(this, 7095, 5610);
    createControls();
    LayOutAsDrawn(this);

    connect(mNumberList, &QListWidget::itemSelectionChanged, this, &ContactDialog::setButtons);
    connect(mNumberList, &QListWidget::itemDoubleClicked, this, &ContactDialog::editNumber);
    OnEnterWithSelection(mNumberList, [this] { editNumber(); });
    connect(mAddNumberButton, &QPushButton::clicked, this, &ContactDialog::addNumber);
    connect(mEditNumberButton, &QPushButton::clicked, this, &ContactDialog::editNumber);
    connect(mDeleteNumberButton, &QPushButton::clicked, this, &ContactDialog::deleteNumber);
    connect(mSaveButton, &QPushButton::clicked, this, &ContactDialog::save);
    connect(mCancelButton, &QPushButton::clicked, this, &ContactDialog::cancel);
    connect(mMoreButton, &QPushButton::clicked, this, &ContactDialog::showMore);

    // Load
    adjustSize();
    if (mPlaces)
        mPlaces->place(*this);
    else
        CenterForm(*this);
    mActivated = false;
}

ContactDialog::~ContactDialog() = default;

void ContactDialog::createControls()
{
    QList<QWidget *> tabOrder;
    for (const BoxPlace &b : Boxes) {
        // The State box turns typed letters into capitals.
        QLineEdit *box = QByteArray(b.field) == "State"
                             ? MakeControl<CapitalsBox>(this, b.name, b.left, b.top, b.width, b.height)
                             : MakeControl<QLineEdit>(this, b.name, b.left, b.top, b.width, b.height);
        mAddressBoxes.push_back({box, FindContactField(QString::fromLatin1(b.field))});
        LimitToStoreLength(box, b.maxLength);
        UseButtonFace(box);
        tabOrder << box;
    }
    mNumberList = MakeControl<QListWidget>(this, "numberList", 1560, 3120, 3975, 1620);
    UseButtonFace(mNumberList);
    KeepSelectionOnceChosen(mNumberList);
    ShowTabsAtStops(mNumberList);
    mAddNumberButton = MakeButton(this, "addNumberButton", tr("&Add Number"), 5640, 3240, 1335, 375);
    mEditNumberButton = MakeButton(this, "editNumberButton", tr("&Edit Number"), 5640, 3720, 1335, 375);
    mDeleteNumberButton = MakeButton(this, "deleteNumberButton", tr("&Delete Number"), 5640, 4200, 1335, 375);
    mSaveButton = MakeButton(this, "saveButton", tr("&Save"), 1560, 4920, 1215, 615);
    mCancelButton = MakeButton(this, "cancelButton", tr("&Cancel"), 3840, 4920, 1215, 615);
    // Every detail beyond the boxes, and the whole values of fields longer than their boxes.
    mMoreButton = MakeButton(this, "moreButton", tr("More Deta&ils..."), 5640, 4920, 1335, 615);
    mSaveButton->setDefault(true);
    SetTabOrder(tabOrder << mNumberList << mAddNumberButton << mEditNumberButton << mDeleteNumberButton << mSaveButton
                         << mCancelButton << mMoreButton);
    // Each label leads to its box (Alt and the underlined letter) and names it
    // for a screen reader; the boxes that stand without a label are named.
    const auto labelFor = [this](const char *name, const QString &caption, const char *box, double left,
                                 double top, double width, double height) {
        SetLabelFor(MakeLabel(this, name, caption, left, top, width, height), findChild<QWidget *>(box));
    };
    labelFor("titleLabel", tr("&Title:"), "titleBox", 1080, 240, 375, 255);
    labelFor("companyLabel", tr("Com&pany:"), "companyBox", 720, 960, 735, 255);
    labelFor("addressLabel", tr("Add&ress:"), "streetBox", 840, 1320, 615, 255);
    labelFor("nameLabel", tr("&Name:"), "firstNameBox", 990, 600, 465, 195);
    labelFor("emailLabel", tr("E-&Mail Address:"), "emailBox", 360, 2040, 1095, 255);
    labelFor("spouseLabel", tr("Sp&ouse:"), "spouseBox", 840, 2400, 615, 255);
    labelFor("childrenLabel", tr("C&hildren:"), "childrenBox", 840, 2760, 615, 255);
    const std::pair<const char *, QString> unlabelled[] = {
        {"firstNameBox", tr("First name")}, {"lastNameBox", tr("Last name")}, {"cityBox", tr("City")},
        {"stateBox", tr("State")},          {"zipCodeBox", tr("ZIP code")},   {"numberList", tr("Telephone numbers")},
    };
    for (const auto &[box, name] : unlabelled)
        findChild<QWidget *>(box)->setAccessibleName(name);
}

void ContactDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!mActivated)
        initialise();
}

void ContactDialog::initialise()
{
    mRead.reset();
    try {
        mRead = ReadContactFields(mBook.database(), mPersonId);
        if (mRead)
            ReadContactDetails(mBook.database(), *mRead);
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    if (!mRead) {
        // No such contact: leave as a cancel does, once the showing is complete.
        mSaved.reset();
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
        return;
    }
    showFields(*mRead);

    setWindowTitle(tr("Edit Address"));
    mActivated = true;
    fillNumbers();
    setButtons();
    mAddressBoxes.front().box->setFocus();
}

void ContactDialog::showFields(const Contact &contact)
{
    mEdits = contact;
    for (const AddressBox &b : mAddressBoxes)
        b.box->setText(FittedFieldValue(*b.field, contact.*b.field->member));
}

Contact ContactDialog::editedContact() const
{
    Contact edited = mEdits;
    for (const AddressBox &b : mAddressBoxes)
        if (b.box->text() != FittedFieldValue(*b.field, mEdits.*b.field->member))
            edited.*b.field->member = b.box->text();
    return edited;
}

void ContactDialog::showMore()
{
    if (!mRead)
        return;
    QStringList numberTypes;
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(mBook.database()))
            numberTypes << row.name;
    } catch (const DatabaseError &) {
        // offered only; the user may type any kind
    }
    ContactDetailsDialog more(editedContact(), numberTypes, this);
    if (more.exec() == QDialog::Accepted)
        showFields(more.contact());
}

void ContactDialog::fillNumbers()
{
    mNumberList->clear();
    try {
        for (const ContactNumber &n : ReadContactNumbers(mBook.database(), mPersonId))
            mNumberList->addItem(numberEntry(n.typeName + '\t' + n.number, n.typeId));
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
}

void ContactDialog::setButtons()
{
    const bool selected = SelectedEntry(mNumberList) != nullptr;
    mEditNumberButton->setEnabled(selected);
    mDeleteNumberButton->setEnabled(selected);
}

void ContactDialog::addNumber()
{
    PhoneNumberDialog dialog(mBook, mPersonId, 0, nullptr, mPlaces);
    dialog.exec();
    if (const std::optional<StoredNumber> stored = dialog.storedNumber()) {
        mNumberList->addItem(numberEntry(stored->line, stored->typeId));
        mNumbersChanged = true;
    }
}

void ContactDialog::editNumber()
{
    QListWidgetItem *item = SelectedEntry(mNumberList);
    if (!item)
        return;
    PhoneNumberDialog dialog(mBook, mPersonId, ItemData(item), nullptr, mPlaces);
    dialog.exec();
    const std::optional<StoredNumber> stored = dialog.storedNumber();
    if (!stored)
        return;
    mNumbersChanged = true;
    const int row = mNumberList->row(item);
    delete mNumberList->takeItem(row);
    mNumberList->insertItem(row, numberEntry(stored->line, stored->typeId));
    mNumberList->clearSelection();
    setButtons();
}

void ContactDialog::deleteNumber()
{
    QListWidgetItem *item = SelectedEntry(mNumberList);
    if (!item)
        return;
    if (!AskYesNo(tr("Delete %1?").arg(item->text())))
        return;
    try {
        DeleteContactNumber(mBook.database(), mPersonId, ItemData(item));
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return;
    }
    mNumbersChanged = true;
    RemoveEntry(mNumberList, item);
    setButtons();
}

void ContactDialog::save()
{
    if (!mRead || !keepEditsOverOtherChanges())
        return;
    const Contact edited = editedContact();
    try {
        // The columns get what fits of the changed fields; the details, and
        // the whole values of fields longer than their columns, go beside
        // them, over what another program may have changed meanwhile only
        // where the user changed something.
        QSqlDatabase &db = mBook.database();
        InTransaction(db, [&] {
            HistoryEntryScope history(db, history::Edit);
            StoreChangedFields(db, mPersonId, fitted(*mRead), fitted(edited));
            Contact stored = ReadContactFields(db, mPersonId).value_or(edited);
            ReadContactDetails(db, stored);
            for (const ContactField &field : ContactFields())
                if (edited.*field.member != (*mRead).*field.member)
                    stored.*field.member = edited.*field.member;
            takeChangedDetails(stored.details, mRead->details, edited.details);
            WriteContactDetails(db, stored);
        });
    } catch (const DatabaseError &error) {
        // The editor stays open with the user's entries.
        ShowRefusal(error.message());
        return;
    }
    mSaved = mPersonId;
    mBook.notifyContactsChanged();
    finish();
}

// A sync or another program may have changed the contact while it was being
// edited: the user then chooses between saving over it and seeing it as it is
// now (the boxes filled again, the editor still open, the edits gone).
bool ContactDialog::keepEditsOverOtherChanges()
{
    std::optional<Contact> storedNow;
    try {
        storedNow = ReadContactFields(mBook.database(), mPersonId);
        if (storedNow)
            ReadContactDetails(mBook.database(), *storedNow);
    } catch (const DatabaseError &) {
        return true; // the store reports its failure on saving
    }
    if (!storedNow || (SameStoredFields(*storedNow, *mRead) && storedNow->details == mRead->details))
        return true;
    if (AskYesNo(tr("This contact was changed elsewhere (by a sync or another program) while you were editing "
                    "it.\n\nSave your changes over it? Choose No to see the contact as it is now, without your "
                    "changes.")))
        return true;
    mRead = storedNow;
    showFields(*mRead);
    fillNumbers();
    setButtons();
    mAddressBoxes.front().box->setFocus();
    return false;
}

void ContactDialog::cancel()
{
    mSaved.reset();
    finish();
}

void ContactDialog::reject()
{
    cancel();
}

void ContactDialog::finish()
{
    mRead.reset();
    mActivated = false;
    hide();
}

void ContactDialog::hideEvent(QHideEvent *event)
{
    if (mPlaces)
        mPlaces->keep(*this);
    QDialog::hideEvent(event);
}

} // namespace varnelle
