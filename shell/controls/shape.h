// A shape control: rectangle, rounded rectangle, circle or line with a border and an optional fill.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle, Circle, Oval, Line };

    Shape(QWidget* parent, const QString& name, const QRect& twips, Kind kind = Kind::Rectangle);

    void setBorder(QColor colour, int width = 1);
    void setFill(std::optional<QColor> colour); // nullopt: transparent inside
    void setBorderVisible(bool visible);
    // For lines: the two ends in twips, relative to the parent.
    void setLine(int x1, int y1, int x2, int y2);

    QColor borderColour() const { return border_; }
    std::optional<QColor> fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    bool borderVisible_ = true;
    std::optional<QColor> fill_;
    QPoint from_, to_;
};
