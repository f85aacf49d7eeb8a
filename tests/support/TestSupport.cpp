#include "support/TestSupport.h"

#include "ui/main/MainWindow.h"
#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QUuid>
#include <stdexcept>

namespace varnelle::test {

namespace {
QList<TempWorkDir *> &workDirs()
{
    static QList<TempWorkDir *> dirs;
    return dirs;
}
} // namespace

TempWorkDir::TempWorkDir()
    : mOldDir(QDir::currentPath())
{
    if (!mDir.isValid() || !QDir::setCurrent(mDir.path()))
        throw std::runtime_error("cannot make a temporary work folder");
    workDirs().append(this);
}

TempWorkDir::~TempWorkDir()
{
    restart();
    workDirs().removeAll(this);
    QDir::setCurrent(mOldDir);
}

AddressBook &TempWorkDir::book()
{
    if (!mBook)
        mBook = std::make_unique<AddressBook>();
    return *mBook;
}

MainWindow &TempWorkDir::main()
{
    if (!mMain)
        mMain = std::make_unique<MainWindow>(book());
    return *mMain;
}

void TempWorkDir::restart()
{
    mMain.reset();
    mBook.reset();
}

AddressBook &CurrentBook()
{
    if (workDirs().isEmpty())
        throw std::runtime_error("no TempWorkDir");
    return workDirs().last()->book();
}

MainWindow &CurrentMainWindow()
{
    if (workDirs().isEmpty())
        throw std::runtime_error("no TempWorkDir");
    return workDirs().last()->main();
}

ScriptedBoxes::ScriptedBoxes()
{
    SetMessageResponder([this](const QString &title, const QString &text, QMessageBox::Icon icon,
                               QMessageBox::StandardButtons buttons) {
        messages.append({title, text, icon, buttons});
        if (!mAnswers.isEmpty())
            return mAnswers.takeFirst();
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    });
    SetInputResponder([this](const QString &title, const QString &prompt, const QString &defaultText) {
        inputs.append({title, prompt + "|" + defaultText});
        if (!mInputs.isEmpty())
            return mInputs.takeFirst();
        return std::optional<QString>();
    });
}

ScriptedBoxes::~ScriptedBoxes()
{
    SetMessageResponder({});
    SetInputResponder({});
}

QStringList ScriptedBoxes::texts() const
{
    QStringList list;
    for (const ShownMessage &m : messages)
        list << m.text;
    return list;
}

namespace {
template <class Body>
auto withFile(const QString &fileName, Body &&body)
{
    QSqlDatabase db = OpenDatabase(fileName, "test-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
    try {
        auto result = body(db);
        CloseDatabase(db);
        return result;
    } catch (...) {
        CloseDatabase(db);
        throw;
    }
}
} // namespace

QList<QVariantList> Rows(const QString &fileName, const QString &sql, const QVariantList &values)
{
    return withFile(fileName, [&](QSqlDatabase &db) {
        QList<QVariantList> rows;
        QSqlQuery q = RunQuery(db, sql, values);
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            rows << row;
        }
        return rows;
    });
}

void Exec(const QString &fileName, const QString &sql, const QVariantList &values)
{
    withFile(fileName, [&](QSqlDatabase &db) {
        RunQuery(db, sql, values);
        return 0;
    });
}

QByteArray ReadAll(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace varnelle::test
