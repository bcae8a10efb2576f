// The menu's "Solitari" entries; a game not yet built has no opener and its entry is greyed.
#include "app/game_list.h"

#include "games/bowling/bowling_window.h"
#include "games/fisarmonica/fisarmonica_window.h"
#include "games/golf/golf_window.h"
#include "games/margherita/margherita_window.h"
#include "games/napoleone/napoleone_window.h"
#include "games/poker/poker_window.h"
#include "games/tavola/tavola_window.h"
#include "games/yahtzee/yahtzee_window.h"
#include "shell/random.h"

#include <memory>
#include <optional>

namespace {
std::optional<std::uint64_t>& fixedSeed()
{
    static std::optional<std::uint64_t> seed;
    return seed;
}

template <typename Window>
std::function<GameWindow*()> opener()
{
    return [] { return new Window(std::make_unique<SeededRandom>(fixedSeed() ? *fixedSeed() : clockSeed())); };
}
} // namespace

void dealFromSeed(std::uint64_t seed) { fixedSeed() = seed; }

std::vector<GameEntry> toatoaGames()
{
    return {
        {QStringLiteral("bownling"), QStringLiteral("Bowling"), QKeySequence(QStringLiteral("Ctrl+B")), opener<BowlingWindow>(),
         &BowlingRules::recordRules},
        {QStringLiteral("golfm"), QStringLiteral("Zidu Dori"), QKeySequence(QStringLiteral("Ctrl+G")), opener<GolfWindow>(),
         &GolfRules::recordRules},
        {QStringLiteral("Fisa"), QStringLiteral("La Fisarmonica"), QKeySequence(QStringLiteral("Ctrl+F")),
         opener<FisarmonicaWindow>(), &FisarmonicaRules::recordRules},
        {QStringLiteral("linea"), QStringLiteral("La Tavola Rotonda"), QKeySequence(QStringLiteral("Ctrl+R")), opener<TavolaWindow>(),
         &TavolaRules::recordRules},
        {QStringLiteral("margherita"), QStringLiteral("Margerita"), QKeySequence(QStringLiteral("Ctrl+M")),
         opener<MargheritaWindow>(), &MargheritaRules::recordRules},
        {QStringLiteral("Napo"), QStringLiteral("Napoleone"), QKeySequence(QStringLiteral("Ctrl+N")),
         opener<NapoleoneWindow>(), &NapoleoneRules::recordRules},
        {QStringLiteral("poker"), QStringLiteral("Poker"), QKeySequence(QStringLiteral("Ctrl+P")), opener<PokerWindow>(), pokerRecordRules},
        {QStringLiteral("Yahtzee"), QStringLiteral("Yahtzee"), QKeySequence(QStringLiteral("Ctrl+Y")), opener<YahtzeeWindow>(), &YahtzeeWindow::recordRules},
    };
}
