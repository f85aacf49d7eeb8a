// Import into and export from the address book: the mapping onto the
// tables, the summary, no duplicates, all or nothing, round trips, the File
// menu and the command line.
#include "app/BookWindow.h"
#include "app/CommandLine.h"
#include "app/Program.h"
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "store/Database.h"
#include "ui/interchange/ImportSummaryDialog.h"
#include "ui/interchange/ImportSummaryModel.h"
#include "ui/main/MainWindow.h"
#include "ui/types/PhoneTypesDialog.h"
#include "interchange/BookExport.h"
#include "interchange/BookImport.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QListView>
#include <QTest>
#include <QTreeView>
#include <QScrollBar>

#include <algorithm>
#include <functional>
#include <new>

#include <sys/stat.h>

using namespace varnelle;
using namespace varnelle::interchange;
using namespace varnelle::test;

namespace {

const QByteArray TwoCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;Ms.;\r\nORG:Acme\r\n"
                            "TEL;TYPE=WORK:555-0100\r\nTEL;TYPE=CELL:555-0101\r\nTEL;TYPE=WORK,FAX:555-0102\r\n"
                            "END:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob Roe\r\nTEL;TYPE=home;VALUE=uri:tel:555-0200\r\n"
                            "END:VCARD\r\n";
// A card the reading refuses, after the others have been read.
const QByteArray BadCard = "BEGIN:VCARD\r\nNOTE;ENCODING=QUOTED-PRINTABLE:abc=ZZ\r\nEND:VCARD\r\n";

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers a file dialog with the name, as a user types it and clicks Open or Save.
std::function<void(QDialog &)> typeFileName(const QString &name)
{
    return [name](QDialog &d) {
        static_cast<QFileDialog &>(d).selectFile(name);
        auto *buttons = d.findChild<QDialogButtonBox *>("buttonBox");
        QPushButton *accept = buttons->button(QDialogButtonBox::Open);
        if (!accept)
            accept = buttons->button(QDialogButtonBox::Save);
        QTRY_VERIFY(accept->isEnabled()); // once the dialog has looked at the folder
        QTest::mouseClick(accept, Qt::LeftButton);
    };
}

// The book in the current folder, made as a first start makes it, on a connection of its own.
struct Book {
    QSqlDatabase db;
    explicit Book(const QString &connection = "book")
    {
        EnsureDatabase();
        db = OpenDatabase(DatabaseFileName, connection);
    }
    ~Book() { CloseDatabase(db); }
    ImportSummary import(const QByteArray &file, ImportView view = ImportView::ByCompany)
    {
        writeFile("in.vcf", file);
        ImportOptions options;
        options.view = view;
        return ImportContactFile(db, "in.vcf", options);
    }
};

QString count(const QString &table)
{
    return Rows(DatabaseFileName, "SELECT count(*) FROM " + table).value(0).value(0).toString();
}

QString counts()
{
    return count("Address") + "/" + count("TelephoneList") + "/" + count("TelephoneType");
}

// Every contact of the book in one line each, numbers included.
QStringList bookLines(const QSqlDatabase &db)
{
    QStringList lines;
    ReadBookContacts(db, ExportScope::All, [&](const Contact &r) {
        QStringList parts;
        for (const ContactField &f : ContactFields())
            parts << r.*f.member;
        for (const PhoneNumber &t : r.telephones)
            parts << t.type + "=" + t.number;
        lines << parts.join('|');
    });
    lines.sort();
    return lines;
}

// Every contact of the book whole, details included, in one line each.
QStringList wholeContacts(const QSqlDatabase &db)
{
    QStringList lines;
    ReadBookContacts(db, ExportScope::All, [&](const Contact &r) {
        QStringList parts;
        for (const ContactField &f : ContactFields())
            parts << r.*f.member;
        for (const PhoneNumber &t : r.telephones)
            parts << t.type + "=" + t.number;
        parts << QString::number(r.isBusiness) << DetailsText(r.details)
              << QCryptographicHash::hash(r.details.photo.data, QCryptographicHash::Sha1).toHex();
        lines << parts.join('|');
    });
    lines.sort();
    return lines;
}

// The texts of a tree's rows under parent, as shown.
QStringList rowTexts(const QAbstractItemModel *model, const QModelIndex &parent = {})
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(parent); ++row)
        texts << model->index(row, 0, parent).data().toString();
    return texts;
}

// The UID lines of a vCard file, sorted.
QList<QByteArray> cardUids(const QByteArray &file)
{
    QList<QByteArray> uids;
    for (const QByteArray &line : file.split('\n'))
        if (line.startsWith("UID:"))
            uids << line;
    std::sort(uids.begin(), uids.end());
    uids.erase(std::unique(uids.begin(), uids.end()), uids.end());
    return uids;
}

// Whether python3-vobject, a reader of vCards that other programs use, reads
// every card of the file with its FN and the value of every property; its
// complaint in problems.
bool readsWithVobject(const QString &fileName, QString *problems, int cards = 4)
{
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start("/usr/bin/python3",
                 {"-c", "import sys, vobject\n"
                        "cards = list(vobject.readComponents(open(sys.argv[1], encoding='utf-8').read()))\n"
                        "for c in cards:\n"
                        "    assert c.fn.value and c.uid.value and c.prodid.value and c.rev.value, c\n"
                        "    [p.value for ps in c.contents.values() for p in ps]\n"
                        "print(len(cards))\n",
                  fileName});
    python.waitForFinished(60000);
    *problems = QString::fromUtf8(python.readAll()).trimmed();
    return python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0 && *problems == QString::number(cards);
}

QString program()
{
    return QDir(QCoreApplication::applicationDirPath() + "/..").filePath("varnelle");
}

