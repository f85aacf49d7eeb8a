// libFuzzer target for what a CardDAV server sends: the first byte chooses
// a multistatus answer (DavXml) or a card (CardValues). A multistatus is
// read or ends in a SyncError; a card is read or ends in an InterchangeError,
// and a card that was read takes the book's values and reads again.
#include "sync/CardValues.h"
#include "sync/DavXml.h"
#include "sync/SyncError.h"

#include <QUrl>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace varnelle;

namespace {

void readMultiStatus(const QByteArray &bytes)
{
    try {
        const sync::MultiStatus ms =
            sync::ParseMultiStatus(bytes, QUrl("https://dav.example.com/alice/contacts/"), "dav.example.com");
        for (const sync::DavEntry &e : ms.entries)
            (void)sync::HrefPath(QUrl("https://dav.example.com/"), e.href);
    } catch (const sync::SyncError &) {
    }
}

void readCard(const QByteArray &bytes)
{
    interchange::ContactRecord record;
    try {
        record = sync::ReadCard(bytes);
    } catch (const interchange::InterchangeError &) {
        return;
    }
    QStringList notFitted;
    const sync::BookValues values = sync::FitToBook(record, &notFitted);
    (void)sync::CardUid(bytes);
    sync::BookValues changed = values;
    changed.fields[sync::LastName] = QStringLiteral("Changed");
    changed.fields[sync::EMail] = QString();
    changed.numbers << qMakePair(QStringLiteral("Fax"), QStringLiteral("0170 1"));
    const QByteArray edited = sync::EditCard(bytes, values, changed, true, QStringLiteral("uid-1"));
    try {
        sync::ReadCard(edited);
        sync::ReadCard(sync::NewCard(changed, false, QStringLiteral("uid-2")));
    } catch (const interchange::InterchangeError &) {
        std::abort(); // what the sync writes must read again
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    if (data[0] & 1)
        readCard(bytes);
    else
        readMultiStatus(bytes);
    return 0;
}
