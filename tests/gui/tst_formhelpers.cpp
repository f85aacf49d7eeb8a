// Shared form helpers: caption, centring, twips, sorted lists, message boxes.
#include "support/TestSupport.h"

#include "ui/widgets/WindowPlacement.h"
#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/LayoutUnits.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <QFontDatabase>
#include <QMessageBox>
#include <QListWidget>
#include <QTest>
#include <cmath>

using namespace varnelle;
using namespace varnelle::test;

class FormHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void initMainFormCaptionsCentresAndShows();
    void centreKeepsFractionalHalfAndDoesNotClamp();
    void centredPositionKeepsTheScreensOrigin_data();
    void centredPositionKeepsTheScreensOrigin();
    void twipsAreFifteenToAPixel();
    void sortedListsIgnoreCaseAndKeepItemData();
    void messageBoxesAreTitledWithTheApplicationTitle();
    void messageBoxIsWideEnoughForItsTitle();
    void versionTextHasNoLeadingZeros();
};

void FormHelpersTest::initMainFormCaptionsCentresAndShows()
{
    TempWorkDir dir;
    QWidget form;
    form.resize(300, 200);
    InitMainForm(form);
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QString("Varnelle For Windows"));
    QCOMPARE(AppTitle(), QString("Varnelle For Windows"));
    QVERIFY(ScreenWidthTwips() > 0);
    QVERIFY(ScreenHeightTwips() > 0);
    const QRect frame = form.frameGeometry();
    QVERIFY(std::abs(frame.center().x() - ScreenWidthTwips() / 30) <= 1);
    QVERIFY(std::abs(frame.center().y() - ScreenHeightTwips() / 30) <= 1);
}

void FormHelpersTest::centreKeepsFractionalHalfAndDoesNotClamp()
{
    TempWorkDir dir;
    QWidget mainForm;
    InitMainForm(mainForm);
    const int screenPixels = static_cast<int>(ScreenWidthTwips() / 15);

    QWidget form;
    form.show();
    // Make the frame's width differ from the screen's by an odd number of pixels.
    int width = screenPixels / 2;
    form.resize(width, 100);
    if ((screenPixels - form.frameGeometry().width()) % 2 == 0)
        form.resize(++width, 100);
    const QPointF pos = CenterForm(form);
    const double expectedLeft = (ScreenWidthTwips() - form.frameGeometry().width() * 15.0) / 2.0;
    QCOMPARE(pos.x(), expectedLeft);
    QCOMPARE(pos.x() - std::floor(pos.x()), 0.5);

    // Wider than the screen: a negative Left, not clamped to 0.
    form.resize(screenPixels + 200, 100);
    const QPointF wide = CenterForm(form);
    QVERIFY(wide.x() < 0);
    QCOMPARE(wide.x(), (ScreenWidthTwips() - form.frameGeometry().width() * 15.0) / 2.0);
    QVERIFY(form.frameGeometry().left() < 0);

    // Centring again after a move puts the form back in the middle.
    form.resize(200, 100);
    form.move(0, 0);
    const QPointF again = CenterForm(form);
    QCOMPARE(form.frameGeometry().left(), TwipsToPixels(again.x()));
}

void FormHelpersTest::centredPositionKeepsTheScreensOrigin_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<QSizeF>("frame");
    QTest::addColumn<QPointF>("position");
    // Twips; a second screen right of a 1920-pixel one, one above and left of
    // the primary, and a frame larger than its screen.
    QTest::newRow("right of the primary") << QRectF(28800, 0, 19200, 15360) << QSizeF(7200, 5000)
                                          << QPointF(28800 + 6000, 5180);
    QTest::newRow("negative origin") << QRectF(-19200, -3000, 19200, 14400) << QSizeF(7215, 4995)
                                     << QPointF(-19200 + 5992.5, -3000 + 4702.5);
    QTest::newRow("larger than the screen") << QRectF(1500, 450, 6000, 4000) << QSizeF(9000, 5000)
                                            << QPointF(0, -50);
}

void FormHelpersTest::centredPositionKeepsTheScreensOrigin()
{
    QFETCH(QRectF, area);
    QFETCH(QSizeF, frame);
    QFETCH(QPointF, position);
    QCOMPARE(CentredPosition(area, frame), position);
}

