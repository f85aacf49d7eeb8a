#include "interchange/BookExport.h"

#include "interchange/CsvWriter.h"
#include "interchange/VCardWriter.h"
#include "interchange/BookFailure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QUrl>
#include <QUuid>

namespace varnelle::interchange {

namespace {

constexpr qsizetype FlushBytes = 1 << 20;

// The path of the book's file, also when the connection names it as a file: URI.
QString bookPath(const QSqlDatabase &db)
{
    QString name = db.databaseName();
    if (name.startsWith(QLatin1String("file:")))
        name = QUrl(name.section(u'?', 0, 0)).toLocalFile();
    return QFileInfo(name).canonicalFilePath();
}

// The UIDs that CardDAV sync keeps for contacts, by PersonID. This is where
// the sync tables are read once they exist: a UID stored there wins over the
// one an export derives, so a contact is the same card here and on a server.
QHash<int, QString> storedUids(const QSqlDatabase &)
{
    return {};
}

// A UID that stays the same for a contact in every export of its book: a
// name-based UUID of the book's path and the contact's PersonID.
QString derivedUid(const QString &book, int personId)
{
    static const QUuid space = QUuid::createUuidV5(QUuid(), QStringLiteral("varnelle contacts"));
    return QStringLiteral("urn:uuid:")
        + QUuid::createUuidV5(space, book + u'/' + QString::number(personId)).toString(QUuid::WithoutBraces);
}

} // namespace

void RefuseProtectedFile(const QSqlDatabase &db, const QString &fileName)
{
    const QFileInfo target(fileName);
    const QString suffix = target.suffix().toLower();
    const bool book = !bookPath(db).isEmpty() && target.canonicalFilePath() == bookPath(db);
    if (book || suffix == QLatin1String("mdb"))
        throw InterchangeError(
            QCoreApplication::translate("Interchange",
                                        "Contacts are never exported to '%1': that is a database file. Choose "
                                        "another name.")
                .arg(target.fileName()));
    if (suffix == QLatin1String("rpt"))
        throw InterchangeError(
            QCoreApplication::translate("Interchange",
                                        "Contacts are never exported to '%1': that is a report definition. Choose "
                                        "another name.")
                .arg(target.fileName()));
}

void ReadBookContacts(const QSqlDatabase &db, ExportScope scope, const std::function<void(const Contact &)> &each)
{
    try {
        ReadContactsWithNumbers(db, scope, each);
    } catch (const DatabaseError &error) {
        throw BookError(error);
    }
}

ExportFormat FormatForFileName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? ExportFormat::Csv
                                                                                             : ExportFormat::VCard4;
}

QString FileNameForFormat(const QString &fileName, ExportFormat format)
{
    const QString wanted = format == ExportFormat::Csv ? QStringLiteral("csv") : QStringLiteral("vcf");
    const QString other = format == ExportFormat::Csv ? QStringLiteral("vcf") : QStringLiteral("csv");
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(wanted, Qt::CaseInsensitive) == 0)
        return fileName;
    if (suffix.compare(other, Qt::CaseInsensitive) == 0)
        return fileName.chopped(suffix.size()) + wanted;
    return fileName + u'.' + wanted;
}

qsizetype ExportContacts(const QSqlDatabase &db, const QString &fileName, ExportFormat format, ExportScope scope)
{
    RefuseProtectedFile(db, fileName);
    QSaveFile file(fileName);
    auto failed = [&] {
        return InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' could not be written: %2.")
                                    .arg(QFileInfo(fileName).fileName(), file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed();
    QByteArray buffer;
    buffer.reserve(FlushBytes + 4096);
    int phoneColumns = 0;
    try {
        phoneColumns = format == ExportFormat::Csv ? MostNumbers(db, scope) : 0;
    } catch (const DatabaseError &error) {
        throw BookError(error);
    }
    const CsvWriter csv(phoneColumns);
    if (format == ExportFormat::Csv)
        csv.appendHeading(buffer);
    qsizetype written = 0;
    const QHash<int, QString> stored = format == ExportFormat::Csv ? QHash<int, QString>() : storedUids(db);
    const QString book = bookPath(db);
    CardStamp stamp;
    stamp.revision = QDateTime::currentDateTimeUtc();
    ReadBookContacts(db, scope, [&](const Contact &r) {
        if (format == ExportFormat::Csv) {
            csv.appendRow(buffer, r);
        } else {
            stamp.uid = stored.value(r.personId, derivedUid(book, r.personId));
            AppendVCard(buffer, r, format == ExportFormat::VCard3 ? VCardVersion::V3 : VCardVersion::V4, stamp);
        }
        ++written;
        if (buffer.size() >= FlushBytes) {
            if (file.write(buffer) != buffer.size())
                throw failed();
            buffer.clear();
        }
    });
    if (file.write(buffer) != buffer.size() || !file.commit())
        throw failed();
    return written;
}

QString ExportedText(qsizetype count, const QString &fileName)
{
    return QCoreApplication::translate("Interchange", "%1 contact%2 exported to %3.")
        .arg(count)
        .arg(count == 1 ? "" : "s", fileName);
}

} // namespace varnelle::interchange
