// Windows built with layouts: drawn as before at the program's font, growing
// with a larger font (and, run with QT_SCALE_FACTOR=2, at scale 2) so that no
// caption is cut off, and the main window's list taking the room it is given.
#include "support/AllWindows.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "ui/widgets/LayoutUnits.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QTest>

using namespace varnelle;
using namespace varnelle::test;

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowAsDrawnAndGrowing();
    void noCaptionCutOff_data();
    void noCaptionCutOff();
};

void LayoutTest::mainWindowAsDrawnAndGrowing()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const ShownWindows shown = ShowAllWindows();
    QWidget &main = *shown.window("MainWindow");
    const auto twips = [](double l, double t, double w, double h) {
        return QRect(TwipsToPixels(l), TwipsToPixels(t), TwipsToPixels(w), TwipsToPixels(h));
    };
    const std::pair<const char *, QRect> drawn[] = {
        {"searchBox", twips(240, 120, 5055, 315)},       {"searchCount", twips(240, 465, 5055, 195)},
        {"contactList", twips(240, 690, 5055, 4350)},    {"addButton", twips(5520, 690, 1335, 615)},
        {"editButton", twips(5520, 1530, 1335, 615)},    {"deleteButton", twips(5520, 2370, 1335, 615)},
        {"viewButton", twips(5520, 4410, 1335, 615)},
    };
    for (const auto &[name, place] : drawn)
        QCOMPARE(find<QWidget>(main, name)->geometry(), place);
    QCOMPARE(find<QWidget>(main, "client")->size(), TwipsSize(7080, 4590 + 570));

    QWidget *client = find<QWidget>(main, "client");
    const QSize listBefore = find<QListView>(main, "contactList")->size();
    const QSize clientBefore = client->size();
    main.resize(main.size() + QSize(200, 150));
    QTRY_VERIFY(client->size() != clientBefore);
    QCOMPARE(find<QListView>(main, "contactList")->size() - listBefore, client->size() - clientBefore);
    QCOMPARE(find<QWidget>(main, "viewButton")->geometry().bottom(),
             find<QWidget>(main, "contactList")->geometry().bottom() - 1);
}

void LayoutTest::noCaptionCutOff_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("8 points") << 8;
    QTest::newRow("10 points") << 10;
    QTest::newRow("12 points") << 12;
}

void LayoutTest::noCaptionCutOff()
{
    QFETCH(int, points);
    QFont font = QApplication::font();
    font.setPointSize(points);
    QApplication::setFont(font);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const ShownWindows shown = ShowAllWindows();
    QStringList cut;
    for (const char *name : {"MainWindow", "ExportOptionsDialog", "ImportOptionsDialog", "ImportSummaryDialog"}) {
        QWidget *window = shown.window(name);
        QVERIFY(window);
        for (QWidget *control : Controls(*window)) {
            const auto *label = qobject_cast<QLabel *>(control);
            const auto *button = qobject_cast<QAbstractButton *>(control);
            if ((!label || label->text().isEmpty()) && (!button || button->text().isEmpty()))
                continue;
            const QSize need = control->sizeHint();
            if (need.width() > control->width() || need.height() > control->height())
                cut << QString("%1/%2 needs %3x%4, has %5x%6")
                           .arg(name, control->objectName())
                           .arg(need.width())
                           .arg(need.height())
                           .arg(control->width())
                           .arg(control->height());
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
