#include "common/ContactDetails.h"

#include "common/Contact.h"
#include "common/StoreText.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>

namespace varnelle {

bool ContactAddress::isEmpty() const
{
    return poBox.isEmpty() && extended.isEmpty() && street.isEmpty() && locality.isEmpty() && region.isEmpty()
        && postalCode.isEmpty() && country.isEmpty();
}

QString ContactDate::toIso() const
{
    if (!isValid())
        return text;
    const QString monthDay = QStringLiteral("%1-%2").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
    return year ? QStringLiteral("%1-").arg(year, 4, 10, QLatin1Char('0')) + monthDay : "--" + monthDay;
}

ContactDate ContactDate::fromIso(const QString &written)
{
    static const QRegularExpression full(QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})(T.*)?$"));
    static const QRegularExpression noYear(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    const QString text = written.trimmed();
    ContactDate date;
    int year = 0, month = 0, day = 0;
    if (const auto m = full.match(text); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else if (const auto m = noYear.match(text); m.hasMatch()) {
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
    }
    // A day without a year is checked against a leap year, so that 29 February stands.
    if (month && QDate(year ? year : 2000, month, day).isValid() && (year || month)) {
        date.year = year;
        date.month = month;
        date.day = day;
    } else {
        date.text = text;
    }
    return date;
}

bool ContactDetails::isEmpty() const
{
    return *this == ContactDetails();
}

QString StateCode(const QString &name)
{
    static const QHash<QString, QString> codes = [] {
        static const char *const pairs[][2] = {
            {"alabama", "AL"}, {"alaska", "AK"}, {"arizona", "AZ"}, {"arkansas", "AR"}, {"california", "CA"},
            {"colorado", "CO"}, {"connecticut", "CT"}, {"delaware", "DE"}, {"district of columbia", "DC"},
            {"florida", "FL"}, {"georgia", "GA"}, {"hawaii", "HI"}, {"idaho", "ID"}, {"illinois", "IL"},
            {"indiana", "IN"}, {"iowa", "IA"}, {"kansas", "KS"}, {"kentucky", "KY"}, {"louisiana", "LA"},
            {"maine", "ME"}, {"maryland", "MD"}, {"massachusetts", "MA"}, {"michigan", "MI"}, {"minnesota", "MN"},
            {"mississippi", "MS"}, {"missouri", "MO"}, {"montana", "MT"}, {"nebraska", "NE"}, {"nevada", "NV"},
            {"new hampshire", "NH"}, {"new jersey", "NJ"}, {"new mexico", "NM"}, {"new york", "NY"},
            {"north carolina", "NC"}, {"north dakota", "ND"}, {"ohio", "OH"}, {"oklahoma", "OK"}, {"oregon", "OR"},
            {"pennsylvania", "PA"}, {"rhode island", "RI"}, {"south carolina", "SC"}, {"south dakota", "SD"},
            {"tennessee", "TN"}, {"texas", "TX"}, {"utah", "UT"}, {"vermont", "VT"}, {"virginia", "VA"},
            {"washington", "WA"}, {"west virginia", "WV"}, {"wisconsin", "WI"}, {"wyoming", "WY"},
            {"puerto rico", "PR"}, {"alberta", "AB"}, {"british columbia", "BC"}, {"manitoba", "MB"},
            {"new brunswick", "NB"}, {"newfoundland and labrador", "NL"}, {"nova scotia", "NS"},
            {"northwest territories", "NT"}, {"nunavut", "NU"}, {"ontario", "ON"}, {"prince edward island", "PE"},
            {"quebec", "QC"}, {"québec", "QC"}, {"saskatchewan", "SK"}, {"yukon", "YT"},
        };
        QHash<QString, QString> hash;
        for (const auto &pair : pairs)
            hash.insert(QString::fromUtf8(pair[0]), QString::fromLatin1(pair[1]));
        return hash;
    }();
    return codes.value(name.simplified().toLower());
}

QString FittedFieldValue(const ContactField &field, const QString &value)
{
    if (text::StoreLength(value) <= field.size)
        return value;
    if (field.member == &Contact::state)
        if (const QString code = StateCode(value); !code.isEmpty())
            return code;
    return text::LeftInStoreLength(value, field.size);
}

} // namespace varnelle
