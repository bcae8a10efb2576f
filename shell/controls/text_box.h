// The one-line name box: a length limit, only characters a record file can store, and a key-press event.
#pragma once

#include <QLineEdit>

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& name, const QRect& twips, int maxLength);

signals:
    // Every key typed, as its character code; Enter is 13. The key still reaches the box.
    void keyPress(int keyAscii);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
