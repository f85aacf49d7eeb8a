#include "ui/widgets/ListKeys.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace varnelle {

namespace {

class EnterFilter : public QObject {
public:
    EnterFilter(QAbstractItemView *list, std::function<void()> action)
        : QObject(list), mList(list), mAction(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !mList->selectionModel()
            || !mList->selectionModel()->hasSelection())
            return false;
        mAction();
        return true;
    }

private:
    QAbstractItemView *mList;
    std::function<void()> mAction;
};

} // namespace

void OnEnterWithSelection(QAbstractItemView *list, std::function<void()> action)
{
    list->installEventFilter(new EnterFilter(list, std::move(action)));
}

} // namespace varnelle
