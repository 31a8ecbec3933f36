// The rows of l3 over the raw listing: which lines become rows, what they
// show, the caption order against QCollator, the mask filter on names in
// either code page, and selection across a sort.

#include "session/caption_order.h"
#include "session/remote_list.h"
#include "session/remote_list_view.h"

#include <QCollator>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using remotelist::RemoteListModel;

TIdListing listingOf(const std::vector<std::string>& lines) {
    return idJoinListing(lines);
}

QStringList captionsOf(const RemoteListModel& rows) {
    QStringList out;
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append(rows.caption(i));
    return out;
}

struct PolishDesktop : ::testing::Test {
    PolishDesktop() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    ~PolishDesktop() override { QLocale::setDefault(QLocale::c()); }
};

// What QCollator makes of the same texts, sorted stably.
QStringList collatorOrder(QStringList texts) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(texts.begin(), texts.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return texts;
}

QStringList captionOrder(const QStringList& texts) {
    remotelist::CaptionOrder order;
    for (const QString& text : texts)
        order.add(text);
    QStringList out;
    for (uint32_t i : order.order())
        out.append(texts[qsizetype(i)]);
    return out;
}

const QStringList kTricky = {"Beta",
                             "beta",
                             "zeta",
                             "Zeta",
                             "Żaba",
                             "żaba",
                             "źródło",
                             "ząb",
                             "zab",
                             "a",
                             "A",
                             "ą",
                             "Ą",
                             "b",
                             "ć",
                             "c",
                             "1",
                             "10",
                             "2",
                             "_x",
                             ".hidden",
                             "a b",
                             "ab",
                             "a-b",
                             "ß",
                             "ñ",
                             "łódź",
                             "lodz",
                             "Łódź",
                             "file_00000001 part 10.txt",
                             "file_00000001 part 9.txt",
                             "file_00000001 part 9.txt",
                             "a very long name that goes on past sixteen bytes of key 1",
                             "a very long name that goes on past sixteen bytes of key 2",
                             "a very long name that goes on past sixteen bytes of key",
                             "",
                             "émigré",
                             "Emigre"};

TEST_F(PolishDesktop, CaptionOrderIsQCollatorsOrder) {
    EXPECT_EQ(captionOrder(kTricky), collatorOrder(kTricky));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(captionOrder(kTricky), collatorOrder(kTricky));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(captionOrder(kTricky), collatorOrder(kTricky));
}

