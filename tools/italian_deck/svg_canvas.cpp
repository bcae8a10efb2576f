// A small SVG writer: path strings, paints and nested transformed groups.
#include "svg_canvas.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace italian_deck {

std::string num(double v)
{
    double r = std::round(v * 100.0) / 100.0;
    if (r == 0.0)
        r = 0.0; // no "-0"
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", r);
    std::string s(buf);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s;
}

Path& Path::add(char op, std::initializer_list<double> values)
{
    if (!d_.empty())
        d_ += ' ';
    d_ += op;
    bool first = true;
    for (double v : values) {
        if (!first)
            d_ += ' ';
        d_ += num(v);
        first = false;
    }
    return *this;
}

Path& Path::move(double x, double y) { return add('M', {x, y}); }
Path& Path::line(double x, double y) { return add('L', {x, y}); }
Path& Path::quad(double cx, double cy, double x, double y) { return add('Q', {cx, cy, x, y}); }
Path& Path::cubic(double c1x, double c1y, double c2x, double c2y, double x, double y)
{
    return add('C', {c1x, c1y, c2x, c2y, x, y});
}
Path& Path::arc(double rx, double ry, bool large, bool sweep, double x, double y)
{
    return add('A', {rx, ry, 0.0, large ? 1.0 : 0.0, sweep ? 1.0 : 0.0, x, y});
}
Path& Path::close()
{
    d_ += " Z";
    return *this;
}

std::string translate(double x, double y) { return "translate(" + num(x) + " " + num(y) + ")"; }
std::string rotate(double degrees) { return "rotate(" + num(degrees) + ")"; }
std::string scale(double sx, double sy) { return "scale(" + num(sx) + " " + num(sy) + ")"; }

Canvas::Canvas(int width, int height) : width_(width), height_(height) {}

void Canvas::emit(const std::string& element, const Paint& paint)
{
    std::string e = "<" + element + " fill=\"" + paint.fill + "\"";
    if (paint.stroke != "none" && paint.width > 0.0) {
        e += " stroke=\"" + paint.stroke + "\" stroke-width=\"" + num(paint.width) + "\"";
        if (paint.roundCaps)
            e += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    }
    if (paint.opacity < 1.0)
        e += " opacity=\"" + num(paint.opacity) + "\"";
    e += "/>\n";
    body_ += e;
}

void Canvas::path(const Path& p, const Paint& paint) { emit("path d=\"" + p.str() + "\"", paint); }

void Canvas::circle(double cx, double cy, double r, const Paint& paint)
{
    emit("circle cx=\"" + num(cx) + "\" cy=\"" + num(cy) + "\" r=\"" + num(r) + "\"", paint);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, const Paint& paint)
{
    emit("ellipse cx=\"" + num(cx) + "\" cy=\"" + num(cy) + "\" rx=\"" + num(rx) + "\" ry=\"" + num(ry) + "\"",
         paint);
}

void Canvas::rect(double x, double y, double w, double h, double radius, const Paint& paint)
{
    std::string e = "rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) + "\" height=\"" + num(h) + "\"";
    if (radius > 0.0)
        e += " rx=\"" + num(radius) + "\"";
    emit(e, paint);
}

void Canvas::line(double x1, double y1, double x2, double y2, const std::string& colour, double width)
{
    Path p;
    p.move(x1, y1).line(x2, y2);
    path(p, stroked(colour, width));
}

void Canvas::begin(const std::string& transform, const std::string& clipId)
{
    body_ += "<g";
    if (!transform.empty())
        body_ += " transform=\"" + transform + "\"";
    if (!clipId.empty())
        body_ += " clip-path=\"url(#" + clipId + ")\"";
    body_ += ">\n";
    ++depth_;
}

void Canvas::end()
{
    if (depth_ == 0)
        throw std::logic_error("group closed twice");
    body_ += "</g>\n";
    --depth_;
}

std::string Canvas::clipEllipse(double cx, double cy, double rx, double ry)
{
    std::string id = nextId();
    defs_ += "<clipPath id=\"" + id + "\"><ellipse cx=\"" + num(cx) + "\" cy=\"" + num(cy) + "\" rx=\"" + num(rx) +
             "\" ry=\"" + num(ry) + "\"/></clipPath>\n";
    return id;
}

std::string Canvas::clipRect(double x, double y, double w, double h)
{
    std::string id = nextId();
    defs_ += "<clipPath id=\"" + id + "\"><rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) +
             "\" height=\"" + num(h) + "\"/></clipPath>\n";
    return id;
}

std::string Canvas::nextId() { return "g" + std::to_string(++ids_); }

namespace {
std::string stopList(std::initializer_list<std::pair<double, std::string>> stops)
{
    std::string s;
    for (const auto& [offset, colour] : stops)
        s += "<stop offset=\"" + num(offset) + "\" stop-color=\"" + colour + "\"/>";
    return s;
}
} // namespace

std::string Canvas::linearGradient(double x1, double y1, double x2, double y2,
                                   std::initializer_list<std::pair<double, std::string>> stops)
{
    std::string id = nextId();
    defs_ += "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" + num(x1) + "\" y1=\"" +
             num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) + "\">" + stopList(stops) + "</linearGradient>\n";
    return "url(#" + id + ")";
}

std::string Canvas::radialGradient(double cx, double cy, double r,
                                   std::initializer_list<std::pair<double, std::string>> stops)
{
    std::string id = nextId();
    defs_ += "<radialGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" cx=\"" + num(cx) + "\" cy=\"" +
             num(cy) + "\" r=\"" + num(r) + "\">" + stopList(stops) + "</radialGradient>\n";
    return "url(#" + id + ")";
}

std::string Canvas::svg() const
{
    if (depth_ != 0)
        throw std::logic_error("unclosed group");
    std::string w = std::to_string(width_);
    std::string h = std::to_string(height_);
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
                    "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    if (!defs_.empty())
        s += "<defs>\n" + defs_ + "</defs>\n";
    s += body_;
    s += "</svg>\n";
    return s;
}

} // namespace italian_deck
