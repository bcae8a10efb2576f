// A label control in Arial: a caption, its colours, and clicks when it serves as a button.
#pragma once

#include "shell/controls/click_tracker.h"

#include <QLabel>
#include <optional>

class Label : public QLabel {
    Q_OBJECT
public:
    // A width or height of 0 in `twips` sizes the label to its caption.
    Label(QWidget* parent, const QString& name, const QRect& twips, const QString& caption = {},
          qreal pointSize = 8, bool bold = false);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setForeColour(QColor colour);
    // The text's colour while the label is disabled (greyed, like a button that cannot be pressed).
    void setGreyedColour(QColor colour);
    void setBackColour(std::optional<QColor> colour); // nullopt: transparent, the parent shows through
    void setPointSize(qreal pointSize, bool bold = false);
    // A label the player clicks like a button ("Gioca", "Finito"). A label whose click a handler
    // listens to is one too: the Tab key reaches it, Space and Enter press it.
    void setActsAsButton(bool button);
    bool actsAsButton() const { return actsAsButton_; }
    bool isClickable() const { return actsAsButton_ || clickConnected_; }
    // A counter read with its caption: "Mazzo" makes "40" read as "Mazzo: 40".
    void setReadAs(const QString& caption);
    // A message: read out once as an alert when it appears or its words change while it shows.
    void setAlert(bool alert) { alert_ = alert; }
    bool isAlert() const { return alert_; }
    // False for a piece of a line that another label reads whole: screen readers pass it by.
    void setSpoken(bool spoken);
    bool isSpoken() const { return spoken_; }
    // The caption as a screen reader says it: padding blanks folded, the reading caption before it.
    QString spokenName() const;

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool autoSize_;
    bool actsAsButton_ = false;
    bool clickConnected_ = false;
    bool alert_ = false;
    bool spoken_ = true;
    QString readAs_;
    std::optional<QColor> greyed_;
    ClickTracker clicks_;
};
