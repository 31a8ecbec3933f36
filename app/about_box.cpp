#include "app/about_box.h"

#include "app/shell_texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("O programie"));
    auto* column = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("<h2>KORVANTE</h2>"), this);
    product->setObjectName(QStringLiteral("product"));
    auto* version = new QLabel(
        QStringLiteral("Wersja / Version %1").arg(QString::fromLatin1(shell_texts::kVersion)),
        this);
    version->setObjectName(QStringLiteral("version"));
    auto* maker = new QLabel(QStringLiteral("Klient FTP / FTP client — KORVANTE Software"), this);
    const QString site = QString::fromLatin1(shell_texts::kMakerSite);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(site), this);
    link->setObjectName(QStringLiteral("link"));
    link->setOpenExternalLinks(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* w : std::initializer_list<QWidget*>{product, version, maker, link, ok})
        column->addWidget(w, 0, Qt::AlignHCenter);
}
