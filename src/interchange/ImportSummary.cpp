#include "interchange/ImportSummary.h"

#include "common/StoreText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStringEncoder>
#include <QTemporaryFile>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace varnelle::interchange {

namespace {

// Lines kept in memory before they go to disk.
constexpr qsizetype SpoolBytes = 256 * 1024;
// A group lists its lines when it has no more than these.
constexpr qsizetype ListedLines = 50;
// A group with more different values than these shows none.
constexpr qsizetype MostValues = 10;
constexpr qsizetype TopValues = 3;
// The most characters of a value shown in a group's title.
constexpr qsizetype ShownValue = 40;
// A group keeps the place of every this many of its lines, to read a part of them.
constexpr qsizetype MarkEvery = 256;
// Bytes of the spool read at a time.
constexpr qint64 ReadBytes = 256 * 1024;

struct Group {
    QString name;
    ImportSummary::Section section = ImportSummary::Section::Notes;
    bool countsContacts = false;
    qsizetype contacts = 0;
    qsizetype lines = 0;
    qsizetype lastRecord = -1;
    QList<QPair<QString, qsizetype>> values; // while there are few
    bool varied = false;
    std::vector<qint64> marks; // where the lines 0, MarkEvery, 2 * MarkEvery... begin
};

} // namespace

struct ImportSummary::Data {
    QStringList head;
    QString headings[3];
    qsizetype sectionLines[3] = {0, 0, 0};
    std::vector<Group> groups;
    QMultiHash<size_t, int> byName[3]; // each section's groups by the hash of their name
    // Each line: its group (4 bytes), its length (4 bytes) and its UTF-8 bytes.
    QByteArray buffer;
    std::unique_ptr<QTemporaryFile> spool;
    qint64 spooled = 0; // bytes on disk; the buffer's lines follow them
    bool spoolFailed = false;

    void append(int group, std::initializer_list<QStringView> line)
    {
        // The header, then the line's pieces encoded in place; the header's length is filled in after.
        qsizetype size = 0;
        for (const QStringView piece : line)
            size += piece.size();
        const qsizetype at = buffer.size();
        buffer.resize(at + qsizetype(2 * sizeof(qint32)) + size * 3);
        QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
        char *text = buffer.data() + at + 2 * sizeof(qint32);
        char *end = text;
        for (const QStringView piece : line)
            end = encoder.appendToBuffer(end, piece);
        const qint32 header[2] = {group, qint32(end - text)};
        std::memcpy(buffer.data() + at, header, sizeof header);
        buffer.resize(end - buffer.constData());
        if (buffer.size() < SpoolBytes || spoolFailed)
            return;
        if (!spool) {
            spool = std::make_unique<QTemporaryFile>();
            if (!spool->open()) {
                spool.reset();
                spoolFailed = true; // kept in memory then
                return;
            }
        }
        if (spool->write(buffer) == buffer.size()) {
            spooled += buffer.size();
            buffer.clear();
        } else { // what the disk took is taken back; the rest stays in memory
            spool->resize(spooled);
            spool->seek(spooled);
            spoolFailed = true;
        }
    }

    // Where the next line will begin, counting the bytes on disk and then those in memory.
    qint64 end() const { return spooled + buffer.size(); }

    // Hands each line kept from the one that begins at `from` on, in the order
    // they came, to each, until it returns false.
    void forEachLine(qint64 from, const std::function<bool(int group, QByteArrayView text)> &each) const
    {
        QByteArray pending;
        bool going = true;
        auto take = [&](QByteArrayView bytes) {
            qsizetype at = 0;
            while (going && bytes.size() - at >= qsizetype(2 * sizeof(qint32))) {
                qint32 header[2];
                std::memcpy(header, bytes.data() + at, sizeof header);
                if (bytes.size() - at - qsizetype(sizeof header) < header[1])
                    break;
                going = each(header[0], bytes.sliced(at + qsizetype(sizeof header), header[1]));
                at += qsizetype(sizeof header) + header[1];
            }
            return at;
        };
        if (spool && from < spooled) {
            spool->seek(from);
            while (going && !spool->atEnd()) {
                const QByteArray piece = spool->read(ReadBytes);
                if (piece.isEmpty())
                    break;
                pending += piece;
                pending.remove(0, take(pending));
            }
            spool->seek(spooled);
        }
        if (!going)
            return;
        if (pending.isEmpty()) // the lines on disk end where those in memory begin
            take(QByteArrayView(buffer).sliced(std::clamp<qint64>(from - spooled, 0, buffer.size())));
        else
            take(pending + buffer);
    }

    // The same for every line, decoded.
    void forEachLine(const std::function<void(int group, const QString &line)> &each) const
    {
        forEachLine(0, [&](int group, QByteArrayView text) {
            each(group, QString::fromUtf8(text));
            return true;
        });
    }

    // Groups in the order of the lines: by section, then as first met.
    std::vector<size_t> order() const
    {
        std::vector<size_t> order(groups.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return groups[a].section < groups[b].section; });
        return order;
    }
};

ImportSummary::ImportSummary() : d(std::make_shared<Data>()) {}

void ImportSummary::setHead(const QStringList &head)
{
    d->head = head;
}

void ImportSummary::setHeading(Section section, const QString &heading)
{
    d->headings[int(section)] = heading;
}

void ImportSummary::addLine(Section section, QStringView group, const QString &line, qsizetype record,
                            QStringView value)
{
    addLine(section, group, {line}, record, value);
}

