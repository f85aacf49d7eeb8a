// The vCard and CSV readers and writers on their own: files as phones, web
// address books and mail programs write them, the type words, faults.
#include "interchange/ContactFile.h"
#include "interchange/CsvWriter.h"
#include "interchange/TypeWords.h"
#include "interchange/VCardWriter.h"
#include "interchange/BookExport.h"
#include "store/AddressBook.h"
#include "store/Database.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

using namespace varnelle;
using namespace varnelle::interchange;

Q_DECLARE_METATYPE(varnelle::Contact)

namespace {

// A record in one line: the book's fields, then the numbers, then the
// unplaced values, then the details when it has any.
QString dump(const ContactRecord &r)
{
    QStringList fields;
    for (const ContactField &f : ContactFields())
        fields << r.*f.member;
    QStringList numbers;
    for (const PhoneNumber &t : r.telephones)
        numbers << t.type + "=" + t.number;
    return fields.join('|') + " # " + numbers.join("; ") + " # " + r.unplaced.join("; ")
        + (r.details.isEmpty() ? QString() : " # " + test::DetailsText(r.details));
}

// The details of a record in one line, those it has, in a fixed order.
QString detailsDump(const ContactDetails &d)
{
    QStringList parts;
    const auto add = [&parts](const char *name, const QString &value) {
        if (!value.isEmpty())
            parts << QLatin1String(name) + u'=' + value;
    };
    const auto labelled = [](const QList<LabeledValue> &values) {
        QStringList shown;
        for (const LabeledValue &v : values)
            shown << v.label + u'|' + v.value;
        return shown.join(u',');
    };
    add("middle", d.middleName);
    add("prefix", d.namePrefix);
    add("suffix", d.nameSuffix);
    add("display", d.displayName);
    add("nick", d.nicknames.join(u','));
    add("units", d.orgUnits.join(u','));
    add("job", d.jobTitle);
    add("role", d.role);
    add("emails", labelled(d.emails));
    for (const ContactAddress &a : d.addresses)
        add("address", QStringList{a.label, a.poBox, a.extended, a.street, a.locality, a.region, a.postalCode,
                                   a.country}.join(u'|'));
    add("country", d.country);
    add("tel", labelled(d.telephones));
    add("birthday", d.birthday.toIso());
    add("anniversary", d.anniversary.toIso());
    add("note", d.note);
    add("web", labelled(d.webAddresses));
    add("im", labelled(d.messaging));
    add("social", labelled(d.social));
    add("related", labelled(d.related));
    add("categories", d.categories.join(u','));
    add("photo", d.photo.isEmpty() ? QString() : d.photo.mimeType + u'|' + d.photo.uri + u'|' + d.photo.data.toHex());
    return parts.join(QLatin1String("; "));
}

// The first record of a file, and the notes of its reading after " ## " when there are any.
QString firstDump(const QByteArray &data, const QString &name = {})
{
    QStringList notes;
    const std::vector<ContactRecord> records = ReadContacts(data, name, &notes);
    return (records.empty() ? QString("(none)") : dump(records.front()))
        + (notes.isEmpty() ? QString() : " ## " + notes.join("; "));
}

ContactRecord sample()
{
    ContactRecord r;
    r.title = "Dr.";
    r.firstName = "Zoë";
    r.lastName = "O'Brien; Jr\\";
    r.company = "Smith, Jones & Co";
    r.street = QString("Straße ").repeated(6).trimmed();
    r.city = "München";
    r.state = "BY";
    r.zipCode = "80331";
    r.email = "zoe@example.com";
    r.spouse = "Max Mustermann";
    r.children = "Ann, Bob";
    r.telephones = {{"Work", "+49 89 123"}, {"Home Fax", "(089) 456"}, {"Büro", "=1+2"}, {"Phone", "-5"},
                    {"Mobile", "0170 \U0001F600"}};
    r.isBusiness = true;
    return r;
}

} // namespace

class InterchangeVCardTest : public QObject {
    Q_OBJECT
private slots:
    void readsFilesAsProgramsWriteThem_data();
    void readsFilesAsProgramsWriteThem();
    void typeWords_data();
    void typeWords();
    void manyCardsAnyLineEnds();
    void writtenCardsReadBackTheSame_data();
    void writtenCardsReadBackTheSame();
    void foldsAt75OctetsWithoutSplittingCharacters();
    void readsLenientlyAndListsWhatItSkips_data();
    void readsLenientlyAndListsWhatItSkips();
    void badInputNamesTheLine_data();
    void badInputNamesTheLine();
    void largeFilesReadInPiecesAsWhole_data();
    void largeFilesReadInPiecesAsWhole();
    void filesBeyondTheLimitsAreRefusedOrSkippedByLine_data();
    void filesBeyondTheLimitsAreRefusedOrSkippedByLine();
    void csvCellsASpreadsheetWouldRunAreWrittenAsText_data();
    void csvCellsASpreadsheetWouldRunAreWrittenAsText();
    void csvColumnsOfDetailsBecomeDetails_data();
    void csvColumnsOfDetailsBecomeDetails();
    void csvExportOfABookReadsBackWithItsDetails_data();
    void csvExportOfABookReadsBackWithItsDetails();
};

