// Sorting, row texts, the printed report, the wizard texts and the search.

#include "servers/server_files.h"
#include "servers/server_list_logic.h"
#include "servers/server_search.h"
#include "tests/servers/qstring_print.h"

#include <gtest/gtest.h>

using namespace servers;

namespace {

QList<ServerEntry> entries(const QStringList& lines, int category = 0) {
    return entriesFromLines(lines, category);
}

QStringList names(const QList<ServerEntry>& list) {
    QStringList out;
    for (const ServerEntry& e : list)
        out.append(e.displayName());
    return out;
}

} // namespace

TEST(ServerListLogic, RowColumnsInBothLanguages) {
    const ServerEntry anon = parseEntry("Gnu*1*anonymous*ftp.gnu.org*a@b*21*7*");
    const ServerEntry named = parseEntry("Moj*0*jan*h*^*21*7*");
    EXPECT_EQ(rowColumns(anon, 1), (QStringList{"Gnu", "Anonimowy", "TAK"}));
    EXPECT_EQ(rowColumns(named, 1), (QStringList{"Moj", QString::fromUtf8("Użytkownik"), "NIE"}));
    EXPECT_EQ(rowColumns(anon, 0), (QStringList{"Gnu", "Anonymous", "YES"}));
    EXPECT_EQ(rowColumns(named, 2), (QStringList{"Moj", "User", "NO"}));
    // Short lines fill only the columns they have.
    EXPECT_EQ(rowColumns(parseEntry("Krotki*"), 1), (QStringList{"Krotki", "", ""}));
}

TEST(ServerListLogic, SortKeepsEachEntryWithItsLineAndIsTotal) {
    // Case-only differences, prefixes and Polish letters.
    QList<ServerEntry> list = entries({
        "beta*0*u1*h1*p*21*0*",
        "Alfa2*0*u2*h2*p*21*0*",
        "alfa*0*u3*h3*p*21*0*",
        QString::fromUtf8("Łódź*0*u4*h4*p*21*0*"),
        "Alfa*0*u5*h5*p*21*0*",
        "Lublin*0*u6*h6*p*21*0*",
        "Alfa*0*u0*h0*p*21*0*",
        "zeta*0*u7*h7*p*21*0*",
        "tekst bez gwiazdki",
    });
    sortEntries(list);
    EXPECT_EQ(names(list), (QStringList{"", "Alfa", "Alfa", "alfa", "Alfa2", "beta", "Lublin",
                                        QString::fromUtf8("Łódź"), "zeta"}));
    // Each entry still carries its own line, and equal names are ordered by line.
    for (const ServerEntry& e : list)
        EXPECT_TRUE(e.line.startsWith(e.displayName())) << e.line.toStdString();
    EXPECT_EQ(list[1].user(), "u0");
    EXPECT_EQ(list[2].user(), "u5");
    EXPECT_EQ(list[3].user(), "u3");

    // Sorting a shuffled copy gives the same order: no tie is left to chance.
    QList<ServerEntry> again = list;
    std::reverse(again.begin(), again.end());
    sortEntries(again);
    EXPECT_EQ(linesOf(again), linesOf(list));
}

TEST(ServerListLogic, PrintReport) {
    const QList<ServerEntry> three = entries({
        "Pierwszy*0*jan*ftp.a.pl*tajne*21*3*",
        "Drugi*1*anonymous*ftp.b.pl*^*2121*3*",
        "Trzeci*0*ola*ftp.c.pl**21*3*",
    });
    const QString report = serverListReport(3, three);
    const QStringList lines = report.split('\n');
    ASSERT_EQ(lines.size(), 1 + 3 * 7);
    EXPECT_EQ(lines[0], QString::fromUtf8(" Lista serwerów z kategorii: PROGRAMY"));
    EXPECT_EQ(lines.mid(1, 7), (QStringList{" Serwer Nr: 1", "   Sesja: Pierwszy",
                                            QString::fromUtf8("   Nazwa użytkownika: jan"),
                                            "   Nazwa serwera: ftp.a.pl", "   Haslo: UKRYTE",
                                            "   Port: 21", " " + QString(34, '-')}));
    EXPECT_EQ(lines[8], " Serwer Nr: 2");
    EXPECT_FALSE(report.contains("tajne"));

    // Missing fields leave out their lines; the header names 8 and nothing for 9.
    const QStringList shortOne =
        serverListReport(8, entries({"Tylko*1*anon*", "brak pol"})).split('\n');
    EXPECT_EQ(
        shortOne,
        (QStringList{QString::fromUtf8(" Lista serwerów z kategorii: WSZYSTKIE SERWERY"),
                     " Serwer Nr: 1", "   Sesja: Tylko",
                     QString::fromUtf8("   Nazwa użytkownika: anon"), " " + QString(34, '-')}));
    EXPECT_EQ(serverListReport(9, {}), QString::fromUtf8(" Lista serwerów z kategorii: "));
}

