// The backs of the two decks: a red damask for Naples, blue checks under a red tartan for Piacenza.
#include "card_parts.h"

#include "ornaments.h"

#include <cmath>
#include <vector>

namespace italian_deck {

// Naples: a red damask of lozenges with gold flowers at the crossings, inside
// a beaded gold border, round a medallion with a rose in a sunburst.
void paintNaplesBack(Canvas& canvas, const Palette& p)
{
    CardSize s = cardSize(p.deck);
    const double cx = s.width / 2, cy = s.height / 2;
    canvas.rect(0, 0, s.width, s.height, 0, fillOnly(p.paper));
    // The beaded border band.
    canvas.rect(2.2, 2.2, s.width - 4.4, s.height - 4.4, 0, filled(p.darkRed, p.ink, 0.5));
    {
        Path beads;
        const double inset = 4.1;
        const double w = s.width - 2 * inset, h = s.height - 2 * inset;
        const int across = 12, down = 22;
        for (int i = 0; i <= across; ++i)
            for (double y : {inset, s.height - inset}) {
                double x = inset + w * i / across;
                beads.move(x - 0.55, y).arc(0.55, 0.55, false, true, x + 0.55, y).arc(0.55, 0.55, false, true, x - 0.55, y);
            }
        for (int j = 1; j < down; ++j)
            for (double x : {inset, s.width - inset}) {
                double y = inset + h * j / down;
                beads.move(x - 0.55, y).arc(0.55, 0.55, false, true, x + 0.55, y).arc(0.55, 0.55, false, true, x - 0.55, y);
            }
        canvas.path(beads, fillOnly(p.yellow));
    }
    const double x0 = 6, y0 = 6, x1 = s.width - 6, y1 = s.height - 6;
    canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, fillOnly(p.darkRed));
    {
        // Lozenges of lighter red, centred on the card so the pattern is symmetric.
        Group field(canvas, "", canvas.clipRect(x0, y0, x1 - x0, y1 - y0));
        const double step = 8.0;
        const int n = int(s.height / step) + 2;
        Path lattice;
        for (int m = -n; m <= n; ++m) {
            double c = m * step;
            lattice.move(cx + c - s.height, cy - s.height).line(cx + c + s.height, cy + s.height);
            lattice.move(cx + c - s.height, cy + s.height).line(cx + c + s.height, cy - s.height);
        }
        canvas.path(lattice, stroked(p.red, 1.1));
        // A gold flower at every crossing, a dot in every lozenge.
        Path flowers, dots;
        for (int a = -n; a <= n; ++a)
            for (int b = -n; b <= n; ++b) {
                double x = cx + (a + b) * step / 2, y = cy + (b - a) * step / 2;
                if (x < x0 - 2 || x > x1 + 2 || y < y0 - 2 || y > y1 + 2)
                    continue;
                for (Pt d : {Pt{0, -1.1}, Pt{1.1, 0}, Pt{0, 1.1}, Pt{-1.1, 0}})
                    flowers.move(x + d.x - 0.7, y + d.y)
                        .arc(0.7, 0.7, false, true, x + d.x + 0.7, y + d.y)
                        .arc(0.7, 0.7, false, true, x + d.x - 0.7, y + d.y);
                double dx = x + step / 2;
                dots.move(dx - 0.45, y).arc(0.45, 0.45, false, true, dx + 0.45, y).arc(0.45, 0.45, false, true, dx - 0.45, y);
            }
        canvas.path(flowers, fillOnly(p.yellow));
        canvas.path(dots, fillOnly(p.darkYellow));
        // Gold fans spread from the corners.
        for (double fx : {0.0, 1.0})
            for (double fy : {0.0, 1.0}) {
                Pt corner{fx == 0 ? x0 : x1, fy == 0 ? y0 : y1};
                double base = fx == 0 ? (fy == 0 ? 0.0 : -90.0) : (fy == 0 ? 90.0 : 180.0);
                Group g(canvas, translate(corner.x, corner.y) + " " + rotate(base));
                canvas.path(Path().move(0, 0).line(9.5, 0).arc(9.5, 9.5, false, true, 0, 9.5).close(),
                            filled(p.darkRed, p.darkYellow, 0.6));
                for (int k = 0; k < 5; ++k) {
                    Group petal(canvas, rotate(9.0 + 18.0 * k));
                    canvas.path(Path().move(1, 0).quad(5, -1.6, 8.6, 0).quad(5, 1.6, 1, 0).close(),
                                filled(p.yellow, p.ink, 0.3));
                }
            }
    }
    canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, stroked(p.yellow, 0.7));
    canvas.rect(2.2, 2.2, s.width - 4.4, s.height - 4.4, 0, stroked(p.darkYellow, 0.6));
    // The medallion: a pearled gold frame, a blue ground, a sunburst and the rose.
    canvas.ellipse(cx, cy, 17, 23, filled(p.darkRed, p.darkYellow, 1.6));
    canvas.ellipse(cx, cy, 15, 21, filled(p.paper, p.ink, 0.4));
    {
        Path pearls;
        for (int i = 0; i < 28; ++i) {
            double a = 2 * 3.14159265358979 * i / 28;
            double x = cx + 15 * std::cos(a), y = cy + 21 * std::sin(a);
            pearls.move(x - 0.6, y).arc(0.6, 0.6, false, true, x + 0.6, y).arc(0.6, 0.6, false, true, x - 0.6, y);
        }
        canvas.path(pearls, fillOnly(p.darkYellow));
    }
    canvas.ellipse(cx, cy, 13, 19, filled(p.blue, p.ink, 0.5));
    {
        Group g(canvas, translate(cx, cy));
        {
            Group tall(canvas, scale(1, 19.0 / 13.0));
            drawRays(canvas, 24, 8.5, 12.6, p.yellow, p.darkYellow, p.ink, 0.2);
        }
        for (int i = 0; i < 8; ++i) {
            Group petal(canvas, rotate(45.0 * i));
            Path leaf;
            leaf.move(0, -2.5).cubic(4.2, -5.8, 3.4, -10, 0, -12).cubic(-3.4, -10, -4.2, -5.8, 0, -2.5).close();
            canvas.path(leaf, filled(p.yellow, p.ink, 0.4));
            canvas.ellipse(0, -7.2, 0.8, 2.2, fillOnly(p.red));
        }
        canvas.circle(0, 0, 3.4, filled(p.red, p.ink, 0.4));
        canvas.circle(0, 0, 1.3, fillOnly(p.yellow));
    }
    canvas.rect(0.4, 0.4, s.width - 0.8, s.height - 0.8, 0, stroked(p.ink, 0.8));
}

