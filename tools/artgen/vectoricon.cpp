#include "vectoricon.h"

#include "colour.h"
#include "noise.h"
#include "sphere.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

// The drawing's frame is the 256-pixel icon's: same centre and margin.
constexpr double side = 256, centre = side / 2, radius = side * (15.5 / 32.0);
constexpr int cells = 120;
constexpr int detail = 3; // the octaves the 256-pixel picture adds

// Above zero inside the region a layer paints, for a point on the sphere.
using Field = double (*)(Vec3);

// The sphere's normal under a point of the drawing; outside the disc the
// rim's, so that outlines run on past the edge and the clip cuts them round.
Vec3 normalAt(double x, double y) {
    const double dx = (x - centre) / radius, dy = (centre - y) / radius;
    const double r2 = dx * dx + dy * dy;
    if (r2 >= 1.0)
        return normalized({dx, dy, 0.0});
    return {dx, dy, std::sqrt(1.0 - r2)};
}

Vec3 globePoint(Vec3 n) {
    return tilted(n, 0.5, 0.3) * 1.6;
}

double landField(Vec3 n) {
    return fbm(globePoint(n), 403, 4 + detail) - 0.565;
}

QString number(double v) {
    return QString::number(v, 'f', 1);
}

// Outlines of the region where `field` is above zero, by marching squares
// over the frame; the frame's border counts as outside, so every outline
// closes. One even-odd path: lakes inside lands come out as holes.
QString outlines(Field field) {
    const double step = side / cells;
    const int n = cells + 1;
    std::vector<double> v(n * n);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            v[j * n + i] = (i == 0 || j == 0 || i == cells || j == cells)
                               ? -1.0
                               : field(normalAt(i * step, j * step));
    auto at = [&](int i, int j) { return v[j * n + i]; };
    // Edges are named by their first corner and direction; a crossing
    // lies where the field, linear along the edge, is zero.
    auto edgePoint = [&](int edge) {
        const int corner = edge / 2, i = corner % n, j = corner / n;
        const int i2 = i + (edge % 2 == 0), j2 = j + (edge % 2 == 1);
        const double t = at(i, j) / (at(i, j) - at(i2, j2));
        return QPointF((i + t * (i2 - i)) * step, (j + t * (j2 - j)) * step);
    };
    QMap<int, QList<int>> links; // edge -> the edges it is joined to
    auto join = [&](int a, int b) {
        links[a].append(b);
        links[b].append(a);
    };
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            const int top = 2 * (j * n + i), left = top + 1;
            const int bottom = 2 * ((j + 1) * n + i), right = 2 * (j * n + i + 1) + 1;
            const bool a = at(i, j) > 0, b = at(i + 1, j) > 0;
            const bool c = at(i + 1, j + 1) > 0, d = at(i, j + 1) > 0;
            QList<int> crossed;
            if (a != b)
                crossed.append(top);
            if (b != c)
                crossed.append(right);
            if (c != d)
                crossed.append(bottom);
            if (d != a)
                crossed.append(left);
            if (crossed.size() == 2) {
                join(crossed[0], crossed[1]);
            } else if (crossed.size() == 4) {
                // A saddle: the cell's mean tells which corners connect.
                const bool middle = (at(i, j) + at(i + 1, j) + at(i + 1, j + 1) + at(i, j + 1)) > 0;
                if (middle == a) {
                    join(top, right);
                    join(bottom, left);
                } else {
                    join(top, left);
                    join(bottom, right);
                }
            }
        }
    }
    QString path;
    QMap<int, bool> used;
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        if (used.value(it.key()))
            continue;
        int previous = -1, edge = it.key();
        QChar command = u'M';
        while (!used.value(edge)) {
            used[edge] = true;
            const QPointF p = edgePoint(edge);
            path += command + number(p.x()) + u' ' + number(p.y());
            command = u'L';
            const QList<int>& next = links[edge];
            const int following = next[0] != previous ? next[0] : next.value(1, next[0]);
            previous = edge;
            edge = following;
        }
        path += u'Z';
    }
    return path;
}

