// Selection formulas: which contacts they select, and the clear errors for
// formulas the engine cannot read.

#include "support/EngineFixture.h"
#include "reports/SelectionFormula.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace varnelle;
using varnelle::engine::SelectionFormula;

class EngineSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        fixture::createDatabase(mDir.filePath("Address.mdb"));
        // Every contact, business and personal, by name only.
        fixture::writeAll(mDir.filePath("Names.rpt"), R"({
            "title": "Names", "contacts": "all", "sort": ["LastName", "FirstName"],
            "columns": [ { "heading": "Name", "fields": ["LastName"], "width": 20 } ] })");
    }

    void selects_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("names");

        const QStringList all = {"Adams", "Baker", "Clark", "Nüñez", "O'Brien", "Zeller"};
        QTest::newRow("empty") << "" << all;
        QTest::newRow("blank") << "   " << all;
        QTest::newRow("equal ignores case") << "{Address.Company} = 'acme, inc.'" << QStringList{"Baker", "O'Brien", "Zeller"};
        QTest::newRow("equal ignores non-ASCII case") << "{Address.Company} = 'ÉTUDES sa'" << QStringList{"Nüñez"};
        QTest::newRow("not equal keeps empty and Null")
            << "{Address.Company} <> 'Acme, Inc.'" << QStringList{"Adams", "Clark", "Nüñez"};
        QTest::newRow("doubled quote") << "{Address.LastName} = 'O''Brien'" << QStringList{"O'Brien"};
        QTest::newRow("and") << "{Address.State} = 'NY' And {Address.LastName} <> 'zeller'" << QStringList{"O'Brien"};
        QTest::newRow("three criteria")
            << "{Address.Company} = 'Acme, Inc.' And {Address.State} <> 'NY' And {Address.LastName} = 'Baker'"
            << QStringList{"Baker"};
        QTest::newRow("or") << "{Address.State} = 'ma' OR {Address.State} = 'CA'" << QStringList{"Adams", "Baker"};
        QTest::newRow("not and parentheses")
            << "not ({Address.State} = 'NY' or {Address.State} = 'MA')" << QStringList{"Baker", "Clark", "Nüñez"};
        QTest::newRow("empty text matches Null") << "{Address.State} = ''" << QStringList{"Clark", "Nüñez"};
        QTest::newRow("keywords and names in any case")
            << "{address.lastname}='adams' AND {ADDRESS.FIRSTNAME} = 'ANN'" << QStringList{"Adams"};
        QTest::newRow("no match") << "{Address.City} = 'Nowhere'" << QStringList{};
        QTest::newRow("no match excluded") << "{Address.City} <> 'Nowhere'" << all;
        QTest::newRow("quotes are data, not SQL") << "{Address.LastName} = 'x'' OR 1=1 --'" << QStringList{};
        // The limits: the longest chain and the deepest nesting run, and a run of Nots is no nesting.
        const QString adams = "{Address.LastName} = 'Adams'";
        QTest::newRow("500 comparisons") << QStringList(500, adams).join(" Or ") << QStringList{"Adams"};
        QString nested = adams;
        for (int level = 0; level < 16; ++level)
            nested = QString("(%1 %2 %3)").arg(QStringList(30, adams).join(level % 2 ? " And " : " Or "),
                                               level % 2 ? "And" : "Or", nested);
        QTest::newRow("16 levels of parentheses") << nested << QStringList{"Adams"};
        QTest::newRow("100,001 Nots") << QString("Not ").repeated(100001) + "{Address.State} = 'NY'"
                                      << QStringList{"Adams", "Baker", "Clark", "Nüñez"};
    }

    void selects()
    {
        QFETCH(QString, formula);
        QFETCH(QStringList, names);
        ReportEngine engine;
        engine.setDefinitionFolders({mDir.path()});
        const fixture::Table table =
            fixture::readCsv(fixture::exportReport(engine, mDir.filePath("Address.mdb"), "Names.rpt", 4, mDir.filePath("names.csv"), formula));
        QStringList selected;
        for (qsizetype i = 1; i < table.size(); ++i)
            selected << table.at(i).at(0);
        QCOMPARE(selected, names);
    }

    // A request's criteria and its own formula must both hold.
    void criteriaAndFormulaBothHold_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<bool>("exclude");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("criteria only") << "Acme, Inc." << false << "" << QStringList{"Baker", "O'Brien", "Zeller"};
        QTest::newRow("both") << "Acme, Inc." << false << "{Address.State} = 'NY' Or {Address.State} = 'CA'"
                              << QStringList{"Baker", "O'Brien", "Zeller"};
        QTest::newRow("both narrow") << "Acme, Inc." << false << "{Address.State} = 'CA'" << QStringList{"Baker"};
        QTest::newRow("excluded, with an Or") << "Acme, Inc." << true << "{Address.LastName} = 'Adams' Or {Address.LastName} = 'Zeller'"
                                              << QStringList{"Adams"};
    }
    void criteriaAndFormulaBothHold()
    {
        QFETCH(QString, company);
        QFETCH(bool, exclude);
        QFETCH(QString, formula);
        QFETCH(QStringList, names);
        ReportEngine engine;
        engine.setDefinitionFolders({mDir.path()});
        ReportRequest request;
        request.definition = "Names.rpt";
        request.dataFile = mDir.filePath("Address.mdb");
        request.destination = ReportDestination::File;
        request.fileType = 4;
        request.fileName = mDir.filePath("criteria.csv");
        request.criteria.company = {company, exclude};
        request.selectionFormula = formula;
        engine.run(request);
        const fixture::Table table = fixture::readCsv(fixture::readAll(request.fileName));
        QStringList selected;
        for (qsizetype i = 1; i < table.size(); ++i)
            selected << table.at(i).at(0);
        QCOMPARE(selected, names);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("message");

        QTest::newRow("unquoted value") << "{Address.Company} = Acme"
            << "The selection formula has an error at position 21: expected a quoted text after '='.";
        QTest::newRow("unknown field") << "{Address.Nickname} = 'x'"
            << "The selection formula has an error at position 1: the field {Address.Nickname} is not a text field "
               "of table Address (Title, FirstName, LastName, Company, Street, State, City, ZipCode, EMail, Spouse, Children).";
        QTest::newRow("unknown table") << "{Phone.Number} = '1'"
            << "The selection formula has an error at position 1: the table \"Phone\" is not known; fields of table "
               "Address can be compared.";
        QTest::newRow("open text") << "{Address.State} = 'NY"
            << "The selection formula has an error at position 19: the quoted text is not closed by a single quote.";
        QTest::newRow("missing operator") << "{Address.State} 'NY'"
            << "The selection formula has an error at position 17: expected '=' or '<>' after {Address.State}.";
        QTest::newRow("dangling And") << "{Address.State} = 'NY' And"
            << "The selection formula has an error at position 27: expected a field such as {Address.LastName}, "
               "'Not' or '(' but the formula ends.";
        QTest::newRow("missing And") << "{Address.State} = 'NY' {Address.City} = 'x'"
            << "The selection formula has an error at position 24: expected 'And', 'Or' or the end of the formula.";
        QTest::newRow("unclosed parenthesis") << "({Address.State} = 'NY'"
            << "The selection formula has an error at position 24: expected ')'.";
        QTest::newRow("glued keyword") << "{Address.State} = 'NY' AndNot {Address.City} = 'x'"
            << "The selection formula has an error at position 24: expected 'And', 'Or' or the end of the formula.";
        QTest::newRow("number field") << "{Address.PersonID} = '1'"
            << "The selection formula has an error at position 1: the field {Address.PersonID} is not a text field "
               "of table Address (Title, FirstName, LastName, Company, Street, State, City, ZipCode, EMail, Spouse, Children).";
        QTest::newRow("unclosed brace") << "{Address.State = 'NY'"
            << "The selection formula has an error at position 1: the field reference is not closed by '}'.";
        QTest::newRow("too deep") << QString(5000, QLatin1Char('(')) + "{Address.State} = 'NY'"
            << "The selection formula has an error at position 17: the formula is nested too deeply; it may hold "
               "at most 16 levels of parentheses.";
        const QString term = "{Address.State} = 'NY' Or ";
        QTest::newRow("100,000 comparisons") << term.repeated(100000) + "{Address.State} = 'NY'"
            << QString("The selection formula has an error at position %1: the formula is too long; it may hold at "
                       "most 500 comparisons.").arg(500 * term.size() + 1);
    }

    void rejects()
    {
        QFETCH(QString, formula);
        QFETCH(QString, message);
        try {
            SelectionFormula::parse(formula);
            QFAIL("the formula was accepted");
        } catch (const ReportError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void valuesAreBoundNotSpliced()
    {
        const SelectionFormula formula =
            SelectionFormula::parse("{Address.LastName} = 'a''b' And Not {Address.State} <> 'ny'");
        QCOMPARE(formula.fields(), QStringList({"LastName", "State"}));
        QStringList asked;
        const auto sql = formula.toSql("a", [&](const QString &field, const QString &value) {
            asked << field + "=" + value;
            return field == "State" ? QStringList{"NY", "ny"} : QStringList{value};
        });
        QCOMPARE(asked, QStringList({"LastName=a'b", "State=ny"}));
        QCOMPARE(sql.values, QVariantList({"a'b", "NY", "ny"}));
        QVERIFY2(!sql.condition.contains("a'b"), qPrintable(sql.condition));
        // Not is moved onto the comparison it stands before.
        QCOMPARE(sql.condition, QString("((coalesce(a.LastName, '') IN (?)) AND (coalesce(a.State, '') IN (?, ?)))"));
    }

    void badFormulaStopsTheRunBeforeAnyOutput()
    {
        const QString output = mDir.filePath("kept.csv");
        fixture::writeAll(output, "earlier report\n");
        ReportEngine engine;
        engine.setDefinitionFolders({mDir.path()});
        try {
            fixture::exportReport(engine, mDir.filePath("Address.mdb"), "Names.rpt", 4, output, "{Address.LastName} = O'Brien");
            QFAIL("the run succeeded");
        } catch (const ReportError &error) {
            QVERIFY2(error.message().contains("position 22"), qPrintable(error.message()));
        }
        QCOMPARE(fixture::readAll(output), QByteArray("earlier report\n"));
    }

private:
    QTemporaryDir mDir;
};

QTEST_MAIN(EngineSelectionTest)
#include "tst_engine_selection.moc"
