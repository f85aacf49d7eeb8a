#pragma once

#include "reports/ReportRequest.h"

class QWidget;

namespace varnelle {

class ReportEngine;

// Runs one report as the user asked for it: with a progress dialog while the
// contacts are read, a preview window for the screen (deleting itself when
// closed), the system's printer for the printer, or the file. Messages are
// placed over `parent`. A failure is shown in one refusal box; a book found damaged is told so
// and pointed to File > Repair Database. A cancel ends the run silently.
void RunReport(ReportEngine &engine, const ReportRequest &request, QWidget *parent);

} // namespace varnelle
