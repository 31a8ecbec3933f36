#include "app/button_pictures.h"

#include "app/main_window.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>

void useInstalledIconThemes() {
    // Without a desktop (a bare X server, offscreen) Qt looks for themes
    // nowhere; the freedesktop places are where the themes live.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& data :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory))
        if (!paths.contains(data))
            paths.append(data);
    QIcon::setThemeSearchPaths(paths);
    for (const char* theme : {"Adwaita", "breeze"}) {
        const QString name = QString::fromLatin1(theme);
        for (const QString& root : paths)
            if (QDir(root + QLatin1Char('/') + name).exists(QStringLiteral("index.theme"))) {
                QIcon::setFallbackThemeName(name);
                if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
                    QIcon::setThemeName(name);
                return;
            }
    }
}

QIcon buttonPicture(const ButtonPicture& picture) {
    const QStringList names = QString::fromLatin1(picture.icons).split(QLatin1Char(' '));
    for (const QString& name : names)
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    return QApplication::style()->standardIcon(picture.fallback);
}

const QList<ButtonPicture>& mainWindowButtonPictures() {
    static const QList<ButtonPicture> pictures = {
        // ToolBar1: captions beside the pictures
        {"pol2", "network-transmit-receive network-connect", QStyle::SP_DriveNetIcon, false},
        {"roz2", "network-offline network-disconnect", QStyle::SP_DialogCancelButton, false},
        {"stop", "process-stop", QStyle::SP_BrowserStop, false},
        {"Ustawienia2", "preferences-system configure", QStyle::SP_FileDialogDetailedView, false},
        {"opcje", "network-server", QStyle::SP_FileDialogListView, false},
        {"SpeedButton4", "folder-remote", QStyle::SP_DirLinkIcon, false},
        {"pomoc", "help-browser help-contents", QStyle::SP_DialogHelpButton, false},
        {"zamknij", "application-exit", QStyle::SP_DialogCloseButton, false},
        {"CButton", "go-bottom go-down", QStyle::SP_TitleBarMinButton, true},
        // top panel
        {"statystyka", "web-browser internet-web-browser", QStyle::SP_FileDialogInfoView, true},
        {"dynamik", "go-jump network-wired", QStyle::SP_ArrowRight, true},
        // local panel
        {"siec", "network-workgroup folder-remote", QStyle::SP_DriveNetIcon, true},
        {"wyslij_pliki", "document-send go-up", QStyle::SP_ArrowUp, true},
        {"SpeedButton2", "edit-delete", QStyle::SP_TrashIcon, true},
        {"filtr", "view-filter edit-find", QStyle::SP_FileDialogContentsView, true},
        {"SpeedButton3", "folder-new", QStyle::SP_FileDialogNewFolder, true},
        {"ran2", "system-run", QStyle::SP_MediaPlay, true},
        {"litery_lokal", "format-text-bold insert-text", QStyle::SP_FileDialogDetailedView, true},
        // picture only: with "<<<" beside it, it alone would widen the
        // category column at the file list's cost
        {"kont", "view-fullscreen", QStyle::SP_TitleBarMaxButton, true},
        // server panel
        {"Cofnij", "go-up", QStyle::SP_FileDialogToParent, true},
        {"n_serwer", "edit-rename accessories-text-editor", QStyle::SP_FileLinkIcon, true},
        {"sciagnij_ftp", "folder-download go-down", QStyle::SP_ArrowDown, true},
        {"usun_ftp", "edit-delete", QStyle::SP_TrashIcon, true},
        {"n_dir", "folder-new", QStyle::SP_FileDialogNewFolder, true},
        {"filtr2", "view-filter edit-find", QStyle::SP_FileDialogContentsView, true},
        {"komenda", "utilities-terminal", QStyle::SP_ComputerIcon, true},
        {"SpeedButton1", "edit-find system-search", QStyle::SP_FileDialogContentsView, false},
        {"zamien", "format-text-bold insert-text", QStyle::SP_FileDialogDetailedView, true},
        {"run_ftp", "system-run", QStyle::SP_MediaPlay, true},
    };
    return pictures;
}

void showButtonPictures(TForm1& form) {
    for (const ButtonPicture& picture : mainWindowButtonPictures()) {
        auto* button = form.findChild<QToolButton*>(QString::fromLatin1(picture.button));
        if (!button)
            continue;
        button->setIcon(buttonPicture(picture));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(picture.pictureOnly ? Qt::ToolButtonIconOnly
                                                       : Qt::ToolButtonTextBesideIcon);
    }
}