void ImportSummary::addLine(Section section, QStringView group, std::initializer_list<QStringView> line,
                            qsizetype record, QStringView value)
{
    // Found by the name's hash, so that a line of a known group allocates nothing.
    QMultiHash<size_t, int> &byName = d->byName[int(section)];
    const size_t key = qHash(group);
    int index = -1;
    for (auto it = byName.constFind(key); it != byName.cend() && it.key() == key; ++it)
        if (d->groups[size_t(it.value())].name == group)
            index = it.value();
    if (index < 0) {
        index = int(d->groups.size());
        byName.insert(key, index);
        Group made;
        made.name = group.toString();
        made.section = section;
        made.countsContacts = record >= 0;
        d->groups.push_back(std::move(made));
    }
    Group &g = d->groups[size_t(index)];
    if (g.lines % MarkEvery == 0)
        g.marks.push_back(d->end());
    ++g.lines;
    if (record < 0 || record != g.lastRecord)
        ++g.contacts;
    g.lastRecord = record;
    if (!value.isEmpty() && !g.varied) {
        const auto same = std::find_if(g.values.begin(), g.values.end(),
                                       [value](const QPair<QString, qsizetype> &v) { return v.first == value; });
        if (same != g.values.end()) {
            ++same->second;
        } else if (g.values.size() < MostValues) {
            g.values.append(qMakePair(value.toString(), qsizetype(1)));
        } else {
            g.varied = true;
            g.values.clear();
        }
    }
    ++d->sectionLines[int(section)];
    d->append(index, line);
}

qsizetype ImportSummary::lineCount(Section section) const
{
    return d->sectionLines[int(section)];
}

QStringList ImportSummary::headLines() const
{
    return d->head;
}

bool ImportSummary::writeLines(QIODevice &out) const
{
    bool ok = true;
    auto write = [&](const QString &line) { ok = ok && out.write(line.toUtf8() + '\n') >= 0; };
    for (const QString &line : d->head)
        write(line);
    for (int section = 0; section < 3; ++section) {
        if (d->sectionLines[section] == 0)
            continue;
        write(d->headings[section]);
        d->forEachLine([&](int group, const QString &line) {
            if (int(d->groups[size_t(group)].section) == section)
                write(line);
        });
    }
    return ok;
}

QStringList ImportSummary::lines() const
{
    QStringList all = d->head;
    for (int section = 0; section < 3; ++section) {
        if (d->sectionLines[section] == 0)
            continue;
        all << d->headings[section];
        d->forEachLine([&](int group, const QString &line) {
            if (int(d->groups[size_t(group)].section) == section)
                all << line;
        });
    }
    return all;
}

QList<SummaryGroup> ImportSummary::groups() const
{
    const QLocale locale;
    QList<SummaryGroup> result;
    for (const size_t i : d->order()) {
        const Group &g = d->groups[i];
        SummaryGroup s;
        s.contacts = g.contacts;
        s.lines = g.lines;
        s.listed = g.lines <= ListedLines;
        if (!g.varied) {
            s.topValues = g.values;
            std::sort(s.topValues.begin(), s.topValues.end(), [](const auto &a, const auto &b) {
                return a.second != b.second ? a.second > b.second : a.first < b.first;
            });
            if (s.topValues.size() > TopValues)
                s.topValues.resize(TopValues);
        }
        const QString count = !g.countsContacts ? locale.toString(qlonglong(g.lines))
            : g.contacts == 1
            ? QCoreApplication::translate("Interchange", "1 contact")
            : QCoreApplication::translate("Interchange", "%1 contacts").arg(locale.toString(qlonglong(g.contacts)));
        QStringList values;
        for (const auto &[value, times] : std::as_const(s.topValues)) // long values shortened, as in the lines
            values << (text::StoreLength(value) > ShownValue ? text::LeftInStoreLength(value, ShownValue - 3) + "..."
                                                              : value)
                          + u' ' + locale.toString(qlonglong(times));
        s.title = QCoreApplication::translate("Interchange", "%1 — %2").arg(g.name, count);
        if (s.listed)
            s.title += u' ' + QCoreApplication::translate("Interchange", "(listed)");
        else if (!values.isEmpty())
            s.title += u' ' + QCoreApplication::translate("Interchange", "(%1)").arg(values.join(QStringLiteral(", ")));
        result << s;
    }
    return result;
}

QStringList ImportSummary::groupLines(qsizetype group) const
{
    return groupLines(group, 0, std::numeric_limits<qsizetype>::max());
}

QStringList ImportSummary::groupLines(qsizetype group, qsizetype from, qsizetype count) const
{
    // groups() orders by section: find the group index of that place.
    const std::vector<size_t> order = d->order();
    QStringList found;
    if (group < 0 || size_t(group) >= order.size())
        return found;
    const int wanted = int(order[size_t(group)]);
    const Group &g = d->groups[size_t(wanted)];
    from = std::max<qsizetype>(from, 0);
    count = std::min(count, g.lines - from);
    if (count <= 0)
        return found;
    found.reserve(count);
    qsizetype line = from - from % MarkEvery; // the line at the mark read from
    d->forEachLine(g.marks[size_t(from / MarkEvery)], [&](int at, QByteArrayView text) {
        if (at == wanted && line++ >= from)
            found << QString::fromUtf8(text);
        return found.size() < count;
    });
    return found;
}

QStringList ImportSummary::groupedLines() const
{
    QStringList text = d->head;
    const QList<SummaryGroup> all = groups();
    for (qsizetype i = 0; i < all.size(); ++i) {
        text << all[i].title;
        if (all[i].listed)
            for (const QString &line : groupLines(i))
                text << QStringLiteral("  ") + line;
    }
    return text;
}

} // namespace varnelle::interchange
