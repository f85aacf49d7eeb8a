#include "sync/BookSync.h"

#include "sync/CardValues.h"
#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "sync/Discovery.h"
#include "sync/SyncError.h"
#include "interchange/BookImport.h"
#include "interchange/ContactRecord.h"
#include "store/Database.h"
#include "store/History.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QUuid>

namespace varnelle::sync {

QStringList SyncSummary::lines() const
{
    QStringList out;
    out << QCoreApplication::translate(
               "Sync",
               "%1 contacts with '%2' on %3: %4 came in, %5 went out, %6 removed here, %7 removed on the server.")
               .arg(isBusiness ? QCoreApplication::translate("Sync", "Business")
                               : QCoreApplication::translate("Sync", "Personal"),
                    bookName, server)
               .arg(cameIn)
               .arg(wentOut)
               .arg(removedHere)
               .arg(removedThere);
    for (const QString &c : conflicts)
        out << QCoreApplication::translate("Sync", "Conflict: %1").arg(c);
    for (const QString &n : notFitted)
        out << QCoreApplication::translate("Sync", "Not in the book, kept on the server: %1").arg(n);
    out << notes;
    return out;
}

namespace {

// Cards asked for in the first multiget of a sync, before their size is known.
constexpr qsizetype FirstBatch = 10;

QStringList bookColumns()
{
    QStringList columns;
    for (const ContactField &f : ContactFields())
        columns << f.column;
    return columns;
}

QString nameOf(const BookValues &v)
{
    QStringList parts;
    for (const QString &p : {v.fields[LastName], v.fields[FirstName]})
        if (!p.isEmpty())
            parts << p;
    if (!parts.isEmpty())
        return parts.join(QLatin1String(", "));
    return !v.fields[Company].isEmpty() ? v.fields[Company] : v.fields[EMail];
}

class Engine {
public:
    Engine(QSqlDatabase &db, const SyncAccount &account, DavClient &client, const SyncOptions &options,
           SyncSummary &summary)
        : mDb(db), mAccount(account), mClient(client), mOptions(options), mSummary(summary),
          mColumns(bookColumns()), mBookUrl(account.bookUrl), mBookPath(mBookUrl.path(QUrl::FullyDecoded)),
          mWriter(db, account.id, account.isBusiness, mColumns)
    {
        if (!mBookPath.endsWith(u'/'))
            mBookPath += u'/';
        mHost = mBookUrl.host();
    }

    void run()
    {
        for (const SyncedContact &c : ReadSyncedContacts(mDb, mAccount.id))
            mStates.insert(c.href, c);
        for (const StoredContact &c : ReadStoredContacts(mDb, mAccount.isBusiness, mColumns))
            mLocal.insert(c.personId, BookValues::normalized(c.values, c.numbers, c.details));
        receive();
        sendDeletions();
        QList<std::int32_t> ids = mLocal.keys();
        std::sort(ids.begin(), ids.end());
        sendChanges(ids, true);
        refreshToken();
    }

private:
    void progress(const QString &stage, qsizetype done, qsizetype total)
    {
        if (mOptions.progress)
            mOptions.progress(stage, done, total);
        if (mOptions.cancelled && mOptions.cancelled())
            throw SyncError(QCoreApplication::translate("Sync", "The sync was cancelled."), SyncError::Kind::Cancelled);
    }

    // More time for the sync as its work becomes known.
    void allowFor(qsizetype cards) { mClient.extendDeadline(qint64(cards) * mOptions.deadlinePerCardMs); }

    QString checkedHref(const QString &path)
    {
        if (!path.startsWith(mBookPath) || path == mBookPath || path.mid(mBookPath.size()).contains(u'/'))
            throw SyncError(QCoreApplication::translate(
                                "Sync", "The server %1 named '%2', which is outside the address book; the sync was "
                                        "stopped.")
                                .arg(mHost, path));
        return path;
    }

    static QList<QPair<QByteArray, QByteArray>> ifMatch(const QString &etag)
    {
        if (etag.isEmpty())
            return {};
        return {{"If-Match", etag.toUtf8()}};
    }

    QUrl urlOf(const QString &path) const
    {
        QUrl url = mBookUrl;
        url.setPath(path, QUrl::DecodedMode);
        return url;
    }

