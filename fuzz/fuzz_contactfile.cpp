// libFuzzer target: any bytes, as a file named *.vcf, *.csv or neither, go
// through the reading of a file that an import uses; they read as contacts
// or end in an InterchangeError, nothing else. The limits are set low, so
// that what a reader does beyond them is reached with small inputs too.
#include "interchange/ContactFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir;
    varnelle::interchange::ReadLimits limits;
    limits.lineBytes = 2048;
    limits.cells = 40;
    limits.cardProperties = 40;
    limits.cardBytes = 4096;
    varnelle::interchange::SetReadLimits(limits);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses the file's name, the rest are its bytes.
    static const char *const names[] = {"f.vcf", "f.csv", "f.txt"};
    const QString name = folder->filePath(QString::fromLatin1(names[size > 0 ? data[0] % 3 : 0]));
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        if (size > 1)
            file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }
    try {
        varnelle::interchange::ReadContactFile(name, [](const QString &) {},
                                               [](varnelle::interchange::ContactRecord &, qint64) {});
    } catch (const varnelle::interchange::InterchangeError &) {
    }
    QFile::remove(name);
    return 0;
}
