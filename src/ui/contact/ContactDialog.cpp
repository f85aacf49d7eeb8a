#include "ui/contact/ContactDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/TabStops.h"
#include "ui/widgets/StoreLengthValidator.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/DatabaseError.h"
#include "ui/contact/PhoneNumberDialog.h"

#include <QDataWidgetMapper>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QSqlTableModel>
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

// Moves into the row only what the user changed. A box whose text is still
// the stored value writes nothing, so a stored '' stays '' and a Null stays
// Null; a box the user emptied stores Null, as a field never filled holds.
class ChangedBoxesOnly : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Escape would only put one box back; it is the form's Cancel.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return false;
        return QStyledItemDelegate::eventFilter(watched, event);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const auto *box = qobject_cast<QLineEdit *>(editor);
        if (!box) {
            QStyledItemDelegate::setModelData(editor, model, index);
        } else if (box->text() == index.data(Qt::EditRole).toString()) {
            return;
        } else if (box->text().isEmpty()) {
            model->setData(index, QVariant(QMetaType::fromType<QString>()));
        } else {
            model->setData(index, box->text());
        }
    }
};

struct BoxPlace {
    int index;
    const char *field;
    int maxLength;
    double left, top, width, height;
};

// In tab order; index 6 is the State box.
constexpr BoxPlace Boxes[] = {
    {0, "Title", 12, 1560, 240, 1215, 285},      {1, "FirstName", 15, 1560, 600, 1455, 285},
    {2, "LastName", 25, 3120, 600, 2295, 285},   {3, "Company", 30, 1560, 960, 2895, 285},
    {4, "Street", 40, 1560, 1320, 3495, 285},    {5, "City", 25, 1560, 1680, 2415, 285},
    {6, "State", 2, 4080, 1680, 615, 285},       {7, "ZipCode", 10, 4800, 1680, 1095, 285},
    {11, "EMail", 50, 1560, 2040, 4575, 285},    {12, "Spouse", 30, 1560, 2400, 3015, 285},
    {13, "Children", 50, 1560, 2760, 4575, 285},
};

struct LabelPlace {
    int index;
    const char *caption;
    double left, top, width, height;
};

constexpr LabelPlace Labels[] = {
    {0, "Title:", 1080, 240, 375, 255},           {1, "Company:", 720, 960, 735, 255},
    {2, "Address:", 840, 1320, 615, 255},         {3, "Name:", 990, 600, 465, 195},
    {11, "E-Mail Address:", 360, 2040, 1095, 255}, {12, "Spouse:", 840, 2400, 615, 255},
    {13, "Children:", 840, 2760, 615, 255},
};

QListWidgetItem *numberEntry(const QString &line, std::int32_t typeId)
{
    auto *item = new QListWidgetItem(line);
    item->setData(Qt::UserRole, typeId);
    return item;
}

} // namespace

ContactDialog::ContactDialog(AddressBook &book, std::int32_t personId, QWidget *parent)
    : QDialog(parent), mBook(book), mPersonId(personId)
{
    setObjectName("ContactDialog");
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    SetClientSizeTwips(this, 7095, 5610);
    createControls();

    mBinding = new QDataWidgetMapper(this);
    mBinding->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mBinding->setItemDelegate(new ChangedBoxesOnly(mBinding));

    connect(lstNumbers, &QListWidget::itemSelectionChanged, this, &ContactDialog::setButtons);
    connect(lstNumbers, &QListWidget::itemDoubleClicked, this, &ContactDialog::editNumber);
    OnEnterWithSelection(lstNumbers, [this] { editNumber(); });
    connect(cmdAdd, &QPushButton::clicked, this, &ContactDialog::addNumber);
    connect(cmdEdit, &QPushButton::clicked, this, &ContactDialog::editNumber);
    connect(cmdDelete, &QPushButton::clicked, this, &ContactDialog::deleteNumber);
    connect(cmdSave, &QPushButton::clicked, this, &ContactDialog::save);
    connect(cmdCancel, &QPushButton::clicked, this, &ContactDialog::cancel);

    // Load
    adjustSize();
    CenterForm(*this);
    mActivated = false;
}

ContactDialog::~ContactDialog() = default;

