#include "interchange/ContactRecord.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace varnelle::interchange {

namespace {

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList present;
    for (const QString &p : parts)
        if (!p.trimmed().isEmpty())
            present << p.trimmed();
    return present.join(separator);
}

QString addressInOneLine(const PostalAddress &a)
{
    const QString cityLine = joined({a.city, joined({a.state, a.zipCode}, " ")}, ", ");
    return joined({a.poBox.isEmpty() ? QString() : "PO Box " + a.poBox, a.street, a.extended, cityLine, a.country},
                  ", ");
}

bool isTitleWord(const QString &word)
{
    static const QStringList titles = {"Mr", "Mrs", "Ms", "Miss", "Mx", "Dr", "Prof", "Sir", "Rev"};
    QString w = word;
    if (w.endsWith('.'))
        w.chop(1);
    for (const QString &t : titles)
        if (w.compare(t, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

ReadLimits &limits()
{
    static ReadLimits current;
    return current;
}

} // namespace

const ReadLimits &CurrentReadLimits()
{
    return limits();
}

ReadLimits SetReadLimits(const ReadLimits &set)
{
    return std::exchange(limits(), set);
}

QString ContactRecord::displayName() const
{
    const QString name = joined({lastName, firstName}, ", ");
    if (!name.isEmpty())
        return name;
    if (!company.isEmpty())
        return company;
    if (!email.isEmpty())
        return email;
    return QCoreApplication::translate("Interchange", "the contact at line %1").arg(line);
}

InterchangeError LineError(qsizetype line, const QString &text)
{
    return InterchangeError(LineNote(line, text));
}

QString LineNote(qsizetype line, const QString &text)
{
    return QCoreApplication::translate("Interchange", "Line %1: %2").arg(line).arg(text);
}

bool SplitAddressLabel(const QString &text, PostalAddress &address)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    // "Springfield, IL 62701" and "10115 Berlin"
    static const QRegularExpression american(QStringLiteral("^(.+?),?\\s+([A-Za-z]{2})\\s+(\\d{5}(?:-\\d{4})?)$"));
    static const QRegularExpression european(QStringLiteral("^(?:[A-Z]{1,2}-)?(\\d{4,5})\\s+(.+)$"));
    QStringList lines;
    for (const QString &l : text.split(lineBreaks))
        if (!l.trimmed().isEmpty())
            lines << l.trimmed();
    for (qsizetype i = lines.size() - 1; i >= 1; --i) {
        if (const auto m = american.match(lines[i]); m.hasMatch()) {
            address.city = m.captured(1).trimmed();
            address.state = m.captured(2);
            address.zipCode = m.captured(3);
        } else if (const auto e = european.match(lines[i]); e.hasMatch()) {
            address.zipCode = e.captured(1);
            address.city = e.captured(2).trimmed();
        } else {
            continue;
        }
        address.street = lines.first(i).join(QStringLiteral(", "));
        address.country = lines.sliced(i + 1).join(QStringLiteral(", "));
        return true;
    }
    return false;
}

bool PostalAddress::isEmpty() const
{
    return addressInOneLine(*this).isEmpty();
}

void RecordBuilder::addAddress(const PostalAddress &address)
{
    if (!address.isEmpty())
        mAddresses << address;
}

void RecordBuilder::addEmail(const QString &email, bool preferred, const QString &label)
{
    if (email.trimmed().isEmpty())
        return;
    if (preferred && mPreferredEmail < 0)
        mPreferredEmail = mEmails.size();
    mEmails << LabeledValue{label, email.trimmed()};
}

void RecordBuilder::addSpouse(const QString &name)
{
    if (name.trimmed().isEmpty())
        return;
    if (record.spouse.isEmpty())
        record.spouse = name.trimmed();
    else
        record.details.related << LabeledValue{QStringLiteral("spouse"), name.trimmed()};
}

void RecordBuilder::addChild(const QString &name)
{
    if (!name.trimmed().isEmpty())
        mChildren << name.trimmed();
}

void RecordBuilder::addTelephone(const QString &type, const QString &number)
{
    if (!number.trimmed().isEmpty())
        record.telephones << PhoneNumber{type, number.trimmed()};
}

void RecordBuilder::addUnplaced(const QString &label, const QString &value)
{
    if (!value.trimmed().isEmpty())
        record.unplaced << label + ": " + value.trimmed();
}

ContactRecord RecordBuilder::finish()
{
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < mAddresses.size() && chosen < 0; ++i)
        if (mAddresses[i].preferred)
            chosen = i;
    if (chosen < 0 && !mAddresses.isEmpty())
        chosen = 0;
    for (qsizetype i = 0; i < mAddresses.size(); ++i) {
        const PostalAddress &a = mAddresses[i];
        if (i != chosen) {
            record.details.addresses << ContactAddress{a.label,         a.poBox.trimmed(),   a.extended.trimmed(),
                                                       a.street.trimmed(), a.city.trimmed(), a.state.trimmed(),
                                                       a.zipCode.trimmed(), a.country.trimmed()};
            continue;
        }
        record.street = joined({a.street, a.extended}, ", ");
        record.city = a.city.trimmed();
        record.state = a.state.trimmed();
        record.zipCode = a.zipCode.trimmed();
        record.details.country = a.country.trimmed();
        addUnplaced("PO box", a.poBox);
    }
    const qsizetype email = mPreferredEmail >= 0 ? mPreferredEmail : 0;
    for (qsizetype i = 0; i < mEmails.size(); ++i) {
        if (i == email)
            record.email = mEmails[i].value;
        else
            record.details.emails << mEmails[i];
    }
    record.children = mChildren.join(", ");
    // The book keeps one number of each type; the others of a type are details.
    QList<PhoneNumber> numbers;
    for (PhoneNumber &t : record.telephones) {
        const QString type = t.type.trimmed().isEmpty() ? QStringLiteral("Phone") : t.type.trimmed();
        const bool given = std::any_of(numbers.cbegin(), numbers.cend(), [&type](const PhoneNumber &n) {
            return n.type.trimmed().compare(type, Qt::CaseInsensitive) == 0
                || (n.type.trimmed().isEmpty() && type == QLatin1String("Phone"));
        });
        if (given)
            record.details.telephones << LabeledValue{type, t.number};
        else
            numbers << std::move(t);
    }
    record.telephones = std::move(numbers);
    return record;
}

void SplitWholeName(const QString &whole, ContactRecord &record)
{
    const QString name = whole.simplified();
    if (const qsizetype comma = name.indexOf(','); comma > 0) {
        record.lastName = name.left(comma).trimmed();
        QStringList rest = name.mid(comma + 1).split(' ', Qt::SkipEmptyParts);
        if (!rest.isEmpty() && isTitleWord(rest.first()))
            record.title = rest.takeFirst();
        record.firstName = rest.join(' ');
        return;
    }
    QStringList words = name.split(' ', Qt::SkipEmptyParts);
    if (words.size() > 1 && isTitleWord(words.first()))
        record.title = words.takeFirst();
    if (words.size() == 1) {
        record.firstName = words.first();
        return;
    }
    if (!words.isEmpty())
        record.lastName = words.takeLast();
    record.firstName = words.join(' ');
}

} // namespace varnelle::interchange
