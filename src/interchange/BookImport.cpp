#include "interchange/BookImport.h"

#include "interchange/BookFailure.h"
#include "common/Log.h"
#include "interchange/ReadAhead.h"
#include "store/History.h"
#include "store/BookContacts.h"
#include "store/Contacts.h"
#include "store/TelephoneTypes.h"
#include "common/Collation.h"
#include "common/StoreText.h"
#include "store/repair/Health.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <exception>
#include <optional>

namespace varnelle::interchange {

namespace {

constexpr qsizetype ProgressEvery = 64;

QString nothingImported()
{
    return QCoreApplication::translate("Interchange", " Nothing was imported; the address book is unchanged.");
}

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool hasBreak(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), isBreak);
}

// The book's fields and the summary hold one line each: the lines of a value
// that a file gives on several lines (a street with a second line, a note)
// are joined by ", ".
QString inOneLine(const QString &value)
{
    if (!hasBreak(value))
        return value;
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    QStringList lines;
    for (const QString &line : value.split(lineBreaks))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines.join(QStringLiteral(", "));
}

// Appends the text case-folded: plain ASCII letter by letter, anything else as Qt folds it.
void appendFolded(QString &out, QStringView text)
{
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        const qsizetype at = out.size();
        out.resize(at + text.size());
        QChar *to = out.data() + at;
        for (const QChar c : text)
            *to++ = c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
    } else {
        out += text.toString().toCaseFolded();
    }
}

// Whether a contact has what tells people apart: a name, a company or an e-mail address.

// The import was cancelled through the progress callback.
struct Cancelled {};

// A failure of the book while importing, told apart from a fault of the file.
struct BookStepFailure {
    std::exception_ptr error;
};

// A fault of the file met while importing: the book is left unchanged and the
// fault told as the reading tells it.
struct FileFault {
    InterchangeError error;
};

using Section = ImportSummary::Section;

// The label of an unplaced value and the value ("Country: USA" is "Country"
// and "USA"; "Address (home): ..." is "Address").
QStringView unplacedLabel(QStringView line, QStringView &value)
{
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    if (colon < 0)
        return line;
    value = line.sliced(colon + 2);
    QStringView label = line.first(colon);
    if (const qsizetype bracket = label.indexOf(QLatin1String(" (")); bracket > 0 && label.endsWith(u')'))
        label.truncate(bracket);
    return label;
}

// The import of one batch of records into the open book.
class Importer {
public:
    Importer(QSqlDatabase &db, const ImportOptions &options) : mOptions(options), mInsert(db)
    {
        mDb = db;
        for (const TelephoneTypeRow &type : ListTelephoneTypes(db))
            mTypes << qMakePair(type.name, int(type.typeId));
        ReadContactsWithNumbers(
            db, ContactScope::All,
            [this](const Contact &c) {
                if (IsNamedContact(c))
                    mKnown.insert(mIdentities.of(c, c.telephones), c.personId);
            },
            ContactOrder::Stored);
    }

    void add(const ContactRecord &record)
    {
        mRecord = &record;
        mWho.clear();
        ++mRecordNumber;
        const qsizetype notesBefore = mPending.size();
        Contact stored;
        for (const ContactField &f : ContactFields())
            stored.*f.member = fitting(record.*f.member, f);
        stored.details = record.details;
        const QList<PhoneNumber> numbers = fittingTelephones(record.telephones, stored.details.telephones);
        const std::optional<ContactIdentity> known = IsNamedContact(stored)
            ? std::optional<ContactIdentity>(mIdentities.of(asStored(stored, mCut), numbers))
            : std::nullopt;
        if (known && mKnown.contains(*known) && sameAsStored(stored, mKnown.value(*known))) {
            mPending.resize(notesBefore); // a contact already present adds nothing, not even notes
            ++mSummary.alreadyPresent;
            mSummary.addLine(Section::Present, QCoreApplication::translate("Interchange", "Already in the book"),
                             who(), mRecordNumber);
            return;
        }
        bool hasData = !record.telephones.isEmpty() || !stored.details.isEmpty();
        for (const ContactField &f : ContactFields())
            hasData = hasData || !(stored.*f.member).isEmpty();
        if (!hasData) {
            note(QCoreApplication::translate("Interchange", "Contacts with nothing the book holds"),
                 "nothing in it fits the book; not imported.");
            placeNotes();
            notesOfUnplaced(record);
            return;
        }
        stored.isBusiness = isBusiness(stored);
        const int personId = mInsert.addContact(stored);
        if (known)
            mKnown.insert(*known, personId);
        ++mSummary.imported;
        for (const PhoneNumber &t : numbers)
            mInsert.addNumber(personId, typeId(t.type), t.number);
        placeNotes();
        notesOfUnplaced(record);
    }

