#pragma once

// What a drawing of the page is for. The screen adds marks that help the
// user edit; pictures, the command line and print never show them.
struct PagePaintOptions
{
    bool screen = false;
};
