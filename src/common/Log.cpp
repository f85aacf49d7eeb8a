#include "common/Log.h"

Q_LOGGING_CATEGORY(lcStore, "varnelle.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSync, "varnelle.sync", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInterchange, "varnelle.interchange", QtWarningMsg)
Q_LOGGING_CATEGORY(lcReports, "varnelle.reports", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "varnelle.ui", QtWarningMsg)
