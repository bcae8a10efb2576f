// Names of the controls of a control array: "carte(12)", "Label8(3)".
#pragma once

#include <QString>

inline QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}
