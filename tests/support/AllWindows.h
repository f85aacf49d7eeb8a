#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

namespace varnelle::test {

// Every window of the program, made over the current test folder's book and
// shown: the main window (borrowed), the editor on contact 1 and its More
// part, the number and types dialogs, the report dialogs and a preview, the
// import and export dialogs and the About box. The book holds contact 1 with a number.
struct ShownWindows {
    struct Window {
        QString name;
        QWidget *widget;
    };
    std::vector<Window> windows;
    std::vector<std::unique_ptr<QWidget>> owned;

    QWidget *window(const QString &name) const;
};
ShownWindows ShowAllWindows();

// The controls of a window a user reaches: buttons, boxes, lists, spin boxes,
// group boxes, labels, the parts of a composite control left out.
QList<QWidget *> Controls(const QWidget &window);

} // namespace varnelle::test
