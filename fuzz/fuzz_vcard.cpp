// libFuzzer target: any bytes fed to the vCard reader either read as cards or
// end in an InterchangeError; nothing else may happen.
#include "interchange/VCardReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        varnelle::interchange::ReadVCards(bytes);
    } catch (const varnelle::interchange::InterchangeError &) {
    }
    return 0;
}