// Runs the program in the current folder; returns its exit code, with stdout and stderr in output.
int runProgram(const QStringList &arguments, QString *output, const QProcessEnvironment &env = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(program(), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class InterchangeBookTest : public QObject {
    Q_OBJECT
private slots:
    void importMapsOntoTheBook_data();
    void importMapsOntoTheBook();
    void summaryListsWhatDidNotFit();
    void secondImportAddsNoDuplicates();
    void alreadyPresentOnlyWhenEverythingMatches_data();
    void alreadyPresentOnlyWhenEverythingMatches();
    void failedOrCancelledImportChangesNothing_data();
    void failedOrCancelledImportChangesNothing();
    void summaryGroupsLinesByKind_data();
    void summaryGroupsLinesByKind();
    void summaryWindowShowsGroupsAndSavesEveryLine();
    void summaryWindowReadsLargeGroupAsScrolled_data();
    void summaryWindowReadsLargeGroupAsScrolled();
    void detailsSurviveExportAndImport_data();
    void detailsSurviveExportAndImport();
    void goldenFilesExportAsTheyAre_data();
    void goldenFilesExportAsTheyAre();
    void exportThenImportKeepsEveryField_data();
    void exportThenImportKeepsEveryField();
    void exportFollowsTheListsOrder();
    void exportNeverWritesOverTheBookOrAReport_data();
    void exportNeverWritesOverTheBookOrAReport();
    void commandLine_data();
    void commandLine();
    void historyCommands_data();
    void historyCommands();
    void desktopKeepsTheBookInTheDataFolder();
    void desktopCommandsLeaveTheCurrentFolder_data();
    void desktopCommandsLeaveTheCurrentFolder();
    void settingsMoveOnceIntoTheProgramsFolder();
    void importAndExportFromTheFileMenu();
    void secondStartHandsItsFilesToTheWindow();
    void exportedFileTakesTheFormatsExtension_data();
    void exportedFileTakesTheFormatsExtension();
};

void InterchangeBookTest::importMapsOntoTheBook_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("isBusiness"); // of Jane (with a company), then Bob
    QTest::newRow("business when a company is given") << int(ImportView::ByCompany) << "1 0";
    QTest::newRow("business") << int(ImportView::Business) << "1 1";
    QTest::newRow("personal") << int(ImportView::Personal) << "0 0";
    QTest::newRow("current view (business on a first start)") << int(ImportView::Current) << "1 1";
}

void InterchangeBookTest::importMapsOntoTheBook()
{
    QFETCH(int, view);
    QFETCH(QString, isBusiness);
    TempWorkDir dir;
    Book book;
    Exec(DatabaseFileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('work')");
    const ImportSummary summary = book.import(TwoCards, ImportView(view));
    QCOMPARE(summary.lines().first(), QString("2 contacts imported from in.vcf; 0 already present."));
    QCOMPARE(summary.typesCreated, (QStringList{"Mobile", "Work Fax", "Home"})); // "work" is Work
    QStringList flags;
    for (const QVariantList &row : Rows(DatabaseFileName, "SELECT IsBusiness FROM Address ORDER BY PersonID"))
        flags << row[0].toString();
    QCOMPARE(flags.join(' '), isBusiness);
    QCOMPARE(bookLines(book.db),
             (QStringList{"Ms.|Jane|Doe|Acme||||||||work=555-0100|Mobile=555-0101|Work Fax=555-0102",
                          "|Bob|Roe|||||||||Home=555-0200"}));
}

void InterchangeBookTest::summaryListsWhatDidNotFit()
{
    TempWorkDir dir;
    Book book;
    ContactRecord r;
    r.firstName = "Bartholomew-Jon"; // 15: fits
    r.lastName = QString::fromUtf8("\U0001F600").repeated(25); // 25 characters as the store counts them
    r.company = QString("C").repeated(31);
    r.state = "Bavaria";
    r.city = QString("Spring") + QChar(u'\0') + "field";
    r.street = "1 Main St\r\nFlat 2\n"; // lines of one field are joined
    r.telephones = {{"Work", "1"}, {"work", "2"}, {"Mobile", QString("9").repeated(21)},
                    {QString("T").repeated(21), "3"}};
    r.unplaced = {"Note: call after six\r\nor at noon"};
    r.line = 7;
    std::vector<ContactRecord> records{r};
    const ImportSummary summary = ImportContacts(book.db, records, {});
    const QString who = r.lastName + ", Bartholomew-Jon (line 7): ";
    const QStringList expected = {
        "1 contact imported; 0 already present.",
        "New telephone types: Work.",
        "2 values could not be placed in the book:",
        who + "City held NUL characters, which were left out.",
        who + "Note: call after six, or at noon (no place in the book)",
    };
    QCOMPARE(summary.lines().join('\n'), expected.join('\n'));
    const QVariantList row
        = Rows(DatabaseFileName, "SELECT FirstName, LastName, Company, State, City, Street FROM Address").value(0);
    QCOMPARE(row.value(0).toString() + "|" + row.value(1).toString() + "|" + row.value(2).toString() + "|"
                 + row.value(3).toString() + "|" + row.value(4).toString() + "|" + row.value(5).toString(),
             "Bartholomew-Jon|" + r.lastName + "|" + r.company.left(30) + "|Ba|Springfield|1 Main St, Flat 2");
    QCOMPARE(count("TelephoneList"), QString("1"));
    // What the columns cannot hold is kept whole beside them.
    QCOMPARE(wholeContacts(book.db).value(0),
             "|Bartholomew-Jon|" + r.lastName + "|" + r.company + "|1 Main St, Flat 2|Bavaria|Springfield||||"
                 "|Work=1|1|tel(work)=2; tel(Mobile)=999999999999999999999; tel(TTTTTTTTTTTTTTTTTTTTT)=3|"
                 + QCryptographicHash::hash({}, QCryptographicHash::Sha1).toHex());
}

void InterchangeBookTest::secondImportAddsNoDuplicates()
{
    TempWorkDir dir;
    Book book;
    book.import(TwoCards);
    const QString before = counts();
    QCOMPARE(book.import(TwoCards, ImportView::Personal).lines().first(),
             QString("0 contacts imported from in.vcf; 2 already present."));
    QByteArray shouting = TwoCards;
    shouting.replace("Doe;Jane", "DOE;JANE").replace("Acme", "ACME");
    QCOMPARE(book.import(shouting + TwoCards).lines().first(),
             QString("0 contacts imported from in.vcf; 4 already present."));
    QCOMPARE(counts(), before);
}

void InterchangeBookTest::alreadyPresentOnlyWhenEverythingMatches_data()
{
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("summary");
    const QByteArray smith = "BEGIN:VCARD\nVERSION:3.0\nN:Smith;John;;;\nADR:;;1 Elm St;Dover;DE;19901;\n"
                             "TEL;TYPE=HOME:555-0100\nEND:VCARD\n";
    QTest::newRow("no name, other number")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nTEL:555-0300\nLANG:second\nEND:VCARD\n")
        << "1 contact imported from in.vcf; 0 already present.\n1 value could not be placed in the book:\n"
           "the contact at line 1 (line 1): Language: second (no place in the book)";
    QTest::newRow("no name, same number")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nTEL:555-0200\nEND:VCARD\n")
        << "1 contact imported from in.vcf; 0 already present.";
    QTest::newRow("same name, other address and number")
        << QByteArray(smith).replace("1 Elm St", "9 Oak Rd").replace("555-0100", "555-0199")
        << "1 contact imported from in.vcf; 0 already present.";
    QTest::newRow("same name and address, another number")
        << QByteArray(smith).replace("END:VCARD", "TEL;TYPE=CELL:555-0101\nEND:VCARD")
        << "1 contact imported from in.vcf; 0 already present.\nNew telephone types: Mobile.";
    QTest::newRow("everything the same, in other letter case")
        << QByteArray(smith).replace("Smith;John", "SMITH;JOHN").replace("TYPE=HOME", "TYPE=home")
        << "0 contacts imported from in.vcf; 1 already present.\nAlready in the book, not added again:\n"
           "SMITH, JOHN (line 1)";
    QTest::newRow("same fields and numbers, and a note")
        << QByteArray(smith).replace("END:VCARD", "NOTE:met in Dover\nEND:VCARD")
        << "1 contact imported from in.vcf; 0 already present.";
}

// A contact is already present when every field and number is a contact's
// of the book; one without name, company or e-mail never is.
void InterchangeBookTest::alreadyPresentOnlyWhenEverythingMatches()
{
    QFETCH(QByteArray, second);
    QFETCH(QString, summary);
    TempWorkDir dir;
    Book book;
    book.import("BEGIN:VCARD\nVERSION:3.0\nN:Smith;John;;;\nADR:;;1 Elm St;Dover;DE;19901;\n"
                "TEL;TYPE=HOME:555-0100\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\nTEL:555-0200\nEND:VCARD\n");
    QCOMPARE(book.import(second).lines().join('\n'), summary);
}

void InterchangeBookTest::failedOrCancelledImportChangesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("failure halfway") << "failure";
    QTest::newRow("cancel halfway") << "cancel";
    QTest::newRow("bad file") << "bad file";
    // Files of more than a megabyte are read a piece at a time, their cards imported as they come.
    QTest::newRow("failure at the last card of a large file") << "large failure";
    QTest::newRow("bad last card of a large file") << "large bad file";
    // The reading runs ahead on a thread of its own and must stop where the storing stopped.
    QTest::newRow("failure at the first card of a large file") << "large early failure";
    QTest::newRow("cancel a large file halfway") << "large cancel";
    QTest::newRow("out of memory halfway") << "out of memory";
    QTest::newRow("book being changed by another program") << "locked";
}

void InterchangeBookTest::failedOrCancelledImportChangesNothing()
{
    QFETCH(QString, how);
    TempWorkDir dir;
    Book book;
    book.import(TwoCards);
    const QString before = counts();
    std::vector<ContactRecord> records(300);
    for (int i = 0; i < 300; ++i) {
        records[size_t(i)].lastName = i == 150 ? QString("Boom") : QString("Last%1").arg(i);
        records[size_t(i)].telephones = {{QString("Type %1").arg(i % 7), "1"}};
    }
    // The store fails on the 151st contact, as a full disk would.
    Exec(DatabaseFileName, "CREATE TRIGGER boom BEFORE INSERT ON Address WHEN NEW.LastName = 'Boom' "
                           "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    ImportOptions options;
    int calls = 0;
    options.progress = [&](qsizetype, qsizetype) {
        if (how == "out of memory" && ++calls == 2)
            throw std::bad_alloc();
        return !(how.endsWith("cancel") && ++calls == 2);
    };
    QByteArray large;
    for (int i = 0; large.size() < (3 << 20) / 2; ++i)
        large += QString("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Large%1;Ann;;;\r\nNOTE:%2\r\nEND:VCARD\r\n")
                     .arg(i)
                     .arg(QString("x").repeated(400))
                     .toUtf8();
    try {
        if (how == "bad file")
            book.import(TwoCards + BadCard);
        else if (how == "large bad file")
            book.import(large + BadCard);
        else if (how == "large failure")
            book.import(large + "BEGIN:VCARD\r\nN:Boom;Ann;;;\r\nEND:VCARD\r\n");
        else if (how == "large early failure")
            book.import("BEGIN:VCARD\r\nN:Boom;Ann;;;\r\nEND:VCARD\r\n" + large);
        else if (how == "locked") {
            QSqlDatabase other = OpenDatabase(DatabaseFileName, "other"); // another program, changing the book
            const auto close = qScopeGuard([&other] {
                other.rollback();
                CloseDatabase(other);
            });
            QVERIFY(other.transaction() && QSqlQuery("DELETE FROM Setup WHERE 0", other).isActive());
            ImportContacts(book.db, records, options);
        } else if (how == "large cancel")
            QVERIFY((writeFile("in.vcf", large), ImportContactFile(book.db, "in.vcf", options).cancelled));
        else if (ImportContacts(book.db, records, options).cancelled)
            QCOMPARE(how, QString("cancel"));
        QVERIFY(how.endsWith("cancel"));
    } catch (const std::bad_alloc &) {
        QCOMPARE(how, QString("out of memory"));
    } catch (const InterchangeError &error) {
        const char *expected = how.endsWith("failure") ? "disk full"
            : how == "locked" ? "The address book is being changed by another program or window right now."
                              : "quoted-printable";
        QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
    }
    QCOMPARE(counts(), before);
}

void InterchangeBookTest::summaryGroupsLinesByKind_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("grouped"); // the summary as the command line prints it
    QTest::newRow("a value of every contact, counted")
        << 60
        << "60 contacts imported from in.vcf; 0 already present.\n"
           "Time zone — 60 contacts (-05:00 55, -06:00 3, +01:00 2)\n"
           "Language — 3 contacts (listed)\n"
           "  Card0, Ann (line 1): Language: de (no place in the book)\n"
           "  Card25, Ann (line 152): Language: de (no place in the book)\n"
           "  Card50, Ann (line 303): Language: de (no place in the book)";
    QTest::newRow("a kind whose values vary, and more contacts than are listed")
        << 120
        << "120 contacts imported from in.vcf; 0 already present.\n"
           "Time zone — 120 contacts (-05:00 111, -06:00 6, +01:00 3)\n"
           "Mail program — 120 contacts\n"
           "Language — 5 contacts (listed)\n"
           "  Card0, Ann (line 1): Language: de (no place in the book)\n"
           "  Card25, Ann (line 177): Language: de (no place in the book)\n"
           "  Card50, Ann (line 353): Language: de (no place in the book)\n"
           "  Card75, Ann (line 529): Language: de (no place in the book)\n"
           "  Card100, Ann (line 705): Language: de (no place in the book)";
}

// The summary in groups: a kind of value with its count and the values most
// met, or its lines when there are few; the lines themselves stay as they are.
void InterchangeBookTest::summaryGroupsLinesByKind()
{
    QFETCH(int, cards);
    QFETCH(QString, grouped);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TempWorkDir dir;
    Book book;
    QByteArray file;
    for (int i = 0; i < cards; ++i) {
        const char *zone = i % 40 == 1 ? "+01:00" : i % 20 == 0 ? "-06:00" : "-05:00";
        file += QString("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Card%1;Ann;;;\r\nADR:;;1 Main St;Springfield;%2;;USA\r\n"
                        "TZ:%3\r\n")
                    .arg(i)
                    .arg(i == 7 ? "Bavaria" : "IL", zone)
                    .toUtf8();
        if (cards > 100)
            file += "MAILER:Mailer " + QByteArray::number(i) + "\r\n";
        file += i % 25 == 0 ? "LANG:de\r\nEND:VCARD\r\n" : "END:VCARD\r\n";
    }
    const ImportSummary summary = book.import(file);
    QLocale::setDefault(QLocale::system());
    QCOMPARE(summary.groupedLines().join('\n'), grouped);
    qsizetype lines = 0;
    for (const SummaryGroup &group : summary.groups())
        lines += group.lines;
    QCOMPARE(summary.lines().size(), summary.headLines().size() + 1 + lines); // one heading for the values
}

void InterchangeBookTest::summaryWindowShowsGroupsAndSavesEveryLine()
{
    TempWorkDir dir;
    Book book;
    QByteArray file = TwoCards;
    for (int i = 0; i < 60; ++i)
        file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Card" + QByteArray::number(i) + ";Ann;;;\r\nLANG:n" +
                QByteArray::number(i) + "\r\nEND:VCARD\r\n";
    book.import(TwoCards);
    const ImportSummary summary = book.import(file);
    ImportSummaryDialog shown(CurrentBook(), summary);
    auto *tree = find<QTreeView>(shown, "summaryTree");
    QCOMPARE(rowTexts(tree->model()), (QStringList{"60 contacts imported from in.vcf; 2 already present.",
                                                   "Already in the book — 2 contacts (listed)", "Language — 60 contacts"}));
    QTest::keyClick(tree, Qt::Key_Home); // the last group, opened with the keyboard
    QTest::keyClick(tree, Qt::Key_End);
    QTest::keyClick(tree, Qt::Key_Right);
    const QModelIndex notes = tree->model()->index(2, 0);
    QVERIFY(tree->isExpanded(notes));
    const QStringList lines = rowTexts(tree->model(), notes);
    QCOMPARE(lines.size(), 60);
    QCOMPARE(lines[59], QString("Card59, Ann (line %1): Language: n59 (no place in the book)").arg(14 + 59 * 5));
    ModalScript saving;
    saving.expect("saveSummaryDialog", typeFileName("summary.txt"));
    saving.run([&] { QTest::mouseClick(find<QPushButton>(shown, "saveAsButton"), Qt::LeftButton); });
    QCOMPARE(saving.pending(), 0);
    QCOMPARE(QString::fromUtf8(ReadAll("summary.txt")), summary.lines().join('\n') + '\n');
    QCOMPARE(summary.lines().size(), 2 + 2 + 1 + 60);
}

void InterchangeBookTest::summaryWindowReadsLargeGroupAsScrolled_data()
{
    QTest::addColumn<int>("lines");      // of the large group; a few thousand go partly to disk
    QTest::addColumn<bool>("lastGroup"); // else another group follows it
    QTest::addColumn<int>("from");       // a range of its lines read alone
    QTest::addColumn<int>("count");
    QTest::newRow("first lines, last group") << 3000 << true << 0 << 10;
    QTest::newRow("across a kept place, a group after it") << 3000 << false << 250 << 20;
    QTest::newRow("from disk into memory, past the end") << 3000 << true << 2995 << 100;
    QTest::newRow("from past the end") << 3000 << false << 3001 << 5;
    QTest::newRow("all in memory") << 700 << false << 500 << 200;
}

// A large group shows a first chunk of its lines when opened and reads
// another each time it is scrolled to the last line read, until it shows all.
void InterchangeBookTest::summaryWindowReadsLargeGroupAsScrolled()
{
    QFETCH(int, lines);
    QFETCH(bool, lastGroup);
    QFETCH(int, from);
    QFETCH(int, count);
    TempWorkDir dir;
    ImportSummary summary;
    summary.setHead({"0 contacts imported from in.vcf; 0 already present."});
    summary.setHeading(ImportSummary::Section::Notes, "Notes");
    QStringList expected;
    for (int i = 0; i < lines; ++i) {
        const bool other = i % 3 == 0;
        if (other && lastGroup)
            summary.addLine(ImportSummary::Section::Notes, u"Before", QString("Before %1").arg(i));
        expected << QString("Line %1: ").arg(i) + QString(80, QChar(0xe9));
        summary.addLine(ImportSummary::Section::Notes, u"Large", expected.last());
        if (other && !lastGroup)
            summary.addLine(ImportSummary::Section::Notes, u"After", QString("After %1").arg(i));
    }
    const int large = lastGroup ? 1 : 0;
    QCOMPARE(summary.groupLines(large, from, count), expected.mid(from, count));

    ImportSummaryDialog shown(CurrentBook(), summary);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    auto *tree = find<QTreeView>(shown, "summaryTree");
    QTest::keyClick(tree, Qt::Key_Home);
    for (int i = 0; i <= large; ++i) // past the head line to the group, opened with the keyboard
        QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Right);
    const QModelIndex group = tree->model()->index(1 + large, 0);
    QVERIFY(tree->isExpanded(group));
    const int chunk = ImportSummaryModel::ChunkLines;
    QCOMPARE(tree->model()->rowCount(group), std::min(lines, chunk));
    for (int read = chunk; read < lines; read += chunk) {
        QCoreApplication::processEvents(); // the lines read laid out, as between two moves of a user
        // The scroll bar dragged to its end brings the last line read into sight.
        tree->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(tree->model()->rowCount(group), std::min(lines, read + chunk));
    }
    QCOMPARE(rowTexts(tree->model(), group), expected);
}

