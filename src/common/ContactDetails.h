#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace varnelle {

struct ContactField;

// A value with the words that say what kind it is: the type words or label
// a card gives ("work", "home,pref", "Mobile", "xmpp", "twitter", "friend").
struct LabeledValue {
    QString label;
    QString value;
    bool operator==(const LabeledValue &) const = default;
};

// A postal address beyond the first, with all the parts a card gives.
struct ContactAddress {
    QString label;
    QString poBox;
    QString extended;
    QString street;     // may hold several lines
    QString locality;   // city
    QString region;     // state or province, in full
    QString postalCode;
    QString country;
    bool isEmpty() const;
    bool operator==(const ContactAddress &) const = default;
};

// A date as cards give it: a full date, or month and day without a year
// (year 0). A date that does not exist ("20230231") is kept as it was
// written in `text`, with year, month and day 0, and never turned into
// another date.
struct ContactDate {
    int year = 0;
    int month = 0;
    int day = 0;
    QString text;

    bool isEmpty() const { return month == 0 && text.isEmpty(); }
    bool isValid() const { return month != 0; }
    // "1984-03-07", "--03-07", or the text as it was written.
    QString toIso() const;
    // Reads "1984-03-07", "19840307", "--0307", "--03-07", "1984-03-07T00:00:00Z";
    // anything else, or a date that does not exist, is kept as text.
    static ContactDate fromIso(const QString &text);
    bool operator==(const ContactDate &) const = default;
};

// One photo: its bytes and their type ("image/jpeg"), or a URI.
struct ContactPhoto {
    QByteArray data;
    QString mimeType;
    QString uri;
    bool isEmpty() const { return data.isEmpty() && uri.isEmpty(); }
    bool operator==(const ContactPhoto &) const = default;
};

// The most bytes a photo may have.
inline constexpr qsizetype PhotoSizeLimit = 4 * 1024 * 1024;

// All a contact holds beyond the columns of its Address and TelephoneList
// rows. Kept in tables of their own beside the four, read when a contact is
// opened or exported, never for the list.
struct ContactDetails {
    // Names
    QString middleName;
    QString namePrefix;  // honorific prefixes beyond the Title field
    QString nameSuffix;
    QString displayName; // only when it differs from the name built from the parts
    QStringList nicknames;
    // Organisation
    QStringList orgUnits; // departments, outermost first
    QString jobTitle;
    QString role;
    // Further values of kinds the Address row holds once
    QList<LabeledValue> emails;     // beyond the first
    QList<ContactAddress> addresses; // beyond the first
    QString country;                 // of the first address
    QList<LabeledValue> telephones;  // label: the type name; numbers beyond one per type
    // Dates and text
    ContactDate birthday;
    ContactDate anniversary;
    QString note; // several lines
    // Links and people
    QList<LabeledValue> webAddresses;
    QList<LabeledValue> messaging; // label: the service ("xmpp", "skype"); value: the address or URI
    QList<LabeledValue> social;    // label: the network; value: the profile's URL or user name
    QList<LabeledValue> related;   // label: the relation ("friend", "assistant"); value: a name or URI
    QStringList categories;
    ContactPhoto photo;

    bool isEmpty() const;
    bool operator==(const ContactDetails &) const = default;
};

// What a field of table Address holds of a value: the value itself when it
// fits, else the part that fits; a US or Canadian state or province written
// in full gives its two-letter code for State ("Ontario" -> "ON").
QString FittedFieldValue(const ContactField &field, const QString &value);

// The two-letter code of a US state or Canadian province named in full
// (any letter case), or an empty string.
QString StateCode(const QString &name);

} // namespace varnelle