void ContactDialog::createControls()
{
    QList<QWidget *> tabOrder;
    for (const BoxPlace &b : Boxes) {
        QLineEdit *box = nullptr;
        if (b.index == 6) {
            box = txtState = MakeControl<CapitalsBox>(this, "txtState", b.left, b.top, b.width, b.height);
        } else {
            const QByteArray name = "txtFields_" + QByteArray::number(b.index);
            box = txtFields[b.index] = MakeControl<QLineEdit>(this, name.constData(), b.left, b.top, b.width, b.height);
        }
        LimitToStoreLength(box, b.maxLength);
        UseButtonFace(box);
        tabOrder << box;
    }
    lstNumbers = MakeControl<QListWidget>(this, "lstNumbers", 1560, 3120, 3975, 1620);
    UseButtonFace(lstNumbers);
    KeepSelectionOnceChosen(lstNumbers);
    ShowTabsAtStops(lstNumbers);
    cmdAdd = MakeButton(this, "cmdAdd", "&Add Number", 5640, 3240, 1335, 375);
    cmdEdit = MakeButton(this, "cmdEdit", "&Edit Number", 5640, 3720, 1335, 375);
    cmdDelete = MakeButton(this, "cmdDelete", "&Delete Number", 5640, 4200, 1335, 375);
    cmdSave = MakeButton(this, "cmdSave", "&Save", 1560, 4920, 1215, 615);
    cmdCancel = MakeButton(this, "cmdCancel", "&Cancel", 3840, 4920, 1215, 615);
    cmdSave->setDefault(true);
    SetTabOrder(tabOrder << lstNumbers << cmdAdd << cmdEdit << cmdDelete << cmdSave << cmdCancel);
    for (const LabelPlace &l : Labels) {
        const QByteArray name = "lblLabels_" + QByteArray::number(l.index);
        lblLabels[l.index] = MakeLabel(this, name.constData(), l.caption, l.left, l.top, l.width, l.height);
    }
}

void ContactDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!mActivated)
        initialise();
}

void ContactDialog::initialise()
{
    releaseRow();
    try {
        datAddress = OpenContactRow(mBook.database(), mPersonId, this);
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
    }
    if (!datAddress || datAddress->rowCount() == 0) {
        // No such contact: leave as a cancel does, once the showing is complete.
        releaseRow();
        mSaved.reset();
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
        return;
    }
    datAddress->setObjectName("datAddress");
    mBinding->setModel(datAddress);
    for (const BoxPlace &b : Boxes)
        mBinding->addMapping(b.index == 6 ? txtState : txtFields[b.index], datAddress->fieldIndex(b.field));
    mBinding->toFirst();

    setWindowTitle("Edit Address");
    mActivated = true;
    fillNumbers();
    setButtons();
    txtFields[0]->setFocus();
}

void ContactDialog::fillNumbers()
{
    lstNumbers->clear();
    try {
        for (const ContactNumber &n : ReadContactNumbers(mBook.database(), mPersonId))
            lstNumbers->addItem(numberEntry(n.typeName + '\t' + n.number, n.typeId));
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
    }
}

void ContactDialog::setButtons()
{
    const bool selected = SelectedEntry(lstNumbers) != nullptr;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void ContactDialog::addNumber()
{
    PhoneNumberDialog dialog(mBook, mPersonId, 0);
    dialog.exec();
    if (const std::optional<StoredNumber> stored = dialog.storedNumber())
        lstNumbers->addItem(numberEntry(stored->line, stored->typeId));
}

void ContactDialog::editNumber()
{
    QListWidgetItem *item = SelectedEntry(lstNumbers);
    if (!item)
        return;
    PhoneNumberDialog dialog(mBook, mPersonId, ItemData(item));
    dialog.exec();
    const std::optional<StoredNumber> stored = dialog.storedNumber();
    if (!stored)
        return;
    const int row = lstNumbers->row(item);
    delete lstNumbers->takeItem(row);
    lstNumbers->insertItem(row, numberEntry(stored->line, stored->typeId));
    lstNumbers->clearSelection();
    setButtons();
}

void ContactDialog::deleteNumber()
{
    QListWidgetItem *item = SelectedEntry(lstNumbers);
    if (!item)
        return;
    if (MsgBox("Delete " + item->text() + "?", MsgConfirm) != AnswerYes)
        return;
    try {
        DeleteContactNumber(mBook.database(), mPersonId, ItemData(item));
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    RemoveEntry(lstNumbers, item);
    setButtons();
}

void ContactDialog::save()
{
    if (!datAddress)
        return;
    try {
        if (!mBinding->submit())
            throw DatabaseError("The changes could not be taken from the boxes.");
        StoreContactRow(*datAddress, mPersonId);
    } catch (const DatabaseError &error) {
        // The editor stays open with the user's entries.
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    mSaved = mPersonId;
    mBook.notifyContactsChanged();
    finish();
}

void ContactDialog::cancel()
{
    if (datAddress)
        datAddress->revertAll();
    mSaved.reset();
    finish();
}

void ContactDialog::reject()
{
    cancel();
}

void ContactDialog::finish()
{
    releaseRow();
    mActivated = false;
    hide();
}

void ContactDialog::releaseRow()
{
    mBinding->clearMapping();
    delete datAddress;
    datAddress = nullptr;
}

} // namespace varnelle
