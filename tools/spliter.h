#pragma once

#include <QWidget>

class TForm1;

class Tsplit : public QWidget {
    Q_OBJECT

public:
    explicit Tsplit(TForm1& form1);

private:
    TForm1& m_form1;
};
