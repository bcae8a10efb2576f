// The five pictures of the round-table series: castle, table, crown, sword in the stone, grail.
#include "round_table_pictures.h"

#include "shapes.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace italian_deck {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double W = pictureSheetWidth;
constexpr double H = pictureSheetHeight;

// Our own small generator, so stars and leaves fall the same way on every build.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / 16777216.0;
    }
    double range(double a, double b) { return a + (b - a) * next(); }

private:
    std::uint32_t state_;
};

Path archWindow(double x, double y, double w, double h)
{
    Path p;
    p.move(x, y + h).line(x, y + w / 2).arc(w / 2, w / 2, false, true, x + w, y + w / 2).line(x + w, y + h).close();
    return p;
}

void sparkle(Canvas& c, double x, double y, double r, const std::string& colour, double opacity)
{
    Path s;
    s.move(x, y - r).quad(x, y, x + r * 0.35, y).quad(x, y, x, y + r).quad(x, y, x - r * 0.35, y).quad(x, y, x, y - r)
        .close();
    s.move(x - r * 0.6, y).quad(x, y, x, y - r * 0.2).quad(x, y, x + r * 0.6, y).quad(x, y, x, y + r * 0.2)
        .quad(x, y, x - r * 0.6, y).close();
    c.path(s, Paint{colour, "none", 0, opacity});
}

// Rays fanning out from a point, alternating two tints.
void glory(Canvas& c, Pt centre, double r, int count, const std::string& a, const std::string& b, double opacity)
{
    for (int i = 0; i < count; ++i) {
        double a0 = 2 * pi * i / count, a1 = 2 * pi * (i + 0.5) / count;
        c.path(polygon({centre, centre + Pt{std::cos(a0), std::sin(a0)} * r, centre + Pt{std::cos(a1), std::sin(a1)} * r}),
               Paint{i % 2 == 0 ? a : b, "none", 0, opacity});
    }
}

void merlons(Canvas& c, double x0, double x1, double y, double size, const std::string& fill,
             const std::string& ink)
{
    Path p;
    for (double x = x0; x + size * 0.9 <= x1 + 0.01; x += size * 1.8)
        p.move(x, y).line(x, y - size).line(x + size, y - size).line(x + size, y).close();
    c.path(p, filled(fill, ink, 0.8));
}

// A round tower: lit face, shaded side, a conical roof and a pennant.
void tower(Canvas& c, double x, double top, double w, double bottom, const std::string& roof,
           const std::string& flag, bool battlement)
{
    const std::string ink = "#2a2030";
    std::string stone = c.linearGradient(x, 0, x + w, 0, {{0, "#e9c9a8"}, {0.45, "#d4ae8f"}, {1, "#7d6577"}});
    c.rect(x, top, w, bottom - top, 0, filled(stone, ink, 0.9));
    // Courses of masonry.
    Path courses;
    for (double y = top + 9; y < bottom; y += 9)
        courses.move(x + 1, y).line(x + w - 1, y);
    c.path(courses, Paint{"none", "#8a6f70", 0.6, 0.5, false});
    if (battlement) {
        c.rect(x - 3, top - 4, w + 6, 5, 0, filled(stone, ink, 0.9));
        merlons(c, x - 3, x + w + 3, top - 4, 4.5, stone, ink);
        return;
    }
    const double rh = w * 1.45;
    c.rect(x - 3, top - 3, w + 6, 4, 0, filled("#b89a86", ink, 0.9));
    std::string tiles = c.linearGradient(x - 3, 0, x + w + 3, 0, {{0, roof}, {0.5, roof}, {1, "#3a1a28"}});
    c.path(polygon({{x - 4, top - 3}, {x + w / 2, top - 3 - rh}, {x + w + 4, top - 3}}), filled(tiles, ink, 0.9));
    Path pole;
    pole.move(x + w / 2, top - 3 - rh).line(x + w / 2, top - 3 - rh - 16);
    c.path(pole, stroked(ink, 1.0));
    Path pennant;
    double py = top - 3 - rh - 16;
    pennant.move(x + w / 2, py).cubic(x + w / 2 + 8, py - 2, x + w / 2 + 12, py + 4, x + w / 2 + 20, py + 2)
        .cubic(x + w / 2 + 12, py + 6, x + w / 2 + 8, py + 4, x + w / 2, py + 7).close();
    c.path(pennant, filled(flag, ink, 0.7));
}

void litWindow(Canvas& c, double x, double y, double w, double h)
{
    c.path(archWindow(x - 1, y - 1, w + 2, h + 2), fillOnly("#3a2a3a"));
    c.path(archWindow(x, y, w, h), fillOnly("#ffd66b"));
    c.path(Path().move(x + w / 2, y + 1).line(x + w / 2, y + h), stroked("#b5762b", 0.6));
}

// The castle and everything round it, drawn once for the scene and once,
// turned over, for its reflection in the lake.
void castleBody(Canvas& c)
{
    const std::string ink = "#2a2030";
    // The hill it stands on.
    Path hill;
    hill.move(0, 286).cubic(40, 282, 60, 264, 100, 260).line(210, 260).cubic(245, 264, 262, 282, 300, 284).line(300, 292)
        .line(0, 292).close();
    c.path(hill, fillOnly(c.linearGradient(0, 258, 0, 292, {{0, "#3f5a3a"}, {1, "#1e2e24"}})));
    // Curtain wall.
    std::string wall = c.linearGradient(0, 200, 0, 262, {{0, "#e3c3a4"}, {1, "#a48879"}});
    c.rect(82, 206, 136, 56, 0, filled(wall, ink, 0.9));
    merlons(c, 82, 218, 206, 5, wall, ink);
    Path joints;
    for (double y = 214; y < 262; y += 8)
        joints.move(83, y).line(217, y);
    c.path(joints, Paint{"none", "#8a6f70", 0.6, 0.45, false});
    // Keep and spire behind the gate.
    tower(c, 120, 120, 60, 210, "#8c2a3c", "#ffd23f", true);
    tower(c, 138, 78, 24, 122, "#6e2a52", "#d7263d", false);
    for (double x : {128.0, 164.0})
        litWindow(c, x, 140, 8, 14);
    litWindow(c, 146, 172, 8, 14);
    litWindow(c, 146, 94, 8, 13);
    // Side towers.
    tower(c, 56, 150, 32, 262, "#8c2a3c", "#2b59c3", false);
    tower(c, 212, 150, 32, 262, "#8c2a3c", "#2b59c3", false);
    tower(c, 98, 182, 20, 210, "#6e2a52", "#ffd23f", false);
    tower(c, 182, 182, 20, 210, "#6e2a52", "#ffd23f", false);
    for (double x : {68.0, 224.0}) {
        litWindow(c, x, 170, 8, 14);
        litWindow(c, x, 210, 8, 14);
    }
    litWindow(c, 104, 224, 7, 11);
    litWindow(c, 189, 224, 7, 11);
    // Gate with its portcullis half raised.
    c.path(archWindow(136, 222, 28, 40), filled("#1c1420", ink, 0.9));
    Path grid;
    for (double x = 140; x < 164; x += 5)
        grid.move(x, 226).line(x, 246);
    for (double y = 230; y < 248; y += 5)
        grid.move(137, y).line(163, y);
    c.path(grid, stroked("#6b5a48", 1.0));
    c.path(archWindow(132, 218, 36, 44), stroked("#b89a86", 2.0));
}

