// Report runs: properties, destinations (preview, printer, file), failures
// that must leave files alone, cancelling, and the engine's own database
// connection.

#include "EngineFixture.h"
#include "reports/ReportPreview.h"

#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace varnelle;

class EngineRunsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        mData = mDir.filePath("Address.mdb");
        fixture::createDatabase(mData);
        fixture::writeAll(mDir.filePath("Broken.rpt"), "{ \"title\": \"Broken\", \"columns\": [ ");
        fixture::writeAll(mDir.filePath("NoSuchField.rpt"),
                          R"({ "title": "Odd", "columns": [ { "heading": "X", "fields": ["Nickname"] } ] })");
        fixture::writeAll(mDir.filePath("NotADatabase.mdb"), "just some text, not a database\n");
    }

    void init()
    {
        mEngine = std::make_unique<ReportEngine>();
        mEngine->setDefinitionFolders({mDir.path(), QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
        mEngine->setDataFiles(0, mData);
        mEngine->setReportFileName("bAddress.rpt");
    }

    void propertiesKeepTheirLastValues()
    {
        ReportEngine engine;
        QTemporaryDir empty;
        engine.setDefinitionFolders({empty.path()});
        QCOMPARE(engine.dataFiles(0), QString("Address.mdb"));
        engine.setProperty(ReportEngine::DispDestination, 2);
        engine.setProperty(ReportEngine::DispPrintFileName, "first.txt");
        engine.setProperty(ReportEngine::DispPrintFileName, "out.csv");
        engine.setProperty(ReportEngine::DispPrintFileType, "4");
        engine.setProperty(ReportEngine::DispCopiesToPrinter, 3);
        engine.setProperty(ReportEngine::DispSelectionFormula, "{Address.State} = 'NY'");
        engine.setProperty(ReportEngine::DispDataFiles, "other.mdb", 2);
        engine.setProperty(ReportEngine::DispDataFiles, mData, 0);
        engine.setProperty(ReportEngine::DispReportFileName, "Detail.rpt");
        QCOMPARE(engine.destination(), 2);
        QCOMPARE(engine.printFileName(), QString("out.csv"));
        QCOMPARE(engine.printFileType(), 4);
        QCOMPARE(engine.copiesToPrinter(), 3);
        QCOMPARE(engine.selectionFormula(), QString("{Address.State} = 'NY'"));
        QCOMPARE(engine.dataFiles(0), mData);
        QCOMPARE(engine.dataFiles(1), QString());
        QCOMPARE(engine.dataFiles(2), QString("other.mdb"));
        QCOMPARE(engine.reportFileName(), QString("Detail.rpt"));

        // A failed run changes none of them.
        QVERIFY_THROWS_EXCEPTION(ReportError, engine.setProperty(ReportEngine::DispAction, 1));
        QCOMPARE(engine.printFileName(), QString("out.csv"));
        QCOMPARE(engine.selectionFormula(), QString("{Address.State} = 'NY'"));
    }

    void badPropertyWrites_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown id") << 99 << QVariant(1) << 0
                                    << "The report engine has no property with dispatch ID 99.";
        QTest::newRow("not a number") << int(ReportEngine::DispDestination) << QVariant("screen") << 0
                                      << "The value \"screen\" cannot be used for Destination: a whole number is expected.";
        QTest::newRow("negative entry") << int(ReportEngine::DispDataFiles) << QVariant("a.mdb") << -1
                                        << "DataFiles has the entries 0 to 255; entry -1 does not exist.";
        QTest::newRow("list as text") << int(ReportEngine::DispPrintFileName) << QVariant(QStringList{"a", "b"}) << 0
                                      << "The value given for PrintFileName is not a text.";
        QTest::newRow("other action") << int(ReportEngine::DispAction) << QVariant(2) << 0
                                      << "The action 2 is not known; write 1 to produce the report.";
    }

    void badPropertyWrites()
    {
        QFETCH(int, id);
        QFETCH(QVariant, value);
        QFETCH(int, index);
        QFETCH(QString, message);
        try {
            mEngine->setProperty(id, value, index);
            QFAIL("the write was accepted");
        } catch (const ReportError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void failuresLeaveFilesAlone_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<QString>("expected");

        QTest::newRow("missing definition") << "Missing.rpt" << 4 << QString()
                                            << "The report definition file \"Missing.rpt\" cannot be found.";
        QTest::newRow("broken definition") << "Broken.rpt" << 4 << QString() << "is not a valid report definition";
        QTest::newRow("field not in table") << "NoSuchField.rpt" << 4 << QString()
                                            << "names \"Nickname\", which is not a field of table Address";
        QTest::newRow("type 5") << "bAddress.rpt" << 5 << QString() << "The file type 5 is not known.";
        QTest::newRow("type 7") << "bAddress.rpt" << 7 << QString() << "The file type 7 is not known.";
        QTest::newRow("type -1") << "bAddress.rpt" << -1 << QString() << "The file type -1 is not known.";
        QTest::newRow("missing data file") << "bAddress.rpt" << 4 << "nowhere.mdb"
                                           << "The data file \"nowhere.mdb\" cannot be found.";
        QTest::newRow("not a database") << "bAddress.rpt" << 4 << "NotADatabase.mdb" << "as a contacts database";
    }

    void failuresLeaveFilesAlone()
    {
        QFETCH(QString, definition);
        QFETCH(int, fileType);
        QFETCH(QString, dataFile);
        QFETCH(QString, expected);
        if (!dataFile.isEmpty())
            mEngine->setDataFiles(0, dataFile == "nowhere.mdb" ? dataFile : mDir.filePath(dataFile));
        const QString existing = mDir.filePath("existing.csv");
        const QString fresh = mDir.filePath("fresh.csv");
        fixture::writeAll(existing, "the earlier report\n");
        QFile::remove(fresh);
        for (const QString &output : {existing, fresh}) {
            try {
                fixture::exportReport(*mEngine, definition, fileType, output);
                QFAIL("the run succeeded");
            } catch (const ReportError &error) {
                QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
            }
        }
        QCOMPARE(fixture::readAll(existing), QByteArray("the earlier report\n"));
        QVERIFY(!QFile::exists(fresh));
        if (!dataFile.isEmpty() && dataFile != "nowhere.mdb")
            QCOMPARE(fixture::readAll(mDir.filePath(dataFile)), QByteArray("just some text, not a database\n"));
        QCOMPARE(QDir(mDir.path()).entryList({"*.csv*"}), QStringList{"existing.csv"});
    }

    void unwritablePathNamesTheFile()
    {
        const QString missingFolder = mDir.filePath("no/such/folder/out.csv");
        try {
            fixture::exportReport(*mEngine, "bAddress.rpt", 4, missingFolder);
            QFAIL("the run succeeded");
        } catch (const ReportError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("The file \"%1\" cannot be written: ")
                                                    .arg(QDir::toNativeSeparators(missingFolder))),
                     qPrintable(error.message()));
        }
        QVERIFY(!QFile::exists(missingFolder));

        // A folder is not a file to write over.
        QVERIFY(QDir(mDir.path()).mkpath("folder"));
        QVERIFY_THROWS_EXCEPTION(ReportError, fixture::exportReport(*mEngine, "bAddress.rpt", 4, mDir.filePath("folder")));
        QVERIFY(QFileInfo(mDir.filePath("folder")).isDir());

        QVERIFY_THROWS_EXCEPTION(ReportError, fixture::exportReport(*mEngine, "bAddress.rpt", 4, "  "));
    }

    void neverWritesOverWhatItReads()
    {
        const QByteArray data = fixture::readAll(mData);
        const QString definition = mDir.filePath("Mine.rpt");
        QFile::copy(QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR "/bAddress.rpt"), definition);
        const QByteArray definitionText = fixture::readAll(definition);
        // The same files, named the way a user might type them.
        for (const QString &target : {mData, mDir.filePath("./Address.mdb"), definition}) {
            try {
                fixture::exportReport(*mEngine, "Mine.rpt", 4, target);
                QFAIL("a report was written over its own source");
            } catch (const ReportError &error) {
                QVERIFY2(error.message().contains("that file is one the report is read from"), qPrintable(error.message()));
            }
        }
        QCOMPARE(fixture::readAll(mData), data);
        QCOMPARE(fixture::readAll(definition), definitionText);
    }

    void cancelledRunWritesNothing()
    {
        const QString existing = mDir.filePath("cancel.csv");
        fixture::writeAll(existing, "kept\n");
        QList<qint64> totals;
        mEngine->setProgressObserver([&](qint64 done, qint64 total) {
            totals << total;
            return done > 0; // cancel at the first look
        });
        fixture::exportReport(*mEngine, "bAddress.rpt", 4, existing); // no error
        QVERIFY(mEngine->lastRunCancelled());
        QCOMPARE(totals, QList<qint64>{4});
        QCOMPARE(fixture::readAll(existing), QByteArray("kept\n"));

        mEngine->setProgressObserver({});
        fixture::exportReport(*mEngine, "bAddress.rpt", 4, existing);
        QVERIFY(!mEngine->lastRunCancelled());
        QVERIFY(fixture::readAll(existing).startsWith("Name,Company"));
    }

    void printsTheRequestedCopies()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = mDir.filePath("printed.pdf");
        printer.setOutputFileName(pdf);
        mEngine->setPrinter(&printer);
        mEngine->setDestination(ReportEngine::ToPrinter);
        mEngine->setCopiesToPrinter(3);
        mEngine->setAction(1);
        QCOMPARE(printer.copyCount(), 3);
        QCOMPARE(printer.docName(), QString("Business Address List"));
        const QByteArray bytes = fixture::readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Type /Page\n"));
    }

    void printerFailuresAreClear()
    {
        mEngine->setDestination(ReportEngine::ToPrinter);
        mEngine->setCopiesToPrinter(0);
        try {
            mEngine->setAction(1);
            QFAIL("printed no copies");
        } catch (const ReportError &error) {
            QCOMPARE(error.message(), QString("The number of copies must be at least 1."));
        }
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer");
        mEngine->setCopiesToPrinter(1);
        try {
            mEngine->setAction(1);
            QFAIL("printed without a printer");
        } catch (const ReportError &error) {
            QVERIFY2(error.message().startsWith("No printer is available."), qPrintable(error.message()));
        }
    }

    void unknownDestinationIsAnError()
    {
        mEngine->setDestination(3);
        try {
            mEngine->setAction(1);
            QFAIL("an unknown destination was accepted");
        } catch (const ReportError &error) {
            QVERIFY2(error.message().startsWith("The destination 3 is not known."), qPrintable(error.message()));
        }
    }

    void previewIsModelessAndTitled()
    {
        QSignalSpy opened(mEngine.get(), &ReportEngine::previewOpened);
        mEngine->setReportFileName("Business.rpt");
        mEngine->setDestination(ReportEngine::ToWindow);
        mEngine->setAction(1); // returns at once: the window stays open
        QCOMPARE(opened.size(), 1);
        QPointer<QWidget> window = qvariant_cast<QWidget *>(opened.at(0).at(0));
        QVERIFY(window);
        QVERIFY(qobject_cast<varnelle::engine::ReportPreview *>(window.data()));
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QCOMPARE(window->windowTitle(), QString("Business Telephone List"));

        mEngine->setAction(1); // a second report opens a second window
        QCOMPARE(opened.size(), 2);
        QVERIFY(window);

        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window); // deleted on close
        delete opened.at(1).at(0).value<QWidget *>();
    }

    void readsBesideAnOpenConnectionAndClosesItsOwn()
    {
        const QStringList before = QSqlDatabase::connectionNames();
        const QByteArray fileBefore = fixture::readAll(mData);
        {
            QSqlDatabase program = QSqlDatabase::addDatabase("QSQLITE", "the-program");
            program.setDatabaseName(mData);
            QVERIFY(program.open());
            QSqlQuery query(program);
            QVERIFY(query.exec("SELECT count(*) FROM Address") && query.next());
            QCOMPARE(query.value(0).toInt(), 6);

            fixture::exportReport(*mEngine, "bAddress.rpt", 4, mDir.filePath("beside.csv"));
            QCOMPARE(fixture::readCsv(fixture::readAll(mDir.filePath("beside.csv"))).size(), 5);
            QVERIFY(query.exec("SELECT count(*) FROM Address") && query.next()); // still usable
        }
        QSqlDatabase::removeDatabase("the-program");
        QCOMPARE(QSqlDatabase::connectionNames(), before);
        QCOMPARE(fixture::readAll(mData), fileBefore);
    }

    void definitionsAreFoundInTheGivenFoldersInTurn()
    {
        QTemporaryDir first;
        fixture::writeAll(first.filePath("bAddress.rpt"), R"({ "title": "Local Copy", "contacts": "business",
            "columns": [ { "heading": "Who", "fields": ["LastName"], "width": 10 } ] })");
        mEngine->setDefinitionFolders({first.path(), QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
        QVERIFY(fixture::exportReport(*mEngine, "bAddress.rpt", 2, mDir.filePath("local.txt")).startsWith("Local Copy\n"));
        mEngine->setDefinitionFolders({mDir.path(), QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
        QVERIFY(fixture::exportReport(*mEngine, "bAddress.rpt", 2, mDir.filePath("local.txt"))
                    .startsWith("Business Address List\n"));

        ReportEngine plain; // by default: the current directory, the program's folder, the installed definitions
        const QString program = QCoreApplication::applicationDirPath();
        QCOMPARE(plain.definitionFolders(),
                 QStringList({QDir::currentPath(), program, QDir::cleanPath(program + "/../share/varnelle/reports")}));
    }

private:
    QTemporaryDir mDir;
    QString mData;
    std::unique_ptr<ReportEngine> mEngine;
};

QTEST_MAIN(EngineRunsTest)
#include "tst_engine_runs.moc"
