// The road of a report: a Reports menu command, the destination dialog, the
// criteria dialog for a partial report, and the engine's output or refusal.
#include "support/BookDamage.h"
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "app/CommandLine.h"
#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "ui/main/MainWindow.h"
#include "reports/ReportEngine.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/reports/ReportPrinting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTest>
#include <stdexcept>

using namespace varnelle;
using namespace varnelle::test;

namespace {

// The criteria dialog's Exclude boxes: company, state, last name.
const char *const ExcludeBoxes[] = {"excludeCompanyBox", "excludeStateBox", "excludeLastNameBox"};

const QStringList FileTypeCaptions{"Record Format",        "Tab Separated",          "Text Format",
                                   "DIF Format",           "Comma Separated Values", "Tab Separated Values"};

// The destination dialog answered with a disk file of the given type.
ModalScript::Step toDisk(const QString &fileName, bool allRecords, const QString &fileType = "Comma Separated Values")
{
    return [=](QDialog &d) {
        click(d, "diskOption");
        click(d, allRecords ? "allRecordsOption" : "partialReportOption");
        chooseExisting(d, "fileTypeCombo", fileType);
        retype(d, "fileNameBox", fileName);
        click(d, "okButton");
    };
}

ModalScript::Step toPrinter(const QString &copies)
{
    return [=](QDialog &d) {
        click(d, "printerOption");
        click(d, "allRecordsOption");
        retype(d, "copiesBox", copies);
        click(d, "okButton");
    };
}

// The criteria dialog answered with the three criteria and their Exclude boxes.
ModalScript::Step criteria(const QString &company, const QString &state, const QString &lastName,
                           QList<bool> exclude = {false, false, false})
{
    return [=](QDialog &d) {
        chooseExisting(d, "companyCombo", company);
        chooseExisting(d, "stateCombo", state);
        chooseExisting(d, "lastNameCombo", lastName);
        for (int i = 0; i < 3; ++i) {
            auto *box = find<QCheckBox>(d, ExcludeBoxes[i]);
            if (box->isChecked() != exclude[i])
                QTest::mouseClick(box, Qt::LeftButton);
        }
        click(d, "okButton");
    };
}

// The first column (the name) of each data row of a CSV report.
QStringList csvNames(const QString &fileName)
{
    const QString text = QString::fromUtf8(ReadAll(fileName));
    QStringList names;
    const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.startsWith('"')) {
            QString name;
            for (qsizetype j = 1; j < line.size(); ++j) {
                if (line[j] == '"' && j + 1 < line.size() && line[j + 1] == '"')
                    name += line[++j];
                else if (line[j] == '"')
                    break;
                else
                    name += line[j];
            }
            names << name;
        } else {
            names << line.section(',', 0, 0);
        }
    }
    return names;
}

// A started program with its report definitions beside the database and a
// few contacts in both views.
struct Program {
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow *main = nullptr;

    Program()
    {
        const QDir source(VARNELLE_SOURCE_REPORTS_DIR);
        for (const QString &name : source.entryList({"*.rpt"}, QDir::Files))
            QFile::copy(source.filePath(name), dir.file(name));
        main = &CurrentMainWindow();
        main->load();
        addContact(true, "Acme", "NY", "Smith", "Sam");
        addContact(true, "Acme", "CA", "Young", "Yan");
        addContact(true, "Globex", "NY", "O'Brien", "Sean");
        addContact(true, QVariant(QMetaType::fromType<QString>()), "TX", "Adams", "Ann");
        addContact(false, "Acme", "NY", "Baker", "Bob");
        addContact(false, "", "CA", "Clark", "Cy");
    }

    static void addContact(bool business, const QVariant &company, const QString &state, const QString &lastName,
                           const QString &firstName)
    {
        RunQuery(CurrentBook().database(),
                 "INSERT INTO Address (IsBusiness, Company, State, LastName, FirstName) VALUES (?, ?, ?, ?, ?)",
                 {business, company, state, lastName, firstName});
        CurrentBook().notifyContactsChanged();
    }

