// The name box refuses characters that the record file's code page cannot hold.
#include "shell/controls/text_box.h"

#include "shell/codepage.h"
#include "shell/controls/fonts.h"
#include "shell/controls/form_scale.h"
#include "shell/controls/twips.h"

#include <QAction>
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
    placeControl(this, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setControlFont(this, arialFont(8));
    setMaxLength(maxLength);
    setValidator(new WesternValidator(this));
}

bool TextBox::event(QEvent* event)
{
    // The box would take Ctrl+E and the like as editing keys; a key that is one of the window's menu
    // shortcuts goes to the menu instead, whatever has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : window()->findChildren<QAction*>()) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
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