void InterchangeBookTest::detailsSurviveExportAndImport_data()
{
    QTest::addColumn<QByteArray>("card"); // the lines of a vCard 3.0 after its VERSION
    QTest::addColumn<QString>("kept");    // what the book holds of it
    const QByteArray name = "N:Lee;Ann;;;\r\n";
    QTest::newRow("name parts") << QByteArray("N:Lee;Ann;Q.;Dr.,Prof.;Jr.\r\nFN:Dr. Prof. Ann Q. Lee Jr.\r\n")
                                << "Dr.|Ann|Lee|||||||||0|middle=Q.; prefix=Prof.; suffix=Jr.|";
    QTest::newRow("display name in another script") << name + "FN:\xE6\x9D\x8E\xE5\xAE\x89\r\n"
                                                    << "display=李安|";
    QTest::newRow("nicknames") << name + "NICKNAME:Annie,Lee-Lee\r\n" << "nick=Annie,Lee-Lee|";
    QTest::newRow("organisation") << name + "ORG:Acme;Sales;East\r\nTITLE:Manager\r\nROLE:Buyer\r\n"
                                  << "|Acme||||||||1|units=Sales,East; title=Manager; role=Buyer|";
    QTest::newRow("every e-mail")
        << name + "EMAIL;TYPE=INTERNET,WORK:a@work.example\r\nEMAIL;TYPE=home:a@home.example\r\n"
                  "item1.EMAIL:a@club.example\r\nitem1.X-ABLabel:Club\r\n"
        << "a@work.example|||0|email(home)=a@home.example; email(Club)=a@club.example|";
    QTest::newRow("addresses and countries")
        << name + "ADR;TYPE=work:;;1 Main St;Springfield;IL;62701;USA\r\n"
                  "ADR;TYPE=home,postal:PO 5;Flat 2;12 Elm St\\nBack door;Berlin;Berlin;10115;Germany\r\n"
        << "1 Main St|IL|Springfield|62701||||0|adr(home, postal)=PO 5/Flat 2/12 Elm St\nBack door/Berlin/Berlin/"
           "10115/Germany; country=USA|";
    QTest::newRow("a state in full") << name + "ADR:;;1 Front St;Toronto;Ontario;M5V 2T6;Canada\r\n"
                                     << "1 Front St|Ontario|Toronto|M5V 2T6||||0|country=Canada|";
    QTest::newRow("further numbers of a type, numbers longer than the list holds")
        << name + "TEL;TYPE=work:555-0100\r\nTEL;TYPE=work:555-0101\r\nTEL;TYPE=cell:+49 170 1234567 890123\r\n"
                  "TEL;X-LABEL=Satellite phone of the boat:555-0102\r\n"
        << "|Work=555-0100|0|tel(Work)=555-0101; tel(Mobile)=+49 170 1234567 890123; tel(Satellite phone of the "
           "boat)=555-0102|";
    QTest::newRow("dates") << name + "BDAY:1984-03-07\r\nX-ANNIVERSARY:--0612\r\n"
                           << "bday=1984-03-07; anniversary=--06-12|";
    QTest::newRow("an anniversary as phones write it")
        << name + "item1.X-ABDATE:2010-06-12\r\nitem1.X-ABLabel:_$!<Anniversary>!$_\r\n" << "anniversary=2010-06-12|";
    QTest::newRow("a date that does not exist") << name + "BDAY:20230231\r\n" << "bday=20230231|";
    QTest::newRow("note of several lines") << name + "NOTE:Call after six\\nor at noon\\, please\r\n"
                                           << "note=Call after six\nor at noon, please|";
    QTest::newRow("web addresses")
        << name + "URL;TYPE=work:https://acme.example/ann\r\nitem1.URL:https://ann.example\r\n"
                  "item1.X-ABLabel:_$!<HomePage>!$_\r\n"
        << "url(work)=https://acme.example/ann; url(HomePage)=https://ann.example|";
    QTest::newRow("messaging")
        << name + "IMPP:xmpp:ann@jabber.example\r\nIMPP;X-SERVICE-TYPE=Skype:skype:ann.lee\r\nX-AIM:annlee\r\n"
                  "X-JABBER:ann@chat.example\r\nX-ICQ:12345\r\nX-MESSAGING/IRC-ALL:annlee\r\n"
        << "impp(xmpp)=xmpp:ann@jabber.example; impp(Skype)=skype:ann.lee; impp(aim)=annlee; "
           "impp(jabber)=ann@chat.example; impp(icq)=12345; impp(irc)=annlee|";
    QTest::newRow("social profiles")
        << name + "X-SOCIALPROFILE;TYPE=twitter:https://twitter.example/ann\r\n"
                  "item1.X-SOCIALPROFILE:ann.lee\r\nitem1.X-ABLabel:Fediverse\r\n"
        << "social(twitter)=https://twitter.example/ann; social(Fediverse)=ann.lee|";
    QTest::newRow("related people")
        << name + "X-ABRELATEDNAMES;TYPE=friend:Bob Roe\r\nitem1.X-ABRELATEDNAMES:Cy Lee\r\nitem1.X-ABLabel:_$!<Spouse>!$_\r\n"
                  "item2.X-ABRELATEDNAMES:Di Lee\r\nitem2.X-ABLabel:_$!<Spouse>!$_\r\n"
                  "item3.X-ABRELATEDNAMES:Ed Lee\r\nitem3.X-ABLabel:_$!<Manager>!$_\r\nX-MS-ASSISTANT:Gil Moe\r\n"
        << "|Cy Lee||0|related(friend)=Bob Roe; related(spouse)=Di Lee; related(Manager)=Ed Lee; related(assistant)=Gil Moe|";
    QTest::newRow("categories") << name + "CATEGORIES:Friends,Book Club\r\n" << "categories=Friends,Book Club|";
    QTest::newRow("photo inline") << name + "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJ"
                                            "AAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==\r\n"
                                  << "photo=image/png of 70 bytes|";
    QTest::newRow("photo as a data URI") << name + "PHOTO:data:image/jpeg;base64,/9j/4AAQSkZJRg==\r\n"
                                         << "photo=image/jpeg of 10 bytes|";
    QTest::newRow("photo as a link") << name + "PHOTO;VALUE=uri:https://example.com/ann.jpg\r\n"
                                     << "photo=https://example.com/ann.jpg|";
    QTest::newRow("values longer than their fields")
        << QByteArray("N:Lee-Montgomery-Fitzgerald;Bartholomew-Jonathan;;;\r\n")
        << "|Bartholomew-Jonathan|Lee-Montgomery-Fitzgerald|";
}

