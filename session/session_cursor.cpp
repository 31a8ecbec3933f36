#include "session/session_cursor.h"

#include <QApplication>
#include <QCursor>

namespace session {

void hourglass() {
    if (!QApplication::overrideCursor())
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void normalCursor() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace session
