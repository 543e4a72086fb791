#pragma once

#include <QWidget>

class TForm1;

class Tseed : public QWidget {
    Q_OBJECT

public:
    explicit Tseed(TForm1& form1);

private:
    TForm1& m_form1;
};
