#include "support/UserActions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace varnelle::test {

QList<int> selectedRowsAfterClicks(QAbstractItemView *list, int row)
{
    const auto selectedRow = [list] {
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.first().row();
    };
    const QAbstractItemModel *model = list->model();
    QList<int> rows;
    const QPoint onEntry = list->visualRect(model->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onEntry);
    rows << selectedRow();
    const QRect last = list->visualRect(model->index(model->rowCount() - 1, 0));
    const QPoint empty(last.center().x(), last.bottom() + 10);
    if (!list->indexAt(empty).isValid() && list->viewport()->rect().contains(empty))
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
    else
        return {}; // the list has no empty part to click
    rows << selectedRow();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, onEntry);
    rows << selectedRow();
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    rows << selectedRow();
    return rows;
}

void click(QWidget &form, const QString &name)
{
    QTest::mouseClick(find<QWidget>(form, name), Qt::LeftButton);
}

bool choose(QWidget &form, const QString &name, const QString &text)
{
    auto *combo = find<QComboBox>(form, name);
    QTest::keyClick(combo, Qt::Key_Home);
    while (combo->currentText() != text && combo->currentIndex() < combo->count() - 1)
        QTest::keyClick(combo, Qt::Key_Down);
    return combo->currentText() == text;
}

void chooseExisting(QWidget &form, const QString &name, const QString &text)
{
    if (!choose(form, name, text))
        throw std::runtime_error(qPrintable("no entry " + text + " in " + name));
}

void retype(QWidget &form, const QString &name, const QString &text)
{
    auto *edit = find<QLineEdit>(form, name);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, width), Qt::NoModifier);
        i += width - 1;
    }
}

QStringList entries(QWidget &form, const QString &name)
{
    auto *combo = find<QComboBox>(form, name);
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace varnelle::test