    [[noreturn]] void httpFailure(const DavResponse &r, const QString &what)
    {
        if (r.status == 507)
            throw SyncError(QCoreApplication::translate(
                                "Sync", "The server %1 has no room for more contacts (its quota is used up).")
                                .arg(mHost));
        if (r.status >= 500)
            throw SyncError(QCoreApplication::translate(
                                "Sync", "The server %1 is unavailable (HTTP status %2); try again later.")
                                .arg(mHost)
                                .arg(r.status),
                            SyncError::Kind::Unreachable);
        throw SyncError(QCoreApplication::translate("Sync", "The server %1 refused to %2 (HTTP status %3).")
                            .arg(mHost, what)
                            .arg(r.status));
    }

    // Stores a contact's state and remembers the values of its card.
    void storeState(const SyncedContact &state, const BookValues *values = nullptr)
    {
        mWriter.storeState(state);
        if (values)
            mBases.insert(state.href, *values);
        else
            mBases.remove(state.href);
    }

    // The values of the card of the last sync; otherwise when there is none.
    BookValues baseOf(const SyncedContact &state, const BookValues &otherwise)
    {
        if (state.card.isEmpty())
            return otherwise;
        if (const auto known = mBases.constFind(state.href); known != mBases.cend())
            return *known;
        try {
            return FitToBook(ReadCard(state.card.toUtf8()));
        } catch (const interchange::InterchangeError &) {
            return otherwise;
        }
    }

    static Contact asContact(const BookValues &v)
    {
        Contact c;
        for (int i = 0; i < 11; ++i)
            c.*ContactFields()[size_t(i)].member = v.fields[i];
        for (const auto &[type, number] : v.numbers)
            c.telephones << PhoneNumber{type, number};
        return c;
    }

    // The contact of the book that no card is synced with and that is equal
    // to the values by import's rule; 0 when there is none. Each is taken once.
    std::int32_t equalUnsynced(const BookValues &values)
    {
        if (!mUnsyncedKnown) {
            mUnsyncedKnown = true;
            QSet<std::int32_t> synced;
            for (const SyncedContact &s : std::as_const(mStates))
                synced << s.personId;
            for (auto it = mLocal.cbegin(); it != mLocal.cend(); ++it) {
                const Contact c = asContact(*it);
                if (!synced.contains(it.key()) && interchange::IsNamedContact(c))
                    mUnsynced.insert(mIdentities.of(c, c.telephones), it.key());
            }
        }
        const Contact c = asContact(values);
        if (mUnsynced.isEmpty() || !interchange::IsNamedContact(c))
            return 0;
        return mUnsynced.take(mIdentities.of(c, c.telephones));
    }

    std::int32_t writeLocal(std::int32_t personId, const BookValues &v)
    {
        const std::int32_t id = mWriter.writeContact({personId, v.fields, v.numbers, v.details});
        mLocal.insert(id, v);
        return id;
    }

    BookValues merge(const BookValues &base, const BookValues &local, const BookValues &remote)
    {
        BookValues result = local;
        const QString name = nameOf(local);
        for (int i = 0; i < 11; ++i) {
            if (local.fields[i] == base.fields[i])
                result.fields[i] = remote.fields[i];
            else if (remote.fields[i] != base.fields[i] && remote.fields[i] != local.fields[i])
                mSummary.conflicts << QCoreApplication::translate(
                                          "Sync", "%1: %2: the book's '%3' was kept, the server's '%4' was not taken.")
                                          .arg(name,
                                               QCoreApplication::translate("Sync", ContactFields()[size_t(i)].caption),
                                               local.fields[i], remote.fields[i]);
        }
        QStringList keys = local.typeKeys();
        for (const QStringList &more : {base.typeKeys(), remote.typeKeys()})
            for (const QString &k : more)
                if (!keys.contains(k))
                    keys << k;
        result.numbers.clear();
        for (const QString &key : keys) {
            const QString b = base.number(key), l = local.number(key), r = remote.number(key);
            QString chosen = l;
            if (SameNumber(l, b))
                chosen = SameNumber(r, b) ? l : r;
            else if (!SameNumber(r, b) && !SameNumber(r, l))
                mSummary.conflicts << QCoreApplication::translate(
                                          "Sync", "%1: %2 number: the book's '%3' was kept, the server's '%4' was not "
                                                  "taken.")
                                          .arg(name, key, l, r);
            if (chosen.isEmpty())
                continue;
            QString type = key;
            for (const BookValues *v : {&local, &remote, &base})
                for (const auto &[t, n] : v->numbers)
                    if (t.toLower() == key)
                        type = t;
            result.numbers << qMakePair(type, chosen);
        }
        // Each part of the details as a whole, like a field.
        const QList<DetailPart> localChanges = ChangedDetailParts(base.details, local.details);
        const QList<DetailPart> remoteChanges = ChangedDetailParts(base.details, remote.details);
        for (DetailPart part : ChangedDetailParts(local.details, remote.details)) {
            if (!localChanges.contains(part))
                CopyDetailPart(part, remote.details, result.details);
            else if (remoteChanges.contains(part))
                mSummary.conflicts << QCoreApplication::translate(
                                          "Sync", "%1: %2: the book's '%3' was kept, the server's '%4' was not taken.")
                                          .arg(name, DetailPartCaption(part), DetailPartText(part, local.details),
                                               DetailPartText(part, remote.details));
        }
        return result;
    }

