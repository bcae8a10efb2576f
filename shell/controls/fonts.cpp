// Registers Liberation Sans from the resources and hands it out as "Arial".
#include "shell/controls/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
QString& family()
{
    static QString name = QStringLiteral("Liberation Sans");
    return name;
}
} // namespace

void loadBundledFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    for (const char* face : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            family() = families.front();
    }
}

QFont arialFont(qreal pointSize, bool bold)
{
    loadBundledFonts();
    QFont font(family());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
