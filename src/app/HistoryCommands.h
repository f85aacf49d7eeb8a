#pragma once

#include <QList>
#include <QString>

class QTextStream;

namespace varnelle {

// The history of the book from the command line: --history [--limit N],
// --undo [NUMBER] [--force], --redo, --deleted and --restore NUMBER...
struct HistoryCommand {
    enum class Kind { None, List, Undo, Redo, Deleted, Restore };
    Kind kind = Kind::None;
    int limit = -1;        // --history --limit N; -1: every entry
    QList<qint64> numbers; // --undo's entry (none: the newest), --restore's contacts
    bool force = false;    // --undo over later changes, undoing them too
};

// Prints what the command did or found on `out`, a refusal on `err`. Returns
// 0, or 1 when nothing is left to undo or redo, later changes stand in the
// way, a number names nothing that can be restored, or the book cannot be
// read or changed (another program holding it busy beyond the busy time-out).
int RunHistoryCommand(const HistoryCommand &command, const QString &bookFile, QTextStream &out, QTextStream &err);

} // namespace varnelle
