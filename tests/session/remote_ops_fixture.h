#pragma once
// The main window shown and active, connected to pyftpdlib over a temporary
// folder; rows are clicked and keys pressed as a user does.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "log/log_panel.h"
#include "tests/servers/qstring_print.h"
#include "tests/session/session_fixture.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>

struct RemoteOps : SessionWindow {
    ftptest::TempDir root;
    std::unique_ptr<ftptest::PyFtpServer> server;

    void start(int language = 1) {
        server = std::make_unique<ftptest::PyFtpServer>(root.path());
        create(1, 0, language);
        showWindow();
        // Activation empties the connection fields; they are filled afterwards.
        fillFields(server->port());
        QTest::mouseClick(form->topPanel->pol2, Qt::LeftButton);
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
        services.clear();
    }

    QString onServer(const QString& name) const {
        return QString::fromStdString(root.path()) + '/' + name;
    }
    QStringList serverEntries() const {
        QStringList names = QDir(QString::fromStdString(root.path()))
                                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        names.sort();
        return names;
    }
    void makeFile(const QString& name, const QByteArray& bytes = "data") const {
        QFile file(onServer(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Orders l3 by name, as a click on its header does.
    void sortRows() {
        QHeaderView* header = form->serverPanel->l3->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
    }
    void clickRow(const QString& caption, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const int r = row(caption);
        ASSERT_GE(r, 0) << caption.toStdString();
        form->serverPanel->l3->scrollTo(form->serverPanel->l3->rows()->index(r, 0));
        QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, modifiers,
                          form->serverPanel->l3->rowRect(r).center());
    }
    void key(int k) { QTest::keyClick(form->serverPanel->l3, Qt::Key(k)); }
    QStringList sent(const QString& prefix) const {
        QStringList out;
        for (const QString& line : form->logPanel->memo1->lines())
            if (line.startsWith("Sent") && line.contains(' ' + prefix))
                out.append(line);
        return out;
    }
};
