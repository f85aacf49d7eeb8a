#include "ui/contact/ContactDetailsDialog.h"

#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"

#include <QBuffer>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace varnelle {

namespace {

// The locale's short date format with the whole year: a birthday needs its century.
QString fullDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// The same without the year and the separator next to it ("M/d/yyyy" -> "M/d").
QString dayDateFormat()
{
    QString format = fullDateFormat();
    qsizetype from = format.indexOf(u'y');
    qsizetype to = format.lastIndexOf(u'y') + 1;
    if (from < 0)
        return format;
    const auto isField = [](QChar c) { return c.isLetter(); };
    if (from == 0)
        while (to < format.size() && !isField(format.at(to)))
            ++to;
    else
        while (from > 0 && !isField(format.at(from - 1)))
            --from;
    // A day ends with its dot where the date's parts end with one ("31.12.").
    if (from > 0 && format.at(from) == u'.')
        ++from;
    return format.remove(from, to - from);
}

QString withoutMnemonic(QString caption)
{
    caption.remove(u'&');
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

// A list a few lines high at any font.
class ShortList : public QListWidget {
public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override
    {
        return {fontMetrics().averageCharWidth() * 40, fontMetrics().lineSpacing() * 5 + 2 * frameWidth()};
    }
};

QList<QStringList> labeledRows(const QList<LabeledValue> &values)
{
    QList<QStringList> rows;
    for (const LabeledValue &v : values)
        rows << QStringList{v.value, v.label};
    return rows;
}

QList<QStringList> textRows(const QStringList &texts)
{
    QList<QStringList> rows;
    for (const QString &text : texts)
        rows << QStringList{text};
    return rows;
}

QList<LabeledValue> labeledValues(const QList<QStringList> &rows)
{
    QList<LabeledValue> values;
    for (const QStringList &row : rows)
        values.append({row.value(1), row.value(0)});
    return values;
}

QStringList texts(const QList<QStringList> &rows)
{
    QStringList result;
    for (const QStringList &row : rows)
        result << row.value(0);
    return result;
}

} // namespace

QString DateText(const ContactDate &date)
{
    if (!date.isValid())
        return date.text;
    if (!date.year)
        return QLocale().toString(QDate(2000, date.month, date.day), dayDateFormat());
    return QLocale().toString(QDate(date.year, date.month, date.day), fullDateFormat());
}

std::optional<ContactDate> ParseDateText(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return ContactDate();
    if (const QDate date = QLocale().toDate(text, fullDateFormat()); date.isValid())
        return ContactDate{date.year(), date.month(), date.day(), {}};
    // Checked in a leap year, so that 29 February stands.
    if (const QDate day = QLocale().toDate(text + " 2000", dayDateFormat() + " yyyy"); day.isValid())
        return ContactDate{0, day.month(), day.day(), {}};
    if (const ContactDate iso = ContactDate::fromIso(text); iso.isValid())
        return iso;
    return std::nullopt;
}

DetailEntryDialog::DetailEntryDialog(const QString &title, const std::vector<DetailPart> &parts,
                                     const QStringList &values, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("DetailEntryDialog");
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const DetailPart &part = parts[i];
        const QString value = values.value(qsizetype(i));
        QWidget *field;
        if (!part.suggestions.isEmpty()) {
            auto *combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(part.suggestions);
            combo->setCurrentText(value);
            mReaders.push_back([combo] { return combo->currentText().trimmed(); });
            field = combo;
        } else if (part.lines) {
            auto *box = new QPlainTextEdit(value, this);
            box->setTabChangesFocus(true);
            box->setMinimumHeight(box->fontMetrics().lineSpacing() * 3);
            mReaders.push_back([box] { return box->toPlainText().trimmed(); });
            field = box;
        } else {
            auto *box = new QLineEdit(value, this);
            mReaders.push_back([box] { return box->text().trimmed(); });
            field = box;
        }
        field->setObjectName(part.name);
        field->setAccessibleName(withoutMnemonic(part.caption));
        auto *label = new QLabel(part.caption, this);
        label->setObjectName(QByteArray(part.name) + "Label");
        label->setBuddy(field);
        form->addRow(label, field);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QStringList DetailEntryDialog::values() const
{
    QStringList result;
    for (const auto &read : mReaders)
        result << read();
    return result;
}

// A list of details on a page with its Add, Change and Remove buttons. Each
// entry keeps its parts in the item's data; Enter or a double-click on an
// entry changes it, Delete removes it.
class ContactDetailsDialog::ListPart : public QObject {
public:
    using Line = std::function<QString(const QStringList &)>;
    using Store = std::function<void(ContactDetails &, const QList<QStringList> &)>;

    ListPart(QWidget *page, const char *name, const QString &title, std::vector<DetailPart> parts,
             const QList<QStringList> &rows, Line line, Store store)
        : mTitle(title), mParts(std::move(parts)), mLine(std::move(line)), store(std::move(store))
    {
        field = new QWidget(page);
        list = new ShortList(field);
        list->setObjectName(name);
        list->setAccessibleName(withoutMnemonic(title));
        auto *row = new QHBoxLayout(field);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(list, 1);
        auto *column = new QVBoxLayout;
        row->addLayout(column);
        const auto button = [&](const QString &caption, const char *suffix) {
            auto *b = new QPushButton(caption, field);
            b->setObjectName(QByteArray(name) + suffix);
            b->setAutoDefault(false);
            b->setAccessibleName(caption.chopped(caption.endsWith("...") ? 3 : 0) + ": " + list->accessibleName());
            column->addWidget(b);
            return b;
        };
        addButton = button(ContactDetailsDialog::tr("Add..."), "Add");
        changeButton = button(ContactDetailsDialog::tr("Change..."), "Change");
        removeButton = button(ContactDetailsDialog::tr("Remove"), "Remove");
        column->addStretch();
        for (const QStringList &r : rows)
            append(r);
        connect(addButton, &QPushButton::clicked, this, [this] {
            if (const auto entry = ask({}))
                append(*entry);
        });
        connect(changeButton, &QPushButton::clicked, this, &ListPart::change);
        connect(removeButton, &QPushButton::clicked, this, &ListPart::remove);
        connect(list, &QListWidget::itemDoubleClicked, this, &ListPart::change);
        connect(list, &QListWidget::itemSelectionChanged, this, &ListPart::setButtons);
        OnEnterWithSelection(list, [this] { change(); });
        list->installEventFilter(this);
        setButtons();
    }

    QList<QStringList> rows() const
    {
        QList<QStringList> result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->data(Qt::UserRole).toStringList();
        return result;
    }

    QListWidget *list;
    QWidget *field; // the list with its buttons
    QPushButton *addButton;
    QPushButton *changeButton;
    QPushButton *removeButton;

private:
    QString mTitle;
    std::vector<DetailPart> mParts;
    Line mLine;

public:
    Store store;

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete
            && list->currentItem() && list->currentItem()->isSelected()) {
            remove();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

    std::optional<QStringList> ask(const QStringList &values)
    {
        DetailEntryDialog dialog(withoutMnemonic(mTitle), mParts, values, list->window());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QStringList entry = dialog.values();
        // An entry with nothing in it is none.
        if (std::all_of(entry.begin(), entry.end(), [](const QString &part) { return part.isEmpty(); }))
            return std::nullopt;
        return entry;
    }

    void append(const QStringList &entry)
    {
        auto *item = new QListWidgetItem(mLine(entry));
        item->setData(Qt::UserRole, entry);
        list->addItem(item);
    }

    void change()
    {
        QListWidgetItem *item = list->currentItem();
        if (!item || !item->isSelected())
            return;
        if (const auto entry = ask(item->data(Qt::UserRole).toStringList())) {
            item->setText(mLine(*entry));
            item->setData(Qt::UserRole, *entry);
        }
    }

    void remove()
    {
        QListWidgetItem *item = list->currentItem();
        if (item && item->isSelected())
            delete list->takeItem(list->row(item));
        setButtons();
    }

    void setButtons()
    {
        const bool selected = list->currentItem() && list->currentItem()->isSelected();
        changeButton->setEnabled(selected);
        removeButton->setEnabled(selected);
    }
};

ContactDetailsDialog::ContactDetailsDialog(const Contact &contact, const QStringList &numberTypes, QWidget *parent)
    : QDialog(parent), mContact(contact)
{
    setObjectName("ContactDetailsDialog");
    setWindowTitle(tr("More Details"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    mPages = new QTabWidget(this);
    mPages->setObjectName("pages");
    mPages->setAccessibleName(tr("Details"));
    mPages->setUsesScrollButtons(false); // every page's name in sight; the window grows for them
    layout->addWidget(mPages);
    const ContactDetails &d = contact.details;

    const QString kind = tr("&Kind:");
    const auto labeled = [&](const QString &value, const QStringList &suggestions) {
        return std::vector<DetailPart>{{value, "valueBox"}, {kind, "kindBox", false, suggestions}};
    };
    const auto keepLabeled = [](QList<LabeledValue> ContactDetails::*member) {
        return [member](ContactDetails &to, const QList<QStringList> &rows) { to.*member = labeledValues(rows); };
    };
    const auto keepTexts = [](QStringList ContactDetails::*member) {
        return [member](ContactDetails &to, const QList<QStringList> &rows) { to.*member = texts(rows); };
    };
    const QStringList homeWork{"home", "work"};

    QWidget *names = addPage(tr("&Names"), "namesPage");
    mSingles.push_back({addLine(names, "prefixBox", tr("Name p&refix:"), d.namePrefix), &ContactDetails::namePrefix});
    mSingles.push_back({addLine(names, "middleNameBox", tr("Midd&le name:"), d.middleName), &ContactDetails::middleName});
    mSingles.push_back({addLine(names, "suffixBox", tr("Name &suffix:"), d.nameSuffix), &ContactDetails::nameSuffix});
    mSingles.push_back(
        {addLine(names, "displayNameBox", tr("Displa&y name:"), d.displayName), &ContactDetails::displayName});
    addList(names, "nicknameList", tr("Nic&knames:"), {{tr("&Nickname:"), "valueBox"}}, textRows(d.nicknames))
        ->store = keepTexts(&ContactDetails::nicknames);

    QWidget *work = addPage(tr("Or&ganisation"), "organisationPage");
    mSingles.push_back({addLine(work, "jobTitleBox", tr("&Job title:"), d.jobTitle), &ContactDetails::jobTitle});
    mSingles.push_back({addLine(work, "roleBox", tr("&Role:"), d.role), &ContactDetails::role});
    addList(work, "departmentList", tr("Depar&tments:"), {{tr("&Department:"), "valueBox"}}, textRows(d.orgUnits))
        ->store = keepTexts(&ContactDetails::orgUnits);

    QWidget *places = addPage(tr("A&ddresses"), "addressesPage");
    mSingles.push_back(
        {addLine(places, "countryBox", tr("&Country of the first address:"), d.country), &ContactDetails::country});
    QList<QStringList> addressRows;
    for (const ContactAddress &a : d.addresses)
        addressRows << QStringList{a.street, a.locality, a.region, a.postalCode, a.country, a.poBox, a.extended, a.label};
    ListPart *addresses = addList(places, "addressList", tr("Further &addresses:"),
                                  {{tr("&Street:"), "streetBox", true},
                                   {tr("C&ity:"), "localityBox"},
                                   {tr("State or &province:"), "regionBox"},
                                   {tr("Postal c&ode:"), "postalCodeBox"},
                                   {tr("Co&untry:"), "countryBox"},
                                   {tr("P.O. &box:"), "poBoxBox"},
                                   {tr("E&xtended address:"), "extendedBox"},
                                   {kind, "kindBox", false, homeWork}},
                                  addressRows);
    addresses->store = [](ContactDetails &to, const QList<QStringList> &rows) {
        to.addresses.clear();
        for (const QStringList &r : rows)
            to.addresses.append({r.value(7), r.value(5), r.value(6), r.value(0), r.value(1), r.value(2), r.value(3),
                                 r.value(4)});
    };

    QWidget *reach = addPage(tr("E-&mail && Phone"), "emailPhonePage");
    addList(reach, "emailList", tr("Further e-mail &addresses:"), labeled(tr("&E-mail address:"), homeWork),
            labeledRows(d.emails))
        ->store = keepLabeled(&ContactDetails::emails);
    addList(reach, "numberList", tr("Further num&bers:"), labeled(tr("&Number:"), numberTypes),
            labeledRows(d.telephones))
        ->store = keepLabeled(&ContactDetails::telephones);

    QWidget *net = addPage(tr("&Internet"), "internetPage");
    addList(net, "webList", tr("&Web addresses:"), labeled(tr("&Address:"), homeWork), labeledRows(d.webAddresses))
        ->store = keepLabeled(&ContactDetails::webAddresses);
    addList(net, "messagingList", tr("Mess&aging:"),
            labeled(tr("&Address:"), {"xmpp", "sip", "skype", "matrix", "irc", "aim", "icq", "msn", "yahoo"}),
            labeledRows(d.messaging))
        ->store = keepLabeled(&ContactDetails::messaging);
    addList(net, "socialList", tr("&Social profiles:"),
            labeled(tr("&Profile:"), {"mastodon", "linkedin", "facebook", "twitter", "github", "instagram"}),
            labeledRows(d.social))
        ->store = keepLabeled(&ContactDetails::social);

    QWidget *dates = addPage(tr("Dat&es && Note"), "datesPage");
    mDates.push_back({addLine(dates, "birthdayBox", tr("&Birthday:"), DateText(d.birthday)), &ContactDetails::birthday,
                      tr("The birthday")});
    mDates.push_back({addLine(dates, "anniversaryBox", tr("&Anniversary:"), DateText(d.anniversary)),
                      &ContactDetails::anniversary, tr("The anniversary")});
    auto *hint = new QLabel(tr("A date as %1, or as %2 without a year.")
                                .arg(DateText({1984, 12, 31, {}}), DateText({0, 12, 31, {}})),
                            dates);
    hint->setObjectName("dateHint");
    static_cast<QFormLayout *>(dates->layout())->addRow(QString(), hint);
    for (const DateBox &date : mDates)
        date.box->setPlaceholderText(DateText({1984, 12, 31, {}}));
    mNote = new QPlainTextEdit(d.note, dates);
    mNote->setObjectName("noteBox");
    mNote->setTabChangesFocus(true);
    mNote->setAccessibleName(tr("Note"));
    mNoteShown = mNote->toPlainText();
    auto *noteLabel = new QLabel(tr("N&ote:"), dates);
    noteLabel->setObjectName("noteBoxLabel");
    noteLabel->setBuddy(mNote);
    static_cast<QFormLayout *>(dates->layout())->addRow(noteLabel, mNote);

    QWidget *people = addPage(tr("&People && Categories"), "peoplePage");
    addList(people, "relatedList", tr("&Related people:"),
            labeled(tr("&Name:"), {"friend", "parent", "sibling", "child", "spouse", "partner", "assistant",
                                   "manager", "colleague", "emergency"}),
            labeledRows(d.related))
        ->store = keepLabeled(&ContactDetails::related);
    addList(people, "categoryList", tr("&Categories:"), {{tr("&Category:"), "valueBox"}}, textRows(d.categories))
        ->store = keepTexts(&ContactDetails::categories);

    QWidget *photo = addPage(tr("P&hoto"), "photoPage");
    mPhoto = new QLabel(photo);
    mPhoto->setObjectName("photo");
    mPhoto->setAccessibleName(tr("Photo"));
    mPhoto->setAlignment(Qt::AlignCenter);
    mPhoto->setWordWrap(true); // a long URI
    const int side = fontMetrics().lineSpacing() * 10;
    mPhoto->setMinimumSize(side, side);
    auto *choose = new QPushButton(tr("&Choose Photo..."), photo);
    choose->setObjectName("choosePhotoButton");
    choose->setAutoDefault(false);
    mRemovePhoto = new QPushButton(tr("Re&move Photo"), photo);
    mRemovePhoto->setObjectName("removePhotoButton");
    mRemovePhoto->setAutoDefault(false);
    auto *photoButtons = new QVBoxLayout;
    photoButtons->addWidget(choose);
    photoButtons->addWidget(mRemovePhoto);
    photoButtons->addStretch();
    auto *photoRow = new QHBoxLayout;
    photoRow->addWidget(mPhoto, 1);
    photoRow->addLayout(photoButtons);
    static_cast<QFormLayout *>(photo->layout())->addRow(photoRow);
    connect(choose, &QPushButton::clicked, this, &ContactDetailsDialog::choosePhoto);
    connect(mRemovePhoto, &QPushButton::clicked, this, &ContactDetailsDialog::removePhoto);
    showPhoto();

    // The editor's boxes show what the book's columns hold; here each field is whole.
    QWidget *whole = addPage(tr("&Fields in Full"), "fieldsPage");
    const std::pair<const char *, QString> wholeCaptions[] = {
        {"Title", tr("&Title:")},         {"FirstName", tr("Fir&st name:")}, {"LastName", tr("&Last name:")},
        {"Company", tr("&Company:")},     {"Street", tr("St&reet:")},        {"City", tr("Cit&y:")},
        {"State", tr("St&ate:")},         {"ZipCode", tr("&ZIP code:")},     {"EMail", tr("E-mail:")},
        {"Spouse", tr("Spo&use:")},       {"Children", tr("Children:")},
    };
    for (const auto &[column, caption] : wholeCaptions) {
        QString Contact::*member = FindContactField(QString::fromLatin1(column))->member;
        const QByteArray name = QByteArray("whole") + column + "Box";
        mWholes.push_back({addLine(whole, name.constData(), caption, contact.*member), member});
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ContactDetailsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    mPages->setCurrentIndex(0);
}

ContactDetailsDialog::~ContactDetailsDialog() = default;

QWidget *ContactDetailsDialog::addPage(const QString &title, const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    new QFormLayout(page);
    mPages->addTab(page, title);
    return page;
}

QLineEdit *ContactDetailsDialog::addLine(QWidget *page, const char *name, const QString &caption, const QString &text)
{
    auto *box = new QLineEdit(text, page);
    box->setObjectName(name);
    box->setAccessibleName(withoutMnemonic(caption));
    auto *label = new QLabel(caption, page);
    label->setObjectName(QByteArray(name) + "Label");
    label->setBuddy(box);
    static_cast<QFormLayout *>(page->layout())->addRow(label, box);
    return box;
}

ContactDetailsDialog::ListPart *ContactDetailsDialog::addList(QWidget *page, const char *name, const QString &caption,
                                                              std::vector<DetailPart> parts,
                                                              const QList<QStringList> &rows)
{
    const auto line = [](const QStringList &entry) {
        QStringList shown;
        // A postal address: its parts on one line, the kind first.
        if (entry.size() > 2) {
            for (int i = 0; i < 7; ++i)
                if (!entry.value(i).isEmpty())
                    shown << QString(entry.value(i)).replace(u'\n', QLatin1String(", "));
            return (entry.value(7).isEmpty() ? QString() : entry.value(7) + ": ") + shown.join(QLatin1String(", "));
        }
        return entry.value(1).isEmpty() ? entry.value(0) : entry.value(1) + ": " + entry.value(0);
    };
    mLists.push_back(std::make_unique<ListPart>(page, name, caption, std::move(parts), rows, line, nullptr));
    ListPart *part = mLists.back().get();
    auto *label = new QLabel(caption, page);
    label->setObjectName(QByteArray(name) + "Label");
    label->setBuddy(part->list);
    static_cast<QFormLayout *>(page->layout())->addRow(label, part->field);
    return part;
}

std::optional<ContactDate> ContactDetailsDialog::readDate(const DateBox &date) const
{
    const ContactDate &before = mContact.details.*date.member;
    if (date.box->text().trimmed() == DateText(before).trimmed())
        return before; // untouched: a date kept as text stays as it was written
    return ParseDateText(date.box->text());
}

void ContactDetailsDialog::accept()
{
    for (const DateBox &date : mDates) {
        if (readDate(date))
            continue;
        mPages->setCurrentWidget(date.box->parentWidget());
        ShowRefusal(tr("%1 \"%2\" is not a date. Type a date as %3, or a day without a year as %4.")
                        .arg(date.caption, date.box->text().trimmed(), DateText({1984, 12, 31, {}}),
                             DateText({0, 12, 31, {}})));
        date.box->setFocus();
        date.box->selectAll();
        return;
    }
    QDialog::accept();
}

Contact ContactDetailsDialog::contact() const
{
    Contact result = mContact;
    ContactDetails &d = result.details;
    // A value the user left as it was shown stays exactly as it was.
    for (const Single &single : mSingles)
        if (single.box->text() != mContact.details.*single.member)
            d.*single.member = single.box->text().trimmed();
    for (const Whole &whole : mWholes)
        if (whole.box->text() != mContact.*whole.member)
            result.*whole.member = whole.box->text();
    for (const DateBox &date : mDates)
        d.*date.member = readDate(date).value_or(mContact.details.*date.member);
    if (mNote->toPlainText() != mNoteShown)
        d.note = mNote->toPlainText().trimmed().isEmpty() ? QString() : mNote->toPlainText();
    for (const auto &list : mLists)
        list->store(d, list->rows());
    return result;
}

void ContactDetailsDialog::choosePhoto()
{
    QFileDialog dialog(this, tr("Choose Photo"));
    dialog.setObjectName("photoFileDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Images (*.png *.jpg *.jpeg)"), tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString name = dialog.selectedFiles().first();
    const QString shownName = QDir::toNativeSeparators(name);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowRefusal(tr("%1 could not be read: %2").arg(shownName, file.errorString()));
        return;
    }
    if (file.size() > PhotoSizeLimit) {
        ShowRefusal(tr("%1 is too large for a photo: it has %2, a photo may have at most %3.")
                        .arg(shownName, QLocale().formattedDataSize(file.size()),
                             QLocale().formattedDataSize(PhotoSizeLimit)));
        return;
    }
    QByteArray data = file.readAll();
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if ((format != "png" && format != "jpeg") || reader.read().isNull()) {
        ShowRefusal(tr("%1 is not a PNG or JPEG image. Choose a photo in one of these formats.").arg(shownName));
        return;
    }
    mContact.details.photo = {data, format == "png" ? QStringLiteral("image/png") : QStringLiteral("image/jpeg"), {}};
    showPhoto();
}

void ContactDetailsDialog::removePhoto()
{
    mContact.details.photo = {};
    showPhoto();
}

void ContactDetailsDialog::showPhoto()
{
    const ContactPhoto &photo = mContact.details.photo;
    mRemovePhoto->setEnabled(!photo.isEmpty());
    mPhoto->setPixmap({});
    QPixmap image;
    if (!photo.data.isEmpty() && image.loadFromData(photo.data)) {
        const QSize room = mPhoto->minimumSize();
        mPhoto->setPixmap(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        mPhoto->setText({});
    } else if (!photo.data.isEmpty()) {
        mPhoto->setText(tr("This photo cannot be shown."));
    } else if (!photo.uri.isEmpty()) {
        mPhoto->setText(tr("Photo at %1").arg(photo.uri));
    } else {
        mPhoto->setText(tr("No photo"));
    }
}

} // namespace varnelle
