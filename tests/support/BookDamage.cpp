#include "support/BookDamage.h"

#include "support/TestSupport.h"

#include <QFile>
#include <stdexcept>

#include <unistd.h>

namespace varnelle::test {

namespace {

int pageSize(const QString &fileName) { return Rows(fileName, "PRAGMA page_size")[0][0].toInt(); }

// Reads a page, lets change() alter it and writes it back.
template <class Change>
void changePage(const QString &fileName, int page, Change &&change)
{
    const int size = pageSize(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(qint64(page - 1) * size))
        throw std::runtime_error("cannot open the database file to damage it");
    QByteArray bytes = file.read(size);
    change(bytes);
    file.seek(qint64(page - 1) * size);
    file.write(bytes);
}

} // namespace

int LeafPage(const QString &fileName, const QString &btree, int nth)
{
    const auto rows = Rows(fileName,
                           "SELECT pageno FROM dbstat WHERE name = ? AND pagetype = 'leaf' ORDER BY pageno "
                           "LIMIT 1 OFFSET ?",
                           {btree, nth});
    return rows.isEmpty() ? 0 : rows[0][0].toInt();
}

int CellsOnPage(const QString &fileName, int page)
{
    return Rows(fileName, "SELECT ncell FROM dbstat WHERE pageno = ?", {page})[0][0].toInt();
}

void ZeroPage(const QString &fileName, int page)
{
    changePage(fileName, page, [](QByteArray &bytes) { bytes.fill('\0'); });
}

void ScrambleCellPointers(const QString &fileName, int page, int cells)
{
    constexpr int leafHeader = 8;
    changePage(fileName, page, [&](QByteArray &bytes) {
        for (int i = leafHeader; i < leafHeader + 2 * cells; ++i)
            bytes[i] = char(bytes[i] ^ 0x5a);
    });
}

void ReplaceOnPage(const QString &fileName, int page, const QByteArray &from, const QByteArray &to)
{
    changePage(fileName, page, [&](QByteArray &bytes) {
        const qsizetype at = bytes.indexOf(from);
        if (at < 0 || from.size() != to.size())
            throw std::runtime_error("the text to replace is not on the page");
        bytes.replace(at, to.size(), to);
    });
}

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    constexpr uid_t nobody = 65534;
    if (::setresgid(nobody, nobody, 0) != 0 || ::setresuid(nobody, nobody, 0) != 0)
        throw std::runtime_error("cannot run as an ordinary user");
    mSwitched = true;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (mSwitched && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0))
        std::abort();
}

} // namespace varnelle::test