// A detail of each kind is kept by an import, written by the exports of
// vCard 3.0 and 4.0, and read back by their import as it was.
void InterchangeBookTest::detailsSurviveExportAndImport()
{
    QFETCH(QByteArray, card);
    QFETCH(QString, kept);
    TempWorkDir dir;
    Book book;
    const ImportSummary summary = book.import("BEGIN:VCARD\r\nVERSION:3.0\r\n" + card + "END:VCARD\r\n");
    QVERIFY2(!summary.lines().join('\n').contains("no place in the book"), qPrintable(summary.lines().join('\n')));
    const QStringList original = wholeContacts(book.db);
    QVERIFY2(original.join('\n').contains(kept), qPrintable(original.join('\n')));
    for (const ExportFormat format : {ExportFormat::VCard3, ExportFormat::VCard4}) {
        const QString file = dir.file(format == ExportFormat::VCard3 ? "out3.vcf" : "out4.vcf");
        QCOMPARE(ExportContacts(book.db, file, format, ExportScope::All), 1);
        TempWorkDir again;
        Book fresh("fresh");
        ImportContactFile(fresh.db, file, {});
        QCOMPARE(wholeContacts(fresh.db), original);
    }
}

void InterchangeBookTest::goldenFilesExportAsTheyAre_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("format");
    QTest::newRow("vCard 3.0") << "details-3.vcf" << int(ExportFormat::VCard3);
    QTest::newRow("vCard 4.0") << "details-4.vcf" << int(ExportFormat::VCard4);
}

