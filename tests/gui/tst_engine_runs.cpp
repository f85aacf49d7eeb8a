// Report runs: destinations (preview, printer, file), failures that must
// leave files alone, cancelling, and the engine's own database connection.

#include "support/EngineFixture.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/reports/ReportPrinting.h"
#include "ui/reports/ReportRunner.h"

#include <QApplication>

#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
        mRequest = ReportRequest();
        mRequest.dataFile = mData;
        mRequest.definition = "bAddress.rpt";
    }

    // The message of the run of mRequest, which must fail.
    QString refusal()
    {
        try {
            mEngine->run(mRequest);
        } catch (const ReportError &error) {
            return error.message();
        }
        return "no refusal";
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
        const QString data = dataFile.isEmpty() ? mData : dataFile == "nowhere.mdb" ? dataFile : mDir.filePath(dataFile);
        const QString existing = mDir.filePath("existing.csv");
        const QString fresh = mDir.filePath("fresh.csv");
        fixture::writeAll(existing, "the earlier report\n");
        QFile::remove(fresh);
        for (const QString &output : {existing, fresh}) {
            try {
                fixture::exportReport(*mEngine, data, definition, fileType, output);
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
            fixture::exportReport(*mEngine, mData, "bAddress.rpt", 4, missingFolder);
            QFAIL("the run succeeded");
        } catch (const ReportError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("The file \"%1\" cannot be written: ")
                                                    .arg(QDir::toNativeSeparators(missingFolder))),
                     qPrintable(error.message()));
        }
        QVERIFY(!QFile::exists(missingFolder));

        // A folder is not a file to write over.
        QVERIFY(QDir(mDir.path()).mkpath("folder"));
        QVERIFY_THROWS_EXCEPTION(ReportError, fixture::exportReport(*mEngine, mData, "bAddress.rpt", 4, mDir.filePath("folder")));
        QVERIFY(QFileInfo(mDir.filePath("folder")).isDir());
        // Nor a pipe or a device, which a file written in its place would replace.
        const QString pipe = mDir.filePath("pipe.csv");
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        for (const QString &special : {pipe, QStringLiteral("/dev/null")}) {
            try {
                fixture::exportReport(*mEngine, mData, "bAddress.rpt", 4, special);
                QFAIL("the run succeeded");
            } catch (const ReportError &error) {
                QVERIFY2(error.message().contains(", not a file."), qPrintable(error.message()));
            }
            QVERIFY(QFileInfo::exists(special) && !QFileInfo(special).isFile());
        }

        QVERIFY_THROWS_EXCEPTION(ReportError, fixture::exportReport(*mEngine, mData, "bAddress.rpt", 4, "  "));
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
                fixture::exportReport(*mEngine, mData, "Mine.rpt", 4, target);
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
        mRequest.destination = ReportDestination::File;
        mRequest.fileType = 4;
        mRequest.fileName = existing;
        const ReportResult cancelled = mEngine->run(mRequest, [&](qint64 done, qint64 total) {
            totals << total;
            return done > 0; // cancel at the first look
        }); // no error
        QVERIFY(cancelled.cancelled);
        QCOMPARE(totals, QList<qint64>{4});
        QCOMPARE(fixture::readAll(existing), QByteArray("kept\n"));

        QVERIFY(!mEngine->run(mRequest).cancelled);
        QVERIFY(fixture::readAll(existing).startsWith("Name,Company"));
    }

    void printsTheRequestedCopies()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = mDir.filePath("printed.pdf");
        printer.setOutputFileName(pdf);
        PrinterOutput output(printer);
        mEngine->setPrinter(&output);
        mRequest.destination = ReportDestination::Printer;
        mRequest.copies = 3;
        mEngine->run(mRequest);
        QCOMPARE(printer.copyCount(), 3);
        QCOMPARE(printer.docName(), QString("Business Address List"));
        const QByteArray bytes = fixture::readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Type /Page\n"));
    }

    void printerFailuresAreClear()
    {
        mRequest.destination = ReportDestination::Printer;
        mRequest.copies = 0;
        QCOMPARE(refusal(), QString("The number of copies must be at least 1."));
        mRequest.copies = 1; // and no printer given
        QVERIFY2(refusal().startsWith("No printer is available."), qPrintable(refusal()));
    }

    void unknownDestinationIsAnError()
    {
        mRequest.destination = ReportDestination(3);
        QVERIFY2(refusal().startsWith("The destination 3 is not known."), qPrintable(refusal()));
    }

    void previewIsModelessAndTitled()
    {
        const auto previews = [] {
            QList<ReportPreviewWindow *> open;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *preview = qobject_cast<ReportPreviewWindow *>(w))
                    open << preview;
            return open;
        };
        mRequest.definition = "Business.rpt";
        mRequest.destination = ReportDestination::Screen;
        RunReport(*mEngine, mRequest, nullptr); // returns at once: the window stays open
        QCOMPARE(previews().size(), 1);
        QPointer<QWidget> window = previews().at(0);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QCOMPARE(window->windowTitle(), QString("Business Telephone List"));

        RunReport(*mEngine, mRequest, nullptr); // a second report opens a second window
        QCOMPARE(previews().size(), 2);
        QVERIFY(window);

        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window); // deleted on close
        qDeleteAll(previews());
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

            fixture::exportReport(*mEngine, mData, "bAddress.rpt", 4, mDir.filePath("beside.csv"));
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
        QVERIFY(fixture::exportReport(*mEngine, mData, "bAddress.rpt", 2, mDir.filePath("local.txt")).startsWith("Local Copy\n"));
        mEngine->setDefinitionFolders({mDir.path(), QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
        QVERIFY(fixture::exportReport(*mEngine, mData, "bAddress.rpt", 2, mDir.filePath("local.txt"))
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
    ReportRequest mRequest;
};

QTEST_MAIN(EngineRunsTest)
#include "tst_engine_runs.moc"
