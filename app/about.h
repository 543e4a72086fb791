#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class TxpButton;

inline const QString productPicturePath = QStringLiteral(":/pictures/quillmere.jpg");

// The about window: the product's name, version and picture on a lightly shaded
// background. It holds no data; closing it only hides it.
class Taboutsoft : public QWidget {
    Q_OBJECT

public:
    // The product picture is read from picturePath, the compiled-in one by default.
    explicit Taboutsoft(const QString& picturePath = productPicturePath);

    void xpButton1Click();

protected:
    // The background follows the window's size: it always fills the client area.
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* Image2;
    QLabel* Image1;
    QLabel* Label1;
    TxpButton* xpButton1;
};
