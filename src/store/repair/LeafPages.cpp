#include "store/repair/LeafPages.h"

#include <QByteArray>
#include <QStringDecoder>

#include <cstring>

#include <algorithm>
#include <optional>

namespace varnelle {

// The file format, as SQLite writes it: a 100-byte header on page 1, then
// pages of b-trees. A b-tree page starts (at 100 on page 1) with its type
// (2 and 10 for index pages, 5 and 13 for table interior and leaf pages),
// the cell count at 3, the start of the cell content at 5, the right-most
// child at 8 on interior pages, then an array of 2-byte cell offsets.

namespace {

constexpr uchar TableInterior = 5;
constexpr uchar TableLeaf = 13;
constexpr uchar IndexInterior = 2;
constexpr uchar IndexLeaf = 10;
// The number of pages a chain of overflow or free pages may pass before it is taken for a loop.
constexpr qint64 ChainLimit = 1'000'000;

quint32 be16(const uchar *p) { return quint32(p[0]) << 8 | p[1]; }
quint32 be32(const uchar *p) { return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]; }

// Reads a varint at p (at most 9 bytes, none past end); the number of bytes read, 0 when it does not fit.
int varint(const uchar *p, const uchar *end, qint64 &value)
{
    quint64 v = 0;
    for (int i = 0; i < 9; ++i) {
        if (p + i >= end)
            return 0;
        if (i == 8) {
            v = (v << 8) | p[i];
            value = qint64(v);
            return 9;
        }
        v = (v << 7) | (p[i] & 0x7f);
        if (!(p[i] & 0x80)) {
            value = qint64(v);
            return i + 1;
        }
    }
    return 0;
}

// The bytes a value of a serial type takes in a record; -1 for the reserved types.
qint64 serialSize(qint64 type)
{
    static constexpr int sizes[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0, -1, -1};
    if (type < 0)
        return -1;
    return type < 12 ? sizes[type] : (type - 12) / 2;
}

enum class Encoding { Utf8, Utf16Le, Utf16Be };

// The columns of a record, or nothing when it is not a well-formed one.
std::optional<QVariantList> decodeRecord(const QByteArray &payload, Encoding encoding)
{
    const auto *begin = reinterpret_cast<const uchar *>(payload.constData());
    const uchar *end = begin + payload.size();
    qint64 headerSize = 0;
    int n = varint(begin, end, headerSize);
    if (n == 0 || headerSize < n || headerSize > payload.size())
        return std::nullopt;
    const uchar *types = begin + n;
    const uchar *typesEnd = begin + headerSize;
    const uchar *body = typesEnd;
    QVariantList values;
    while (types < typesEnd) {
        qint64 type = 0;
        const int read = varint(types, typesEnd, type);
        const qint64 size = read == 0 ? -1 : serialSize(type);
        if (size < 0 || size > end - body)
            return std::nullopt;
        types += read;
        if (type == 0) {
            values << QVariant();
        } else if (type <= 6) {
            qint64 v = (body[0] & 0x80) ? -1 : 0; // sign-extended big-endian
            for (qint64 i = 0; i < size; ++i)
                v = qint64(quint64(v) << 8 | body[i]);
            values << v;
        } else if (type == 7) {
            quint64 bits = 0;
            for (int i = 0; i < 8; ++i)
                bits = bits << 8 | body[i];
            double d = 0;
            std::memcpy(&d, &bits, sizeof d);
            values << d;
        } else if (type == 8 || type == 9) {
            values << qint64(type - 8);
        } else if (type % 2 == 0) {
            values << QByteArray(reinterpret_cast<const char *>(body), size);
        } else {
            const QByteArrayView bytes(body, size);
            QStringDecoder decode(encoding == Encoding::Utf8      ? QStringConverter::Utf8
                                  : encoding == Encoding::Utf16Le ? QStringConverter::Utf16LE
                                                                  : QStringConverter::Utf16BE);
            values << QString(decode(bytes));
        }
        body += size;
    }
    // SQLite's records end with their last column: anything else is no record.
    if (body != end)
        return std::nullopt;
    return values;
}

} // namespace

LeafPages::LeafPages(const QString &fileName)
    : mFile(fileName)
{
    if (!mFile.open(QIODevice::ReadOnly) || mFile.size() < 512)
        return;
    mSize = mFile.size();
    mData = mFile.map(0, mSize);
    if (!mData)
        return;
    findPageSize();
    if (mPageSize == 0)
        return;
    mReached.assign(size_t(mPageCount) + 1, false);
    readSchema();
    markFreePages();
}

