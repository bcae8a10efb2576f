// The horse under each cavallo: a walking horse with a proper head (muzzle, eye,
// ears, mane and bridle) under a scalloped caparison.
#include "figure_parts.h"

namespace italian_deck {

void drawHorse(Canvas& c, const Palette& q, const Costume& dress)
{
    const double lw = q.line;
    // Far legs first, a shade darker.
    limb(c, {{-7, 40}, {-9, 50}, {-8.5, 58}, {-9.5, 66}}, 3.0, dress.mane, q.ink, lw);
    limb(c, {{15, 40}, {17.5, 50}, {16, 58}, {17, 66}}, 3.0, dress.mane, q.ink, lw);
    // Tail.
    std::vector<Pt> tail = sampleQuad({20.5, 29}, {26, 36}, {22.5, 53}, 10);
    c.path(ribbon(tail, [](double t) { return 4.0 * (1.0 - t * 0.6); }), filled(dress.mane, q.ink, lw));
    // Body, neck and head.
    Path body;
    body.move(-14, 31).cubic(-15, 24, -6, 23.5, 4, 24.5).cubic(12, 25, 20, 25, 21, 30).cubic(22.5, 36, 20, 42, 14, 42)
        .line(-8, 42).cubic(-14, 42, -15, 37, -14, 31).close();
    c.path(body, filled(dress.horse, q.ink, dress.whiteHorse ? lw * 1.35 : lw));
    // A shadow under the belly rounds the barrel, and lets a white horse
    // stand off white paper.
    Path belly;
    belly.move(-13.2, 36).cubic(-8, 39.6, 12, 39.8, 20.6, 35).cubic(20, 40, 17.5, 41.6, 14, 41.6).line(-8, 41.6)
        .cubic(-11.5, 41.6, -13, 39.5, -13.2, 36).close();
    c.path(belly, dress.whiteHorse ? fillOnly("#cfc7b6") : Paint{q.ink, "none", 0, 0.16});
    // A white horse is outlined more heavily and shaded in grey so it stands off the paper.
    const double outline = dress.whiteHorse ? lw * 1.35 : lw;
    const std::string shade = dress.whiteHorse ? "#cfc7b6" : q.ink;
    const double shadeOpacity = dress.whiteHorse ? 1.0 : 0.18;
    Path neck;
    neck.move(-2, 26).cubic(-5, 20, -8, 14, -10.5, 9.2).line(-15.2, 13.5).cubic(-17.5, 20, -17, 28, -14.5, 35).close();
    c.path(neck, filled(dress.horse, q.ink, outline));
    c.path(Path().move(-15.6, 16).cubic(-16.6, 22, -16, 28, -14.2, 33.5).line(-12.5, 31).cubic(-13.6, 26, -14, 21, -15.6, 16).close(),
           Paint{shade, "none", 0, shadeOpacity});
    // The head: poll, forehead, the long bridge of the nose, a rounded muzzle, the
    // chin and the broad jaw curving back to the throat.
    Path head;
    head.move(-10.5, 9.2).cubic(-14, 8.5, -17.5, 10.5, -20, 13.5).cubic(-22, 16, -24.5, 18.5, -25.8, 20.6)
        .cubic(-26.6, 22.2, -25.6, 23.9, -23.6, 23.8).cubic(-22.3, 23.7, -21.4, 23.0, -20.8, 22.2)
        .cubic(-19.5, 21.5, -17.5, 21.4, -15.6, 19.8).cubic(-13.6, 18.2, -13.6, 15, -15.2, 13.5).close();
    c.path(head, filled(dress.horse, q.ink, outline));
    c.path(Path().move(-20.6, 21.6).cubic(-18.5, 20.6, -15.8, 20.2, -14.6, 17.4).cubic(-15.2, 19.5, -17, 21.3, -20.6, 21.6).close(),
           Paint{shade, "none", 0, shadeOpacity});
    // Ears pricked forward.
    c.path(polygon({{-12.2, 9.0}, {-11.6, 3.8}, {-14.2, 8.6}}), filled(dress.horse, q.ink, outline));
    c.path(polygon({{-10.4, 8.8}, {-9.0, 4.2}, {-11.6, 8.2}}), filled(dress.mane, q.ink, lw));
    // Eye with its white and a brow, nostril and the line of the mouth.
    c.ellipse(-16.6, 12.6, 1.05, 0.75, filled(q.white, q.ink, lw * 0.8));
    c.circle(-16.9, 12.6, 0.5, fillOnly(q.ink));
    c.path(Path().move(-15.4, 11.4).quad(-16.6, 11.0, -17.9, 11.8), stroked(q.ink, lw));
    c.path(Path().move(-24.0, 20.6).quad(-25.2, 20.8, -24.9, 22.0), stroked(q.ink, lw * 1.2));
    c.path(Path().move(-25.6, 22.9).quad(-24, 23.1, -22.6, 22.6), stroked(q.ink, lw));
    // The mane falls in locks along the crest, a forelock over the brow.
    const Pt crest[] = {{-11.5, 8.6}, {-9.8, 11.8}, {-8.0, 15.0}, {-6.0, 18.2}, {-4.0, 21.4}, {-2.2, 24.6}};
    for (Pt p0 : crest) {
        Path lock;
        lock.move(p0.x - 1.2, p0.y - 1.4).quad(p0.x + 3.4, p0.y - 0.4, p0.x + 3.2, p0.y + 3.2)
            .quad(p0.x + 1.6, p0.y + 1.2, p0.x - 0.8, p0.y + 1.6).close();
        c.path(lock, filled(dress.mane, q.ink, lw * 0.8));
    }
    c.path(Path().move(-12.0, 8.4).quad(-14.6, 8.6, -15.6, 10.6).quad(-13.8, 9.8, -12.6, 10.2).close(),
           filled(dress.mane, q.ink, lw * 0.8));
    // Bridle: browband, cheekpiece, noseband and throatlatch, a ring for the bit.
    const std::string leather = q.darkRed;
    c.path(Path().move(-12.6, 9.6).line(-15.2, 10.6), stroked(leather, 0.9));
    c.path(Path().move(-13.4, 10.0).line(-21.6, 20.2), stroked(leather, 0.9));
    c.path(Path().move(-23.6, 18.2).quad(-22.0, 20.2, -21.0, 22.4), stroked(leather, 0.9));
    c.path(Path().move(-13.4, 10.0).quad(-13.2, 13, -14.4, 15.6), stroked(leather, 0.9));
    c.circle(-21.8, 21.0, 0.8, filled(q.yellow, q.ink, lw * 0.6));
    // Near legs: one standing, one foreleg lifted.
    const double legLine = dress.whiteHorse ? lw * 1.35 : lw;
    limb(c, {{-11, 40}, {-12.5, 50}, {-11.5, 58}, {-12.5, 66}}, 3.2, dress.horse, q.ink, legLine);
    limb(c, {{-6, 39}, {-12, 46}, {-16.5, 49}, {-17.5, 52}}, 3.2, dress.horse, q.ink, legLine);
    limb(c, {{13, 40}, {14.5, 50}, {13, 58}, {14, 66}}, 3.2, dress.horse, q.ink, legLine);
    for (Pt hoof : {Pt{-12.6, 66.6}, Pt{14.1, 66.6}, Pt{-9.6, 66.4}, Pt{17.1, 66.4}})
        c.ellipse(hoof.x, hoof.y, 2.0, 1.0, filled(q.ink, q.ink, lw));
    c.ellipse(-17.8, 52.8, 1.4, 1.8, filled(q.ink, q.ink, lw));
    // Caparison: Naples hangs it to the knees; Piacenza, whose half figure is
    // cut at the horse's belly, has a short saddle cloth so that no solid band
    // of colour meets its mirror image across the middle of the card.
    const bool full = q.deck == Deck::Napoletane;
    const double hem = full ? 46 : 36.5;
    const double notch = full ? 3.5 : 2.6;
    const double front = full ? -12.5 : -9.0;
    const double back = full ? 20.5 : 16.5;
    const int scallops = full ? 8 : 6;
    const double step = (back - front) / scallops;
    Path drape;
    drape.move(front, 28).cubic(front + 8.5, 24.5, back - 10.5, 24.5, back, 28);
    for (int i = 0; i < scallops; ++i) {
        double x = back - i * step;
        drape.line(x - step / 2, hem).line(x - step, hem - notch);
    }
    drape.close();
    c.path(drape, filled(dress.second, q.ink, lw));
    Path border;
    border.move(front + 0.2, hem - notch - 1.7).line(back + 0.1, hem - notch - 1.7);
    c.path(border, stroked(dress.trim, 1.2));
    const int studs = full ? 6 : 4;
    const double firstStud = full ? front + 4.5 : front + 3.5;
    const double studStep = full ? 5.6 : (back - front - 7) / (studs - 1);
    for (int i = 0; i < studs; ++i)
        c.circle(firstStud + i * studStep, full ? 34.5 : 30.5, 0.9, fillOnly(dress.trim));
    // Saddle.
    c.path(Path().move(-4.5, 25.5).quad(1, 28.5, 7.5, 24.2).line(8.2, 21.8).quad(1, 26, -4.5, 23).close(),
           filled(q.darkWood, q.ink, lw));
}


} // namespace italian_deck