// A card with every detail, as the export writes it: imported and exported
// again it is the same file, and other programs' readers read it.
void InterchangeBookTest::goldenFilesExportAsTheyAre()
{
    QFETCH(QString, file);
    QFETCH(int, format);
    TempWorkDir dir;
    Book book;
    const QString golden = QStringLiteral(VARNELLE_TEST_DATA_DIR "/interchange/") + file;
    const ImportSummary summary = ImportContactFile(book.db, golden, {});
    QCOMPARE(summary.lines().join('\n'),
             QString("1 contact imported from %1; 0 already present.\nNew telephone types: Work, Home Fax.").arg(file));
    QCOMPARE(ExportContacts(book.db, "out.vcf", ExportFormat(format), ExportScope::All), 1);
    auto withoutStamps = [](const QByteArray &text) {
        QByteArrayList lines;
        for (const QByteArray &line : text.split('\n'))
            if (!line.startsWith("UID:") && !line.startsWith("REV:") && !line.startsWith("PRODID:"))
                lines << line;
        return lines.join('\n');
    };
    QCOMPARE(withoutStamps(ReadAll("out.vcf")), withoutStamps(ReadAll(golden)));
    QString problems;
    QVERIFY2(readsWithVobject("out.vcf", &problems, 1), qPrintable(problems));
}

void InterchangeBookTest::exportThenImportKeepsEveryField_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("vCard 4.0") << int(ExportFormat::VCard4) << "all.vcf";
    QTest::newRow("vCard 3.0") << int(ExportFormat::VCard3) << "all.vcf";
    QTest::newRow("CSV") << int(ExportFormat::Csv) << "all.csv";
}

void InterchangeBookTest::exportThenImportKeepsEveryField()
{
    QFETCH(int, format);
    QFETCH(QString, fileName);
    TempWorkDir dir;
    QStringList original;
    {
        Book book;
        book.import(TwoCards +
                    "BEGIN:VCARD\nVERSION:4.0\nN:Ng;Li;;Dr.;\nORG:Ng\\, Lim & Co\nADR;TYPE=work:;Suite 5;"
                    "1 Long Rd;Perth;WA;6000;\nEMAIL:li@ng.example\nRELATED;TYPE=spouse:Mo Ng\n"
                    "RELATED;TYPE=child:Al\nRELATED;TYPE=child:Bo\nitem1.TEL:=7\nitem1.X-ABLabel:B\xC3\xBCro\n"
                    "END:VCARD\n");
        // Type names as the program keeps them, and a contact with numbers only.
        Exec(DatabaseFileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('cell'), ('pager 2'), ('*VIP')");
        Exec(DatabaseFileName, "INSERT INTO Address (IsBusiness) VALUES (0)");
        Exec(DatabaseFileName, "INSERT INTO TelephoneList (PersonID, TypeID, Number) SELECT (SELECT max(PersonID) "
                               "FROM Address), TypeID, '555-04' || TypeID FROM TelephoneType WHERE TelephoneType IN "
                               "('cell', 'pager 2', '*VIP')");
        original = bookLines(book.db);
        QCOMPARE(ExportContacts(book.db, fileName, ExportFormat(format), ExportScope::All), 4);
        QCOMPARE(ExportContacts(book.db, "business.vcf", ExportFormat(format), ExportScope::Business), 2);
        if (format != int(ExportFormat::Csv)) {
            const QByteArray first = ReadAll(fileName);
            for (const char *line : {"\r\nPRODID:-//Varnelle//", "\r\nUID:urn:uuid:", "\r\nREV:"})
                QCOMPARE(first.count(line), 4);
            QVERIFY(!first.contains("\r\nFN:\r\n"));
            QVERIFY(first.contains("X-LABEL=\"B\xC3\xBCro\":=7")); // kept by readers of plain TEL too
            QVERIFY(!first.contains("item1.TEL"));
            QCOMPARE(ExportContacts(book.db, "again.vcf", ExportFormat(format), ExportScope::All), 4);
            QCOMPARE(cardUids(ReadAll("again.vcf")), cardUids(first)); // the same contact, the same UID
            QCOMPARE(cardUids(first).size(), 4);
            QString problems;
            QVERIFY2(readsWithVobject(fileName, &problems), qPrintable(problems));
        } else {
            QVERIFY(ReadAll(fileName).startsWith("\xEF\xBB\xBF")); // spreadsheets read UTF-8 after it
        }
    }
    QVERIFY(QFile::rename(DatabaseFileName, "old.mdb"));
    Book fresh;
    ImportOptions options;
    ImportContactFile(fresh.db, fileName, options);
    QCOMPARE(bookLines(fresh.db), original);
    QVERIFY(original.contains("Dr.|Li|Ng|Ng, Lim & Co|1 Long Rd, Suite 5|WA|Perth|6000|li@ng.example|Mo Ng|Al, "
                              "Bo|Büro==7"));
}

void InterchangeBookTest::exportFollowsTheListsOrder()
{
    TempWorkDir dir;
    Book book;
    Exec(DatabaseFileName, "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Zeller'), (1, 'Émile'),"
                           " (1, 'adams'), (1, 'Ärzte'), (1, 'Baker'), (0, 'Aaron')");
    QStringList names;
    ReadBookContacts(book.db, ExportScope::All, [&](const Contact &r) { names << r.lastName; });
    QCOMPARE(names, (QStringList{"adams", "Ärzte", "Baker", "Émile", "Zeller", "Aaron"}));
}

void InterchangeBookTest::exportNeverWritesOverTheBookOrAReport_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("the book") << DatabaseFileName;
    QTest::newRow("the book in capitals") << "ADDRESS.MDB";
    QTest::newRow("the repair copy") << "_MDBFIX_.MDB";
    QTest::newRow("a report definition") << "bAddress.rpt";
}

