// The Yes/No message box with Italian buttons.
#include "shell/dialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
QuestionAnswerer& answerer()
{
    static QuestionAnswerer instance;
    return instance;
}
MessageReader& reader()
{
    static MessageReader instance;
    return instance;
}
} // namespace

void setMessageReader(MessageReader r) { reader() = std::move(r); }

void tell(QWidget* parent, const QString& title, const QString& text)
{
    if (reader()) {
        reader()(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void setQuestionAnswerer(QuestionAnswerer a) { answerer() = std::move(a); }

bool askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    if (answerer())
        return answerer()(title, text);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