    void swapView() { QTest::mouseClick(find<QPushButton>(*main, "viewButton"), Qt::LeftButton); }

    // Runs a menu command, answering its dialogs; returns the dialogs shown.
    // A dialog that is not answered as the script says fails the test.
    QStringList run(QAction *command, ModalScript &script)
    {
        script.run([&] { command->trigger(); });
        if (!script.problems.isEmpty())
            QTest::qFail(qPrintable(script.problems.join("; ")), __FILE__, __LINE__);
        else if (script.pending() != 0)
            QTest::qFail("an expected dialog did not appear", __FILE__, __LINE__);
        return script.shown;
    }

    const ReportRequest &engine() const { return main->lastReportRequest(); }
};

// The text a standalone engine gives for a run with these settings.
QString engineRefusal(const std::function<void(ReportRequest &)> &settings)
{
    ReportEngine engine;
    ReportRequest request;
    request.dataFile = DatabaseFileName;
    settings(request);
    try {
        engine.run(request);
    } catch (const ReportError &e) {
        return e.message();
    }
    return "no refusal";
}

// Runs the program's command line on the book of the current folder; its messages go to `errors`.
int runCommand(const QStringList &arguments, QString *errors = nullptr)
{
    QString printed, told;
    QTextStream out(&printed), err(&told);
    const int status = RunWithoutWindows(ParseCommandLine(QStringList{"varnelle"} + arguments),
                                         QDir().absoluteFilePath(DatabaseFileName), out, err);
    err.flush();
    if (errors)
        *errors = told;
    return status;
}

// A file's bytes, a PDF's moment of creation left out.
QByteArray reportBytes(const QString &fileName)
{
    return QString::fromLatin1(ReadAll(fileName))
        .replace(QRegularExpression("/CreationDate \\(D:[0-9Z]*\\)"), "/CreationDate ()")
        .toLatin1();
}

const QStringList BusinessNames{"Adams, Ann", "O'Brien, Sean", "Smith, Sam", "Young, Yan"};
const QStringList PersonalNames{"Baker, Bob", "Clark, Cy"};

} // namespace

class ReportRunsTest : public QObject {
    Q_OBJECT
private slots:
    void eachCommandRunsTheFileOfTheCurrentView();
    void cancelEndsTheRunSilentlyAndTheNextRunWorks();
    void allRecordsCoversEveryContactAfterAPartialRun();
    void partialRunsSelectByTheCriteria();
    void everyFileTypeLandsInTheNamedFile();
    void engineRefusalsGiveOneMessage();
    void screenReportOpensAPreview();
    void commandLineWritesWhatTheMenuWrites_data();
    void commandLineWritesWhatTheMenuWrites();
    void commandLineStatuses_data();
    void commandLineStatuses();
};

void ReportRunsTest::eachCommandRunsTheFileOfTheCurrentView()
{
    Program p;
    for (QAction *command : {find<QAction>(*p.main, "addressListAction"), find<QAction>(*p.main, "telephoneListAction"),
                             find<QAction>(*p.main, "detailReportAction"), find<QAction>(*p.main, "aboutAction"),
                             find<QAction>(*p.main, "repairAction"), find<QAction>(*p.main, "exitAction"),
                             find<QAction>(*p.main, "phoneTypesAction")}) {
        QVERIFY(command->isEnabled());
        QVERIFY(command->isVisible());
        QVERIFY(!command->isCheckable());
    }

    QVERIFY(CurrentBook().isBusiness());
    p.swapView();
    QVERIFY(!CurrentBook().isBusiness());
    const struct {
        QAction *command;
        const char *personal;
        const char *business;
    } commands[] = {{find<QAction>(*p.main, "addressListAction"), "Address.rpt", "bAddress.rpt"},
                    {find<QAction>(*p.main, "telephoneListAction"), "Personal.rpt", "Business.rpt"},
                    {find<QAction>(*p.main, "detailReportAction"), "Detail.rpt", "bDetail.rpt"}};
    for (const bool business : {false, true}) {
        for (const auto &c : commands) {
            const QString file = business ? c.business : c.personal;
            ModalScript script;
            script.expect("ReportDestinationDialog", toDisk(file + ".csv", true));
            QCOMPARE(p.run(c.command, script), QStringList{"ReportDestinationDialog"});
            QCOMPARE(p.engine().definition, file);
            QCOMPARE(p.engine().dataFile, QString("Address.mdb"));
            QVERIFY2(QFile::exists(file + ".csv"), qPrintable(file));
            if (c.command == find<QAction>(*p.main, "telephoneListAction"))
                QCOMPARE(csvNames(file + ".csv"), business ? BusinessNames : PersonalNames);
        }
        p.swapView();
    }
    QVERIFY(p.boxes.messages.isEmpty());
}