// Piacenza: blue and white checks crossed by a red tartan, studded where the
// red lines meet, inside a red and white chequered border, round a sun.
void paintPiacenzaBack(Canvas& canvas, const Palette& p)
{
    CardSize s = cardSize(p.deck);
    canvas.rect(0, 0, s.width, s.height, 0, fillOnly(p.white));
    const double cx = s.width / 2, cy = s.height / 2;
    // A border of alternate red and white squares.
    const double b0 = 2.0, b1 = 6.0;
    {
        canvas.rect(b0, b0, s.width - 2 * b0, s.height - 2 * b0, 0, fillOnly(p.red));
        Path squares;
        const double side = b1 - b0;
        const int across = int((s.width - 2 * b0) / side + 0.5), down = int((s.height - 2 * b0) / side + 0.5);
        const double sx = (s.width - 2 * b0) / across, sy = (s.height - 2 * b0) / down;
        for (int i = 0; i < across; i += 2)
            for (double y : {b0, s.height - b0 - side})
                squares.move(b0 + i * sx, y).line(b0 + (i + 1) * sx, y).line(b0 + (i + 1) * sx, y + side)
                    .line(b0 + i * sx, y + side).close();
        for (int j = 1; j < down - 1; j += 2)
            for (double x : {b0, s.width - b0 - side})
                squares.move(x, b0 + j * sy).line(x + side, b0 + j * sy).line(x + side, b0 + (j + 1) * sy)
                    .line(x, b0 + (j + 1) * sy).close();
        canvas.path(squares, fillOnly(p.white));
        canvas.rect(b0, b0, s.width - 2 * b0, s.height - 2 * b0, 0, stroked(p.ink, 0.6));
    }
    const double x0 = b1 + 0.6, y0 = b1 + 0.6, x1 = s.width - x0, y1 = s.height - y0;
    // Checks coarse enough to keep their shape at the card's own size, where a
    // finer grid breaks into moire against the pixels.
    const double step = 7.4;
    {
        Group field(canvas, "", canvas.clipRect(x0, y0, x1 - x0, y1 - y0));
        canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, fillOnly(p.blue));
        // White checks on alternate squares of a grid turned by 45 degrees.
        Path checks;
        for (int i = -12; i <= 12; ++i)
            for (int j = -12; j <= 12; ++j) {
                if ((i + j) % 2 != 0)
                    continue;
                double cxp = cx + (i - j) * step / 2;
                double cyp = cy + (i + j) * step / 2;
                if (cxp < x0 - step || cxp > x1 + step || cyp < y0 - step || cyp > y1 + step)
                    continue;
                checks.move(cxp, cyp - step / 2).line(cxp + step / 2, cyp).line(cxp, cyp + step / 2)
                    .line(cxp - step / 2, cyp).close();
            }
        canvas.path(checks, fillOnly(p.white));
        // The red tartan: doubled lines, symmetric about the centre.
        Path reds, studs;
        std::vector<double> ys, xs;
        for (double d : {11.1, 33.3})
            for (double sign : {-1.0, 1.0})
                ys.push_back(cy + sign * d);
        for (double d : {14.8})
            for (double sign : {-1.0, 1.0})
                xs.push_back(cx + sign * d);
        for (double y : ys)
            for (double d : {-1.2, 1.2})
                reds.move(x0, y + d).line(x1, y + d);
        for (double x : xs)
            for (double d : {-1.2, 1.2})
                reds.move(x + d, y0).line(x + d, y1);
        canvas.path(reds, Paint{"none", p.red, 1.1, 0.95, false});
        for (double y : ys)
            for (double x : xs)
                studs.move(x - 1.1, y).arc(1.1, 1.1, false, true, x + 1.1, y).arc(1.1, 1.1, false, true, x - 1.1, y);
        canvas.path(studs, filled(p.yellow, p.ink, 0.35));
    }
    canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, stroked(p.ink, 0.6));
    // The sun in a white oval ringed with red and blue beads.
    canvas.ellipse(cx, cy, 15, 19.5, filled(p.white, p.ink, 0.7));
    {
        Path redBeads, blueBeads;
        for (int i = 0; i < 24; ++i) {
            double a = 2 * 3.14159265358979 * i / 24;
            double x = cx + 13.3 * std::cos(a), y = cy + 17.8 * std::sin(a);
            (i % 2 ? blueBeads : redBeads).move(x - 0.8, y).arc(0.8, 0.8, false, true, x + 0.8, y)
                .arc(0.8, 0.8, false, true, x - 0.8, y);
        }
        canvas.path(redBeads, fillOnly(p.red));
        canvas.path(blueBeads, fillOnly(p.blue));
    }
    canvas.ellipse(cx, cy, 11.5, 15.5, filled(p.red, p.ink, 0.5));
    {
        Group g(canvas, translate(cx, cy));
        {
            Group tall(canvas, scale(1, 15.5 / 11.5));
            drawRays(canvas, 16, 4.5, 10.6, p.yellow, p.yellow, p.ink, 0.3);
        }
        canvas.circle(0, 0, 4.8, filled(p.yellow, p.ink, 0.5));
        canvas.circle(0, 0, 2.2, filled(p.darkYellow, "none", 0));
    }
    canvas.rect(0.4, 0.4, s.width - 0.8, s.height - 0.8, 0, stroked(p.ink, 0.8));
}

} // namespace italian_deck
