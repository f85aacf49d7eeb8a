// A dark desktop: the main window and the contact editor keep their text
// readable when the desktop's colours turn dark while they are open.
#include "support/AllWindows.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>

using namespace varnelle::test;

namespace {

// WCAG contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::AlternateBase, QColor(0x28, 0x28, 0x28));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void textStaysReadable_data();
    void textStaysReadable();
};

void DarkPaletteTest::textStaysReadable_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "MainWindow";
    QTest::newRow("editor") << "ContactDialog";
}

void DarkPaletteTest::textStaysReadable()
{
    QFETCH(QString, window);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const QPalette light = QApplication::palette();
    const ShownWindows shown = ShowAllWindows();
    QApplication::setPalette(darkPalette());
    QWidget *form = shown.window(window);
    QVERIFY(form);
    QStringList poor;
    int checked = 0;
    for (QWidget *control : Controls(*form)) {
        const QPalette &p = control->palette();
        std::pair<QPalette::ColorRole, QPalette::ColorRole> roles;
        if (qobject_cast<QLabel *>(control))
            roles = {QPalette::WindowText, QPalette::Window};
        else if (qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractItemView *>(control))
            roles = {QPalette::Text, QPalette::Base}; // boxes, and the rows of lists
        else
            continue;
        ++checked;
        const double ratio = contrast(p.color(roles.first), p.color(roles.second));
        if (ratio < 4.5)
            poor << control->objectName() + QString(": %1").arg(ratio, 0, 'f', 1);
    }
    QApplication::setPalette(light);
    QVERIFY(checked >= 1);
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join(", ")));
}

QTEST_MAIN(DarkPaletteTest)
#include "tst_darkpalette.moc"
