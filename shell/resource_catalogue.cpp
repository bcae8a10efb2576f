// Looks pictures up by number in the resources compiled into the program, decoding each once.
#include "shell/resource_catalogue.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QCache>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

qreal bestRatio()
{
    return qApp ? std::max<qreal>(1.0, qApp->devicePixelRatio()) : 1.0;
}

QString bitmapPath(int number, bool doubled)
{
    return QStringLiteral(":/pictures/b%1%2.png").arg(number).arg(doubled ? "@2x" : "");
}

QString renderingPath(int number, int times)
{
    return times == 1 ? bitmapPath(number, false) : QStringLiteral(":/pictures/b%1@%2x.png").arg(number).arg(times);
}

// The renderings a scaled table is drawn from, decoded once; a few megabytes at most.
QImage rendering(int number, int times)
{
    static QCache<qint64, QImage> cache(32 * 1024);
    const qint64 key = qint64(number) * 8 + times;
    if (const QImage* found = cache.object(key))
        return *found;
    QImage image(renderingPath(number, times));
    if (image.isNull())
        return image;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cache.insert(key, new QImage(image), static_cast<int>(image.sizeInBytes() / 1024));
    return image;
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

// The smallest rendering at least `device` pixels large (a hair short is near enough: a card's box
// a pixel taller than its art), or the largest there is. Only the one chosen is decoded.
int renderingTimes(int number, QSize device)
{
    // Per picture: its size at 1x and the largest rendering it has, read once.
    static QHash<int, std::pair<QSize, int>> known;
    auto found = known.constFind(number);
    if (found == known.constEnd()) {
        int largest = 0;
        for (int times : {1, 2, 4})
            if (QFile::exists(renderingPath(number, times)))
                largest = times;
        found = known.insert(number, {QImageReader(bitmapPath(number, false)).size(), largest});
    }
    const auto [base, largest] = *found;
    for (int times = 1; times < largest; times *= 2)
        if (base.width() * times * 50 >= device.width() * 49 && base.height() * times * 50 >= device.height() * 49)
            return times;
    return largest;
}

QImage renderingFor(int number, QSize device)
{
    const int times = renderingTimes(number, device);
    return times ? rendering(number, times) : QImage();
}

// Every size a resize rests at is kept until the cache is full, the oldest going first.
QCache<QString, QPixmap>& sizedPictures()
{
    static QCache<QString, QPixmap> sized(48 * 1024);
    return sized;
}

QString sizedKey(int number, QSize device, qreal ratio)
{
    return QStringLiteral("%1:%2x%3@%4").arg(number).arg(device.width()).arg(device.height()).arg(ratio);
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

QPixmap bitmapOrRendering(int number, QSize size, qreal devicePixelRatio)
{
    const QSize device = (QSizeF(size) * devicePixelRatio).toSize();
    if (const QPixmap* found = sizedPictures().object(sizedKey(number, device, devicePixelRatio)))
        return *found;
    static QCache<qint64, QPixmap> sources(32 * 1024);
    const qint64 key = qint64(number) * 8 + renderingTimes(number, device);
    if (const QPixmap* found = sources.object(key))
        return *found;
    const QImage source = renderingFor(number, device);
    const QPixmap picture = source.isNull() ? missingPicture() : QPixmap::fromImage(source);
    sources.insert(key, new QPixmap(picture), static_cast<int>(qint64(picture.width()) * picture.height() * 4 / 1024) + 1);
    return picture;
}

QPixmap bitmap(int number, QSize size, qreal devicePixelRatio)
{
    const QSize device = (QSizeF(size) * devicePixelRatio).toSize();
    if (device.isEmpty())
        return {};
    const QString key = sizedKey(number, device, devicePixelRatio);
    QCache<QString, QPixmap>& sized = sizedPictures();
    if (const QPixmap* found = sized.object(key))
        return *found;
    const QImage source = renderingFor(number, device);
    QPixmap picture;
    if (source.isNull())
        picture = missingPicture().scaled(device);
    else
        picture = QPixmap::fromImage(source.size() == device ? source
                                                             : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(devicePixelRatio);
    sized.insert(key, new QPixmap(picture), static_cast<int>(qint64(device.width()) * device.height() * 4 / 1024) + 1);
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

QCursor cursor(int group, qreal devicePixelRatio, double zoom)
{
    if (zoom == 1.0)
        return cursor(group, devicePixelRatio);
    const int side = static_cast<int>(std::lround(32 * zoom * devicePixelRatio));
    static QHash<QString, QCursor> cache;
    const QString key = QStringLiteral("%1:%2@%3").arg(group).arg(side).arg(devicePixelRatio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    // The pointers are drawn pixel by pixel: made smaller they are smoothed, made larger their
    // pixels are repeated, which keeps their edges sharp.
    QPixmap picture = cursorPicture(group, 2.0);
    picture.setDevicePixelRatio(1.0);
    picture = picture.scaled(side, side, Qt::IgnoreAspectRatio,
                             side <= picture.width() ? Qt::SmoothTransformation : Qt::FastTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    const QPointF hot = QPointF(cursorHotSpot(group)) * zoom;
    const QCursor result(picture, qRound(hot.x()), qRound(hot.y()));
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
