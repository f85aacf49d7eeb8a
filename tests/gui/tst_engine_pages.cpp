// The printed and previewed pages of the report engine, checked by drawing
// them onto a device that records every text and rule, and by printing to PDF.

#include "support/EngineFixture.h"
#include "reports/PageLayout.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/reports/ReportPrinting.h"

#include <QAction>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace varnelle;
using namespace varnelle::engine;

namespace {

struct DrawnText {
    QString text;
    QPointF at;
    bool bold;
};

// A page-sized device in the layout's units that keeps what is drawn on it.
class PageRecorder : public QPaintDevice {
public:
    explicit PageRecorder(const QSizeF &paper) : mSize(paper.toSize()), mEngine(this) {}
    QPaintEngine *paintEngine() const override { return const_cast<Engine *>(&mEngine); }

    QList<DrawnText> texts;
    QList<QLineF> rules;

    // The texts line by line, each line's from left to right.
    QStringList lines() const
    {
        QMap<double, QMap<double, QString>> byLine;
        for (const DrawnText &t : texts)
            byLine[t.at.y()].insert(t.at.x(), t.text);
        QStringList found;
        for (const QMap<double, QString> &line : std::as_const(byLine))
            found << QStringList(line.values()).join(u' ').simplified();
        return found;
    }

    QStringList textsIn(double top, double bottom) const
    {
        QStringList found;
        for (const DrawnText &t : texts)
            if (t.at.y() >= top && t.at.y() <= bottom)
                found << t.text;
        return found;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return mSize.width();
        case PdmHeight: return mSize.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return int(PageLayout::unitsPerInch);
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(PageRecorder *device) : QPaintEngine(AllFeatures), mDevice(device) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawRects(const QRectF *, int) override {}
        void drawLines(const QLineF *lines, int count) override
        {
            for (int i = 0; i < count; ++i)
                mDevice->rules << lines[i];
        }
        void drawTextItem(const QPointF &at, const QTextItem &item) override
        {
            mDevice->texts << DrawnText{item.text(), at, item.font().bold()};
        }
        Type type() const override { return User; }

    private:
        PageRecorder *mDevice;
    };
    QSize mSize;
    Engine mEngine;
};

// A book of `count` business contacts named "Name 0001", ..., each with
// `numbers` telephone numbers.
void createBook(const QString &path, int count, int numbers)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    QVERIFY(db.open());
    fixture::exec(db, QStringLiteral("CREATE TABLE Address (PersonID INTEGER PRIMARY KEY AUTOINCREMENT, IsBusiness BOOLEAN,"
                                     " Title TEXT, FirstName TEXT, LastName TEXT, Company TEXT, Street TEXT, State TEXT,"
                                     " City TEXT, ZipCode TEXT, EMail TEXT, Spouse TEXT, Children TEXT)"));
    fixture::exec(db, QStringLiteral("CREATE TABLE TelephoneType (TypeID INTEGER PRIMARY KEY AUTOINCREMENT, TelephoneType TEXT)"));
    fixture::exec(db, QStringLiteral("CREATE TABLE TelephoneList (PersonID INTEGER, TypeID INTEGER, Number TEXT,"
                                     " PRIMARY KEY (PersonID, TypeID))"));
    fixture::exec(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                                     " INSERT INTO Address (IsBusiness, FirstName, LastName, Company, Street, City)"
                                     " SELECT 1, 'Ann', printf('Name %04d', i), 'Company ' || i, i || ' Main Street',"
                                     " 'Boston' FROM n").arg(count));
    for (int type = 1; type <= numbers; ++type) {
        fixture::exec(db, QStringLiteral("INSERT INTO TelephoneType (TelephoneType) VALUES ('Type %1')").arg(type));
        fixture::exec(db, QStringLiteral("INSERT INTO TelephoneList SELECT PersonID, %1, '555-' || PersonID FROM Address")
                              .arg(type));
    }
    db.close();
}

} // namespace

class EnginePagesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<ReportEngine> mEngine;
    ReportRequest mRequest;
    QList<QPointer<ReportPreviewWindow>> mPreviews;

    // The report `file` on `data` in a preview, with every page drawn onto a recorder.
    std::vector<std::unique_ptr<PageRecorder>> pagesOf(const QString &file, const QString &data)
    {
        mRequest.dataFile = data;
        mRequest.definition = file;
        mRequest.destination = ReportDestination::Screen;
        ReportResult result = mEngine->run(mRequest);
        auto *preview = new ReportPreviewWindow(std::move(*result.pages));
        preview->show();
        mPreviews << preview;
        std::vector<std::unique_ptr<PageRecorder>> pages;
        for (int page = 0; page < preview->layout().pageCount(); ++page) {
            auto recorder = std::make_unique<PageRecorder>(preview->layout().paperSize());
            QPainter painter(recorder.get());
            preview->layout().drawPage(painter, page, preview->rowsOf(page));
            pages.push_back(std::move(recorder));
        }
        return pages;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        fixture::createDatabase(mDir.filePath("Address.mdb"));
        createBook(mDir.filePath("book.mdb"), 100, 0);
        createBook(mDir.filePath("numbers.mdb"), 100, 3);
    }

    void init()
    {
        mEngine = std::make_unique<ReportEngine>();
        mEngine->setDefinitionFolders({QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
        mRequest = ReportRequest();
    }

    void cleanup()
    {
        for (const QPointer<ReportPreviewWindow> &preview : std::as_const(mPreviews))
            delete preview.data();
        mPreviews.clear();
    }

    // Every page: the title, the headings (bold, ruled) of a table, rows in
    // order, each contact exactly once, and the footer with date and page.
    void pagesCarryHeaderHeadingsAndFooter_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("address list") << "bAddress.rpt" << "book.mdb" << "Business Address List"
                                      << QStringList{"Name", "Company", "Street", "City", "State", "ZIP"};
        QTest::newRow("telephone list") << "Business.rpt" << "numbers.mdb" << "Business Telephone List"
                                        << QStringList{"Name", "Company"};
        QTest::newRow("detail report") << "bDetail.rpt" << "numbers.mdb" << "Business Detail Report" << QStringList{};
    }
    void pagesCarryHeaderHeadingsAndFooter()
    {
        QFETCH(QString, file);
        QFETCH(QString, data);
        QFETCH(QString, title);
        QFETCH(QStringList, headings);
        const auto pages = pagesOf(file, mDir.filePath(data));
        const int count = int(pages.size());
        QVERIFY2(count >= 3, qPrintable(QString::number(count)));
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
        const double height = mPreviews.last()->layout().paperSize().height();
        QStringList names;
        for (int page = 0; page < count; ++page) {
            const PageRecorder &drawn = *pages[std::size_t(page)];
            QVERIFY(!drawn.texts.isEmpty());
            QCOMPARE(drawn.texts.first().text, title);
            QVERIFY(drawn.texts.first().bold);
            if (!headings.isEmpty()) {
                QCOMPARE(drawn.texts.mid(1, headings.size()).size(), headings.size());
                for (qsizetype i = 0; i < headings.size(); ++i) {
                    QCOMPARE(drawn.texts.at(1 + i).text, headings.at(i));
                    QVERIFY(drawn.texts.at(1 + i).bold);
                }
                // A rule between the headings and the first row.
                const double headingY = drawn.texts.at(1).at.y(), rowY = drawn.texts.at(1 + headings.size()).at.y();
                QVERIFY(std::any_of(drawn.rules.cbegin(), drawn.rules.cend(), [&](const QLineF &l) {
                    return l.y1() == l.y2() && l.y1() > headingY && l.y1() < rowY - 20;
                }));
            }
            // The footer is drawn last, below everything else.
            QList<DrawnText> footer = drawn.texts.mid(drawn.texts.size() - 2);
            QVERIFY(footer.at(0).at.y() > height * 0.9);
            QCOMPARE(QStringList({footer.at(0).text, footer.at(1).text}), (QStringList{date, QStringLiteral("Page %1 of %2").arg(page + 1).arg(count)}));
            for (const DrawnText &t : drawn.texts)
                if (t.text.startsWith("Name ") && !t.text.startsWith("Name:"))
                    names << t.text.section(u',', 0, 0);
        }
        QCOMPARE(names.size(), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(names.at(i), QStringLiteral("Name %1").arg(i + 1, 4, 10, QLatin1Char('0')));
    }

    // One line per contact and nothing else: each page is full, so the count
    // follows from the page's height; the last page ends with the contact count.
    void knownBookHasItsPageCount()
    {
        const auto pages = pagesOf("bAddress.rpt", mDir.filePath("book.mdb"));
        const PageLayout &layout = mPreviews.last()->layout();
        const auto [first, end] = layout.rowsOf(0);
        const qsizetype perPage = end - first;
        QVERIFY(perPage > 20);
        QCOMPARE(layout.pageCount(), int((100 + perPage) / perPage)); // with room for "100 contacts" after the last row
        for (int page = 0; page < layout.pageCount(); ++page) {
            const auto [from, to] = layout.rowsOf(page);
            QCOMPARE(from, page * perPage);
            QCOMPARE(to, std::min<qsizetype>((page + 1) * perPage, 100));
        }
        QVERIFY(pages.back()->textsIn(0, 1e9).contains("100 contacts"));
    }

    // A ZIP code and a telephone number are no use cut: the ZIP column keeps
    // room for its digits, and a long type's name gives way to its number.
    void codesAndNumbersArePrintedWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("whole");
        QTest::newRow("ZIP code in the address list") << "bAddress.rpt" << "81019-7234";
        QTest::newRow("number in the telephone list") << "Business.rpt" << "+1 (212) 555-0199 x7";
    }
    void codesAndNumbersArePrintedWhole()
    {
        QFETCH(QString, file);
        QFETCH(QString, whole);
        const QString data = mDir.filePath("long.mdb");
        if (!QFile::exists(data)) {
            createBook(data, 1, 3);
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), data);
            db.setDatabaseName(data);
            QVERIFY(db.open());
            fixture::exec(db, "UPDATE Address SET ZipCode = '81019-7234', Street = '1600 Pennsylvania Avenue Northwest 400'");
            fixture::exec(db, "UPDATE TelephoneType SET TelephoneType = 'Assistant Phone Line'");
            fixture::exec(db, "UPDATE TelephoneList SET Number = '+1 (212) 555-0199 x7'");
            db.close();
        }
        const QStringList texts = pagesOf(file, data).front()->textsIn(0, 1e9);
        QVERIFY2(!texts.filter(QRegularExpression(QRegularExpression::escape(whole) + "$")).isEmpty(),
                 qPrintable(texts.join(" | ")));
    }

    // Cards of eight lines, from "Ann" to the third number: a card that would
    // straddle a page break starts the next page.
    void cardsAreNeverSplit()
    {
        const auto pages = pagesOf("bDetail.rpt", mDir.filePath("numbers.mdb"));
        const PageLayout &layout = mPreviews.last()->layout();
        qsizetype next = 0;
        for (int page = 0; page < layout.pageCount(); ++page) {
            const auto [first, end] = layout.rowsOf(page);
            QCOMPARE(first, next); // no card on two pages
            next = end;
            // The page holds whole cards: their first and last lines alike.
            const QStringList texts = pages[std::size_t(page)]->textsIn(0, 1e9);
            QCOMPARE(texts.count("Ann"), int(end - first));
            QCOMPARE(texts.filter(QRegularExpression("^Type 3: 555-")).size(), int(end - first));
        }
        QCOMPARE(next, qsizetype(100));
    }

    // A printer gets a page's text in few runs of glyphs; the PDF reads line
    // by line as the page drawn text by text: Latin, Greek, elided alike.
    void printedPagesReadAsDrawn()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString data = mDir.filePath("mixed.mdb");
        createBook(data, 30, 2);
        {
            QSqlDatabase db = QSqlDatabase::database(data);
            QVERIFY(db.open());
            fixture::exec(db, QStringLiteral("UPDATE Address SET Street = 'Οδός Αθηνάς 5', City = ? WHERE PersonID = 2"),
                          {QStringLiteral("Zürich ").repeated(40)});
            db.close();
        }
        const auto pages = pagesOf("bDetail.rpt", data);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = mDir.filePath("mixed.pdf");
        printer.setOutputFileName(pdf);
        PrinterOutput output(printer);
        mEngine->setPrinter(&output);
        mRequest.destination = ReportDestination::Printer;
        mEngine->run(mRequest);

        auto pdfText = [&](const QString &option) {
            QProcess text;
            text.start(pdftotext, {option, pdf, QStringLiteral("-")});
            text.waitForFinished();
            return QString::fromUtf8(text.readAllStandardOutput());
        };
        QStringList printed = pdfText(QStringLiteral("-layout")).split(u'\f');
        printed.removeLast(); // after the last page
        QCOMPARE(printed.size(), qsizetype(pages.size()));
        // Each text starts where it was drawn: its first word begins at its x
        // and spans its baseline (the layout's units are tenths of a point).
        const QStringList boxes = pdfText(QStringLiteral("-bbox")).split(QStringLiteral("<page ")).mid(1);
        QCOMPARE(boxes.size(), printed.size());
        const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re");
        QStringList all;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            QStringList lines;
            for (const QString &line : printed.at(qsizetype(page)).split(u'\n'))
                if (!line.trimmed().isEmpty())
                    lines << line.simplified();
            QCOMPARE(lines, pages[page]->lines());
            all << lines;
            for (const DrawnText &t : pages[page]->texts) {
                const QString first = t.text.section(u' ', 0, 0, QString::SectionSkipEmpty);
                bool placed = false;
                for (const QRegularExpressionMatch &m : word.globalMatch(boxes.at(qsizetype(page))))
                    placed = placed
                             || (m.captured(4) == first && std::abs(m.captured(1).toDouble() - t.at.x() / 10) < 0.1
                                 && m.captured(2).toDouble() < t.at.y() / 10 && m.captured(3).toDouble() > t.at.y() / 10);
                QVERIFY2(placed, qPrintable(t.text));
            }
        }
        QVERIFY(all.contains(QStringLiteral("Street: Οδός Αθηνάς 5")));
        QVERIFY(all.indexOf(QRegularExpression(QStringLiteral("^City: (Zürich )+\\S*…$"))) >= 0);
    }

    // The orientation comes from what the layout prints: the telephone lists
    // put the numbers under the names and fit a portrait page.
    void telephoneListsArePortrait_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("portrait");
        QTest::newRow("business telephone list") << "Business.rpt" << true;
        QTest::newRow("personal telephone list") << "Personal.rpt" << true;
        QTest::newRow("detail report") << "bDetail.rpt" << true;
        QTest::newRow("address list, six wide columns") << "bAddress.rpt" << false;
    }
    void telephoneListsArePortrait()
    {
        QFETCH(QString, file);
        QFETCH(bool, portrait);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString pdf = mDir.filePath("orientation.pdf");
        printer.setOutputFileName(pdf);
        PrinterOutput output(printer);
        mEngine->setPrinter(&output);
        mRequest.dataFile = mDir.filePath("Address.mdb");
        mRequest.destination = ReportDestination::Printer;
        mRequest.definition = file;
        mEngine->run(mRequest);
        // The pages written: A4 is 595 by 842 points.
        const QByteArray bytes = fixture::readAll(pdf);
        const QRegularExpression box(portrait ? R"(/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])"
                                              : R"(/MediaBox \[0 0 842(\.0+)? 595(\.0+)?\])");
        QVERIFY(box.match(QString::fromLatin1(bytes)).hasMatch());
        QCOMPARE(printer.pageLayout().orientation(), portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    }

    // A print stopped half-way leaves no file, and a file of that name is kept.
    void cancelledPrintLeavesNoFile_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file") << false;
        QTest::newRow("file there before") << true;
    }
    void cancelledPrintLeavesNoFile()
    {
        QFETCH(bool, existing);
        QTemporaryDir out;
        const QString pdf = out.filePath("report.pdf");
        if (existing)
            fixture::writeAll(pdf, "kept");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        qint64 last = 0;
        PrinterOutput output(printer);
        mEngine->setPrinter(&output);
        mRequest.dataFile = mDir.filePath("numbers.mdb");
        mRequest.destination = ReportDestination::Printer;
        mRequest.definition = "bDetail.rpt";
        QVERIFY(mEngine->run(mRequest, [&](qint64 done, qint64 total) {
            last = done;
            return done < total * 3 / 4; // stops while the pages are printed
        }).cancelled);
        QVERIFY(last > 50);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), existing ? QStringList{"report.pdf"} : QStringList{});
        if (existing)
            QCOMPARE(fixture::readAll(pdf), QByteArray("kept"));
        QCOMPARE(printer.outputFileName(), pdf);

        QVERIFY(!mEngine->run(mRequest).cancelled);
        QVERIFY(fixture::readAll(pdf).startsWith("%PDF"));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"report.pdf"});
    }

    // The preview draws the page it shows, and its controls move between pages.
    void previewNavigatesAndZooms()
    {
        pagesOf("bDetail.rpt", mDir.filePath("numbers.mdb"));
        ReportPreviewWindow *preview = mPreviews.last();
        QSignalSpy pages(preview, &ReportPreviewWindow::pageDrawn);
        preview->grab();
        QCOMPARE(pages.last().at(0).toInt(), 0);
        const int count = preview->layout().pageCount();
        preview->findChild<QAction *>("lastPageAction")->trigger();
        QCOMPARE(preview->currentPage(), count - 1);
        QVERIFY(!preview->findChild<QAction *>("nextPageAction")->isEnabled());
        preview->findChild<QAction *>("previousPageAction")->trigger();
        QCOMPARE(preview->findChild<QSpinBox *>("pageNumber")->value(), count - 1);
        preview->findChild<QSpinBox *>("pageNumber")->setValue(2);
        QCOMPARE(preview->currentPage(), 1);
        preview->grab();
        QCOMPARE(pages.last().at(0).toInt(), 1);
        // A screen reader gets the page's text: its name says which page, its
        // description holds the page's lines, numbers and footer.
        const auto *view = preview->findChild<QWidget *>("pageView");
        QCOMPARE(view->accessibleName(), QString("Page 2 of %1").arg(count));
        const QString text = view->accessibleDescription();
        QVERIFY2(text.contains(preview->layout().footerPage(1)), qPrintable(text));
        QVERIFY2(text.count(u'\n') > 5, qPrintable(text));
        const double zoom = preview->zoom();
        preview->findChild<QAction *>("zoomInAction")->trigger();
        QVERIFY(preview->zoom() > zoom);
        preview->findChild<QAction *>("fitPageAction")->trigger();
        const QSize page = preview->findChild<QWidget *>("pageView")->size();
        QVERIFY(page.height() <= preview->findChild<QScrollArea *>("pageScroll")->maximumViewportSize().height());
    }
};

QTEST_MAIN(EnginePagesTest)
#include "tst_engine_pages.moc"
