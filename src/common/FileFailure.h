#pragma once

#include <QString>

namespace varnelle {

// The cause of a failed file operation in plain words ("the disk is full"),
// for a sentence such as "The file 'x' could not be written: <cause>.";
// `error` is the errno value the system reported.
QString FileFailureCause(int error);

} // namespace varnelle