void FormHelpersTest::twipsAreFifteenToAPixel()
{
    QCOMPARE(TwipsToPixels(7080), 472);
    QCOMPARE(TwipsToPixels(4590), 306);
    QCOMPARE(TwipsToPixels(2750), 183);
    QCOMPARE(PixelsToTwips(183), 2745.0);
    QWidget parent;
    QWidget child(&parent);
    PlaceTwips(&child, 240, 120, 5055, 4350);
    QCOMPARE(child.geometry(), QRect(16, 8, 337, 290));
}

void FormHelpersTest::sortedListsIgnoreCaseAndKeepItemData()
{
    QListWidget list;
    list.setSortingEnabled(true);
    AddListEntry(&list, "smith", 1);
    AddListEntry(&list, "Adams", 2);
    AddListEntry(&list, "BAKER", 3);
    AddListEntry(&list, "baker, al", 4);
    QStringList texts;
    QList<int> keys;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
        keys << ItemData(list.item(i));
    }
    QCOMPARE(texts, (QStringList{"Adams", "BAKER", "baker, al", "smith"}));
    QCOMPARE(keys, (QList<int>{2, 3, 4, 1}));
    QCOMPARE(ItemData(nullptr), 0);

    QComboBox combo;
    for (const char *name : {"work", "Home", "", "fax", "Car"})
        AddSortedComboEntry(&combo, name, int(std::strlen(name)));
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    QCOMPARE(items, (QStringList{"", "Car", "fax", "Home", "work"}));
    QCOMPARE(combo.itemData(3).toInt(), 4);
}

void FormHelpersTest::messageBoxesAreTitledWithTheApplicationTitle()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    boxes.answer(QMessageBox::Yes);
    QVERIFY(AskYesNo("Delete Smith?"));
    ShowRefusal("Please enter a telephone number.");
    QVERIFY(!AskYesNo("Delete Jones?")); // unanswered: No
    QCOMPARE(boxes.messages.size(), 3);
    for (const ShownMessage &m : boxes.messages)
        QCOMPARE(m.title, QString("Varnelle For Windows"));
    QCOMPARE(boxes.messages[1].icon, QMessageBox::Warning);
    QCOMPARE(boxes.messages[1].buttons, QMessageBox::Ok);
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Question);
    QCOMPARE(boxes.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);

    boxes.answerInput(QString("Mobile"));
    QCOMPARE(InputBox("What is the type of telphone number?", "Cell"), QString("Mobile"));
    QCOMPARE(InputBox("What is the type of telphone number?", "Cell"), QString()); // Cancel
    QCOMPARE(boxes.inputs.size(), 2);
    QCOMPARE(boxes.inputs[0].title, QString("Varnelle For Windows"));
}

void FormHelpersTest::messageBoxIsWideEnoughForItsTitle()
{
    QMessageBox box;
    SetUpMessageBox(box, "Delete Smith, John?", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // The title as a window manager draws it, in bold, beside an icon and three buttons.
    QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    bold.setBold(true);
    const QFontMetrics title(bold);
    QVERIFY2(box.width() >= title.horizontalAdvance(AppTitle()) + 4 * title.height(),
             qPrintable(QString::number(box.width())));
    QCOMPARE(box.windowTitle(), AppTitle());
    QCOMPARE(box.text(), QString("Delete Smith, John?"));
    QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);

    // The input box, with its short prompt, too.
    int inputWidth = 0;
    QTimer::singleShot(0, [&] {
        if (auto *input = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            inputWidth = input->width();
            input->reject();
        }
    });
    InputBox("What is the type of telphone number?", "Car");
    QVERIFY2(inputWidth >= title.horizontalAdvance(AppTitle()) + 4 * title.height(),
             qPrintable(QString::number(inputWidth)));
}

void FormHelpersTest::versionTextHasNoLeadingZeros()
{
    QCOMPARE(VersionText(1, 0), QString("Version 1.0"));
    QCOMPARE(VersionText(2, 15), QString("Version 2.15"));
    QCOMPARE(VersionText(2, 5), QString("Version 2.5"));
}

QTEST_MAIN(FormHelpersTest)
#include "tst_formhelpers.moc"
