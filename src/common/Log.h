#pragma once

#include <QLoggingCategory>

// One logging category per layer. Debug and info messages are off by default;
// QT_LOGGING_RULES turns them on, e.g. QT_LOGGING_RULES="varnelle.sync.debug=true"
// (or "varnelle.*.debug=true" for all), so that a user can send a log of what
// failed. Nothing secret is ever logged: no password, no Authorization header.
Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcSync)
Q_DECLARE_LOGGING_CATEGORY(lcInterchange)
Q_DECLARE_LOGGING_CATEGORY(lcReports)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
