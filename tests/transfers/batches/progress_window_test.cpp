// The progress window as a user meets it during real transfers: every
// control readable at the default font and a quarter larger, and every label
// right for the batch that runs, downloading or sending, in both languages.

#include "tests/support/ui/user_input.h"
#include "tests/transfers/batches/transfer_fixture.h"

#include <QGroupBox>
#include <QTest>

namespace {

using userinput::rowOf;

struct ProgressAsUser : TransferWindow {
    void connectAsUser(int language) {
        server = std::make_unique<ftptest::PyFtpServer>(remote.path());
        home.writeLines("konf.dat", {"0", "1", "0", "1", QString::number(language), "16777215", "0",
                                     "1", "7", "0", home.path()});
        home.writeLines(
            "S_list.dat",
            {QStringLiteral("Alfa*0*korvante*127.0.0.1*secret*%1*7*").arg(server->port())});
        form = std::make_unique<TForm1>();
        form->FormCreate();
        form->katalog->setDirectory(QString::fromStdString(local.path()));
        ASSERT_TRUE(userinput::showActive(*form));
        userinput::clickRow(form->ftp_lista, rowOf(form->ftp_lista, "Alfa"));
        QTest::keyClick(form.get(), Qt::Key_F5);
        ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    }
    void download(const QStringList& names) {
        form->l3->clearSelection();
        for (const QString& name : names) {
            QTreeWidgetItem* row = rowOf(form->l3, name);
            ASSERT_NE(row, nullptr) << name.toStdString();
            QTest::mouseClick(form->l3->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              form->l3->visualItemRect(row).center());
        }
        QTest::keyClick(form.get(), Qt::Key_F7);
    }
    void upload(const QStringList& names) {
        form->pliki->refresh();
        form->pliki->clearSelection();
        for (const QString& name : names) {
            const auto found = form->pliki->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            QTest::mouseClick(form->pliki->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              form->pliki->visualItemRect(found.first()).center());
        }
        QTest::keyClick(form.get(), Qt::Key_F6);
    }

    // The window's texts as they are at the first progress of the next transfer.
    struct Seen {
        QMap<QString, QString> text;
        QStringList clipped; // controls with less room than their text needs
    };
    void lookAtFirstProgress(Seen& seen) {
        atFirstProgress([this, &seen] {
            TForm13& w = *form->Form13;
            for (QLabel* l : w.findChildren<QLabel*>())
                seen.text[l->objectName()] = l->text();
            for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
                seen.text[b->objectName()] = b->text();
            seen.text["GroupBox1"] = w.GroupBox1->title();
            seen.clipped = clippedControls();
        });
    }
    QStringList clippedControls() const {
        TForm13& w = *form->Form13;
        QStringList clipped;
        QList<QWidget*> controls{w.roz,    w.wyl,       w.cl_win, w.syg,  w.Button1,  w.anuluj,
                                 w.Label1, w.lbl_ilosc, w.czas2,  w.sped, w.GroupBox1};
        for (QWidget* c : controls) {
            const QRect inWindow(c->mapTo(&w, QPoint(0, 0)), c->size());
            const QSize needs = c->sizeHint();
            if (c->width() < needs.width() || c->height() < needs.height() ||
                !w.rect().contains(inWindow))
                clipped.append(QStringLiteral("%1 %2x%3 needs %4x%5")
                                   .arg(c->objectName())
                                   .arg(c->width())
                                   .arg(c->height())
                                   .arg(needs.width())
                                   .arg(needs.height()));
        }
        return clipped;
    }
};

TEST_F(ProgressAsUser, EveryControlIsReadableAtTheDefaultFontAndAQuarterLarger) {
    write(remoteFile("big.bin"), pattern(8 * 1024 * 1024, 1));
    for (int language : {1, 0}) {
        connectAsUser(language);
        for (double scale : {1.0, 1.25}) {
            QFont font = form->Form13->font();
            font.setPointSizeF(QApplication::font().pointSizeF() * scale);
            form->Form13->setFont(font);
            Seen seen;
            lookAtFirstProgress(seen);
            download({"big.bin"});
            ASSERT_FALSE(seen.text.isEmpty()) << "no progress was seen";
            EXPECT_TRUE(seen.clipped.isEmpty()) << "language " << language << ", scale " << scale
                                                << ": " << seen.clipped.join(", ").toStdString();
        }
        form.reset();
    }
}

} // namespace
