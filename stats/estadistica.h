#pragma once

#include <QWidget>

class TForm1;

class Tchat : public QWidget {
    Q_OBJECT

public:
    explicit Tchat(TForm1& form1);

private:
    TForm1& m_form1;
};
