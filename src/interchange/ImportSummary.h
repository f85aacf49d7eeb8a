#pragma once

#include <QIODevice>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>

namespace varnelle::interchange {

// One group of an import summary's lines: a kind of value the book could not
// take (the label of an unplaced value, "Country"), or a kind of note.
struct SummaryGroup {
    QString title;          // "Country — 100,000 contacts (USA 99,000, Canada 1,000)"
    qsizetype contacts = 0; // the contacts with lines in the group
    qsizetype lines = 0;
    QList<QPair<QString, qsizetype>> topValues; // most met first; empty when the values vary
    bool listed = false;    // few enough lines to list them under the title
};

// What an import tells: its counts, and a line for every value that did not
// fit the book, every number beyond the first of its type, every property
// with no place in the book. The lines are kept on disk as they come, with
// counts of each kind in memory; they are read back to be written or shown.
class ImportSummary {
public:
    ImportSummary();

    bool cancelled = false;
    qsizetype imported = 0;
    qsizetype alreadyPresent = 0;
    QStringList typesCreated;

    // Every line: the counts first, then the contacts already present, what
    // the file's reading skipped, and the values that could not be placed.
    QStringList lines() const;
    // Writes every line, each ended by a line break; false when the device fails.
    bool writeLines(QIODevice &out) const;

    // The same grouped by kind: the counts, then the groups in the order of the lines.
    QStringList headLines() const;
    QList<SummaryGroup> groups() const;
    QStringList groupLines(qsizetype group) const;
    // At most `count` lines of a group from its line `from` on (counted from 0):
    // read from a place kept every few hundred lines of the group, not from the start.
    QStringList groupLines(qsizetype group, qsizetype from, qsizetype count) const;
    // The grouped form as text: the counts, each group's title, and the lines
    // of the groups that are listed, indented.
    QStringList groupedLines() const;

    // How the importer fills it. The lines of a summary come in three
    // sections, each under its heading: the contacts already present, what
    // the reading of the file skipped, the values that could not be placed.
    enum class Section { Present, Skipped, Notes };
    void setHead(const QStringList &head);
    void setHeading(Section section, const QString &heading);
    // Adds a line to the group of that name, made when first met. A group
    // counts contacts (the records it has lines of) when `record` is not
    // negative, else lines; `value`, when given, counts towards its top values.
    void addLine(Section section, QStringView group, const QString &line, qsizetype record = -1,
                 QStringView value = {});
    // The same with the line given in pieces, one after the other.
    void addLine(Section section, QStringView group, std::initializer_list<QStringView> line, qsizetype record,
                 QStringView value);
    qsizetype lineCount(Section section) const;

private:
    struct Data;
    std::shared_ptr<Data> d;
};

} // namespace varnelle::interchange
