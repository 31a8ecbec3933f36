#pragma once
// TForm2, the about box: product, version, maker and a link to the maker's site.

#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};