    // Changes on the server since the last sync: by sync-collection with the
    // stored token, else by comparing every ETag.
    void receive()
    {
        progress(QCoreApplication::translate("Sync", "Looking for changes"), 0, 0);
        QHash<QString, QString> changed; // href -> etag
        QStringList removed;
        QString token;
        bool listed = false;
        // A server may send the changes in parts: a 507 on the collection
        // itself asks for the rest from the token that came with them.
        QString from = mAccount.syncToken;
        for (int part = 0; part < 1000; ++part) {
            const DavResponse report = mClient.run(changesSince(from));
            if (report.status != 207)
                break;
            const MultiStatus ms = ParseMultiStatus(report.body, report.url, mHost);
            bool truncated = false;
            for (const DavEntry &e : ms.entries) {
                if (e.href == mBookPath) {
                    truncated = truncated || e.status == 507;
                    continue;
                }
                const QString href = checkedHref(e.href);
                if (e.status == 404) {
                    removed << href;
                    changed.remove(href);
                } else if (const QString etag = e.text.value(PropertyKey(DavNs, "getetag"));
                           mStates.value(href).etag != etag || etag.isEmpty()) {
                    changed.insert(href, etag);
                    removed.removeAll(href);
                }
            }
            token = ms.syncToken;
            listed = true;
            if (!truncated || token.isEmpty() || token == from)
                break;
            from = token;
        }
        if (!listed) {
            const DavResponse list = mClient.run({"PROPFIND",
                                                  mBookUrl,
                                                  PropfindBody({"getetag", "sync-token"}),
                                                  {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}}});
            if (list.status != 207)
                httpFailure(list, QCoreApplication::translate("Sync", "list the address book"));
            QSet<QString> present;
            for (const DavEntry &e : ParseMultiStatus(list.body, list.url, mHost).entries) {
                if (e.href == mBookPath || e.resourceTypes.contains(PropertyKey(DavNs, "collection"))) {
                    if (e.href == mBookPath) // a token from now on, if the server has them
                        token = e.text.value(PropertyKey(DavNs, "sync-token"));
                    continue;
                }
                const QString href = checkedHref(e.href);
                present << href;
                const QString etag = e.text.value(PropertyKey(DavNs, "getetag"));
                if (mStates.value(href).etag != etag || etag.isEmpty())
                    changed.insert(href, etag);
            }
            for (const SyncedContact &s : std::as_const(mStates))
                if (!s.card.isEmpty() && !present.contains(s.href))
                    removed << s.href;
        }

        mTokenBased = listed;
        mToken = token;
        const bool uploadAgain = emptiedCheck(removed);
        allowFor(changed.size() + removed.size());
        fetchAndApply(changed.keys());
        InTransaction(mDb, [&] {
            HistoryEntryScope history(mDb, &mHistoryEntry, history::Sync, mAccount.serverUrl);
            for (const QString &href : removed) {
                if (!uploadAgain)
                    applyRemoved(href);
                else if (auto it = mStates.find(href); it != mStates.end() && !it->card.isEmpty()) {
                    it->etag.clear(); // sent again as a new card
                    it->card.clear();
                    storeState(*it);
                }
            }
            if (!token.isEmpty())
                StoreSyncToken(mDb, mAccount.id, token);
        });
    }

    // The server's changes since a sync token (all of its cards for none).
    DavRequest changesSince(const QString &token) const
    {
        return {"REPORT",
                mBookUrl,
                SyncCollectionBody(token),
                {{"Depth", "0"}, {"Content-Type", "application/xml; charset=utf-8"}}};
    }

