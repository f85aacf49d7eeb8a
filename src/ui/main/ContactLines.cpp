#include "ui/main/ContactLines.h"

#include "ui/widgets/LayoutUnits.h"

#include <QCoreApplication>
#include <cmath>

namespace varnelle {

namespace {

// A few spaces more than the arithmetic asks for cover any rounding.
constexpr int MaxCorrection = 8;

qreal lineLimitPixels()
{
    return LineWidthTwips / TwipsPerPixel;
}

} // namespace

QString NameColumn(const QString &lastName, const QString &firstName)
{
    if (!lastName.isEmpty() && !firstName.isEmpty())
        return lastName + ", " + firstName;
    if (!lastName.isEmpty())
        return lastName;
    if (!firstName.isEmpty())
        return firstName;
    return QCoreApplication::translate("ContactList", "Unknown");
}

QFont ListFont(QFont font)
{
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

int LineWidthForNumbers(const QFont &font)
{
    const LinePadder padder(font);
    const QFontMetricsF metrics(font);
    const qreal name = padder.Width(padder.Pad(QString()));
    const qreal stop = 8 * QFontMetrics(font).averageCharWidth();
    const qreal number = stop > 0 ? (std::floor(name / stop) + 1) * stop : name;
    return static_cast<int>(std::ceil(number + metrics.horizontalAdvance(u'+' + QString(15, u'0'))));
}

LinePadder::LinePadder(const QFont &font)
    : mMetrics(font)
{
    mAdditive = !font.kerning() && (font.styleStrategy() & QFont::PreferNoShaping);
    mAdvance.fill(-1);
}

LinePadder::LinePadder(std::function<qreal(const QString &)> measure)
    : mMeasure(std::move(measure)), mMetrics(QFont())
{
}

qreal LinePadder::charSum(const QString &text, bool &simple) const
{
    qreal sum = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= mAdvance.size()) {
            simple = false;
            return 0;
        }
        if (mAdvance[u] < 0)
            mAdvance[u] = mMetrics.horizontalAdvance(c);
        sum += mAdvance[u];
    }
    simple = true;
    return sum;
}

qreal LinePadder::Width(const QString &text) const
{
    if (mAdditive) {
        bool simple = false;
        const qreal sum = charSum(text, simple);
        if (simple)
            return sum;
    }
    return mMeasure ? mMeasure(text) : mMetrics.horizontalAdvance(text);
}

QString LinePadder::Pad(const QString &nameColumn) const
{
    QString line = nameColumn;
    if (line.size() < NameColumnLength)
        line += QString(NameColumnLength - line.size(), u' ');
    const qreal limit = lineLimitPixels();
    const qreal width = Width(line);
    if (width > limit)
        return line;
    const qreal space = Width(QStringLiteral(" "));
    if (!(space > 0))
        return line; // spaces would never make the line wider

    // Measured once; the spaces are counted, then the result is checked.
    const auto spaces = static_cast<qsizetype>(std::floor((limit - width) / space)) + 1;
    const qsizetype base = line.size();
    line += QString(spaces, u' ');
    for (int i = 0; i < MaxCorrection && Width(line) <= limit; ++i)
        line += u' ';
    for (int i = 0; i < MaxCorrection && line.size() > base && Width(line.chopped(1)) > limit; ++i)
        line.chop(1);
    return line;
}

} // namespace varnelle