void InterchangeVCardTest::readsFilesAsProgramsWriteThem_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("phone 3.0, item groups and X-ABLabel")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iPhone OS 17.0//EN\r\n"
                      "N:Appleseed;John;;Dr.;\r\nFN:Dr. John Appleseed\r\nORG:Apple Inc.;\r\n"
                      "item1.EMAIL;type=INTERNET;type=pref:john@example.com\r\n"
                      "TEL;type=CELL;type=VOICE;type=pref:+1 408 555 0100\r\n"
                      "item2.TEL:+1 408 555 0199\r\nitem2.X-ABLabel:_$!<HomeFAX>!$_\r\n"
                      "item3.TEL:555 0123\r\nitem3.X-ABLabel:B\xC3\xBCro\r\n"
                      "item4.ADR;type=WORK;type=pref:;;1 Infinite Loop;Cupertino;CA;95014;United States\r\n"
                      "item4.X-ABADR:us\r\n"
                      "item5.X-ABRELATEDNAMES;type=pref:Jane Appleseed\r\nitem5.X-ABLabel:_$!<Spouse>!$_\r\n"
                      "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD\r\n"
                      " /2wBDAAMCAgICAgMCAgIDAwMDBAYEBAQEBAgGBgUGCQgKCgkICQkKDA8MCgsOCwkJDRENDg8Q\r\n"
                      "END:VCARD\r\n")
        << QString("Dr.|John|Appleseed|Apple Inc.|1 Infinite Loop|CA|Cupertino|95014|john@example.com|Jane "
                   "Appleseed| # Mobile=+1 408 555 0100; Home Fax=+1 408 555 0199; Büro=555 0123 #  # "
                   "country=United States; photo=image/jpeg of 75 bytes");
    QTest::newRow("phone 2.1, quoted-printable in ISO-8859-1, bare types")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\n"
                      "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen;;;\n"
                      "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=FCrgen M=FCller\n"
                      "TEL;HOME;FAX:+49 30 1234567\nTEL;WORK;VOICE:+49 30 7654321\nTEL;CELL:0170 1234567\n"
                      "ADR;HOME;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:;;Hauptstra=DFe 5;Berlin;;10115;=\n"
                      "Deutschland\n"
                      "EMAIL;PREF;INTERNET:juergen@example.de\n"
                      "NOTE;ENCODING=QUOTED-PRINTABLE:Ruft gern=\n abends an\n"
                      "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQSkZJRgABAQ\n"
                      "AAAQABAAD/2wBDAAMCAgICAgMCAgIDAwMDBAYEBAQEBAgGBg\n\n"
                      "END:VCARD\n")
        << QString("|Jürgen|Müller||Hauptstraße 5||Berlin|10115|juergen@example.de|| # Home Fax=+49 30 1234567; "
                   "Work=+49 30 7654321; Mobile=0170 1234567 #  # country=Deutschland; note=Ruft "
                   "gern abends an; photo=image/jpeg of 49 bytes");
    QTest::newRow("4.0, RELATED and tel: URIs")
        << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Smith\r\nN:Smith;Ann;;Ms.;\r\n"
                      "ORG:Example\\, Ltd.;Sales\r\n"
                      "TEL;VALUE=uri;TYPE=\"work,voice\";PREF=1:tel:+1-555-555-0101;ext=42\r\n"
                      "TEL;VALUE=uri;TYPE=cell:tel:+1-555-555-0102\r\n"
                      "EMAIL;TYPE=work:ann@example.com\r\nEMAIL;PREF=1:ann.smith@example.org\r\n"
                      "RELATED;TYPE=spouse;VALUE=text:Bob Smith\r\nRELATED;TYPE=child;VALUE=text:Cy Smith\r\n"
                      "RELATED;TYPE=child;VALUE=text:Di Smith\r\n"
                      "RELATED;TYPE=friend:urn:uuid:f81d4fae-7dec-11d0-a765-00a0c91e6bf6\r\n"
                      "NOTE:Line one\\nLine two\\, with comma\r\nEND:VCARD\r\n")
        << QString("Ms.|Ann|Smith|Example, Ltd.|||||ann.smith@example.org|Bob Smith|Cy Smith, Di Smith # Work=+1-555-555-0101 ext. 42; "
                   "Mobile=+1-555-555-0102 #  # units=Sales; email(work)=ann@example.com; "
                   "note=Line one\nLine two, with comma; related(friend)=urn:uuid:f81d4fae-7dec-11d0-a765-00a0c91e6bf6");
    QTest::newRow("web address book 3.0, second number of a type, labelled URL")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Carol Jones\nN:Jones;Carol;;;\n"
                      "EMAIL;TYPE=INTERNET;TYPE=HOME:carol@example.net\nTEL;TYPE=WORK:555-0200\n"
                      "TEL;TYPE=WORK:555-0201\nADR;TYPE=HOME:;Apt 4;12 Elm St;Springfield;IL;62701;\n"
                      "item1.URL:http\\://carol.example.net\nitem1.X-ABLabel:PROFILE\nX-EVOLUTION-SPOUSE:Dan\n"
                      "END:VCARD\n")
        << QString("|Carol|Jones||12 Elm St, Apt 4|IL|Springfield|62701|carol@example.net|Dan| # Work=555-0200 #  # tel("
                   "Work)=555-0201; url(PROFILE)=http://carol.example.net");
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nTEL:555-0100\r\n";
    QTest::newRow("a photo that is no image")
        << card + "PHOTO;ENCODING=b;TYPE=JPEG:SGVsbG8gd29ybGQ=\r\nEND:VCARD\r\n"
        << QString("|Ann|Lee|||||||| # Phone=555-0100 # Photo: not imported (not a PNG, JPEG, GIF or WebP image)");
    QTest::newRow("a photo larger than the limit")
        << card + "PHOTO:data:image/png;base64," + QByteArray(6 << 20, 'A') + "\r\nEND:VCARD\r\n"
        << QString("|Ann|Lee|||||||| # Phone=555-0100 # Photo: not imported (larger than 4 MB)");
    QTest::newRow("a birthday that does not exist")
        << card + "BDAY:20230231\r\nEND:VCARD\r\n"
        << QString("|Ann|Lee|||||||| # Phone=555-0100 #  # bday=20230231 ## Line 5: Birthday \"20230231\" is no "
                   "date; it was kept as text.");
    QTest::newRow("only a whole name")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Dr. Jane Q. Public\nEND:VCARD\n")
        << QString("Dr.|Jane Q.|Public|||||||| #  # ");
    QTest::newRow("a company card")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nFN:Acme Corp\nORG:Acme Corp\nEND:VCARD\n")
        << QString("|||Acme Corp||||||| #  # ");
    QTest::newRow("desktop mail program 2.1 in Windows-1252")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;LANGUAGE=de;CHARSET=Windows-1252:Gr\xFC\xDF;Ren\xE9\r\n"
                      "TITLE:Caf\x80 owner\r\nTEL;WORK;FAX:555 10\r\nX-MS-OL-DESIGN;CHARSET=utf-8:<card/>\r\n"
                      "END:VCARD\r\n")
        << QString("|René|Grüß|||||||| # Work Fax=555 10 #  # title=Caf€ owner ## Text that names no character set and i"
                   "s not UTF-8 was read as windows-1252, the set the file names for other values.");
    QTest::newRow("web address book CSV")
        << QByteArray("Name,Given Name,Additional Name,Family Name,Name Prefix,E-mail 1 - Type,E-mail 1 - Value,"
                      "Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,Phone 2 - Value,Address 1 - Type,"
                      "Address 1 - Street,Address 1 - City,Address 1 - Region,Address 1 - Postal Code,"
                      "Address 1 - Country,Organization 1 - Name,Organization 1 - Title,Relation 1 - Type,"
                      "Relation 1 - Value,Notes,Group Membership\n"
                      "Eve Adams,Eve,M,Adams,Ms.,* Home,eve@example.com ::: eve2@example.com,Mobile,"
                      "555-1 ::: 555-2,Work Fax,555-3,Home,\"1 Main St\nFloor 2\",Austin,TX,78701,USA,"
                      "\"Adams, Inc.\",CEO,Spouse,Frank Adams,\"Likes \"\"tea\"\"\",* myContacts\n")
        << QString("Ms.|Eve|Adams|Adams, Inc.|1 Main St\nFloor 2|TX|Austin|78701|eve@example.com|Frank Adams| # Mobile=5"
                   "55-1; Work Fax=555-3 # Group Membership: * myContacts # middle=M; title=CEO; email(Home)=eve2@exampl"
                   "e.com; country=USA; tel(Mobile)=555-2; note=Likes \"tea\"");
    QTest::newRow("mail program CSV")
        << QByteArray("\xEF\xBB\xBF\"Title\",\"First Name\",\"Last Name\",\"Company\",\"Department\","
                      "\"Business Street\",\"Business City\",\"Business State\",\"Business Postal Code\","
                      "\"Home Street\",\"Home City\",\"Business Fax\",\"Business Phone\",\"Home Phone\","
                      "\"Mobile Phone\",\"E-mail Address\",\"E-mail 2 Address\",\"Spouse\",\"Children\","
                      "\"Priority\",\"Sensitivity\"\r\n"
                      "\"Mr.\",\"Gus\",\"Hill\",\"Hill Ltd\",\"Sales\",\"9 Oak Rd\",\"Dover\",\"DE\",\"19901\","
                      "\"2 Pine Ln\",\"Dover\",\"555-9\",\"555-8\",\"555-7\",\"555-6\",\"gus@hill.example\","
                      "\"gus@home.example\",\"Hanna\",\"Ivy, Jon\",\"Normal\",\"Normal\"\r\n")
        << QString("Mr.|Gus|Hill|Hill Ltd|9 Oak Rd|DE|Dover|19901|gus@hill.example|Hanna|Ivy, Jon # Work Fax=555-9; Work"
                   "=555-8; Home=555-7; Mobile=555-6 # Priority: Normal; Sensitivity: Normal # units=Sales; email()=gus@"
                   "home.example; adr(home)=//2 Pine Ln/Dover///");
}

