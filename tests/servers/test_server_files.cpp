// Category files as installations have kept them: Windows-1250, CR LF, the
// new-server dialog's leading CR, hand-edited files, any letter case.

#include "platform/text_file.h"
#include "servers/server_files.h"
#include "tests/servers/qstring_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

using namespace servers;

namespace {

class ServerFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("KORVANTE_HOME", home.path().toUtf8());
    }
    void TearDown() override { qunsetenv("KORVANTE_HOME"); }

    QString path(const QString& name) const { return home.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray get(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList files() const {
        QStringList names = QDir(home.path()).entryList(QDir::Files);
        std::sort(names.begin(), names.end());
        return names;
    }

    QTemporaryDir home;
};

} // namespace

TEST(ServerRecordFormat, FieldsCategoryAndBuild) {
    EXPECT_EQ(splitFields("a*b**c*"), (QStringList{"a", "b", "", "c"}));
    EXPECT_EQ(splitFields("a*b*trailing"), (QStringList{"a", "b"}));
    EXPECT_TRUE(splitFields("no separator").isEmpty());

    EXPECT_EQ(categoryOfLine("x*0*u*h*p*21*3*"), 3);
    EXPECT_EQ(categoryOfLine("x*0*u*h*p*21*"), 1); // second-to-last character, whatever field
    EXPECT_FALSE(categoryOfLine("x*0*u*h*p*21*A*").has_value());
    EXPECT_FALSE(categoryOfLine("*").has_value());

    ServerRecord r;
    r.name = "Prog";
    r.user = "jan";
    r.host = "ftp.example.org";
    r.password = "tajne";
    r.category = 3;
    EXPECT_EQ(buildRecord(r), "Prog*0*jan*ftp.example.org*tajne*21*3*");
    r.savePassword = false;
    EXPECT_EQ(buildRecord(r), "Prog*0*jan*ftp.example.org*^*21*3*");
    r.anonymous = true;
    r.port = 2121;
    EXPECT_EQ(buildRecord(r), "Prog*1*jan*ftp.example.org*^*2121*3*");

    EXPECT_EQ(checkRecord(r), RecordProblem::None);
    r.host = "a*b";
    EXPECT_EQ(checkRecord(r), RecordProblem::StarInValue);
    r.host = "h";
    for (QString ServerRecord::*value :
         {&ServerRecord::name, &ServerRecord::user, &ServerRecord::password}) {
        ServerRecord starred = r;
        starred.savePassword = true;
        starred.*value = "x*y";
        EXPECT_EQ(checkRecord(starred), RecordProblem::StarInValue);
    }
    r.savePassword = true;
    r.password = "^";
    EXPECT_EQ(checkRecord(r), RecordProblem::CaretPassword);
    r.password = "p";
    r.port = 65536;
    EXPECT_EQ(checkRecord(r), RecordProblem::PortOutOfRange);
    r.port = 0;
    EXPECT_EQ(checkRecord(r), RecordProblem::PortOutOfRange);
    for (int port : {1, 65535}) {
        r.port = port;
        EXPECT_EQ(checkRecord(r), RecordProblem::None) << port;
    }
}

TEST(ServerRecordFormat, EntryFields) {
    const ServerEntry notSaved = parseEntry("A*0*u*h*^*21*0*", 0);
    EXPECT_TRUE(notSaved.listed());
    EXPECT_FALSE(notSaved.passwordSaved());
    EXPECT_EQ(notSaved.password(), "");

    const ServerEntry emptySaved = parseEntry("A*0*u*h**21*0*", 0);
    EXPECT_TRUE(emptySaved.passwordSaved());
    EXPECT_EQ(emptySaved.password(), "");

    const ServerEntry shortOne = parseEntry("Name*1*anon*", 5);
    EXPECT_EQ(shortOne.displayName(), "Name");
    EXPECT_TRUE(shortOne.anonymous());
    EXPECT_EQ(shortOne.user(), "anon");
    EXPECT_FALSE(shortOne.hasField(4));
    EXPECT_EQ(shortOne.host(), "");
    EXPECT_EQ(shortOne.sourceCategory, 5);

    EXPECT_FALSE(parseEntry("just text").listed());
}

