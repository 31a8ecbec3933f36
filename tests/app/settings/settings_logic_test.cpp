// The settings dialog's lines of konf.dat and the access password file.

#include "app/access_password.h"
#include "app/settings_dialog_logic.h"
#include "platform/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SettingsLogic, CategoryLabelsAndTheStatusText) {
    for (int code = 0; code <= 9; ++code)
        EXPECT_EQ(settings::categoryOfLabel(settings::categoryLabel(code)), code);
    EXPECT_EQ(settings::categoryLabel(2), QStringLiteral("SZKOŁY - UCZELNIE"));
    EXPECT_EQ(settings::categoryLabel(10), QString());
    EXPECT_EQ(settings::categoryOfLabel(QStringLiteral("pytaj?")), -1);
    EXPECT_EQ(settings::chosenCategoryStatus(QStringLiteral("PYTAJ?")),
              QStringLiteral("Wybrany serwer z kategorii: PYTAJ"));
    EXPECT_EQ(settings::chosenCategoryStatus(QStringLiteral("INNE")),
              QStringLiteral("Wybrany serwer z kategorii: INNE"));
}

TEST(SettingsLogic, LinesOfTheThreeWriters) {
    settings::Choices c;
    c.maximised = true;
    c.passive = true;
    c.serversOnly = false;
    c.logPane = false;
    c.polish = false;
    c.background = QStringLiteral("255");
    c.text = QString(); // empty: the built-in colour
    c.hidePassword = false;
    c.category = 9;
    c.autoReconnect = true;
    c.folder = QStringLiteral("/data/ftp");
    EXPECT_EQ(settings::konfLinesFromChoices(c, QStringLiteral("/prog")),
              QStringList({"1", "1", "0", "0", "0", "255", "0", "0", "9", "1", "/data/ftp"}));
    c.background.clear();
    c.folder.clear();
    const QStringList fallback = settings::konfLinesFromChoices(c, QStringLiteral("/prog"));
    EXPECT_EQ(fallback.value(5), QStringLiteral("-2147483624"));
    EXPECT_EQ(fallback.value(10), QStringLiteral("/prog"));

    EXPECT_EQ(settings::konfLinesForMissingFile(QStringLiteral("/prog")),
              QStringList({"0", "0", "0", "1", "1", "-2147483624", "0", "1", "7", "0", "/prog"}));
    // Built in: maximised, only the server list.
    EXPECT_EQ(settings::builtInKonfLines(QStringLiteral("/prog")),
              QStringList({"1", "0", "1", "1", "1", "-2147483624", "0", "1", "7", "0", "/prog"}));
}

TEST(AccessPassword, StoredExactlyAsTypedForItsOwnerOnly) {
    QTemporaryDir home;
    qputenv("KORVANTE_HOME", home.path().toLocal8Bit());
    EXPECT_FALSE(access_password::isSet());
    EXPECT_TRUE(access_password::matches(access_password::readStored(), QString()));

    ASSERT_TRUE(access_password::write(QStringLiteral("Tajne hasło ")));
    EXPECT_TRUE(access_password::isSet());
    EXPECT_EQ(textfile::readBytes(access_password::filePath()), QByteArray("Tajne has\xb3o \r\n"));
    EXPECT_EQ(QFile::permissions(access_password::filePath()) & 0x0077, 0)
        << "group and others may not read it";
    const access_password::Stored stored = access_password::readStored();
    EXPECT_TRUE(access_password::matches(stored, QStringLiteral("Tajne hasło ")));
    EXPECT_FALSE(access_password::matches(stored, QStringLiteral("Tajne hasło")));
    EXPECT_FALSE(access_password::matches(stored, QStringLiteral("tajne hasło ")));
    EXPECT_FALSE(access_password::matches({false, QString()}, QString()))
        << "a file that cannot be read lets nobody in";

    // Only the first line counts; an empty file holds the empty password.
    textfile::writeLines(access_password::filePath(), {"first", "second"});
    EXPECT_EQ(access_password::readStored().password, QStringLiteral("first"));
    textfile::writeBytes(access_password::filePath(), QByteArray());
    EXPECT_TRUE(access_password::matches(access_password::readStored(), QString()));

    EXPECT_TRUE(access_password::remove());
    EXPECT_FALSE(access_password::isSet());
    EXPECT_TRUE(access_password::remove()) << "nothing left to delete is no failure";
    qunsetenv("KORVANTE_HOME");
}

} // namespace