void InterchangeVCardTest::readsFilesAsProgramsWriteThem()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QCOMPARE(firstDump(file), expected);
}

void InterchangeVCardTest::typeWords_data()
{
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("writtenAsTypes");
    QTest::newRow("work") << QStringList{"work"} << "Work" << true;
    QTest::newRow("home") << QStringList{"HOME"} << "Home" << true;
    QTest::newRow("cell") << QStringList{"cell"} << "Mobile" << true;
    QTest::newRow("fax") << QStringList{"fax"} << "Fax" << true;
    QTest::newRow("pager") << QStringList{"pager"} << "Pager" << true;
    QTest::newRow("work+fax") << QStringList{"fax", "work"} << "Work Fax" << true;
    QTest::newRow("work+voice+pref") << QStringList{"work", "voice", "pref"} << "Work" << true;
    QTest::newRow("home+cell") << QStringList{"cell", "home"} << "Home Mobile" << true;
    QTest::newRow("voice only") << QStringList{"voice"} << "Phone" << true;
    QTest::newRow("capabilities beside kinds") << QStringList{"work", "cell", "voice", "video", "text"} << "Work Mobile"
                                               << true;
    QTest::newRow("a capability alone") << QStringList{"text"} << "Text" << true;
    QTest::newRow("no type") << QStringList{} << "Phone" << true;
    QTest::newRow("unknown") << QStringList{"x-assistant", "satellite"} << "Assistant Satellite" << false;
    QTest::newRow("private") << QStringList{"X-Satellite"} << "Satellite" << false;
}

void InterchangeVCardTest::typeWords()
{
    QFETCH(QStringList, types);
    QFETCH(QString, words);
    QFETCH(bool, writtenAsTypes);
    QCOMPARE(TypeWordsFor(types), words);
    const QStringList back = VCardTypesFor(words);
    QCOMPARE(!back.isEmpty(), writtenAsTypes);
    if (writtenAsTypes)
        QCOMPARE(TypeWordsFor(back), words);
}

void InterchangeVCardTest::manyCardsAnyLineEnds()
{
    QByteArray file = "\xEF\xBB\xBF";
    for (int i = 0; i < 50; ++i)
        file += QString("BEGIN:VCARD\r\nVERSION:3.0\nN:Last%1;First;;;\r\nEND:VCARD\n\n").arg(i).toUtf8();
    const std::vector<ContactRecord> records = ReadContacts(file);
    QCOMPARE(records.size(), size_t(50));
    QCOMPARE(records[49].lastName, QString("Last49"));
    QCOMPARE(records[49].line, 246);
}

void InterchangeVCardTest::writtenCardsReadBackTheSame_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("vCard 4.0") << 4;
    QTest::newRow("vCard 3.0") << 3;
    QTest::newRow("CSV") << 0;
}

void InterchangeVCardTest::writtenCardsReadBackTheSame()
{
    QFETCH(int, format);
    const ContactRecord original = sample();
    ContactRecord bare;
    bare.company = "Only A Company";
    QByteArray file;
    if (format == 0) {
        CsvWriter csv(5);
        csv.appendHeading(file);
        csv.appendRow(file, original);
        csv.appendRow(file, bare);
        QVERIFY(file.contains("'=1+2") && file.contains(",-5,")); // formula-safe, numbers kept
    } else {
        for (const ContactRecord &r : {original, bare})
            AppendVCard(file, r, format == 4 ? VCardVersion::V4 : VCardVersion::V3);
        QVERIFY(file.contains(format == 4 ? "VERSION:4.0\r\n" : "VERSION:3.0\r\n"));
    }
    const std::vector<ContactRecord> back = ReadContacts(file, format == 0 ? "x.csv" : "x.vcf");
    QCOMPARE(back.size(), size_t(2));
    QCOMPARE(dump(back[0]), dump(original));
    QCOMPARE(dump(back[1]), dump(bare));
}

