// Faces and backs of the Neapolitan and Piacentine cards, drawn in card pixels.
#include "card_faces.h"

#include "card_parts.h"
#include "figures.h"
#include "ornaments.h"

namespace italian_deck {

namespace {

void paintPaper(Canvas& canvas, const Palette& p)
{
    CardSize s = cardSize(p.deck);
    canvas.rect(0, 0, s.width, s.height, 0, fillOnly(p.paper));
    if (p.deck == Deck::Piacentine) {
        // A black rule inside the edge, broken at the numeral corners.
        canvas.rect(2.2, 2.2, s.width - 4.4, s.height - 4.4, 1.5, stroked(p.ink, 0.45));
    }
    canvas.rect(0.4, 0.4, s.width - 0.8, s.height - 0.8, 0, stroked(p.ink, 0.8));
}

void paintIndices(Canvas& canvas, const Palette& p, int rank)
{
    if (p.deck == Deck::Napoletane) {
        // A red number in the top corner only, the figures standing one way up;
        // drawn on a patch of paper so a figure's sign never runs through it.
        const double h = 8.0;
        canvas.rect(1.0, 1.0, numeralWidth(rank, h) + 3.0, h + 2.6, 1.2, fillOnly(p.paper));
        drawNumeral(canvas, rank, 2.3, 2.1, h, p.darkRed, 1.05);
        return;
    }
    CardSize s = cardSize(p.deck);
    const double h = 6.4;
    const double w = numeralWidth(rank, h);
    // Paper behind the numeral cuts the inner rule, as on the printed cards.
    canvas.rect(1.2, 1.2, w + 3.6, h + 3.2, 0, fillOnly(p.paper));
    drawNumeral(canvas, rank, 3.0, 2.8, h, p.ink, 0.95);
    Group turned(canvas, translate(s.width, s.height) + " " + rotate(180));
    canvas.rect(1.2, 1.2, w + 3.6, h + 3.2, 0, fillOnly(p.paper));
    drawNumeral(canvas, rank, 3.0, 2.8, h, p.ink, 0.95);
}

} // namespace

Box pipBox(Deck deck)
{
    CardSize s = cardSize(deck);
    return deck == Deck::Napoletane ? Box{4, 9, s.width - 4, s.height - 4} : Box{5, 10, s.width - 5, s.height - 10};
}

CardSize cardSize(Deck deck) { return deck == Deck::Napoletane ? CardSize{55, 101} : CardSize{55, 102}; }

void paintFace(Canvas& canvas, Deck deck, Suit suit, int rank)
{
    const Palette& p = palette(deck);
    paintPaper(canvas, p);
    if (rank == 1) {
        paintAce(canvas, p, suit);
    } else if (rank <= 7) {
        paintPips(canvas, p, suit, rank);
    } else {
        CardSize s = cardSize(deck);
        paintFigure(canvas, p, suit, rank, s.width, s.height);
    }
    paintIndices(canvas, p, rank);
}

void paintBack(Canvas& canvas, Deck deck)
{
    const Palette& p = palette(deck);
    if (deck == Deck::Napoletane)
        paintNaplesBack(canvas, p);
    else
        paintPiacenzaBack(canvas, p);
}

} // namespace italian_deck
