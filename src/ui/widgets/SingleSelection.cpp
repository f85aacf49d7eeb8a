#include "ui/widgets/SingleSelection.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace varnelle {

namespace {

class SelectionKeeper : public QObject {
public:
    explicit SelectionKeeper(QAbstractItemView *list)
        : QObject(list)
        , mList(list)
    {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Only input is looked at: the list also passes events here while it
        // is being destroyed, when it is a list no more.
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
            && type != QEvent::KeyPress)
            return false;
        if (!mList->selectionModel() || !mList->selectionModel()->hasSelection())
            return false;
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (event->type() == QEvent::MouseMove && !(mouse->buttons() & Qt::LeftButton))
                return false;
            const QModelIndex index = mList->indexAt(mouse->position().toPoint());
            if (index.isValid() && !(mouse->modifiers() & Qt::ControlModifier))
                return false;
            if (index.isValid() && !mList->selectionModel()->isSelected(index))
                return false; // Ctrl+click on another entry chooses it
            mList->setFocus(Qt::MouseFocusReason);
            return true;
        }
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            return key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier);
        }
        default:
            return false;
        }
    }

private:
    QAbstractItemView *mList;
};

} // namespace

void KeepSelectionOnceChosen(QAbstractItemView *list)
{
    new SelectionKeeper(list);
}

} // namespace varnelle
