// The remote list as a user works it: a header click sorts, rows chosen before
// stay chosen, the mask filter narrows, a double click opens a folder, and F7
// fetches exactly the file under the mouse whatever order the rows are in.

#include "app/server_panel.h"
#include "session/session_state.h"
#include "tests/transfers/batches/as_user_fixture.h"

#include <QCollator>
#include <QDir>
#include <QHeaderView>
#include <QTest>

#include <algorithm>

namespace {

struct RemoteListAsUser : BatchAsUser {
    // A Polish desktop: capitals sort among small letters and "Ś" after "S",
    // unlike the byte order the server lists in.
    RemoteListAsUser() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    ~RemoteListAsUser() override { QLocale::setDefault(QLocale::c()); }

    QStringList captions() const {
        QStringList out;
        for (int i = 0; i < form->serverPanel->l3->rowCount(); ++i)
            out.append(form->serverPanel->l3->rows()->caption(i));
        return out;
    }
    QStringList selectedCaptions() const {
        QStringList out;
        for (const int row : form->serverPanel->l3->selectedRows())
            out.append(form->serverPanel->l3->rows()->caption(row));
        out.sort();
        return out;
    }
    QString currentCaption() const {
        const int row = form->serverPanel->l3->currentRow();
        return row < 0 ? QString() : form->serverPanel->l3->rows()->caption(row);
    }
    QPoint at(const QString& caption) {
        const QModelIndex row = userinput::indexOf(form->serverPanel->l3, caption);
        EXPECT_TRUE(row.isValid()) << caption.toStdString();
        form->serverPanel->l3->scrollTo(row);
        return form->serverPanel->l3->visualRect(row).center();
    }
    void click(const QString& caption, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, modifiers,
                          at(caption));
    }
    void clickHeader() {
        QHeaderView* header = form->serverPanel->l3->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
    }
};

TEST_F(RemoteListAsUser, SortFilterOpenAndDownloadKeepEachRowWithItsFile) {
    // Enough names that the server's own order is never already sorted.
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        const QString name = QStringLiteral("%1plik %2.%3")
                                 .arg(QChar(i % 2 ? u'Z' : u'a'))
                                 .arg((i * 7) % 12)
                                 .arg(i % 3 ? "bin" : "txt");
        names.append(name);
        write(remoteFile(name), pattern(20000 + i * 1000, i));
    }
    ASSERT_TRUE(QDir(QString::fromStdString(remote.path())).mkdir("Środek"));
    write(remoteFile("Środek/wewnątrz.txt"), "inside");
    server = std::make_unique<ftptest::PyFtpServer>(remote.path());
    connectAsUser(server->port());
    const QStringList listed = captions();
    ASSERT_EQ(listed.size(), 13);

    // Two rows chosen in the server's order, one of them current.
    const QString first = names.value(3), second = names.value(8);
    QStringList chosen{first, second};
    chosen.sort();
    click(first);
    click(second, Qt::ControlModifier);
    ASSERT_EQ(selectedCaptions(), chosen);
    ASSERT_EQ(currentCaption(), second);

    clickHeader();
    EXPECT_TRUE(form->session->l3Sorted);
    const QStringList sorted = captions();
    QStringList expected = listed;
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
    polish.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(expected.begin(), expected.end(),
                     [&](const QString& a, const QString& b) { return polish.compare(a, b) < 0; });
    EXPECT_EQ(sorted, expected);
    EXPECT_NE(sorted, listed);
    // The chosen rows moved with their captions.
    EXPECT_EQ(selectedCaptions(), chosen);
    EXPECT_EQ(currentCaption(), second);
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(1),
              QString::fromUtf8("Plików/katalogów na FTP: 13"));

    // After sorting, the row under the mouse is the file that arrives.
    const QString wanted = names.value(5);
    click(wanted);
    QTest::keyClick(form->serverPanel->l3, Qt::Key_F7);
    EXPECT_EQ(read(localFile(wanted)), pattern(20000 + 5 * 1000, 5));
    EXPECT_EQ(QDir(QString::fromStdString(local.path())).entryList(QDir::Files),
              QStringList({wanted}));

    // The mask filter keeps the .txt files, still sorted, each with its own file.
    services.textAnswers.push_back(QStringLiteral("txt"));
    QTest::mouseClick(form->serverPanel->filtr2, Qt::LeftButton);
    QStringList txt;
    for (const QString& caption : sorted)
        if (caption.endsWith("txt"))
            txt.append(caption);
    EXPECT_EQ(captions(), txt);
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(1),
              QString::fromUtf8("Plików/katalogów na FTP: %1").arg(txt.size()));
    const QString filteredFile = names.value(9);
    ASSERT_TRUE(txt.contains(filteredFile));
    click(filteredFile);
    QTest::keyClick(form->serverPanel->l3, Qt::Key_F7);
    EXPECT_EQ(read(localFile(filteredFile)), pattern(20000 + 9 * 1000, 9));

    // A refresh brings every row back; a double click opens the folder, listed sorted.
    QTest::mouseClick(form->serverPanel->Cofnij,
                      Qt::LeftButton); // ".." at the root stays at the root
    ASSERT_EQ(captions(), sorted);
    const QPoint folder = at(QString::fromUtf8("Środek"));
    QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {}, folder);
    QTest::mouseDClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {}, folder);
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), QString::fromUtf8("/Środek"));
    EXPECT_EQ(captions(), QStringList({QString::fromUtf8("wewnątrz.txt")}));
    EXPECT_EQ(form->serverPanel->l3->currentRow(), 0);
    click(QString::fromUtf8("wewnątrz.txt"));
    QTest::keyClick(form->serverPanel->l3, Qt::Key_F7);
    EXPECT_EQ(read(localFile(QString::fromUtf8("wewnątrz.txt"))), "inside");
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

} // namespace
