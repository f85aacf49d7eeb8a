// The report destination dialog and the selection criteria dialog, driven as a
// user drives them, checked through the request and criteria they hand back.
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "ui/widgets/WindowPlacement.h"
#include "store/AddressBook.h"
#include "reports/ReportRequest.h"
#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "ui/main/MainWindow.h"
#include "reports/ReportEngine.h"
#include "ui/reports/ReportCriteriaDialog.h"
#include "ui/reports/ReportDestinationDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <cmath>
#include <stdexcept>

using namespace varnelle;
using namespace varnelle::test;

namespace {

// The criteria dialog's Exclude boxes: company, state, last name.
const char *const ExcludeBoxes[] = {"excludeCompanyBox", "excludeStateBox", "excludeLastNameBox"};

// A request holding values no dialog writes, with the destination the
// dialog's choices fill in: shows which parts the dialog touched.
ReportRequest chosen(const ReportDestinationDialog &dialog)
{
    ReportRequest request;
    request.destination = static_cast<ReportDestination>(7);
    request.fileName = "untouched";
    request.fileType = 9;
    request.copies = 42;
    request.selectionFormula = "untouched";
    dialog.fillDestination(request);
    return request;
}

void addContact(bool business, const QVariant &company, const QVariant &state, const QVariant &lastName)
{
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness, Company, State, LastName) VALUES (?, ?, ?, ?)",
             {business, company, state, lastName});
}

bool centred(const QWidget &form)
{
    const QRect frame = form.frameGeometry();
    return std::abs(frame.center().x() - ScreenWidthTwips() / 30) <= 1
           && std::abs(frame.center().y() - ScreenHeightTwips() / 30) <= 1;
}

const QVariant Null = QVariant(QMetaType::fromType<QString>());

} // namespace

class ReportDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void destinationDialogOpensWithItsDefaults();
    void okWritesOnlyTheChosenDestination();
    void copiesBoxTakesAtMostThreeDigits();
    void cancelEscAndFrameCloseWriteNothingAndKeepTheChoices();
    void diskFileIsReplacedOnlyWhenTheUserAgrees_data();
    void diskFileIsReplacedOnlyWhenTheUserAgrees();

    void criteriaListsHoldEveryDistinctValueSorted();
    void criteriaListsAreRebuiltOnlyWhenAsked();
    void okWritesTheFormulaInItsFixedOrder();
    void frameCloseCancelsAndEscIsIgnored();
    void databaseFailureWhileFillingIsReported();
};

