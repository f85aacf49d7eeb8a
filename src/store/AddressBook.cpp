#include "store/AddressBook.h"

#include "store/Setup.h"
#include "store/BookOpening.h"

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
    OpenBookAsFarAsReadable(mDatabase, mFileName, "book-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
    mDataVersion = DataVersion(mDatabase);
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
        open();
        reload();
        return true;
    }
    const qint64 version = DataVersion(mDatabase);
    if (version == mDataVersion)
        return false;
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