    // A note of the file's reading: what it skipped.
    void fileNote(const QString &line) { mSummary.addLine(Section::Skipped, mSkipped, inOneLine(line)); }

    ImportSummary summary(const QString &source)
    {
        ImportSummary s = mSummary;
        const QString from =
            source.isEmpty() ? QString() : QCoreApplication::translate("Interchange", " from %1").arg(source);
        const QString present = QString::number(s.alreadyPresent);
        QStringList head;
        head << (s.imported == 1 ? QCoreApplication::translate("Interchange", "1 contact imported%1; %2 already present.")
                                       .arg(from, present)
                                 : QCoreApplication::translate("Interchange", "%1 contacts imported%2; %3 already present.")
                                       .arg(QString::number(s.imported), from, present));
        if (!s.typesCreated.isEmpty())
            head << QCoreApplication::translate("Interchange", "New telephone types: %1.")
                        .arg(s.typesCreated.join(", "));
        s.setHead(head);
        s.setHeading(Section::Present,
                     QCoreApplication::translate("Interchange", "Already in the book, not added again:"));
        s.setHeading(Section::Skipped, QCoreApplication::translate("Interchange", "Skipped in the file:"));
        const qsizetype notes = s.lineCount(Section::Notes);
        s.setHeading(Section::Notes,
                     notes == 1 ? QCoreApplication::translate("Interchange", "1 value could not be placed in the book:")
                                : QCoreApplication::translate("Interchange", "%1 values could not be placed in the book:")
                                      .arg(notes));
        return s;
    }

private:
    // "Doe, Jane (line 12)": the record at hand, for the notes; made only when a note needs it.
    const QString &who()
    {
        if (mWho.isEmpty())
            mWho = QCoreApplication::translate("Interchange", "%1 (line %2)")
                       .arg(mRecord->displayName())
                       .arg(mRecord->line);
        return mWho;
    }

    // A note about the record at hand, kept until the record is known to be new.
    void note(const QString &group, const QString &what) { mPending << qMakePair(group, what); }

    void placeNotes()
    {
        for (const auto &[group, what] : std::as_const(mPending))
            mSummary.addLine(Section::Notes, group, inOneLine(who() + ": " + what));
        mPending.clear();
    }

    void notesOfUnplaced(const ContactRecord &record)
    {
        static const QString noPlace = QStringLiteral(" (no place in the book)");
        static const QString colon = QStringLiteral(": ");
        for (const QString &line : record.unplaced) {
            QStringView value;
            const QStringView label = unplacedLabel(line, value);
            if (hasBreak(who()) || hasBreak(line)) // made one line first
                mSummary.addLine(Section::Notes, label, inOneLine(who() + colon + line + noPlace), mRecordNumber,
                                 value);
            else
                mSummary.addLine(Section::Notes, label, {who(), colon, line, noPlace}, mRecordNumber, value);
        }
    }

    // The value whole, as the store takes it, in one line and without NUL characters (with a note).
    QString fitting(const QString &value, const ContactField &field)
    {
        return fitting(value, [&field] { return QString::fromLatin1(field.caption); });
    }

    // `caption` makes the value's caption for a note.
    template <class Caption>
    QString fitting(const QString &value, const Caption &caption)
    {
        QString v = inOneLine(value);
        if (text::ContainsNul(v)) {
            v.remove(QChar(u'\0'));
            note(QCoreApplication::translate("Interchange", "NUL characters left out"),
                 QCoreApplication::translate("Interchange", "%1 held NUL characters, which were left out.")
                     .arg(caption()));
        }
        return v;
    }

    bool isBusiness(const Contact &r) const
    {
        switch (mOptions.view) {
        case ImportView::Current:
            return mOptions.currentIsBusiness;
        case ImportView::Business:
            return true;
        case ImportView::Personal:
            return false;
        case ImportView::ByCompany:
            break;
        }
        return !r.company.trimmed().isEmpty();
    }

