// Control arrays: their names, "carte(12)", "Label8(3)", and their events handed to indexed handlers.
#pragma once

#include <QObject>
#include <QString>

#include <type_traits>

inline QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Element i's click goes to (window->*click)(i) and its pointer movement to (window->*move)(i), as the
// old control arrays passed their Index.
template <typename Controls, typename Window>
void connectArray(const Controls& controls, Window* window, void (Window::*click)(int), void (Window::*move)(int))
{
    int index = 0;
    for (auto* control : controls) {
        using Control = std::remove_pointer_t<decltype(control)>;
        QObject::connect(control, &Control::clicked, window, [window, click, index] { (window->*click)(index); });
        QObject::connect(control, &Control::mouseMoved, window, [window, move, index] { (window->*move)(index); });
        ++index;
    }
}