void InterchangeVCardTest::foldsAt75OctetsWithoutSplittingCharacters()
{
    ContactRecord r = sample();
    r.street = QString("ü").repeated(37) + "x" + QString("€").repeated(30); // 2- and 3-octet sequences
    QByteArray file;
    AppendVCard(file, r);
    QVERIFY(file.endsWith("END:VCARD\r\n"));
    for (const QByteArray &line : file.split('\n')) {
        const QByteArray physical = line.endsWith('\r') ? line.chopped(1) : line;
        QVERIFY2(physical.size() <= 75, physical.constData());
        QVERIFY2(QString::fromUtf8(physical).toUtf8() == physical, physical.constData()); // whole characters
    }
    QCOMPARE(ReadContacts(file).front().street, r.street);
}

// Files that other programs write, each a minimal case under tests/data:
// what is read, and the summary's lines about what was skipped.
void InterchangeVCardTest::readsLenientlyAndListsWhatItSkips_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("notes");
    QTest::newRow("comment.vcf") << "comment.vcf"
        << QString("|Ann|Lee|||||||| # Work=555-0100 # ")
        << QString("Line 1: the comment \"# Contacts, exported 2019\" was skipped.\nLine 5: the comment \"# work "
                   "numbers\" was skipped.");
    QTest::newRow("backslash-newline.vcf") << "backslash-newline.vcf"
        << QString("|Ann|Lee||1 Main St\nFlat 2|IL|Springfield|62701||| #  # ")
        << QString("Line 5: the line before ends with a backslash; this line was read as the rest of its value.");
    QTest::newRow("nested-card.vcf") << "nested-card.vcf"
        << QString("|Ann|Lee|||||||| # Work=555-0100 # ")
        << QString("Line 5: a card within the card of line 1, up to line 8, was skipped.");
    QTest::newRow("no-end.vcf") << "no-end.vcf"
        << QString("|Ann|Lee|||||||| #  # \n|Cy|Poe|||||||| # Work=555-0100 # ")
        << QString("Line 5: the card has no END:VCARD; it was read up to the end of the file.");
    QTest::newRow("text-around-cards.vcf") << "text-around-cards.vcf"
        << QString("|Ann|Lee|||||||| #  # \n|Cy|Poe|||||||| #  # ")
        << QString("Line 1: \"Contacts of Ann, 2021\" and the lines after it up to line 2 stand outside any card; "
                   "skipped.\nLine 7: \"BEGN:VCARD\" and the lines after it up to line 10 stand outside any card; "
                   "skipped.\nLine 15: \"--\" and the lines after it up to line 16 stand outside any card; skipped.");
    QTest::newRow("fn-without-colon.vcf") << "fn-without-colon.vcf"
        << QString("|Ann|Lee|||||||| #  # ")
        << QString("Line 4: \"FN Ann Lee\" is not a vCard property (it has no name and ':'); skipped.");
    QTest::newRow("ctrl-z.vcf") << "ctrl-z.vcf"
        << QString("|Ann|Lee|||||||| #  # ")
        << QString("Line 5: the end-of-file mark of DOS (Ctrl+Z) was skipped.");
    QTest::newRow("cr-only.vcf") << "cr-only.vcf"
        << QString("|Ann|Lee|||||||| # Home=555-0100 # ")
        << QString("The lines of the file end with CR alone, as old Macintosh programs write them; they were read as "
                   "lines.");
    QTest::newRow("shift-jis.vcf") << "shift-jis.vcf"
        << QString("|太郎|山田|||||||| #  # ")
        << QString("");
    QTest::newRow("charset-elsewhere.vcf") << "charset-elsewhere.vcf"
        << QString("|Иван|Иванов|Рога и копыта||||||| #  # ")
        << QString("Text that names no character set and is not UTF-8 was read as WINDOWS-1251, the set the file "
                   "names for other values.");
    QTest::newRow("shift-jis.csv") << "shift-jis.csv"
        << QString("|太郎|山田|株式会社山田商事|||||taro@example.jp|| # Work=03-1234-5678 # \n"
                   "|花子|鈴木|東京電機株式会社|||||hanako@example.jp|| # Work=06-2345-6789 # \n"
                   "|健一|佐藤|大阪物産|||||kenichi@example.jp|| # Work=045-345-6789 # ")
        << QString("Text that names no character set and is not UTF-8 was read as Shift_JIS, the set its bytes "
                   "suggest.");
    QTest::newRow("windows-1252.csv") << "windows-1252.csv"
        << QString("|Zoë|Müller|Café Crème||||||| #  # \n|François|Großmann|Bäckerei Würth||||||| #  # ")
        << QString("");
    QTest::newRow("unknown-charset.vcf") << "unknown-charset.vcf"
        << QString("|Ann|Lee|||||||| #  # \n|Bob|Roe|||||||| #  # ")
        << QString("Line 4: Note is in the character set \"X-UNHEARD-OF\", which this program cannot read; "
                   "not imported.");
    QTest::newRow("utf16le-no-mark.vcf") << "utf16le-no-mark.vcf"
        << QString("|Jürgen|Müller|||||||| #  # ")
        << QString("");
    QTest::newRow("utf16be-no-mark.csv") << "utf16be-no-mark.csv"
        << QString("|Jürgen|Müller|||||||| #  # ")
        << QString("");
    QTest::newRow("group.vcf") << "group.vcf"
        << QString("|Ann|Lee|||||||| #  # ")
        << QString("Line 1: the group \"Book Club\" is a list of contacts, not a contact; not imported.");
    QTest::newRow("label-3.vcf") << "label-3.vcf"
        << QString("|Ann|Lee||12 Elm St, Apt 4|IL|Springfield|62701||| #  #  # country=USA")
        << QString("");
    QTest::newRow("label-4.vcf") << "label-4.vcf"
        << QString("|Ann|Lee||Hauptstr. 5||Berlin|10115||| #  # ")
        << QString("");
    QTest::newRow("label-unsplittable.vcf") << "label-unsplittable.vcf"
        << QString("|Ann|Lee|||||||| #  # Address: Behind the old mill, past the bridge")
        << QString("");
    QTest::newRow("two-names.vcf") << "two-names.vcf"
        << QString("|Jane|Roe|||||||| #  # Name: John Doe")
        << QString("");
    QTest::newRow("pictures.vcf") << "pictures.vcf"
        << QString("|Ann|Lee|||||||| #  # Picture: not imported (binary data); Logo: http://example.com/logo.png")
        << QString("");
    QTest::newRow("capabilities.vcf") << "capabilities.vcf"
        << QString("|Ann|Lee|||||||| # Work Mobile=+1-555-555-1234; Text=555-0101 # ")
        << QString("");
    QTest::newRow("web-book.csv") << "web-book.csv"
        << QString("|Ann|Lee||||||ann@example.com|| # Mobile=555-0100 # Address 1 - Formatted: 1 Main St, Springfield; L"
                   "abels: * myContacts; Custom Field: blue; Event: 2001-02-03 # units=Design; title=Architect")
        << QString("");
    QTest::newRow("social-notes.csv") << "social-notes.csv"
        << QString("|Ann|Lee|Acme|||||ann@example.com|| #  # Connected On: 03 Feb 2021 # title=Architect; url()=https://"
                   "social.example/in/annlee")
        << QString("");
    QTest::newRow("mail-program-de.csv") << "mail-program-de.csv"
        << QString("Dr.|Jürgen|Müller|Acme GmbH|Hauptstr. 1|BE|Berlin|10115|jm@acme.example|Anna|Max # Work=030 1234567;"
                   " Home=030 7654321; Mobile=0160 5555555; Work Fax=030 1234568 #  # middle=Karl; units=Einkauf; title="
                   "Leiter; note=Kunde seit 2019")
        << QString("");
    QTest::newRow("mail-program-fr.csv") << "mail-program-fr.csv"
        << QString("M.|Jean|Dupont|Société X|1 rue de la Paix||Paris|75002|jean@x.example|Marie|Paul # Work=01 23 45 67 "
                   "89; Home=01 98 76 54 32; Mobile=06 12 34 56 78 #  # middle=Luc; units=Ventes")
        << QString("");
    QTest::newRow("social.csv") << "social.csv"
        << QString("|Ann|Lee|Acme|||||ann@example.com|| #  # Connected On: 03 Feb 2021 # title=Architect; url()=https://"
                   "social.example/in/annlee")
        << QString("");
    QTest::newRow("mail-program.csv") << "mail-program.csv"
        << QString("|Ann|Lee||||||ann@home.example|| # Home Mobile=555-0100; Video=555-0101 # Profession: Architect; Ref"
                   "erred By: Bob; User 1: x1 # email(work)=ann@work.example; bday=1980-02-03; url()=https://ann.example"
                   "; categories=Friends")
        << QString("");
    QTest::newRow("program-types.csv") << "program-types.csv"
        << QString("|Ann|Lee|||||||| # cell=555-0100; pager 2=555-0101; *VIP=555-0102 # ")
        << QString("");
}