    // The TypeID of the type with this name in any letter case; a new type when there is none.
    int typeId(const QString &name)
    {
        if (const auto hit = mTypeCache.constFind(name); hit != mTypeCache.cend())
            return hit.value();
        int id = 0;
        for (const auto &[existing, existingId] : std::as_const(mTypes))
            if (text::SameIgnoringCase(existing, name)) {
                id = existingId;
                break;
            }
        if (id == 0) {
            id = mInsert.addType(name);
            mTypes << qMakePair(name, id);
            mSummary.typesCreated << name;
        }
        mTypeCache.insert(name, id);
        return id;
    }

    // The numbers the book's list holds, one of each type; a further number
    // of a type, and a number or type name longer than the list holds, go
    // whole to `further`.
    QList<PhoneNumber> fittingTelephones(const QList<PhoneNumber> &telephones, QList<LabeledValue> &further)
    {
        QList<PhoneNumber> kept;
        for (const PhoneNumber &t : telephones) {
            const QString type = QString(t.type).remove(QChar(u'\0')).trimmed();
            const QString number = fitting(t.number, [&type] { return type + " number"; });
            if (number.isEmpty())
                continue;
            const QString name = type.isEmpty() ? QStringLiteral("Phone") : type;
            const auto same = std::find_if(kept.cbegin(), kept.cend(), [&](const PhoneNumber &k) {
                return text::SameIgnoringCase(k.type, name);
            });
            if (same != kept.cend() || text::StoreLength(name) > PhoneTypeSize
                || text::StoreLength(number) > PhoneNumberSize)
                further << LabeledValue{name, number};
            else
                kept << PhoneNumber{name, number};
        }
        return kept;
    }

    // The contact as the book's columns hold it, for its identity: itself, or
    // its fields cut to fit in `cut` when one is longer than its column.
    static const Contact &asStored(const Contact &contact, Contact &cut)
    {
        bool longer = false;
        for (const ContactField &f : ContactFields())
            longer = longer || (contact.*f.member).size() > f.size;
        if (!longer)
            return contact;
        for (const ContactField &f : ContactFields())
            cut.*f.member = FittedFieldValue(f, contact.*f.member);
        return cut;
    }

    const ImportOptions &mOptions;
    QList<QPair<QString, int>> mTypes;
    QHash<QString, int> mTypeCache; // by the spelling met in the files
    ContactIdentities mIdentities;
    // Whether a contact of the book whose fields and numbers are those of the
    // record, as far as the columns hold them, also has the record's whole
    // values (letter case aside, as the identity compares them) and details:
    // only then is the record already present.
    bool sameAsStored(const Contact &record, std::int32_t personId)
    {
        std::optional<Contact> book = ReadContactFields(mDb, personId);
        if (!book)
            return false;
        book->personId = personId;
        if (!mDetails)
            mDetails.emplace(mDb);
        mDetails->read(*book);
        for (const ContactField &f : ContactFields())
            if (((*book).*f.member).trimmed().compare((record.*f.member).trimmed(), Qt::CaseInsensitive) != 0)
                return false;
        return book->details == record.details;
    }

    QSqlDatabase mDb;
    std::optional<DetailReader> mDetails; // made at the first record that matches a contact of the book
    QHash<ContactIdentity, std::int32_t> mKnown; // identities of the contacts of the book, with a PersonID of each
    ContactInserter mInsert;
    ImportSummary mSummary;
    QList<QPair<QString, QString>> mPending; // the notes of the record at hand: group, text
    const ContactRecord *mRecord = nullptr;
    qsizetype mRecordNumber = 0;
    QString mWho;
    Contact mCut;
    const QString mSkipped = QCoreApplication::translate("Interchange", "Skipped in the file");
};

ImportSummary cancelledSummary()
{
    ImportSummary cancelled;
    cancelled.cancelled = true;
    cancelled.setHead({QCoreApplication::translate("Interchange",
                                                   "The import was cancelled; the address book is unchanged.")});
    return cancelled;
}

