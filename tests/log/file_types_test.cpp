// The type table and the size text of the properties windows.

#include "log/file_types.h"

#include <gtest/gtest.h>

namespace {

using filetypes::typeName;
using filetypes::Window;

std::string type(const char* name, Window window, int flag) {
    return typeName(QString::fromUtf8(name), window, flag).toStdString();
}

TEST(FileTypes, EndingIsTheLastFourCharactersLowerCased) {
    EXPECT_EQ(type("photo.JPG", Window::Remote, 1), "Plik graficzny");
    EXPECT_EQ(type("photo.bmp", Window::Local, 0), "Graphic file");
    EXPECT_EQ(type("pack.tar.gz", Window::Remote, 1), "Brak danych");
    EXPECT_EQ(type("pack.tar.gz", Window::Local, 0), "No data");
    EXPECT_EQ(type("index.html", Window::Remote, 0), "No data");
    EXPECT_EQ(type("index.htm", Window::Remote, 0), "HTML file");
    EXPECT_EQ(type("htm", Window::Remote, 0), "No data");
}

TEST(FileTypes, LocalWindowKnowsMoreEndingsAndItsOwnWordings) {
    EXPECT_EQ(type("run.com", Window::Local, 1), "Plik wykonywalny");
    EXPECT_EQ(type("run.com", Window::Remote, 1), "Brak danych");
    EXPECT_EQ(type("a.exe", Window::Remote, 0), "Executable file");
    EXPECT_EQ(type("unit.pas", Window::Local, 0), "Borland Delphi file");
    EXPECT_EQ(type("unit.pas", Window::Remote, 0), "No data");
    EXPECT_EQ(type("x.cab", Window::Local, 1), "Skompresowany plik Microsoft");
    EXPECT_EQ(type("doc.pdf", Window::Remote, 0), "Acrobat rider file");
    EXPECT_EQ(type("doc.pdf", Window::Local, 0), "Acrobat Rider file");
    EXPECT_EQ(type("p.rpm", Window::Remote, 1), "Skompresowany plik systemu Unix/Linux");
    EXPECT_EQ(type("p.rpm", Window::Local, 1), "Skompresowany plik systemu Unix lub Linux");
    EXPECT_EQ(type("p.rpm", Window::Local, 0), "Archive file Unix or Linux (compression)");
    EXPECT_EQ(type("a.dat", Window::Remote, 1), "Plik danych");
    // Any flag but 1 is English.
    EXPECT_EQ(type("a.txt", Window::Remote, 7), "Text file");
}

TEST(FileTypes, SizeTextTruncatesAndKeepsSixtyFourBits) {
    EXPECT_EQ(filetypes::sizeText(1023).toStdString(), "1023 B/ 0 KB/0 MB");
    EXPECT_EQ(filetypes::sizeText(1048575).toStdString(), "1048575 B/ 1023 KB/0 MB");
    EXPECT_EQ(filetypes::sizeText(-1).toStdString(), "-1 B/ 0 KB/0 MB");
    // Past 2 and 4 GiB, where a 32-bit size would wrap.
    EXPECT_EQ(filetypes::sizeText(5368709121LL).toStdString(), "5368709121 B/ 5242880 KB/5120 MB");
}

} // namespace
