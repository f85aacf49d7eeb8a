#include "app/RepairCommands.h"

#include "app/CommandLine.h"
#include "store/Database.h"
#include "store/repair/Health.h"
#include "store/repair/Maintenance.h"
#include "ui/main/RepairCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace varnelle {

namespace {

int check(QTextStream &out)
{
    QSqlDatabase db;
    try {
        OpenBookAsFarAsReadable(db, DatabaseFileName, "check");
        ForgetDamage();
        // The user asks for this check: the full one, whatever the size of the book.
        QStringList damage = FindDamage(db, CheckDepth::Full);
        if (damage.isEmpty() && !RowCountsAgree(db))
            damage << QCoreApplication::translate("CommandLine", "a table and its indexes do not count the same rows");
        if (damage.isEmpty())
            damage << FindOrphanNumbers(db);
        CloseDatabase(db);
        if (damage.isEmpty()) {
            out << QCoreApplication::translate("CommandLine", "The database file '%1' is sound.").arg(DatabaseFileName)
                << '\n';
            return ExitSuccess;
        }
        out << DamagedBookError(DatabaseFileName).message() << '\n';
        for (const QString &line : damage)
            out << "  " << line << '\n';
    } catch (const DatabaseError &error) {
        CloseDatabase(db);
        out << error.message() << '\n';
    }
    return ExitFailure;
}

int repair(QTextStream &out)
{
    try {
        const RepairResult result = RepairBook(DatabaseFileName);
        if (result.removedLeftover)
            out << LeftoverRemovedMessage() << '\n';
        if (!result.salvaged) {
            out << QCoreApplication::translate("CommandLine",
                                               "The database file '%1' was sound and has been compacted.")
                       .arg(DatabaseFileName)
                << '\n';
            return ExitSuccess;
        }
        out << SalvageMessage(DatabaseFileName, result) << '\n';
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
                   .arg(DatabaseFileName, counts.join("; "))
            << '\n';
        return ExitSuccess;
    } catch (const DatabaseError &error) {
        out << error.message() << '\n';
    }
    return ExitFailure;
}

} // namespace

void AddBookCommandOptions(QCommandLineParser &parser)
{
    parser.addOption({"check", QCoreApplication::translate("CommandLine",
                                                           "Checks Address.mdb in the current folder for damage and "
                                                           "ends: status 0 when it is sound, 1 when it is damaged.")});
    parser.addOption({"repair", QCoreApplication::translate("CommandLine",
                                                            "Repairs Address.mdb in the current folder as File > "
                                                            "Repair Database does, prints what it did and ends: "
                                                            "status 0 when the book is sound or repaired.")});
}

BookCommand BookCommandOf(const QCommandLineParser &parser)
{
    if (parser.isSet("repair"))
        return BookCommand::Repair;
    return parser.isSet("check") ? BookCommand::Check : BookCommand::None;
}

int RunBookCommand(BookCommand command, QTextStream &out)
{
    switch (command) {
    case BookCommand::Check:
        return check(out);
    case BookCommand::Repair:
        return repair(out);
    case BookCommand::None:
        break;
    }
    return ExitSuccess;
}

} // namespace varnelle
