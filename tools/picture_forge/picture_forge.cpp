// Build-time tool: cuts the French faces out of the deck's sheet and lays each on a card of catalogue size.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>

namespace {

constexpr int columns = 13;
constexpr int rows = 5;
constexpr int cardWidth = 71;
constexpr int cardHeight = 96;

// Rows of the sheet, top to bottom: clubs, diamonds, hearts, spades. Catalogue suits: hearts,
// spades, diamonds, clubs.
constexpr int sheetRowOfSuit[4] = {2, 3, 1, 0};

QImage cardFrom(const QImage& sheet, int row, int column, int scale)
{
    const double cellWidth = sheet.width() / double(columns);
    const double cellHeight = sheet.height() / double(rows);
    // Leave out the sheet's own thin border; the card gets a border of ours at its new proportions.
    const double insetX = cellWidth * 0.035;
    const double insetY = cellHeight * 0.025;
    const QRectF source(column * cellWidth + insetX, row * cellHeight + insetY, cellWidth - 2 * insetX,
                        cellHeight - 2 * insetY);

    const int width = cardWidth * scale;
    const int height = cardHeight * scale;
    QImage card(width, height, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    QPainter painter(&card);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const qreal radius = 3.5 * scale;
    const qreal edge = scale;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(edge / 2, edge / 2, width - edge, height - edge), radius, radius);
    painter.fillPath(outline, Qt::white);

    // The face keeps its proportions: scaled to the card's height, centred across its width.
    const QImage face = sheet.copy(source.toRect());
    const qreal faceHeight = height - 4.0 * scale;
    const qreal faceWidth = std::min<qreal>(width - 4.0 * scale, faceHeight * source.width() / source.height());
    const QRectF target((width - faceWidth) / 2, (height - faceHeight) / 2, faceWidth, faceHeight);
    painter.setClipPath(outline);
    painter.drawImage(target, face.scaled(target.size().toSize() * 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.setClipping(false);

    painter.setPen(QPen(QColor(40, 40, 40), edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    return card;
}

int french(const QString& sheetPath, const QString& outDir)
{
    QImage sheet(sheetPath);
    if (sheet.isNull()) {
        std::fprintf(stderr, "picture_forge: cannot read %s\n", qPrintable(sheetPath));
        return 1;
    }
    sheet = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            const int number = 115 + 13 * suit + (rank - 1);
            for (int scale : {1, 2, 4}) {
                const QString name = scale == 1 ? QStringLiteral("%1/b%2.png").arg(outDir).arg(number)
                                                : QStringLiteral("%1/b%2@%3x.png").arg(outDir).arg(number).arg(scale);
                if (!cardFrom(sheet, sheetRowOfSuit[suit], rank - 1, scale).save(name)) {
                    std::fprintf(stderr, "picture_forge: cannot write %s\n", qPrintable(name));
                    return 1;
                }
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == QLatin1String("french"))
        return french(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    std::fprintf(stderr, "usage: picture_forge french SHEET.png OUTDIR\n");
    return 2;
}
