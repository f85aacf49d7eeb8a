// The File menu's import and export of contacts.
#include "ui/main/MainWindow.h"

#include "ui/Forms.h"
#include "ui/Globals.h"
#include "ui/widgets/MessageBox.h"
#include "ui/interchange/ExportOptionsDialog.h"
#include "ui/interchange/ImportOptionsDialog.h"
#include "ui/interchange/ImportSummaryDialog.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

namespace varnelle {

namespace {

// Asks for the file to import from or export to; empty when cancelled.
QString askContactFile(QWidget *parent, QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, save ? "Export Contacts" : "Import Contacts");
    dialog.setObjectName(save ? "dlgExportFile" : "dlgImportFile");
    dialog.setAcceptMode(mode);
    if (save) {
        dialog.setNameFilters({"vCard files (*.vcf)", "CSV files (*.csv)"});
        dialog.setDefaultSuffix("vcf");
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
            dialog.setDefaultSuffix(filter.contains("*.csv") ? "csv" : "vcf");
        });
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({"Contacts (*.vcf *.csv)", "vCard files (*.vcf)", "CSV files (*.csv)",
                               "All files (*)"});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

void MainWindow::mnuImport_Click()
{
    const QString fileName = askContactFile(this, QFileDialog::AcceptOpen);
    if (fileName.isEmpty())
        return;
    ImportOptionsDialog choice(gIsBusiness, this);
    if (choice.exec() != QDialog::Accepted)
        return;

    QProgressDialog progress("Importing contacts...", "Cancel", 0, 1, this);
    progress.setObjectName("dlgImportProgress");
    progress.setWindowTitle(gAppTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(800);
    interchange::ImportOptions options;
    options.view = choice.chosenView();
    options.currentIsBusiness = gIsBusiness;
    options.progress = [&progress](qsizetype done, qsizetype total) {
        progress.setMaximum(int(total));
        progress.setValue(int(done));
        return !progress.wasCanceled();
    };
    interchange::ImportSummary summary;
    try {
        summary = interchange::ImportContactFile(gDatabase, fileName, options);
    } catch (const interchange::InterchangeError &error) {
        progress.reset();
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    progress.reset();
    if (!summary.cancelled) {
        FillList();
        gRefreshCriteria = true;
        if (!summary.typesCreated.isEmpty()) {
            gTypesChanged = true; // the number dialog lists the new types
            Form<PhoneTypesDialog>().FillListAgain();
        }
    }
    ImportSummaryDialog(summary.lines, this).exec();
}

void MainWindow::mnuExport_Click()
{
    const QString fileName = askContactFile(this, QFileDialog::AcceptSave);
    if (fileName.isEmpty())
        return;
    ExportOptionsDialog choice(fileName, gIsBusiness, this);
    if (choice.exec() != QDialog::Accepted)
        return;
    try {
        const qsizetype count =
            interchange::ExportContacts(gDatabase, fileName, choice.chosenFormat(), choice.chosenScope());
        MsgBox(interchange::ExportedText(count, QFileInfo(fileName).fileName()));
    } catch (const interchange::InterchangeError &error) {
        MsgBox(error.message(), MsgRefusal);
    }
}

} // namespace varnelle