bool LeafPages::cutShort() const
{
    // The page count in the header holds when the change counter beside it matches the one at 92.
    const bool header = mPageSize > 0 && std::memcmp(mData, "SQLite format 3", 16) == 0;
    return header && be32(mData + 92) == be32(mData + 24) && be32(mData + 28) > mPageCount;
}

const uchar *LeafPages::page(qint64 number) const
{
    return number >= 1 && number <= mPageCount ? mData + (number - 1) * mPageSize : nullptr;
}

bool LeafPages::plausibleBtreePage(qint64 number, bool everyCell) const
{
    const uchar *p = page(number);
    if (!p)
        return false;
    const int h = headerOffset(number);
    const uchar type = p[h];
    if (type != TableLeaf && type != TableInterior && type != IndexLeaf && type != IndexInterior)
        return false;
    const int headerSize = (type == TableLeaf || type == IndexLeaf) ? 8 : 12;
    const quint32 cells = be16(p + h + 3);
    const quint32 content = be16(p + h + 5) == 0 ? 65536 : be16(p + h + 5);
    const quint32 arrayEnd = h + headerSize + 2 * cells;
    if (arrayEnd > quint32(mUsable) || content < arrayEnd || content > quint32(mUsable) || p[h + 7] > 60)
        return false;
    for (quint32 i = 0; everyCell && i < cells; ++i) {
        const quint32 at = be16(p + h + headerSize + 2 * i);
        if (at < content || at >= quint32(mUsable))
            return false;
    }
    return true;
}

void LeafPages::findPageSize()
{
    const bool header = mSize >= 100 && std::memcmp(mData, "SQLite format 3", 16) == 0;
    const int reserved = header ? mData[20] : 0;
    if (header) {
        const quint32 stated = be16(mData + 16) == 1 ? 65536 : be16(mData + 16);
        if (stated >= 512 && stated <= 65536 && (stated & (stated - 1)) == 0 && reserved < int(stated) - 480) {
            mPageSize = int(stated);
            mUsable = mPageSize - reserved;
            mPageCount = mSize / mPageSize;
            return;
        }
    }
    // The size under which the most pages read as b-tree pages: under a size
    // too small, the cells of a page lie past its end; under one too large,
    // only some of the pages are seen.
    int best = 0;
    qint64 bestCount = 0;
    for (const int size : {4096, 1024, 2048, 8192, 16384, 32768, 65536, 512}) {
        mPageSize = size;
        mUsable = size - reserved;
        mPageCount = mSize / size;
        qint64 count = 0;
        for (qint64 p = 1; p <= mPageCount; ++p)
            count += plausibleBtreePage(p, true) ? 1 : 0;
        if (count > bestCount) {
            best = size;
            bestCount = count;
        }
    }
    mPageSize = best;
    mUsable = best - (best ? reserved : 0);
    mPageCount = best ? mSize / best : 0;
}

bool LeafPages::walk(qint64 root, const std::function<void(qint64)> &leaf)
{
    bool whole = true;
    std::vector<qint64> pending{root};
    while (!pending.empty()) {
        const qint64 number = pending.back();
        pending.pop_back();
        if (!page(number) || mReached[size_t(number)] || !plausibleBtreePage(number)) {
            whole = false;
            continue;
        }
        const uchar *p = page(number);
        const int h = headerOffset(number);
        if (p[h] == TableLeaf) {
            mReached[size_t(number)] = true;
            leaf(number);
        } else if (p[h] == TableInterior) {
            mReached[size_t(number)] = true;
            const quint32 cells = be16(p + h + 3);
            // Right-most child last in the stack, so the leaves come in rowid order.
            pending.push_back(be32(p + h + 8));
            for (quint32 i = cells; i-- > 0;) {
                const quint32 at = be16(p + h + 12 + 2 * i);
                if (at >= quint32(h + 12 + 2 * cells) && at + 4 <= quint32(mUsable))
                    pending.push_back(be32(p + at));
                else
                    whole = false;
            }
        } else {
            whole = false;
        }
    }
    return whole;
}

