#include "ui/main/ContactActions.h"

#include "interchange/VCardWriter.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/DatabaseError.h"
#include "store/DetailTables.h"
#include "ui/widgets/DesktopLinks.h"
#include "ui/widgets/MessageBox.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QSaveFile>

namespace varnelle {

namespace {

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    }
    return kept.join(separator);
}

// "Springfield, IL 62701": the city, then the state and ZIP code.
QString cityLine(const QString &city, const QString &state, const QString &zip)
{
    return joined({city, joined({state, zip}, QStringLiteral(" "))}, QStringLiteral(", "));
}

QString addressText(const ContactAddress &address)
{
    return joined({address.poBox, address.extended, address.street,
                   cityLine(address.locality, address.region, address.postalCode), address.country},
                  QStringLiteral("\n"));
}

// "7 March 1984 (age 42)", "7 March", or the date as it was written.
QString dateText(const ContactDate &date, const QDate &today, bool withAge)
{
    if (!date.isValid())
        return date.text;
    const QLocale locale;
    if (date.year == 0)
        return locale.toString(QDate(2000, date.month, date.day), QStringLiteral("d MMMM"));
    const QDate day(date.year, date.month, date.day);
    // The locale's long date without its weekday: "24 December 1970".
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("d{4}[,.]?\\s*")));
    const QString text = locale.toString(day, format.trimmed());
    if (!withAge || !day.isValid() || day > today)
        return text;
    int age = today.year() - day.year();
    if (today.month() < day.month() || (today.month() == day.month() && today.day() < day.day()))
        --age;
    return ContactActions::tr("%1 (age %2)").arg(text).arg(age);
}

// A type's words as a label: "work,pref" shows as "work".
QString labelOf(const QString &words, const QString &otherwise)
{
    const QString first = words.section(u',', 0, 0).trimmed();
    return first.isEmpty() || first.compare(QStringLiteral("pref"), Qt::CaseInsensitive) == 0 ? otherwise : first;
}

bool isUrl(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && !url.host().isEmpty();
}

// A file name made of the contact's name, without characters file systems refuse.
QString cardFileName(const Contact &contact)
{
    QString name = ContactHeading(contact);
    name.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])")), QStringLiteral("_"));
    return name.left(80).trimmed() + QStringLiteral(".vcf");
}

} // namespace

QString ContactHeading(const Contact &contact)
{
    const QString name = joined({contact.title, contact.details.namePrefix, contact.firstName,
                                 contact.details.middleName, contact.lastName, contact.details.nameSuffix},
                                QStringLiteral(" "));
    if (!name.isEmpty())
        return name;
    if (!contact.company.trimmed().isEmpty())
        return contact.company.trimmed();
    return ContactActions::tr("Unknown");
}

QString PostalAddress(const Contact &contact)
{
    return joined({contact.street, cityLine(contact.city, contact.state, contact.zipCode), contact.details.country},
                  QStringLiteral("\n"));
}

QUrl MailLink(const QString &address)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address.trimmed());
    return url;
}

QUrl CallLink(const QString &number)
{
    // Spaces are no part of a tel: URI; the other separators are.
    QString digits = number.trimmed();
    digits.remove(QRegularExpression(QStringLiteral("\\s")));
    return QUrl(QStringLiteral("tel:") + digits);
}

QUrl MapLink(const QString &address)
{
    // Every character but the unreserved ones escaped: a '&' or '+' of the
    // address stays part of it.
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    const QString oneLine = joined(address.split(u'\n'), QStringLiteral(", "));
    url.setQuery(QStringLiteral("query=") + QString::fromLatin1(QUrl::toPercentEncoding(oneLine)));
    return url;
}

QUrl WebLink(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(u' '))
        return {};
    if (isUrl(trimmed))
        return QUrl(trimmed);
    // "www.example.com/page": a host with a dot and no scheme.
    const QUrl guessed(QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    return guessed.isValid() && guessed.host().contains(u'.') ? guessed : QUrl();
}

QList<ContactItem> ContactItems(const Contact &contact, const QDate &today)
{
    const ContactDetails &d = contact.details;
    QList<ContactItem> items;
    const auto add = [&items](const QString &label, const QString &value, const QUrl &link = {}) {
        if (!value.trimmed().isEmpty())
            items.append({label, value.trimmed(), link});
    };
    if (!d.displayName.isEmpty() && d.displayName != ContactHeading(contact))
        add(ContactActions::tr("Shown as"), d.displayName);
    add(ContactActions::tr("Nickname"), d.nicknames.join(QStringLiteral(", ")));
    add(ContactActions::tr("Company"), joined(QStringList{contact.company} + d.orgUnits, QStringLiteral(", ")));
    add(ContactActions::tr("Job title"), d.jobTitle);
    add(ContactActions::tr("Role"), d.role);
    for (const PhoneNumber &number : contact.telephones)
        add(number.type.isEmpty() ? ContactActions::tr("Telephone") : number.type, number.number,
            CallLink(number.number));
    for (const LabeledValue &number : d.telephones)
        add(labelOf(number.label, ContactActions::tr("Telephone")), number.value, CallLink(number.value));
    add(ContactActions::tr("E-mail"), contact.email, MailLink(contact.email));
    for (const LabeledValue &mail : d.emails)
        add(labelOf(mail.label, ContactActions::tr("E-mail")), mail.value, MailLink(mail.value));
    const QString postal = PostalAddress(contact);
    add(ContactActions::tr("Address"), postal, MapLink(postal));
    for (const ContactAddress &address : d.addresses) {
        const QString text = addressText(address);
        add(labelOf(address.label, ContactActions::tr("Address")), text, MapLink(text));
    }
    for (const LabeledValue &web : d.webAddresses)
        add(labelOf(web.label, ContactActions::tr("Web")), web.value, WebLink(web.value));
    for (const LabeledValue &chat : d.messaging)
        add(labelOf(chat.label, ContactActions::tr("Messaging")), chat.value, isUrl(chat.value) ? QUrl(chat.value) : QUrl());
    for (const LabeledValue &profile : d.social)
        add(labelOf(profile.label, ContactActions::tr("Profile")), profile.value, WebLink(profile.value));
    add(ContactActions::tr("Spouse"), contact.spouse);
    add(ContactActions::tr("Children"), contact.children);
    for (const LabeledValue &person : d.related)
        add(labelOf(person.label, ContactActions::tr("Related")), person.value);
    add(ContactActions::tr("Birthday"), dateText(d.birthday, today, true));
    add(ContactActions::tr("Anniversary"), dateText(d.anniversary, today, false));
    add(ContactActions::tr("Categories"), d.categories.join(QStringLiteral(", ")));
    add(ContactActions::tr("Note"), d.note);
    return items;
}

