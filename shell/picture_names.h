// What each catalogue picture shows, in Italian, as a screen reader says it ("Sette di cuori").
#pragma once

#include <QString>

// The spoken name of picture `number`; 0, a control showing nothing, is an empty place.
QString pictureName(int number);
