#include "support/TestSupport.h"

#include "common/ContactDetails.h"

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

QString DetailsText(const ContactDetails &d)
{
    QStringList out;
    auto add = [&out](const QString &key, const QString &value) {
        if (!value.isEmpty())
            out << key + "=" + value;
    };
    auto addLabeled = [&out](const QString &key, const QList<LabeledValue> &values) {
        for (const LabeledValue &v : values)
            out << key + "(" + v.label + ")=" + v.value;
    };
    add("middle", d.middleName);
    add("prefix", d.namePrefix);
    add("suffix", d.nameSuffix);
    add("display", d.displayName);
    add("nick", d.nicknames.join(','));
    add("units", d.orgUnits.join(','));
    add("title", d.jobTitle);
    add("role", d.role);
    addLabeled("email", d.emails);
    for (const ContactAddress &a : d.addresses)
        out << "adr(" + a.label + ")="
                + QStringList{a.poBox, a.extended, a.street, a.locality, a.region, a.postalCode, a.country}.join('/');
    add("country", d.country);
    addLabeled("tel", d.telephones);
    add("bday", d.birthday.toIso());
    add("anniversary", d.anniversary.toIso());
    add("note", d.note);
    addLabeled("url", d.webAddresses);
    addLabeled("impp", d.messaging);
    addLabeled("social", d.social);
    addLabeled("related", d.related);
    add("categories", d.categories.join(','));
    if (!d.photo.data.isEmpty())
        out << QString("photo=%1 of %2 bytes").arg(d.photo.mimeType).arg(d.photo.data.size());
    add("photo", d.photo.uri);
    return out.join("; ");
}

} // namespace varnelle::test
