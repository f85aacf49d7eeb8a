#include "common/Collation.h"
#include "common/SpreadsheetCell.h"
#include "common/StoreText.h"

#include <QCollator>
#include <QLocale>

namespace varnelle::text {

namespace {

QCollator makeCollator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

const QCollator &collator()
{
    // QCollator is not safe to share between threads; each thread has its own.
    thread_local const QCollator instance = makeCollator();
    return instance;
}

bool isNumberOrTelephone(QStringView rest)
{
    bool digit = false;
    for (QChar c : rest) {
        if (c.isDigit())
            digit = true;
        else if (!(c == u' ' || c == u'(' || c == u')' || c == u'.' || c == u'-' || c == u'/' || c == u','))
            return false;
    }
    return digit;
}

} // namespace

int CompareText(QStringView a, QStringView b)
{
    const int order = collator().compare(a, b);
    if (order != 0)
        return order;
    return a.compare(b, Qt::CaseSensitive);
}

QCollatorSortKey SortKey(const QString &text)
{
    return collator().sortKey(text);
}

bool SameIgnoringCase(const QString &a, const QString &b)
{
    return a.toCaseFolded() == b.toCaseFolded();
}

qsizetype StoreLength(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

QString LeftInStoreLength(const QString &text, qsizetype size)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pairTail = text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate();
        if (!pairTail) {
            if (count == size)
                return text.left(i);
            ++count;
        }
    }
    return text;
}

QString FormulaSafeCell(const QString &value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front();
    // A spreadsheet reads a tab or a carriage return at the start as nothing, and what follows as a formula.
    bool formula = first == u'=' || first == u'@' || first == u'\t' || first == u'\r';
    if (first == u'+' || first == u'-')
        formula = !isNumberOrTelephone(QStringView(value).mid(1));
    return formula ? u'\'' + value : value;
}

} // namespace varnelle::text

namespace varnelle::text {

QString QuotedCell(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + result + QLatin1Char('"');
}

QString CsvCell(const QString &value)
{
    const QString cell = FormulaSafeCell(value);
    for (const QChar c : cell)
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return QuotedCell(cell);
    return cell;
}

} // namespace varnelle::text