void InterchangeVCardTest::readsLenientlyAndListsWhatItSkips()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QString, notes);
    QStringList said;
    const std::vector<ContactRecord> records
        = ReadContacts(test::ReadAll(QStringLiteral(VARNELLE_TEST_DATA_DIR "/interchange/") + file), file, &said);
    QStringList dumps;
    for (const ContactRecord &r : records)
        dumps << dump(r);
    QCOMPARE(dumps.join('\n'), expected);
    QCOMPARE(said.join('\n'), notes);
}

void InterchangeVCardTest::badInputNamesTheLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QByteArray start = "BEGIN:VCARD\nVERSION:2.1\n";
    QTest::newRow("nothing but text") << QByteArray("Dear Sir,\nthank you.\n") << "letter.vcf"
                                      << "Line 1: \"Dear Sir,\" stands where a card should begin";
    QTest::newRow("invalid quoted-printable") << start + "NOTE;ENCODING=QUOTED-PRINTABLE:abc=ZZ\nEND:VCARD\n"
                                              << "a.vcf" << "Line 3: the quoted-printable sequence \"=ZZ\" is invalid";
    QTest::newRow("100 MB line") << start + "NOTE:" + QByteArray(100 << 20, 'a') + "\nEND:VCARD\n" << "a.vcf"
                                 << "Line 3: the line is longer than 16 MB";
    QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "a.png"
                                 << "Line 2: the line holds binary data";
    QTest::newRow("binary in a card") << start + "FN:A\x01\x02\nEND:VCARD\n" << "a.vcf"
                                      << "Line 3: the line holds binary data (byte 0x01 at column 5)";
    QTest::newRow("neither vCard nor CSV") << QByteArray("Dear Sir,\nthank you.\n") << "letter.txt"
                                           << "Line 1: this is neither a vCard file";
    QTest::newRow("open quote in CSV") << QByteArray("First Name,Last Name\nAnn,\"Lee\nBob,Roe\n") << "a.csv"
                                       << "Line 2: a quoted cell begins here but has no closing quote.";
    QTest::newRow("20 MB CSV cell") << "Last Name\n" + QByteArray(20 << 20, 'b') << "a.csv"
                                    << "Line 2: a cell is longer than 16 MB";
    QTest::newRow("empty CSV") << QByteArray() << "a.csv" << "The file is empty";
    QTest::newRow("empty vCard") << QByteArray("\r\n") << "a.vcf" << "The file is empty: it holds no contacts.";
}