TEST(CategoryTable, NamesCodesAndFiles) {
    ASSERT_EQ(categories().size(), 8u);
    const char* files[] = {"p.dat",  "m.dat", "s.dat",    "pr.dat",
                           "mu.dat", "u.dat", "priw.dat", "s_list.dat"};
    for (int code = 0; code < kCategoryCount; ++code) {
        EXPECT_EQ(category(code)->code, code);
        EXPECT_STREQ(category(code)->fileName, files[code]);
        EXPECT_EQ(categoryByName(categoryName(code)), code);
        // Every spelling the operations use is the same file without regard to case.
        const Category& c = *category(code);
        for (const char* spelling : {c.loadName, c.addName, c.editName, c.deleteName})
            EXPECT_EQ(QString(spelling).toLower(), QString(c.fileName));
    }
    EXPECT_EQ(categoryName(2), QString::fromUtf8("SZKOŁY - UCZELNIE"));
    EXPECT_EQ(categoryName(8), "WSZYSTKIE SERWERY");
    EXPECT_EQ(categoryName(9), "");
    EXPECT_EQ(category(8), nullptr);
    EXPECT_EQ(categoryByName("NIEZNANA"), std::nullopt);
}

TEST_F(ServerFiles, AnyLetterCaseIsTheOneFile) {
    put("P.dat", "Firma*0*u*h*p*21*0*\r\n");
    put("S_list.dat", "Inna*0*u*h*p*21*7*\r\n");
    put("PRIW.DAT", "Moja*0*u*h*p*21*6*\r\n");
    EXPECT_EQ(readCategoryLines(0).lines, QStringList{"Firma*0*u*h*p*21*0*"});
    EXPECT_EQ(readCategoryLines(7).lines, QStringList{"Inna*0*u*h*p*21*7*"});
    EXPECT_EQ(readCategoryLines(6).lines, QStringList{"Moja*0*u*h*p*21*6*"});

    // Writes go to the file that is there, never to a second spelling.
    ASSERT_TRUE(appendRecord(0, "Nowa*0*u*h*p*21*0*", AppendStyle::NewServerDialog));
    ASSERT_TRUE(rewriteCategory(7, {"X*0*u*h*p*21*7*"}));
    ASSERT_TRUE(emptyCategory(6));
    EXPECT_EQ(files(), (QStringList{"P.dat", "PRIW.DAT", "S_list.dat"}));
    EXPECT_EQ(get("P.dat"), "Firma*0*u*h*p*21*0*\r\n\rNowa*0*u*h*p*21*0*\r\n");
    EXPECT_EQ(get("S_list.dat"), "X*0*u*h*p*21*7*\r\n");
    EXPECT_EQ(get("PRIW.DAT"), "");
}

TEST_F(ServerFiles, NewServerAppendsWithLeadingCr) {
    // A new category file begins with CR; the reader never shows it.
    ASSERT_TRUE(appendRecord(2, "Uczelnia*0*u*h*p*21*2*", AppendStyle::NewServerDialog));
    ASSERT_TRUE(appendRecord(2, "Szkoła*1*anonymous*h*^*21*2*", AppendStyle::NewServerDialog));
    const QByteArray expected = "\rUczelnia*0*u*h*p*21*2*\r\n\rSzko\xB3"
                                "a*1*anonymous*h*^*21*2*\r\n";
    EXPECT_EQ(get("s.dat"), expected);
    EXPECT_EQ(
        readCategoryLines(2).lines,
        (QStringList{"Uczelnia*0*u*h*p*21*2*", QString::fromUtf8("Szkoła*1*anonymous*h*^*21*2*")}));
    EXPECT_EQ(QFile(path("s.dat")).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);

    // A rewrite from the loaded lines no longer carries the extra CRs.
    ASSERT_TRUE(rewriteCategory(2, readCategoryLines(2).lines));
    EXPECT_EQ(get("s.dat"), "Uczelnia*0*u*h*p*21*2*\r\nSzko\xB3"
                            "a*1*anonymous*h*^*21*2*\r\n");
}

