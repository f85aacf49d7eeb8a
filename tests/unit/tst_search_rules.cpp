// The search's matching rules, on prepared contacts.
#include "common/ContactSearch.h"

#include <QTest>

using namespace varnelle::text;

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
};

void SearchTest::matching_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");

    // The contact: Dr. Jürgen O'Neil-Müller of Café São Paulo, +44 20 7946 0958.
    QTest::newRow("nothing typed") << "" << true;
    QTest::newRow("only spaces") << "   " << true;
    QTest::newRow("start of a word") << "jur" << true;
    QTest::newRow("not the start of a word") << "rgen" << false;
    QTest::newRow("case and accents ignored") << "MULLER" << true;
    QTest::newRow("accents typed") << "müller" << true;
    QTest::newRow("after an apostrophe") << "neil" << true;
    QTest::newRow("words in any order") << "paulo jurgen" << true;
    QTest::newRow("every word must match") << "paulo smith" << false;
    QTest::newRow("accented city") << "sao" << true;
    QTest::newRow("digits inside a number") << "7946" << true;
    QTest::newRow("digits across separators") << "2079" << true;
    QTest::newRow("number typed with separators") << "(20) 7946-09" << true;
    QTest::newRow("digits not in any number") << "5555" << false;
    QTest::newRow("zip start") << "sw1" << true;
    QTest::newRow("e-mail fragment") << "@example" << true;
    QTest::newRow("inside an e-mail needs @") << "xample" << false;
    QTest::newRow("percent is literal") << "%" << false;
    QTest::newRow("underscore is literal") << "j_rgen" << false;
    QTest::newRow("quote is literal") << "o'neil" << true;
    QTest::newRow("quote that is not there") << "'" << false;
    QTest::newRow("right-to-left text") << "שלום" << false;
    QTest::newRow("emoji") << "😀" << false;
    QTest::newRow("NUL") << QString(QChar(u'\0')) << false;
    QTest::newRow("very long") << QString(1000, u'a') << false;
}

void SearchTest::matching()
{
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    const SearchKey contact({"Dr.", "Jürgen", "O'Neil-Müller", "Café São Paulo", "1 High St", "London", "", "SW1A 1AA",
                             "jo@example.com", "", ""},
                            "jo@example.com", {"+44 20 7946 0958", "555-0100"});
    QCOMPARE(SearchQuery(typed).matches(contact), matches);
}

QTEST_GUILESS_MAIN(SearchTest)
#include "tst_search_rules.moc"
