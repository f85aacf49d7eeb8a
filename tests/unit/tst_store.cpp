// The store on a real file: contacts, types, numbers, the saved view, values
// for criteria, and how SQLite's failures are told.

#include "store/AddressBook.h"
#include "store/BookContacts.h"
#include "store/Contacts.h"
#include "store/Criteria.h"
#include "store/Database.h"
#include "store/DetailTables.h"
#include "store/TelephoneNumbers.h"
#include "store/TelephoneTypes.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QTemporaryDir>
#include <QtTest>

using namespace varnelle;

class TestStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<AddressBook> mBook;
    QString path() const { return mDir.filePath("Address.mdb"); }
    QSqlDatabase &db() { return mBook->database(); }

    std::int32_t addNamed(bool business, const QString &last, const QString &first)
    {
        const std::int32_t id = AddContact(db(), business);
        RunQuery(db(), "UPDATE Address SET LastName = ?, FirstName = ? WHERE PersonID = ?", {last, first, id});
        return id;
    }

private slots:
    void init()
    {
        QFile::remove(path());
        EnsureDatabase(path());
        mBook = std::make_unique<AddressBook>(path());
        mBook->open();
        mBook->readSavedView();
    }
    void cleanup() { mBook.reset(); }

    void contactLinesAndDeletion()
    {
        const std::int32_t smith = addNamed(true, "Smith", "Ann");
        addNamed(true, "Adams", "Bob");
        addNamed(false, "Private", "Pat");
        const std::int32_t work = AddTelephoneType(db(), "Work").typeId;
        SaveTelephoneNumber(db(), smith, work, work, "555-0100");

        QStringList lines;
        ReadContactLines(db(), true, [&](const ContactLine &l) { lines << l.lastName + "," + l.number; });
        QCOMPARE(lines, (QStringList{"Adams,", "Smith,555-0100"}));

        DeleteContactWithNumbers(db(), smith);
        QVERIFY(!ContactExists(db(), smith));
        QVERIFY(!FindTelephoneNumber(db(), smith, work));
    }

    void wholeContactsRoundTrip()
    {
        RunQuery(db(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Mobile')");
        {
            ContactInserter insert(db());
            Contact zoe;
            zoe.lastName = "Zeller";
            zoe.isBusiness = true;
            const std::int32_t id = insert.addContact(zoe);
            insert.addNumber(id, insert.addType("Work"), "555-0101");
            insert.addNumber(id, 1, "555-0102");
            Contact ann;
            ann.lastName = "Adams";
            ann.email = "ann@example.com";
            insert.addContact(ann);
        }
        QStringList read;
        ReadContactsWithNumbers(db(), ContactScope::All, [&](const Contact &c) {
            read << c.lastName + "|" + c.email;
            for (const PhoneNumber &n : c.telephones)
                read.back() += "|" + n.type + "=" + n.number;
        });
        QCOMPARE(read, (QStringList{"Zeller||Mobile=555-0102|Work=555-0101", "Adams|ann@example.com"}));
        QCOMPARE(MostNumbers(db(), ContactScope::Personal), 0);
        QCOMPARE(MostNumbers(db(), ContactScope::Business), 2);
    }

    // Details and whole values live beside the row, come back whole, and go
    // with the contact whoever deletes it; a field another program changed
    // keeps that program's value.
    void detailsKeptBesideTheRow()
    {
        Contact c;
        c.firstName = "Bartholomew-Alexander";
        c.lastName = "Ng";
        c.state = "Ontario";
        c.city = "Llanfairpwllgwyngyllgogerychwyrndrobwll";
        ContactDetails &d = c.details;
        d.middleName = "Q.";
        d.nicknames = {"Bart", "B"};
        d.orgUnits = {"Sales", "EMEA"};
        d.emails = {{"home", "bart@example.org"}, {"work", "b@example.com"}};
        d.telephones = {{"Mobile", "+1 555 0102"}};
        d.addresses = {{"home", {}, {}, "1 Main St\nApt 2", "Toronto", "Ontario", "M5V 2T6", "Canada"}};
        d.country = "Canada";
        d.birthday = ContactDate::fromIso("--02-29");
        d.anniversary = ContactDate::fromIso("20230231");
        d.note = "Line one\nLine two";
        d.photo = {QByteArray("\x89PNG\0\1", 6), "image/png", {}};
        d.categories = {"VIP"};
        d.related = {{"friend", "Ann"}};
        QCOMPARE(d.birthday.toIso(), QString("--02-29"));
        QVERIFY(!d.anniversary.isValid());

        std::int32_t id = 0;
        {
            ContactInserter insert(db());
            id = insert.addContact(c);
        }
        QCOMPARE(ReadContactFields(db(), id)->firstName, QString("Bartholomew-Ale"));
        QCOMPARE(ReadContactFields(db(), id)->state, QString("ON"));
        Contact read = *ReadContactFields(db(), id);
        read.personId = id;
        ReadContactDetails(db(), read);
        QCOMPARE(read.firstName, c.firstName);
        QCOMPARE(read.state, c.state);
        QCOMPARE(read.details, c.details);

        RunQuery(db(), "UPDATE Address SET City = 'Bangor' WHERE PersonID = ?", {id});
        Contact changed = *ReadContactFields(db(), id);
        changed.personId = id;
        ReadContactDetails(db(), changed);
        QCOMPARE(changed.city, QString("Bangor"));
        QCOMPARE(changed.firstName, c.firstName);

        RunQuery(db(), "DELETE FROM Address WHERE PersonID = ?", {id});
        QSqlQuery left = RunQuery(db(), "SELECT (SELECT count(*) FROM ContactDetail) + (SELECT count(*) FROM ContactAddress)");
        QVERIFY(left.next());
        QCOMPARE(left.value(0).toInt(), 0);
    }

    void typeNamesAreCaseBlind_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("added");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("same") << "Work"
                              << "Work" << false;
        QTest::newRow("ASCII case") << "Work"
                                    << "WORK" << false;
        QTest::newRow("accented case") << "Büro"
                                       << "BÜRO" << false;
        QTest::newRow("accent differs") << "Büro"
                                        << "Buro" << true;
    }
    void typeNamesAreCaseBlind()
    {
        QFETCH(QString, existing);
        QFETCH(QString, added);
        QFETCH(bool, accepted);
        AddTelephoneType(db(), existing);
        const std::int32_t other = AddTelephoneType(db(), "Other").typeId;
        for (const bool rename : {false, true}) {
            try {
                if (rename)
                    RenameTelephoneType(db(), other, added);
                else
                    DeleteTelephoneType(db(), AddTelephoneType(db(), added).typeId);
                QVERIFY(accepted);
            } catch (const DatabaseError &error) {
                QVERIFY2(!accepted, qPrintable(error.message()));
                QCOMPARE(error.kind(), DatabaseError::Kind::DuplicateKey);
            }
        }
    }

    void numbersOnePerType()
    {
        const std::int32_t id = AddContact(db(), true);
        const std::int32_t work = AddTelephoneType(db(), "Work").typeId;
        const std::int32_t home = AddTelephoneType(db(), "Home").typeId;
        SaveTelephoneNumber(db(), id, work, work, "1");
        SaveTelephoneNumber(db(), id, work, work, "2"); // changes the number of its key
        SaveTelephoneNumber(db(), id, home, home, "3");
        QCOMPARE(FindTelephoneNumber(db(), id, work), std::optional<QString>("2"));
        try {
            SaveTelephoneNumber(db(), id, home, work, "4");
            QFAIL("a second number of one type was stored");
        } catch (const DatabaseError &error) {
            QCOMPARE(error.kind(), DatabaseError::Kind::DuplicateKey);
        }
        QCOMPARE(ReadContactNumbers(db(), id).size(), std::size_t(2));
    }

    void switchViewPersists()
    {
        QVERIFY(mBook->isBusiness());
        QSignalSpy changed(mBook.get(), &AddressBook::viewChanged);
        mBook->switchView();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toBool(), false);
        AddressBook again(path());
        again.open();
        again.readSavedView();
        QVERIFY(!again.isBusiness());
    }

    void distinctValuesLeaveOutBlanks()
    {
        for (const QVariant &city :
             {QVariant("Boston"), QVariant("Boston"), QVariant(""), QVariant(), QVariant("Bern")})
            RunQuery(db(), "INSERT INTO Address (IsBusiness, City) VALUES (1, ?)", {city});
        QStringList values = DistinctValues(db(), "City");
        values.sort();
        QCOMPARE(values, (QStringList{"Bern", "Boston"}));
    }

    void kindOfResultCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("words");
        QTest::addColumn<DatabaseError::Kind>("kind");
        QTest::newRow("BUSY") << "5" << "" << DatabaseError::Kind::Busy;
        QTest::newRow("LOCKED") << "6" << "" << DatabaseError::Kind::Busy;
        QTest::newRow("READONLY_DBMOVED") << "1032" << "" << DatabaseError::Kind::ReadOnly;
        QTest::newRow("CORRUPT") << "11" << "" << DatabaseError::Kind::Damaged;
        QTest::newRow("NOTADB") << "26" << "" << DatabaseError::Kind::NotADatabase;
        QTest::newRow("CANTOPEN") << "14" << "" << DatabaseError::Kind::CannotOpen;
        QTest::newRow("CONSTRAINT_UNIQUE")
            << "2067" << "UNIQUE constraint failed: TelephoneType.TelephoneType" << DatabaseError::Kind::DuplicateKey;
        QTest::newRow("CONSTRAINT_CHECK")
            << "275" << "CHECK constraint failed: Number_size" << DatabaseError::Kind::TooLong;
        QTest::newRow("NOTNULL") << "1299" << "NOT NULL constraint failed: x.y" << DatabaseError::Kind::Other;
        QTest::newRow("no code, locked") << "" << "database is locked" << DatabaseError::Kind::Busy;
        QTest::newRow("no code, open") << "" << "Error opening database" << DatabaseError::Kind::CannotOpen;
    }
    void kindOfResultCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, words);
        QFETCH(DatabaseError::Kind, kind);
        const QSqlError error(words, words, QSqlError::StatementError, code);
        QCOMPARE(DescribeFailure(error, path()).kind(), kind);
    }

    void failuresByResultCode_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<DatabaseError::Kind>("kind");
        QTest::newRow("busy") << "busy" << DatabaseError::Kind::Busy;
        QTest::newRow("read-only") << "read-only" << DatabaseError::Kind::ReadOnly;
        QTest::newRow("not a database") << "not a database" << DatabaseError::Kind::NotADatabase;
        QTest::newRow("unique") << "unique" << DatabaseError::Kind::DuplicateKey;
        QTest::newRow("too long") << "too long" << DatabaseError::Kind::TooLong;
    }
    void failuresByResultCode()
    {
        QFETCH(QString, failure);
        QFETCH(DatabaseError::Kind, kind);
        const QString insertType = "INSERT INTO TelephoneType (TelephoneType) VALUES (?)";
        try {
            if (failure == "busy") {
                Connection holder = OpenConnection(path(), "holder");
                RunQuery(holder.database(), "BEGIN IMMEDIATE");
                AddContact(db(), true);
            } else if (failure == "read-only") {
                Connection reader = OpenForReading(path());
                RunQuery(reader.database(), insertType, {"Work"});
            } else if (failure == "not a database") {
                mBook.reset();
                QFile file(path());
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(QByteArray(4096, 'x'));
                file.close();
                OpenConnection(path(), "probe");
            } else if (failure == "unique") {
                RunQuery(db(), insertType, {"Work"});
                QSqlQuery again(db());
                QVERIFY(!again.exec("INSERT INTO TelephoneType (TelephoneType) VALUES ('Work')"));
                QCOMPARE(SqliteResultCode(again.lastError()), 2067); // SQLITE_CONSTRAINT_UNIQUE, from the driver
                RunQuery(db(), insertType, {"Work"});
            } else {
                RunQuery(db(), insertType, {QString(21, u'x')});
            }
            QFAIL("no failure");
        } catch (const DatabaseError &error) {
            QVERIFY2(error.kind() == kind, qPrintable(error.message()));
            QVERIFY2(error.message().contains("Address.mdb") || kind == DatabaseError::Kind::DuplicateKey
                         || kind == DatabaseError::Kind::TooLong,
                     qPrintable(error.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
