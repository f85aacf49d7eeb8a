// The smallest Qt program showing the business contacts of a book as the
// main window's list does: one query for the names and first numbers in name
// order, a QStringListModel and a QListView. Prints "drawn" on standard error
// when the list is first painted and stays until it is ended: the floor of
// bench_contact_list's whole-process start-up.
#include <QApplication>
#include <QEvent>
#include <QListView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringListModel>
#include <cstdio>

namespace {

class PaintNote : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fprintf(stderr, "drawn\n");
            std::fflush(stderr);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(argc > 1 ? argv[1] : "Address.mdb");
    if (!db.open())
        return 1;
    QStringList lines;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec("SELECT a.LastName || ', ' || a.FirstName || char(9) || ifnull((SELECT n.Number FROM TelephoneList n "
                "WHERE n.PersonID = a.PersonID ORDER BY n.TypeID LIMIT 1), '') FROM Address a "
                "WHERE a.IsBusiness = 1 ORDER BY a.LastName, a.FirstName"))
        return 1;
    while (q.next())
        lines << q.value(0).toString();
    QStringListModel model(lines);
    QListView list;
    list.setUniformItemSizes(true);
    list.setModel(&model);
    PaintNote note;
    list.viewport()->installEventFilter(&note);
    list.resize(480, 400);
    list.show();
    return app.exec();
}
