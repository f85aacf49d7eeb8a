#include "app/Controls.h"

namespace varnelle {

void WidenToText(QWidget *control)
{
    const int needed = control->sizeHint().width();
    if (needed > control->width())
        control->resize(needed, control->height());
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, double left, double top, double width,
                  double height, Qt::Alignment alignment)
{
    auto *label = MakeControl<QLabel>(parent, name, left, top, width, height);
    label->setText(caption);
    label->setAlignment(alignment);
    const int missing = label->sizeHint().width() - label->width();
    if (missing > 0) {
        QRect place = label->geometry();
        if (alignment & Qt::AlignRight)
            place.setLeft(place.left() - missing);
        else if (alignment & Qt::AlignHCenter)
            place.adjust(-missing / 2, 0, missing - missing / 2, 0);
        else
            place.setRight(place.right() + missing);
        label->setGeometry(place);
    }
    return label;
}

} // namespace varnelle