    // Whether the server's address book lost all or most of the cards synced
    // with it at once: emptied, or made anew at the same address. Never
    // followed without the user's word: throws unless the options say what
    // to do; true when the cards are to be uploaded again.
    bool emptiedCheck(const QStringList &removed)
    {
        const QSet<QString> gone(removed.cbegin(), removed.cend());
        qsizetype known = 0, lost = 0, kept = 0;
        for (const SyncedContact &s : std::as_const(mStates)) {
            if (s.card.isEmpty())
                continue;
            ++known;
            if (gone.contains(s.href))
                ++lost;
            else
                ++kept;
        }
        const bool all = known >= 2 && kept == 0;
        const bool most = known >= 10 && lost * 2 > known;
        if (lost == 0 || !(all || most))
            return false;
        switch (mOptions.emptied) {
        case EmptiedBook::RemoveHere:
            return false;
        case EmptiedBook::UploadAgain:
            return true;
        case EmptiedBook::Refuse:
            break;
        }
        throw SyncError(all ? QCoreApplication::translate("Sync", "The address book on %1 is now empty, though %2 "
                                                                  "contacts here were synced with it; nothing was "
                                                                  "removed here.")
                                  .arg(mHost)
                                  .arg(lost)
                            : QCoreApplication::translate("Sync", "The address book on %1 no longer holds %2 of the "
                                                                  "%3 contacts synced with it; nothing was removed "
                                                                  "here.")
                                  .arg(mHost)
                                  .arg(lost)
                                  .arg(known),
                        SyncError::Kind::Emptied, lost);
    }

    // After the sync's own changes, the server's token of now, so that the
    // next sync starts from a state that holds them: a book emptied or made
    // anew later never answers to it. Kept only when nothing but this
    // sync's own changes happened meanwhile.
    void refreshToken()
    {
        if (!mTokenBased || mToken.isEmpty() || mSummary.wentOut + mSummary.removedThere == 0)
            return;
        const DavResponse report = mClient.run(changesSince(mToken));
        if (report.status != 207)
            return;
        const MultiStatus ms = ParseMultiStatus(report.body, report.url, mHost);
        for (const DavEntry &e : ms.entries) {
            if (e.href == mBookPath) {
                if (e.status == 507)
                    return;
                continue;
            }
            const auto state = mStates.constFind(e.href);
            const bool known = e.status == 404 ? state == mStates.cend() || state->card.isEmpty()
                                               : state != mStates.cend()
                                                     && state->etag == e.text.value(PropertyKey(DavNs, "getetag"));
            if (!known)
                return;
        }
        if (!ms.syncToken.isEmpty())
            StoreSyncToken(mDb, mAccount.id, ms.syncToken);
    }

