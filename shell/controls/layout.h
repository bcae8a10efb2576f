// A window's controls as a listing: name, kind, place in twips, caption, font and colours, built by one builder.
#pragma once

#include "shell/controls/rgb.h"

#include <QColor>
#include <QHash>
#include <QRect>
#include <QString>
#include <Qt>
#include <optional>
#include <span>
#include <vector>

class Banner;
class Label;
class PictureBox;
class QWidget;
class Shape;
class TextBox;

inline QColor qcolour(Rgb c) { return QColor(c.red, c.green, c.blue, c.alpha); }

enum class ControlKind { Picture, Label, Button, Rectangle, RoundedRectangle, Circle, Oval, TextBox, Banner };

// A place in twips, for arrays whose elements follow the table's order rather than a grid.
struct TwipsPoint {
    int x = 0;
    int y = 0;
};

// One line of the listing. Made with the functions below and refined by chaining, e.g.
//   label("Label1", 360, 6795, 5175, 495, "Carte Scoperte: 00").font(16, true).fore(chalk)
//   picture("carte", 240, 360, 975, 1455).array(40, 10, 1080, 1560)
struct ControlLine {
    const char* name = "";
    ControlKind kind = ControlKind::Label;
    int left = 0, top = 0, width = 0, height = 0; // twips; a label of width or height 0 is sized to its caption
    const char* caption = "";                     // UTF-8
    double pointSize = 8;
    bool bold = false;
    std::optional<Rgb> foreColour;  // a label's text, a shape's border
    std::optional<Rgb> backColour;  // a label's background, a shape's fill
    int borderWidth = 1;            // shapes
    int maxLength = 8;              // text boxes
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;           // labels of a fixed size
    bool visible = true;
    bool spoken = true;             // labels: false for a piece of a line another label reads whole
    // A control array name(0) .. name(count - 1): element i lies at column i % columns and row
    // i / columns, stepX and stepY twips apart.
    int count = 0;
    int columns = 1;
    int stepX = 0, stepY = 0;
    // When given, element i lies at (left, top) + placeOf(i) instead of on the grid.
    TwipsPoint (*placeOf)(int) = nullptr;
    std::optional<Rgb> greyedColour; // a disabled label's text
    bool isAlert = false;            // labels: read out once when shown or changed
    const char* readCaption = "";    // labels: a counter read with its caption ("Mazzo: 40")
    bool mouseTransparent = false;   // clicks go through to what lies below
    // Banners: the face is `backColour`, the caption and the face's border `foreColour`.
    const char* faceName = "";
    const char* shadowName = "";
    Rgb shadowColour{0, 0, 0};
    int shadowOffset = 90;           // twips down and right of the face
    int captionLeft = 0, captionTop = 0, captionWidth = 0, captionHeight = 0; // a banner's caption elsewhere than on its face
    bool boxed = false;              // labels: a thin frame round the label

    constexpr ControlLine font(double size, bool isBold = false) const { auto c = *this; c.pointSize = size; c.bold = isBold; return c; }
    constexpr ControlLine fore(Rgb colour) const { auto c = *this; c.foreColour = colour; return c; }
    constexpr ControlLine back(Rgb colour) const { auto c = *this; c.backColour = colour; return c; }
    constexpr ControlLine border(Rgb colour, int width = 1) const { auto c = *this; c.foreColour = colour; c.borderWidth = width; return c; }
    constexpr ControlLine fill(Rgb colour) const { return back(colour); }
    constexpr ControlLine align(Qt::Alignment a) const { auto c = *this; c.alignment = a; return c; }
    constexpr ControlLine oneLine() const { auto c = *this; c.wordWrap = false; return c; }
    constexpr ControlLine hidden() const { auto c = *this; c.visible = false; return c; }
    // A caption or piece ("Tempo:", ":") of a line that another label reads whole ("Tempo: 03:15"):
    // screen readers pass it by.
    constexpr ControlLine piece() const { auto c = *this; c.spoken = false; return c; }
    // A sign or a backdrop whose meaning a nearby control already says (the pile's "una sola carta", the
    // plate's "STRIKE"): screen readers pass it by.
    constexpr ControlLine decoration() const { return piece(); }
    constexpr ControlLine length(int most) const { auto c = *this; c.maxLength = most; return c; }
    constexpr ControlLine placed(TwipsPoint (*at)(int)) const { auto c = *this; c.placeOf = at; return c; }
    constexpr ControlLine greyed(Rgb colour) const { auto c = *this; c.greyedColour = colour; return c; }
    constexpr ControlLine alert() const { auto c = *this; c.isAlert = true; return c; }
    constexpr ControlLine readAs(const char* caption) const { auto c = *this; c.readCaption = caption; return c; }
    constexpr ControlLine transparent() const { auto c = *this; c.mouseTransparent = true; return c; }
    constexpr ControlLine face(Rgb colour) const { return back(colour); }
    constexpr ControlLine captionAt(int l, int t, int w, int h) const
    {
        auto c = *this;
        c.captionLeft = l;
        c.captionTop = t;
        c.captionWidth = w;
        c.captionHeight = h;
        return c;
    }
    constexpr ControlLine framed() const { auto c = *this; c.boxed = true; return c; }
    constexpr ControlLine shadow(Rgb colour, int offset = 90) const { auto c = *this; c.shadowColour = colour; c.shadowOffset = offset; return c; }
    constexpr ControlLine array(int n, int perRow = 1, int dx = 0, int dy = 0) const
    {
        auto c = *this;
        c.count = n;
        c.columns = perRow < 1 ? 1 : perRow;
        c.stepX = dx;
        c.stepY = dy;
        return c;
    }
};