void ReportRunsTest::cancelEndsTheRunSilentlyAndTheNextRunWorks()
{
    Program p;
    // Partial chosen, then cancelled: no criteria dialog, no report, no message.
    ModalScript cancel;
    cancel.expect("ReportDestinationDialog", [](QDialog &d) {
        click(d, "diskOption");
        click(d, "partialReportOption");
        retype(d, "fileNameBox", "cancelled.csv");
        click(d, "cancelButton");
    });
    QCOMPARE(p.run(find<QAction>(*p.main, "telephoneListAction"), cancel), QStringList{"ReportDestinationDialog"});
    QCOMPARE(p.engine().definition, QString());
    QVERIFY(!QFile::exists("cancelled.csv"));
    QVERIFY(p.boxes.messages.isEmpty());

    // Closing through the frame is a Cancel too.
    ModalScript close;
    close.expect("ReportDestinationDialog", [](QDialog &d) { d.close(); });
    QCOMPARE(p.run(find<QAction>(*p.main, "addressListAction"), close), QStringList{"ReportDestinationDialog"});
    QCOMPARE(p.engine().definition, QString());
    QVERIFY(p.boxes.messages.isEmpty());

    // The next command runs, and the dialog kept the cancelled choices.
    ModalScript next;
    next.expect("ReportDestinationDialog", [](QDialog &d) {
        QVERIFY(find<QRadioButton>(d, "partialReportOption")->isChecked());
        QCOMPARE(find<QLineEdit>(d, "fileNameBox")->text(), QString("cancelled.csv"));
        chooseExisting(d, "fileTypeCombo", "Comma Separated Values");
        retype(d, "fileNameBox", "next.csv");
        click(d, "okButton");
    });
    next.expect("ReportCriteriaDialog", criteria("", "", ""));
    QCOMPARE(p.run(find<QAction>(*p.main, "telephoneListAction"), next),
             (QStringList{"ReportDestinationDialog", "ReportCriteriaDialog"}));
    QCOMPARE(csvNames("next.csv"), BusinessNames);
    QVERIFY(p.boxes.messages.isEmpty());

    // A criteria dialog closed through its frame ends the run as a Cancel: nothing is written.
    ModalScript closeCriteria;
    closeCriteria.expect("ReportDestinationDialog", toDisk("closed.csv", false))
        .expect("ReportCriteriaDialog", [](QDialog &d) { d.close(); });
    QCOMPARE(p.run(find<QAction>(*p.main, "telephoneListAction"), closeCriteria),
             (QStringList{"ReportDestinationDialog", "ReportCriteriaDialog"}));
    QVERIFY(!QFile::exists("closed.csv"));
    QVERIFY(p.boxes.messages.isEmpty());
}

