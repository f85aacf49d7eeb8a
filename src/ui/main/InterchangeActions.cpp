#include "ui/main/InterchangeActions.h"

#include "ui/widgets/MessageBox.h"
#include "ui/interchange/ExportOptionsDialog.h"
#include "ui/interchange/ImportOptionsDialog.h"
#include "ui/interchange/ImportSummaryDialog.h"
#include "store/AddressBook.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>

#include <exception>
#include <new>

namespace varnelle {

namespace {

// Asks for the file to import from or export to; empty when cancelled.
QString askContactFile(QWidget *parent, QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, save ? InterchangeActions::tr("Export Contacts") : InterchangeActions::tr("Import Contacts"));
    dialog.setObjectName(save ? "exportFileDialog" : "importFileDialog");
    dialog.setAcceptMode(mode);
    if (save) {
        dialog.setNameFilters({InterchangeActions::tr("vCard files (*.vcf)"), InterchangeActions::tr("CSV files (*.csv)")});
        dialog.setDefaultSuffix("vcf");
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
            dialog.setDefaultSuffix(filter.contains("*.csv") ? "csv" : "vcf");
        });
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({InterchangeActions::tr("Contacts (*.vcf *.csv)"), InterchangeActions::tr("vCard files (*.vcf)"),
                               InterchangeActions::tr("CSV files (*.csv)"), InterchangeActions::tr("All files (*)")});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

InterchangeActions::InterchangeActions(QMenu *fileMenu, AddressBook &book, QWidget *window)
    : QObject(window), mBook(book), mWindow(window)
{
    QAction *importAction = fileMenu->addAction(tr("&Import Contacts\u2026"));
    importAction->setObjectName("importAction");
    connect(importAction, &QAction::triggered, this, &InterchangeActions::importContacts);
    QAction *exportAction = fileMenu->addAction(tr("Ex&port Contacts\u2026"));
    exportAction->setObjectName("exportAction");
    connect(exportAction, &QAction::triggered, this, &InterchangeActions::exportContacts);
}

void InterchangeActions::importContacts()
{
    const QString fileName = askContactFile(mWindow, QFileDialog::AcceptOpen);
    if (!fileName.isEmpty())
        importFile(fileName);
}

void InterchangeActions::importFiles(const QStringList &fileNames)
{
    mWaiting += fileNames;
    QTimer::singleShot(0, this, &InterchangeActions::importWaitingFiles);
}

void InterchangeActions::importWaitingFiles()
{
    if (mImporting || mWaiting.isEmpty())
        return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(250, this, &InterchangeActions::importWaitingFiles);
        return;
    }
    mImporting = true;
    while (!mWaiting.isEmpty())
        importFile(mWaiting.takeFirst());
    mImporting = false;
}

void InterchangeActions::importFile(const QString &fileName)
{
    ImportOptionsDialog choice(mBook.isBusiness(), mWindow);
    if (choice.exec() != QDialog::Accepted)
        return;

    QProgressDialog progress(tr("Importing contacts..."), tr("Cancel"), 0, 1, mWindow);
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
    ImportSummaryDialog(mBook, summary, mWindow).exec();
}

void InterchangeActions::exportContacts()
{
    const QString typedName = askContactFile(mWindow, QFileDialog::AcceptSave);
    if (typedName.isEmpty())
        return;
    ExportOptionsDialog choice(typedName, mBook.isBusiness(), mWindow);
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