void InterchangeBookTest::exportNeverWritesOverTheBookOrAReport()
{
    QFETCH(QString, fileName);
    TempWorkDir dir;
    Book book;
    book.import(TwoCards);
    if (!QFile::exists(fileName))
        writeFile(fileName, "kept");
    const QByteArray before = ReadAll(fileName);
    try {
        ExportContacts(book.db, fileName, ExportFormat::VCard4, ExportScope::All);
        QFAIL("the file was written");
    } catch (const InterchangeError &error) {
        QVERIFY2(error.message().startsWith("Contacts are never exported to"), qPrintable(error.message()));
    }
    QCOMPARE(ReadAll(fileName), before);
}

void InterchangeBookTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fileHolds");
    QTest::newRow("import again") << QStringList{"--import", "in.vcf", "--into", "personal"} << 1
                                  << "0 contacts imported from in.vcf; 2 already present." << "" << "";
    QTest::newRow("import with every line to a file")
        << QStringList{"--import", "in.vcf", "--summary", "summary.txt"} << 1
        << "0 contacts imported from in.vcf; 2 already present.\nAlready in the book — 2 contacts (listed)\n"
           "  Doe, Jane (line 1)\n"
        << "summary.txt"
        << "0 contacts imported from in.vcf; 2 already present.\nAlready in the book, not added again:\n"
           "Doe, Jane (line 1)\nRoe, Bob (line 9)\n";
    QTest::newRow("summary without an import") << QStringList{"--export", "x.vcf", "--summary", "s.txt"} << 2
                                               << "--summary belongs to --import." << "" << "";
    QTest::newRow("export vCard 4.0") << QStringList{"--export", "out.vcf"} << 0 << "2 contacts exported to out.vcf."
                                      << "out.vcf" << "VERSION:4.0";
    QTest::newRow("export vCard 3.0, personal")
        << QStringList{"--export", "out.vcf", "--format", "vcard3", "--view", "personal"} << 0
        << "1 contact exported to out.vcf." << "out.vcf" << "N:Roe;Bob;;;";
    QTest::newRow("export CSV by the name") << QStringList{"--export", "out.csv"} << 0 << "2 contacts exported"
                                            << "out.csv" << "Title,First Name,Last Name";
    QTest::newRow("export over the book") << QStringList{"--export", "Address.mdb"} << 1
                                          << "Contacts are never exported to 'Address.mdb'" << "" << "";
    QTest::newRow("import a missing file") << QStringList{"--import", "none.vcf"} << 1
                                           << "The file 'none.vcf' cannot be read" << "" << "";
    QTest::newRow("import a bad file") << QStringList{"--import", "bad.vcf"} << 1
                                       << "The file 'bad.vcf' cannot be imported. Line 2:" << "" << "";
    QTest::newRow("import an empty vCard file") << QStringList{"--import", "empty.vcf"} << 1
                                                << "The file 'empty.vcf' cannot be imported. The file is empty" << ""
                                                << "";
    QTest::newRow("import an empty CSV file") << QStringList{"--import", "empty.csv"} << 1
                                              << "The file 'empty.csv' cannot be imported. The file is empty" << ""
                                              << "";
    // Only regular files are read and written: a pipe would wait for ever, a device give bytes without end, and
    // either would be replaced by the file written.
    QTest::newRow("import a pipe") << QStringList{"--import", "pipe.vcf"} << 1
                                   << "The file 'pipe.vcf' cannot be read: it is a pipe (FIFO), not a file." << ""
                                   << "";
    QTest::newRow("import a folder") << QStringList{"--import", "folder"} << 1
                                     << "The file 'folder' cannot be read: it is a folder, not a file." << "" << "";
    QTest::newRow("import a device") << QStringList{"--import", "/dev/zero"} << 1
                                     << "The file 'zero' cannot be read: it is a device, not a file." << "" << "";
    QTest::newRow("export to a pipe") << QStringList{"--export", "pipe.vcf"} << 1
                                      << "The file 'pipe.vcf' could not be written: it is a pipe (FIFO), not a file."
                                      << "" << "";
    QTest::newRow("export to a device") << QStringList{"--export", "/dev/null", "--format", "csv"} << 1
                                        << "The file 'null' could not be written: it is a device, not a file." << ""
                                        << "";
    QTest::newRow("summary to a device") << QStringList{"--import", "in.vcf", "--summary", "/dev/null"} << 1
                                         << "The file 'null' could not be written: it is a device" << "" << "";
    QTest::newRow("every note of the reading in the summary")
        << QStringList{"--import", "comments.vcf", "--summary", "s.txt"} << 1 << "Skipped in the file — 3" << "s.txt"
        << "Line 2999: the comment \"# c\" was skipped.\nLine 3000: the comment \"# c\" was skipped.\n";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "Unknown option 'bogus'." << "" << "";
    QTest::newRow("a file beside a command") << QStringList{"--export", "out.vcf", "in.vcf"} << 2
                                             << "Unexpected argument 'in.vcf'." << "" << "";
    QTest::newRow("the search provider with a command") << QStringList{"--search-provider", "--find", "x"} << 2
                                                        << "--find cannot be given with --search-provider." << ""
                                                        << "";
    QTest::newRow("a contact that is no number") << QStringList{"--edit-contact", "x"} << 2
                                                 << "--edit-contact takes the number of a contact, not 'x'." << ""
                                                 << "";
    QTest::newRow("unknown view") << QStringList{"--export", "x.vcf", "--view", "some"} << 2
                                  << "--view takes business, personal or all, not 'some'." << "" << "";
    QTest::newRow("unknown format") << QStringList{"--export", "x.vcf", "--format", "xml"} << 2
                                    << "--format takes vcard4, vcard3 or csv" << "" << "";
    QTest::newRow("show in another format") << QStringList{"--show", "x", "--format", "csv"} << 2
                                            << "--show takes --view and --format vcard4." << "" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Varnelle For Windows 1.0" << "" << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--import <file>" << "" << "";
    QTest::newRow("history") << QStringList{"--history"} << 0 << "\tImport of 2 contacts from in.vcf\n" << ""
                             << "";
    QTest::newRow("nothing to redo") << QStringList{"--redo"} << 1 << "There is nothing to redo." << "" << "";
    QTest::newRow("no such change") << QStringList{"--undo", "99"} << 1 << "Change 99 cannot be undone" << "" << "";
    QTest::newRow("no such deleted contact") << QStringList{"--restore", "99"} << 1
                                             << "Contact 99 cannot be restored" << "" << "";
    QTest::newRow("a limit without the history") << QStringList{"--deleted", "--limit", "2"} << 2
                                                 << "--limit belongs to --history." << "" << "";
    QTest::newRow("an undo that is no number") << QStringList{"--undo", "last"} << 2
                                               << "'last' is not a number of a change" << "" << "";
}