void paintCastle(Canvas& c)
{
    std::string sky = c.linearGradient(0, 0, 0, 300, {{0, "#0b1440"}, {0.38, "#2c3a86"}, {0.68, "#b0607a"},
                                                      {0.86, "#f29b62"}, {1, "#ffd27a"}});
    c.rect(0, 0, W, 292, 0, fillOnly(sky));
    Scatter rnd(211);
    for (int i = 0; i < 90; ++i) {
        double x = rnd.range(0, W), y = rnd.range(0, 150);
        c.circle(x, y, rnd.range(0.4, 1.3), Paint{"#fff8e0", "none", 0, rnd.range(0.35, 1.0) * (1 - y / 190)});
    }
    // Evening star and a young moon.
    sparkle(c, 52, 46, 7, "#fffbe8", 0.95);
    Path moon;
    moon.move(240, 30).arc(18, 18, false, false, 240, 66).arc(24, 24, false, true, 240, 30).close();
    c.circle(240, 48, 26, Paint{c.radialGradient(240, 48, 26, {{0, "#fff4c8"}, {1, "#fff4c8"}}), "none", 0, 0.12});
    c.path(moon, fillOnly("#fff1c2"));
    // The low sun behind the hill and its glow.
    c.circle(150, 292, 90, Paint{c.radialGradient(150, 292, 90, {{0, "#fff0b0"}, {0.4, "#ffc070"}, {1, "#ff9060"}}),
                                 "none", 0, 0.55});
    // Long sunset clouds.
    for (int i = 0; i < 7; ++i) {
        double y = 175 + i * 13, x = rnd.range(-30, 220);
        c.ellipse(x + 40, y, rnd.range(35, 70), 3.2, Paint{i % 2 ? "#f7b58a" : "#d98093", "none", 0, 0.7});
    }
    // Far hills.
    Path far;
    far.move(0, 268).quad(50, 240, 95, 262).quad(150, 236, 205, 258).quad(255, 238, 300, 256).line(300, 292).line(0, 292)
        .close();
    c.path(far, fillOnly("#5b4a78"));
    castleBody(c);
    // The lake mirrors it, darker and broken by ripples.
    const std::string lakeClip = c.clipRect(0, 290, W, 82);
    {
        Group clip(c, "", lakeClip);
        c.rect(0, 290, W, 82, 0, fillOnly(c.linearGradient(0, 290, 0, 372, {{0, "#f0a070"}, {0.4, "#7a5a8a"}, {1, "#1d2450"}})));
        {
            Group mirror(c, "translate(0 580) scale(1 -1)");
            castleBody(c);
        }
        c.rect(0, 290, W, 82, 0, Paint{"#1d2450", "none", 0, 0.45});
        Path ripples;
        for (int i = 0; i < 26; ++i) {
            double y = rnd.range(293, 370), x = rnd.range(0, W);
            ripples.move(x, y).line(x + rnd.range(10, 40), y);
        }
        c.path(ripples, Paint{"none", "#ffd9a0", 0.8, 0.55, true});
    }
    // Dark shore with reeds and two trees.
    Path shore;
    shore.move(0, 364).quad(80, 354, 150, 366).quad(220, 376, 300, 360).line(300, 400).line(0, 400).close();
    c.path(shore, fillOnly("#14201a"));
    Path reeds;
    for (int i = 0; i < 40; ++i) {
        double x = rnd.range(0, W), y = rnd.range(368, 396);
        reeds.move(x, y).quad(x + rnd.range(-2, 4), y - 10, x + rnd.range(-4, 6), y - rnd.range(14, 26));
    }
    c.path(reeds, stroked("#0c1410", 1.3));
    for (double side : {0.0, 1.0}) {
        double x = side == 0 ? 18 : 282;
        c.path(Path().move(x, 380).line(x, 318), stroked("#0c1410", 4));
        for (int k = 0; k < 5; ++k)
            c.ellipse(x + (k % 2 ? 9 : -9) * (side == 0 ? 1 : -1), 300 + k * 14 - 40 + 20, 20 - k, 13, fillOnly("#0f1813"));
    }
}

void shieldShape(Canvas& c, double s, const std::string& field, const std::string& charge, int device)
{
    const std::string ink = "#20160f";
    Path shield;
    shield.move(-s, -s * 1.1).line(s, -s * 1.1).line(s, 0).cubic(s, s * 0.8, s * 0.3, s * 1.1, 0, s * 1.35)
        .cubic(-s * 0.3, s * 1.1, -s, s * 0.8, -s, 0).close();
    c.path(shield, filled(field, ink, 0.8));
    switch (device % 4) {
    case 0:
        c.rect(-s * 0.22, -s * 1.1, s * 0.44, s * 2.3, 0, fillOnly(charge));
        c.rect(-s, -s * 0.42, s * 2, s * 0.44, 0, fillOnly(charge));
        break;
    case 1:
        c.path(polygon({{-s, s * 0.3}, {0, -s * 0.7}, {s, s * 0.3}, {s, s * 0.75}, {0, -s * 0.2}, {-s, s * 0.75}}),
               fillOnly(charge));
        break;
    case 2:
        c.path(polygon({{-s, -s * 1.1}, {-s * 0.55, -s * 1.1}, {s, s * 0.45}, {s * 0.7, s * 0.85}}), fillOnly(charge));
        break;
    default:
        c.circle(0, -s * 0.1, s * 0.5, fillOnly(charge));
        break;
    }
    c.path(shield, stroked(ink, 0.8));
}

