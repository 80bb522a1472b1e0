#include "planets.h"

#include "noise.h"
#include "rng.h"
#include "stars.h"

#include <cmath>
#include <vector>

namespace artgen {

namespace {

constexpr double pi = 3.14159265358979323846;

// A crater as seen on the unit sphere: centre direction and angular radius.
struct Crater {
    Vec3 centre;
    double radius;
};

std::vector<Crater> scatterCraters(int count, std::uint64_t seed) {
    Rng rng(seed);
    std::vector<Crater> craters;
    for (int i = 0; i < count; ++i) {
        const double z = rng.uniform() * 2.0 - 1.0;
        const double a = rng.uniform() * 2.0 * pi;
        const double s = std::sqrt(1.0 - z * z);
        const double u = rng.uniform();
        craters.push_back({{s * std::cos(a), s * std::sin(a), z}, 0.06 + 0.22 * u * u * u});
    }
    return craters;
}

// Brightness change a crater makes: dark floor, bright raised rim.
double craterRelief(const std::vector<Crater>& craters, Vec3 n) {
    double relief = 0;
    for (const Crater& c : craters) {
        const double d = std::acos(std::clamp(dot(n, c.centre), -1.0, 1.0)) / c.radius;
        if (d < 0.8)
            relief -= 0.16 * (1.0 - d / 0.8 * 0.3);
        else if (d < 1.25)
            relief += 0.16 * std::sin((d - 0.8) / 0.45 * pi);
    }
    return relief;
}

} // namespace

SphereLook oceanPlanet() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, 0.4, 0.3) * 2.2;
        const double land = fbm(p, 11, 6);
        const double mottle = fbm(p * 3.0, 12, 4);
        const Rgb sea = mix(bytes(18, 140, 160), bytes(70, 210, 205), mottle);
        // Shallows: the sea brightens towards the coasts.
        const Rgb shore = mix(sea, bytes(120, 225, 210), smoothstep(0.36, 0.45, land) * 0.6);
        const Rgb ground = mix(bytes(16, 72, 34), bytes(22, 118, 104),
                               smoothstep(0.35, 0.65, fbm(p * 1.6, 13, 4)));
        const Rgb landColour = ground * (0.7 + 0.6 * fbm(p * 5.0, 14, 3));
        return mix(shore, landColour, smoothstep(0.45, 0.48, land));
    };
    look.rim = bytes(90, 200, 220) * 0.6;
    return look;
}

SphereLook moonPlanet() {
    static const std::vector<Crater> craters = scatterCraters(60, 21);
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const double rough = fbm(n * 9.0, 22, 5);
        const double maria = smoothstep(0.45, 0.6, fbm(n * 1.8, 23, 4));
        const double v = 0.62 - 0.16 * maria + 0.22 * (rough - 0.5) + craterRelief(craters, n);
        return grey(v);
    };
    // Evenly lit: weak direction, strong ambient.
    look.ambient = 0.55;
    look.limb = 0.35;
    return look;
}

SphereLook vividPlanet() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, 0.2, -0.4) * 2.0;
        const Rgb body =
            mix(bytes(215, 28, 40), bytes(205, 35, 175), smoothstep(0.35, 0.65, fbm(p, 31, 5)));
        const double patches = smoothstep(0.6, 0.66, fbm(p * 1.7, 32, 5));
        const Rgb surface = mix(body, bytes(250, 240, 245), patches);
        // A blue sea towards the lower right, with a ragged shore.
        const double toward =
            dot(n, normalized({0.7, -0.6, 0.4})) + 0.4 * (fbm(p * 2.0, 33, 4) - 0.5);
        const Rgb sea = mix(bytes(40, 70, 215), bytes(85, 140, 250), fbm(p * 3.0, 34, 4));
        return mix(surface, sea, smoothstep(0.62, 0.68, toward));
    };
    look.rim = bytes(255, 120, 200) * 0.4;
    return look;
}

SphereLook redPlanet() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, -0.3, 0.8) * 2.6;
        const double dark = smoothstep(0.48, 0.62, fbm(p, 41, 6));
        const double blotches = smoothstep(0.55, 0.7, fbm(p * 2.5, 43, 4));
        const Rgb base = mix(bytes(175, 26, 22), bytes(62, 6, 8), dark);
        return mix(base, bytes(95, 10, 12), blotches * 0.6) * (0.85 + 0.3 * fbm(p * 6.0, 42, 3));
    };
    look.rim = bytes(200, 60, 40) * 0.4;
    return look;
}

SphereLook earthPlanet() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, 0.5, 0.2) * 1.9;
        const double height = fbm(p, 51, 6);
        const Rgb ocean =
            mix(bytes(18, 50, 150), bytes(40, 90, 190), smoothstep(0.3, 0.52, height));
        const Rgb sand = mix(bytes(215, 185, 120), bytes(170, 130, 80), fbm(p * 3.0, 52, 4));
        const Rgb ground = mix(ocean, sand, smoothstep(0.53, 0.56, height));
        const double cloud = smoothstep(0.6, 0.7, fbm(p * 4.0 + Vec3{5, 1, 2}, 53, 4));
        return mix(ground, grey(0.97), cloud);
    };
    look.rim = bytes(120, 170, 255) * 0.7;
    look.specular = 0.18;
    return look;
}