    // Fetches the cards by multiget, a few batches at once, and merges them
    // into the book; what came in together is one transaction, because a
    // commit waits for the disk and fewer of them keep the sync quick. The
    // first batch is small; the others hold as many cards as keep a response
    // within a quarter of the size limit, by the largest cards seen so far
    // (photos), and a response still too large is asked for again in smaller ones.
    void fetchAndApply(const QStringList &hrefs)
    {
        const qsizetype most = std::max(1, mOptions.batchSize);
        const qint64 budget = std::max<qint64>(1, mOptions.maxResponseBytes / 4);
        const int parallel = std::max(1, mOptions.parallel);
        qsizetype batch = std::min<qsizetype>(most, FirstBatch);
        qint64 bytesPerCard = 0;
        for (qsizetype first = 0; first < hrefs.size();) {
            if (bytesPerCard > 0)
                batch = std::clamp<qsizetype>(qsizetype(budget / bytesPerCard), 1, most);
            const qsizetype group = std::min(hrefs.size() - first, batch * (bytesPerCard > 0 ? parallel : 1));
            progress(QCoreApplication::translate("Sync", "Receiving"), first, hrefs.size());
            std::vector<DavRequest> requests;
            std::vector<qsizetype> counts;
            for (qsizetype start = first; start < first + group; start += batch) {
                const QStringList part = hrefs.mid(start, std::min(batch, first + group - start));
                counts.push_back(part.size());
                requests.push_back({"REPORT",
                                    mBookUrl,
                                    MultigetBody(part),
                                    {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}}});
            }
            std::vector<DavResponse> responses;
            try {
                responses = mClient.runAll(requests, parallel);
            } catch (const SyncError &error) {
                if (error.kind() != SyncError::Kind::TooLarge || batch == 1)
                    throw;
                bytesPerCard = std::max(bytesPerCard, budget * 4 / batch);
                batch = std::max<qsizetype>(1, batch / 4);
                continue;
            }
            std::vector<MultiStatus> parsed;
            for (size_t i = 0; i < responses.size(); ++i) {
                const DavResponse &r = responses[i];
                if (r.status != 207)
                    httpFailure(r, QCoreApplication::translate("Sync", "send the changed contacts"));
                bytesPerCard = std::max(bytesPerCard, qint64(r.body.size()) / std::max<qsizetype>(1, counts[i]));
                parsed.push_back(ParseMultiStatus(r.body, r.url, mHost));
            }
            first += group;
            InTransaction(mDb, [&] {
                HistoryEntryScope history(mDb, &mHistoryEntry, history::Sync, mAccount.serverUrl);
                for (const MultiStatus &ms : parsed)
                    for (const DavEntry &e : ms.entries) {
                        const QString href = checkedHref(e.href);
                        const QString card = e.text.value(PropertyKey(CardDavNs, "address-data"));
                        if (e.status == 404) // deleted since it was listed, or since it was refused
                            applyRemoved(href);
                        if (e.status == 404 || card.isEmpty())
                            continue;
                        applyReceived(href, e.text.value(PropertyKey(DavNs, "getetag")), card);
                    }
            });
        }
    }

    void applyReceived(const QString &href, const QString &etag, const QString &card)
    {
        interchange::ContactRecord record;
        try {
            record = ReadCard(card.toUtf8());
        } catch (const interchange::InterchangeError &error) {
            mSummary.notes << QCoreApplication::translate(
                                  "Sync", "The card '%1' on the server cannot be read and was left out: %2")
                                  .arg(href, error.message());
            return;
        }
        QStringList notFitted;
        const BookValues remote = FitToBook(record, &notFitted);
        auto it = mStates.find(href);
        if (it == mStates.end()) {
            SyncedContact state{0, href, etag, CardUid(card.toUtf8()), card};
            if (state.uid.isEmpty())
                state.uid = href.section(u'/', -1);
            // A contact of the book not yet synced and equal to the card, as
            // import finds a contact already present, becomes the card's.
            state.personId = equalUnsynced(remote);
            if (state.personId == 0) {
                state.personId = writeLocal(0, remote);
                ++mSummary.cameIn;
            }
            for (const QString &n : notFitted)
                mSummary.notFitted << nameOf(remote) + ": " + n;
            storeState(state, &remote);
            mStates.insert(href, state);
            return;
        }
        SyncedContact &state = *it;
        const BookValues base = baseOf(state, remote);
        if (mLocal.contains(state.personId)) {
            const BookValues local = mLocal.value(state.personId);
            const BookValues merged = merge(base, local, remote);
            if (!(merged == local)) {
                writeLocal(state.personId, merged);
                ++mSummary.cameIn;
            }
        } else if (!(remote == base)) {
            state.personId = writeLocal(0, remote);
            ++mSummary.cameIn;
            mSummary.notes << QCoreApplication::translate(
                                  "Sync", "%1 was deleted here but changed on the server, so it was kept.")
                                  .arg(nameOf(remote));
        }
        state.etag = etag;
        state.card = card;
        storeState(state, &remote);
    }

    void applyRemoved(const QString &href)
    {
        auto it = mStates.find(href);
        if (it == mStates.end())
            return;
        SyncedContact &state = *it;
        if (!mLocal.contains(state.personId) || state.card.isEmpty()) {
            if (!state.card.isEmpty() || !mLocal.contains(state.personId)) {
                ForgetSyncedContact(mDb, mAccount.id, state.personId);
                mStates.erase(it);
            }
            return;
        }
        const BookValues local = mLocal.value(state.personId);
        if (local == baseOf(state, local)) {
            RemoveStoredContact(mDb, state.personId);
            ForgetSyncedContact(mDb, mAccount.id, state.personId);
            mLocal.remove(state.personId);
            mStates.erase(it);
            ++mSummary.removedHere;
            return;
        }
        // Changed here, deleted there: kept, and sent again as a new card.
        mSummary.notes << QCoreApplication::translate("Sync",
                                                      "%1 was deleted on the server but changed here, so it was kept.")
                              .arg(nameOf(local));
        state.etag.clear();
        state.card.clear();
        storeState(state);
    }