// The hall seen from high up: the round table in perspective, the king on his
// throne at the far side with knights either side of him facing us, and the
// knights on the near side seen from behind, their shields hung on their chairs.
// Figures are drawn large, as the picture is small and shown stretched.
const std::string hallInk = "#20160f";

void face(Canvas& c, double r, bool bearded, const std::string& beard)
{
    c.circle(0, 0, r, filled("#f0c9a4", hallInk, 1));
    for (double s : {-1.0, 1.0})
        c.circle(s * r * 0.38, -r * 0.1, r * 0.13, fillOnly(hallInk));
    if (bearded) {
        c.path(Path().move(-r * 0.85, r * 0.1).cubic(-r * 0.8, r * 1.3, r * 0.8, r * 1.3, r * 0.85, r * 0.1)
                   .cubic(r * 0.4, r * 0.5, -r * 0.4, r * 0.5, -r * 0.85, r * 0.1).close(),
               filled(beard, hallInk, 0.9));
    } else {
        c.path(Path().move(-r * 0.3, r * 0.45).quad(0, r * 0.6, r * 0.3, r * 0.45), stroked("#8e2a20", 1.2));
    }
}

// A knight across the table, facing us: chair, shoulders in his surcoat, an open
// helmet with a crest. The origin is where he meets the table's edge.
void knightFacing(Canvas& c, double k, const std::string& surcoat, const std::string& crest, const std::string& charge)
{
    Group g(c, scale(k));
    c.rect(-16, -66, 32, 60, 6, filled("#6b4325", hallInk, 1.2));
    c.rect(-11, -61, 22, 50, 4, fillOnly("#8c5a32"));
    // Mail sleeves reaching to the table.
    for (double s : {-1.0, 1.0})
        limb(c, {{s * 15, -24}, {s * 19, -10}, {s * 14, 2}}, 7, "#9aa3ad", hallInk, 1);
    Path body;
    body.move(-18, 4).line(-17, -22).cubic(-16, -31, 16, -31, 17, -22).line(18, 4).close();
    c.path(body, filled(surcoat, hallInk, 1.2));
    c.rect(-3, -24, 6, 26, 0, fillOnly(charge));
    c.rect(-12, -16, 24, 6, 0, fillOnly(charge));
    c.path(body, stroked(hallInk, 1.2));
    Group head(c, translate(0, -38));
    face(c, 9, false, "");
    // Steel cap with a nasal and a crest running back over it.
    c.path(Path().move(-10, -1).cubic(-10, -14, 10, -14, 10, -1).close(),
           filled(c.radialGradient(-3, -8, 12, {{0, "#ffffff"}, {0.45, "#c4ccd6"}, {1, "#5f6a78"}}), hallInk, 1));
    c.rect(-1.2, -2, 2.4, 6, 0.8, filled("#aab3bd", hallInk, 0.7));
    c.path(Path().move(0, -11).cubic(3, -18, 10, -17, 13, -10), stroked(hallInk, 5.4));
    c.path(Path().move(0, -11).cubic(3, -18, 10, -17, 13, -10), stroked(crest, 3.8));
}

// The king on his throne, crowned and bearded, in red under an ermine collar.
void kingFacing(Canvas& c, double k)
{
    Group g(c, scale(k));
    c.path(Path().move(-24, -4).line(-24, -70).cubic(-24, -92, 24, -92, 24, -70).line(24, -4).close(),
           filled("#7a1f1f", hallInk, 1.4));
    c.path(Path().move(-18, -8).line(-18, -68).cubic(-18, -84, 18, -84, 18, -68).line(18, -8).close(),
           fillOnly("#a4302a"));
    for (double s : {-1.0, 1.0})
        c.circle(s * 24, -72, 4, filled("#e8b830", hallInk, 1));
    c.circle(0, -88, 4.4, filled("#e8b830", hallInk, 1));
    for (double s : {-1.0, 1.0})
        limb(c, {{s * 17, -26}, {s * 21, -10}, {s * 15, 2}}, 8, "#6a1b4d", hallInk, 1);
    Path robe;
    robe.move(-21, 4).line(-20, -24).cubic(-18, -34, 18, -34, 20, -24).line(21, 4).close();
    c.path(robe, filled("#b0202a", hallInk, 1.2));
    c.path(Path().move(-18, -28).cubic(-6, -18, 6, -18, 18, -28).cubic(10, -36, -10, -36, -18, -28).close(),
           filled("#fbf8ef", hallInk, 1));
    for (double x : {-9.0, 0.0, 9.0})
        c.path(Path().move(x, -29).line(x, -26), stroked(hallInk, 1.2));
    Group head(c, translate(0, -44));
    face(c, 11, true, "#f2efe6");
    Path crown;
    crown.move(-11, -6).line(-12, -19).line(-6, -12).line(0, -22).line(6, -12).line(12, -19).line(11, -6).close();
    c.path(crown, filled("#f2c230", hallInk, 1.1));
    for (double x : {-12.0, 0.0, 12.0})
        c.circle(x, x == 0 ? -22 : -19, 2, filled("#f2c230", hallInk, 0.8));
    c.circle(0, -10, 1.8, fillOnly("#c41e2a"));
}

// A knight on the near side, seen from behind: helmet and shoulders above the
// chair's back, his shield hung on it.
void knightFromBehind(Canvas& c, double k, const std::string& surcoat, const std::string& field,
                      const std::string& charge, int device)
{
    Group g(c, scale(k));
    c.ellipse(0, -40, 21, 10, filled(surcoat, hallInk, 1.2));
    c.circle(0, -50, 10, filled(c.radialGradient(-3, -55, 13, {{0, "#ffffff"}, {0.45, "#c4ccd6"}, {1, "#5f6a78"}}),
                                hallInk, 1.1));
    c.path(Path().move(0, -60).line(0, -40), stroked(hallInk, 1));
    c.rect(-15, -42, 30, 44, 5, filled("#6b4325", hallInk, 1.2));
    Group sh(c, translate(0, -22));
    shieldShape(c, 10, field, charge, device);
}

