# The screenshots the metadata offers, first the default one: picture in docs/, then its caption
# in English and in Italian. A new game's screenshot is added here when it lands in docs/.
set(TOATOA_SCREENSHOTS
    "menu.png|The menu window, where the games are chosen|La finestra del menu, da cui si sceglie il gioco"
    "margherita.png|Margherita in the middle of a game|Margherita a metà partita"
    "bowling.png|Bowling in the middle of a match|Bowling a metà partita"
    "poker.png|Poker after a paying hand|Poker dopo una mano vincente"
    "fisarmonica.png|La Fisarmonica, the accordion patience|La Fisarmonica"
    "golf.png|Zidu Dori in the middle of a hole|Zidu Dori a metà buca"
    "yahtzee.png|Yahtzee in the middle of a game|Yahtzee a metà partita"
    "tavola.png|La Tavola Rotonda in the middle of a game|La Tavola Rotonda a metà partita"
    "tavola-won.png|La Tavola Rotonda won, the photograph uncovered|La Tavola Rotonda vinta, con la fotografia scoperta"
    "napoleone.png|Napoleone in the middle of a game, with the Piacentine cards|Napoleone a metà partita, con le carte piacentine"
    "napoleone-napoletane.png|Napoleone, the same table with the Neapolitan cards|Napoleone, lo stesso tavolo con le carte napoletane"
)
