#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <array>
#include <functional>

namespace varnelle {

// The contact list's line: the name column padded to NameColumnLength
// characters, then spaces until the text is wider than LineWidthTwips in the
// list's font, then a tab and the number of the lowest TypeID, if any.
inline constexpr int NameColumnLength = 42;
inline constexpr double LineWidthTwips = 2750;

// "Last, First", "Last", "First" or "Unknown"; an empty field counts as missing.
QString NameColumn(const QString &lastName, const QString &firstName);

// Pads name columns in one font.
class LinePadder {
public:
    // Widths measured in font, as the list draws it.
    explicit LinePadder(const QFont &font);
    // Widths measured in pixels by measure (for trying odd fonts).
    explicit LinePadder(std::function<qreal(const QString &)> measure);

    // The name column padded with spaces to NameColumnLength characters, then
    // with further spaces while its width is not above LineWidthTwips: the
    // result is the first that is wider. When a space adds no width, no
    // further space is added.
    QString Pad(const QString &nameColumn) const;

    // The width of text in pixels.
    qreal Width(const QString &text) const;

private:
    qreal charSum(const QString &text, bool &simple) const;

    std::function<qreal(const QString &)> mMeasure; // when set, measures instead of mMetrics
    // Without kerning and shaping, the width of plain Latin text is the sum
    // of its characters' advances; these are cached here (negative = not yet).
    bool mAdditive = false;
    QFontMetricsF mMetrics;
    mutable std::array<qreal, 0x250> mAdvance{};
};

// The width in pixels that a line of the contact list needs in font (the
// list's, see ListFont) to show a usual telephone number whole: a name column
// no wider than the padding, the tab stop after it (one every eight average
// character widths), and a plus with fifteen digits.
int LineWidthForNumbers(const QFont &font);

// The font of a list whose lines LinePadder measures quickly: font without
// kerning and shaping, which plain Latin text does not need.
QFont ListFont(QFont font);

} // namespace varnelle
