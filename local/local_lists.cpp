#include "local/local_lists.h"

#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
constexpr int kNameRole = Qt::UserRole + 2;

int attributesOf(const QFileInfo& info) {
    int found = 0;
    const bool hidden = info.fileName().startsWith(QLatin1Char('.'));
    if (info.isFile()) {
        found |= TLocalFileList::Archive;
        if (!hidden)
            found |= TLocalFileList::Normal;
    } else {
        found |= TLocalFileList::System;
    }
    if (hidden)
        found |= TLocalFileList::Hidden;
    if (!info.isWritable())
        found |= TLocalFileList::ReadOnly;
    return found;
}
} // namespace

TLocalFolderList::TLocalFolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setDirectory(item->data(kPathRole).toString()); });
}

bool TLocalFolderList::setDirectory(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !QDir(path).isReadable())
        return false;
    directory_ = QDir::cleanPath(info.absoluteFilePath());
    refresh();
    emit directoryChanged(directory_);
    return true;
}

void TLocalFolderList::refresh() {
    clear();
    // The way down from the root, then the subfolders, as a folder list shows them.
    QStringList chain;
    QDir walk(directory_);
    chain.prepend(walk.absolutePath());
    while (walk.cdUp())
        chain.prepend(walk.absolutePath());
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        item->setData(kNameRole, name);
        ++depth;
    }
    ancestorRows_ = count();
    setCurrentRow(count() - 1);
    const QDir dir(directory_);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub, this);
        item->setData(kPathRole, dir.filePath(sub));
        item->setData(kNameRole, sub);
    }
}

QString TLocalFolderList::nameAt(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(kNameRole).toString() : QString();
}

QString TLocalFolderList::folderAt(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(kPathRole).toString() : QString();
}

TLocalFileList::TLocalFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void TLocalFileList::setDirectory(const QString& path) {
    directory_ = path;
    refresh();
}

void TLocalFileList::setMask(const QString& mask) {
    mask_ = mask.isEmpty() ? QStringLiteral("*.*") : mask;
    refresh();
}

void TLocalFileList::setAttributes(int attributes) {
    attributes_ = attributes;
    refresh();
}

void TLocalFileList::refresh() {
    clear();
    if (directory_.isEmpty())
        return;
    QDir dir(directory_);
    QStringList filters;
    if (mask_ != QLatin1String("*.*") && mask_ != QLatin1String("*"))
        filters = mask_.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QStringList names = dir.entryList(filters, QDir::Files | QDir::Hidden | QDir::System,
                                            QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (!(attributesOf(QFileInfo(dir.filePath(name))) & attributes_))
            continue;
        auto* item = new QListWidgetItem(name, this);
        item->setData(kPathRole, dir.filePath(name));
    }
}

QString TLocalFileList::filePath(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(kPathRole).toString() : QString();
}

QStringList TLocalFileList::selectedFileNames() const {
    QStringList out;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            out.append(item(row)->text());
    return out;
}

int TLocalFileList::rowOf(const QString& name) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text() == name)
            return row;
    return -1;
}
