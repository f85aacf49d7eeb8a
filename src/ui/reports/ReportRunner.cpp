#include "ui/reports/ReportRunner.h"

#include "reports/ReportDefinition.h"
#include "reports/ReportEngine.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/reports/ReportPrinting.h"
#include "ui/widgets/MessageBox.h"

#include <QCoreApplication>
#include <QPrinter>

namespace varnelle {

void RunReport(ReportEngine &engine, const ReportRequest &request, QWidget *parent)
{
    try {
        std::unique_ptr<QPrinter> printer;
        std::unique_ptr<PrinterOutput> output;
        if (request.destination == ReportDestination::Printer) {
            printer = SystemPrinter();
            if (printer)
                output = std::make_unique<PrinterOutput>(*printer);
        }
        // The dialog is titled with the report's title, which the run has read by the time it is shown.
        ReportProgressDialog progress([&] {
            return engine::ReportDefinition::load(engine::locateDefinition(request.definition, engine.definitionFolders()))
                .title;
        });
        ReportResult result = engine.run(request, progress.callback(), output.get());
        if (result.pages) {
            // Modeless and without a parent, as a window of its own; it deletes itself when closed.
            // It opens centred over the window the report was asked from.
            auto *preview = new ReportPreviewWindow(std::move(*result.pages));
            if (parent)
                preview->centreOver(*parent->window());
            preview->show();
        }
    } catch (const ReportError &error) {
        ShowRefusal(error.damagedData() ? error.message() + QCoreApplication::translate(
                                         "Reports", " Choose File > Repair Database to save what can still be read.")
                                   : error.message());
    } catch (const std::exception &error) {
        ShowRefusal(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace varnelle
