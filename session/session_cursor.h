#pragma once
// The hourglass of long remote operations. Handlers show it and restore the
// normal cursor at fixed points; nesting does not stack, so one restore always
// brings the arrow back, as the program has always behaved.

namespace session {

void hourglass();
void normalCursor();

} // namespace session
