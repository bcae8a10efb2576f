#!/bin/sh
# The two pictures of La Tavola Rotonda in docs/: the board while it is being cleared, and a won game.
# Deal 49 is one the careful test player (tests/support/tavola_player.h) wins with seven cards left;
# these are its clicks. The won picture is taken seven seconds into the win: the photograph uncovered,
# "Hai Vinto" and the card bonus on show. Run from the top of a built tree.
set -e
shot=build/default/tools/window_shot
clicks="\
    Vedi carte(5) Vedi carte(6) Vedi carte(1) Vedi carte(9) Vedi carte(4) Vedi carte(10) Vedi carte(2) \
    Vedi carte(7) Vedi carte(0) Vedi carte(8) Vedi carte(13) Vedi carte(11) Vedi carte(3) Vedi \
    carte(14) Vedi carte(12) Vedi carte(15) carte(5) carte(0) carte(11) carte(7) carte(13) carte(9) \
    carte(15) Vedi carte(5) Vedi carte(0) Vedi carte(9) Vedi carte(7) Vedi carte(13) Vedi carte(11) \
    Vedi carte(15) carte(11) carte(3) carte(13) carte(7) carte(15) carte(2) carte(5) carte(6) carte(9) \
    Vedi carte(5) Vedi carte(2) Vedi carte(6) Vedi carte(9) Vedi carte(13) Vedi carte(7) Vedi carte(3) \
    Vedi carte(11) Vedi carte(15) carte(7) carte(9) carte(3) carte(13) carte(6) carte(10) Vedi carte(6) \
    Vedi carte(9) Vedi carte(7) Vedi carte(10) Vedi carte(13) Vedi carte(3) carte(3) carte(6) carte(9) \
    carte(11) Vedi carte(6) Vedi carte(11) Vedi carte(3) Vedi carte(9) carte(9) carte(13) carte(6) \
    carte(10) Vedi carte(6) Vedi carte(9) Vedi carte(13)"
mid="Vedi carte(5) Vedi carte(6) Vedi carte(1) Vedi carte(9) Vedi carte(4) Vedi carte(10) Vedi carte(2) Vedi carte(7) Vedi carte(0) Vedi carte(8) Vedi carte(13) Vedi carte(11) Vedi carte(3) Vedi carte(14) Vedi carte(12) Vedi carte(15) carte(5) carte(0)"
"$shot" docs/tavola.png linea --seed 49 Nuova $mid
"$shot" docs/tavola-won.png linea --seed 49 --grab-at 7 Nuova $clicks
