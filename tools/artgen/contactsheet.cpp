#include "artwork.h"

#include <QPainter>

namespace artgen {

namespace {

constexpr int zoom = 4;
constexpr int gap = 24;
constexpr int labelHeight = 22;
constexpr int sheetWidth = 2000;

// The starfield is too large to enlarge whole; its top-left corner shows
// the stars at the same zoom as everything else.
QImage forSheet(const Artwork& a) {
    QImage image = a.image.convertToFormat(QImage::Format_ARGB32);
    if (image.width() > 400)
        image = image.copy(0, 0, 300, 160);
    return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void paintChecks(QPainter& p, QRect area) {
    for (int y = area.top(); y < area.bottom(); y += 8)
        for (int x = area.left(); x < area.right(); x += 8)
            p.fillRect(QRect(x, y, 8, 8).intersected(area),
                       ((x - area.left()) / 8 + (y - area.top()) / 8) % 2 ? QColor(150, 150, 150)
                                                                          : QColor(110, 110, 110));
}

} // namespace

QImage contactSheet(const std::vector<Artwork>& artwork) {
    std::vector<QImage> shown;
    for (const Artwork& a : artwork)
        shown.push_back(forSheet(a));
    // Lay the pictures out in rows, wrapping at the sheet's width.
    std::vector<QPoint> at;
    int x = gap, y = gap, rowHeight = 0;
    for (const QImage& image : shown) {
        if (x + image.width() > sheetWidth - gap && x > gap) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        at.push_back({x, y});
        x += image.width() + gap;
        rowHeight = std::max(rowHeight, image.height());
    }
    QImage sheet(sheetWidth, y + rowHeight + labelHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    for (size_t i = 0; i < shown.size(); ++i) {
        const QRect area(at[i], shown[i].size());
        paintChecks(p, area);
        p.drawImage(area.topLeft(), shown[i]);
        const QSize size = artwork[i].image.size();
        const bool corner = shown[i].size() != size * zoom;
        p.drawText(QPoint(area.left(), area.bottom() + 17),
                   QStringLiteral("%1  %2 x %3%4")
                       .arg(artwork[i].fileName)
                       .arg(size.width())
                       .arg(size.height())
                       .arg(corner ? QStringLiteral("  (top-left corner)") : QString()));
    }
    return sheet;
}

} // namespace artgen
