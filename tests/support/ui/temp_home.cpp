#include "tests/support/ui/temp_home.h"

#include "platform/text_file.h"

#include <QDir>
#include <QFile>

TempHome::TempHome() : previousCurrentFolder_(QDir::currentPath()) {
    hadPrevious_ = qEnvironmentVariableIsSet("KORVANTE_HOME");
    previous_ = qgetenv("KORVANTE_HOME");
    qputenv("KORVANTE_HOME", dir_.path().toLocal8Bit());
}

TempHome::~TempHome() {
    if (hadPrevious_)
        qputenv("KORVANTE_HOME", previous_);
    else
        qunsetenv("KORVANTE_HOME");
    QDir::setCurrent(previousCurrentFolder_);
}

QString TempHome::file(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

void TempHome::writeLines(const QString& name, const QStringList& lines) const {
    textfile::writeLines(file(name), lines);
}

void TempHome::writeBytes(const QString& name, const QByteArray& bytes) const {
    textfile::writeBytes(file(name), bytes);
}

QByteArray TempHome::readBytes(const QString& name) const {
    return textfile::readBytes(file(name));
}

QStringList TempHome::readLines(const QString& name) const {
    return textfile::readLines(file(name));
}

bool TempHome::exists(const QString& name) const {
    return QFile::exists(file(name));
}

void TempHome::writeDefaultKonf(int language, int startCategory) const {
    writeLines(QStringLiteral("konf.dat"),
               {"1", "0", "1", "1", QString::number(language), "-2147483624", "0", "1",
                QString::number(startCategory), "0", dir_.path()});
}
