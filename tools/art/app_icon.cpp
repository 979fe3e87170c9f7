#include "tools/art/app_icon.hpp"

#include "tools/art/canvas.hpp"
#include "tools/art/image_files.hpp"
#include "tools/art/tga_reader.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace {

struct TintLayer {
    Image picture;
    float red = 1, green = 1, blue = 1;
};

// The layers drawn over each other as the game draws the ship: each texel times its colour,
// clamped, blended by its alpha.
Image TintedShip(const std::vector<TintLayer>& layers)
{
    Image ship(layers[0].picture.Width(), layers[0].picture.Height());
    for (const TintLayer& layer : layers)
        for (int y = 0; y < ship.Height(); ++y)
            for (int x = 0; x < ship.Width(); ++x) {
                const Rgba t = layer.picture.At(x, y);
                if (t.a <= 0)
                    continue;
                const float a = t.a;
                ship.Over(x, y, Straight(std::min(1.0f, t.r / a * layer.red), std::min(1.0f, t.g / a * layer.green),
                                         std::min(1.0f, t.b / a * layer.blue), a));
            }
    return ship;
}

// The smallest rectangle holding every visibly covered pixel.
struct Box {
    int x0, y0, x1, y1;
};

Box CoveredBox(const Image& picture)
{
    Box box{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.At(x, y).a > 0.02f)
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1), std::max(box.y1, y + 1)};
    return box;
}

// `source`'s rectangle `box` scaled by `scale` with its centre at (cx, cy) of a size x size
// picture; each pixel averages enough bilinear taps to cover its footprint, so a 256-pixel
// ship reduced to 40 pixels keeps its thin parts as soft lines instead of dropping them.
Image Placed(const Image& source, Box box, float scale, float cx, float cy, int size)
{
    const int taps = std::max(2, int(std::ceil(2.0f / scale)));
    const float bx = float(box.x0 + box.x1) * 0.5f, by = float(box.y0 + box.y1) * 0.5f;
    Image out(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgba sum;
            for (int j = 0; j < taps; ++j)
                for (int i = 0; i < taps; ++i) {
                    const float px = float(x) + (float(i) + 0.5f) / float(taps);
                    const float py = float(y) + (float(j) + 0.5f) / float(taps);
                    const float sx = bx + (px - cx) / scale, sy = by + (py - cy) / scale;
                    if (sx < 0 || sy < 0 || sx >= float(source.Width()) || sy >= float(source.Height()))
                        continue;
                    const Rgba s = source.Sample(sx, sy);
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
                }
            out.At(x, y) = Scaled(sum, 1.0f / float(taps * taps));
        }
    return out;
}

Image Composed(const ArtSource& src, const Image& ship, Box box, int size)
{
    const double c = size * 0.5, r = size * 0.47;
    // A rim at least a pixel and a half wide, or the disc's edge vanishes at 48 pixels.
    const double rim = std::max(1.5, size / 40.0);
    Canvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* disc = cairo_pattern_create_radial(c, c * 0.8, 0, c, c, r);
    AddStop(disc, 0, Unpremultiplied(src.Colour("disc", Straight(0.04f, 0.08f, 0.16f), 0)));
    AddStop(disc, 1, Unpremultiplied(src.Colour("disc", Straight(0.01f, 0.02f, 0.05f), 1)));
    cairo_set_source(cr, disc);
    cairo_arc(cr, c, c, r, 0, 2 * std::numbers::pi);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(disc);
    canvas.SetColour(Unpremultiplied(src.Colour("rim", Straight(0.3f, 0.85f, 1.0f))));
    cairo_set_line_width(cr, rim);
    cairo_stroke(cr);
    Image picture = canvas.ToImage();

    const float fill = src.Number("fill", 0.82f);
    const float extent = float(std::max(box.x1 - box.x0, box.y1 - box.y0));
    const float scale = fill * float(2 * r - 2 * rim) / extent;
    const Image placed = Placed(ship, box, scale, float(c), float(c), size);
    // A cool halo behind the hull lifts the dark ship off the dark disc.
    const Image halo = Blurred(placed, std::max(1, size / 24));
    const Rgba glow = src.Colour("halo", Straight(0.3f, 0.85f, 1.0f, 0.8f));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            picture.Add(x, y, Scaled(glow, halo.At(x, y).a * 0.7f));
    picture.Blit(placed, 0, 0);
    return picture;
}

} // namespace

int RunAppIcon(ArtContext& context, const std::string& sourcePath, const std::string& runDir,
               const std::string& outDir)
{
    const ArtSource& src = context.source;
    std::vector<std::string> problems = context.errors;
    std::vector<int> sizes;
    for (const auto& words : src.All("sizes"))
        for (const std::string& word : words) {
            const int size = std::atoi(word.c_str());
            if (size < 16 || size > 1024)
                problems.push_back("'sizes' must be numbers from 16 to 1024");
            else
                sizes.push_back(size);
        }
    if (sizes.empty())
        problems.push_back("needs a 'sizes' line");
    const std::string output = src.Text("output");
    if (output.empty())
        problems.push_back("needs an 'output' line");

    std::vector<TintLayer> layers;
    for (const auto& words : src.All("layer")) {
        TintLayer layer;
        float tint[4] = {};
        bool numbers = words.size() == 5;
        for (size_t i = 1; numbers && i < 5; ++i) {
            char* end = nullptr;
            tint[i - 1] = std::strtof(words[i].c_str(), &end);
            numbers = *end == '\0' && tint[i - 1] >= 0;
        }
        if (!numbers) {
            problems.push_back("'layer' needs a file and four colour numbers: red green blue saturation");
            continue;
        }
        std::string error;
        if (!ReadTga(runDir + "/" + words[0], layer.picture, error)) {
            problems.push_back(error);
            continue;
        }
        if (!layers.empty() && (layer.picture.Width() != layers[0].picture.Width() ||
                                layer.picture.Height() != layers[0].picture.Height())) {
            problems.push_back(words[0] + ": not the size of the first layer");
            continue;
        }
        layer.red = tint[0] * tint[3];
        layer.green = tint[1] * tint[3];
        layer.blue = tint[2] * tint[3];
        layers.push_back(std::move(layer));
    }
    if (layers.empty())
        problems.push_back("needs at least one 'layer' line");

    Image ship;
    Box box{};
    if (!layers.empty()) {
        ship = TintedShip(layers);
        box = CoveredBox(ship);
        if (box.x1 <= box.x0)
            problems.push_back("the layers cover no pixel");
    }
    problems.insert(problems.end(), src.Problems().begin(), src.Problems().end());
    if (!problems.empty()) {
        for (const auto& p : problems)
            std::fprintf(stderr, "%s: %s\n", sourcePath.c_str(), p.c_str());
        return 1;
    }
    for (int size : sizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        if (!SavePicture(Composed(src, ship, box, size), AlphaMode::Straight, outDir + "/" + name + "/apps/" + output))
            return 1;
    }
    return 0;
}