void paintRoundTable(Canvas& c)
{
    // Flagstones, the hall's floor.
    c.rect(0, 0, W, H, 0, fillOnly("#5e4c3c"));
    Scatter rnd(212);
    Path joints;
    for (int row = 0; row < 14; ++row) {
        double y = row * 30;
        joints.move(0, y).line(W, y);
        double off = row % 2 ? 0 : 22;
        for (double x = off; x < W; x += 44)
            joints.move(x, y).line(x, y + 30);
    }
    for (int i = 0; i < 40; ++i)
        c.rect(std::floor(rnd.range(0, 7)) * 44 + (i % 2) * 22, std::floor(rnd.range(0, 14)) * 30, 44, 30, 0,
               Paint{i % 3 ? "#6e5a47" : "#4f4034", "none", 0, 0.6});
    c.path(joints, stroked("#2e241c", 1.6));
    // A tapestry on the far wall, behind the king.
    c.rect(0, 0, W, 64, 0, fillOnly("#3a2c22"));
    c.rect(70, 0, 160, 58, 0, filled("#7a1f28", hallInk, 1.2));
    for (int i = 0; i < 9; ++i)
        c.path(polygon({{72 + i * 17.6, 58}, {80.8 + i * 17.6, 66}, {89.6 + i * 17.6, 58}}), filled("#e0b040", hallInk, 0.8));

    const double cx = 150, cy = 238, rx = 118, ry = 74;
    auto seat = [&](double degrees, double out) {
        double a = degrees * pi / 180;
        return Pt{cx + (rx + out) * std::cos(a), cy + (ry + out * 0.62) * std::sin(a)};
    };
    // The far side: the king in the middle, two knights either side, facing us.
    const std::string surcoats[] = {"#2b59c3", "#2e8b57", "#e0b030", "#7b2d8b", "#d2691e", "#1c7c8c", "#b82b2b", "#c0c0c0"};
    const std::string crests[] = {"#ffffff", "#e0b030", "#b82b2b", "#ffffff", "#2b59c3", "#e0b030", "#ffffff", "#b82b2b"};
    const double far[] = {205, 237, 303, 335};
    for (int i = 0; i < 4; ++i) {
        Pt at = seat(far[i], -14);
        Group g(c, translate(at.x, at.y));
        knightFacing(c, 0.95, surcoats[i], crests[i], i % 2 ? "#ffffff" : "#f2c230");
    }
    {
        Pt at = seat(270, -16);
        Group g(c, translate(at.x, at.y));
        kingFacing(c, 1.1);
    }
    // The table: its apron, a green and white border and a wooden top with the rose.
    c.ellipse(cx, cy + 12, rx, ry, filled("#3a2212", hallInk, 1.4));
    c.rect(cx - rx, cy, 2 * rx, 12, 0, fillOnly("#3a2212"));
    c.ellipse(cx, cy, rx, ry, filled("#2f6b3a", hallInk, 1.4));
    for (int i = 0; i < 16; ++i) {
        double a0 = 2 * pi * (i + 0.25) / 16, a1 = 2 * pi * (i + 0.75) / 16;
        c.path(Path().move(cx + rx * std::cos(a0), cy + ry * std::sin(a0))
                   .arc(rx, ry, false, true, cx + rx * std::cos(a1), cy + ry * std::sin(a1))
                   .line(cx + (rx - 14) * std::cos(a1), cy + (ry - 9) * std::sin(a1))
                   .arc(rx - 14, ry - 9, false, false, cx + (rx - 14) * std::cos(a0), cy + (ry - 9) * std::sin(a0))
                   .close(),
               fillOnly("#efe6c8"));
    }
    c.ellipse(cx, cy, rx - 14, ry - 9, filled(c.radialGradient(cx - 20, cy - 20, 120, {{0, "#b07a44"}, {1, "#6e4322"}}),
                                                hallInk, 1));
    {
        Group rose(c, translate(cx, cy) + " " + scale(1, ry / rx));
        c.circle(0, 0, 24, filled("#1f4d28", hallInk, 1));
        for (int ring = 0; ring < 2; ++ring) {
            double pr = ring == 0 ? 21 : 13;
            for (int i = 0; i < 5; ++i) {
                double a = 2 * pi * i / 5 - pi / 2 + ring * pi / 5;
                c.circle(pr * 0.55 * std::cos(a), pr * 0.55 * std::sin(a), pr * 0.5,
                         filled(ring == 0 ? "#c41e2a" : "#ffffff", hallInk, 0.8));
            }
        }
        c.circle(0, 0, 4.5, filled("#f2c230", hallInk, 0.8));
    }
    // Hands on the table's edge, a goblet before each place, the king's sword.
    const double places[] = {205, 237, 270, 303, 335};
    for (double deg : places) {
        Pt at = seat(deg, -20);
        for (double s : {-1.0, 1.0})
            c.circle(at.x + s * 14, at.y + 4, 3.4, filled(deg == 270 ? "#f0c9a4" : "#8a939c", hallInk, 0.9));
        if (deg != 270) {
            Pt g = seat(deg, -36);
            c.path(Path().move(g.x - 4, g.y - 6).line(g.x + 4, g.y - 6).line(g.x + 1.5, g.y + 1).line(g.x + 1, g.y + 5)
                       .line(g.x + 3.5, g.y + 6.5).line(g.x - 3.5, g.y + 6.5).line(g.x - 1, g.y + 5).line(g.x - 1.5, g.y + 1)
                       .close(),
                   filled("#e8b830", hallInk, 0.9));
        }
    }
    {
        Pt at = seat(270, -34);
        c.path(Path().move(at.x - 34, at.y + 4).line(at.x + 22, at.y + 4), stroked(hallInk, 5));
        c.path(Path().move(at.x - 34, at.y + 4).line(at.x + 22, at.y + 4), stroked("#cfd8e2", 3.4));
        c.path(Path().move(at.x + 22, at.y - 4).line(at.x + 22, at.y + 12), stroked(hallInk, 4.4));
        c.path(Path().move(at.x + 22, at.y - 4).line(at.x + 22, at.y + 12), stroked("#b8862a", 3));
        c.path(Path().move(at.x + 22, at.y + 4).line(at.x + 32, at.y + 4), stroked("#6a1b1b", 3.4));
        c.circle(at.x + 34, at.y + 4, 2.8, filled("#e8b830", hallInk, 0.8));
    }
    // Candles on the table.
    for (double deg : {150.0, 30.0}) {
        Pt at{cx + 60 * std::cos(deg * pi / 180), cy + 38 * std::sin(deg * pi / 180) - 18};
        c.circle(at.x, at.y - 12, 16, Paint{"#ffe9a0", "none", 0, 0.25});
        c.rect(at.x - 3, at.y - 10, 6, 14, 1, filled("#f8f0dc", hallInk, 0.9));
        c.path(Path().move(at.x, at.y - 18).quad(at.x + 3.5, at.y - 13, at.x, at.y - 10).quad(at.x - 3.5, at.y - 13, at.x, at.y - 18).close(),
               filled("#ffb020", "#c05010", 0.6));
    }
    // The near side: knights seen from behind, shields on their chairs.
    const double nearSide[] = {150, 112, 68, 30};
    const std::string fields[] = {"#b82b2b", "#2b59c3", "#2e8b57", "#e0b030"};
    const std::string charges[] = {"#ffffff", "#e0b030", "#ffffff", "#b82b2b"};
    for (int i = 0; i < 4; ++i) {
        Pt at = seat(nearSide[i], 34);
        Group g(c, translate(at.x, at.y));
        knightFromBehind(c, 1.2, surcoats[4 + i], fields[i], charges[i], i);
    }
    // The corners fall into shadow.
    Path vignette;
    vignette.move(0, 0).line(W, 0).line(W, H).line(0, H).close();
    vignette.move(150, 200 - 205).arc(175, 205, false, false, 150, 200 + 205).arc(175, 205, false, false, 150, 200 - 205).close();
    c.path(vignette, Paint{"#000000", "none", 0, 0.3});
}