void ReportDialogsTest::destinationDialogOpensWithItsDefaults()
{
    TempWorkDir dir;
    QWidget screenProbe;
    InitMainForm(screenProbe);
    ReportDestinationDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Report Destination Selection"));
    QVERIFY(centred(dialog));
    QCOMPARE(dialog.size().expandedTo(QSize(426, 283)), dialog.size()); // as drawn, or larger for its texts
    QVERIFY(find<QRadioButton>(dialog, "printerOption")->isChecked());
    QVERIFY(find<QRadioButton>(dialog, "allRecordsOption")->isChecked());
    QVERIFY(!find<QRadioButton>(dialog, "screenOption")->isChecked());
    QVERIFY(!find<QRadioButton>(dialog, "diskOption")->isChecked());
    QVERIFY(!find<QRadioButton>(dialog, "partialReportOption")->isChecked());
    QCOMPARE(find<QLineEdit>(dialog, "copiesBox")->text(), QString("1"));
    QCOMPARE(find<QLineEdit>(dialog, "fileNameBox")->text(), QString("address.txt"));
    QCOMPARE(find<QGroupBox>(dialog, "printerGroup")->title(), QString("Report To Printer"));
    QCOMPARE(find<QGroupBox>(dialog, "diskGroup")->title(), QString("Report To Disk"));
    QCOMPARE(find<QLabel>(dialog, "copiesLabel")->text(), QString("Copies:"));
    QCOMPARE(find<QPushButton>(dialog, "okButton")->text(), QString("&OK"));
    QVERIFY(find<QPushButton>(dialog, "okButton")->isDefault());

    auto *types = find<QComboBox>(dialog, "fileTypeCombo");
    QVERIFY(!types->isEditable());
    QCOMPARE(types->currentText(), QString("Record Format"));
    QCOMPARE(entries(dialog, "fileTypeCombo"),
             (QStringList{"Record Format", "Tab Separated", "Text Format", "DIF Format", "Comma Separated Values",
                          "Tab Separated Values"}));
    QList<int> data;
    for (int i = 0; i < types->count(); ++i)
        data << types->itemData(i).toInt();
    QCOMPARE(data, (QList<int>{0, 1, 2, 3, 4, 6}));
    // The closed list shows its longest entry whole, and stays inside its frame.
    types->setCurrentIndex(4);
    QStyleOptionComboBox shown;
    shown.initFrom(types);
    shown.currentText = types->currentText();
    const QRect field =
        types->style()->subControlRect(QStyle::CC_ComboBox, &shown, QStyle::SC_ComboBoxEditField, types);
    QVERIFY(field.width() - 2 >= types->fontMetrics().horizontalAdvance("Comma Separated Values"));
    QVERIFY(find<QGroupBox>(dialog, "diskGroup")->rect().contains(types->geometry()));
    QVERIFY(dialog.rect().contains(find<QGroupBox>(dialog, "diskGroup")->geometry()));
    types->setCurrentIndex(0);

    // Two independent groups; choosing an option disables nothing.
    click(dialog, "partialReportOption");
    QVERIFY(find<QRadioButton>(dialog, "printerOption")->isChecked());
    click(dialog, "diskOption");
    QVERIFY(find<QRadioButton>(dialog, "partialReportOption")->isChecked());
    QVERIFY(!find<QRadioButton>(dialog, "printerOption")->isChecked());
    click(dialog, "screenOption");
    QVERIFY(!find<QRadioButton>(dialog, "diskOption")->isChecked());
    for (QWidget *w : dialog.findChildren<QWidget *>())
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
}

void ReportDialogsTest::okWritesOnlyTheChosenDestination()
{
    TempWorkDir dir;
    // Screen: only the destination.
    ReportDestinationDialog dialog;
    dialog.show();
    click(dialog, "screenOption");
    click(dialog, "okButton");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(chosen(dialog).destination), 0);
    QCOMPARE(chosen(dialog).fileName, QString("untouched"));
    QCOMPARE(chosen(dialog).fileType, 9);
    QCOMPARE(chosen(dialog).copies, 42);
    QCOMPARE(chosen(dialog).selectionFormula, QString("untouched"));
    QVERIFY(dialog.allRecords());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // Disk with CSV: the file name does not follow the file type.
    dialog.show();
    click(dialog, "diskOption");
    click(dialog, "partialReportOption");
    QVERIFY(choose(dialog, "fileTypeCombo", "Comma Separated Values"));
    click(dialog, "okButton");
    QCOMPARE(int(chosen(dialog).destination), 2);
    QCOMPARE(chosen(dialog).fileName, QString("address.txt"));
    QCOMPARE(chosen(dialog).fileType, 4);
    QCOMPARE(chosen(dialog).copies, 42);
    QVERIFY(!dialog.allRecords());

    // A typed name goes unchanged; Enter is OK.
    dialog.show();
    QVERIFY(choose(dialog, "fileTypeCombo", "Tab Separated Values"));
    retype(dialog, "fileNameBox", " my list ");
    click(dialog, "allRecordsOption");
    QTest::keyClick(find<QLineEdit>(dialog, "fileNameBox"), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(chosen(dialog).fileName, QString(" my list "));
    QCOMPARE(chosen(dialog).fileType, 6);
    QVERIFY(dialog.allRecords());

    // Printer: destination and copies only.
    dialog.show();
    click(dialog, "printerOption");
    retype(dialog, "copiesBox", "12");
    click(dialog, "okButton");
    QCOMPARE(int(chosen(dialog).destination), 1);
    QCOMPARE(chosen(dialog).copies, 12);
    QCOMPARE(chosen(dialog).fileName, QString("untouched"));
    QCOMPARE(chosen(dialog).fileType, 9);
}

