#include "app/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TForm3"));
    setFixedSize(471, 185);
    setStyleSheet(QStringLiteral("background: white;"));
    auto* column = new QVBoxLayout(this);
    auto* banner = new QLabel(QStringLiteral("<h1 style='color:navy'>KORVANTE 2.5.5</h1>"), this);
    banner->setAlignment(Qt::AlignCenter);
    auto* loading = new QLabel(
        QStringLiteral("<b>Ładowanie listy serwerów FTP i ustawień programu...</b>"), this);
    loading->setAlignment(Qt::AlignCenter);
    auto* wait = new QLabel(QStringLiteral("Proszę czekać..."), this);
    wait->setAlignment(Qt::AlignCenter);
    column->addWidget(banner);
    column->addWidget(loading);
    column->addWidget(wait);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
