#pragma once

#include <QWidget>

class TForm1;

class Taboutsoft : public QWidget {
    Q_OBJECT

public:
    explicit Taboutsoft(TForm1& form1);

private:
    TForm1& m_form1;
};
