// TShutdown's delay and abort warning, and the production no-op under tests.

#include "desktop/shutdown.h"
#include "platform/qt_services.h"
#include "tests/support/ui/recording_services.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Shutdown : ::testing::Test {
    RecordingServices services;
    TShutdown component;

    Shutdown() {
        component.MessageString = "Operacja na systemie operacyjnym...";
        component.Options = shoForce | shoShutdown;
        component.TimeOut = 1;
    }
};

TEST_F(Shutdown, AbortBeforeTheDelayEndsCancelsIt) {
    QString shown;
    services.modalSteps["TShutdownWarning"] = [&](QDialog& d) {
        auto& warning = static_cast<TShutdownWarning&>(d);
        shown = warning.text->text();
        EXPECT_EQ(warning.windowTitle(), "Warning");
        EXPECT_TRUE(component.timer()->isActive());
        QTest::mouseClick(warning.Abort, Qt::LeftButton);
        return warning.result();
    };
    EXPECT_TRUE(component.Execute());
    EXPECT_EQ(shown, "Operacja na systemie operacyjnym...");
    EXPECT_FALSE(component.timer()->isActive());
    EXPECT_TRUE(services.callsOf("shutdown").isEmpty());
}

TEST_F(Shutdown, TheDelayEndsInTheRequestAndClosesTheWarning) {
    component.AllowAbort = false;
    services.modalSteps["TShutdownWarning"] = [&](QDialog& d) -> int {
        auto& warning = static_cast<TShutdownWarning&>(d);
        EXPECT_EQ(warning.Abort, nullptr);
        // Without an Abort button Esc does not close it either.
        QTest::keyClick(&warning, Qt::Key_Escape);
        EXPECT_TRUE(warning.isVisible());
        EXPECT_TRUE(services.callsOf("shutdown").isEmpty());
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!warning.isVisible(), 5000); }();
        return warning.result();
    };
    EXPECT_TRUE(component.Execute());
    ASSERT_EQ(services.callsOf("shutdown").size(), 1);
    EXPECT_EQ(services.callsOf("shutdown")[0].args, QStringList({"1", "1", "0", ""}));
}

TEST_F(Shutdown, TheNTPathAsksOnlyForThisComputer) {
    component.OperatingSystem = TShOs::shWinNT;
    component.Options = shoReboot;
    component.TimeOut = 20;
    component.NTMachineName = "OTHER-PC";
    EXPECT_FALSE(component.Execute());
    EXPECT_TRUE(services.callsOf("shutdown").isEmpty());

    component.NTMachineName.clear();
    EXPECT_TRUE(component.Execute());
    // The system waits and shows the notice; no warning of the program's own.
    EXPECT_TRUE(services.callsOf("showModal").isEmpty());
    EXPECT_EQ(services.callsOf("shutdown").value(0).args,
              QStringList({"2", "0", "20", "Operacja na systemie operacyjnym..."}));
}

TEST(ProductionShutdown, DoesNothingWhileTheTestRunnerForbidsIt) {
    qputenv("KORVANTE_NO_SHUTDOWN", "1");
    platform::QtServices production;
    platform::ShutdownRequest request;
    request.kind = platform::ShutdownKind::PowerOff;
    request.force = true;
    EXPECT_FALSE(production.shutdown(request));
}

} // namespace
