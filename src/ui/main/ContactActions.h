#pragma once

#include "common/Contact.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QMimeData;
class QSqlDatabase;
class QWidget;

namespace varnelle {

class AddressBook;

// One thing a contact holds, as the detail pane shows it and Copy writes
// it: what it is ("Work", "E-mail", "Birthday"), its value (lines apart by
// '\n'), and where it leads (mailto:, tel:, a web or map address), if anywhere.
struct ContactItem {
    QString label;
    QString value;
    QUrl link;
};

// The contact's whole name as a heading: title, first, middle and last name
// and suffix; the company when it has no name, else "Unknown".
QString ContactHeading(const Contact &contact);
// Everything the contact holds beyond its heading, in the order the pane
// shows it; a birthday's age counted on today.
QList<ContactItem> ContactItems(const Contact &contact, const QDate &today = QDate::currentDate());
// The heading and the items as plain text, one "label: value" each.
QString ContactText(const Contact &contact, const QDate &today = QDate::currentDate());

QUrl MailLink(const QString &address);
QUrl CallLink(const QString &number);
// An OpenStreetMap search of a postal address written on one or more lines.
QUrl MapLink(const QString &address);
// A web address as written ("www.example.com") as a link; empty when it is none.
QUrl WebLink(const QString &text);
// The contact's first postal address in lines, empty when it has none.
QString PostalAddress(const Contact &contact);

// A contact with its numbers and details, as the book holds it now; nothing
// when it is gone. Throws DatabaseError.
std::optional<Contact> ReadWholeContact(const QSqlDatabase &db, std::int32_t personId);

// What can be done with one contact from a menu (the list's, the detail
// pane's) or by dragging it: copy it, write to it, call it, find it on a
// map, export it as a vCard. Lives as a child of the window.
class ContactActions : public QObject {
    Q_OBJECT
public:
    ContactActions(AddressBook &book, QWidget *window);
    ~ContactActions() override;

    // Adds the actions on the contact to menu, those it cannot take
    // disabled; edit and remove, when given, come first as Edit and Delete.
    void addTo(QMenu &menu, std::int32_t personId, const std::function<void()> &edit = {},
               const std::function<void()> &remove = {});
    // A contact dragged out: its vCard as text/vcard and as a file.
    QMimeData *dragData(std::int32_t personId);
    // The MIME type that marks a contact dragged out of this program.
    static QString dragFormat();

private:
    std::optional<Contact> read(std::int32_t personId);
    void exportCard(const Contact &contact);

    AddressBook &mBook;
    QWidget *mWindow;
    std::unique_ptr<QTemporaryDir> mDragFiles;
};

} // namespace varnelle
