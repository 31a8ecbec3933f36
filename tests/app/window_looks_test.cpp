// What the user sees of the main window: menus where the mouse was, pictures
// on the buttons, names a screen reader can read.

#include "app/button_pictures.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "session/quick_connect_dialog.h"
#include "tests/app/shown_main_window.h"

#include <QAccessible>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QWindow>

namespace {

struct WindowLooks : ShownMainWindow {
    // The field's face as painted: its background at the left edge, and
    // whether some pixel of the text stands out from it.
    struct Face {
        QColor background;
        int strongestContrast = 0;
    };
    static Face faceOf(QWidget* field) {
        const QImage picture = field->grab().toImage();
        if (const char* dir = getenv("KORVANTE_TEST_PICTURES"))
            picture.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + field->objectName() +
                         QStringLiteral(".png"));
        Face face;
        face.background = picture.pixelColor(4, picture.height() / 2);
        for (int y = 2; y < picture.height() - 2; ++y)
            for (int x = 2; x < picture.width() / 2; ++x) {
                const QColor c = picture.pixelColor(x, y);
                face.strongestContrast =
                    qMax(face.strongestContrast, qAbs(c.lightness() - face.background.lightness()));
            }
        return face;
    }
};

TEST_F(WindowLooks, ContextMenusOpenWhereTheListWasClicked) {
    open(1);
    const struct {
        QAbstractScrollArea* list;
        QMenu* menu;
    } lists[] = {{form->serverPanel->ftp_lista, form->menu_servery},
                 {form->serverPanel->l3, form->menu_ftp},
                 {form->localPanel->pliki, form->menu_pliki},
                 {form->localPanel->katalog, form->menu_katalog},
                 {form->logPanel->memo1, form->menu_logi}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.list->objectName().toStdString());
        ASSERT_TRUE(l.list->isVisible()) << l.list->objectName().toStdString();
        // A right click a little inside the list's rows, sent to the window
        // as the desktop sends it.
        const QPoint inRows(25, 12);
        const QPoint clicked = l.list->viewport()->mapToGlobal(inRows);
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                          form->windowHandle()->mapFromGlobal(clicked));
        ASSERT_TRUE(QTest::qWaitFor([&] { return l.menu->isVisible(); }, 2000));
        // The menu's corner is at the click; a menu that does not fit below
        // the click opens above it instead.
        EXPECT_EQ(l.menu->pos().x(), clicked.x()) << l.list->objectName().toStdString();
        EXPECT_TRUE(l.menu->pos().y() == clicked.y() ||
                    l.menu->pos().y() + l.menu->height() == clicked.y())
            << l.list->objectName().toStdString() << ": menu at " << l.menu->pos().y()
            << ", click at " << clicked.y();
        l.menu->close();
    }
}