void InterchangeVCardTest::badInputNamesTheLine()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(QString, message);
    try {
        ReadContacts(file, name);
        QFAIL("the file was read");
    } catch (const InterchangeError &error) {
        QVERIFY2(error.message().startsWith(QString("The file '%1' cannot be imported. ").arg(name)),
                 qPrintable(error.message()));
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

void InterchangeVCardTest::largeFilesReadInPiecesAsWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start"); // before the first copy
    QTest::addColumn<QByteArray>("end");   // after the last copy
    QTest::addColumn<QString>("encoding"); // of the whole file: UTF-8 as written, or UTF-16LE/BE with a mark
    for (const char *file : {"comment.vcf", "backslash-newline.vcf", "nested-card.vcf", "fn-without-colon.vcf",
                             "group.vcf", "pictures.vcf", "unknown-charset.vcf", "label-3.vcf", "two-names.vcf"})
        QTest::newRow(file) << file << QByteArray() << QByteArray() << "UTF-8";
    QTest::newRow("byte order mark") << "label-4.vcf" << QByteArray("\xEF\xBB\xBF") << QByteArray() << "UTF-8";
    QTest::newRow("quoted-printable soft line breaks")
        << "label-4.vcf"
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nN:Lee;Ann\nNOTE;ENCODING=QUOTED-PRINTABLE:caf=C3=A9=\n au=\nlait\n"
                      "END:VCARD\n")
        << QByteArray() << "UTF-8";
    QTest::newRow("no END:VCARD at the end") << "label-4.vcf" << QByteArray()
                                             << QByteArray("BEGIN:VCARD\r\nFN:X\r\n") << "UTF-8";
    QTest::newRow("binary at the end") << "label-4.vcf" << QByteArray()
                                       << QByteArray("BEGIN:VCARD\r\nFN:X\x01\r\nEND:VCARD\r\n") << "UTF-8";
    QTest::newRow("UTF-16LE vCard") << "label-4.vcf" << QByteArray("BEGIN:VCARD\nN:Zo\xC3\xAB;\xF0\x9F\x98\x80\nEND:VCARD\n")
                                    << QByteArray() << "UTF-16LE";
    // CSV files: the heading, then the rows of the file over and over.
    QTest::newRow("CSV") << "web-book.csv" << QByteArray() << QByteArray() << "UTF-8";
    QTest::newRow("CSV in UTF-8") << "mail-program.csv" << QByteArray()
                                  << QByteArray("Zo\xC3\xAB,M\xC3\xBCller\n") << "UTF-8";
    QTest::newRow("CSV in Windows-1252, told by its last row")
        << "mail-program.csv" << QByteArray("Zo\xC3\xAB,M\xC3\xBCller\n") << QByteArray("Zo\xEB,M\xFCller\n")
        << "UTF-8";
    QTest::newRow("CSV with a quoted cell of many lines")
        << "web-book.csv" << QByteArray()
        << QByteArray("Ann,\"Lee\n" + QByteArray("a \"\"b\"\" line\n").repeated(70000) + "\",x\n") << "UTF-8";
    QTest::newRow("CSV without its closing quote") << "web-book.csv" << QByteArray() << QByteArray("Ann,\"Lee\n")
                                                   << "UTF-8";
    QTest::newRow("CSV with binary at the end") << "mail-program.csv" << QByteArray() << QByteArray("Ann,L\x02\n")
                                                << "UTF-8";
    QTest::newRow("UTF-16BE CSV") << "mail-program.csv" << QByteArray() << QByteArray("Zo\xC3\xAB,\xF0\x9F\x98\x80\n")
                                  << "UTF-16BE";
}

// A file of more than a megabyte is read a piece at a time, with what a read
// of it whole gives: the same records, notes and faults.
void InterchangeVCardTest::largeFilesReadInPiecesAsWhole()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, end);
    QFETCH(QString, encoding);
    QByteArray one = test::ReadAll(QStringLiteral(VARNELLE_TEST_DATA_DIR "/interchange/") + file);
    const bool csv = file.endsWith(".csv");
    QByteArray bytes;
    if (csv) { // the heading once
        bytes = one.left(one.indexOf('\n') + 1);
        one.remove(0, bytes.size());
    }
    bytes += start;
    while (bytes.size() < (3 << 20) / 2)
        bytes += one + "\r\n";
    bytes += end;
    if (encoding != "UTF-8") {
        QStringEncoder utf16(encoding == "UTF-16LE" ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                             QStringEncoder::Flag::WriteBom);
        bytes = utf16(QString::fromUtf8(bytes));
    }
    const QString name = csv ? "large.csv" : "large.vcf";
    test::TempWorkDir dir;
    QFile out(name);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();
    auto read = [](const std::function<void(QStringList &, const RecordSink &)> &reading) {
        QStringList said;
        QStringList dumps;
        try {
            reading(said, [&dumps](ContactRecord &r, qint64) { dumps << dump(r); });
        } catch (const InterchangeError &error) {
            dumps << error.message();
        }
        return dumps.join('\n') + "\n--\n" + said.join('\n');
    };
    const QString inPieces = read([&name](QStringList &said, const RecordSink &each) {
        ReadContactFile(name, &said, each);
    });
    const QString whole = read([&bytes, &name](QStringList &said, const RecordSink &each) {
        ReadContacts(bytes, name, &said, each);
    });
    QCOMPARE(inPieces, whole);
    QVERIFY(whole.count(QLatin1Char('\n')) > 1000 || whole.startsWith("The file"));
}

void InterchangeVCardTest::filesBeyondTheLimitsAreRefusedOrSkippedByLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("sparse"); // the size of a file of zero bytes written as a hole instead
    QTest::addColumn<QString>("expected"); // in what is read, refused or noted
    const QByteArray card = "BEGIN:VCARD\nFN:Bob Roe\nEND:VCARD\n";
    QTest::newRow("CSV heading of commas") << "a.csv" << "First Name" + QByteArray(100, ',') + "\nAnn\n" << 0LL
                                           << "Line 1: the row has more than 50 cells";
    QTest::newRow("CSV row of commas") << "a.csv" << "First Name,Last Name\nAnn,Lee\n" + QByteArray(100, ',') + "\n"
                                       << 0LL << "Line 3: the row has more than 50 cells";
    QTest::newRow("CSV row longer than a line")
        << "a.csv" << "First Name,Last Name\n" + (QByteArray(200, 'a') + ',').repeated(8) << 0LL
        << "Line 2: the row is longer than 1 MB";
    QTest::newRow("no line feed in the first megabyte")
        << "a.csv" << "First Name," + QByteArray((1 << 20) + 10, 'a') << 0LL << "Line 1: the row is longer than 1 MB";
    QTest::newRow("a card of many lines, skipped") << "a.vcf"
        << "BEGIN:VCARD\nFN:Ann Lee\n" + QByteArray("X-A:b\n").repeated(30) + "END:VCARD\n" + card << 0LL
        << "|Bob|Roe|||||||| #  # \n--\nLine 1: the card has more than 20 lines, far more than any contact has; "
           "skipped.";
    QTest::newRow("a card of much text, skipped") << "a.vcf"
        << card + "BEGIN:VCARD\n" + QByteArray("NOTE:" + QByteArray(500, 'n') + "\n").repeated(5) + "END:VCARD\n"
        << 0LL << "|Bob|Roe|||||||| #  # \n--\nLine 4: the card holds more than 1 MB of text";
    QTest::newRow("a card of many lines in a card of many lines") << "a.vcf"
        << "BEGIN:VCARD\n" + QByteArray("X-A:b\n").repeated(30) + card + "END:VCARD\n" + card << 0LL
        << "|Bob|Roe|||||||| #  # \n--\nLine 1: the card has more than 20 lines";
    QTest::newRow("every comment noted") << "a.vcf" << QByteArray("# c\n").repeated(3000) + card << 0LL
                                         << "Line 3000: the comment \"# c\" was skipped.";
    QTest::newRow("sparse file of zeros, vCard") << "a.vcf" << QByteArray() << (3LL << 30)
                                                 << "Line 1: the line is longer than 1 MB";
    QTest::newRow("sparse file of zeros, CSV") << "a.csv" << QByteArray() << (3LL << 30)
                                               << "Line 1: the line holds binary data";
}

