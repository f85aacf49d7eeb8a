#include "interchange/BookImport.h"

#include "interchange/BookFailure.h"
#include "interchange/ContactFile.h"
#include "store/BookContacts.h"
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

#include <algorithm>

namespace varnelle::interchange {

namespace {

constexpr qsizetype ProgressEvery = 64;

QString nothingImported()
{
    return QCoreApplication::translate("Interchange", " Nothing was imported; the address book is unchanged.");
}

QString quoted(const QString &value)
{
    QString shown = value;
    shown.replace(QChar(u'\0'), QLatin1String("\\0"));
    if (text::StoreLength(shown) > 80)
        shown = text::LeftInStoreLength(shown, 77) + QStringLiteral("...");
    return u'"' + shown + u'"';
}

// The book's fields and the summary hold one line each: the lines of a value
// that a file gives on several lines (a street with a second line, a note)
// are joined by ", ".
QString inOneLine(const QString &value)
{
    const auto isBreak = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    if (std::none_of(value.cbegin(), value.cend(), isBreak))
        return value;
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    QStringList lines;
    for (const QString &line : value.split(lineBreaks))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines.join(QStringLiteral(", "));
}

// The identity of a contact for finding it again: every field and every
// number with its type, in any letter case.
QString identity(const Contact &contact, const QList<PhoneNumber> &numbers)
{
    QStringList parts;
    for (const ContactField &f : ContactFields())
        parts << contact.*f.member;
    QStringList phones;
    for (const PhoneNumber &t : numbers)
        phones << t.type + u'\x1e' + t.number;
    phones.sort();
    return (parts + phones).join(QChar(u'\x1f')).toCaseFolded();
}

// Whether a contact has what tells people apart: a name, a company or an e-mail address.
bool isNamed(const Contact &c)
{
    return !(c.firstName.isEmpty() && c.lastName.isEmpty() && c.company.isEmpty() && c.email.isEmpty());
}

// The import of one batch of records into the open book.
class Importer {
public:
    Importer(QSqlDatabase &db, const ImportOptions &options) : mOptions(options), mInsert(db)
    {
        for (const TelephoneTypeRow &type : ListTelephoneTypes(db))
            mTypes << qMakePair(type.name, int(type.typeId));
        ReadContactsWithNumbers(db, ContactScope::All, [this](const Contact &c) {
            if (isNamed(c))
                mKnown.insert(identity(c, c.telephones));
        });
    }

    void add(const ContactRecord &record)
    {
        mWho = QCoreApplication::translate("Interchange", "%1 (line %2)").arg(record.displayName()).arg(record.line);
        const qsizetype notesBefore = mNotes.size();
        Contact stored;
        for (const ContactField &f : ContactFields())
            stored.*f.member = fitting(record.*f.member, QString::fromLatin1(f.caption), f.size);
        const QList<PhoneNumber> numbers = fittingTelephones(record.telephones);
        const QString known = isNamed(stored) ? identity(stored, numbers) : QString();
        if (!known.isEmpty() && mKnown.contains(known)) {
            mNotes.resize(notesBefore); // a contact already present adds nothing, not even notes
            ++mSummary.alreadyPresent;
            mPresent << mWho;
            return;
        }
        bool hasData = !record.telephones.isEmpty();
        for (const ContactField &f : ContactFields())
            hasData = hasData || !(stored.*f.member).isEmpty();
        if (!hasData) {
            note("nothing in it fits the book; not imported.");
            for (const QString &line : record.unplaced)
                note(line + " (no place in the book)");
            return;
        }
        stored.isBusiness = isBusiness(stored);
        const int personId = mInsert.addContact(stored);
        if (!known.isEmpty())
            mKnown.insert(known);
        ++mSummary.imported;
        for (const PhoneNumber &t : numbers)
            mInsert.addNumber(personId, typeId(t.type), t.number);
        for (const QString &line : record.unplaced)
            note(line + " (no place in the book)");
    }

    ImportSummary summary(const QString &source, const QStringList &fileNotes)
    {
        ImportSummary s = mSummary;
        const QString from =
            source.isEmpty() ? QString() : QCoreApplication::translate("Interchange", " from %1").arg(source);
        const QString present = QString::number(s.alreadyPresent);
        s.lines << (s.imported == 1
                        ? QCoreApplication::translate("Interchange", "1 contact imported%1; %2 already present.")
                              .arg(from, present)
                        : QCoreApplication::translate("Interchange", "%1 contacts imported%2; %3 already present.")
                              .arg(QString::number(s.imported), from, present));
        if (!s.typesCreated.isEmpty())
            s.lines << QCoreApplication::translate("Interchange", "New telephone types: %1.")
                           .arg(s.typesCreated.join(", "));
        if (!mPresent.isEmpty())
            s.lines << QCoreApplication::translate("Interchange", "Already in the book, not added again:");
        s.lines << mPresent;
        if (!fileNotes.isEmpty())
            s.lines << QCoreApplication::translate("Interchange", "Skipped in the file:");
        for (const QString &line : fileNotes)
            s.lines << inOneLine(line);
        if (!mNotes.isEmpty())
            s.lines << (mNotes.size() == 1
                            ? QCoreApplication::translate("Interchange", "1 value could not be placed in the book:")
                            : QCoreApplication::translate("Interchange", "%1 values could not be placed in the book:")
                                  .arg(mNotes.size()));
        s.lines << mNotes;
        return s;
    }

private:
    void note(const QString &what) { mNotes << inOneLine(mWho + ": " + what); }