    void sendDeletions()
    {
        std::vector<DavRequest> requests;
        QList<SyncedContact> gone;
        for (const SyncedContact &s : std::as_const(mStates)) {
            if (mLocal.contains(s.personId))
                continue;
            gone << s;
            if (!s.card.isEmpty())
                requests.push_back({"DELETE", urlOf(s.href), {}, ifMatch(s.etag)});
        }
        if (gone.isEmpty())
            return;
        allowFor(gone.size());
        progress(QCoreApplication::translate("Sync", "Sending"), 0, gone.size());
        const std::vector<DavResponse> responses = mClient.runAll(requests, mOptions.parallel);
        InTransaction(mDb, [&] {
            HistoryEntryScope history(mDb, &mHistoryEntry, history::Sync, mAccount.serverUrl);
            size_t r = 0;
            for (const SyncedContact &s : std::as_const(gone)) {
                if (!s.card.isEmpty()) {
                    const DavResponse &response = responses[r++];
                    if (response.status == 412) {
                        mSummary.notes << QCoreApplication::translate(
                                              "Sync", "'%1' was changed on the server meanwhile and was not deleted "
                                                      "there; the next sync brings it back.")
                                              .arg(nameOf(baseOf(s, BookValues::normalized({}, {}))));
                        continue;
                    }
                    if (response.status >= 300 && response.status != 404)
                        httpFailure(response, QCoreApplication::translate("Sync", "delete a contact"));
                    ++mSummary.removedThere;
                }
                ForgetSyncedContact(mDb, mAccount.id, s.personId);
                mStates.remove(s.href);
            }
        });
    }

    // Sends the contacts that are new or changed since the last sync. A card
    // refused because it changed on the server meanwhile, or because it is
    // already there (a sync stopped right after its PUT), is fetched, merged
    // and sent once more.
    void sendChanges(const QList<std::int32_t> &ids, bool retryRefused)
    {
        QHash<std::int32_t, QString> hrefOf;
        for (const SyncedContact &s : std::as_const(mStates))
            hrefOf.insert(s.personId, s.href);
        // New contacts get their UID and href first, in one transaction, so that
        // a sync stopped after a PUT finds its card again instead of adding a second.
        InTransaction(mDb, [&] {
            HistoryEntryScope history(mDb, &mHistoryEntry, history::Sync, mAccount.serverUrl);
            for (std::int32_t id : ids) {
                if (hrefOf.contains(id))
                    continue;
                const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
                SyncedContact state{id, mBookPath + uid + ".vcf", QString(), uid, QString()};
                storeState(state);
                mStates.insert(state.href, state);
                hrefOf.insert(id, state.href);
            }
        });
        struct Upload {
            QString href;
            QByteArray card;
        };
        std::vector<Upload> uploads;
        std::vector<DavRequest> requests;
        for (std::int32_t id : std::as_const(ids)) {
            const SyncedContact &s = mStates[hrefOf.value(id)];
            const BookValues local = mLocal.value(id);
            QByteArray card;
            QByteArray condition;
            QByteArray conditionValue;
            if (s.card.isEmpty()) {
                card = NewCard(local, mAccount.isBusiness, s.uid);
                condition = "If-None-Match";
                conditionValue = "*";
            } else {
                const BookValues base = baseOf(s, local);
                if (local == base)
                    continue;
                card = EditCard(s.card.toUtf8(), base, local, mAccount.isBusiness, s.uid);
                condition = "If-Match";
                conditionValue = s.etag.toUtf8();
            }
            uploads.push_back({s.href, card});
            DavRequest put{"PUT", urlOf(s.href), card, {{"Content-Type", "text/vcard; charset=utf-8"}}};
            if (!conditionValue.isEmpty()) // a server that gave no ETag is written over
                put.headers.append({condition, conditionValue});
            requests.push_back(put);
        }
        allowFor(qsizetype(requests.size()));
        QStringList refused;
        QStringList withoutEtag; // stored, but the server told no ETag
        const size_t batch = size_t(std::max(1, mOptions.batchSize));
        for (size_t start = 0; start < requests.size(); start += batch) {
            progress(QCoreApplication::translate("Sync", "Sending"), qsizetype(start), qsizetype(requests.size()));
            const std::vector<DavRequest> part(requests.begin() + qsizetype(start),
                                                requests.begin() + qsizetype(std::min(requests.size(), start + batch)));
            const std::vector<DavResponse> responses = mClient.runAll(part, mOptions.parallel);
            std::optional<DavResponse> failed;
            InTransaction(mDb, [&] {
                HistoryEntryScope history(mDb, &mHistoryEntry, history::Sync, mAccount.serverUrl);
                for (size_t i = 0; i < responses.size(); ++i) {
                    const DavResponse &r = responses[i];
                    const Upload &u = uploads[start + i];
                    SyncedContact &s = mStates[u.href];
                    if (r.status == 412) {
                        if (retryRefused)
                            refused << u.href;
                        else
                            mSummary.notes << QCoreApplication::translate(
                                                  "Sync",
                                                  "%1 was changed on the server meanwhile; the next sync merges it.")
                                                  .arg(nameOf(mLocal.value(s.personId)));
                        continue;
                    }
                    if (r.status < 200 || r.status >= 300) {
                        if (!failed)
                            failed = r;
                        continue;
                    }
                    s.etag = QString::fromUtf8(r.header("ETag"));
                    s.card = QString::fromUtf8(u.card);
                    storeState(s);
                    if (s.etag.isEmpty())
                        withoutEtag << u.href;
                    ++mSummary.wentOut;
                }
            });
            if (failed)
                httpFailure(*failed, QCoreApplication::translate("Sync", "store a contact"));
        }
        // Fetched now, as the server keeps them, so that the next sync does not
        // take them for changed.
        fetchAndApply(withoutEtag);
        if (refused.isEmpty())
            return;
        fetchAndApply(refused);
        QList<std::int32_t> again;
        for (const QString &href : std::as_const(refused))
            if (mLocal.contains(mStates.value(href).personId))
                again << mStates.value(href).personId;
        sendChanges(again, false);
    }

