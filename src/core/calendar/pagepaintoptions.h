#pragma once

// What a drawing of the page is for. The screen adds marks that help the
// user edit; pictures, the command line and print never show them. Paper
// (a printer, a PDF, a print-resolution picture) sets its texts by the
// print rules at the device's resolution.
struct PagePaintOptions
{
    bool screen = false;
    bool paper = false;
};