// The history from the command line: each step's command, after the
// sqlite3 shell ran the statement given; the last step's status and output,
// and the contacts left. "N" in --restore is the number --deleted printed first.
void InterchangeBookTest::historyCommands_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("contacts");
    QTest::newRow("undo the import") << "" << QStringList{"--undo"} << 0
                                     << "Undone: Import of 2 contacts from in.vcf" << 0;
    QTest::newRow("redo it") << "" << QStringList{"--undo", "--redo"} << 0
                             << "Redone: Import of 2 contacts from in.vcf" << 2;
    QTest::newRow("nothing left to undo") << "" << QStringList{"--undo", "--undo"} << 1
                                          << "There is nothing to undo." << 0;
    QTest::newRow("a later change in the way") << "UPDATE Address SET City = 'Rome'" << QStringList{"--undo 1"} << 1
                                               << "Later changes to the same contacts stand in the way: 2 Change by "
                                                  "another program. Give --force to undo them too."
                                               << 2;
    QTest::newRow("undone with it by force") << "UPDATE Address SET City = 'Rome'"
                                             << QStringList{"--undo 1 --force"} << 0 << "Undone: 2 changes" << 0;
    QTest::newRow("deleted by the shell") << "DELETE FROM Address WHERE LastName = 'Roe'" << QStringList{"--deleted"}
                                          << 0 << "\tRoe, Bob\tChange by another program\n" << 1;
    QTest::newRow("restored") << "DELETE FROM Address WHERE LastName = 'Roe'" << QStringList{"--restore N"} << 0
                              << "Restored: Roe, Bob" << 2;
    QTest::newRow("the book busy") << "BEGIN EXCLUSIVE" << QStringList{"--undo"} << 1
                                   << "is in use by another program" << 2;
}

void InterchangeBookTest::historyCommands()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, steps);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(int, contacts);
    TempWorkDir dir;
    writeFile("in.vcf", TwoCards);
    QString printed;
    QCOMPARE(runProgram({"--import", "in.vcf"}, &printed), 0);
    // The shell keeps its transaction open while the steps run.
    QProcess shell;
    shell.start("sqlite3", {DatabaseFileName});
    QVERIFY(shell.waitForStarted());
    shell.write((sql + ";\n.print done\n").toUtf8());
    QVERIFY(shell.waitForReadyRead());
    QString deleted;
    runProgram({"--deleted"}, &deleted);
    int status = -1;
    for (const QString &step : steps) {
        QStringList arguments = step.split(' ');
        arguments.replaceInStrings(QRegularExpression("^N$"), deleted.section('\t', 0, 0));
        status = runProgram(arguments, &printed);
    }
    shell.closeWriteChannel();
    QVERIFY(shell.waitForFinished());
    QCOMPARE(status, exitCode);
    QVERIFY2(printed.contains(output), qPrintable(printed));
    QCOMPARE(count("Address"), QString::number(contacts));
}

void InterchangeBookTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, fileName);
    QFETCH(QString, fileHolds);
    TempWorkDir dir;
    writeFile("in.vcf", TwoCards);
    writeFile("bad.vcf", "BEGIN:VCARD\nNOTE;ENCODING=QUOTED-PRINTABLE:abc=ZZ\nEND:VCARD\n");
    writeFile("empty.vcf", "");
    writeFile("empty.csv", "");
    writeFile("comments.vcf", QByteArray("# c\n").repeated(3000) + TwoCards);
    QVERIFY(::mkfifo("pipe.vcf", 0600) == 0 && QDir().mkdir("folder"));
    QString printed;
    QCOMPARE(runProgram({"--import", "in.vcf"}, &printed), 0); // the first start makes the book
    QVERIFY(printed.startsWith("2 contacts imported from in.vcf; 0 already present."));
    QCOMPARE(count("Setup"), QString("1"));
    QCOMPARE(runProgram(arguments, &printed), exitCode);
    QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(output), qPrintable(printed));
    if (!fileName.isEmpty())
        QVERIFY(ReadAll(fileName).contains(fileHolds.toUtf8()));
    QCOMPARE(count("Address"), QString("2"));
    for (const char *special : {"pipe.vcf", "folder", "/dev/null"})
        QVERIFY2(QFileInfo(special).exists() && !QFileInfo(special).isFile(), special);
}

void InterchangeBookTest::desktopKeepsTheBookInTheDataFolder()
{
    TempWorkDir dir;
    writeFile("in.vcf", TwoCards);
    writeFile("not-a-folder", "x");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString printed;
    env.insert("XDG_DATA_HOME", dir.file("data"));
    QCOMPARE(runProgram({"--desktop", "--import", dir.file("in.vcf")}, &printed, env), 0);
    QVERIFY(QFile::exists(dir.file("data/Varnelle/Address.mdb")));
    QVERIFY(!QFile::exists(DatabaseFileName));
    env.insert("XDG_DATA_HOME", dir.file("not-a-folder"));
    QCOMPARE(runProgram({"--desktop", "--import", dir.file("in.vcf")}, &printed, env), 1);
    QVERIFY2(printed.contains("cannot be created or entered"), qPrintable(printed));
}

void InterchangeBookTest::desktopCommandsLeaveTheCurrentFolder_data()
{
    QTest::addColumn<QStringList>("arguments"); // after --desktop; files named alone are beside the book
    QTest::addColumn<QString>("output");
    // Nothing imported is status 1.
    QTest::newRow("import") << QStringList{"--import", "in.vcf"}
                            << "0 contacts imported from in.vcf; 2 already present.";
    QTest::newRow("export") << QStringList{"--export", "out.vcf"} << "2 contacts exported to out.vcf.";
    QTest::newRow("find") << QStringList{"--find", "Acme"} << "Acme";
    QTest::newRow("check") << QStringList{"--check"} << "The database file 'Address.mdb' is sound.";
    QTest::newRow("repair") << QStringList{"--repair"}
                            << "The database file 'Address.mdb' was sound and has been compacted.";
    QTest::newRow("sync accounts") << QStringList{"--accounts"} << "No sync accounts.";
    QTest::newRow("report") << QStringList{"--report", "telephone", "--to", "out.csv"} << "";
}

void InterchangeBookTest::desktopCommandsLeaveTheCurrentFolder()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    TempWorkDir dir;
    writeFile("in.vcf", TwoCards);
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHome); });
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.file("data")));
    const QString here = QDir::currentPath();
    const QString folder = dir.file("data/" + QCoreApplication::applicationName()); // the program's: Varnelle
    const QString book = folder + "/Address.mdb";
    const auto run = [](const QStringList &arguments, QString *printed) {
        const CommandLine command = ParseCommandLine(QStringList{"varnelle", "--desktop"} + arguments);
        QString error, errors;
        const QString bookFile = BookFileOf(command, &error);
        QTextStream out(printed), err(&errors);
        const int status = RunWithoutWindows(command, bookFile, out, err);
        out.flush();
        err.flush();
        *printed += errors;
        return status;
    };
    QString printed;
    QCOMPARE(run({"--import", dir.file("in.vcf")}, &printed), 0);
    QVERIFY(QFile::copy("in.vcf", folder + "/in.vcf"));
    QVERIFY(QFile::copy(VARNELLE_SOURCE_REPORTS_DIR "/Business.rpt", folder + "/Business.rpt")); // found beside the book
    printed.clear();
    QCOMPARE(run(arguments, &printed), arguments.first() == "--import" ? 1 : 0);
    QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(output), qPrintable(printed));
    QCOMPARE(QDir::currentPath(), here);
    QVERIFY(!QFile::exists(DatabaseFileName));
    QCOMPARE(Rows(book, "SELECT count(*) FROM Address").value(0).value(0).toInt(), 2);
    for (const char *written : {"out.vcf", "out.csv"})
        if (arguments.contains(written))
            QVERIFY(QFile::exists(folder + "/" + QString(written)));
}

void InterchangeBookTest::settingsMoveOnceIntoTheProgramsFolder()
{
    TempWorkDir dir;
    const QByteArray settings = "[sync]\nautomatic=true\n";
    QVERIFY(QDir().mkpath("config/Unknown Organization"));
    writeFile("config/Unknown Organization/Varnelle.conf", settings);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.file("config"));
    QString printed;
    QCOMPARE(runProgram({"--version"}, &printed, env), 0);
    QCOMPARE(ReadAll("config/Varnelle/Varnelle.conf"), settings);
    QVERIFY(!QFileInfo::exists("config/Unknown Organization"));
    // Never over settings already in their place.
    QVERIFY(QDir().mkpath("config/Unknown Organization"));
    writeFile("config/Unknown Organization/Varnelle.conf", "[sync]\nautomatic=false\n");
    QCOMPARE(runProgram({"--version"}, &printed, env), 0);
    QCOMPARE(ReadAll("config/Varnelle/Varnelle.conf"), settings);
}