void paintCrown(Canvas& c)
{
    c.rect(0, 0, W, H, 0, fillOnly(c.radialGradient(150, 170, 260, {{0, "#7a2050"}, {0.5, "#3c0c30"}, {1, "#12041a"}})));
    glory(c, {150, 170}, 330, 36, "#ffd86b", "#ff9ac0", 0.08);
    c.circle(150, 170, 110, Paint{c.radialGradient(150, 170, 110, {{0, "#ffe9a0"}, {1, "#3c0c30"}}), "none", 0, 0.45});
    // Marble pedestal draped in blue.
    c.path(Path().move(60, 300).line(240, 300).line(260, 400).line(40, 400).close(),
           fillOnly(c.linearGradient(40, 0, 260, 0, {{0, "#cfc6c0"}, {0.45, "#f4efe8"}, {1, "#8e8078"}})));
    Path cloth;
    cloth.move(48, 292).line(252, 292).line(262, 340).quad(240, 352, 222, 338).quad(200, 356, 178, 340)
        .quad(150, 358, 122, 340).quad(100, 356, 78, 338).quad(60, 352, 38, 340).close();
    c.path(cloth, filled(c.linearGradient(0, 292, 0, 356, {{0, "#2a56b8"}, {1, "#13306e"}}), "#0a1838", 1));
    Path fringe;
    for (double x = 42; x < 260; x += 4)
        fringe.move(x, 342 + 6 * std::sin(x / 12)).line(x, 348 + 6 * std::sin(x / 12));
    c.path(fringe, stroked("#e8b830", 1.2));
    // Velvet cushion with gold piping and tassels.
    Path cushion;
    cushion.move(52, 270).cubic(60, 250, 110, 246, 150, 246).cubic(190, 246, 240, 250, 248, 270)
        .cubic(252, 286, 240, 300, 150, 302).cubic(60, 300, 48, 286, 52, 270).close();
    c.path(cushion, filled(c.radialGradient(140, 262, 110, {{0, "#e0343c"}, {0.7, "#9c1020"}, {1, "#5a0812"}}), "#300008", 1.2));
    c.path(cushion, stroked("#e8b830", 1.4));
    // Quilted: gold buttons pull the velvet into folds, light catches the near edge.
    for (int i = 0; i < 5; ++i) {
        const double x = 82 + i * 34, y = 268 + (i % 2 ? 6 : 0);
        for (double d : {-1.0, 1.0})
            c.path(Path().move(x, y).quad(x + d * 10, y - 4, x + d * 17, y + (i % 2 ? -6 : 6)), stroked("#5a0812", 1.1));
        c.circle(x, y, 2.6, filled("#f2c94a", "#7a5210", 0.7));
    }
    c.path(Path().move(70, 292).cubic(110, 300, 190, 300, 230, 292), stroked("#ff8a80", 1.6));
    c.path(Path().move(62, 258).cubic(90, 250, 120, 249, 150, 249), Paint{"none", "#ffd0c0", 1.4, 0.6});
    for (double side : {-1.0, 1.0}) {
        Pt corner{150 + side * 98, 274};
        c.path(Path().move(corner.x, corner.y).quad(corner.x + side * 6, corner.y + 10, corner.x + side * 4, corner.y + 20),
               stroked("#c9951f", 1.6));
        Path tassel;
        tassel.move(corner.x + side * 4 - 3, corner.y + 20).line(corner.x + side * 4 + 3, corner.y + 20)
            .line(corner.x + side * 4 + 6, corner.y + 38).line(corner.x + side * 4 - 6, corner.y + 38).close();
        c.path(tassel, filled("#e8b830", "#7a5210", 0.8));
        c.circle(corner.x + side * 4, corner.y + 19, 3.5, filled("#f2c94a", "#7a5210", 0.8));
    }
    // The crown: purple cap, gold band and arches, jewels, ermine, orb and cross.
    const std::string gold = c.linearGradient(80, 0, 220, 0, {{0, "#8a5a10"}, {0.3, "#ffe27a"}, {0.5, "#f2b52a"},
                                                               {0.75, "#ffe9a0"}, {1, "#7a4a08"}});
    const std::string ink = "#3a2204";
    Path cap;
    cap.move(92, 214).cubic(92, 130, 208, 130, 208, 214).close();
    c.path(cap, filled(c.radialGradient(130, 160, 90, {{0, "#b04ab0"}, {1, "#4a104a"}}), ink, 1));
    // Arches over the cap.
    for (double side : {-1.0, 1.0}) {
        Path arch;
        arch.move(150 + side * 58, 212).cubic(150 + side * 60, 150, 150 + side * 20, 128, 150, 128);
        c.path(arch, stroked(ink, 9));
        c.path(arch, stroked(gold, 7));
        for (int i = 1; i < 6; ++i) {
            double t = i / 6.0;
            Pt a{150 + side * 58, 212}, b{150 + side * 60, 150}, d{150 + side * 20, 128}, e{150, 128};
            Pt p = lerp(lerp(lerp(a, b, t), lerp(b, d, t), t), lerp(lerp(b, d, t), lerp(d, e, t), t), t);
            c.circle(p.x, p.y, 2.2, filled("#fffbe8", ink, 0.5));
        }
    }
    Path mid;
    mid.move(150, 212).line(150, 128);
    c.path(mid, stroked(ink, 9));
    c.path(mid, stroked(gold, 7));
    // Orb and cross.
    c.circle(150, 116, 12, filled(gold, ink, 1));
    c.path(Path().move(138, 116).line(162, 116).move(150, 104).line(150, 128), stroked(ink, 1));
    c.rect(146.5, 80, 7, 26, 1, filled(gold, ink, 1));
    c.rect(139, 87, 22, 7, 1, filled(gold, ink, 1));
    c.circle(150, 90.5, 3, filled("#d11a2a", ink, 0.6));
    // Fleurs and points standing on the band.
    for (int i = 0; i < 5; ++i) {
        double x = 94 + i * 28;
        Path fleur;
        fleur.move(x - 9, 214).cubic(x - 12, 200, x - 5, 196, x - 3, 200).cubic(x - 6, 190, x, 180, x, 176)
            .cubic(x, 180, x + 6, 190, x + 3, 200).cubic(x + 5, 196, x + 12, 200, x + 9, 214).close();
        c.path(fleur, filled(gold, ink, 1));
        c.circle(x, 200, 2.6, filled(i % 2 ? "#1f4fd0" : "#d11a2a", ink, 0.5));
    }
    // The band with its stones.
    Path band;
    band.move(86, 210).quad(150, 220, 214, 210).line(216, 244).quad(150, 256, 84, 244).close();
    c.path(band, filled(gold, ink, 1.2));
    const std::string stones[] = {"#1f4fd0", "#d11a2a", "#1c9a4a", "#d11a2a", "#1f4fd0"};
    for (int i = 0; i < 5; ++i) {
        double x = 100 + i * 25;
        double y = 230 + 5 * std::sin((x - 86) / 128 * pi) * 0.8;
        if (i % 2 == 0)
            c.ellipse(x, y, 6, 8, filled(stones[i], ink, 0.8));
        else
            c.path(polygon({{x, y - 8}, {x + 6, y}, {x, y + 8}, {x - 6, y}}), filled(stones[i], ink, 0.8));
        c.ellipse(x - 1.8, y - 3, 1.6, 2.2, Paint{"#ffffff", "none", 0, 0.8});
        c.circle(x + 12.5, y + 1, 2, filled("#fffbe8", ink, 0.5));
    }
    // Ermine rim at the foot of the crown.
    Path ermine;
    ermine.move(82, 242).quad(150, 256, 218, 242).line(220, 256).quad(150, 272, 80, 256).close();
    c.path(ermine, filled("#fbfaf4", "#6a6a6a", 1));
    for (int i = 0; i < 9; ++i) {
        double x = 90 + i * 15;
        double y = 255 + 5 * std::sin((x - 80) / 140 * pi);
        c.path(polygon({{x, y - 4}, {x + 1.6, y + 2}, {x - 1.6, y + 2}}), fillOnly("#111111"));
    }
    // Glints.
    for (Pt s : {Pt{122, 142}, Pt{196, 176}, Pt{150, 104}, Pt{92, 226}, Pt{212, 236}})
        sparkle(c, s.x, s.y, 9, "#ffffff", 0.9);
    Scatter rnd(213);
    for (int i = 0; i < 30; ++i)
        sparkle(c, rnd.range(10, 290), rnd.range(10, 160), rnd.range(2, 4.5), "#ffe9c0", rnd.range(0.3, 0.8));
}

