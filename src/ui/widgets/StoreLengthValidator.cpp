#include "ui/widgets/StoreLengthValidator.h"

#include "common/StoreText.h"

#include <QLineEdit>
#include <QValidator>

namespace varnelle {

namespace {

// Takes the text as the user left it and hands back the part the store can
// keep; it never refuses an edit outright.
class StoreLengthValidator : public QValidator {
public:
    StoreLengthValidator(int characters, QObject *parent) : QValidator(parent), mCharacters(characters) {}

    State validate(QString &input, int &pos) const override
    {
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
        return Acceptable;
    }

private:
    int mCharacters;
};

} // namespace

void LimitToStoreLength(QLineEdit *box, int characters)
{
    // Room for every character taking two code units; the validator keeps the count.
    box->setMaxLength(2 * characters);
    box->setValidator(new StoreLengthValidator(characters, box));
}

} // namespace varnelle
