#pragma once
// TForm3, the splash window shown while the main window reads its files.

#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
