#pragma once
// The program's own icon, drawn rather than shipped, for the notification
// area and the windows.

#include <QIcon>

QIcon programIcon();
