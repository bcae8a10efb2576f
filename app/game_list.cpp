// The menu's "Solitari" entries; a game not yet built has no opener and its entry is greyed.
#include "app/game_list.h"

#include "games/fisarmonica/fisarmonica_window.h"
#include "games/margherita/margherita_window.h"
#include "games/napoleone/napoleone_window.h"
#include "games/poker/poker_window.h"
#include "shell/random.h"

#include <memory>

namespace {
template <typename Window>
std::function<GameWindow*()> opener()
{
    return [] { return new Window(std::make_unique<SeededRandom>(clockSeed())); };
}
} // namespace

std::vector<GameEntry> toatoaGames()
{
    return {
        {QStringLiteral("bownling"), QStringLiteral("Bowling"), QKeySequence(QStringLiteral("Ctrl+B")), {}},
        {QStringLiteral("golfm"), QStringLiteral("Zidu Dori"), QKeySequence(QStringLiteral("Ctrl+G")), {}},
        {QStringLiteral("Fisa"), QStringLiteral("La Fisarmonica"), QKeySequence(QStringLiteral("Ctrl+F")), opener<Fisarmonica>()},
        {QStringLiteral("linea"), QStringLiteral("La Tavola Rotonda"), QKeySequence(QStringLiteral("Ctrl+R")), {}},
        {QStringLiteral("margherita"), QStringLiteral("Margerita"), QKeySequence(QStringLiteral("Ctrl+M")), opener<MargheritaWindow>()},
        {QStringLiteral("Napo"), QStringLiteral("Napoleone"), QKeySequence(QStringLiteral("Ctrl+N")), opener<NapoleoneWindow>(), &NapoleoneWindow::recordRules},
        {QStringLiteral("poker"), QStringLiteral("Poker"), QKeySequence(QStringLiteral("Ctrl+P")), opener<Pokerfrm>()},
        {QStringLiteral("Yahtzee"), QStringLiteral("Yahtzee"), QKeySequence(QStringLiteral("Ctrl+Y")), {}},
    };
}
