#pragma once
// The names a screen reader (or anything reading the accessibility bus) gives
// the main window's controls: each field is linked to its label, and the
// buttons that show only a picture, the lists and the unlabelled fields are
// named in the window's current language.

class TForm1;

// Links the connection fields to their labels; once, when the window is built.
void linkFieldLabels(TForm1& form);

// Names the picture-only buttons, the lists and the search field; with every
// caption set the window switches to.
void nameControls(TForm1& form, bool polish);
