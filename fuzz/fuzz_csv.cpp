// libFuzzer target: any bytes fed to the CSV reader either read as contacts
// or end in an InterchangeError; nothing else may happen.
#include "interchange/CsvReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    varnelle::interchange::ReadLimits limits;
    limits.lineBytes = 2048;
    limits.cells = 40;
    varnelle::interchange::SetReadLimits(limits);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        varnelle::interchange::ReadCsvContacts(bytes);
    } catch (const varnelle::interchange::InterchangeError &) {
    }
    return 0;
}