void ReportRunsTest::allRecordsCoversEveryContactAfterAPartialRun()
{
    Program p;
    ModalScript partial;
    partial.expect("ReportDestinationDialog", toDisk("partial.csv", false))
        .expect("ReportCriteriaDialog", criteria("Acme", "", ""));
    p.run(find<QAction>(*p.main, "telephoneListAction"), partial);
    QCOMPARE(p.engine().criteria.selectionFormula(), QString("{Address.Company} = 'Acme'"));
    QCOMPARE(csvNames("partial.csv"), (QStringList{"Smith, Sam", "Young, Yan"}));

    ModalScript all;
    all.expect("ReportDestinationDialog", toDisk("all.csv", true));
    QCOMPARE(p.run(find<QAction>(*p.main, "telephoneListAction"), all), QStringList{"ReportDestinationDialog"});
    QCOMPARE(p.engine().criteria.selectionFormula(), QString());
    QCOMPARE(csvNames("all.csv"), BusinessNames);
    QVERIFY(p.boxes.messages.isEmpty());
}

void ReportRunsTest::partialRunsSelectByTheCriteria()
{
    Program p;
    const auto report = [&](const ModalScript::Step &chosen) {
        ModalScript script;
        script.expect("ReportDestinationDialog", toDisk("out.csv", false)).expect("ReportCriteriaDialog", chosen);
        QFile::remove("out.csv"); // each run writes a new file, with no question about replacing
        p.run(find<QAction>(*p.main, "telephoneListAction"), script);
        return csvNames("out.csv");
    };

    // Blank criteria: everyone of the view.
    QCOMPARE(report(criteria("", "", "")), BusinessNames);
    QCOMPARE(p.engine().criteria.selectionFormula(), QString());

    // An excluded company keeps the others, those without a company included.
    QCOMPARE(report(criteria("Acme", "", "", {true, false, false})), (QStringList{"Adams, Ann", "O'Brien, Sean"}));
    QCOMPARE(p.engine().criteria.selectionFormula(), QString("{Address.Company} <> 'Acme'"));

    QCOMPARE(report(criteria("", "NY", "Smith", {false, true, false})), QStringList{});
    QCOMPARE(p.engine().criteria.selectionFormula(), QString("{Address.State} <> 'NY' And {Address.LastName} = 'Smith'"));
    QCOMPARE(report(criteria("Acme", "NY", "", {false, true, false})), QStringList{"Young, Yan"});
    QCOMPARE(p.engine().criteria.selectionFormula(), QString("{Address.Company} = 'Acme' And {Address.State} <> 'NY'"));

    // A quote in the value is doubled and selects its contact.
    QCOMPARE(report(criteria("", "", "O'Brien")), QStringList{"O'Brien, Sean"});
    QCOMPARE(p.engine().criteria.selectionFormula(), QString("{Address.LastName} = 'O''Brien'"));

    // A contact saved since the last run shows in the lists of the next one.
    Program::addContact(true, "Initech", "WA", "Zane", "Zed");
    QCOMPARE(report(criteria("Initech", "", "")), QStringList{"Zane, Zed"});
    QVERIFY(p.boxes.messages.isEmpty());
}

void ReportRunsTest::everyFileTypeLandsInTheNamedFile()
{
    Program p;
    for (int i = 0; i < FileTypeCaptions.size(); ++i) {
        const QString name = QString("report %1.out").arg(i);
        ModalScript script;
        script.expect("ReportDestinationDialog", toDisk(name, true, FileTypeCaptions[i]));
        p.run(find<QAction>(*p.main, "addressListAction"), script);
        QCOMPARE(p.engine().fileType, QList<int>({0, 1, 2, 3, 4, 6})[i]);
        QCOMPARE(p.engine().fileName, name);
        const QString text = QString::fromUtf8(ReadAll(name));
        QVERIFY2(text.contains("Smith") && text.contains("Young") && !text.contains("Baker"),
                 qPrintable(FileTypeCaptions[i] + ": " + text.left(200)));
    }
    QVERIFY(p.boxes.messages.isEmpty());
    QCOMPARE(QDir(".").entryList({"*.out"}, QDir::Files).size(), 6);
}

