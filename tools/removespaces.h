#pragma once

#include <QWidget>

class TForm1;

class Tremove : public QWidget {
    Q_OBJECT

public:
    explicit Tremove(TForm1& form1);

private:
    TForm1& m_form1;
};
