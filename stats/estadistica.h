#pragma once

#include "app/filedialogs.h"

#include <QWidget>

class ChartView;
class QLabel;
class QPushButton;
class ScaleSpinBox;
class TForm1;

// The statistics window: the share of the most frequent domains of the main window's
// InputList as a bar chart, with a scale for the number of bars and a picture export.
class Tchat : public QWidget {
    Q_OBJECT

public:
    explicit Tchat(TForm1& form1);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void spanChnge();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormKeyUp(QKeyEvent* event);

    TForm1& m_form1;

    ChartView* Chart1;
    QPushButton* Button1;
    QLabel* Label2;
    QPushButton* muestra;
    QPushButton* Button3;
    ScaleSpinBox* span;
    QLabel* Label1;
    PersistentFileDialog SaveP;

    // The number of bars Show chart draws, "others" included; while DefaultBars is set,
    // Show chart draws one bar fewer than there are domains.
    int NumberOfBars = 0;
    bool DefaultBars = false;
};