void ReportRunsTest::engineRefusalsGiveOneMessage()
{
    Program p;
    // An emptied copies box asks the printer for no copies.
    ModalScript noCopies;
    noCopies.expect("ReportDestinationDialog", toPrinter(""));
    p.run(find<QAction>(*p.main, "addressListAction"), noCopies);
    QCOMPARE(int(p.engine().destination), 1);
    QCOMPARE(p.engine().copies, 0);
    QCOMPARE(p.boxes.messages.size(), 1);
    QCOMPARE(p.boxes.messages[0].title, QString("Varnelle For Windows"));
    QCOMPARE(p.boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(p.boxes.messages[0].text, engineRefusal([](ReportRequest &e) {
                 e.definition = "bAddress.rpt";
                 e.destination = ReportDestination::Printer;
                 e.copies = 0;
             }));

    // A definition file that is not there.
    QVERIFY(QFile::remove("Business.rpt"));
    p.boxes.messages.clear();
    ModalScript missing;
    missing.expect("ReportDestinationDialog", toDisk("missing.csv", true));
    p.run(find<QAction>(*p.main, "telephoneListAction"), missing);
    QCOMPARE(p.boxes.messages.size(), 1);
    QCOMPARE(p.boxes.messages[0].title, QString("Varnelle For Windows"));
    QCOMPARE(p.boxes.messages[0].icon, QMessageBox::Warning);
    QVERIFY2(p.boxes.messages[0].text.contains("Business.rpt"), qPrintable(p.boxes.messages[0].text));
    QCOMPARE(p.boxes.messages[0].text, engineRefusal([](ReportRequest &e) {
                 e.definition = "Business.rpt";
                 e.destination = ReportDestination::File;
                 e.fileName = "missing.csv";
             }));
    QVERIFY(!QFile::exists("missing.csv"));

    // A damaged book: the message says so in plain words and points to the repair.
    ZeroPage(DatabaseFileName, LeafPage(DatabaseFileName, "Address"));
    ModalScript damaged;
    damaged.expect("ReportDestinationDialog", toDisk("damaged.csv", true));
    p.run(find<QAction>(*p.main, "addressListAction"), damaged);
    QCOMPARE(p.boxes.messages.size(), 2);
    QCOMPARE(p.boxes.messages[1].text,
             QString("The data file \"Address.mdb\" is damaged: the report cannot read its contacts. "
                     "Choose File > Repair Database to save what can still be read."));
    QVERIFY(!QFile::exists("damaged.csv"));
    find<QAction>(*p.main, "repairAction")->trigger();
    p.boxes.messages.clear();

    // The program goes on: the next report runs.
    ModalScript next;
    next.expect("ReportDestinationDialog", toDisk("next.csv", true));
    p.run(find<QAction>(*p.main, "addressListAction"), next);
    QVERIFY(QFile::exists("next.csv"));
    QCOMPARE(p.boxes.messages.size(), 0);
}

void ReportRunsTest::screenReportOpensAPreview()
{
    Program p;
    ModalScript script;
    script.expect("ReportDestinationDialog", [](QDialog &d) {
        click(d, "screenOption");
        click(d, "allRecordsOption");
        click(d, "okButton");
    });
    p.run(find<QAction>(*p.main, "detailReportAction"), script);
    QVERIFY(p.boxes.messages.isEmpty());
    QCOMPARE(int(p.engine().destination), 0);
    ReportPreviewWindow *preview = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<ReportPreviewWindow *>(w); d && d->isVisible())
            preview = d;
    QVERIFY(preview);
    QVERIFY(!preview->isModal());
    preview->close();
}

