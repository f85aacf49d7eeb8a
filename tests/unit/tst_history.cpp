// The book's history: every kind of change undone and redone, changes of
// another program, an import as one entry, later changes standing in the
// way, recently deleted contacts restored whole, pruning.

#include "support/BookDamage.h"

#include "interchange/BookImport.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/Database.h"
#include "store/DetailTables.h"
#include "store/History.h"
#include "store/TelephoneNumbers.h"
#include "store/TelephoneTypes.h"
#include "store/repair/Maintenance.h"

#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using namespace varnelle;

class TestHistory : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<AddressBook> mBook;
    std::int32_t mAnn = 0, mBob = 0, mWork = 0, mFax = 0;
    QString path() const { return mDir.filePath("Address.mdb"); }
    QSqlDatabase &db() { return mBook->database(); }

    std::int32_t addNamed(const QString &last, const QString &first)
    {
        const std::int32_t id = AddContact(db(), true);
        Contact named = *ReadContactFields(db(), id);
        named.lastName = last;
        named.firstName = first;
        StoreChangedFields(db(), id, *ReadContactFields(db(), id), named);
        return id;
    }

    void writeDetails(std::int32_t personId, const QString &note)
    {
        InTransaction(db(), [&] {
            HistoryEntryScope scope(db(), history::Edit);
            Contact c = *ReadContactFields(db(), personId);
            c.details.note = note;
            c.details.emails = {{"work", note + "@example.com"}};
            c.details.addresses = {{"home", {}, {}, "1 Main St", "Springfield", {}, {}, {}}};
            WriteContactDetails(db(), c);
        });
    }

    // Every row of the watched tables, as text.
    QStringList snapshot()
    {
        QStringList rows;
        for (const char *table : {"Address", "TelephoneType", "TelephoneList", "ContactDetail", "ContactAddress"}) {
            QSqlQuery q = RunQuery(db(), QString("SELECT * FROM %1").arg(table));
            while (q.next()) {
                QStringList values{table};
                for (int i = 0; i < q.record().count(); ++i)
                    values << (q.isNull(i) ? "NULL" : q.value(i).toString());
                rows << values.join('|');
            }
        }
        rows.sort();
        return rows;
    }

    void shell(const QString &sql)
    {
        mBook->close();
        QProcess sqlite;
        sqlite.start("sqlite3", {path(), sql});
        QVERIFY(sqlite.waitForFinished());
        QCOMPARE(sqlite.exitCode(), 0);
        mBook->open();
    }

    void act(const QString &action)
    {
        if (action == "add") {
            addNamed("Doe", "Jane");
        } else if (action == "edit") {
            Contact c = *ReadContactFields(db(), mAnn);
            Contact edited = c;
            edited.lastName = "Jones";
            edited.city = "Paris";
            StoreChangedFields(db(), mAnn, c, edited);
        } else if (action == "delete") {
            DeleteContactWithNumbers(db(), mAnn);
        } else if (action == "number") {
            SaveTelephoneNumber(db(), mAnn, mWork, mFax, "555-0199");
        } else if (action == "details") {
            writeDetails(mAnn, "changed");
        } else if (action == "type rename") {
            RenameTelephoneType(db(), mWork, "Office");
        } else if (action == "type delete") {
            DeleteTelephoneType(db(), mFax);
        } else if (action == "shell") {
            shell("DELETE FROM Address WHERE LastName = 'Smith'");
        } else if (action == "import") {
            QFile file(mDir.filePath("phone.vcf"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (const char *name : {"Doe;Jane", "Roe;Rich", "Poe;Ed"})
                file.write(QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:") + name + ";;;\r\nTEL;TYPE=CELL:555\r\n"
                           "NOTE:met at the fair\r\nEND:VCARD\r\n");
            file.close();
            interchange::ImportOptions options;
            options.view = interchange::ImportView::Business;
            QCOMPARE(interchange::ImportContactFile(db(), file.fileName(), options).imported, 3);
        } else if (action == "restore") {
            RestoreDeletedContacts(db(), {ReadDeletedContacts(db()).first().number});
        }
    }

private slots:
    void init()
    {
        QFile::remove(path());
        EnsureDatabase(path());
        mBook = std::make_unique<AddressBook>(path());
        mBook->open();
        mAnn = addNamed("Smith", "Ann");
        mBob = addNamed("Brown", "Bob");
        mWork = AddTelephoneType(db(), "Work").typeId;
        mFax = AddTelephoneType(db(), "Fax").typeId;
        SaveTelephoneNumber(db(), mAnn, mWork, mWork, "555-0100");
        SaveTelephoneNumber(db(), mBob, mWork, mWork, "555-0101");
        writeDetails(mAnn, "first");
    }
    void cleanup() { mBook.reset(); }

    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("add") << "add" << "Add Doe, Jane";
        QTest::newRow("edit") << "edit" << "Changes to Jones, Ann";
        QTest::newRow("delete") << "delete" << "Delete Smith, Ann";
        QTest::newRow("number") << "number" << "Changes to Smith, Ann";
        QTest::newRow("details") << "details" << "Changes to Smith, Ann";
        QTest::newRow("type rename") << "type rename" << "Rename of Type Work";
        QTest::newRow("type delete") << "type delete" << "Delete of Type Fax";
        QTest::newRow("sqlite3 shell") << "shell" << "Change by another program";
        QTest::newRow("import") << "import" << "Import of 3 contacts from phone.vcf";
        QTest::newRow("restore") << "restore" << "Restore of 1 contact";
    }
    void undoAndRedo()
    {
        try {
            undoAndRedoSteps();
        } catch (const DatabaseError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }
private:
    void undoAndRedoSteps()
    {
        QFETCH(QString, action);
        QFETCH(QString, text);
        if (action == "restore")
            DeleteContactWithNumbers(db(), mAnn);
        const QStringList before = snapshot();
        act(action);
        const QStringList after = snapshot();
        QVERIFY(after != before);
        const std::optional<HistoryEntry> next = NextUndo(db());
        QVERIFY(next);
        QCOMPARE(HistoryEntryText(*next), text);
        QVERIFY(!NextRedo(db()));

        const HistoryEntry undo = UndoEntries(db(), {next->id}, false);
        QCOMPARE(HistoryEntryText(undo), "Undo of " + text);
        QCOMPARE(snapshot(), before);
        QVERIFY(NextUndo(db())->id < next->id);
        RedoLast(db());
        QCOMPARE(snapshot(), after);
        // Undone again, a new change ends what can be redone.
        UndoEntries(db(), {NextUndo(db())->id}, false);
        QCOMPARE(snapshot(), before);
        RenameTelephoneType(db(), ListTelephoneTypes(db()).first().typeId, "Main");
        QVERIFY(!NextRedo(db()));
    }

private slots:
    void cancelledAdditionLeavesNoTrace()
    {
        const qint64 newest = NextUndo(db())->id;
        DeleteContactWithNumbers(db(), AddContact(db(), true));
        QCOMPARE(NextUndo(db())->id, newest);
        QVERIFY(ReadDeletedContacts(db()).isEmpty());
    }

    void importRecordsItsContactsOnly()
    {
        const qint64 changes = ReadHistorySize(db()).changes;
        act("import");
        // One row for the three contacts with their numbers and details, one for the type it made.
        QCOMPARE(ReadHistorySize(db()).changes - changes, 2);
    }

    void laterChangesStandInTheWay_data()
    {
        QTest::addColumn<QString>("later");
        QTest::addColumn<bool>("inTheWay");
        QTest::newRow("the contact edited again") << "edit" << true;
        QTest::newRow("its number changed") << "number" << true;
        QTest::newRow("by the sqlite3 shell") << "shell" << true;
        QTest::newRow("another contact") << "other contact" << false;
    }
    void laterChangesStandInTheWay()
    {
        QFETCH(QString, later);
        QFETCH(bool, inTheWay);
        const QStringList before = snapshot();
        act("details");
        const qint64 first = NextUndo(db())->id;
        if (later == "other contact")
            DeleteContactWithNumbers(db(), mBob);
        else
            act(later);
        const QStringList after = snapshot();
        if (!inTheWay) {
            UndoEntries(db(), {first}, false);
            QVERIFY(ReadDeletedContacts(db()).size() == 1);
            return;
        }
        try {
            UndoEntries(db(), {first}, false);
            QFAIL("undone over a later change");
        } catch (const HistoryConflict &conflict) {
            QCOMPARE(conflict.entries().size(), 1);
            QVERIFY(conflict.message().contains(HistoryEntryText(conflict.entries().first())));
        }
        QCOMPARE(snapshot(), after);
        UndoEntries(db(), {first}, true);
        QCOMPARE(snapshot(), before);
    }

    void restoreBringsBackTheWholeContact()
    {
        const QStringList before = snapshot();
        DeleteContactWithNumbers(db(), mAnn);
        // The type of her number goes too, with Bob's number, by another program.
        shell(QString("DELETE FROM TelephoneList WHERE TypeID = %1; DELETE FROM TelephoneType WHERE TypeID = %1")
                  .arg(mWork));
        const QList<DeletedContact> deleted = ReadDeletedContacts(db());
        QCOMPARE(deleted.size(), 1);
        QCOMPARE(deleted.first().name, "Smith, Ann");
        QCOMPARE(HistoryEntryText(deleted.first().deletedBy), "Delete Smith, Ann");
        try {
            RestoreDeletedContacts(db(), {deleted.first().number, deleted.first().number + 1000});
            QFAIL("a number that names no deleted contact was taken");
        } catch (const DatabaseError &) {
        }
        RestoreDeletedContacts(db(), {deleted.first().number});
        QVERIFY(ReadDeletedContacts(db()).isEmpty());
        // Ann whole, the type of her number made again by its name.
        QStringList expected = before;
        expected.removeAll(QString("TelephoneList|%1|%2|555-0101").arg(mBob).arg(mWork));
        QCOMPARE(snapshot(), expected);
    }

    // The history goes with its change: a deletion kept by a killed shell is
    // there to restore, the one it was making is not; compaction and salvage
    // keep it.
    void keptThroughKillAndRepair_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("killed") << "killed";
        QTest::newRow("compacted") << "compacted";
        QTest::newRow("salvaged") << "salvaged";
    }
    void keptThroughKillAndRepair()
    {
        QFETCH(QString, way);
        mBook->close();
        QProcess shell;
        shell.start("sqlite3", {path()});
        QVERIFY(shell.waitForStarted());
        shell.write("DELETE FROM Address WHERE LastName = 'Brown';\nBEGIN;\nDELETE FROM Address;\n.print done\n");
        QVERIFY(shell.waitForReadyRead());
        shell.kill();
        QVERIFY(shell.waitForFinished());
        if (way == "salvaged")
            test::ZeroPage(path(), test::LeafPage(path(), "HistoryChangeEntry"));
        if (way != "killed")
            QCOMPARE(RepairBook(path()).salvaged, way == "salvaged");
        mBook->open();
        const QList<DeletedContact> deleted = ReadDeletedContacts(db());
        QCOMPARE(deleted.size(), 1);
        QCOMPARE(deleted.first().name, "Brown, Bob");
        QCOMPARE(HistoryEntryText(*NextUndo(db())), "Change by another program");
        UndoEntries(db(), {NextUndo(db())->id}, false);
        QVERIFY(ContactExists(db(), mBob) && ContactExists(db(), mAnn));
    }

    void pruning_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<bool>("kept");
        QTest::newRow("within the days kept") << 60 << 59 << true;
        QTest::newRow("older") << 60 << 61 << false;
        QTest::newRow("a week kept") << 7 << 8 << false;
    }
    void pruning()
    {
        QFETCH(int, days);
        QFETCH(int, ageDays);
        QFETCH(bool, kept);
        SetHistoryKeepDays(db(), days);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        RunQuery(db(), "UPDATE HistoryEntry SET Time = ?",
                 {now.addDays(-ageDays).toString("yyyy-MM-ddTHH:mm:ss.zzzZ")});
        const qsizetype entries = ReadHistory(db()).size();
        QVERIFY(entries > 0);
        QCOMPARE(PruneHistory(db(), now), kept ? 0 : int(entries));
        QCOMPARE(ReadHistorySize(db()).changes == 0, !kept);
    }

    void turnedOffKeepsNothing()
    {
        SetHistoryKeepDays(db(), 0);
        QVERIFY(!HasHistory(db()));
        act("delete");
        shell("DELETE FROM Address");
        QCOMPARE(ReadHistorySize(db()).entries, 0);
        QVERIFY(!NextUndo(db()));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