TEST_F(ServerFiles, NewInneFileStartsWithTheSampleEntry) {
    EXPECT_EQ(defaultSampleEntry(), "GNU FTP*1*anonymous*ftp.gnu.org*guest@example.com*21*7*");
    ASSERT_TRUE(appendRecord(7, "Moj*0*u*h*p*21*7*", AppendStyle::NewServerDialog));
    EXPECT_EQ(get("s_list.dat"),
              "GNU FTP*1*anonymous*ftp.gnu.org*guest@example.com*21*7*\r\n\rMoj*0*u*h*p*21*7*\r\n");
    // Only a new file gets it; moving a server into INNE never adds it.
    ASSERT_TRUE(emptyCategory(7));
    ASSERT_TRUE(appendRecord(7, "Drugi*0*u*h*p*21*7*", AppendStyle::NewServerDialog));
    EXPECT_EQ(get("s_list.dat"), "\rDrugi*0*u*h*p*21*7*\r\n");
    QFile::remove(path("s_list.dat"));
    ASSERT_TRUE(appendRecord(7, "Przeniesiony*0*u*h*p*21*7*", AppendStyle::EditDialogMove));
    EXPECT_EQ(get("s_list.dat"), "Przeniesiony*0*u*h*p*21*7*\r\n");
}

TEST_F(ServerFiles, HandEditedFilesKeepEveryServer) {
    // Last line without CR LF: the appended record must not merge into it.
    put("mu.dat", "Radio*0*u*h*p*21*4*");
    ASSERT_TRUE(appendRecord(4, "Koncert*0*u*h*p*21*4*", AppendStyle::NewServerDialog));
    EXPECT_EQ(get("mu.dat"), "Radio*0*u*h*p*21*4*\r\n\rKoncert*0*u*h*p*21*4*\r\n");
    EXPECT_EQ(readCategoryLines(4).lines,
              (QStringList{"Radio*0*u*h*p*21*4*", "Koncert*0*u*h*p*21*4*"}));

    put("u.dat", "Jeden*0*u*h*p*21*5*");
    ASSERT_TRUE(appendRecord(5, "Dwa*0*u*h*p*21*5*", AppendStyle::EditDialogMove));
    EXPECT_EQ(get("u.dat"), "Jeden*0*u*h*p*21*5*\r\nDwa*0*u*h*p*21*5*\r\n");

    // The same when the new record needs UTF-8 and the file is converted whole.
    const QString tokyo = QString::fromUtf8("東京*0*u*h*p*21*6*");
    for (AppendStyle style : {AppendStyle::NewServerDialog, AppendStyle::EditDialogMove}) {
        put("priw.dat", "Stary \xA3\xF3\x64\x9F*0*u*h*p*21*6*");
        ASSERT_TRUE(appendRecord(6, tokyo, style));
        EXPECT_EQ(readCategoryLines(6).lines,
                  (QStringList{QString::fromUtf8("Stary Łódź*0*u*h*p*21*6*"), tokyo}));
    }

    // A file holding only a UTF-8 byte-order mark has no servers, and gains no
    // empty line from an append.
    put("p.dat", "\xEF\xBB\xBF");
    EXPECT_TRUE(readCategoryLines(0).lines.isEmpty());
    ASSERT_TRUE(appendRecord(0, "Nowy*0*u*h*p*21*0*", AppendStyle::EditDialogMove));
    EXPECT_EQ(readCategoryLines(0).lines, QStringList{"Nowy*0*u*h*p*21*0*"});

    // LF-only lines, lone CRs and a Ctrl-Z end read as lines; an append after
    // Ctrl-Z lands before it would be hidden.
    put("pr.dat", "A*0*u*h*p*21*3*\nB*0*u\r*h*p*21*3*\r\n\x1Agarbage");
    EXPECT_EQ(readCategoryLines(3).lines, (QStringList{"A*0*u*h*p*21*3*", "B*0*u*h*p*21*3*"}));
    ASSERT_TRUE(appendRecord(3, "C*0*u*h*p*21*3*", AppendStyle::NewServerDialog));
    EXPECT_EQ(readCategoryLines(3).lines,
              (QStringList{"A*0*u*h*p*21*3*", "B*0*u*h*p*21*3*", "C*0*u*h*p*21*3*"}));
}

