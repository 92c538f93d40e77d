#pragma once

class QWidget;

// What screen readers learn of the main screen beyond Qt's own interfaces: an opaque cover (the
// steelyard frame) hides what lies under it, the coloured buttons are push buttons that say their
// captions, and a drawing box that stands for a number (the time bar) is a progress bar.
namespace a11y {

// Installs the program's accessible interfaces for the widgets of window, which must not have
// children yet: an interface Qt makes for a widget under construction is kept for good.
void installFor(QWidget *window);

// Marks cover as opaque: while it is shown, whatever is stacked below it and lies wholly
// inside it is reported as not showing, and its buttons offer no action.
void markAsCover(QWidget *cover);

// True while a shown cover stacked above w, or above one of its ancestors, hides it whole.
bool isCovered(const QWidget *w);

// Shows or hides a cover and tells screen readers what came into view or went out of it.
void setCoverShown(QWidget *cover, bool shown);

} // namespace a11y