void InterchangeBookTest::importAndExportFromTheFileMenu()
{
    TempWorkDir dir;
    writeFile("in.vcf", TwoCards);
    MainWindow &main = CurrentMainWindow();
    main.load();
    QString summary;
    ModalScript script;
    script.expect("importFileDialog", typeFileName(dir.file("in.vcf")))
        .expect("ImportOptionsDialog",
                [](QDialog &d) {
                    QVERIFY(d.findChild<QRadioButton *>("byCompanyOption")->isChecked());
                    auto *business = d.findChild<QRadioButton *>("businessOption");
                    QTest::mouseClick(business, Qt::LeftButton, {}, QPoint(6, business->height() / 2));
                    QTest::mouseClick(d.findChild<QPushButton *>("okButton"), Qt::LeftButton);
                })
        .expect("ImportSummaryDialog",
                [&](QDialog &d) {
                    summary = rowTexts(d.findChild<QTreeView *>("summaryTree")->model()).join('\n');
                    QTest::mouseClick(d.findChild<QPushButton *>("closeButton"), Qt::LeftButton);
                })
        .expect("exportFileDialog", typeFileName("out.csv"))
        .expect("ExportOptionsDialog", [](QDialog &d) {
            QCOMPARE(d.findChild<QComboBox *>("formatCombo")->currentText(), QString("CSV (comma-separated values)"));
            QTest::mouseClick(d.findChild<QPushButton *>("okButton"), Qt::LeftButton);
        });
    PhoneTypesDialog types(CurrentBook()); // loaded before the import made types
    QSignalSpy contactsChanged(&CurrentBook(), &AddressBook::contactsChanged);
    QSignalSpy typesChanged(&CurrentBook(), &AddressBook::typesChanged);
    ScriptedBoxes boxes;
    script.run([&] {
        find<QAction>(main, "importAction")->trigger();
        find<QAction>(main, "exportAction")->trigger();
    });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(script.pending(), 0);
    QVERIFY(summary.startsWith("2 contacts imported from in.vcf"));
    QCOMPARE(find<QListView>(main, "contactList")->model()->rowCount(), 2); // the list is filled again
    QVERIFY(!contactsChanged.isEmpty());
    QVERIFY(!typesChanged.isEmpty()); // "Mobile", "Work Fax" and "Home" were made
    QCOMPARE(QString::number(find<QListWidget>(types, "typeList")->count()), count("TelephoneType"));
    QVERIFY(ReadAll("out.csv").contains("Ms.,Jane,Doe,Acme"));
    QCOMPARE(boxes.texts(), QStringList{"2 contacts exported to out.csv."});

    ImportSummaryDialog shown(CurrentBook(), summary.split('\n'));
    ModalScript saving;
    saving.expect("saveSummaryDialog", typeFileName("summary.txt"));
    saving.run([&] { QTest::mouseClick(find<QPushButton>(shown, "saveAsButton"), Qt::LeftButton); });
    QCOMPARE(saving.pending(), 0);
    QCOMPARE(QString::fromUtf8(ReadAll("summary.txt")), summary + '\n');
}

void InterchangeBookTest::secondStartHandsItsFilesToTheWindow()
{
    TempWorkDir dir;
    writeFile("in.vcf", TwoCards);
    writeFile("more.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n");
    QVERIFY(QDir().mkdir("runtime") && QDir().mkdir("other"));
    QVERIFY(QFile::setPermissions("runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY(QFile::link(dir.path(), dir.file("link"))); // the same book by another path
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", runtime); });
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.file("runtime")));

    // The first start on the book, listening from before its window is loaded.
    BookWindow single(dir.file(DatabaseFileName));
    QVERIFY(!single.handOverOrListen({}));
    MainWindow &main = CurrentMainWindow();

    QStringList summaries;
    const auto choose = [](QDialog &d) { QTest::mouseClick(d.findChild<QPushButton *>("okButton"), Qt::LeftButton); };
    const auto read = [&](QDialog &d) {
        summaries << rowTexts(d.findChild<QTreeView *>("summaryTree")->model()).first();
        QTest::mouseClick(d.findChild<QPushButton *>("closeButton"), Qt::LeftButton);
    };
    ModalScript script;
    script.expect("ImportOptionsDialog", choose).expect("ImportSummaryDialog", read);
    script.expect("ImportOptionsDialog", choose).expect("ImportSummaryDialog", read);
    QProcess second, other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", dir.file("runtime"));
    second.setProcessEnvironment(env);
    other.setProcessEnvironment(env);
    ScriptedBoxes boxes;
    script.run([&] {
        second.setWorkingDirectory(dir.file("link"));
        second.start(program(), {"in.vcf", dir.file("more.vcf")}); // named in the folder it starts in, and whole
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 30000);
        // Handed over while the window was loading: it takes the files once loaded.
        main.load();
        ServeLaterStarts(single, main);
        QTRY_COMPARE_WITH_TIMEOUT(script.pending(), 0, 30000);
    });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(summaries, (QStringList{"2 contacts imported from in.vcf; 0 already present.",
                                     "1 contact imported from more.vcf; 0 already present."}));
    QCOMPARE(count("Address"), QString("3"));

    // Two starts at once on another book: one opens a window of its own and
    // listens for its book, the other hands over to it and ends.
    QProcess twin;
    twin.setProcessEnvironment(env);
    for (QProcess *start : {&other, &twin}) {
        start->setWorkingDirectory(dir.file("other"));
        start->start(program(), {});
    }
    QTRY_VERIFY_WITH_TIMEOUT(other.state() == QProcess::NotRunning || twin.state() == QProcess::NotRunning, 30000);
    QProcess &ended = other.state() == QProcess::NotRunning ? other : twin;
    QProcess &window = &ended == &other ? twin : other;
    QCOMPARE(ended.exitCode(), 0);
    QVERIFY(QFileInfo::exists(BookWindow::SocketName(dir.file("other/Address.mdb"))));
    QCOMPARE(window.state(), QProcess::Running);
    window.kill();
    window.waitForFinished();
}

void InterchangeBookTest::exportedFileTakesTheFormatsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension, CSV") << "myexport" << "CSV (comma-separated values)" << "myexport.csv";
    QTest::newRow("no extension, vCard") << "myexport" << "vCard 3.0" << "myexport.vcf";
    QTest::newRow("csv, vCard") << "out.csv" << "vCard 4.0" << "out.vcf";
    QTest::newRow("another extension") << "out.txt" << "CSV (comma-separated values)" << "out.txt.csv";
}

void InterchangeBookTest::exportedFileTakesTheFormatsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, format);
    QFETCH(QString, written);
    TempWorkDir dir;
    MainWindow &main = CurrentMainWindow();
    main.load();
    ModalScript script;
    script
        .expect("exportFileDialog",
                [&](QDialog &d) {
                    static_cast<QFileDialog &>(d).selectFile(dir.file(typed));
                    QPushButton *save = d.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Save);
                    QTRY_VERIFY(save->isEnabled()); // once the dialog has looked at the folder
                    QTest::mouseClick(save, Qt::LeftButton);
                })
        .expect("ExportOptionsDialog", [&](QDialog &d) {
            chooseExisting(d, "formatCombo", format);
            click(d, "okButton");
        });
    ScriptedBoxes boxes;
    script.run([&] { find<QAction>(main, "exportAction")->trigger(); });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(QDir().entryList({"*.vcf", "*.csv"}, QDir::Files), QStringList{written});
    QCOMPARE(boxes.texts(), QStringList{"0 contacts exported to " + written + "."});
}

QTEST_MAIN(InterchangeBookTest)
#include "tst_interchange_book.moc"