// Runs `feed` in one transaction of the book, handing it the importer; what
// the feed's reading throws leaves the book unchanged and passes on as it is,
// failures of the book are told with the words that nothing was imported.
template <class Feed>
ImportSummary importInto(QSqlDatabase &db, const ImportOptions &options, const QString &source, Feed &&feed)
{
    if (!db.transaction())
        throw InterchangeError(QCoreApplication::translate(
            "Interchange", "The address book cannot begin the import: it is in use. Try again."));
    try {
        try {
            ImportSummary summary;
            {
                // One entry for the whole import, recording the contacts it adds.
                HistoryEntryScope history(db, history::Import, source, true);
                Importer importer(db, options);
                qsizetype count = 0;
                auto add = [&](const ContactRecord &record, qint64 done, qint64 total) {
                    if (options.progress && count++ % ProgressEvery == 0 && !options.progress(done, total))
                        throw Cancelled();
                    try {
                        importer.add(record);
                    } catch (...) {
                        throw BookStepFailure{std::current_exception()};
                    }
                };
                const qint64 total = feed(add, [&importer](const QString &note) { importer.fileNote(note); });
                if (options.progress)
                    options.progress(total, total);
                summary = importer.summary(source);
                history.setCount(int(summary.imported));
            }
            if (!db.commit()) {
                const QSqlError failure = db.lastError();
                const std::optional<DatabaseError> plain =
                    PlainFileFailure(db.databaseName(), failure.databaseText(), SqliteResultCode(failure));
                if (plain)
                    throw InterchangeError(plain->message());
                throw InterchangeError(QCoreApplication::translate(
                    "Interchange", "The address book could not keep the imported contacts."));
            }
            return summary;
        } catch (const BookStepFailure &failure) {
            std::rethrow_exception(failure.error);
        }
    } catch (const Cancelled &) {
        db.rollback();
        return cancelledSummary();
    } catch (const FileFault &fault) {
        db.rollback();
        throw fault.error;
    } catch (const InterchangeError &error) {
        db.rollback();
        throw InterchangeError(error.message() + nothingImported());
    } catch (const DatabaseError &error) {
        db.rollback();
        throw InterchangeError(BookError(error).message() + nothingImported());
    } catch (...) {
        db.rollback();
        throw;
    }
}

} // namespace

ContactIdentity ContactIdentities::of(const Contact &contact, const QList<PhoneNumber> &numbers)
{
    mText.resize(0);
    for (const ContactField &f : ContactFields()) {
        appendFolded(mText, contact.*f.member);
        mText += QChar(u'\x1f');
    }
    // The numbers in the order of their folded texts, so that the order of the file does not matter.
    mPhones.resize(0);
    QVarLengthArray<QPair<qsizetype, qsizetype>, 8> pieces;
    for (const PhoneNumber &t : numbers) {
        const qsizetype start = mPhones.size();
        appendFolded(mPhones, t.type);
        mPhones += QChar(u'\x1e');
        appendFolded(mPhones, t.number);
        pieces.append(qMakePair(start, mPhones.size() - start));
    }
    const QStringView phones(mPhones);
    std::sort(pieces.begin(), pieces.end(), [phones](const auto &a, const auto &b) {
        return phones.sliced(a.first, a.second) < phones.sliced(b.first, b.second);
    });
    for (const auto &[start, length] : pieces) {
        mText += phones.sliced(start, length);
        mText += QChar(u'\x1f');
    }
    return qMakePair(qHash(QStringView(mText), size_t(0x9e3779b97f4a7c15ULL)),
                     qHash(QStringView(mText), size_t(0xc2b2ae3d27d4eb4fULL)));
}

bool IsNamedContact(const Contact &c)
{
    return !(c.firstName.isEmpty() && c.lastName.isEmpty() && c.company.isEmpty() && c.email.isEmpty());
}

ImportSummary ImportContacts(QSqlDatabase &db, const std::vector<ContactRecord> &records, const ImportOptions &options)
{
    return importInto(db, options, {}, [&records](const auto &add, const auto &) {
        const qint64 total = qint64(records.size());
        for (qint64 i = 0; i < total; ++i)
            add(records[size_t(i)], i, total);
        return total;
    });
}

ImportSummary ImportContactFile(QSqlDatabase &db, const QString &fileName, const ImportOptions &options)
{
    const qint64 size = QFileInfo(fileName).size();
    qCDebug(lcInterchange) << "import of" << fileName << size << "bytes";
    return importInto(db, options, QFileInfo(fileName).fileName(), [&](const auto &add, const auto &note) {
        // The file is read on a thread of its own while the cards read so far are stored here, a batch at a time.
        ReadAhead reading(fileName);
        ReadAhead::Piece piece;
        for (;;) {
            try {
                if (!reading.next(piece))
                    break;
            } catch (const InterchangeError &error) {
                throw FileFault{error};
            }
            for (const auto &[record, bytesRead] : piece.records)
                add(record, qMin(bytesRead, size), size);
            for (const QString &line : std::as_const(piece.notes))
                note(line);
        }
        return size;
    });
}

} // namespace varnelle::interchange
