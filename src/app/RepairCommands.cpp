#include "app/RepairCommands.h"

#include "app/CommandLine.h"
#include "store/Database.h"
#include "store/History.h"
#include "store/repair/Health.h"
#include "store/repair/Maintenance.h"
#include "ui/main/RepairCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace varnelle {

namespace {

int check(const QString &bookFile, QTextStream &out)
{
    const QString name = QFileInfo(bookFile).fileName(); // as the messages of the store name it
    QSqlDatabase db;
    try {
        OpenBookAsFarAsReadable(db, bookFile, "check");
        // The user asks for this check: the full one, whatever the size of the book.
        QStringList damage = FindDamage(db, CheckDepth::Full);
        if (damage.isEmpty() && !RowCountsAgree(db))
            damage << QCoreApplication::translate("CommandLine", "a table and its indexes do not count the same rows");
        if (damage.isEmpty())
            damage << FindOrphanNumbers(db);
        const HistorySize history = ReadHistorySize(db);
        CloseDatabase(db);
        if (damage.isEmpty()) {
            out << QCoreApplication::translate("CommandLine", "The database file '%1' is sound.").arg(name)
                << '\n';
            if (history.entries > 0)
                out << QCoreApplication::translate("CommandLine",
                                                   "Its history keeps %1 changes of %2 rows in %3 KB.")
                           .arg(history.entries)
                           .arg(history.changes)
                           .arg((history.bytes + 1023) / 1024)
                    << '\n';
            return ExitSuccess;
        }
        out << DamagedBookError(bookFile).message() << '\n';
        for (const QString &line : damage)
            out << "  " << line << '\n';
    } catch (const DatabaseError &error) {
        CloseDatabase(db);
        out << error.message() << '\n';
    }
    return ExitFailure;
}

int repair(const QString &bookFile, QTextStream &out)
{
    const QString name = QFileInfo(bookFile).fileName();
    try {
        const RepairResult result = RepairBook(bookFile);
        if (result.removedLeftover)
            out << LeftoverRemovedMessage() << '\n';
        if (!result.salvaged) {
            out << QCoreApplication::translate("CommandLine",
                                               "The database file '%1' was sound and has been compacted.")
                       .arg(name)
                << '\n';
            return ExitSuccess;
        }
        out << SalvageMessage(bookFile, result) << '\n';
        QStringList counts;
        for (const SalvagedTable &table : result.report.tables)
            counts << (table.lost < 0
                           ? QCoreApplication::translate("CommandLine", "%1 %2 saved, an unknown number lost")
                                 .arg(table.table)
                                 .arg(table.saved)
                           : QCoreApplication::translate("CommandLine", "%1 %2 saved, %3 lost")
                                 .arg(table.table)
                                 .arg(table.saved)
                                 .arg(table.lost));
        out << QCoreApplication::translate("CommandLine", "The database file '%1' was salvaged: %2.")
                   .arg(name, counts.join("; "))
            << '\n';
        return ExitSuccess;
    } catch (const DatabaseError &error) {
        out << error.message() << '\n';
    }
    return ExitFailure;
}

} // namespace

int RunBookCommand(BookCommand command, const QString &bookFile, QTextStream &out)
{
    switch (command) {
    case BookCommand::Check:
        return check(bookFile, out);
    case BookCommand::Repair:
        return repair(bookFile, out);
    case BookCommand::None:
        break;
    }
    return ExitSuccess;
}

} // namespace varnelle