void ReportDialogsTest::copiesBoxTakesAtMostThreeDigits()
{
    TempWorkDir dir;
    ReportDestinationDialog dialog;
    dialog.show();
    auto *copies = find<QLineEdit>(dialog, "copiesBox");
    QTest::keyClick(copies, Qt::Key_End);

    QTest::keyClicks(copies, "a-+. e");
    QCOMPARE(copies->text(), QString("1"));
    QTest::keyClicks(copies, "2x3");
    QCOMPARE(copies->text(), QString("123"));
    QTest::keyClick(copies, Qt::Key_4);
    QCOMPARE(copies->text(), QString("123"));
    QTest::keyClick(copies, Qt::Key_Backspace);
    QCOMPARE(copies->text(), QString("12"));

    // Pasting goes through the same filter: no letters, at most three digits.
    QTest::keyClick(copies, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText("7b");
    QTest::keyClick(copies, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(copies->text(), QString("1"));
    QGuiApplication::clipboard()->setText("995");
    QTest::keyClick(copies, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(copies->text(), QString("199"));
    QGuiApplication::clipboard()->setText("9");
    QTest::keyClick(copies, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(copies->text(), QString("199"));

    // "007" is seven copies; an emptied box is none.
    retype(dialog, "copiesBox", "007");
    click(dialog, "okButton");
    QCOMPARE(chosen(dialog).copies, 7);
    dialog.show();
    retype(dialog, "copiesBox", "");
    QCOMPARE(copies->text(), QString());
    click(dialog, "okButton");
    QCOMPARE(int(chosen(dialog).destination), 1);
    QCOMPARE(chosen(dialog).copies, 0);

    QCOMPARE(LeadingNumber("12abc"), 12);
    QCOMPARE(LeadingNumber("x1"), 0);
}

void ReportDialogsTest::cancelEscAndFrameCloseWriteNothingAndKeepTheChoices()
{
    TempWorkDir dir;
    ReportDestinationDialog dialog;

    const auto cancelWith = [&](const std::function<void(ReportDestinationDialog &)> &cancel) {
        dialog.show();
        click(dialog, "diskOption");
        click(dialog, "partialReportOption");
        QVERIFY(choose(dialog, "fileTypeCombo", "DIF Format"));
        retype(dialog, "fileNameBox", "list.dif");
        retype(dialog, "copiesBox", "3");
        cancel(dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // the run ends; nothing is read from the dialog
    };
    cancelWith([](ReportDestinationDialog &d) { click(d, "cancelButton"); });
    cancelWith([](ReportDestinationDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    cancelWith([](ReportDestinationDialog &d) { d.close(); });

    // The same dialog, with the user's last choices, opens next time.
    ReportDestinationDialog &again = dialog;
    again.show();
    QVERIFY(find<QRadioButton>(again, "diskOption")->isChecked());
    QVERIFY(find<QRadioButton>(again, "partialReportOption")->isChecked());
    QCOMPARE(find<QComboBox>(again, "fileTypeCombo")->currentText(), QString("DIF Format"));
    QCOMPARE(find<QLineEdit>(again, "fileNameBox")->text(), QString("list.dif"));
    QCOMPARE(find<QLineEdit>(again, "copiesBox")->text(), QString("3"));
}

void ReportDialogsTest::diskFileIsReplacedOnlyWhenTheUserAgrees_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("answer"); // to the question, when one is asked
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("accepted");
    const QStringList question{"The file 'list.txt' already exists. Replace it?"};
    QTest::newRow("existing, Yes") << "list.txt" << int(QMessageBox::Yes) << question << true;
    QTest::newRow("existing, No") << "list.txt" << int(QMessageBox::No) << question << false;
    QTest::newRow("new file") << "new.txt" << int(QMessageBox::No) << QStringList{} << true;
    QTest::newRow("picked with Browse") << "" << int(QMessageBox::No) << QStringList{} << true;
}

void ReportDialogsTest::diskFileIsReplacedOnlyWhenTheUserAgrees()
{
    QFETCH(QString, fileName);
    QFETCH(int, answer);
    QFETCH(QStringList, asked);
    QFETCH(bool, accepted);
    TempWorkDir dir;
    QFile existing("list.txt");
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    ScriptedBoxes boxes;
    boxes.answer(QMessageBox::StandardButton(answer));
    ReportDestinationDialog dialog;
    dialog.show();
    click(dialog, "diskOption");
    if (fileName.isEmpty()) {
        ModalScript browsing;
        browsing.expect("reportFileDialog", [&](QDialog &d) {
            static_cast<QFileDialog &>(d).selectFile(dir.file("picked.txt"));
            QPushButton *save = d.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Save);
            QTRY_VERIFY(save->isEnabled());
            QTest::mouseClick(save, Qt::LeftButton);
        });
        browsing.run([&] { click(dialog, "browseButton"); });
        QCOMPARE(browsing.pending(), 0);
        QCOMPARE(find<QLineEdit>(dialog, "fileNameBox")->text(), QDir::toNativeSeparators(dir.file("picked.txt")));
    } else {
        retype(dialog, "fileNameBox", fileName);
    }
    click(dialog, "okButton");
    QCOMPARE(boxes.texts(), asked);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
}

void ReportDialogsTest::criteriaListsHoldEveryDistinctValueSorted()
{
    TempWorkDir dir;
    CurrentMainWindow().load();
    addContact(true, "Zeta", "NY", "Smith");
    addContact(false, "acme", "ca", "adams");
    addContact(true, "acme", "NY", "smith");
    addContact(true, Null, Null, "O'Brien");
    addContact(false, "", "", Null);
    addContact(true, "Beta Ltd", "TX", "Young");
    addContact(true, Null, Null, QString::fromUtf8("Émile"));
    addContact(false, Null, Null, QString::fromUtf8("Ärzte"));

    ReportCriteriaDialog dialog(CurrentBook());
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Address Report Selection Criteria"));
    QVERIFY(centred(dialog));
    QCOMPARE(dialog.size().expandedTo(QSize(341, 202)), dialog.size()); // as drawn, or larger for its texts
    QCOMPARE(entries(dialog, "companyCombo"), (QStringList{"", "acme", "Beta Ltd", "Zeta"}));
    QCOMPARE(entries(dialog, "stateCombo"), (QStringList{"", "ca", "NY", "TX"}));
    QCOMPARE(entries(dialog, "lastNameCombo"), (QStringList{"", "adams", QString::fromUtf8("Ärzte"),
                                                            QString::fromUtf8("Émile"), "O'Brien", "Smith", "Young"}));
    for (const char *name : {"companyCombo", "stateCombo", "lastNameCombo"}) {
        QVERIFY(!find<QComboBox>(dialog, name)->isEditable());
        QCOMPARE(find<QComboBox>(dialog, name)->currentText(), QString());
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(find<QCheckBox>(dialog, ExcludeBoxes[i])->text(), QString("Exclude"));
    QCOMPARE(find<QLabel>(dialog, "companyLabel")->text(), QString("Company:"));
    QCOMPARE(find<QLabel>(dialog, "stateLabel")->text(), QString("State:"));
    QCOMPARE(find<QLabel>(dialog, "lastNameLabel")->text(), QString("Last Name:"));
}

void ReportDialogsTest::criteriaListsAreRebuiltOnlyWhenAsked()
{
    TempWorkDir dir;
    CurrentMainWindow().load();
    addContact(true, "Acme", "NY", "Smith");

    ReportCriteriaDialog dialog(CurrentBook());
    dialog.show();
    QVERIFY(choose(dialog, "companyCombo", "Acme"));
    QVERIFY(choose(dialog, "lastNameCombo", "Smith"));
    click(dialog, "excludeStateBox");
    click(dialog, "okButton");
    QVERIFY(!dialog.isVisible());

    // Without a change told by the book no query runs: the new company is not listed yet.
    addContact(false, "Newco", "CA", "Jones");
    dialog.show();
    QCOMPARE(entries(dialog, "companyCombo"), (QStringList{"", "Acme"}));
    QCOMPARE(find<QComboBox>(dialog, "companyCombo")->currentText(), QString());
    QCOMPARE(find<QComboBox>(dialog, "lastNameCombo")->currentText(), QString());
    QVERIFY(find<QCheckBox>(dialog, "excludeStateBox")->isChecked());
    QVERIFY(!find<QCheckBox>(dialog, "excludeCompanyBox")->isChecked());
    click(dialog, "okButton");

    CurrentBook().notifyContactsChanged();
    dialog.show();
    QCOMPARE(entries(dialog, "companyCombo"), (QStringList{"", "Acme", "Newco"}));
    QCOMPARE(entries(dialog, "stateCombo"), (QStringList{"", "CA", "NY"}));
    QVERIFY(find<QCheckBox>(dialog, "excludeStateBox")->isChecked());
}

void ReportDialogsTest::okWritesTheFormulaInItsFixedOrder()
{
    TempWorkDir dir;
    CurrentMainWindow().load();
    addContact(true, "Acme", "NY", "Smith");
    addContact(true, "Other", "CA", "O'Brien");
    ReportCriteriaDialog dialog(CurrentBook());

    const auto formula = [&](const QString &company, const QString &state, const QString &lastName,
                             QList<bool> exclude) {
        dialog.show();
        choose(dialog, "companyCombo", company);
        choose(dialog, "stateCombo", state);
        choose(dialog, "lastNameCombo", lastName);
        for (int i = 0; i < 3; ++i) {
            auto *box = find<QCheckBox>(dialog, ExcludeBoxes[i]);
            if (box->isChecked() != exclude[i])
                QTest::mouseClick(box, Qt::LeftButton);
        }
        QTest::keyClick(find<QComboBox>(dialog, "companyCombo"), Qt::Key_Return);
        return dialog.isVisible() ? QString("still open") : dialog.criteria().selectionFormula();
    };

    QCOMPARE(formula("Acme", "", "", {false, false, false}), QString("{Address.Company} = 'Acme'"));
    QCOMPARE(formula("Acme", "", "", {true, false, false}), QString("{Address.Company} <> 'Acme'"));
    QCOMPARE(formula("", "NY", "Smith", {false, true, false}),
             QString("{Address.State} <> 'NY' And {Address.LastName} = 'Smith'"));
    QCOMPARE(formula("Other", "CA", "Smith", {true, false, true}),
             QString("{Address.Company} <> 'Other' And {Address.State} = 'CA' And {Address.LastName} <> 'Smith'"));
    QCOMPARE(formula("", "", "O'Brien", {false, false, false}), QString("{Address.LastName} = 'O''Brien'"));
    // Nothing chosen: the empty formula is written, whatever the Exclude boxes say.
    QCOMPARE(formula("", "", "", {true, true, true}), QString());
}

void ReportDialogsTest::frameCloseCancelsAndEscIsIgnored()
{
    TempWorkDir dir;
    CurrentMainWindow().load();
    addContact(true, "Acme", "NY", "Smith");
    ReportCriteriaDialog dialog(CurrentBook());
    dialog.show();
    QVERIFY(choose(dialog, "stateCombo", "NY"));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void ReportDialogsTest::databaseFailureWhileFillingIsReported()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    CurrentMainWindow().load();
    CurrentBook().close();

    ReportCriteriaDialog dialog(CurrentBook());
    dialog.show();
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].title, QString("Varnelle For Windows"));
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(entries(dialog, "companyCombo"), QStringList{""});
    click(dialog, "okButton");
    QCOMPARE(dialog.criteria().selectionFormula(), QString());

    // Once the database is back, the next showing fills the lists.
    CurrentBook().open();
    addContact(true, "Acme", "NY", "Smith");
    dialog.show();
    QCOMPARE(entries(dialog, "companyCombo"), (QStringList{"", "Acme"}));
    QCOMPARE(boxes.messages.size(), 1);
}

QTEST_MAIN(ReportDialogsTest)
#include "tst_reportdialogs.moc"
