#include "ui/main/RepairCommand.h"

#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "store/Setup.h"
#include "store/repair/BookFile.h"
#include "store/repair/Health.h"
#include "store/repair/Maintenance.h"

#include <QDir>
#include <QFileInfo>

namespace varnelle {

namespace {

QString amount(qint64 n, const QString &one, const QString &many)
{
    return n < 0 ? QString("an unknown number of %1").arg(many) : QString("%1 %2").arg(n).arg(n == 1 ? one : many);
}

QString listed(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(", ") + " and " + parts.last();
}

// The kept original by its name when it is in the current folder; elsewhere
// (the book is a link to another folder) by its whole path, so it can be found.
QString keptName(const QString &keptAs)
{
    const QFileInfo kept(keptAs);
    return kept.canonicalPath() == QDir::current().canonicalPath() ? kept.fileName()
                                                                   : QDir::toNativeSeparators(kept.canonicalFilePath());
}

} // namespace

QString SalvageMessage(const QString &fileName, const RepairResult &result)
{
    struct Kind {
        const char *table, *one, *many;
    };
    static const Kind kinds[] = {{"Address", "contact", "contacts"},
                                 {"TelephoneList", "telephone number", "telephone numbers"},
                                 {"TelephoneType", "telephone type", "telephone types"}};
    QStringList saved, lost;
    for (const Kind &kind : kinds) {
        const SalvagedTable &table = result.report.of(kind.table);
        saved << amount(table.saved, kind.one, kind.many);
        if (table.lost != 0)
            lost << amount(table.lost, kind.one, kind.many);
    }
    return QString("The database file '%1' was damaged. What could still be read is in the repaired file: %2 were "
                   "saved. %3 The damaged file is kept as '%4'.")
        .arg(QFileInfo(fileName).fileName(), listed(saved),
             lost.isEmpty() ? QString("Nothing was lost.") : listed(lost) + " could not be read.",
             keptName(result.keptAs));
}

bool FixDatabase(const QString &fileName)
{
    try {
        const RepairResult result = RepairBook(fileName);
        if (result.salvaged)
            MsgBox(SalvageMessage(fileName, result), MsgRefusal);
        return result.salvaged;
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return false;
    }
}

void OpenBookAsFarAsReadable(QSqlDatabase &db, const QString &fileName, const QString &connectionName)
{
    CloseDatabase(db);
    try {
        db = OpenDatabase(fileName, connectionName);
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::NotADatabase || !HasDatabaseHeader(fileName))
            throw;
        try {
            db = OpenCutShortDatabase(fileName, connectionName);
        } catch (const DatabaseError &) {
            throw error;
        }
    }
}

bool ReopenIfReplaced(QSqlDatabase &db, const QString &fileName, const QString &connectionName)
{
    if (!BookWasReplaced(db))
        return false;
    OpenBookAsFarAsReadable(db, fileName, connectionName);
    return true;
}

bool OpenBookAtStartUp(QSqlDatabase &db, const QString &fileName, const QString &connectionName)
{
    RemoveLeftoverFiles(RealBookPath(fileName));
    OpenBookAsFarAsReadable(db, fileName, connectionName);
    RequireWritable(db, fileName);
    const bool told = !FindDamage(db).isEmpty();
    if (told)
        MsgBox(DamagedBookError(fileName).message(), MsgRefusal);
    try {
        return ReadSetupView(db);
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Damaged)
            throw;
        if (!told)
            MsgBox(error.message(), MsgRefusal);
        return InitialViewIsBusiness;
    }
}

} // namespace varnelle