TEST_F(PolishDesktop, RowsShowEntriesAndKeepTheirLinesThroughSortAndFilter) {
    // A cp1250 name: "ŁÓDŹ.txt" as a Windows server sends it.
    const std::string cp1250Name = "\xa3\xd3"
                                   "D\x8f.txt";
    const std::vector<std::string> lines = {
        "total 24",
        "drwxr-xr-x   2 user     group        4096 Jan 10 12:34 docs",
        "-rw-r--r--   1 user     group          99 Jan 10 12:34 part 2 final.htm",
        "lrwxrwxrwx   1 user     group          11 Jan 10 12:34 www -> public_html",
        "",
        "01-02-03  10:20AM       <DIR>          Archiwum",
        "-rw-r--r--   1 user     group          55 Jan 10 12:34 " + cp1250Name,
        "-rw-r--r--   1 user     group          55 Jan 10 12:34 Alpha.htm",
    };
    RemoteListModel rows;
    rows.fill(remotelist::RawListing(listingOf(lines)), false);
    // "total" and the blank line are part of the listing, not rows.
    EXPECT_EQ(captionsOf(rows),
              QStringList({"docs", "part 2 final.htm", "www -> public_html", "Archiwum",
                           QString::fromUtf8("ŁÓDŹ.txt"), "Alpha.htm"}));
    EXPECT_EQ(rows.picture(0), remotelist::kFolderPicture);
    EXPECT_EQ(rows.picture(3), remotelist::kFolderPicture);
    EXPECT_EQ(rows.picture(1), remotelist::kFilePicture);
    EXPECT_EQ(rows.attributes(0), "drwxr-xr-x");
    EXPECT_EQ(rows.remoteName(2), "www");
    EXPECT_EQ(rows.remoteName(4), cp1250Name); // sent back byte for byte
    EXPECT_EQ(rows.data(rows.index(1, 1), Qt::DisplayRole).toString(), "-rw-r--r--");

    auto pairedWithItsLine = [&] {
        for (int i = 0; i < rows.rowCount(); ++i) {
            const QByteArray raw = rows.rawLine(i);
            EXPECT_TRUE(raw.endsWith(QByteArray::fromStdString(rows.remoteName(i))) ||
                        rows.parsed(i).isLink)
                << raw.toStdString();
            EXPECT_EQ(rows.parsed(i).name.toStdString(), rows.remoteName(i));
        }
    };
    rows.sortByCaption();
    EXPECT_EQ(captionsOf(rows), collatorOrder(captionsOf(rows)));
    EXPECT_EQ(rows.caption(0), "Alpha.htm");
    pairedWithItsLine();

    // The mask is compared with the last three characters, decoded from either code page.
    rows.keepCaptionsEndingWith(QString::fromUtf8("DŹ."));
    EXPECT_EQ(rows.rowCount(), 0);
    rows.fill(remotelist::RawListing(listingOf(lines)), true);
    rows.keepCaptionsEndingWith("txt");
    EXPECT_EQ(captionsOf(rows), QStringList({QString::fromUtf8("ŁÓDŹ.txt")}));
    EXPECT_EQ(rows.attributes(0), "");
    rows.fill(remotelist::RawListing(listingOf(lines)), true);
    rows.keepCaptionsEndingWith("htm");
    EXPECT_EQ(captionsOf(rows), QStringList({"Alpha.htm", "part 2 final.htm"}));
    pairedWithItsLine();
    // Filtered folders show the file picture; a second run keeps its own matches.
    rows.keepCaptionsEndingWith("htm");
    EXPECT_EQ(rows.rowCount(), 2);
    rows.keepCaptionsEndingWith("html");
    EXPECT_EQ(rows.rowCount(), 0);

    // Multi-byte characters at the end of a UTF-8 name.
    rows.fill(
        remotelist::RawListing(listingOf(
            {"-rw-r--r-- 1 u g 5 Jan 10 12:34 " + QString::fromUtf8("zdjęcie.żółw").toStdString(),
             "-rw-r--r-- 1 u g 5 Jan 10 12:34 " + QString::fromUtf8("😀ab").toStdString(),
             "-rw-r--r-- 1 u g 5 Jan 10 12:34 ab"})),
        false);
    rows.keepCaptionsEndingWith(QString::fromUtf8("ółw"));
    EXPECT_EQ(captionsOf(rows), QStringList({QString::fromUtf8("zdjęcie.żółw")}));
    rows.clear();
    EXPECT_EQ(rows.rowCount(), 0);
}

TEST_F(PolishDesktop, SelectionAndCurrentRowFollowTheirRowsThroughASort) {
    RemoteListView view;
    view.rows()->fill(
        remotelist::RawListing(listingOf(
            {"-rw-r--r-- 1 u g 5 Jan 10 12:34 zeta", "-rw-r--r-- 1 u g 5 Jan 10 12:34 Beta",
             "-rw-r--r-- 1 u g 5 Jan 10 12:34 ąkacja", "-rw-r--r-- 1 u g 5 Jan 10 12:34 alfa"})),
        false);
    view.setRowSelected(0, true);
    view.setRowSelected(2, true);
    view.selectionModel()->setCurrentIndex(view.rows()->index(2, 0), QItemSelectionModel::NoUpdate);
    view.rows()->sortByCaption();
    EXPECT_EQ(captionsOf(*view.rows()),
              QStringList({"alfa", QString::fromUtf8("ąkacja"), "Beta", "zeta"}));
    EXPECT_EQ(view.selectedRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(view.currentRow(), 1);
    // Select-all of files goes in as ranges and reads back row by row.
    view.clearSelection();
    view.selectRows({0, 1, 3});
    EXPECT_EQ(view.selectedRows(), (std::vector<int>{0, 1, 3}));
}

} // namespace
