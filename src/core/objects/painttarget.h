#pragma once

class QPainter;

// What a drawing routine needs to know about where it draws. The screen,
// pictures and the command line get zoom = scale and deviceFactor = 1;
// a printer or PDF page of d dots per inch gets deviceFactor = d / 96 and
// the rest of the scale as the zoom, and the print rules of the kinds
// switch on with print. One routine thus serves every target.
struct PaintTarget
{
    float zoom = 1.0f; // the display scale the layout is worked out at
    double deviceFactor = 1.0; // device pixels per page pixel at that zoom
    bool print = false; // a printer or PDF page

    // scale is device pixels per page pixel, as TVGraphicControl::paint takes it.
    [[nodiscard]] static PaintTarget of(const QPainter &painter, float scale);
};