    QSqlDatabase &mDb;
    SyncAccount mAccount;
    qint64 mHistoryEntry = 0; // the one entry of the history for the whole sync
    DavClient &mClient;
    const SyncOptions &mOptions;
    SyncSummary &mSummary;
    QStringList mColumns;
    QUrl mBookUrl;
    QString mBookPath;
    QString mHost;
    QHash<QString, SyncedContact> mStates; // by href
    QHash<std::int32_t, BookValues> mLocal;
    QHash<QString, BookValues> mBases; // values of the cards stored in this sync, by href
    interchange::ContactIdentities mIdentities;
    QHash<interchange::ContactIdentity, std::int32_t> mUnsynced; // the book's contacts no card is synced with
    bool mUnsyncedKnown = false;
    bool mTokenBased = false; // the server told the changes by sync-collection
    QString mToken;           // the token the changes were told up to
    SyncWriter mWriter;
};

} // namespace

SyncLock::SyncLock(const QString &bookFile) : mFile(QFileInfo(bookFile).absoluteFilePath() + ".sync-lock")
{
    mFile.setStaleLockTime(0); // stale only when its process is gone, however long a sync runs
    if (!mFile.tryLock(0))
        throw SyncError(QCoreApplication::translate(
            "Sync", "Another sync of this address book is running; try again when it has ended."));
}

SyncSummary SyncBook(QSqlDatabase &db, const QString &bookFile, const SyncAccount &account, const QString &password,
                     const SyncOptions &options)
{
    SyncSummary summary;
    const QUrl bookUrl(account.bookUrl);
    summary.server = bookUrl.host();
    summary.bookName = account.bookName.isEmpty() ? bookUrl.path() : account.bookName;
    summary.isBusiness = account.isBusiness;
    const SyncLock lock(bookFile);
    DavClient client(bookUrl, account.userName, password, account.insecure);
    client.setCancelCheck(options.cancelled);
    client.setMaxResponseBytes(options.maxResponseBytes);
    client.setTrustedCertificate(account.trustedCertificate);
    client.setRequestDeadline(options.requestDeadlineMs);
    client.setDeadline(3LL * options.requestDeadlineMs);
    Engine engine(db, account, client, options, summary);
    try {
        engine.run();
    } catch (...) {
        summary.requests = client.requestCount();
        throw;
    }
    summary.requests = client.requestCount();
    return summary;
}

} // namespace varnelle::sync