// Limits scaled down: a line of 1000 bytes, 50 cells, a card of 20 lines or 2000 bytes.
void InterchangeVCardTest::filesBeyondTheLimitsAreRefusedOrSkippedByLine()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(qint64, sparse);
    QFETCH(QString, expected);
    test::TempWorkDir dir;
    QFile out(name);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && (sparse == 0 || out.resize(sparse)));
    out.close();
    ReadLimits limits;
    limits.lineBytes = 1000;
    limits.cells = 50;
    limits.cardProperties = 20;
    limits.cardBytes = 2000;
    const ReadLimits before = SetReadLimits(limits);
    QStringList read;
    QStringList said;
    try {
        ReadContactFile(name, [&said](const QString &note) { said << note; },
                        [&read](ContactRecord &r, qint64) { read << dump(r); });
    } catch (const InterchangeError &error) {
        read << error.message();
    }
    SetReadLimits(before);
    const QString result = read.join('\n') + "\n--\n" + said.join('\n');
    QVERIFY2(result.contains(expected), qPrintable(result.left(2000)));
}

void InterchangeVCardTest::csvCellsASpreadsheetWouldRunAreWrittenAsText_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("=") << "=1+2" << QByteArray(",'=1+2,");
    QTest::newRow("@") << "@SUM(A1)" << QByteArray(",'@SUM(A1),");
    QTest::newRow("+ and a formula") << "+A1" << QByteArray(",'+A1,");
    QTest::newRow("- and a number") << "-5" << QByteArray(",-5,");
    QTest::newRow("tab") << "\t=1+2" << QByteArray(",'\t=1+2,");
    QTest::newRow("carriage return") << "\r=1+2" << QByteArray(",\"'\r=1+2\",");
    QTest::newRow("plain") << "Acme" << QByteArray(",Acme,");
}

void InterchangeVCardTest::csvCellsASpreadsheetWouldRunAreWrittenAsText()
{
    QFETCH(QString, company);
    QFETCH(QByteArray, cell);
    ContactRecord r;
    r.lastName = "Lee";
    r.company = company;
    QByteArray file;
    CsvWriter(0).appendRow(file, r);
    QVERIFY2(file.contains(cell), file.constData());
}

// The columns of mail programs and web books that the book keeps as details.
void InterchangeVCardTest::csvColumnsOfDetailsBecomeDetails_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("unplaced");
    QTest::newRow("mail program")
        << QByteArray("First Name,Middle Name,Last Name,Suffix,Nickname,Job Title,Department,Birthday,Anniversary,"
                      "Notes,Web Page,E-mail Address,E-mail 2 Address,Email Work,Business Phone,Business Phone 2,"
                      "Home Street,Home City,Home Country/Region,Business Street,Business City,"
                      "Business Country/Region,Profession\n"
                      "Ann,Q.,Lee,Jr.,Annie,Architect,Design,2/3/1980,0/0/00,\"Line one\nLine two\",https://ann.example,"
                      "ann@a.example,ann@b.example,ann@c.example,555-0100,555-0101,1 Home St,Hometown,Canada,"
                      "2 Work St,Worktown,USA,Builder\n")
        << "middle=Q.; suffix=Jr.; nick=Annie; units=Design; job=Architect; emails=|ann@b.example,work|ann@c.example; "
           "address=work|||2 Work St|Worktown|||USA; country=Canada; tel=Work|555-0101; birthday=1980-02-03; "
           "note=Line one\nLine two; web=|https://ann.example"
        << "Profession: Builder";
    QTest::newRow("German mail program, day first")
        << QByteArray("Vorname,Weitere Vornamen,Nachname,Geburtstag,Notizen,Spitzname\nJ\xC3\xBCrgen,Karl,M\xC3\xBCller,"
                      "3.2.1980,Kunde,J\xC3\xBC\n")
        << "middle=Karl; nick=Jü; birthday=1980-02-03; note=Kunde" << "";
    QTest::newRow("French mail program, day first")
        << QByteArray("Pr\xC3\xA9nom,Nom,Anniversaire\nJean,Dupont,03/02/1980\n") << "birthday=1980-02-03" << "";
    QTest::newRow("Japanese mail program, year first")
        << QByteArray("名,姓,誕生日,メモ\n太郎,山田,1980/2/3,営業部の担当\n") << "birthday=1980-02-03; note=営業部の担当" << "";
    QTest::newRow("birthday in three columns, no year")
        << QByteArray("First Name,Last Name,Birth Year,Birth Month,Birth Day,Web Page 1,Web Page 2\n"
                      "Ann,Lee,,2,29,https://w.example,https://h.example\n")
        << "birthday=--02-29; web=|https://w.example,|https://h.example" << "";
    QTest::newRow("a date that does not exist is kept as written")
        << QByteArray("First Name,Birthday\nAnn,2023-02-31\n") << "birthday=2023-02-31" << "";
    QTest::newRow("web book pairs")
        << QByteArray("Given Name,Family Name,Nickname,Birthday,Notes,E-mail 1 - Type,E-mail 1 - Value,"
                      "E-mail 2 - Type,E-mail 2 - Value,Phone 1 - Type,Phone 1 - Value,Website 1 - Type,"
                      "Website 1 - Value,Relation 1 - Type,Relation 1 - Value,Event 1 - Type,Event 1 - Value,"
                      "IM 1 - Type,IM 1 - Service,IM 1 - Value,Organization 1 - Title,Organization 1 - Department,"
                      "Address 1 - Type,Address 1 - Street,Address 1 - Country,Address 2 - Type,Address 2 - City\n"
                      "Ann,Lee,Annie,--03-07,Hi,Work,ann@w.example,* Home,ann@h.example,Mobile,555-0100 ::: 555-0101,"
                      "Blog,https://blog.example,Friend,Cy,Anniversary,2010-06-05,Home,Jabber,ann@jabber.example,"
                      "Architect,Design,Home,1 Main St,Canada,Work,Springfield\n")
        << "nick=Annie; units=Design; job=Architect; emails=Work|ann@w.example; address=Work||||Springfield|||; "
           "country=Canada; tel=Mobile|555-0101; birthday=--03-07; anniversary=2010-06-05; note=Hi; "
           "web=Blog|https://blog.example; im=Jabber|ann@jabber.example; related=Friend|Cy"
        << "";
    QTest::newRow("display name beside other name parts")
        << QByteArray("First Name,Last Name,Display Name\nYossi,Cohen,\xD7\x99\xD7\x95\xD7\xA1\xD7\x99\n")
        << "display=יוסי" << "";
    QTest::newRow("display name made of the parts")
        << QByteArray("First Name,Last Name,Display Name\nYossi,Cohen,\"Cohen, Yossi\"\n") << "" << "";
}

