// The rules behind the server dialogs and the export and import window that
// need no window: validation order and texts, copying category files.

#include "servers/dialogs_texts.h"
#include "servers/export_import.h"
#include "servers/server_dialog_validation.h"
#include "servers/server_files.h"
#include "tests/servers/qstring_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace server_dialogs;
using servers::ServerRecord;

namespace {

ServerRecord complete() {
    ServerRecord r;
    r.name = "Sesja";
    r.host = "ftp.example.org";
    r.user = "jan";
    r.password = "tajne";
    return r;
}

// Which message and field the first failing check gives, in the chosen language.
std::pair<QString, Field> failure(const ServerRecord& r, DialogKind kind, int flag) {
    const auto f = validateServerInput(r, kind);
    if (!f)
        return {QStringLiteral("<accepted>"), Field::Port};
    return {lang::pick(f->message, flag), f->field};
}

} // namespace

TEST(ServerDialogValidation, TableRowsInOrderWithBothEnglishVariants) {
    ServerRecord r = complete();
    r.name.clear();
    r.host.clear(); // only the first failure counts
    EXPECT_EQ(failure(r, DialogKind::NewServer, 1),
              std::make_pair(QString("Pole: Sesja FTP nie może być puste"), Field::Name));
    EXPECT_EQ(failure(r, DialogKind::NewServer, 0).first, "The Sesion FTP cannot be empty");
    EXPECT_EQ(failure(r, DialogKind::EditServer, 2).first,
              "The Control: Sesion FTP cannot be empty");

    r = complete();
    r.host.clear();
    EXPECT_EQ(failure(r, DialogKind::EditServer, 1),
              std::make_pair(QString("Pole: Adres serwera FTP nie może być puste"), Field::Host));
    EXPECT_EQ(failure(r, DialogKind::NewServer, 0).first, "The Control: Host name cannot be empty");

    r = complete();
    r.user.clear();
    EXPECT_EQ(failure(r, DialogKind::NewServer, 0),
              std::make_pair(QString("The Control: User cannot be empty"), Field::User));

    r = complete();
    r.password.clear();
    r.anonymous = true;
    EXPECT_EQ(failure(r, DialogKind::NewServer, 1),
              std::make_pair(QString("Pole: Hasło nie może być puste. W trybie anonimowym wpisz "
                                     "Swój adres e-amil"),
                             Field::Password));
    r.anonymous = false;
    EXPECT_EQ(failure(r, DialogKind::EditServer, 0).first,
              "The Control: Password cannot be empty. Write Your User password");

    // An empty password that is not saved becomes the "^" marker: accepted.
    r.savePassword = false;
    EXPECT_FALSE(validateServerInput(r, DialogKind::NewServer).has_value());
}

TEST(ServerDialogValidation, RefusesWhatTheFileCannotHold) {
    ServerRecord r = complete();
    r.host = "ftp*host";
    EXPECT_EQ(failure(r, DialogKind::NewServer, 1),
              std::make_pair(QString("Pole: Adres serwera FTP nie może zawierać znaku \"*\""),
                             Field::Host));
    r = complete();
    r.name = "a*b";
    r.user = "c*d";
    EXPECT_EQ(failure(r, DialogKind::EditServer, 0).second, Field::Name);
    r = complete();
    r.user = "c*d";
    EXPECT_EQ(failure(r, DialogKind::EditServer, 0).second, Field::User);

    r = complete();
    r.password = "pa*ss";
    EXPECT_EQ(failure(r, DialogKind::NewServer, 0),
              std::make_pair(QString("The Control: Password cannot contain the character \"*\""),
                             Field::Password));
    r.password = "^";
    EXPECT_EQ(failure(r, DialogKind::NewServer, 1).second, Field::Password);
    EXPECT_TRUE(failure(r, DialogKind::NewServer, 1).first.contains("\"^\""));
    // Neither is written when the password is not saved.
    r.savePassword = false;
    EXPECT_FALSE(validateServerInput(r, DialogKind::NewServer).has_value());
    r.password = "a*";
    EXPECT_FALSE(validateServerInput(r, DialogKind::NewServer).has_value());

    r = complete();
    for (int port : {0, 65536, -1}) {
        r.port = port;
        EXPECT_EQ(failure(r, DialogKind::NewServer, 0).second, Field::Port) << port;
    }
    for (int port : {1, 21, 2121, 65535}) {
        r.port = port;
        EXPECT_FALSE(validateServerInput(r, DialogKind::NewServer).has_value()) << port;
    }
}

