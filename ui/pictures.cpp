#include "pictures.h"

#include "assets/artwork.h"

#include <cmath>
#include <map>
#include <memory>

namespace vortalin::ui {

namespace {

// Screens report ratios such as 1.2499999 for 125 %.
constexpr double ratioTolerance = 1e-3;

// A picture painted at `painted` brought to `ratio`: its size in board
// pixels times the ratio, rounded. Pictures are opaque: the black square
// hides what lies beneath.
QImage toRatio(const QImage& image, QSize boardSize, double painted, double ratio) {
    QImage screen = image.convertToFormat(QImage::Format_RGB32);
    if (painted == ratio)
        return screen;
    const QSize size(int(std::lround(boardSize.width() * ratio)),
                     int(std::lround(boardSize.height() * ratio)));
    return screen.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

std::unique_ptr<PictureSet> makeSet(double ratio) {
    const double painted = paintedScaleFor(ratio);
    auto set = std::make_unique<PictureSet>();
    set->ratio = ratio;
    set->starfield = toRatio(art::starfield(painted), art::starfield().size(), painted, ratio);
    for (int i = 0; i < stockCount; ++i)
        set->stock[std::size_t(i)] =
            toRatio(art::stockPicture(i, painted), art::stockPicture(i).size(), painted, ratio);
    return set;
}

} // namespace

double paintedScaleFor(double ratio) {
    double finest = 1;
    for (double scale : art::paintedScales) {
        if (!art::carries(scale))
            continue;
        if (scale >= ratio - ratioTolerance)
            return scale;
        finest = scale;
    }
    return finest;
}

const PictureSet& picturesFor(double ratio) {
    static std::map<double, std::unique_ptr<PictureSet>> sets;
    const double painted = paintedScaleFor(ratio);
    if (std::abs(painted - ratio) < ratioTolerance)
        ratio = painted;
    std::unique_ptr<PictureSet>& set = sets[ratio];
    if (!set)
        set = makeSet(ratio);
    return *set;
}

} // namespace vortalin::ui