void paintSwordInStone(Canvas& c)
{
    // A clearing in an old wood, sunlight falling through the leaves.
    c.rect(0, 0, W, H, 0, fillOnly(c.linearGradient(0, 0, 0, 260, {{0, "#f6f1c4"}, {0.5, "#a8c98a"}, {1, "#3f6b3a"}})));
    Scatter rnd(214);
    // Far trees, misty.
    for (int i = 0; i < 14; ++i) {
        double x = rnd.range(0, W);
        c.rect(x, 90, rnd.range(5, 9), 170, 0, Paint{"#4f6f4a", "none", 0, 0.45});
    }
    // Canopy.
    for (int i = 0; i < 26; ++i) {
        double x = rnd.range(-20, 320), y = rnd.range(-20, 70);
        if (x > 110 && x < 190 && y > 30)
            continue;
        c.ellipse(x, y, rnd.range(28, 55), rnd.range(20, 34), fillOnly(i % 3 == 0 ? "#1f4a26" : i % 3 == 1 ? "#2f6332" : "#184020"));
    }
    // Shafts of light.
    for (int i = 0; i < 5; ++i) {
        double x = 110 + i * 18;
        c.path(polygon({{x, 0}, {x + 10, 0}, {x + 60 - i * 18 + 20, 330}, {x + 20 - i * 18 - 10, 330}}),
               Paint{"#fffbd0", "none", 0, 0.16});
    }
    // Near trunks framing the scene.
    for (double side : {-1.0, 1.0}) {
        double x = side < 0 ? 0 : W;
        Path trunk;
        trunk.move(x, 0).line(x - side * 34, 0).cubic(x - side * 26, 120, x - side * 30, 260, x - side * 48, 340)
            .line(x, 360).close();
        c.path(trunk, filled(c.linearGradient(x, 0, x - side * 48, 0, {{0, "#1c130c"}, {0.7, "#4a3322"}, {1, "#6b4a30"}}),
                             "#140d08", 1));
        Path bark;
        for (int k = 0; k < 7; ++k) {
            double y = 30 + k * 42;
            bark.move(x - side * 8, y).quad(x - side * 16, y + 20, x - side * 10, y + 36);
        }
        c.path(bark, stroked("#140d08", 1.2));
        c.ellipse(x - side * 20, 20, 60, 30, fillOnly("#163a1e"));
    }
    // Meadow with flowers.
    Path meadow;
    meadow.move(0, 262).quad(150, 240, 300, 262).line(300, 400).line(0, 400).close();
    c.path(meadow, fillOnly(c.linearGradient(0, 250, 0, 400, {{0, "#7fb35a"}, {1, "#2e5a26"}})));
    Path grass;
    for (int i = 0; i < 120; ++i) {
        double x = rnd.range(0, W), y = rnd.range(270, 400);
        grass.move(x, y).line(x + rnd.range(-2, 2), y - rnd.range(4, 9));
    }
    c.path(grass, stroked("#2a4f22", 0.9));
    const std::string flowers[] = {"#ffffff", "#ffd23f", "#e04a6a", "#8a6ad8"};
    for (int i = 0; i < 60; ++i) {
        double x = rnd.range(0, W), y = rnd.range(272, 398);
        if (x > 70 && x < 230 && y < 350)
            continue;
        c.circle(x, y, rnd.range(1.2, 2.4), fillOnly(flowers[i % 4]));
    }
    // The stone.
    Path rock;
    rock.move(62, 352).cubic(56, 318, 74, 286, 104, 272).cubic(128, 260, 176, 258, 200, 270)
        .cubic(228, 284, 246, 318, 240, 352).quad(150, 366, 62, 352).close();
    c.ellipse(152, 354, 100, 12, Paint{"#1a2a14", "none", 0, 0.5});
    c.path(rock, filled(c.radialGradient(128, 280, 140, {{0, "#d8d6cc"}, {0.5, "#9a978c"}, {1, "#4e4c46"}}), "#2a2824", 1.4));
    c.path(Path().move(104, 300).quad(118, 316, 110, 340).move(196, 296).quad(186, 318, 202, 342).move(150, 318)
               .line(144, 346),
           stroked("#4a4842", 1.2));
    for (int i = 0; i < 14; ++i) {
        double x = rnd.range(72, 232), y = rnd.range(318, 352);
        c.ellipse(x, y, rnd.range(5, 12), rnd.range(2, 4), Paint{"#4f7a34", "none", 0, 0.8});
    }
    // The sword, hilt up, blade sunk in the rock, and the light about it.
    c.circle(150, 205, 62, Paint{"#fff8d0", "none", 0, 0.25});
    c.circle(150, 205, 36, Paint{"#ffffff", "none", 0, 0.3});
    const std::string ink = "#1e1a14";
    c.path(polygon({{143, 218}, {157, 218}, {156, 276}, {144, 276}}),
           filled(c.linearGradient(143, 0, 157, 0, {{0, "#8c98a6"}, {0.45, "#ffffff"}, {1, "#6a7686"}}), ink, 1));
    c.path(Path().move(150, 220).line(150, 274), stroked("#9aa6b4", 1.4));
    c.ellipse(150, 275, 12, 3.2, fillOnly("#3a3830"));
    const std::string gold = c.linearGradient(118, 0, 182, 0, {{0, "#8a5a10"}, {0.4, "#ffe27a"}, {1, "#8a5a10"}});
    Path guard;
    guard.move(116, 206).quad(132, 218, 150, 214).quad(168, 218, 184, 206).line(186, 212).quad(168, 226, 150, 222)
        .quad(132, 226, 114, 212).close();
    c.path(guard, filled(gold, ink, 1));
    c.circle(150, 216, 4, filled("#d11a2a", ink, 0.8));
    c.rect(145, 170, 10, 42, 2, filled(c.linearGradient(145, 0, 155, 0, {{0, "#4a1a10"}, {0.5, "#8a3a22"}, {1, "#3a140c"}}), ink, 1));
    Path wrap;
    for (double y = 174; y < 210; y += 5)
        wrap.move(145, y).line(155, y + 3);
    c.path(wrap, stroked("#c98a3c", 1));
    c.circle(150, 164, 8, filled(gold, ink, 1));
    c.circle(150, 164, 3.6, filled("#1f4fd0", ink, 0.6));
    sparkle(c, 158, 160, 12, "#ffffff", 0.95);
    sparkle(c, 140, 236, 8, "#ffffff", 0.8);
    for (int i = 0; i < 16; ++i)
        sparkle(c, rnd.range(90, 210), rnd.range(130, 280), rnd.range(1.5, 3.5), "#fff6c0", 0.8);
    // Butterflies over the meadow.
    for (Pt b : {Pt{78, 236}, Pt{232, 250}}) {
        c.ellipse(b.x - 3, b.y, 3.4, 2.4, fillOnly("#ffd23f"));
        c.ellipse(b.x + 3, b.y, 3.4, 2.4, fillOnly("#ffd23f"));
        c.path(Path().move(b.x, b.y - 2).line(b.x, b.y + 2), stroked("#1e1a14", 0.8));
    }
}

