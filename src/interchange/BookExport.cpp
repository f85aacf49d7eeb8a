#include "interchange/BookExport.h"

#include "interchange/BookAccess.h"
#include "interchange/CsvWriter.h"
#include "interchange/VCardWriter.h"
#include "common/Collation.h"
#include "common/FileFailure.h"
#include "common/SqlCollation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlError>
#include <QUrl>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnelle::interchange {

namespace {

constexpr qsizetype FlushBytes = 1 << 20;

QString scopeCondition(ExportScope scope)
{
    switch (scope) {
    case ExportScope::Business:
        return " WHERE IsBusiness";
    case ExportScope::Personal:
        return " WHERE NOT coalesce(IsBusiness, 0)";
    case ExportScope::All:
        break;
    }
    return {};
}

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
        throw InterchangeError(QString("Contacts are never exported to '%1': that is a database file. Choose "
                                       "another name.")
                                   .arg(target.fileName()));
    if (suffix == QLatin1String("rpt"))
        throw InterchangeError(QString("Contacts are never exported to '%1': that is a report definition. Choose "
                                       "another name.")
                                   .arg(target.fileName()));
}

namespace {

int mostNumbers(const QSqlDatabase &db, ExportScope scope)
{
    QSqlQuery query = Prepare(db, "SELECT max(n) FROM (SELECT count(*) AS n FROM TelephoneList"
                                  " WHERE PersonID IN (SELECT PersonID FROM Address" + scopeCondition(scope)
                                      + ") GROUP BY PersonID)");
    Run(query);
    return query.next() ? query.value(0).toInt() : 0;
}

} // namespace

void ReadBookContacts(const QSqlDatabase &db, ExportScope scope, const std::function<void(const ContactRecord &)> &each)
{
    QHash<int, QList<Telephone>> numbers;
    QSqlQuery n = Prepare(db, "SELECT l.PersonID, t.TelephoneType, l.Number FROM TelephoneList l"
                              " JOIN TelephoneType t ON t.TypeID = l.TypeID ORDER BY l.PersonID, l.TypeID");
    Run(n);
    while (n.next())
        numbers[n.value(0).toInt()] << Telephone{n.value(1).toString(), n.value(2).toString()};

    QStringList columns;
    for (const BookField &f : BookFields())
        columns << f.column;
    // Names in the order of the program's lists, where the connection can learn it.
    const QString collate = text::RegisterSqlCollation(db)
                                ? QStringLiteral(" COLLATE ") + QLatin1String(text::SqlCollationName)
                                : QString();
    QSqlQuery q = Prepare(db, QString("SELECT PersonID, IsBusiness, %1 FROM Address%2"
                                      " ORDER BY IsBusiness DESC, LastName%3, FirstName%3, PersonID")
                                  .arg(columns.join(", "), scopeCondition(scope), collate));
    Run(q);
    ContactRecord r;
    while (q.next()) {
        r.isBusiness = q.value(1).toBool();
        int column = 2;
        for (const BookField &f : BookFields())
            r.*f.member = q.value(column++).toString();
        r.telephones = numbers.value(q.value(0).toInt());
        each(r);
    }
    if (q.lastError().isValid())
        throw BookError(q);
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
        const int error = errno;
        // Qt tells a full disk apart, and otherwise names the system's cause, at times none at all.
        const bool known = error == ENOSPC || error == EIO || error == EROFS || error == EACCES || error == EPERM;
        const QString cause = file.error() == QFileDevice::ResourceError ? FileFailureCause(ENOSPC)
                              : known || file.errorString().isEmpty() || file.errorString() == "Unknown error"
                                  ? FileFailureCause(error)
                                  : file.errorString();
        return InterchangeError(QString("The file '%1' could not be written: %2.")
                                    .arg(QFileInfo(fileName).fileName(), cause));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed();
    QByteArray buffer;
    buffer.reserve(FlushBytes + 4096);
    const CsvWriter csv(format == ExportFormat::Csv ? mostNumbers(db, scope) : 0);
    if (format == ExportFormat::Csv)
        csv.appendHeading(buffer);
    qsizetype written = 0;
    ReadBookContacts(db, scope, [&](const ContactRecord &r) {
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
    return QString("%1 contact%2 exported to %3.").arg(count).arg(count == 1 ? "" : "s", fileName);
}

} // namespace varnelle::interchange
