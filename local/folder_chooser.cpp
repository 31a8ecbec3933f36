#include "local/folder_chooser.h"

#include "app/language.h"
#include "local/folder_chooser_texts.h"
#include "local/folder_removal.h"
#include "local/local_lists.h"
#include "platform/colors.h"
#include "platform/paths.h"
#include "platform/services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace texts = folder_chooser_texts;

namespace {

QString folderName(const QString& path) {
    return QDir(path).isRoot() ? path : QFileInfo(path).fileName();
}

} // namespace

TFormy::TFormy(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Formy"));
    setModal(true);

    dysk = new QComboBox;
    dysk->setObjectName(QStringLiteral("dysk"));
    katalog = new TLocalFolderList;
    katalog->setObjectName(QStringLiteral("katalog"));
    OK = new QPushButton(QStringLiteral("OK"));
    OK->setObjectName(QStringLiteral("OK"));
    Anuluj = new QPushButton;
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    for (QPushButton* b : {OK, Anuluj})
        b->setAutoDefault(false);

    menu_formy = new QMenu(this);
    menu_formy->setObjectName(QStringLiteral("menu_formy"));
    nowy = menu_formy->addAction(QString());
    nowy->setObjectName(QStringLiteral("nowy"));
    usun = menu_formy->addAction(QString());
    usun->setObjectName(QStringLiteral("usun"));
    usun->setEnabled(false);
    odswiez = menu_formy->addAction(QString());
    odswiez->setObjectName(QStringLiteral("odswiez"));
    szukaj = menu_formy->addAction(QString());
    szukaj->setObjectName(QStringLiteral("szukaj"));
    katalog->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(katalog, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_formy->popup(katalog->viewport()->mapToGlobal(at)); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Anuluj);
    auto* main = new QVBoxLayout(this);
    main->addWidget(dysk);
    main->addWidget(katalog, 1);
    main->addLayout(buttons);
    resize(320, 400);

    connect(OK, &QPushButton::clicked, this, &TFormy::OKClick);
    connect(Anuluj, &QPushButton::clicked, this, &TFormy::AnulujClick);
    connect(katalog, &QListWidget::itemClicked, this, &TFormy::katalogClick);
    connect(katalog, &TLocalFolderList::directoryChanged, this, &TFormy::selectDriveOf);
    connect(dysk, &QComboBox::activated, this, &TFormy::dyskChange);
    connect(nowy, &QAction::triggered, this, &TFormy::nowyClick);
    connect(usun, &QAction::triggered, this, &TFormy::usunClick);
    connect(odswiez, &QAction::triggered, this, &TFormy::odswiezClick);
    connect(szukaj, &QAction::triggered, this, &TFormy::szukajClick);

    fillDrives();
    if (!openFolder(platform::programFolder()))
        openFolder(platform::fallbackFolder());
    FormActivate();
}

void TFormy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TFormy::FormActivate() {
    platform::applyFieldColors({dysk, katalog}, fieldBackground, fieldText);
    const int flag = languageFlag();
    setWindowTitle(lang::pick(texts::kTitle, flag));
    Anuluj->setText(lang::pick(texts::kCancel, flag));
    nowy->setText(lang::pick(texts::kNew, flag));
    usun->setText(lang::pick(texts::kRemove, flag));
    odswiez->setText(lang::pick(texts::kRefresh, flag));
    szukaj->setText(lang::pick(texts::kFind, flag));
}

void TFormy::fillDrives() {
    dysk->clear();
    dysk->addItems(local::mountedDriveRoots());
}

void TFormy::selectDriveOf(const QString& path) {
    QStringList roots;
    for (int i = 0; i < dysk->count(); ++i)
        roots.append(dysk->itemText(i));
    const int drive = local::driveIndexOf(roots, path);
    if (drive >= 0) {
        dysk->setCurrentIndex(drive);
        driveFolders_.remember(roots.at(drive), path);
    }
}

void TFormy::dyskChange(int index) {
    const QString root = dysk->itemText(index);
    const QString last = driveFolders_.currentFolderOf(root);
    if (!openFolder(last))
        openFolder(root);
}

bool TFormy::openFolder(const QString& path) {
    return katalog->setDirectory(path);
}

void TFormy::katalogClick() {
    usun->setEnabled(katalog->currentItem() != nullptr);
}

void TFormy::OKClick() {
    chosenFolder = katalog->directory();
    accept();
}

void TFormy::AnulujClick() {
    reject();
}

void TFormy::nowyClick() {
    const int flag = languageFlag();
    const auto answer = platform::services().inputBox(lang::pick(texts::kNewCaption, flag),
                                                      lang::pick(texts::kNewPrompt, flag), {});
    if (!answer || answer->isEmpty())
        return;
    // A full path is taken as it is, a name is made in the current folder.
    QDir(katalog->directory()).mkdir(*answer);
    katalog->refresh();
}

void TFormy::usunClick() {
    const int flag = languageFlag();
    if (platform::services().messageDlg(lang::pick(texts::kRemoveQuestion, flag),
                                        platform::DlgType::Warning,
                                        platform::DlgButtons::YesNo) != platform::DlgResult::Yes)
        return;
    const int row = katalog->currentRow();
    if (row < 0)
        return;
    if (row == 0) {
        platform::services().messageDlg(lang::pick(texts::kRemoveWholeDisk, flag),
                                        platform::DlgType::Warning, platform::DlgButtons::Ok);
        return;
    }
    // Only a subfolder of the folder shown can go; the entries above it are
    // the way down to it (deleting one would take the shown folder along).
    const QString path = katalog->folderAt(row);
    const QString current = katalog->directory();
    if (QFileInfo(path).absolutePath() == current && path != current) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        localfiles::removeFolder(path);
        QApplication::restoreOverrideCursor();
    }
    katalog->refresh();
    usun->setEnabled(false);
}

void TFormy::odswiezClick() {
    katalog->refresh();
}

void TFormy::szukajClick() {
    const int flag = languageFlag();
    const auto answer = platform::services().inputBox(lang::pick(texts::kFindCaption, flag),
                                                      lang::pick(texts::kFindPrompt, flag), {});
    if (!answer || answer->isEmpty())
        return;
    for (int row = 0; row < katalog->count(); ++row) {
        if (folderName(katalog->folderAt(row)).startsWith(*answer, Qt::CaseInsensitive)) {
            katalog->setCurrentRow(row);
            katalogClick();
            return;
        }
    }
}
