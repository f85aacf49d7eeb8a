// Windows built with layouts: drawn as before at the program's font, growing
// with a larger font (and, run with QT_SCALE_FACTOR=2, at scale 2) so that no
// caption of any window is cut off or stands outside it, and the main
// window's list taking the room it is given. German and French are tried too.
#include "support/AllWindows.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "store/Database.h"
#include "ui/main/ContactListModel.h"
#include "ui/widgets/LayoutUnits.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QScopeGuard>
#include <QTranslator>

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
    QWidget *client = find<QWidget>(main, "client");
    for (const auto &[name, place] : drawn) {
        const QWidget *control = find<QWidget>(main, name);
        QCOMPARE(QRect(control->mapTo(client, QPoint(0, 0)), control->size()), place);
    }
    QCOMPARE(client->size(), TwipsSize(7080, 4590 + 570));

    const QSize listBefore = find<QListView>(main, "contactList")->size();
    const QSize clientBefore = client->size();
    main.resize(main.size() + QSize(200, 150));
    QTRY_VERIFY(client->size() != clientBefore);
    QCOMPARE(find<QListView>(main, "contactList")->size() - listBefore, client->size() - clientBefore);
    QCOMPARE(find<QWidget>(main, "viewButton")->geometry().bottom(),
             find<QWidget>(main, "contactList")->mapTo(client, QPoint(0, listBefore.height() - 1)).y()
                 + (client->size() - clientBefore).height() - 1);
}

void LayoutTest::noCaptionCutOff_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("language"); // empty: English
    QTest::newRow("8 points") << 8 << QString();
    QTest::newRow("9 points") << 9 << QString();
    QTest::newRow("10 points") << 10 << QString();
    QTest::newRow("12 points") << 12 << QString();
    QTest::newRow("German, 10 points") << 10 << "de";
    QTest::newRow("French, 10 points") << 10 << "fr";
}

void LayoutTest::noCaptionCutOff()
{
    QFETCH(int, points);
    QFETCH(QString, language);
    QTranslator translation;
    if (!language.isEmpty()) {
        QVERIFY(translation.load(QString(VARNELLE_QM_DIR "/varnelle_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translation);
    }
    const auto untranslated = qScopeGuard([&translation] { QCoreApplication::removeTranslator(&translation); });
    QFont font = QApplication::font();
    font.setPointSize(points);
    QApplication::setFont(font);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const ShownWindows shown = ShowAllWindows();
    QStringList cut;
    for (const ShownWindows::Window &window : shown.windows) {
        for (QWidget *control : Controls(*window.widget)) {
            const auto *label = qobject_cast<QLabel *>(control);
            const auto *button = qobject_cast<QAbstractButton *>(control);
            const auto *frame = qobject_cast<QGroupBox *>(control);
            if ((!label || label->text().isEmpty()) && (!button || button->text().isEmpty())
                && (!frame || frame->title().isEmpty()))
                continue;
            const QSize need = control->sizeHint();
            const QRect place(control->mapTo(window.widget, QPoint(0, 0)), control->size());
            if (need.width() > place.width() || need.height() > place.height()
                || !window.widget->rect().contains(place))
                cut << QString("%1/%2 needs %3x%4, has %5x%6 at %7,%8 in %9x%10")
                           .arg(window.name, control->objectName())
                           .arg(need.width())
                           .arg(need.height())
                           .arg(place.width())
                           .arg(place.height())
                           .arg(place.x())
                           .arg(place.y())
                           .arg(window.widget->width())
                           .arg(window.widget->height());
        }
    }
    // The main list shows its line whole, the number at its tab stop included.
    auto *list = find<QListView>(*shown.window("MainWindow"), "contactList");
    QTextLayout line(list->model()->index(0, 0).data(ContactListModel::LineRole).toString(), list->font());
    QTextOption tabs;
    tabs.setTabStopDistance(8 * list->fontMetrics().averageCharWidth());
    line.setTextOption(tabs);
    line.beginLayout();
    QTextLine laidOut = line.createLine();
    laidOut.setLineWidth(1e6);
    const qreal lineWidth = laidOut.naturalTextWidth();
    line.endLayout();
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    if (lineWidth + margins > list->viewport()->width())
        cut << QString("contactList line needs %1, has %2").arg(lineWidth).arg(list->viewport()->width());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));

    // The columns, at the window's width and when it is made narrower or
    // wider: every number whole, a name or company too long for its column
    // ending in an ellipsis, no column beyond the line.
    AddressBook &book = CurrentBook();
    RunQuery(book.database(), "INSERT INTO Address (IsBusiness, FirstName, LastName, Company) VALUES (1, ?, ?, ?)",
             {"Maximiliane-Jos", "Wolkenstein-Trostburg-Rod", "Internationale Handelsgesellsc"});
    RunQuery(book.database(), "INSERT INTO TelephoneList VALUES (2, 1, '+1 (438) 555-0142 99')");
    book.notifyContactsChanged();
    auto *delegate = qobject_cast<ContactListDelegate *>(list->itemDelegate());
    QVERIFY(delegate);
    QWidget &main = *shown.window("MainWindow");
    const QSize drawn = main.size();
    for (const int wider : {0, 300, -main.width()}) {
        main.resize(drawn.width() + wider, drawn.height());
        QApplication::processEvents();
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            QStyleOptionViewItem option;
            option.initFrom(list);
            option.rect = list->visualRect(index);
            option.widget = list;
            const ContactListDelegate::Columns shownColumns = delegate->columns(option, index);
            const QString number = index.data(ContactListModel::NumberRole).toString();
            const QString name = index.data(ContactListModel::NameRole).toString();
            QCOMPARE(shownColumns.number, number);
            QVERIFY2(list->fontMetrics().horizontalAdvance(number) <= shownColumns.numberRect.width()
                         && list->viewport()->rect().contains(shownColumns.numberRect),
                     qPrintable(number));
            QVERIFY(!shownColumns.nameRect.intersects(shownColumns.numberRect));
            QVERIFY2(shownColumns.name == name || shownColumns.name.endsWith(QChar(0x2026)), qPrintable(shownColumns.name));
            if (row == 1 && wider == 0)
                QVERIFY2(shownColumns.name != name, qPrintable(shownColumns.name)); // the long name is cut
            if (!shownColumns.company.isEmpty())
                QVERIFY(list->viewport()->rect().contains(shownColumns.companyRect));
        }
    }
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
