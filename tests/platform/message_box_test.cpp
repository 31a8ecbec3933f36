// The production message box: the icon of each kind, the caption, the text
// and the buttons, checked on the box before it would run.

#include "platform/qt_services.h"

#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

using platform::BoxKind;
using platform::DlgButtons;

TEST(MessageBox, EachKindShowsItsStandardIcon) {
    const struct {
        BoxKind kind;
        QMessageBox::Icon icon;
    } kinds[] = {
        {BoxKind::Plain, QMessageBox::NoIcon},
        {BoxKind::Information, QMessageBox::Information},
        {BoxKind::Warning, QMessageBox::Warning},
        {BoxKind::Error, QMessageBox::Critical},
        {BoxKind::Question, QMessageBox::Question},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE("box kind " + std::to_string(int(k.kind)));
        const auto box = platform::buildMessageBox(
            QStringLiteral("Tekst"), QStringLiteral("KORVANTE - FTP"), DlgButtons::Ok, k.kind);
        EXPECT_EQ(box->icon(), k.icon) << int(k.kind);
        // A box with an icon paints it: the picture is not empty.
        EXPECT_EQ(box->iconPixmap().isNull(), k.icon == QMessageBox::NoIcon) << int(k.kind);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("KORVANTE - FTP"));
        EXPECT_EQ(box->text(), QStringLiteral("Tekst"));
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    }
    const auto question =
        platform::buildMessageBox(QStringLiteral("Czy?"), QStringLiteral("KORVANTE - Usunięcie"),
                                  DlgButtons::YesNo, BoxKind::Question);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
}

} // namespace