void ReportRunsTest::commandLineWritesWhatTheMenuWrites_data()
{
    QTest::addColumn<QString>("command");       // the Reports menu's
    QTest::addColumn<bool>("personal");         // the view shown when the menu runs it
    QTest::addColumn<QString>("fileType");      // the destination dialog's, or pdf for the printer's file
    QTest::addColumn<QStringList>("criteria");  // company, state, last name; none: All Records
    QTest::addColumn<bool>("exclude");          // every Exclude box
    QTest::addColumn<QStringList>("arguments"); // of the command line
    const QStringList all;
    QTest::newRow("address csv") << "addressListAction" << false << "Comma Separated Values" << all << false
                                 << QStringList{"--report", "address", "--to", "cli.csv"};
    QTest::newRow("telephone text, personal saved") << "telephoneListAction" << true << "Text Format" << all << false
                                                    << QStringList{"--report", "telephone", "--to", "cli.txt"};
    QTest::newRow("detail record") << "detailReportAction" << false << "Record Format" << all << false
                                   << QStringList{"--report", "detail", "--to", "cli.out", "--format", "record"};
    QTest::newRow("address tsv, personal asked") << "addressListAction" << true << "Tab Separated Values" << all
                                                 << false
                                                 << QStringList{"--report", "ADDRESS", "--view", "personal", "--to",
                                                                "cli.tsv"};
    QTest::newRow("telephone dif") << "telephoneListAction" << false << "DIF Format" << all << false
                                   << QStringList{"--report", "telephone", "--to", "cli.dif"};
    QTest::newRow("detail pdf") << "detailReportAction" << false << "pdf" << all << false
                                << QStringList{"--report", "detail", "--to", "cli.pdf"};
    QTest::newRow("telephone pdf, personal") << "telephoneListAction" << true << "pdf" << all << false
                                             << QStringList{"--report", "telephone", "--to", "cli.out", "--format",
                                                            "pdf"};
    QTest::newRow("address selected") << "addressListAction" << false << "Comma Separated Values"
                                      << QStringList{"Acme", "NY", ""} << false
                                      << QStringList{"--report", "address", "--to", "cli.csv", "--company", "Acme",
                                                     "--state", "NY"};
    QTest::newRow("telephone excluded") << "telephoneListAction" << false << "Comma Separated Values"
                                        << QStringList{"Acme", "", ""} << true
                                        << QStringList{"--report", "telephone", "--to", "cli.csv", "--company", "Acme",
                                                       "--exclude"};
    QTest::newRow("detail pdf selected") << "detailReportAction" << false << "pdf" << QStringList{"", "", "O'Brien"}
                                         << false
                                         << QStringList{"--report", "detail", "--to", "cli.pdf", "--last-name",
                                                        "O'Brien"};
}

// A window holds the book open all the while: the command line only reads it.
void ReportRunsTest::commandLineWritesWhatTheMenuWrites()
{
    QFETCH(QString, command);
    QFETCH(bool, personal);
    QFETCH(QString, fileType);
    QFETCH(QStringList, criteria);
    QFETCH(bool, exclude);
    QFETCH(QStringList, arguments);
    Program p;
    if (personal)
        p.swapView();
    const bool pdf = fileType == "pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("menu.out");
    PrinterOutput output(printer);
    ModalScript script;
    script.expect("ReportDestinationDialog", [&](QDialog &d) {
        if (pdf) {
            find<ReportEngine>(*p.main, "reportEngine")->setPrinter(&output);
            click(d, "printerOption");
            retype(d, "copiesBox", "1");
        } else {
            click(d, "diskOption");
            chooseExisting(d, "fileTypeCombo", fileType);
            retype(d, "fileNameBox", "menu.out");
        }
        click(d, criteria.isEmpty() ? "allRecordsOption" : "partialReportOption");
        click(d, "okButton");
    });
    if (!criteria.isEmpty())
        script.expect("ReportCriteriaDialog", ::criteria(criteria[0], criteria[1], criteria[2], {exclude, exclude, exclude}));
    p.run(find<QAction>(*p.main, command), script);
    QVERIFY(p.boxes.messages.isEmpty());
    if (arguments.contains("--view"))
        p.swapView(); // the view asked for, not the one saved
    QString errors;
    QCOMPARE(runCommand(arguments, &errors), 0);
    QCOMPARE(errors, QString());
    const QString written = arguments[arguments.indexOf("--to") + 1];
    QVERIFY(!reportBytes("menu.out").isEmpty());
    QCOMPARE(reportBytes(written), reportBytes("menu.out"));
}

