#include "ui/reports/ReportRunner.h"

#include "reports/ReportEngine.h"
#include "ui/widgets/MessageBox.h"

namespace varnelle {

void RunReport(ReportEngine &engine, const ReportRequest &request, [[maybe_unused]] QWidget *parent)
{
    try {
        switch (request.destination) {
        case ReportDestination::Screen:
            engine.setDestination(ReportEngine::ToWindow);
            break;
        case ReportDestination::Printer:
            engine.setDestination(ReportEngine::ToPrinter);
            engine.setCopiesToPrinter(request.copies);
            break;
        case ReportDestination::File:
            engine.setDestination(ReportEngine::ToFile);
            engine.setPrintFileName(request.fileName);
            engine.setPrintFileType(request.fileType);
            break;
        }
        QString formula = request.criteria.selectionFormula();
        if (!request.selectionFormula.isEmpty())
            formula = formula.isEmpty() ? request.selectionFormula
                                        : "(" + formula + ") And (" + request.selectionFormula + ")";
        engine.setSelectionFormula(formula);
        engine.setDataFiles(0, request.dataFile);
        engine.setReportFileName(request.definition);
        engine.setAction(1);
    } catch (const ReportError &error) {
        MsgBox(error.damagedData() ? error.message() + " Choose File > Repair Database to save what can still be read."
                                   : error.message(),
               MsgRefusal);
    } catch (const std::exception &error) {
        MsgBox(QString::fromLocal8Bit(error.what()), MsgRefusal);
    }
}

} // namespace varnelle
