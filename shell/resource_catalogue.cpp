// Looks pictures up by number in the resources compiled into the program, decoding each once.
#include "shell/resource_catalogue.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

qreal bestRatio()
{
    return qApp ? std::max<qreal>(1.0, qApp->devicePixelRatio()) : 1.0;
}

QString bitmapPath(int number, bool doubled)
{
    return QStringLiteral(":/pictures/b%1%2.png").arg(number).arg(doubled ? "@2x" : "");
}

QPixmap missingPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::magenta);
    return picture;
}

std::vector<int> numbersIn(const QString& directory, const QString& prefix)
{
    std::vector<int> numbers;
    for (const QString& name : QDir(directory).entryList(QDir::Files)) {
        if (!name.startsWith(prefix) || name.contains(QLatin1Char('@')))
            continue;
        bool ok = false;
        const int number = name.mid(prefix.size()).section(QRegularExpression(QStringLiteral("[.-]")), 0, 0).toInt(&ok);
        if (ok && std::find(numbers.begin(), numbers.end(), number) == numbers.end())
            numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QHash<int, QPixmap>& bitmapCache()
{
    static QHash<int, QPixmap> cache;
    return cache;
}

} // namespace

namespace ResourceCatalogue {

QPixmap bitmap(int number)
{
    QHash<int, QPixmap>& cache = bitmapCache();
    const auto found = cache.constFind(number);
    if (found != cache.constEnd())
        return *found;
    QPixmap picture;
    const bool doubled = bestRatio() > 1.0 && QFile::exists(bitmapPath(number, true));
    if (picture.load(bitmapPath(number, doubled)))
        picture.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    else
        picture = missingPicture();
    cache.insert(number, picture);
    return picture;
}

bool hasBitmap(int number) { return QFile::exists(bitmapPath(number, false)); }

std::vector<int> bitmapNumbers() { return numbersIn(QStringLiteral(":/pictures"), QStringLiteral("b")); }

QIcon icon(int group)
{
    static QHash<int, QIcon> cache;
    const auto found = cache.constFind(group);
    if (found != cache.constEnd())
        return *found;
    QIcon result;
    for (int size : {16, 32, 48, 64}) {
        const QString path = QStringLiteral(":/icons/i%1-%2.png").arg(group).arg(size);
        if (QFile::exists(path))
            result.addFile(path, QSize(size, size));
    }
    cache.insert(group, result);
    return result;
}

bool hasIcon(int group) { return QFile::exists(QStringLiteral(":/icons/i%1-32.png").arg(group)); }

std::vector<int> iconNumbers() { return numbersIn(QStringLiteral(":/icons"), QStringLiteral("i")); }

QPoint cursorHotSpot(int group) { return group == 102 ? QPoint(15, 16) : QPoint(12, 1); }

QPixmap cursorPicture(int group, qreal devicePixelRatio)
{
    QPixmap picture;
    if (devicePixelRatio >= 2 && picture.load(QStringLiteral(":/cursors/c%1@2x.png").arg(group))) {
        picture.setDevicePixelRatio(2);
        return picture;
    }
    if (!picture.load(QStringLiteral(":/cursors/c%1.png").arg(group)))
        picture = missingPicture();
    return picture;
}

QCursor cursor(int group, qreal devicePixelRatio)
{
    const int scale = devicePixelRatio >= 2 ? 2 : 1;
    static QHash<int, QCursor> cache;
    const int key = group * 10 + scale;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    // The hot spot stays in device-independent pixels: Qt scales it with the picture.
    const QPoint hot = cursorHotSpot(group);
    const QCursor result(cursorPicture(group, scale), hot.x(), hot.y());
    cache.insert(key, result);
    return result;
}

QCursor cursor(int group)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return cursor(group, ratio);
}

int cachedBitmapCount() { return static_cast<int>(bitmapCache().size()); }

} // namespace ResourceCatalogue
