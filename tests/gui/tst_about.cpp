// The About box: its texts, its centring on every showing, and how it closes.
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "ui/widgets/WindowPlacement.h"
#include "store/AddressBook.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace varnelle;
using namespace varnelle::test;

namespace {

struct Showing {
    QString caption, product, version, copyright, bookPath;
    QRect frame;
    QPoint labelsLeft;
    bool separatorIsBlackLine = false;
    QPointer<QDialog> dialog;
};

// Opens the About box from the Help menu and closes it with the given key, or
// with OK when key is 0.
Showing showAbout(MainWindow &main, int key = 0)
{
    Showing seen;
    ModalScript script;
    script.expect("AboutDialog", [&](QDialog &d) {
        seen.dialog = &d;
        seen.caption = d.windowTitle();
        seen.product = d.findChild<QLabel *>("productLabel")->text();
        seen.version = d.findChild<QLabel *>("versionLabel")->text();
        seen.copyright = d.findChild<QLabel *>("copyrightLabel")->text();
        seen.bookPath = d.findChild<QLineEdit *>("bookPathBox")->text();
        seen.frame = d.frameGeometry();
        seen.labelsLeft = {d.findChild<QLabel *>("productLabel")->x(), d.findChild<QLabel *>("versionLabel")->x()};
        const auto *line = d.findChild<QFrame *>("separator");
        seen.separatorIsBlackLine = line->frameShape() == QFrame::HLine && line->height() <= 2
                                    && line->palette().color(QPalette::WindowText) == Qt::black;
        if (key)
            QTest::keyClick(&d, Qt::Key(key));
        else
            QTest::mouseClick(d.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    });
    script.run([&] { find<QAction>(main, "aboutAction")->trigger(); });
    if (!script.problems.isEmpty() || script.pending() != 0)
        seen.caption = "not answered: " + script.problems.join("; ");
    return seen;
}

bool centred(const QRect &frame)
{
    return std::abs(frame.center().x() - ScreenWidthTwips() / 30) <= 1
           && std::abs(frame.center().y() - ScreenHeightTwips() / 30) <= 1;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void showsProductAndVersionCentredEveryTime();
    void escAndEnterCloseItLikeOk();
};

void AboutTest::showsProductAndVersionCentredEveryTime()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = CurrentMainWindow();
    main.load();
    main.move(0, 0); // the box centres on the screen, not on the main window

    for (int i = 0; i < 2; ++i) {
        const Showing seen = showAbout(main);
        QCOMPARE(seen.caption, QString("About Varnelle"));
        QCOMPARE(seen.product, QString("Varnelle For Windows"));
        QCOMPARE(seen.version, QString("Version 1.0"));
        QVERIFY2(seen.copyright.contains("2026") && seen.copyright.contains("Varnelle")
                     && !seen.copyright.contains('\n'),
                 qPrintable(seen.copyright));
        QVERIFY(seen.separatorIsBlackLine);
        QCOMPARE(seen.bookPath, QFileInfo("Address.mdb").absoluteFilePath());
        QCOMPARE(seen.labelsLeft, QPoint(144, 144));
        QVERIFY2(centred(seen.frame), qPrintable(QString("%1,%2 %3x%4 screen %5x%6")
                                                     .arg(seen.frame.x())
                                                     .arg(seen.frame.y())
                                                     .arg(seen.frame.width())
                                                     .arg(seen.frame.height())
                                                     .arg(ScreenWidthTwips() / 15)
                                                     .arg(ScreenHeightTwips() / 15)));
        QVERIFY(seen.dialog.isNull()); // destroyed after each showing
    }
    QVERIFY(boxes.messages.isEmpty());
}

void AboutTest::escAndEnterCloseItLikeOk()
{
    TempWorkDir dir;
    MainWindow &main = CurrentMainWindow();
    main.load();
    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return)}) {
        const Showing seen = showAbout(main, key);
        QCOMPARE(seen.caption, QString("About Varnelle"));
        QVERIFY(seen.dialog.isNull());
    }
    QVERIFY(main.isVisible());
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