QString colour(Rgb c) {
    return QStringLiteral("#%1%2%3")
        .arg(toByte(c.r), 2, 16, QLatin1Char('0'))
        .arg(toByte(c.g), 2, 16, QLatin1Char('0'))
        .arg(toByte(c.b), 2, 16, QLatin1Char('0'));
}

QString layer(Field field, Rgb fill, double opacity = 1.0) {
    QString element =
        QStringLiteral("  <path clip-path=\"url(#disc)\" fill-rule=\"evenodd\" fill=\"%1\"")
            .arg(colour(fill));
    if (opacity < 1.0)
        element += QStringLiteral(" fill-opacity=\"%1\"").arg(opacity);
    return element + QStringLiteral(" d=\"%1\"/>\n").arg(outlines(field));
}

} // namespace

QByteArray paintScalableIcon() {
    const Field land = landField;
    const Field shallows = [](Vec3 n) { return fbm(globePoint(n) * 2.0, 401, 3 + detail) - 0.5; };
    const Field highlands = [](Vec3 n) {
        return std::min(landField(n), fbm(globePoint(n) * 3.0, 402, 3 + detail) - 0.5);
    };
    const Field clouds = [](Vec3 n) { return fbm(globePoint(n) * 2.2, 404, 4 + detail) - 0.6; };
    const Field haze = [](Vec3 n) { return fbm(globePoint(n) * 2.2, 404, 4 + detail) - 0.56; };

    // Where the light falls straightest, seen on the drawing.
    const Vec3 light = SphereLook().light;
    const QString litX = number(centre + light.x * radius * 0.7);
    const QString litY = number(centre - light.y * radius * 0.7);
    const QString c = number(centre), r = number(radius);

    QString svg =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
            "viewBox=\"0 0 256 256\">\n"
            " <defs>\n"
            "  <clipPath id=\"disc\"><circle cx=\"%1\" cy=\"%1\" r=\"%2\"/></clipPath>\n"
            "  <radialGradient id=\"shade\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" cy=\"%1\" "
            "r=\"%2\" fx=\"%3\" fy=\"%4\">\n"
            "   <stop offset=\"0\" stop-color=\"#000\" stop-opacity=\"0\"/>\n"
            "   <stop offset=\"0.45\" stop-color=\"#000\" stop-opacity=\"0.1\"/>\n"
            "   <stop offset=\"0.8\" stop-color=\"#000\" stop-opacity=\"0.5\"/>\n"
            "   <stop offset=\"1\" stop-color=\"#000\" stop-opacity=\"0.7\"/>\n"
            "  </radialGradient>\n"
            "  <linearGradient id=\"rim\" gradientUnits=\"userSpaceOnUse\" x1=\"%3\" y1=\"%4\" "
            "x2=\"%1\" y2=\"%1\">\n"
            "   <stop offset=\"0\" stop-color=\"%5\" stop-opacity=\"0.8\"/>\n"
            "   <stop offset=\"1\" stop-color=\"%5\" stop-opacity=\"0\"/>\n"
            "  </linearGradient>\n"
            " </defs>\n")
            .arg(c, r, litX, litY, colour(bytes(140, 190, 255)));
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"%3\"/>\n")
               .arg(c, r, colour(bytes(25, 75, 188)));
    svg += layer(shallows, bytes(38, 100, 208));
    svg += layer(land, bytes(60, 132, 64));
    svg += layer(highlands, bytes(150, 145, 88));
    svg += layer(haze, grey(1.0), 0.45);
    svg += layer(clouds, grey(1.0), 0.9);
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"url(#shade)\"/>\n"
                          "  <circle cx=\"%1\" cy=\"%1\" r=\"%3\" fill=\"none\" "
                          "stroke=\"url(#rim)\" stroke-width=\"3\"/>\n"
                          "</svg>\n")
               .arg(c, r, number(radius - 1.5));
    return svg.toUtf8();
}

} // namespace artgen