void InterchangeVCardTest::csvColumnsOfDetailsBecomeDetails()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, details);
    QFETCH(QString, unplaced);
    const std::vector<ContactRecord> records = ReadContacts(file, "a.csv");
    QCOMPARE(records.size(), size_t(1));
    QCOMPARE(detailsDump(records.front().details), details);
    QCOMPARE(records.front().unplaced.join("; "), unplaced);
}

// A book's contacts with each kind of detail, exported as CSV and read back:
// fields, numbers and details all as they were.
void InterchangeVCardTest::csvExportOfABookReadsBackWithItsDetails_data()
{
    QTest::addColumn<Contact>("contact");
    Contact base;
    base.firstName = "Ann";
    base.lastName = "Lee";
    base.company = "Acme";
    base.email = "ann@acme.example";
    base.street = "1 Main St";
    base.city = "Springfield";
    base.telephones = {{"Work", "555-0100"}};
    base.isBusiness = true;
    const auto with = [&base](auto change) {
        Contact c = base;
        change(c.details);
        return c;
    };
    QTest::newRow("no details") << base;
    QTest::newRow("names") << with([](ContactDetails &d) {
        d.middleName = "Q.";
        d.namePrefix = "Prof.";
        d.nameSuffix = "PhD";
        d.displayName = "Ann Q. Lee-Smith";
        d.nicknames = {"Annie", "Al"};
    });
    QTest::newRow("organisation") << with([](ContactDetails &d) {
        d.orgUnits = {"Sales", "EMEA"};
        d.jobTitle = "Architect";
        d.role = "Lead";
    });
    QTest::newRow("further e-mails and numbers") << with([](ContactDetails &d) {
        d.emails = {{"home", "ann@home.example"}, {"", "ann@other.example"}};
        d.telephones = {{"Work", "555-0101"}, {"Work", "555-0102"}};
    });
    QTest::newRow("further addresses and country") << with([](ContactDetails &d) {
        d.country = "Canada";
        d.addresses = {{"home", "PO 5", "Flat 2", "2 Elm St\nBack door", "Toronto", "Ontario", "M5V 2T6", "Canada"},
                       {"", "", "", "", "Paris", "", "", ""}};
    });
    QTest::newRow("dates") << with([](ContactDetails &d) {
        d.birthday = ContactDate::fromIso("--02-29");
        d.anniversary = ContactDate::fromIso("20230231");
    });
    QTest::newRow("note of several lines, formula-like") << with([](ContactDetails &d) {
        d.note = "=1+2, \"quoted\"\nsecond line";
    });
    QTest::newRow("links and people") << with([](ContactDetails &d) {
        d.webAddresses = {{"blog", "https://blog.example"}, {"", "https://ann.example"}};
        d.messaging = {{"xmpp", "ann@jabber.example"}};
        d.social = {{"mastodon", "@ann@social.example"}};
        d.related = {{"friend", "Cy"}, {"assistant", "Di"}};
        d.categories = {"VIP", "Friends"};
    });
    QTest::newRow("photo bytes") << with([](ContactDetails &d) { d.photo = {QByteArray("\x89PNG\0\1", 6), "image/png", {}}; });
    QTest::newRow("photo URI") << with([](ContactDetails &d) { d.photo = {{}, {}, "https://ann.example/me.jpg"}; });
    Contact longer = base;
    longer.firstName = "Bartholomew-Alexander";
    longer.state = "Ontario";
    QTest::newRow("values longer than their fields") << longer;
}

void InterchangeVCardTest::csvExportOfABookReadsBackWithItsDetails()
{
    QFETCH(Contact, contact);
    test::TempWorkDir dir;
    EnsureDatabase("Address.mdb");
    AddressBook book("Address.mdb");
    book.open();
    {
        ContactInserter insert(book.database());
        const std::int32_t id = insert.addContact(contact);
        for (const PhoneNumber &n : contact.telephones)
            insert.addNumber(id, insert.addType(n.type), n.number);
        Contact other; // a contact without details beside it
        other.lastName = "Roe";
        insert.addContact(other);
    }
    QCOMPARE(ExportContacts(book.database(), "out.csv", ExportFormat::Csv, ExportScope::All), 2);
    const std::vector<ContactRecord> back = ReadContactFile("out.csv");
    QCOMPARE(back.size(), size_t(2));
    QCOMPARE(back[1].lastName, QString("Roe"));
    QCOMPARE(detailsDump(back[1].details), QString());
    for (const ContactField &f : ContactFields())
        QCOMPARE(back[0].*f.member, contact.*f.member);
    QCOMPARE(back[0].telephones, contact.telephones);
    QCOMPARE(detailsDump(back[0].details), detailsDump(contact.details));
    QVERIFY(back[0].details == contact.details);
}

QTEST_GUILESS_MAIN(InterchangeVCardTest)
#include "tst_interchange_vcard.moc"
