#pragma once

#include <QString>

class QFileDevice;

namespace varnelle {

// The cause of a failed file operation in plain words ("the disk is full"),
// for a sentence such as "The file 'x' could not be written: <cause>.";
// `error` is the errno value the system reported.
QString FileFailureCause(int error);

// The cause of the failure of a file being written, right after it failed:
// Qt's words when they say something, else those of errno ("the disk is
// full" where Qt says "Unknown error").
QString WriteFailureCause(const QFileDevice &file);

// Why a path is no file to read or to write over, in plain words for the
// same sentences ("it is a folder, not a file"): a folder, a device, a pipe
// or a socket, where the path leads after its links. Empty for a regular
// file and for a path where nothing is yet.
QString NotAFile(const QString &path);

} // namespace varnelle
