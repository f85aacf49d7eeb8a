// The file types of the report engine: exact output on awkward values, and
// spreadsheet round trips for DIF, CSV and TSV.

#include "support/EngineFixture.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace varnelle;
using fixture::Table;

namespace {

// The business address list as a spreadsheet must show it.
const Table businessAddresses = {
    {"Name", "Company", "Street", "City", "State", "ZIP"},
    {"Adams, Ann", "", "", "Boston", "MA", ""},
    {"Nüñez, Zoë", "Études SA", "Rue d'Été 5", "Genève", "", "1204"},
    {"O'Brien, Seán", "Acme, Inc.", "1 \"Main\" St", "Zürich", "NY", "10001"},
    {"Zeller, Tab", "ACME, Inc.", "Line1\nLine2", "Tab\tCity", "NY", "02134"},
};

// Tabs and line breaks inside values become spaces in the one-line formats.
Table onOneLine(Table table)
{
    for (QStringList &row : table)
        for (QString &cell : row)
            cell.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\t'), QLatin1Char(' '));
    return table;
}

// Business contacts named so that code-unit order differs from the
// collation's, each with a company a spreadsheet could take for a formula
// (or a number that must stay one) and a street of Windows-1252 characters.
const QStringList collatedNames{"Adams", "Ärzte", "Baker", "Émile", "Zeller"};
const QStringList companies{"-5", "+44 20 7946 0958", "+cmd|' /C calc'!A0", "@A1", "=1+2"};
const QStringList formulaSafeCompanies{"-5", "+44 20 7946 0958", "'+cmd|' /C calc'!A0", "'@A1", "'=1+2"};
const QStringList streets{"(555) 010-2000", "O’Neil", "Škoda – €", "“Œuvre” Ž", "\U0001F600 smile"};
const QStringList streetsInDif{"(555) 010-2000", "O’Neil", "Škoda – €", "“Œuvre” Ž", "? smile"};

void createRealNamesDatabase(const QString &path)
{
    fixture::createDatabase(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("real-names"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    fixture::exec(db, QStringLiteral("DELETE FROM Address"));
    for (int i = collatedNames.size() - 1; i >= 0; --i)
        fixture::exec(db, QStringLiteral("INSERT INTO Address (IsBusiness, LastName, Company, Street) VALUES (1, ?, ?, ?)"),
                      {collatedNames[i], companies[i], streets[i]});
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("real-names"));
}

// One column of each contact's row, the heading row left out.
QStringList column(const Table &table, int index, bool heading)
{
    QStringList cells;
    for (qsizetype row = heading ? 1 : 0; row < table.size(); ++row)
        cells << table.at(row).value(index);
    return cells;
}

} // namespace

class EngineFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        fixture::createDatabase(mDir.filePath("Address.mdb"));
        createRealNamesDatabase(mDir.filePath("Real.mdb"));
        // A narrow definition for exact layouts, with a column cut to its width.
        fixture::writeAll(mDir.filePath("Narrow.rpt"), R"({
            "title": "Narrow List", "contacts": "business", "sort": ["LastName", "FirstName"],
            "columns": [ { "heading": "Name", "fields": ["FirstName", "LastName"], "width": 12 },
                         { "heading": "ST", "fields": ["State"], "width": 3 } ],
            "telephones": { "heading": "Phones", "width": 26 } })");
    }

    void init()
    {
        mEngine = std::make_unique<ReportEngine>();
        mEngine->setDefinitionFolders({mDir.path(), QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
        mData = mDir.filePath("Address.mdb");
    }

    void csvIsRfc4180()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "bAddress.rpt", 4, mDir.filePath("out.csv"));
        QCOMPARE(bytes,
                 QByteArray("Name,Company,Street,City,State,ZIP\r\n"
                            "\"Adams, Ann\",,,Boston,MA,\r\n"
                            "\"Nüñez, Zoë\",Études SA,Rue d'Été 5,Genève,,1204\r\n"
                            "\"O'Brien, Seán\",\"Acme, Inc.\",\"1 \"\"Main\"\" St\",Zürich,NY,10001\r\n"
                            "\"Zeller, Tab\",\"ACME, Inc.\",\"Line1\nLine2\",Tab\tCity,NY,02134\r\n"));
        QCOMPARE(fixture::readCsv(bytes), businessAddresses);
    }

    void tsvHasNoQuotesAndKeepsOneLinePerRow()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "bAddress.rpt", 6, mDir.filePath("out.tsv"));
        QCOMPARE(bytes,
                 QByteArray("Name\tCompany\tStreet\tCity\tState\tZIP\n"
                            "Adams, Ann\t\t\tBoston\tMA\t\n"
                            "Nüñez, Zoë\tÉtudes SA\tRue d'Été 5\tGenève\t\t1204\n"
                            "O'Brien, Seán\tAcme, Inc.\t1 \"Main\" St\tZürich\tNY\t10001\n"
                            "Zeller, Tab\tACME, Inc.\tLine1 Line2\tTab City\tNY\t02134\n"));
        QCOMPARE(fixture::readTsv(bytes), onOneLine(businessAddresses));
    }

    void difReadsBackAsTheSameCells()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "bAddress.rpt", 3, mDir.filePath("out.dif"));
        QVERIFY(bytes.startsWith("TABLE\r\n0,1\r\n\"\"\r\nVECTORS\r\n0,6\r\n\"\"\r\nTUPLES\r\n0,5\r\n\"\"\r\n"
                                 "DATA\r\n0,0\r\n\"\"\r\n-1,0\r\nBOT\r\n1,0\r\n\"Name\"\r\n"));
        QVERIFY(bytes.contains("1,0\r\n\"1 \"\"Main\"\" St\"\r\n"));
        QVERIFY(bytes.endsWith("1,0\r\n\"02134\"\r\n-1,0\r\nEOD\r\n"));
        QVERIFY(bytes.contains(QStringLiteral("\"N\u00fc\u00f1ez, Zo\u00eb\"").toLatin1())); // one byte a letter
        QVERIFY(!bytes.contains("\xc3"));
        int vectors = 0;
        int tuples = 0;
        QCOMPARE(fixture::readDif(bytes, &vectors, &tuples), onOneLine(businessAddresses));
        QCOMPARE(vectors, 6);
        QCOMPARE(tuples, 5);
    }

    void tabSeparatedQuotesEveryField()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "bAddress.rpt", 1, mDir.filePath("out.tab"));
        // No heading; a quoted field keeps its tabs and line breaks.
        QCOMPARE(bytes,
                 QByteArray("\"Adams, Ann\"\t\"\"\t\"\"\t\"Boston\"\t\"MA\"\t\"\"\n"
                            "\"Nüñez, Zoë\"\t\"Études SA\"\t\"Rue d'Été 5\"\t\"Genève\"\t\"\"\t\"1204\"\n"
                            "\"O'Brien, Seán\"\t\"Acme, Inc.\"\t\"1 \"\"Main\"\" St\"\t\"Zürich\"\t\"NY\"\t\"10001\"\n"
                            "\"Zeller, Tab\"\t\"ACME, Inc.\"\t\"Line1\nLine2\"\t\"Tab\tCity\"\t\"NY\"\t\"02134\"\n"));
    }

    void recordFormatHasFixedWidthFields()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "Narrow.rpt", 0, mDir.filePath("out.txt"));
        QCOMPARE(QString::fromUtf8(bytes),
                 QString("Ann Adams   MA                           \n"
                         "Zoë Nüñez      Home: +41 22 000          \n"
                         "Seán O'BrienNY Work: 555-0100; Fax: 555-0\n"
                         "Tab Zeller  NY                           \n"));
    }

    void textReadsLikeThePreview()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "Narrow.rpt", 2, mDir.filePath("out.txt"));
        QCOMPARE(QString::fromUtf8(bytes),
                 QString("Narrow List\n"
                         "\n"
                         "Name          ST\n"
                         "-----------------\n"
                         "Ann Adams     MA\n"
                         "Zoë Nüñez\n"
                         "    Home: +41 22 000\n"
                         "Seán O'Brien  NY\n"
                         "    Work: 555-0100\n"
                         "    Fax: 555-0101\n"
                         "Tab Zeller    NY\n"
                         "\n"
                         "4 contacts\n"));
    }

    void telephoneListsFlattenNumbersInTypeOrder()
    {
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "Business.rpt", 4, mDir.filePath("phones.csv"));
        const Table table = fixture::readCsv(bytes);
        QCOMPARE(table.size(), 5);
        QCOMPARE(table.at(0), QStringList({"Name", "Company", "Telephone Numbers"}));
        QCOMPARE(table.at(1), QStringList({"Adams, Ann", "", ""}));
        QCOMPARE(table.at(3), QStringList({"O'Brien, Seán", "Acme, Inc.", "Work: 555-0100; Fax: 555-0101"}));

        const QString personal =
            QString::fromUtf8(fixture::exportReport(*mEngine, mData, "Personal.rpt", 2, mDir.filePath("personal.txt")));
        QVERIFY2(personal.startsWith("Personal Telephone List\n"), qPrintable(personal));
        QVERIFY2(personal.contains("\nBaker, Bob\n    Home: 555-0200\nClark, Cy\n"), qPrintable(personal));
        QVERIFY(personal.endsWith("\n2 contacts\n"));
    }

    void detailReportListsEveryFieldAndNumber()
    {
        const QString text =
            QString::fromUtf8(fixture::exportReport(*mEngine, mData, "bDetail.rpt", 2, mDir.filePath("detail.txt")));
        const QString obrien = "Title:             Mr.\n"
                               "First Name:        Seán\n"
                               "Last Name:         O'Brien\n"
                               "Company:           Acme, Inc.\n"
                               "Street:            1 \"Main\" St\n"
                               "City:              Zürich\n"
                               "State:             NY\n"
                               "ZIP:               10001\n"
                               "E-Mail:            sean@acme.example\n"
                               "Spouse:            Máire\n"
                               "Children:          Aoife, Cian\n"
                               "Telephone Numbers: Work: 555-0100\n"
                               "                   Fax: 555-0101\n\n";
        QVERIFY2(text.contains(obrien), qPrintable(text));
        QVERIFY(text.contains("Last Name:         Zeller\n"));
        QVERIFY(!text.contains("Baker")); // a personal contact
        QVERIFY(text.endsWith("4 contacts\n"));

        const Table table = fixture::readCsv(
            fixture::exportReport(*mEngine, mData, "bDetail.rpt", 4, mDir.filePath("detail.csv")));
        QCOMPARE(table.size(), 5);
        QCOMPARE(table.at(0).size(), 12);
        QCOMPARE(table.at(3).at(10), QString("Aoife, Cian"));
        QCOMPARE(table.at(3).at(11), QString("Work: 555-0100; Fax: 555-0101"));
    }

    void personalFilesReportPersonalContacts()
    {
        const Table table =
            fixture::readCsv(fixture::exportReport(*mEngine, mData, "Address.rpt", 4, mDir.filePath("personal.csv")));
        QCOMPARE(table, Table({{"Name", "Street", "City", "State", "ZIP"},
                               {"Baker, Bob", "", "", "CA", ""},
                               {"Clark, Cy", "", "", "", ""}}));
    }

    void everyShippedDefinitionRunsInEveryFileType()
    {
        for (const char *name : {"Address.rpt", "bAddress.rpt", "Personal.rpt", "Business.rpt", "Detail.rpt", "bDetail.rpt"}) {
            for (const int type : {0, 1, 2, 3, 4, 6}) {
                const QString output = mDir.filePath(QStringLiteral("all-%1-%2").arg(name).arg(type));
                try {
                    QVERIFY(!fixture::exportReport(*mEngine, mData, name, type, output).isEmpty());
                } catch (const ReportError &error) {
                    QFAIL(qPrintable(QStringLiteral("%1, type %2: %3").arg(name).arg(type).arg(error.message())));
                }
            }
        }
    }

    void realNamesSortWithTheirLettersAndFormulasReadAsText_data()
    {
        QTest::addColumn<int>("fileType");
        QTest::newRow("tab separated") << 1;
        QTest::newRow("comma-separated values") << 4;
        QTest::newRow("tab-separated values") << 6;
    }

    void realNamesSortWithTheirLettersAndFormulasReadAsText()
    {
        QFETCH(int, fileType);
        mData = mDir.filePath("Real.mdb");
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "bAddress.rpt", fileType, mDir.filePath("real.out"));
        Table table = fileType == 4 ? fixture::readCsv(bytes) : fixture::readTsv(bytes);
        for (QStringList &row : table)
            for (QString &cell : row)
                if (fileType == 1)
                    cell = cell.mid(1, cell.size() - 2); // every field is quoted
        QCOMPARE(column(table, 0, fileType != 1), collatedNames);
        QCOMPARE(column(table, 1, fileType != 1), formulaSafeCompanies);
        QCOMPARE(column(table, 2, fileType != 1), streets);
    }

    void recordAndTextTypesWriteValuesAsTheyAre()
    {
        mData = mDir.filePath("Real.mdb");
        for (const int type : {0, 2}) {
            const QString text = QString::fromUtf8(
                fixture::exportReport(*mEngine, mData, "bAddress.rpt", type, mDir.filePath("real.txt")));
            for (const QString &company : companies)
                QVERIFY2(text.contains(company) && !text.contains('\'' + company), qPrintable(text));
        }
    }

    void difIsWindows1252WithQuestionMarksForTheRest()
    {
        mData = mDir.filePath("Real.mdb");
        const QByteArray bytes = fixture::exportReport(*mEngine, mData, "bAddress.rpt", 3, mDir.filePath("real.dif"));
        QVERIFY(bytes.contains("\"\x8akoda \x96 \x80\"")); // one byte a character
        const Table table = fixture::readDif(bytes);
        QCOMPARE(column(table, 0, true), collatedNames);
        QCOMPARE(column(table, 2, true), streetsInDif);
    }

private:
    QTemporaryDir mDir;
    std::unique_ptr<ReportEngine> mEngine;
    QString mData;
};

QTEST_MAIN(EngineFilesTest)
#include "tst_engine_files.moc"