TEST(ServerListLogic, WizardDescriptionsAndStatus) {
    EXPECT_EQ(
        wizardDescription(0),
        (QStringList{QString::fromUtf8("W tej kategorii powinny znajdować się serwery"),
                     "konkretnych firmowe, np. HP, Microsoft", "SUN Microsystems, Norvex itp."}));
    EXPECT_EQ(wizardDescription(5).size(), 2);
    EXPECT_EQ(wizardDescription(7).size(), 3);
    EXPECT_EQ(wizardDescription(8),
              (QStringList{QString::fromUtf8("W tej kategorii znajdują się wszystkie serwery"),
                           "zapisane w programie KORVANTE"}));
    EXPECT_TRUE(wizardDescription(9).isEmpty());
    EXPECT_EQ(openCategoryStatus(2), QString::fromUtf8("Otwarta kategoria: SZKOŁY - UCZELNIE"));
}

TEST(ServerSearch, WholeNameComparesOnlyTheTypedStart) {
    const QStringList captions{"Uczelnia", "gnu", "Gnome", "GNU mirror"};
    EXPECT_EQ(findByNameStart(captions, ""), 0);
    EXPECT_EQ(findByNameStart(captions, "GN"), 1);
    EXPECT_EQ(findByNameStart(captions, "gno"), 2);
    EXPECT_EQ(findByNameStart(captions, "GNU "), 3);
    EXPECT_EQ(findByNameStart(captions, "xyz"), -1);
    EXPECT_EQ(findByNameStart({}, ""), -1);
}

TEST(ServerSearch, IncrementalStepsForwardAndStartsOver) {
    const QStringList captions{"Alfa", "Beta", "Bravo", "Brzeg", "Cezar"};
    IncrementalSearch s;
    s.character('b', 0);
    ASSERT_EQ(s.step(captions), IncrementalSearch::Outcome::Found);
    EXPECT_EQ(s.position(), 1);
    s.character('R', 1);
    ASSERT_EQ(s.step(captions), IncrementalSearch::Outcome::Found);
    EXPECT_EQ(s.position(), 2); // at or after the first letter's match
    s.character('z', 2);
    ASSERT_EQ(s.step(captions), IncrementalSearch::Outcome::Found);
    EXPECT_EQ(s.position(), 3);
    s.backspace(3);
    EXPECT_EQ(s.typed(), "bR");
    EXPECT_EQ(s.compareLength(), 2);
    ASSERT_EQ(s.step(captions), IncrementalSearch::Outcome::Found);
    EXPECT_EQ(s.position(), 3); // no going back: Brzeg still starts with "br"

    // A prefix no later server has starts over from the top.
    s.character('x', 2);
    EXPECT_EQ(s.step(captions), IncrementalSearch::Outcome::Reset);
    EXPECT_EQ(s.position(), 0);
    EXPECT_EQ(s.typed(), "");
    EXPECT_EQ(s.compareLength(), 1);
    s.character('a', 0);
    EXPECT_EQ(s.step(captions), IncrementalSearch::Outcome::Found);
    EXPECT_EQ(s.position(), 0);
    EXPECT_EQ(IncrementalSearch().step({}), IncrementalSearch::Outcome::Reset);
}
