#pragma once
// The main window connected to pyftpdlib on loopback, with a temporary program
// folder, a temporary local folder and recording platform services.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ui/main_window_fixture.h"
#include "transfers/progress_window.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

struct TransferWindow : MainWindowFixture {
    ftptest::TempDir remote;
    ftptest::TempDir local;
    std::unique_ptr<ftptest::PyFtpServer> server;

    // The window leaves while its server and folders are still there.
    ~TransferWindow() override { form.reset(); }

    QString remoteFile(const QString& name) const {
        return QString::fromStdString(remote.path()) + '/' + name;
    }
    QString localFile(const QString& name) const {
        return QString::fromStdString(local.path()) + '/' + name;
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray pattern(int size, int seed) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 31 + seed + i / 251) & 0xFF);
        return bytes;
    }

    // Starts the server over `remote`, creates the window (slot 10 = automatic
    // reconnection) and connects it; the local panel shows `local`.
    void connect(int passive, int reconnect = 1,
                 const std::vector<std::string>& serverOptions = {}) {
        server = std::make_unique<ftptest::PyFtpServer>(remote.path(), "korvante", "secret", true,
                                                        serverOptions);
        home.writeLines("konf.dat", {"0", QString::number(passive), "0", "1", "1", "16777215", "0",
                                     "1", "7", QString::number(reconnect), home.path()});
        createWindow();
        form->localPanel->katalog->setDirectory(QString::fromStdString(local.path()));
        form->topPanel->FTpServer->setText("127.0.0.1");
        form->topPanel->UserID->setText("korvante");
        form->topPanel->Password2->setText("secret");
        form->edit_port = QString::number(server->port());
        form->pol2Click();
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    }

    // The row of l3 showing `caption`; -1 when none does.
    int row(const QString& caption) const {
        for (int i = 0; i < form->serverPanel->l3->rowCount(); ++i)
            if (form->serverPanel->l3->rows()->caption(i) == caption)
                return i;
        return -1;
    }
    void selectRemote(const QStringList& captions) {
        form->serverPanel->l3->clearSelection();
        for (const QString& caption : captions) {
            const int r = row(caption);
            ASSERT_GE(r, 0) << caption.toStdString();
            form->serverPanel->l3->setRowSelected(r, true);
        }
    }
    void selectLocal(const QStringList& names) {
        form->localPanel->pliki->refresh();
        form->localPanel->pliki->clearSelection();
        for (const QString& name : names) {
            const auto found = form->localPanel->pliki->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            found.first()->setSelected(true);
        }
    }
    // The key as the main window receives it.
    void press(int key) { form->FormKeyDown(key, Qt::NoModifier); }

    // Runs `step` once, at the first progress event of the next transfer.
    void atFirstProgress(std::function<void()> step) {
        auto original = form->FTP->OnWork;
        auto pending = std::make_shared<std::function<void()>>(std::move(step));
        form->FTP->OnWork = [original, pending](TIdComponent* sender, TWorkMode mode,
                                                int64_t bytes) {
            original(sender, mode, bytes);
            if (*pending && bytes > 0) {
                auto run = std::move(*pending);
                *pending = nullptr;
                run();
            }
        };
    }

    QStringList partFiles() const {
        return QDir(QString::fromStdString(local.path()))
            .entryList({"*.part"}, QDir::Files | QDir::Hidden);
    }
};
