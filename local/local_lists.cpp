#include "local/local_lists.h"

#include "platform/paths.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QStyle>

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
// The icon of a file's type, by its name only (the contents are never read,
// so a large folder lists quickly); one icon per type is made.
QIcon fileIcon(const QFileInfo& info) {
    static QHash<QString, QIcon> byType;
    static const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    auto found = byType.constFind(type.name());
    if (found != byType.constEnd())
        return *found;
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    byType.insert(type.name(), icon);
    return icon;
}

// A name mask ("*.doc", "a?c*.*"; several joined by ";") as the file list
// applies it: without regard to letter case, "*.*" and "*" take every name.
QList<QRegularExpression> maskPatterns(const QString& mask) {
    QList<QRegularExpression> patterns;
    for (const QString& part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString one = part.trimmed();
        if (one == QLatin1String("*.*") || one == QLatin1String("*"))
            return {};
        patterns.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(one),
                                           QRegularExpression::CaseInsensitiveOption));
    }
    return patterns;
}

bool matchesMask(const QList<QRegularExpression>& patterns, const QString& name) {
    if (patterns.isEmpty())
        return true;
    for (const QRegularExpression& pattern : patterns)
        if (pattern.match(name).hasMatch())
            return true;
    return false;
}

} // namespace

TLocalFolderList::TLocalFolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setDirectory(item->data(kPathRole).toString()); });
}

bool TLocalFolderList::canOpen(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && QDir(path).isReadable();
}

bool TLocalFolderList::setDirectory(const QString& path) {
    if (!canOpen(path))
        return false;
    const QFileInfo info(path);
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
    const QList<QRegularExpression> patterns = maskPatterns(mask_);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : entries) {
        if (!matchesMask(patterns, info.fileName()) || !(attributesOf(info) & attributes_))
            continue;
        auto* item = new QListWidgetItem(fileIcon(info), info.fileName(), this);
        item->setData(kPathRole, info.filePath());
    }
}

bool TLocalFileList::shows(const QFileInfo& info) const {
    return matchesMask(maskPatterns(mask_), info.fileName()) && (attributesOf(info) & attributes_);
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
