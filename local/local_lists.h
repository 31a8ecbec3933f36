#pragma once
// The local panel's two lists: `katalog`, the folders on the way to the
// current folder and its subfolders, and `pliki`, the files of that folder.

#include <QFileInfo>
#include <QListWidget>
#include <QString>

class TLocalFolderList : public QListWidget {
    Q_OBJECT
public:
    explicit TLocalFolderList(QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    // Opens a folder; false (and nothing changes) when it cannot be read.
    bool setDirectory(const QString& path);
    // Whether setDirectory would open `path` now.
    static bool canOpen(const QString& path);
    void refresh();
    // Folder shown on a row (ancestors first, then subfolders).
    QString folderAt(int row) const;
    // Plain name of a row's folder, without the indentation.
    QString nameAt(int row) const;
    // Rows 0..ancestorRows()-1 are the way down to the current folder
    // (the root first, the current folder last); the subfolders follow.
    int ancestorRows() const { return ancestorRows_; }

signals:
    void directoryChanged(const QString& path);

private:
    QString directory_;
    int ancestorRows_ = 0;
};

class TLocalFileList : public QListWidget {
    Q_OBJECT
public:
    explicit TLocalFileList(QWidget* parent = nullptr);

    // File attributes the list can be filtered by; a file is shown when it
    // has one of the attributes of the set.
    enum Attribute {
        Normal = 1,   // a regular file that is not hidden
        Archive = 2,  // any regular file
        System = 4,   // not a regular file (device, socket, pipe, broken link)
        Hidden = 8,   // name starting with "."
        ReadOnly = 16 // not writable by the user
    };
    static constexpr int kAllAttributes = Normal | Archive | System | Hidden | ReadOnly;
    void setAttributes(int attributes);
    int attributes() const { return attributes_; }

    QString directory() const { return directory_; }
    void setDirectory(const QString& path);
    // Name mask such as "*.txt" ("*.*" shows everything).
    void setMask(const QString& mask);
    QString mask() const { return mask_; }
    void refresh();
    // Whether the list's mask and attributes let this file show.
    bool shows(const QFileInfo& info) const;
    // Full path of a row's file.
    QString filePath(int row) const;
    QStringList selectedFileNames() const;
    // Row whose name equals `name` exactly, or -1.
    int rowOf(const QString& name) const;

private:
    QString directory_;
    QString mask_ = QStringLiteral("*.*");
    int attributes_ = Normal;
};