void paintGrail(Canvas& c)
{
    c.rect(0, 0, W, H, 0, fillOnly(c.radialGradient(150, 170, 280, {{0, "#3a4aa0"}, {0.6, "#1a2060"}, {1, "#080a24"}})));
    glory(c, {150, 170}, 340, 48, "#fff4b0", "#ffd070", 0.12);
    c.circle(150, 170, 120, Paint{c.radialGradient(150, 170, 120, {{0, "#fff8d8"}, {0.4, "#ffe9a0"}, {1, "#1a2060"}}), "none", 0, 0.6});
    Scatter rnd(215);
    for (int i = 0; i < 60; ++i)
        c.circle(rnd.range(0, W), rnd.range(0, 260), rnd.range(0.5, 1.4), Paint{"#ffffff", "none", 0, rnd.range(0.3, 0.9)});
    // A gothic arch of stone frames the vision.
    Path frame;
    frame.move(0, 0).line(W, 0).line(W, H).line(0, H).close();
    frame.move(34, 400).line(34, 150).cubic(34, 80, 100, 30, 150, 18).cubic(200, 30, 266, 80, 266, 150).line(266, 400).close();
    c.path(frame, fillOnly(c.linearGradient(0, 0, W, 0, {{0, "#3a3442"}, {0.5, "#6a6272"}, {1, "#2a2432"}})));
    Path inner;
    inner.move(34, 400).line(34, 150).cubic(34, 80, 100, 30, 150, 18).cubic(200, 30, 266, 80, 266, 150).line(266, 400);
    c.path(inner, stroked("#a89cb4", 3));
    Path blocks;
    for (double y = 40; y < 400; y += 26)
        blocks.move(0, y).line(32, y).move(268, y).line(300, y);
    c.path(blocks, stroked("#241e2c", 1.2));
    // Clouds on which it floats.
    for (int i = 0; i < 9; ++i) {
        double x = 60 + i * 23, y = 296 + (i % 3) * 6;
        c.circle(x, y, 20 + (i % 2) * 5, Paint{i % 2 ? "#e8e4f4" : "#c8c4e0", "none", 0, 0.92});
    }
    // A stone altar under the clouds: a slab, a carved front with a cross, a step.
    const std::string stone = c.linearGradient(34, 0, 266, 0, {{0, "#6e6680"}, {0.45, "#b8b0c8"}, {1, "#4e4660"}});
    c.rect(44, 376, 212, 24, 0, filled(stone, "#241e2c", 1.4));
    c.rect(68, 318, 164, 60, 0, filled(stone, "#241e2c", 1.4));
    c.rect(84, 328, 132, 42, 3, filled("none", "#3a3442", 1.4));
    c.rect(145, 333, 10, 32, 0, filled("#e8b830", "#7a5210", 1));
    c.rect(133, 342, 34, 9, 0, filled("#e8b830", "#7a5210", 1));
    c.rect(56, 306, 188, 14, 2, filled(stone, "#241e2c", 1.4));
    c.path(Path().move(58, 308).line(242, 308), stroked("#dcd4ea", 1.2));
    for (int i = 0; i < 9; ++i) {
        double x = 60 + i * 23, y = 300 + (i % 3) * 5;
        c.circle(x, y, 14 + (i % 2) * 4, Paint{i % 2 ? "#e8e4f4" : "#d6d2ea", "none", 0, 0.9});
    }
    // The chalice.
    const std::string gold = c.linearGradient(100, 0, 200, 0, {{0, "#7a4a08"}, {0.3, "#ffe27a"}, {0.55, "#e8a820"},
                                                                {0.8, "#fff0b0"}, {1, "#7a4a08"}});
    const std::string ink = "#3a2204";
    Path foot;
    foot.move(150, 250).cubic(140, 262, 110, 270, 104, 286).line(196, 286).cubic(190, 270, 160, 262, 150, 250).close();
    c.path(foot, filled(gold, ink, 1.2));
    c.ellipse(150, 286, 46, 8, filled(gold, ink, 1.2));
    c.rect(143, 196, 14, 58, 2, filled(gold, ink, 1.2));
    c.ellipse(150, 222, 16, 9, filled(gold, ink, 1.2));
    for (int i = -1; i <= 1; ++i)
        c.circle(150 + i * 9, 222, 2.8, filled(i == 0 ? "#d11a2a" : "#1f4fd0", ink, 0.6));
    Path bowl;
    bowl.move(100, 130).cubic(100, 176, 126, 196, 150, 198).cubic(174, 196, 200, 176, 200, 130).close();
    c.path(bowl, filled(gold, ink, 1.4));
    Path bowlBand;
    bowlBand.move(102, 150).quad(150, 164, 198, 150);
    c.path(bowlBand, stroked(ink, 9));
    c.path(bowlBand, stroked("#b8861a", 7));
    for (int i = 0; i < 5; ++i) {
        double x = 114 + i * 18;
        double y = 150 + 14 * std::sin((x - 102) / 96 * pi) * 0.5 + 0.5;
        c.ellipse(x, y, 3.6, 4.4, filled(i % 2 ? "#1c9a4a" : "#d11a2a", ink, 0.6));
    }
    c.ellipse(150, 130, 50, 10, filled(gold, ink, 1.4));
    c.ellipse(150, 130, 44, 7, fillOnly("#6a0a14"));
    // Light welling from within.
    c.ellipse(150, 126, 40, 6, Paint{"#fff8d0", "none", 0, 0.7});
    c.path(polygon({{112, 128}, {188, 128}, {230, 0}, {70, 0}}), Paint{"#fff8d8", "none", 0, 0.18});
    sparkle(c, 124, 170, 10, "#ffffff", 0.9);
    sparkle(c, 178, 138, 8, "#ffffff", 0.9);
    for (int i = 0; i < 22; ++i)
        sparkle(c, rnd.range(70, 230), rnd.range(40, 120), rnd.range(1.5, 4), "#fffbe0", 0.9);
    // A dove descends above it.
    Group dove(c, translate(150, 70));
    Path body;
    body.move(0, -10).cubic(5, -8, 5, 6, 0, 12).cubic(-5, 6, -5, -8, 0, -10).close();
    Path wings;
    wings.move(-2, -2).cubic(-14, -10, -26, -6, -34, -16).cubic(-30, -2, -18, 6, -3, 4).close();
    wings.move(2, -2).cubic(14, -10, 26, -6, 34, -16).cubic(30, -2, 18, 6, 3, 4).close();
    c.path(wings, filled("#ffffff", "#8a8aa8", 0.8));
    c.path(body, filled("#ffffff", "#8a8aa8", 0.8));
    c.path(polygon({{-4, 12}, {0, 20}, {4, 12}}), filled("#ffffff", "#8a8aa8", 0.8));
}

} // namespace

void paintRoundTablePicture(Canvas& canvas, int index)
{
    switch (index) {
    case 0:
        paintCastle(canvas);
        break;
    case 1:
        paintRoundTable(canvas);
        break;
    case 2:
        paintCrown(canvas);
        break;
    case 3:
        paintSwordInStone(canvas);
        break;
    default:
        paintGrail(canvas);
        break;
    }
}

} // namespace italian_deck