namespace {

class CategoryCopies : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(other.isValid());
        qputenv("KORVANTE_HOME", home.path().toUtf8());
    }
    void TearDown() override { qunsetenv("KORVANTE_HOME"); }

    static void put(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray get(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static QStringList files(const QTemporaryDir& dir) {
        return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir home;
    QTemporaryDir other;
};

} // namespace

TEST_F(CategoryCopies, ExportCopiesBytesUnderTheExportSpelling) {
    // As an installation holds them: loader spelling, leading CR, Windows-1250.
    const QByteArray firmy = "\rFirma \xb3\xf3"
                             "d\x9f*0*jan*ftp.firma.pl*^*21*0*\r\n";
    const QByteArray inne = "GNU*1*anonymous*ftp.gnu.org*guest@example.com*21*7*\r\n"
                            "\rPrywatny*0*ola*10.0.0.1*x*2121*7*\r\n";
    put(home.filePath("P.dat"), firmy);
    put(home.filePath("S_list.dat"), inne);

    using export_import::CopyResult;
    EXPECT_EQ(export_import::exportCategory(0, other.path()), CopyResult::Copied);
    EXPECT_EQ(export_import::exportCategory(7, other.path()), CopyResult::Copied);
    EXPECT_EQ(files(other), (QStringList{"p.dat", "s_list.dat"}));
    EXPECT_EQ(get(other.filePath("p.dat")), firmy);
    EXPECT_EQ(get(other.filePath("s_list.dat")), inne);
    EXPECT_EQ(QFile::permissions(other.filePath("p.dat")) & 0x0077, 0); // holds passwords

    // A category without a file is reported, and leaves no file behind.
    EXPECT_EQ(export_import::exportCategory(1, other.path()), CopyResult::SourceMissing);
    EXPECT_EQ(files(other).size(), 2);

    // An earlier copy under another spelling is replaced, not doubled.
    put(other.filePath("M.DAT"), "old\r\n");
    put(home.filePath("m.dat"), "new*0*u*h*p*21*1*\r\n");
    EXPECT_EQ(export_import::exportCategory(1, other.path()), CopyResult::Copied);
    EXPECT_EQ(get(other.filePath("M.DAT")), "new*0*u*h*p*21*1*\r\n");
    EXPECT_FALSE(QFile::exists(other.filePath("m.dat")));
}

TEST_F(CategoryCopies, ImportDetectsAnySpellingAndReplacesTheProgramFile) {
    put(other.filePath("m.dat"), "Miasto*0*u*h*p*21*1*\r\n");
    put(other.filePath("U.DAT"), "Ulub*1*anonymous*h*guest@example.com*21*5*\r\n");
    put(other.filePath("notes.txt"), "x");
    EXPECT_EQ(export_import::categoriesIn(other.path()), (QList<int>{1, 5}));
    EXPECT_TRUE(export_import::categoriesIn(QString()).isEmpty());

    // The program folder keeps the loader's spelling; import replaces that file.
    put(home.filePath("U.dat"), "stare*0*u*h*p*21*5*\r\n");
    using export_import::CopyResult;
    EXPECT_EQ(export_import::importCategory(1, other.path()), CopyResult::Copied);
    EXPECT_EQ(export_import::importCategory(5, other.path()), CopyResult::Copied);
    EXPECT_EQ(files(home), (QStringList{"U.dat", "m.dat"}));
    EXPECT_EQ(get(home.filePath("U.dat")), get(other.filePath("U.DAT")));
    EXPECT_EQ(servers::readCategoryLines(1).lines, (QStringList{"Miasto*0*u*h*p*21*1*"}));

    // Nothing to import: the program's file stays as it was.
    EXPECT_EQ(export_import::importCategory(0, other.path()), CopyResult::SourceMissing);
    put(home.filePath("p.dat"), "keep\r\n");
    EXPECT_EQ(export_import::importCategory(0, other.path()), CopyResult::SourceMissing);
    EXPECT_EQ(get(home.filePath("p.dat")), "keep\r\n");
}
