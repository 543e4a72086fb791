#pragma once

#include <QWidget>

class TForm1;

class Textract : public QWidget {
    Q_OBJECT

public:
    explicit Textract(TForm1& form1);

private:
    TForm1& m_form1;
};