std::vector<LeafPages::Row> LeafPages::rowsOn(qint64 number) const
{
    std::vector<Row> rows;
    const uchar *p = page(number);
    const int h = headerOffset(number);
    if (!p || p[h] != TableLeaf)
        return rows;
    const quint32 textEncoding = mSize >= 100 && std::memcmp(mData, "SQLite format 3", 16) == 0 ? be32(mData + 56) : 1;
    const Encoding encoding =
        textEncoding == 2 ? Encoding::Utf16Le : textEncoding == 3 ? Encoding::Utf16Be : Encoding::Utf8;
    const uchar *end = p + mUsable;
    const quint32 cells = std::min<quint32>(be16(p + h + 3), (mUsable - h - 8) / 2);
    const qint64 maxLocal = mUsable - 35;
    const qint64 minLocal = (qint64(mUsable - 12) * 32 / 255) - 23;
    for (quint32 i = 0; i < cells; ++i) {
        const quint32 at = be16(p + h + 8 + 2 * i);
        if (at < quint32(h + 8 + 2 * cells) || at >= quint32(mUsable))
            continue;
        const uchar *cell = p + at;
        qint64 payloadSize = 0, rowid = 0;
        const int n1 = varint(cell, end, payloadSize);
        const int n2 = n1 ? varint(cell + n1, end, rowid) : 0;
        if (!n2 || payloadSize < 1 || payloadSize > mPageCount * mUsable)
            continue;
        const uchar *local = cell + n1 + n2;
        qint64 localSize = payloadSize;
        if (payloadSize > maxLocal) {
            const qint64 k = minLocal + (payloadSize - minLocal) % (mUsable - 4);
            localSize = k <= maxLocal ? k : minLocal;
        }
        const bool overflows = localSize < payloadSize;
        if (local + localSize + (overflows ? 4 : 0) > end)
            continue;
        QByteArray payload(reinterpret_cast<const char *>(local), localSize);
        if (overflows) {
            qint64 next = be32(local + localSize);
            for (qint64 hops = 0; payload.size() < payloadSize && hops < ChainLimit; ++hops) {
                const uchar *o = page(next);
                if (!o || next == number)
                    break;
                const qint64 take = std::min<qint64>(mUsable - 4, payloadSize - payload.size());
                payload.append(reinterpret_cast<const char *>(o + 4), take);
                next = be32(o);
            }
            if (payload.size() < payloadSize)
                continue;
        }
        if (std::optional<QVariantList> values = decodeRecord(payload, encoding))
            rows.push_back({rowid, std::move(*values), number});
    }
    return rows;
}

LeafPages::Tree LeafPages::readTree(qint64 root, const std::function<void(const Row &)> &row)
{
    const uchar *p = page(root);
    if (!p || !plausibleBtreePage(root)
        || (p[headerOffset(root)] != TableLeaf && p[headerOffset(root)] != TableInterior))
        return Tree::Unreadable;
    bool everyRow = true;
    const bool everyPage = walk(root, [&](qint64 leaf) {
        const std::vector<Row> rows = rowsOn(leaf);
        everyRow = everyRow && rows.size() == be16(page(leaf) + headerOffset(leaf) + 3);
        for (const Row &r : rows)
            row(r);
    });
    return everyPage && everyRow ? Tree::Whole : Tree::Partial;
}

void LeafPages::readSchema()
{
    // Page 1 is the root of the schema table: type, name, tbl_name, rootpage, sql.
    readTree(1, [&](const Row &row) {
        if (row.values.size() >= 4 && row.values[0].toString() == QLatin1String("table")
            && row.values[3].typeId() == QMetaType::LongLong)
            mRoots.insert(row.values[1].toString(), row.values[3].toLongLong());
    });
}

void LeafPages::markFreePages()
{
    if (mSize < 100 || std::memcmp(mData, "SQLite format 3", 16) != 0)
        return;
    qint64 trunk = be32(mData + 32);
    for (qint64 hops = 0; page(trunk) && !mReached[size_t(trunk)] && hops < ChainLimit; ++hops) {
        const uchar *p = page(trunk);
        mReached[size_t(trunk)] = true;
        const quint32 leaves = std::min<quint32>(be32(p + 4), quint32(mUsable / 4 - 2));
        for (quint32 i = 0; i < leaves; ++i)
            if (page(be32(p + 8 + 4 * i)))
                mReached[be32(p + 8 + 4 * i)] = true;
        trunk = be32(p);
    }
}

std::vector<qint64> LeafPages::unreachedLeaves()
{
    std::vector<qint64> leaves;
    if (mPageSize == 0)
        return leaves;
    for (const qint64 root : mRoots)
        walk(root, [](qint64) {});
    for (qint64 number = 2; number <= mPageCount; ++number)
        if (!mReached[size_t(number)] && page(number)[0] == TableLeaf && plausibleBtreePage(number))
            leaves.push_back(number);
    return leaves;
}

} // namespace varnelle