// Turns a point about the axis `centre` by an angle that fades with the
// distance from it: a storm winding the clouds round itself.
Vec3 twist(Vec3 p, Vec3 centre, double turns, double reach) {
    const double d = length(p - centre);
    const double angle = turns * std::exp(-(d * d) / (reach * reach));
    const double c = std::cos(angle), s = std::sin(angle);
    const Vec3 cross{centre.y * p.z - centre.z * p.y, centre.z * p.x - centre.x * p.z,
                     centre.x * p.y - centre.y * p.x};
    return p * c + cross * s + centre * (dot(centre, p) * (1.0 - c));
}

SphereLook cloudPlanet() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        Vec3 p = tilted(n, 0.3, 0.15);
        p = twist(p, normalized({-0.35, 0.3, 0.9}), 3.2, 0.45);
        p = twist(p, normalized({0.5, -0.45, 0.75}), -2.6, 0.35);
        p = twist(p, normalized({0.1, 0.8, 0.4}), 2.0, 0.3);
        const double warp = fbm(p * 2.5, 61, 4) - 0.5;
        const double bands = std::sin(p.y * 11.0 + warp * 6.0) * 0.5 + 0.5;
        const double wisps = fbm(p * 4.0 + Vec3{warp, warp, 0}, 64, 5);
        const double cloud = clamp01(bands * 0.75 + (wisps - 0.5) * 1.4 + 0.1);
        const Rgb dark = bytes(48, 50, 54);
        const Rgb mid = bytes(140, 142, 148);
        const Rgb white = bytes(248, 248, 250);
        return cloud < 0.5 ? mix(dark, mid, smoothstep(0.15, 0.5, cloud))
                           : mix(mid, white, smoothstep(0.5, 0.85, cloud));
    };
    look.rim = grey(0.35);
    return look;
}

SphereLook streakPlanet() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, 0.25, 0.05);
        const double bend = (fbm(p * 1.4, 71, 3) - 0.5) * 0.25;
        // Noise squeezed along the axis gives long thin horizontal streaks.
        const Vec3 q{p.x * 1.1, (p.y + bend) * 22.0, p.z * 1.1};
        const double streak =
            std::pow(ridged(q, 72, 3), 6.0) * smoothstep(0.4, 0.65, fbm(p * 2.0, 74, 4));
        const Rgb deep = mix(bytes(10, 22, 110), bytes(30, 62, 175), fbm(p * 3.0, 73, 4));
        return mix(deep, bytes(235, 240, 255), clamp01(streak * 2.2));
    };
    look.rim = bytes(80, 120, 255) * 0.6;
    return look;
}

SphereLook bandedGiant() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, 0.2, -0.12);
        const double turbulence = (fbm(p * 3.0, 81, 5) - 0.5) * 0.5;
        // Uneven band widths: the phase itself wanders with latitude.
        const double y = p.y + turbulence * 0.35;
        const double bands = std::sin(y * 13.0 + 1.3 * std::sin(y * 4.0)) * 0.5 + 0.5;
        const double fine = std::sin((p.y + turbulence * 0.2) * 41.0) * 0.5 + 0.5;
        const Rgb pink = bytes(222, 128, 146), cream = bytes(250, 234, 202);
        const Rgb banded = mix(pink, cream, clamp01(bands * 0.8 + fine * 0.25));
        // A few thin rose lanes where the bands shear.
        const double lane = std::pow(std::abs(std::sin(y * 6.5 + 0.4)), 40.0);
        return mix(banded, bytes(190, 95, 120), lane * 0.5) * (0.92 + 0.16 * fbm(p * 6.0, 82, 3));
    };
    look.light = normalized({0.6, 0.55, 0.6});
    look.specular = 0.45;
    look.shininess = 18.0;
    look.rim = bytes(255, 200, 210) * 0.3;
    return look;
}

SphereLook ochreGiant() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, -0.2, 0.4) * 2.0;
        const Vec3 warp{fbm(p, 91, 3), fbm(p, 92, 3), fbm(p, 93, 3)};
        const double mottle = fbm(p + warp * 1.5, 94, 6);
        const Rgb ochre = bytes(215, 170, 55), brown = bytes(105, 62, 25);
        return mix(ochre, brown, smoothstep(0.38, 0.68, mottle)) *
               (0.9 + 0.2 * fbm(p * 5.0, 95, 3));
    };
    look.rim = bytes(255, 210, 120) * 0.3;
    return look;
}

QImage planetPicture(int side, const SphereLook& look, std::uint64_t starSeed, double scale) {
    return withStars(
        side, side, scale,
        [&](QImage& image, double s) {
            const double r = side / 2.0 * s;
            paintSphere(image, r, r, r, look);
        },
        side / 2.0, 5 + static_cast<int>(starSeed % 6), starSeed);
}

} // namespace artgen
