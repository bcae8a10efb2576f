// The name box refuses characters that the record file's code page cannot hold.
#include "shell/controls/text_box.h"

#include "shell/codepage.h"
#include "shell/controls/fonts.h"
#include "shell/controls/twips.h"

#include <QKeyEvent>
#include <QValidator>

namespace {
class WesternValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar c : input)
            if (!codepage::isWestern(c) || c.unicode() < 0x20)
                return Invalid;
        return Acceptable;
    }
};
} // namespace

TextBox::TextBox(QWidget* parent, const QString& name, const QRect& twips, int maxLength) : QLineEdit(parent)
{
    setObjectName(name);
    setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setFont(arialFont(8));
    setMaxLength(maxLength);
    setValidator(new WesternValidator(this));
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit keyPress(13);
        return;
    }
    QLineEdit::keyPressEvent(event);
    const QString typed = event->text();
    if (!typed.isEmpty())
        emit keyPress(typed.front().unicode());
}
