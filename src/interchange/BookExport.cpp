#include "interchange/BookExport.h"
#include "common/Log.h"

#include "interchange/CsvWriter.h"
#include "interchange/VCardWriter.h"
#include "interchange/BookFailure.h"
#include "common/FileFailure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QUrl>
#include <QUuid>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    // Writing over a pipe or a device would replace it with a file.
    if (const QString notAFile = NotAFile(fileName); !notAFile.isEmpty())
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' could not be written: %2.")
                                   .arg(target.fileName(), notAFile));
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
        ReadContactsWithNumbers(db, scope, each, ContactOrder::List, ContactContent::WithDetails);
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
    qCDebug(lcInterchange) << "export to" << fileName << "format" << int(format) << "scope" << int(scope);
    QSaveFile file(fileName);
    auto failed = [&] {
        return InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' could not be written: %2.")
                                    .arg(QFileInfo(fileName).fileName(), WriteFailureCause(file)));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed();
    QByteArray buffer;
    buffer.reserve(FlushBytes + 4096);
    int phoneColumns = 0;
    DetailCounts details;
    try {
        if (format == ExportFormat::Csv) {
            details = MostDetails(db, scope);
            phoneColumns = MostNumbers(db, scope) + details.telephones;
        }
    } catch (const DatabaseError &error) {
        throw BookError(error);
    }
    // A book with details is read contact by contact with them; one without, row by row as it is stored.
    const bool withDetails = HasDetailTables(db);
    const CsvWriter csv(phoneColumns, details);
    if (format == ExportFormat::Csv)
        csv.appendHeading(buffer);
    qsizetype written = 0;
    const QString book = bookPath(db);
    CardStamp stamp;
    stamp.revision = QDateTime::currentDateTimeUtc();
    auto countWritten = [&] {
        ++written;
        if (buffer.size() >= FlushBytes) {
            if (file.write(buffer) != buffer.size())
                throw failed();
            buffer.clear();
        }
    };
    if (format == ExportFormat::Csv) {
        try {
            if (withDetails)
                ReadContactsWithNumbers(
                    db, scope,
                    [&](const Contact &contact) {
                        csv.appendRow(buffer, contact);
                        countWritten();
                    },
                    ContactOrder::List, ContactContent::WithDetails);
            else
                ReadContactRows(db, scope, [&](const ContactRow &row) {
                    csv.appendRow(buffer, row);
                    countWritten();
                });
        } catch (const DatabaseError &error) {
            throw BookError(error);
        }
    } else {
        ReadBookContacts(db, scope, [&](const Contact &r) {
            // A synced contact's UID wins, so that it is the same card here and on its server.
            stamp.uid = r.uid.isEmpty() ? derivedUid(book, r.personId) : r.uid;
            AppendVCard(buffer, r, format == ExportFormat::VCard3 ? VCardVersion::V3 : VCardVersion::V4, stamp);
            countWritten();
        });
    }
    if (file.write(buffer) != buffer.size())
        throw failed();
    // QSaveFile's commit ignores a failed fsync: a file that may not be on the disk is a failure.
    if (!file.flush())
        throw failed();
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' could not be written: %2.")
                                   .arg(QFileInfo(fileName).fileName(), FileFailureCause(error)));
    }
#endif
    if (!file.commit())
        throw failed();
    return written;
}

QString ExportedText(qsizetype count, const QString &fileName)
{
    // Whole sentences for one and for more, so that a translation can decline the noun.
    if (count == 1)
        return QCoreApplication::translate("Interchange", "1 contact exported to %1.").arg(fileName);
    return QCoreApplication::translate("Interchange", "%1 contacts exported to %2.")
        .arg(QString::number(count), fileName);
}

} // namespace varnelle::interchange