TEST_F(ServerFiles, Windows1250LoadsAndRewritesByteExactly) {
    // "Łódź*0*użytkownik*ftp.łódź.pl*hasło*21*1*" in Windows-1250.
    const QByteArray line =
        "\xA3\xF3\x64\x9F*0*u\xBFytkownik*ftp.\xB3\xF3\x64\x9F.pl*has\xB3o*21*1*";
    put("M.dat", "\r" + line + "\r\n" + "Gda\xF1sk*0*u*h*^*21*1*\r\n");
    const ReadResult read = readCategoryLines(1);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.lines.size(), 2);
    EXPECT_EQ(read.lines[0], QString::fromUtf8("Łódź*0*użytkownik*ftp.łódź.pl*hasło*21*1*"));
    const QList<ServerEntry> entries = readCategoryEntries(1);
    EXPECT_EQ(entries[1].displayName(), QString::fromUtf8("Gdańsk"));
    EXPECT_FALSE(entries[1].passwordSaved());
    EXPECT_EQ(entries[1].sourceCategory, 1);

    ASSERT_TRUE(rewriteCategory(1, read.lines));
    EXPECT_EQ(get("M.dat"), line + "\r\n" + "Gda\xF1sk*0*u*h*^*21*1*\r\n");
}

TEST_F(ServerFiles, MissingFilesAndEmptying) {
    const ReadResult none = readCategoryLines(0);
    EXPECT_FALSE(none.exists);
    EXPECT_TRUE(none.ok);
    EXPECT_TRUE(none.lines.isEmpty());
    // Rewriting or emptying a missing file writes nothing.
    EXPECT_FALSE(rewriteCategory(0, {"A*0*u*h*p*21*0*"}));
    EXPECT_FALSE(emptyCategory(0));
    EXPECT_TRUE(files().isEmpty());

    // Deleting the last server leaves a zero-byte file that loads as empty.
    put("p.dat", "A*0*u*h*p*21*0*\r\n");
    ASSERT_TRUE(rewriteCategory(0, {}));
    EXPECT_EQ(get("p.dat"), "");
    EXPECT_TRUE(readCategoryLines(0).exists);
    EXPECT_TRUE(readCategoryLines(0).lines.isEmpty());

    put("m.dat", "B*0*u*h*p*21*1*\r\n");
    put("S_list.dat", "C*0*u*h*p*21*7*\r\n");
    EXPECT_TRUE(emptyAllCategories());
    EXPECT_EQ(files(), (QStringList{"S_list.dat", "m.dat", "p.dat"}));
    for (const QString& f : files())
        EXPECT_EQ(get(f), "") << f.toStdString();
}

TEST_F(ServerFiles, UnreadableFileIsReported) {
    // A name that cannot be read as a file (here a folder) is an error, not an empty list.
    ASSERT_TRUE(QDir(home.path()).mkdir("p.dat"));
    const ReadResult read = readCategoryLines(0);
    EXPECT_TRUE(read.exists);
    EXPECT_FALSE(read.ok);
}