QString ContactText(const Contact &contact, const QDate &today)
{
    QStringList lines{ContactHeading(contact)};
    for (const ContactItem &item : ContactItems(contact, today))
        lines << item.label + QStringLiteral(": ") + QString(item.value).replace(u'\n', QStringLiteral("\n    "));
    return lines.join(u'\n') + u'\n';
}

std::optional<Contact> ReadWholeContact(const QSqlDatabase &db, std::int32_t personId)
{
    std::optional<Contact> contact = ReadContactFields(db, personId);
    if (!contact)
        return std::nullopt;
    for (const ContactNumber &n : ReadContactNumbers(db, personId))
        contact->telephones.append({n.typeName, n.number});
    ReadContactDetails(db, *contact);
    return contact;
}

ContactActions::ContactActions(AddressBook &book, QWidget *window)
    : QObject(window), mBook(book), mWindow(window)
{
}

ContactActions::~ContactActions() = default;

QString ContactActions::dragFormat()
{
    return QStringLiteral("application/x-varnelle-contact");
}

std::optional<Contact> ContactActions::read(std::int32_t personId)
{
    try {
        return ReadWholeContact(mBook.database(), personId);
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return std::nullopt;
    }
}

void ContactActions::addTo(QMenu &menu, std::int32_t personId, const std::function<void()> &edit,
                           const std::function<void()> &remove)
{
    const auto add = [&menu](const char *name, const QString &caption, bool enabled, auto &&then) {
        QAction *action = menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, &menu, then);
        return action;
    };
    if (edit)
        add("editContactAction", tr("&Edit"), true, edit);
    if (remove)
        add("deleteContactAction", tr("&Delete"), true, remove);
    if (edit || remove)
        menu.addSeparator();

    const std::optional<Contact> contact = read(personId);
    const Contact shown = contact.value_or(Contact{});
    const bool known = contact.has_value();
    const QString email = shown.email.trimmed().isEmpty() && !shown.details.emails.isEmpty()
                              ? shown.details.emails.first().value.trimmed()
                              : shown.email.trimmed();
    QString number;
    for (const PhoneNumber &n : shown.telephones) {
        if (!n.number.trimmed().isEmpty()) {
            number = n.number;
            break;
        }
    }
    const QString address = PostalAddress(shown);

    add("copyContactAction", tr("&Copy"), known,
        [shown] { QGuiApplication::clipboard()->setText(ContactText(shown)); });
    add("copyEmailAction", tr("Copy E-&Mail Address"), !email.isEmpty(),
        [email] { QGuiApplication::clipboard()->setText(email); });
    add("writeEmailAction", tr("&Write E-Mail"), !email.isEmpty(), [email] { OpenLink(MailLink(email)); });
    add("callAction", tr("C&all"), !number.isEmpty(), [number] { OpenLink(CallLink(number)); });
    add("showOnMapAction", tr("Show on Ma&p"), !address.isEmpty(), [address] { OpenLink(MapLink(address)); });
    menu.addSeparator();
    add("exportCardAction", tr("E&xport as vCard\u2026"), known, [this, shown] { exportCard(shown); });
}

void ContactActions::exportCard(const Contact &contact)
{
    QFileDialog dialog(mWindow, tr("Export as vCard"));
    dialog.setObjectName("exportCardDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("vCard files (*.vcf)"));
    dialog.setDefaultSuffix(QStringLiteral("vcf"));
    dialog.selectFile(cardFileName(contact));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().first();
    QByteArray card;
    interchange::AppendVCard(card, contact);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(card) != card.size() || !file.commit())
        ShowRefusal(tr("The file '%1' could not be written: %2").arg(fileName, file.errorString()));
}

QMimeData *ContactActions::dragData(std::int32_t personId)
{
    std::optional<Contact> contact;
    try {
        contact = ReadWholeContact(mBook.database(), personId);
    } catch (const DatabaseError &) {
        return nullptr; // nothing to drag; the list says no more
    }
    if (!contact)
        return nullptr;
    QByteArray card;
    interchange::AppendVCard(card, *contact);
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/vcard"), card);
    data->setData(dragFormat(), QByteArray::number(personId));
    if (!mDragFiles)
        mDragFiles = std::make_unique<QTemporaryDir>();
    if (mDragFiles->isValid()) {
        // Each drag in a folder of its own, so that two contacts of one name
        // never share a file.
        const QString folder = mDragFiles->filePath(QString::number(personId));
        QDir().mkpath(folder);
        QSaveFile file(folder + u'/' + cardFileName(*contact));
        if (file.open(QIODevice::WriteOnly) && file.write(card) == card.size() && file.commit())
            data->setUrls({QUrl::fromLocalFile(file.fileName())});
    }
    return data;
}

} // namespace varnelle
