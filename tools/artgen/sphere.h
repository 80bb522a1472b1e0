#pragma once

#include "colour.h"
#include "vec3.h"

#include <QImage>

#include <functional>

namespace artgen {

// How a lit sphere looks. Normals are in view space: x right, y up,
// z towards the viewer.
struct SphereLook {
    std::function<Rgb(Vec3 normal)> albedo;
    Vec3 light = normalized({-0.62, 0.48, 0.62});
    double ambient = 0.14; // the night side stays faintly visible
    double wrap = 0.25;    // softens the terminator
    double limb = 0.45;    // darkening towards the rim
    double specular = 0.0;
    double shininess = 24.0;
    Rgb rim{0, 0, 0}; // thin atmosphere glow at the lit limb
};

// The colour of one point of the sphere, light and all.
Rgb shadeSphere(const SphereLook& look, Vec3 n);

// Paints a sphere of `radius` centred at (cx, cy) over what the image
// holds, antialiased by supersampling each pixel `samples` x `samples`.
void paintSphere(QImage& image, double cx, double cy, double radius, const SphereLook& look,
                 int samples = 4);

// Reads and writes an RGB pixel as linear colour.
Rgb pixel(const QImage& image, int x, int y);
void setPixel(QImage& image, int x, int y, Rgb colour);

// A black, opaque, 24-bit square or rectangle.
QImage blackCanvas(int width, int height);

} // namespace artgen
