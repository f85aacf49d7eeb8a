#include "app/HistoryCommands.h"

#include "app/CommandLine.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/History.h"

#include <QCoreApplication>
#include <QTextStream>

namespace varnelle {

namespace {


QString timeOf(const QDateTime &time) { return time.toUTC().toString(Qt::ISODate); }

int list(QSqlDatabase &db, int limit, QTextStream &out)
{
    for (const HistoryEntry &e : ReadHistory(db, limit)) {
        const QString text = HistoryEntryText(e);
        out << e.id << '\t' << timeOf(e.time) << '\t' << (e.undone() ? QCoreApplication::translate("HistoryCommands", "%1 (undone)").arg(text) : text) << '\n';
    }
    return ExitSuccess;
}

int undo(QSqlDatabase &db, const HistoryCommand &command, QTextStream &out, QTextStream &err)
{
    QList<qint64> entries = command.numbers;
    if (entries.isEmpty()) {
        const std::optional<HistoryEntry> next = NextUndo(db);
        if (!next) {
            err << QCoreApplication::translate("HistoryCommands", "There is nothing to undo.") << '\n';
            return ExitFailure;
        }
        entries << next->id;
    }
    try {
        const HistoryEntry done = UndoEntries(db, entries, command.force);
        out << QCoreApplication::translate("HistoryCommands", "Undone: %1").arg(done.subject) << '\n';
        return ExitSuccess;
    } catch (const HistoryConflict &conflict) {
        err << conflict.message() << ' ' << QCoreApplication::translate("HistoryCommands", "Give --force to undo them too.") << '\n';
    }
    return ExitFailure;
}

int redo(QSqlDatabase &db, QTextStream &out, QTextStream &err)
{
    if (!NextRedo(db)) {
        err << QCoreApplication::translate("HistoryCommands", "There is nothing to redo.") << '\n';
        return ExitFailure;
    }
    out << QCoreApplication::translate("HistoryCommands", "Redone: %1").arg(RedoLast(db).subject) << '\n';
    return ExitSuccess;
}

int deleted(QSqlDatabase &db, QTextStream &out)
{
    for (const DeletedContact &d : ReadDeletedContacts(db))
        out << d.number << '\t' << timeOf(d.time) << '\t' << d.name << '\t' << HistoryEntryText(d.deletedBy) << '\n';
    return ExitSuccess;
}

int restore(QSqlDatabase &db, const QList<qint64> &numbers, QTextStream &out)
{
    QStringList names;
    for (const DeletedContact &d : ReadDeletedContacts(db))
        if (numbers.contains(d.number))
            names << d.name;
    RestoreDeletedContacts(db, numbers);
    for (const QString &name : std::as_const(names))
        out << QCoreApplication::translate("HistoryCommands", "Restored: %1").arg(name) << '\n';
    return ExitSuccess;
}

} // namespace

int RunHistoryCommand(const HistoryCommand &command, const QString &bookFile, QTextStream &out, QTextStream &err)
{
    try {
        Connection connection = OpenConnection(bookFile, QStringLiteral("history"));
        QSqlDatabase &db = connection.database();
        switch (command.kind) {
        case HistoryCommand::Kind::List:
            return list(db, command.limit, out);
        case HistoryCommand::Kind::Undo:
            return undo(db, command, out, err);
        case HistoryCommand::Kind::Redo:
            return redo(db, out, err);
        case HistoryCommand::Kind::Deleted:
            return deleted(db, out);
        case HistoryCommand::Kind::Restore:
            return restore(db, command.numbers, out);
        case HistoryCommand::Kind::None:
            break;
        }
    } catch (const DatabaseError &error) {
        err << error.message() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace varnelle
