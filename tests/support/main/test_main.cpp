// The one main() of every window test program: the program's own application
// object (a handler's failure ends in the error box, as in the program), the
// icon themes the program sets up at its start, and the offscreen platform
// unless the caller chose another, so that listing the tests needs no display.

#include "app/application.h"
#include "app/button_pictures.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A test never shuts the machine down, whoever started it.
    qputenv("KORVANTE_NO_SHUTDOWN", "1");
    TKorvanteApplication app(argc, argv);
    useInstalledIconThemes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