void ReportRunsTest::commandLineStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the start of what is told
    QTest::newRow("written") << QStringList{"--report", "detail", "--to", "ok.csv"} << 0 << "";
    QTest::newRow("no destination") << QStringList{"--report", "detail"} << 2 << "--report needs either";
    QTest::newRow("both destinations") << QStringList{"--report", "detail", "--to", "a.csv", "--printer"} << 2
                                       << "--report needs either";
    QTest::newRow("unknown report") << QStringList{"--report", "memo", "--to", "a.csv"} << 2
                                    << "--report takes address, telephone or detail, not 'memo'.";
    QTest::newRow("unknown format") << QStringList{"--report", "address", "--to", "a.csv", "--format", "xls"} << 2
                                    << "--format takes pdf, txt, csv, tsv, dif or record, not 'xls'.";
    QTest::newRow("format not in the name") << QStringList{"--report", "address", "--to", "a.xyz"} << 2
                                            << "The name 'a.xyz' does not tell";
    QTest::newRow("copies to a file") << QStringList{"--report", "address", "--to", "a.csv", "--copies", "2"} << 2
                                      << "--format belongs to --to, --copies to --printer.";
    QTest::newRow("no copies") << QStringList{"--report", "address", "--printer", "--copies", "0"} << 2
                               << "--copies takes a number of at least 1, not '0'.";
    QTest::newRow("exclude alone") << QStringList{"--report", "address", "--to", "a.csv", "--exclude"} << 2
                                   << "--exclude needs";
    QTest::newRow("view all") << QStringList{"--report", "address", "--to", "a.csv", "--view", "all"} << 2
                              << "--view takes business or personal, not 'all'.";
    QTest::newRow("with an import") << QStringList{"--report", "address", "--to", "a.csv", "--import", "x.vcf"} << 2
                                    << "--import cannot be given with --report.";
    QTest::newRow("criteria alone") << QStringList{"--company", "Acme"} << 2 << "--company belongs to --report.";
    QTest::newRow("queue not known") << QStringList{"--report", "address", "--printer", "No Such Queue"} << 1
                                     << "There is no printer 'No Such Queue'.";
    QTest::newRow("pdf over the book") << QStringList{"--report", "address", "--to", "Address.mdb", "--format", "pdf"}
                                       << 1 << "The report cannot be written to";
    QTest::newRow("file over the book") << QStringList{"--report", "address", "--to", "Address.mdb", "--format", "csv"}
                                        << 1 << "The report cannot be written to";
    QTest::newRow("no such folder") << QStringList{"--report", "address", "--to", "none/a.pdf"} << 1
                                    << "The report could not be printed";
    QTest::newRow("definition missing") << QStringList{"--report", "telephone", "--to", "a.txt"} << 1 << "";
}

void ReportRunsTest::commandLineStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    Program p;
    const QByteArray book = ReadAll(DatabaseFileName);
    if (QTest::currentDataTag() == QLatin1String("definition missing"))
        QVERIFY(QFile::remove("Business.rpt"));
    QString errors;
    QCOMPARE(runCommand(arguments, &errors), status);
    QVERIFY2((message.isEmpty() || errors.startsWith(message)) && (status == 0) == errors.isEmpty(), qPrintable(errors));
    QCOMPARE(ReadAll(DatabaseFileName), book);
    if (arguments.value(3) != DatabaseFileName)
        QCOMPARE(QFile::exists(arguments.value(3)), status == 0);
}

QTEST_MAIN(ReportRunsTest)
#include "tst_reportruns.moc"
