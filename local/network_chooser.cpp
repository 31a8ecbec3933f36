#include "local/network_chooser.h"

#include "app/main_window.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "local/network_chooser_texts.h"
#include "platform/colors.h"
#include "platform/services.h"

#include <QDir>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace texts = network_chooser_texts;
using platform::services;

namespace {

constexpr int kFilledRole = Qt::UserRole + 2;

QString shareCaption(const netmounts::Mount& share) {
    if (netmounts::isGvfs(share.type))
        return share.source;
    return share.source + QStringLiteral("  (") + share.mountPoint + QLatin1Char(')');
}

// A node that may hold folders gets a stand-in child, so it can be opened;
// its real children are read when it is.
void markExpandable(QTreeWidgetItem* node) {
    new QTreeWidgetItem(node);
}

} // namespace

Tfrm_siec::Tfrm_siec(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_siec"));
    setWindowTitle(QString::fromUtf8(texts::kTitle));
    Label1 = new QLabel(QString::fromUtf8(texts::kExpectedForm), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QString::fromUtf8(texts::kPickLabel), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QString::fromUtf8(texts::kChosenLabel), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    cmb_siec = new QTreeWidget(this);
    cmb_siec->setObjectName(QStringLiteral("cmb_siec"));
    cmb_siec->setHeaderHidden(true);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    Anuluj = new QPushButton(QString::fromUtf8(texts::kCancel), this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    for (QPushButton* b : {OK, Anuluj})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Anuluj);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addWidget(cmb_siec, 1);
    column->addWidget(Label3);
    column->addWidget(Edit1);
    column->addLayout(buttons);
    // The design's 440 pixels, or more when the note's line needs them.
    setFixedSize(qMax(440, column->totalMinimumSize().width()), 400);

    // A press of either button selects a node, and the path follows it.
    connect(cmb_siec, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { cmb_siecClick(node); });
    connect(cmb_siec, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { cmb_siecClick(node); });
    connect(cmb_siec, &QTreeWidget::itemExpanded, this, &Tfrm_siec::expandNode);
    connect(OK, &QPushButton::clicked, this, &Tfrm_siec::OKClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject);

    fillTree();
}

void Tfrm_siec::fillTree() {
    table_ = netmounts::readMountTable(netmounts::mountTablePath());
    cmb_siec->clear();
    auto* root = new QTreeWidgetItem(cmb_siec, {QString::fromUtf8(texts::kRoot)});
    root->setIcon(0, style()->standardIcon(QStyle::SP_DriveNetIcon));
    root->setData(0, kFilledRole, true);
    for (const netmounts::Mount& share : netmounts::networkShares(table_)) {
        auto* node = new QTreeWidgetItem(root, {shareCaption(share)});
        node->setData(0, kPathRole, share.mountPoint);
        node->setIcon(0, style()->standardIcon(QStyle::SP_DriveNetIcon));
        markExpandable(node);
    }
    root->setExpanded(true);
}

void Tfrm_siec::expandNode(QTreeWidgetItem* node) {
    if (node->data(0, kFilledRole).toBool())
        return;
    node->setData(0, kFilledRole, true);
    qDeleteAll(node->takeChildren());
    const QString path = node->data(0, kPathRole).toString();
    const QDir folder(path);
    for (const QString& name :
         folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        auto* child = new QTreeWidgetItem(node, {name});
        child->setData(0, kPathRole, folder.filePath(name));
        child->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
        markExpandable(child);
    }
}

void Tfrm_siec::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void Tfrm_siec::FormActivate() {
    platform::applyFieldColors({cmb_siec, Edit1}, fieldBackground, fieldText);
}

void Tfrm_siec::cmb_siecClick(QTreeWidgetItem* node) {
    Edit1->setText(node ? node->data(0, kPathRole).toString() : QString());
}

void Tfrm_siec::OKClick() {
    const QString path = Edit1->text();
    const QString caption = QString::fromLatin1(texts::kCaption);
    if (path.isEmpty()) {
        services().messageBox(QString::fromUtf8(texts::kNothingChosen), caption,
                              platform::DlgButtons::Ok, platform::BoxKind::Plain);
        return;
    }
    // Where the program once wanted "\\computer\folder", a folder of a
    // mounted network file system is the network path here.
    if (!netmounts::isOnNetwork(table_, path)) {
        services().messageBox(QString::fromUtf8(texts::kNotNetwork), caption,
                              platform::DlgButtons::Ok, platform::BoxKind::Plain);
        return;
    }
    // Checked here, so that a folder the panel could not open keeps the
    // chooser open for another pick.
    if (!TLocalFolderList::canOpen(path)) {
        showCannotOpen(path);
        return;
    }
    accept();
}

void Tfrm_siec::showCannotOpen(const QString& path) {
    services().messageBox(lang::pick(texts::kCannotOpen, languageFlag()).arg(path),
                          QString::fromLatin1(texts::kCaption), platform::DlgButtons::Ok,
                          platform::BoxKind::Plain);
}

void TForm1::siecClick() {
    Tfrm_siec chooser(this);
    chooser.fieldBackground = settings.fieldBackground;
    chooser.fieldText = settings.fieldText;
    if (services().showModal(chooser) != QDialog::Accepted)
        return;
    // The folder may have gone between the pick and now.
    if (!localPanel->katalog->setDirectory(chooser.chosenFolder()))
        Tfrm_siec::showCannotOpen(chooser.chosenFolder());
}
