// The File menu's import and export of contacts.
#include "ui/main/MainWindow.h"

#include "ui/widgets/MessageBox.h"
#include "ui/interchange/ExportOptionsDialog.h"
#include "ui/interchange/ImportOptionsDialog.h"
#include "ui/interchange/ImportSummaryDialog.h"
#include "store/AddressBook.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

#include <exception>
#include <new>

namespace varnelle {

namespace {

// Asks for the file to import from or export to; empty when cancelled.
QString askContactFile(QWidget *parent, QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, save ? MainWindow::tr("Export Contacts") : MainWindow::tr("Import Contacts"));
    dialog.setObjectName(save ? "exportFileDialog" : "importFileDialog");
    dialog.setAcceptMode(mode);
    if (save) {
        dialog.setNameFilters({MainWindow::tr("vCard files (*.vcf)"), MainWindow::tr("CSV files (*.csv)")});
        dialog.setDefaultSuffix("vcf");
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
            dialog.setDefaultSuffix(filter.contains("*.csv") ? "csv" : "vcf");
        });
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({MainWindow::tr("Contacts (*.vcf *.csv)"), MainWindow::tr("vCard files (*.vcf)"),
                               MainWindow::tr("CSV files (*.csv)"), MainWindow::tr("All files (*)")});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

void MainWindow::importContacts()
{
    const QString fileName = askContactFile(this, QFileDialog::AcceptOpen);
    if (fileName.isEmpty())
        return;
    ImportOptionsDialog choice(mBook.isBusiness(), this);
    if (choice.exec() != QDialog::Accepted)
        return;

    QProgressDialog progress(tr("Importing contacts..."), tr("Cancel"), 0, 1, this);
    progress.setObjectName("importProgressDialog");
    progress.setWindowTitle(AppTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(800);
    interchange::ImportOptions options;
    options.view = choice.chosenView();
    options.currentIsBusiness = mBook.isBusiness();
    options.progress = [&progress](qsizetype done, qsizetype total) {
        progress.setMaximum(int(total));
        progress.setValue(int(done));
        return !progress.wasCanceled();
    };
    interchange::ImportSummary summary;
    try {
        summary = interchange::ImportContactFile(mBook.database(), fileName, options);
    } catch (const interchange::InterchangeError &error) {
        progress.reset();
        ShowRefusal(error.message());
        return;
    } catch (const std::bad_alloc &) {
        // The import's transaction has been rolled back.
        progress.reset();
        ShowRefusal(tr("The import needed more memory than the computer has free and was stopped. Nothing was "
                  "imported; the address book is unchanged."));
        return;
    } catch (const std::exception &error) {
        progress.reset();
        ShowRefusal(tr("The import was stopped by an unexpected failure: %1. Nothing was imported; the address book is "
                  "unchanged.")
                   .arg(QString::fromLocal8Bit(error.what())));
        return;
    }
    progress.reset();
    if (!summary.cancelled) {
        mBook.notifyContactsChanged(); // the list and the criteria are read again
        if (!summary.typesCreated.isEmpty())
            mBook.notifyTypesChanged(); // and the types window lists the new types
    }
    ImportSummaryDialog(mBook, summary, this).exec();
}

void MainWindow::exportContacts()
{
    const QString typedName = askContactFile(this, QFileDialog::AcceptSave);
    if (typedName.isEmpty())
        return;
    ExportOptionsDialog choice(typedName, mBook.isBusiness(), this);
    if (choice.exec() != QDialog::Accepted)
        return;
    const QString fileName = interchange::FileNameForFormat(typedName, choice.chosenFormat());
    try {
        const qsizetype count =
            interchange::ExportContacts(mBook.database(), fileName, choice.chosenFormat(), choice.chosenScope());
        ShowMessage(interchange::ExportedText(count, QFileInfo(fileName).fileName()));
    } catch (const interchange::InterchangeError &error) {
        ShowRefusal(error.message());
    } catch (const std::bad_alloc &) {
        ShowRefusal(tr("The export needed more memory than the computer has free and was stopped. The file '%1' was "
                  "not written.")
                   .arg(QFileInfo(fileName).fileName()));
    } catch (const std::exception &error) {
        ShowRefusal(tr("The export was stopped by an unexpected failure: %1. The file '%2' was not written.")
                   .arg(QString::fromLocal8Bit(error.what()), QFileInfo(fileName).fileName()));
    }
}

} // namespace varnelle
