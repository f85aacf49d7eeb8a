#include "ui/widgets/StoreLengthValidator.h"

#include "common/StoreText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

namespace varnelle {

namespace {

// Takes the text as the user left it and hands back the part the store can
// keep; it never refuses an edit outright.
class StoreLengthValidator : public QValidator {
public:
    StoreLengthValidator(int characters, QLineEdit *box) : QValidator(box), mCharacters(characters), mBox(box)
    {
        // Only the user's own typing, pasting or dropping is told about: the
        // box emits textEdited for those alone, after validating them, and
        // not when a window fills it.
        connect(box, &QLineEdit::textEdited, this, [this] { tell(mLeftOut, mFull); });
    }

    State validate(QString &input, int &pos) const override
    {
        // The box hands over its text as edited; an unchanged text is a check, not an edit.
        const bool edited = input != mLastText;
        const qsizetype offered = text::StoreLength(input);
        // NULs, and halves of a surrogate pair, are no characters to keep.
        for (int i = int(input.size()) - 1; i >= 0; --i) {
            const QChar c = input.at(i);
            const bool pairedHigh = c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
            const bool pairedLow = c.isLowSurrogate() && i > 0 && input.at(i - 1).isHighSurrogate();
            if (c == QChar(u'\0') || (c.isSurrogate() && !pairedHigh && !pairedLow)) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        }
        // Inserted text ends at the cursor: what does not fit goes from there.
        for (qsizetype excess = text::StoreLength(input) - mCharacters; excess > 0 && pos > 0; --excess) {
            const int width = pos >= 2 && input.at(pos - 1).isLowSurrogate() ? 2 : 1;
            pos -= width;
            input.remove(pos, width);
        }
        input = text::LeftInStoreLength(input, mCharacters);
        pos = qMin(pos, int(input.size()));
        if (edited) {
            // A cut text is validated twice, the second time as cut: the
            // first says what was left out.
            mLeftOut = offered - text::StoreLength(input);
            mFull = text::StoreLength(input) >= mCharacters;
        }
        mLastText = input;
        return Acceptable;
    }

private:
    // Says at once, beside the box, that its text reached the limit or that some was left out.
    void tell(qsizetype leftOut, bool full) const
    {
        QString message;
        if (leftOut > 0)
            message = QCoreApplication::translate("Forms", "%1 %2 did not fit and %3 left out: this box holds at "
                                                           "most %4 characters.")
                          .arg(leftOut)
                          .arg(leftOut == 1 ? QCoreApplication::translate("Forms", "character")
                                            : QCoreApplication::translate("Forms", "characters"))
                          .arg(leftOut == 1 ? QCoreApplication::translate("Forms", "was")
                                            : QCoreApplication::translate("Forms", "were"))
                          .arg(mCharacters);
        else if (full)
            message = QCoreApplication::translate("Forms", "This box holds at most %1 characters.").arg(mCharacters);
        if (message.isEmpty()) {
            if (mNotice)
                mNotice->hide();
            return;
        }
        if (!mNotice) {
            // A tooltip of its own: a tooltip proper goes at the next key's release.
            mNotice = new QLabel(mBox, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
            mNotice->setObjectName("limitNotice");
            mNotice->setPalette(QToolTip::palette());
            mNotice->setFont(QToolTip::font());
            mNotice->setMargin(2);
            mNotice->setFrameStyle(QFrame::Box | QFrame::Plain);
            mHideNotice = new QTimer(mNotice);
            mHideNotice->setSingleShot(true);
            mHideNotice->setInterval(NoticeMilliseconds);
            QObject::connect(mHideNotice, &QTimer::timeout, mNotice, &QWidget::hide);
            QObject::connect(mBox, &QLineEdit::editingFinished, mNotice, &QWidget::hide);
        }
        mNotice->setText(message);
        mNotice->adjustSize();
        mNotice->move(mBox->mapToGlobal(QPoint(0, mBox->height())));
        mNotice->show();
        mHideNotice->start();
    }

    static constexpr int NoticeMilliseconds = 6000;
    int mCharacters;
    QLineEdit *mBox;
    mutable QString mLastText; // as the last validation left it
    mutable qsizetype mLeftOut = 0; // what the last change offered that did not fit
    mutable bool mFull = false;     // the last change filled the box
    mutable QLabel *mNotice = nullptr; // made at the first notice; a child of the box
    mutable QTimer *mHideNotice = nullptr;
};

} // namespace

void LimitToStoreLength(QLineEdit *box, int characters)
{
    // The validator keeps the count, and tells what it cuts: the box's own
    // maximum length, which would cut silently before it, stays at its default.
    box->setValidator(new StoreLengthValidator(characters, box));
}

} // namespace varnelle