constexpr ControlLine control(const char* name, ControlKind kind, int left, int top, int width, int height,
                              const char* caption = "")
{
    ControlLine c;
    c.name = name;
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.caption = caption;
    return c;
}
constexpr ControlLine picture(const char* name, int l, int t, int w, int h) { return control(name, ControlKind::Picture, l, t, w, h); }
constexpr ControlLine label(const char* name, int l, int t, int w, int h, const char* caption = "") { return control(name, ControlKind::Label, l, t, w, h, caption); }
// A label the player clicks like a button.
constexpr ControlLine button(const char* name, int l, int t, int w, int h, const char* caption) { return control(name, ControlKind::Button, l, t, w, h, caption).align(Qt::AlignCenter); }
constexpr ControlLine rectangle(const char* name, int l, int t, int w, int h) { return control(name, ControlKind::Rectangle, l, t, w, h); }
constexpr ControlLine roundedRectangle(const char* name, int l, int t, int w, int h) { return control(name, ControlKind::RoundedRectangle, l, t, w, h); }
constexpr ControlLine circle(const char* name, int l, int t, int w, int h) { return control(name, ControlKind::Circle, l, t, w, h); }
constexpr ControlLine oval(const char* name, int l, int t, int w, int h) { return control(name, ControlKind::Oval, l, t, w, h); }
constexpr ControlLine textBox(const char* name, int l, int t, int w, int h) { return control(name, ControlKind::TextBox, l, t, w, h); }
// A message banner: its caption (`name`) on its face on its shadow, hidden until shown; an alert.
constexpr ControlLine banner(const char* name, const char* faceName, const char* shadowName, int l, int t, int w, int h,
                             const char* caption = "")
{
    ControlLine c = control(name, ControlKind::Banner, l, t, w, h, caption).font(14, true).hidden();
    c.faceName = faceName;
    c.shadowName = shadowName;
    return c;
}

// Builds the listing on `parent` in its order (a later line lies on top) and finds the controls by name.
class Form {
public:
    Form(QWidget* parent, std::span<const ControlLine> listing);

    PictureBox* picture(const QString& name) const;
    Label* label(const QString& name) const; // labels and buttons
    Shape* shape(const QString& name) const;
    TextBox* textBox(const QString& name) const;
    Banner* banner(const QString& name) const; // by its caption's name
    // The elements name(0) .. name(n - 1) of an array, in order.
    std::vector<PictureBox*> pictures(const char* name) const;
    std::vector<Label*> labels(const char* name) const;
    std::vector<Shape*> shapes(const char* name) const;

    QWidget* widget(const QString& name) const;

private:
    void addBanner(QWidget* parent, const ControlLine& entry, const QString& name, const QRect& place);
    template <typename T>
    T* find(const QString& name) const;
    template <typename T>
    std::vector<T*> findArray(const char* name) const;

    QHash<QString, QWidget*> controls_;
    QHash<QString, Banner*> banners_;
    QHash<QString, int> counts_;
};
