// Colours of the two decks: Naples prints on a warm cream in softer earths,
// Piacenza on white in strong red, blue and yellow with heavier black lines.
#include "palette.h"

namespace italian_deck {

const Palette& palette(Deck deck)
{
    static const Palette napoletane{
        Deck::Napoletane,
        "#fbf4e2", // paper
        "#2a1e16", // ink
        "#c8372d", "#8e1f1a", // red
        "#2f6fb3", "#1f4678", // blue
        "#efbf3a", "#b9851f", // yellow
        "#4c9a45", "#2d6b2c", // green
        "#f3cfae", // flesh
        "#6b3e1f", // hair
        "#8fb8dc", // steel
        "#5f9a3a", "#3d6b22", // wood of the batons
        "#fffdf6",
        0.42,
    };
    static const Palette piacentine{
        Deck::Piacentine,
        "#ffffff",
        "#000000",
        "#e0121b", "#9c0a10",
        "#1747b5", "#0c2a72",
        "#ffd500", "#c99a00",
        "#17913a", "#0b5e22",
        "#fcd9bd",
        "#3a2412",
        "#6f9fe0",
        "#c9702a", "#8a4414",
        "#ffffff",
        0.6,
    };
    return deck == Deck::Napoletane ? napoletane : piacentine;
}

} // namespace italian_deck
