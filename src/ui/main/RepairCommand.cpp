#include "ui/main/RepairCommand.h"

#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "store/Setup.h"
#include "store/BookFile.h"
#include "store/repair/Health.h"
#include "store/repair/Maintenance.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QDir>
#include <QFileInfo>

namespace varnelle {

namespace {

QString amount(qint64 n, const QString &one, const QString &many)
{
    return n < 0 ? QCoreApplication::translate("Repair", "an unknown number of %1").arg(many)
                 : QCoreApplication::translate("Repair", "%1 %2").arg(n).arg(n == 1 ? one : many);
}

QString listed(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return QCoreApplication::translate("Repair", "%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(", "), parts.last());
}

// The kept original by its name when it is in the book's folder; elsewhere
// (the book is a link to another folder) by its whole path, so it can be found.
QString keptName(const QString &keptAs, const QString &bookFile)
{
    const QFileInfo kept(keptAs);
    return kept.canonicalPath() == QFileInfo(bookFile).absoluteDir().canonicalPath() ? kept.fileName()
                                                                   : QDir::toNativeSeparators(kept.canonicalFilePath());
}

} // namespace

QString SalvageMessage(const QString &fileName, const RepairResult &result)
{
    struct Kind {
        const char *table;
        QString one, many;
    };
    const Kind kinds[] = {{"Address", QCoreApplication::translate("Repair", "contact"),
                           QCoreApplication::translate("Repair", "contacts")},
                          {"TelephoneList", QCoreApplication::translate("Repair", "telephone number"),
                           QCoreApplication::translate("Repair", "telephone numbers")},
                          {"TelephoneType", QCoreApplication::translate("Repair", "telephone type"),
                           QCoreApplication::translate("Repair", "telephone types")}};
    QStringList saved, lost;
    for (const Kind &kind : kinds) {
        const SalvagedTable &table = result.report.of(kind.table);
        saved << amount(table.saved, kind.one, kind.many);
        if (table.lost != 0)
            lost << amount(table.lost, kind.one, kind.many);
    }
    QString lostText = lost.isEmpty() ? QCoreApplication::translate("Repair", "Nothing was lost.")
                                      : QCoreApplication::translate("Repair", "%1 could not be read.").arg(listed(lost));
    if (const qint64 remade = result.report.of("TelephoneType").remade)
        lostText += ' '
                    + QCoreApplication::translate("Repair", "Telephone types that numbers still use were lost and "
                                                            "have been made again, each named 'Type' and its "
                                                            "number: %1.")
                          .arg(remade);
    return QCoreApplication::translate("Repair",
                                       "The database file '%1' was damaged. What could still be read is in the "
                                       "repaired file: %2 were saved. %3 The damaged file is kept as '%4'.")
        .arg(QFileInfo(fileName).fileName(), listed(saved), lostText, keptName(result.keptAs, fileName));
}

QString LeftoverRemovedMessage()
{
    return QCoreApplication::translate("Repair", "An earlier repair was interrupted; the file '%1' it left was removed.")
        .arg(RepairFileName);
}

bool FixDatabase(const QString &fileName)
{
    try {
        QProgressDialog progress(QCoreApplication::translate("Repair", "Saving what can still be read..."), QString(),
                                 0, 100, QApplication::activeWindow());
        progress.setObjectName("repairProgress");
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(500);
        progress.setAutoClose(true);
        progress.setValue(0);
        const RepairResult result = RepairBook(fileName, [&](int percent) { progress.setValue(percent); });
        progress.reset();
        if (result.removedLeftover)
            ShowMessage(LeftoverRemovedMessage(), QMessageBox::Information);
        if (result.salvaged)
            ShowRefusal(SalvageMessage(fileName, result));
        return result.salvaged;
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return false;
    }
}

bool CheckBookAtStartUp(AddressBook &book)
{
    RemoveLeftoverFiles(RealBookPath(book.fileName()));
    RequireWritable(book.database(), book.fileName());
    if (FindDamage(book.database(), book.damageFound() ? CheckDepth::Full : CheckDepth::AsCheap).isEmpty())
        return false;
    book.noteDamage();
    ShowRefusal(DamagedBookError(book.fileName()).message());
    return true;
}

} // namespace varnelle
