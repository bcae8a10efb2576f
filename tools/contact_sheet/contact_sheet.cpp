// Draws every picture of the catalogue, its number beneath it, into one PNG:
//   contact_sheet OUT.png [SCALE] [FIRST-LAST]
// A range draws only those bitmaps, ten to a row, e.g. one Italian deck: 216-256.
#include "shell/controls/fonts.h"
#include "shell/resource_catalogue.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

struct Tile {
    QString caption;
    QPixmap picture;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: contact_sheet OUT.png [SCALE] [FIRST-LAST]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const qreal scale = argc > 2 ? std::max(1.0, QString::fromLocal8Bit(argv[2]).toDouble()) : 1.0;
    if (scale > 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    int first = 0, last = 0;
    if (argc > 3) {
        const QStringList ends = QString::fromLocal8Bit(argv[3]).split(QLatin1Char('-'));
        first = ends.value(0).toInt();
        last = ends.value(1).toInt();
        if (ends.size() != 2 || first <= 0 || last < first) {
            std::fprintf(stderr, "contact_sheet: a range is FIRST-LAST, e.g. 170-210\n");
            return 2;
        }
    }
    const bool wholeCatalogue = first == 0;
    QGuiApplication app(argc, argv);

    std::vector<Tile> tiles;
    for (int number : ResourceCatalogue::bitmapNumbers())
        if (wholeCatalogue || (number >= first && number <= last))
            tiles.push_back({QString::number(number), ResourceCatalogue::bitmap(number)});
    for (int group : wholeCatalogue ? ResourceCatalogue::iconNumbers() : std::vector<int>{})
        for (int size : {16, 32})
            tiles.push_back({QStringLiteral("icon %1 (%2)").arg(group).arg(size),
                             ResourceCatalogue::icon(group).pixmap(QSize(size, size), scale)});
    for (int group : wholeCatalogue ? std::vector<int>{101, 102} : std::vector<int>{}) {
        QPixmap picture = ResourceCatalogue::cursorPicture(group, scale);
        tiles.push_back({QStringLiteral("pointer %1").arg(group), picture});
    }

    // Rows of pictures laid left to right, each row as tall as its tallest picture.
    constexpr int gap = 12;
    // A deck is laid ten to a row, one suit a row.
    const int sheetWidth = wholeCatalogue ? 1400 : 10 * (80 + gap) + gap;
    constexpr int captionHeight = 16;
    std::vector<QPoint> places;
    int x = gap, y = gap, rowHeight = 0;
    for (const Tile& tile : tiles) {
        const QSizeF size = tile.picture.deviceIndependentSize();
        const int w = wholeCatalogue ? std::max(64, int(size.width())) : 80;
        if (x + w + gap > sheetWidth) {
            x = gap;
            y += rowHeight + captionHeight + gap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += w + gap;
        rowHeight = std::max(rowHeight, int(size.height()));
    }
    const int sheetHeight = y + rowHeight + captionHeight + gap;

    QImage sheet(QSize(sheetWidth, sheetHeight) * scale, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(QColor(90, 110, 100));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(arialFont(8));
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const QSizeF size = tiles[i].picture.deviceIndependentSize();
        painter.drawPixmap(QRectF(places[i], size), tiles[i].picture, tiles[i].picture.rect());
        painter.setPen(Qt::white);
        painter.drawText(QRectF(places[i].x(), places[i].y() + size.height() + 1, std::max(64.0, size.width()), captionHeight),
                         Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("%1  %2x%3").arg(tiles[i].caption).arg(size.width()).arg(size.height()));
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu pictures written to %s\n", tiles.size(), argv[1]);
    return 0;
}
