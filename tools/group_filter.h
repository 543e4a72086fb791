#pragma once

#include <QWidget>

class TForm1;

class Tsort : public QWidget {
    Q_OBJECT

public:
    explicit Tsort(TForm1& form1);

private:
    TForm1& m_form1;
};
