#pragma once

#include "store/Database.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace varnelle {

// The open address book: the one connection to its file and the view shown
// (business or personal contacts). The application makes one and hands it to
// every window it opens. Whatever changes the book through it, or tells it of
// a change made past it (an import, a repair), is announced by a signal, so
// that lists, combos and criteria refill themselves.
class AddressBook : public QObject {
    Q_OBJECT
public:
    explicit AddressBook(const QString &fileName = DatabaseFileName, QObject *parent = nullptr);
    ~AddressBook() override;

    // Opens the file, never creating it; a file cut short is opened as far as
    // it can be read (OpenBookAsFarAsReadable). Throws DatabaseError.
    void open();
    // Reads the saved view (a new book gets the initial one). Separate from
    // open() so that the file can be checked in between. Throws DatabaseError,
    // leaving the initial view.
    void readSavedView();
    void close();
    bool isOpen() const;
    // True when the open file is known to be damaged: opened cut short, as
    // far as it could be read, or found so by a check (noteDamage). Nothing
    // but the user's own changes is written to it then; the check that
    // follows the opening of a file cut short looks at it in full.
    bool damageFound() const { return mDamageFound; }
    void noteDamage() { mDamageFound = true; }

    QString fileName() const { return mFileName; }
    // The connection, for the store's functions. Valid while open.
    QSqlDatabase &database() { return mDatabase; }

    // The view shown: true for business contacts, false for personal ones.
    bool isBusiness() const { return mIsBusiness; }
    // Stores the other view as the saved one and shows it. Throws DatabaseError.
    void switchView();

    // Announcements of changes made to the file: by the store's functions
    // called with database(), or by another part of the program.
    void notifyContactsChanged() { emit contactsChanged(); }
    void notifyTypesChanged() { emit typesChanged(); }
    // The file was replaced or changed past the program (a repair, an
    // import): the view is read again and every signal is sent.
    void reload();
    // Asks before an action whether another program changed the file past
    // this connection: a file replaced (a repair elsewhere) is opened again,
    // and a file changed (an import elsewhere) is read again; either way the
    // signals are sent and true is returned. Throws DatabaseError when the
    // new file cannot be opened.
    bool refreshIfChanged();

signals:
    void contactsChanged();
    void typesChanged();
    void viewChanged(bool isBusiness);

private:
    QString mFileName;
    QSqlDatabase mDatabase;
    bool mIsBusiness = false;
    bool mDamageFound = false;
    qint64 mDataVersion = -1; // of the file as last read
};

} // namespace varnelle
