// The names follow the catalogue's numbering of faces and backs (shell/card_pictures.h).
#include "shell/picture_names.h"

#include "shell/card_pictures.h"

#include <array>

namespace {

constexpr std::array<const char*, 13> frenchRanks{"Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette",
                                                  "Otto", "Nove", "Dieci", "Fante", "Donna", "Re"};
constexpr std::array<const char*, 4> frenchSuits{"cuori", "picche", "quadri", "fiori"};
constexpr std::array<const char*, 10> italianRanks{"Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette",
                                                   "Fante", "Cavallo", "Re"};
constexpr std::array<const char*, 4> italianSuits{"coppe", "denari", "spade", "bastoni"};
constexpr std::array<const char*, 10> digits{"zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette",
                                             "otto", "nove"};

QString cardName(const char* rank, const char* suit)
{
    return QStringLiteral("%1 di %2").arg(QLatin1String(rank), QLatin1String(suit));
}

// Offset of `number` in the range [first, first + size), or -1.
int within(int number, int first, int size) { return number >= first && number < first + size ? number - first : -1; }

} // namespace

QString pictureName(int number)
{
    switch (number) {
    case 0:
    case pictures::emptyPlace:
        return QStringLiteral("Posto vuoto");
    case pictures::blueBack:
    case pictures::redBack:
    case pictures::neapolitanBack:
    case pictures::piacentineBack:
        return QStringLiteral("Carta coperta");
    case 113:
    case pictures::menuBackground:
        return QStringLiteral("TOA-TOA Games");
    case 167:
        return QStringLiteral("I quattro assi");
    case 211:
        return QStringLiteral("Il castello al tramonto");
    case 212:
        return QStringLiteral("La tavola rotonda");
    case 213:
        return QStringLiteral("La corona");
    case 214:
        return QStringLiteral("La spada nella roccia");
    case 215:
        return QStringLiteral("Il Graal");
    default:
        break;
    }
    if (const int d = within(number, 103, 10); d >= 0)
        return QStringLiteral("Cifra %1").arg(QLatin1String(digits[static_cast<std::size_t>(d)]));
    if (const int c = within(number, frenchCardPicture(1, 1), 52); c >= 0)
        return cardName(frenchRanks[static_cast<std::size_t>(c % 13)], frenchSuits[static_cast<std::size_t>(c / 13)]);
    for (const int first : {neapolitanCardPicture(1, 0), piacentineCardPicture(1, 0)})
        if (const int c = within(number, first, 40); c >= 0)
            return cardName(italianRanks[static_cast<std::size_t>(c % 10)], italianSuits[static_cast<std::size_t>(c / 10)]);
    return QStringLiteral("Immagine %1").arg(number);
}
