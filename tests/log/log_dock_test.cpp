// The log pane dragged out of the bottom panel into a floating window and
// docked back by a click on the panel; it keeps its lines and colours.

#include "log/log_colors.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "platform/colors.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QDockWidget>
#include <QImage>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool rowHasColour(TLogPane& pane, int row, const QColor& colour) {
    const QImage image = pane.viewport()->grab().toImage();
    const QRect rect = pane.visualRect(pane.model()->index(row, 0));
    for (int y = rect.top(); y <= rect.bottom() && y < image.height(); ++y)
        for (int x = rect.left(); x <= rect.right() && x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                return true;
    return false;
}

struct LogDock : MainWindowFixture {
    void create() {
        MainWindowFixture::create(1);
        form->resize(900, 640);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void expectLinesAndColours(const QStringList& lines) {
        TLogPane& pane = *form->logPanel->memo1;
        ASSERT_EQ(pane.lines(), lines);
        pane.setCurrentIndex({});
        EXPECT_TRUE(rowHasColour(pane, 0, platform::colorFromValue(sessionlog::kGreen)));
        EXPECT_TRUE(rowHasColour(pane, 1, platform::colorFromValue(sessionlog::kRed)));
        EXPECT_FALSE(rowHasColour(pane, 1, platform::colorFromValue(sessionlog::kGreen)));
    }
};

TEST_F(LogDock, PaneFloatsOutAndDocksBackWithItsLinesAndColours) {
    create();
    const QStringList lines = {"Connected.", "Recv: 530 Login incorrect.<EOL>",
                               "Recv: 226 Transfer complete.<EOL>"};
    for (const QString& line : lines)
        form->IdLogDebug1LogItem(line);
    QDockWidget* dock = form->logPanel->memo1Dock;
    EXPECT_EQ(dock->windowTitle(), "Logi");
    const int dockedHeight = form->logPanel->height();
    EXPECT_EQ(dockedHeight, 110);

    // Drag the pane by its title bar (down its left edge) up into the file lists.
    const QPoint grip(dock->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dock) / 2,
                      dock->height() / 2);
    QTest::mousePress(dock, Qt::LeftButton, {}, grip);
    for (int step = 1; step <= 6; ++step)
        QTest::mouseMove(dock, grip + QPoint(20 * step, -60 * step));
    QTest::mouseRelease(dock, Qt::LeftButton, {}, grip + QPoint(120, -360));
    ASSERT_TRUE(dock->isFloating());
    EXPECT_TRUE(dock->isWindow());
    EXPECT_NE(form->logPanel->memo1->window(), form.get());
    EXPECT_LT(form->logPanel->height(), dockedHeight);
    expectLinesAndColours(lines);

    // New lines reach the floating pane.
    form->IdLogDebug1LogItem("Recv: 451 Aborted.<EOL>");
    EXPECT_EQ(form->logPanel->memo1->count(), 4);

    // Closing the floating window hides the pane; a double click on the
    // bottom panel shows it again, a click docks it.
    dock->close();
    EXPECT_FALSE(form->logPanel->memo1->isVisible());
    QTest::mouseDClick(form->StatusBar1, Qt::LeftButton);
    EXPECT_TRUE(form->logPanel->memo1->isVisible());
    EXPECT_TRUE(dock->isFloating());
    QTest::mouseClick(form->StatusBar1, Qt::LeftButton);
    EXPECT_FALSE(dock->isFloating());
    EXPECT_EQ(form->logPanel->memo1->window(), form.get());
    EXPECT_EQ(form->logPanel->height(), dockedHeight);
    expectLinesAndColours(lines + QStringList{"Recv: 451 Aborted.<EOL>"});
}

TEST_F(LogDock, ThePaneHiddenByItsOwnerTakesItsDockAlong) {
    create();
    form->logPanel->memo1->hide();
    EXPECT_TRUE(form->logPanel->memo1Dock->isHidden());
    form->logPanel->fitBottomPanel();
    EXPECT_LT(form->logPanel->height(), 110);
    form->roz2Click(); // shows the pane again
    EXPECT_FALSE(form->logPanel->memo1Dock->isHidden());
    EXPECT_TRUE(form->logPanel->memo1->isVisible());
}

} // namespace
