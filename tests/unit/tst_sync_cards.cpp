// A card edited for upload: only the values the book changed are replaced,
// everything else of the card stays, and the card reads back as the book's values.
#include "sync/CardValues.h"
#include "common/Contact.h"
#include "support/WriteBackPairs.h"

#include <QTest>

using namespace varnelle::sync;

class SyncCardsTest : public QObject {
    Q_OBJECT
private slots:
    void editKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<int>("field"); // -1: a number changes instead
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("phoneType");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QByteArray head = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u1\r\nFN:Jane Doe\r\n";
        QTest::newRow("preferred e-mail") << head + "N:Doe;Jane;;;\r\nEMAIL;TYPE=INTERNET:other@x.org\r\n"
                                                    "EMAIL;TYPE=INTERNET,PREF:old@x.org\r\nEND:VCARD\r\n"
                                          << int(EMail) << QString("new@x.org") << QString()
                                          << QStringList{"EMAIL;TYPE=INTERNET:other@x.org", "PREF:new@x.org"}
                                          << QStringList{"old@x.org"};
        QTest::newRow("name parts kept") << head + "N:Doe;Jane;Q.;Dr.;Jr.\r\nEND:VCARD\r\n" << int(FirstName)
                                         << QString("Janet") << QString() << QStringList{"N:Doe;Janet;Q.;Dr.;Jr."}
                                         << QStringList{};
        QTest::newRow("preferred address") << head + "N:Doe;Jane;;;\r\nADR;TYPE=HOME:;;1 Elm St;Oldtown;;;UK\r\n"
                                                     "ADR;TYPE=WORK,PREF:;;2 Oak St;Worktown;CA;90210;USA\r\nEND:VCARD\r\n"
                                           << int(City) << QString("Newtown") << QString()
                                           << QStringList{"1 Elm St;Oldtown;;;UK", "2 Oak St;Newtown;CA;90210;USA"}
                                           << QStringList{"Worktown"};
        QTest::newRow("spouse, version 4")
            << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nUID:u1\r\nFN:Jane\r\nN:Doe;Jane;;;\r\nRELATED;TYPE=spouse;VALUE=text:Ann\r\n"
               "RELATED;TYPE=friend;VALUE=text:Bob\r\nEND:VCARD\r\n")
            << int(Spouse) << QString("Bea") << QString() << QStringList{"RELATED;TYPE=spouse;VALUE=text:Bea", "Bob"}
            << QStringList{"Ann"};
        QTest::newRow("labelled number") << head + "N:Doe;Jane;;;\r\nitem1.TEL:111\r\nitem1.X-ABLabel:Büro\r\n"
                                                   "TEL;TYPE=HOME:222\r\nEND:VCARD\r\n"
                                         << -1 << QString("333") << QString("Büro")
                                         << QStringList{"item1.TEL:333", "item1.X-ABLabel:Büro", "TEL;TYPE=HOME:222"}
                                         << QStringList{"111"};
        QTest::newRow("label with a backslash, read as the import reads it")
            << head + "N:Doe;Jane;;;\r\nitem1.TEL:111\r\nitem1.X-ABLabel:Line\\2\r\nEND:VCARD\r\n" << -1
            << QString("333") << QString("Line\\2") << QStringList{"item1.TEL:333", "item1.X-ABLabel:Line\\2"}
            << QStringList{"111", "item2"};
        QTest::newRow("number removed with its label")
            << head + "N:Doe;Jane;;;\r\nitem1.TEL:111\r\nitem1.X-ABLabel:Büro\r\nEND:VCARD\r\n" << -1 << QString()
            << QString("Büro") << QStringList{} << QStringList{"111", "Büro"};
        const QByteArray v4 = "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:u1\r\nFN:Jane\r\nN:Doe;Jane;;;\r\n"
                              "TEL;VALUE=uri;TYPE=cell:tel:+1-555-0100;ext=7\r\nEND:VCARD\r\n";
        QTest::newRow("tel: URI number") << v4 << -1 << QString("+1 555 0199 ext. 8") << QString("Mobile")
                                         << QStringList{"TEL;VALUE=uri;TYPE=cell:tel:+1-555-0199;ext=8"}
                                         << QStringList{"0100", "%20"};
        QTest::newRow("new number beside tel: URIs") << v4 << -1 << QString("0170 2") << QString("Work")
                                                     << QStringList{"TEL;VALUE=uri;TYPE=work:tel:0170-2",
                                                                    "tel:+1-555-0100;ext=7"}
                                                     << QStringList{};
        QTest::newRow("new number, UID added")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jane\r\nN:Doe;Jane;;;\r\nNOTE:kept\r\nEND:VCARD\r\n") << -1
            << QString("444") << QString("Work Fax") << QStringList{"TEL;TYPE=WORK,FAX:444", "NOTE:kept", "UID:new-uid"}
            << QStringList{};
    }
    void editKeepsTheRest()
    {
        QFETCH(QByteArray, card);
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, phoneType);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const BookValues from = FitToBook(ReadCard(card));
        BookValues to = from;
        if (field >= 0) {
            to.fields[field] = value;
        } else {
            to.numbers.removeIf([&](const auto &n) { return n.first == phoneType; });
            if (!value.isEmpty())
                to.numbers << qMakePair(phoneType, value);
        }
        const QByteArray edited = EditCard(card, from, to, true, "new-uid");
        for (const QString &text : present)
            QVERIFY2(edited.contains(text.toUtf8()), edited.constData());
        for (const QString &text : absent)
            QVERIFY2(!edited.contains(text.toUtf8()), edited.constData());
        QVERIFY(FitToBook(ReadCard(edited)) == to);
    }

    // A changed part of the details replaces the card's lines of that part
    // only, in the card's version, and reads back as the book's details.
    void detailEditKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("value"); // lists as "a|b", labelled values as "label=value|..."
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QByteArray v3 = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u1\r\nFN:Jane Doe\r\nN:Doe;Jane;;Dr.;\r\n"
                              "ORG:Acme;Sales\r\nEMAIL;TYPE=INTERNET,PREF:jane@x.org\r\nEMAIL;TYPE=HOME:old@home.org\r\n"
                              "TEL;TYPE=WORK:111\r\nTEL;TYPE=WORK:112\r\nBDAY:1970-01-02\r\nNOTE:old note\r\n"
                              "ADR;TYPE=WORK:;;1 Elm St;Springfield;IL;62701;USA\r\nX-CUSTOM:kept\r\nEND:VCARD\r\n";
        QByteArray v4 = v3;
        v4.replace("VERSION:3.0", "VERSION:4.0");
        QTest::newRow("note") << v3 << int(DetailPart::Note) << QString("Line one\nLine two")
                              << QStringList{"NOTE:Line one\\nLine two", "X-CUSTOM:kept", "BDAY:1970-01-02"}
                              << QStringList{"old note"};
        QTest::newRow("birthday, 4.0") << v4 << int(DetailPart::Birthday) << QString("--03-07")
                                       << QStringList{"BDAY:--0307", "NOTE:old note"} << QStringList{"1970"};
        QTest::newRow("birthday removed") << v3 << int(DetailPart::Birthday) << QString()
                                          << QStringList{"NOTE:old note"} << QStringList{"BDAY"};
        QTest::newRow("further e-mail") << v3 << int(DetailPart::Emails) << QString("work=w@x.org")
                                        << QStringList{"PREF:jane@x.org", "w@x.org"} << QStringList{"old@home.org"};
        QTest::newRow("further number") << v3 << int(DetailPart::Telephones) << QString("Work=113")
                                        << QStringList{"TEL;TYPE=WORK:111", ":113"} << QStringList{"112"};
        QTest::newRow("department") << v3 << int(DetailPart::OrgUnits) << QString("Sales|EMEA")
                                    << QStringList{"ORG:Acme;Sales;EMEA"} << QStringList{};
        QTest::newRow("country") << v3 << int(DetailPart::Country) << QString("United States")
                                 << QStringList{"1 Elm St;Springfield;IL;62701;United States"} << QStringList{";USA"};
        QTest::newRow("middle name") << v3 << int(DetailPart::MiddleName) << QString("Quinn")
                                     << QStringList{"N:Doe;Jane;Quinn;Dr.;"} << QStringList{};
        QTest::newRow("nicknames") << v4 << int(DetailPart::Nicknames) << QString("JD|Janie")
                                   << QStringList{"NICKNAME:JD,Janie"} << QStringList{};
        QTest::newRow("web address") << v3 << int(DetailPart::WebAddresses) << QString("=https://jane.example")
                                     << QStringList{"URL", "https://jane.example"} << QStringList{};
    }
    void detailEditKeepsTheRest()
    {
        QFETCH(QByteArray, card);
        QFETCH(int, part);
        QFETCH(QString, value);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const BookValues from = FitToBook(ReadCard(card));
        BookValues to = from;
        varnelle::ContactDetails &d = to.details;
        const QStringList items = value.isEmpty() ? QStringList() : value.split(u'|');
        QList<varnelle::LabeledValue> labelled;
        for (const QString &item : items)
            labelled << varnelle::LabeledValue{item.section(u'=', 0, 0), item.section(u'=', 1)};
        switch (DetailPart(part)) {
        case DetailPart::Note: d.note = value; break;
        case DetailPart::Birthday: d.birthday = varnelle::ContactDate::fromIso(value); break;
        case DetailPart::Emails: d.emails = labelled; break;
        case DetailPart::Telephones: d.telephones = labelled; break;
        case DetailPart::OrgUnits: d.orgUnits = items; break;
        case DetailPart::Country: d.country = value; break;
        case DetailPart::MiddleName: d.middleName = value; break;
        case DetailPart::Nicknames: d.nicknames = items; break;
        case DetailPart::WebAddresses: d.webAddresses = labelled; break;
        default: QFAIL("a part the test cannot set");
        }
        QCOMPARE(ChangedDetailParts(from.details, to.details), QList<DetailPart>{DetailPart(part)});
        const QByteArray edited = EditCard(card, from, to, true, "u1");
        for (const QString &text : present)
            QVERIFY2(edited.contains(text.toUtf8()), edited.constData());
        for (const QString &text : absent)
            QVERIFY2(!edited.contains(text.toUtf8()), edited.constData());
        QVERIFY2(FitToBook(ReadCard(edited)) == to, edited.constData());
    }

    // The card sent is the server's card with exactly the book's changes.
    void writeBackGolden_data() { varnelle::test::WriteBackPairs(); }
    void writeBackGolden()
    {
        QFETCH(QByteArray, card);
        QFETCH(QStringList, changes);
        QFETCH(QByteArray, expected);
        const BookValues from = FitToBook(ReadCard(card));
        BookValues to = from;
        for (const QString &change : changes) {
            const QString name = change.section(u'=', 0, 0), value = change.section(u'=', 1);
            if (name.startsWith(u'#')) {
                to.numbers.removeIf([&](const auto &n) { return n.first == name.mid(1); });
                to.numbers << qMakePair(name.mid(1), value);
                continue;
            }
            for (size_t i = 0; i < varnelle::ContactFields().size(); ++i)
                if (name == QLatin1String(varnelle::ContactFields()[i].column))
                    to.fields[qsizetype(i)] = value;
        }
        QCOMPARE(QString::fromUtf8(EditCard(card, from, to, true, "unused")), QString::fromUtf8(expected));
    }
};

QTEST_GUILESS_MAIN(SyncCardsTest)
#include "tst_sync_cards.moc"
