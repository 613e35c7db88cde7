#pragma once

class TCalendarPanel32;

// Connects the kinds' own editing to the page: the step a newly placed clip
// art or rich-text label opens, what a double-click on a selected object
// opens, and each kind's entries in its object menu.
namespace ObjectEditors {

void install(TCalendarPanel32 &panel);

} // namespace ObjectEditors