TEST_F(WindowLooks, QuickConnectPortIsReadableOnAFreshProgramFolder) {
    // No konf.dat at all: the colour slots stay at the form's defaults.
    for (bool fresh : {false, true}) {
        SCOPED_TRACE(fresh ? "no konf.dat" : "built-in konf.dat");
        open(1);
        if (fresh) {
            form.reset();
            QFile::remove(home.file(QStringLiteral("konf.dat")));
            createWindow();
            showWindow();
        }
        Face port;
        services.modalSteps[QStringLiteral("Form10")] = [&](QDialog& dialog) {
            auto* quick = static_cast<TForm10*>(&dialog);
            quick->adres->setText(QStringLiteral("ftp.example.com"));
            port = faceOf(quick->port);
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(form->topPanel->dynamik, Qt::LeftButton);
        ASSERT_EQ(services.callsOf(QStringLiteral("showModal")).size(), fresh ? 2 : 1);
        // The port field is light, as the other fields, and its number stands out.
        EXPECT_GT(port.background.lightness(), 100) << fresh;
        EXPECT_GT(port.strongestContrast, 100) << fresh;
        form.reset();
    }
}

TEST_F(WindowLooks, EveryButtonShowsAPictureFromTheIconTheme) {
    open(1);
    int fromTheme = 0;
    for (const ButtonPicture& picture : mainWindowButtonPictures()) {
        SCOPED_TRACE(picture.button);
        auto* button = form->findChild<QToolButton*>(QString::fromLatin1(picture.button));
        ASSERT_NE(button, nullptr) << picture.button;
        EXPECT_FALSE(button->icon().isNull()) << picture.button;
        EXPECT_EQ(button->toolButtonStyle(),
                  picture.pictureOnly ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon)
            << picture.button;
        if (QString::fromLatin1(picture.icons).split(' ').contains(button->icon().name()))
            ++fromTheme;
    }
    // The desktop's theme gives most pictures (the program installs one).
    EXPECT_GT(fromTheme, 20);
    // No button of the window is left with letters where a picture belongs,
    // and the hints stay tooltips.
    for (QToolButton* button : form->findChildren<QToolButton*>()) {
        if (button->window() != form.get() || !button->isVisibleTo(form.get()) ||
            button->objectName().startsWith(QLatin1String("qt_")))
            continue;
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    }
    EXPECT_EQ(form->serverPanel->Cofnij->toolTip(), QString::fromUtf8("Poziom w górę"));
    EXPECT_EQ(form->serverPanel->sciagnij_ftp->toolTip(),
              QString::fromUtf8("Ściągnij plik(i) z FTP [F7]"));
}

QString nameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(WindowLooks, ScreenReadersNameEveryFieldAndPictureButtonInTheWindowsLanguage) {
    const struct {
        int language;
        const char *folder, *user, *server, *password, *up, *download;
    } cases[] = {
        {1, "Jesteś w katalogu", "Użytkownik/Konto", "Nazwa serwera FTP", "Hasło", "Poziom w górę",
         "Ściągnij plik(i) z FTP [F7]"},
        {0, "You are in directory", "User/Accont", "FTP server name", "Password", "One level up",
         "Download file(s) from FTP [F7]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language == 1 ? "Polish" : "English");
        open(c.language);
        EXPECT_EQ(nameOf(form->topPanel->CurrentDirEdit), QString::fromUtf8(c.folder));
        EXPECT_EQ(nameOf(form->topPanel->UserID), QString::fromUtf8(c.user));
        EXPECT_EQ(nameOf(form->topPanel->FTpServer), QString::fromUtf8(c.server));
        EXPECT_EQ(nameOf(form->topPanel->Password2), QString::fromUtf8(c.password));
        EXPECT_EQ(nameOf(form->serverPanel->Cofnij), QString::fromUtf8(c.up));
        EXPECT_EQ(nameOf(form->serverPanel->sciagnij_ftp), QString::fromUtf8(c.download));
        EXPECT_EQ(form->topPanel->Label1->buddy(), form->topPanel->CurrentDirEdit);
        EXPECT_EQ(form->topPanel->lbl_haslo->buddy(), form->topPanel->Password2);
        // Every button that shows only a picture has a name, and so do the lists.
        for (QToolButton* button : form->findChildren<QToolButton*>()) {
            if (button->window() == form.get() && button->isVisibleTo(form.get()) &&
                button->toolButtonStyle() == Qt::ToolButtonIconOnly &&
                !button->objectName().startsWith(QLatin1String("qt_"))) {
                EXPECT_FALSE(nameOf(button).isEmpty()) << button->objectName().toStdString();
            }
        }
        for (QWidget* list : std::initializer_list<QWidget*>{
                 form->serverPanel->ftp_lista, form->serverPanel->l3, form->localPanel->pliki,
                 form->localPanel->katalog, form->serverPanel->szukaj})
            EXPECT_FALSE(nameOf(list).isEmpty()) << list->objectName().toStdString();
        // The quick-connect dialog's fields are named by their labels.
        TForm10* quick = form->Form10;
        EXPECT_EQ(quick->Label5->buddy(), quick->adres);
        EXPECT_EQ(quick->Label6->buddy(), quick->uzytkownik);
        EXPECT_EQ(quick->Label7->buddy(), quick->haslo);
        EXPECT_EQ(quick->lbl_port->buddy(), quick->port);
        form.reset();
    }
}

} // namespace
