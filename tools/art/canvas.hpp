#pragma once
// Vector drawing for pictures: a Cairo image surface with helpers for gradients, glows and
// text set in a font file, converted to an Image for compositing and saving.
#include "tools/art/image.hpp"

#include <cairo.h>

#include <string>

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() { return cr_; }
    Image ToImage();

    void SetColour(Rgba straightColour);
    // Selects the face in `fontFile` at `size` pixels; false when the file does not load.
    bool SetFont(const std::string& fontFile, double size);
    // Draws text centred on x with its baseline at y; returns the text's advance width.
    double CentredText(const std::string& text, double x, double y);
    double TextWidth(const std::string& text);

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Colour stop helper: adds a stop of a straight colour.
void AddStop(cairo_pattern_t* pattern, double offset, Rgba straightColour);
// The straight colour of a premultiplied one (for handing palette colours to Cairo).
Rgba Unpremultiplied(Rgba c);
