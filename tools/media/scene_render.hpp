#pragma once
// Draws the frames of a scene: everything that does not move is computed once (nebula tile,
// planet surfaces, the sphere mapping), so a frame is only lookups and a few sprites.
#include <cstdint>
#include <vector>

#include "tools/media/scene.hpp"

class SceneRenderer {
public:
    static constexpr int Size = 512;

    explicit SceneRenderer(const Scene& scene);
    // Writes Size x Size packed RGB, top row first.
    void Render(int frame, std::vector<uint8_t>& rgb);

private:
    struct Star {
        float x, y, brightness, phase;
        int layer;
        Rgb tint;
    };
    struct PlanetData {
        const PlanetSpec* planet;
        std::vector<Rgb> surface;               // SurfaceW x SurfaceH
        // Grid x Grid cells over 2.2 radii: map position, light, rim glow, distance from the
        // centre; one record per cell so a pixel touches one cache line.
        struct Cell {
            float u0, v, shade, rim, distance;
        };
        std::vector<Cell> grid;
        double spin;
    };

    void DrawBackground(int frame);
    void DrawStars(int frame);
    void DrawPlanet(const PlanetData& p, int frame);
    void DrawFleets(int frame);
    void DrawBursts(int frame);
    void Finish(int frame, std::vector<uint8_t>& rgb);
    void AddGlow(float x, float y, float radius, Rgb colour);

    const Scene& scene_;
    std::vector<Rgb> image_;
    std::vector<Rgb> nebula_;
    std::vector<float> vignette_;
    std::vector<Star> stars_;
    std::vector<PlanetData> planets_;
    double starSpeedScale_ = 1.0;
    double driftX_ = 0.0, driftY_ = 0.0;
};
