#include "store/AddressBook.h"

#include "store/Setup.h"
#include "store/BookOpening.h"
#include "common/Log.h"

#include <QUuid>

namespace varnelle {

AddressBook::AddressBook(const QString &fileName, QObject *parent)
    : QObject(parent), mFileName(fileName)
{
}

AddressBook::~AddressBook()
{
    close();
}

void AddressBook::open()
{
    close();
    // A connection name of its own, so that several books (tests, tools) can be open at once.
    mDamageFound = OpenBookAsFarAsReadable(mDatabase, mFileName, "book-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
    mDataVersion = DataVersion(mDatabase);
    qCDebug(lcStore) << "opened" << mFileName;
}

void AddressBook::readSavedView()
{
    mIsBusiness = InitialViewIsBusiness; // when the saved one cannot be read
    mIsBusiness = ReadSetupView(mDatabase);
}

void AddressBook::close()
{
    CloseDatabase(mDatabase);
}

bool AddressBook::isOpen() const
{
    return mDatabase.isOpen();
}

void AddressBook::switchView()
{
    mIsBusiness = SwapSetupView(mDatabase);
    emit viewChanged(mIsBusiness);
}

bool AddressBook::refreshIfChanged()
{
    if (!isOpen())
        return false;
    if (BookWasReplaced(mDatabase)) {
        qCDebug(lcStore) << "the book was replaced on disk; opening it again";
        open();
        reload();
        return true;
    }
    const qint64 version = DataVersion(mDatabase);
    if (version == mDataVersion)
        return false;
    qCDebug(lcStore) << "changed by another connection; reloading";
    reload();
    return true;
}

void AddressBook::reload()
{
    mDataVersion = DataVersion(mDatabase);
    mIsBusiness = ReadSetupView(mDatabase);
    emit viewChanged(mIsBusiness);
    emit typesChanged();
    emit contactsChanged();
}

} // namespace varnelle
