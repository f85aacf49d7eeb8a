#include "interchange/ContactFile.h"

#include "interchange/CsvReader.h"
#include "interchange/VCardReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace varnelle::interchange {

std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName)
{
    QByteArray bytes = data;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        bytes = QString(utf16(QByteArrayView(bytes).sliced(2))).toUtf8();
    }
    const QString name = QFileInfo(fileName).fileName();
    try {
        if (LooksLikeVCard(bytes) || name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive))
            return ReadVCards(bytes);
        return ReadCsvContacts(bytes);
    } catch (const InterchangeError &error) {
        if (name.isEmpty())
            throw;
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be imported. %2")
                                   .arg(name, error.message()));
    }
}

std::vector<ContactRecord> ReadContactFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be read: %2.")
                                   .arg(QFileInfo(fileName).fileName(), file.errorString()));
    return ReadContacts(file.readAll(), fileName);
}

} // namespace varnelle::interchange
