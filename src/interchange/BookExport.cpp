#include "interchange/BookExport.h"

#include "interchange/CsvWriter.h"
#include "interchange/VCardWriter.h"
#include "interchange/BookFailure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QUrl>

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
    ReadBookContacts(db, scope, [&](const Contact &r) {
        if (format == ExportFormat::Csv)
            csv.appendRow(buffer, r);
        else
            AppendVCard(buffer, r, format == ExportFormat::VCard3 ? VCardVersion::V3 : VCardVersion::V4);
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
    // Whole sentences for one and for more, so that a translation can decline the noun.
    if (count == 1)
        return QCoreApplication::translate("Interchange", "1 contact exported to %1.").arg(fileName);
    return QCoreApplication::translate("Interchange", "%1 contacts exported to %2.")
        .arg(QString::number(count), fileName);
}

} // namespace varnelle::interchange
