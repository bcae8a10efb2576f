// A small SVG writer: path strings, paints and nested transformed groups.
#pragma once

#include <string>

namespace italian_deck {

// Numbers are written with at most two decimals: a hundredth of a pixel is
// finer than anything rsvg-convert can show at 2x, and it keeps files small.
std::string num(double v);

class Path {
public:
    Path& move(double x, double y);
    Path& line(double x, double y);
    Path& quad(double cx, double cy, double x, double y);
    Path& cubic(double c1x, double c1y, double c2x, double c2y, double x, double y);
    Path& arc(double rx, double ry, bool large, bool sweep, double x, double y);
    Path& close();
    const std::string& str() const { return d_; }

private:
    Path& add(char op, std::initializer_list<double> values);
    std::string d_;
};

struct Paint {
    std::string fill = "none";
    std::string stroke = "none";
    double width = 0.0;
    double opacity = 1.0;
    bool roundCaps = true;
};

inline Paint fillOnly(const std::string& fill) { return Paint{fill, "none", 0.0}; }
inline Paint filled(const std::string& fill, const std::string& stroke, double width)
{
    return Paint{fill, stroke, width};
}
inline Paint stroked(const std::string& stroke, double width) { return Paint{"none", stroke, width}; }

std::string translate(double x, double y);
std::string rotate(double degrees);
std::string scale(double sx, double sy);
inline std::string scale(double s) { return scale(s, s); }

class Canvas {
public:
    Canvas(int width, int height);

    void path(const Path& p, const Paint& paint);
    void circle(double cx, double cy, double r, const Paint& paint);
    void ellipse(double cx, double cy, double rx, double ry, const Paint& paint);
    void rect(double x, double y, double w, double h, double radius, const Paint& paint);
    void line(double x1, double y1, double x2, double y2, const std::string& colour, double width);

    // A group whose content is clipped to a rectangle given in the group's own coordinates.
    void begin(const std::string& transform, const std::string& clipId = "");
    void end();
    std::string clipRect(double x, double y, double w, double h);
    std::string clipEllipse(double cx, double cy, double rx, double ry);

    // Gradients live in <defs>; the returned string is a paint such as "url(#g3)".
    std::string linearGradient(double x1, double y1, double x2, double y2,
                               std::initializer_list<std::pair<double, std::string>> stops);
    std::string radialGradient(double cx, double cy, double r,
                               std::initializer_list<std::pair<double, std::string>> stops);

    std::string svg() const;

private:
    void emit(const std::string& element, const Paint& paint);
    std::string nextId();

    int width_;
    int height_;
    int ids_ = 0;
    int depth_ = 0;
    std::string defs_;
    std::string body_;
};

// Opens a transformed group for the lifetime of the object.
class Group {
public:
    Group(Canvas& canvas, const std::string& transform, const std::string& clipId = "") : canvas_(canvas)
    {
        canvas_.begin(transform, clipId);
    }
    ~Group() { canvas_.end(); }
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

private:
    Canvas& canvas_;
};

} // namespace italian_deck