    // The value as the book can hold it, or empty with a note when it cannot.
    QString fitting(const QString &value, const QString &caption, qsizetype size)
    {
        QString v = inOneLine(value);
        if (text::ContainsNul(v)) {
            v.remove(QChar(u'\0'));
            note(QCoreApplication::translate("Interchange", "%1 held NUL characters, which were left out.")
                     .arg(caption));
        }
        if (size > 0 && text::StoreLength(v) > size) {
            note(QCoreApplication::translate("Interchange", "%1 %2 is longer than %3 characters; not imported.")
                     .arg(caption, quoted(v))
                     .arg(size));
            return {};
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

    // The numbers as the book can hold them, one of each type; notes for the others.
    QList<PhoneNumber> fittingTelephones(const QList<PhoneNumber> &telephones)
    {
        QList<PhoneNumber> kept;
        for (const PhoneNumber &t : telephones) {
            const QString type = QString(t.type).remove(QChar(u'\0')).trimmed();
            const QString number = fitting(t.number, type + " number", PhoneNumberSize);
            if (number.isEmpty())
                continue;
            if (text::StoreLength(type) > PhoneTypeSize) {
                note(QCoreApplication::translate(
                         "Interchange", "the type name %1 of the number %2 is longer than %3 characters; not imported.")
                         .arg(quoted(type), quoted(number))
                         .arg(PhoneTypeSize));
                continue;
            }
            const QString name = type.isEmpty() ? QStringLiteral("Phone") : type;
            const auto same = std::find_if(kept.cbegin(), kept.cend(), [&](const PhoneNumber &k) {
                return text::SameIgnoringCase(k.type, name);
            });
            if (same != kept.cend()) {
                note(QCoreApplication::translate(
                         "Interchange",
                         "%1 number %2: the book keeps one number of each type, and %3 is already stored; not "
                         "imported.")
                         .arg(type, quoted(number), quoted(same->number)));
                continue;
            }
            kept << PhoneNumber{name, number};
        }
        return kept;
    }

    const ImportOptions &mOptions;
    QList<QPair<QString, int>> mTypes;
    QHash<QString, int> mTypeCache; // by the spelling met in the files
    QSet<QString> mKnown;
    ContactInserter mInsert;
    ImportSummary mSummary;
    QStringList mNotes;
    QStringList mPresent; // the records already in the book
    QString mWho; // the record at hand, for the notes
};

ImportSummary importInto(QSqlDatabase &db, const std::vector<ContactRecord> &records, const ImportOptions &options,
                         const QString &source, const QStringList &fileNotes = {})
{
    if (!db.transaction())
        throw InterchangeError(QCoreApplication::translate(
            "Interchange", "The address book cannot begin the import: it is in use. Try again."));
    try {
        ImportSummary summary;
        {
            Importer importer(db, options);
            const qsizetype total = qsizetype(records.size());
            for (qsizetype i = 0; i < total; ++i) {
                if (options.progress && i % ProgressEvery == 0 && !options.progress(i, total)) {
                    db.rollback();
                    ImportSummary cancelled;
                    cancelled.cancelled = true;
                    cancelled.lines << QCoreApplication::translate(
                        "Interchange", "The import was cancelled; the address book is unchanged.");
                    return cancelled;
                }
                importer.add(records[size_t(i)]);
            }
            if (options.progress)
                options.progress(total, total);
            summary = importer.summary(source, fileNotes);
        }
        if (!db.commit()) {
            const QSqlError failure = db.lastError();
            const std::optional<DatabaseError> plain =
                PlainFileFailure(db.databaseName(), failure.databaseText(), SqliteResultCode(failure));
            if (plain)
                throw InterchangeError(plain->message());
            throw InterchangeError(
                QCoreApplication::translate("Interchange", "The address book could not keep the imported contacts."));
        }
        return summary;
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

ImportSummary ImportContacts(QSqlDatabase &db, const std::vector<ContactRecord> &records, const ImportOptions &options)
{
    return importInto(db, records, options, {});
}

ImportSummary ImportContactFile(QSqlDatabase &db, const QString &fileName, const ImportOptions &options)
{
    QStringList notes;
    const std::vector<ContactRecord> records = ReadContactFile(fileName, &notes);
    return importInto(db, records, options, QFileInfo(fileName).fileName(), notes);
}

} // namespace varnelle::interchange
