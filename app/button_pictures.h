#pragma once
// Pictures on the main window's buttons: the desktop's freedesktop icon theme
// first, the style's standard pictures when the theme has none. Buttons that
// show only a picture keep their hint as tooltip and their name (in the
// current language) for screen readers.

#include <QIcon>
#include <QStyle>

class TForm1;

struct ButtonPicture {
    const char* button; // object name
    const char* icons;  // freedesktop icon names, blank-separated, first found wins
    QStyle::StandardPixmap fallback;
    bool pictureOnly; // false: the caption stays beside the picture
};

// Makes the freedesktop themes installed with the program (Adwaita, Breeze)
// the fallback of whatever theme the desktop names, so pictures are found
// under any desktop, or none. For the whole run: once, before any window.
void useInstalledIconThemes();

QIcon buttonPicture(const ButtonPicture& picture);

// Every button with its picture, in one table.
const QList<ButtonPicture>& mainWindowButtonPictures();

void showButtonPictures(TForm1& form);
