#include "app/programwindows.h"
#include "app/windowsetup.h"
#include "controls/XPGraphUtil.h"
#include "controls/accelerator.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "support/referencepicture.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// One case per line of a table in tests/data/controls: fields split at "|", the first naming it.
static void addTableRows(const QString& name)
{
    QFile file(QStringLiteral(QUILLMERE_TEST_DATA "/controls/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTest::addColumn<QStringList>("fields");
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#'))
            QTest::newRow(qPrintable(line.section(" |", 0, 0)))
                << line.split(QRegularExpression(" *\\| *"));
}

// The control as drawn on a screen of that scale.
static QImage pictureAt(QWidget& control, qreal scale)
{
    QImage picture((QSizeF(control.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    control.render(&picture);
    return picture;
}

// What of a control's caption its drawing would cut off; empty when it shows whole.
static QString captionCut(const QWidget& control)
{
    const QFontMetrics metrics(control.font());
    const auto cut = [&](const QString& text, const QRect& room, int top) {
        const QSize size(metrics.horizontalAdvance(text), metrics.height());
        return text.trimmed().isEmpty() || room.contains(QRect(QPoint(room.left(), top), size))
                   ? QString()
                   : QString("%1: \"%2\" (%3x%4) in %5x%6")
                         .arg(control.objectName(), text)
                         .arg(size.width())
                         .arg(size.height())
                         .arg(room.width())
                         .arg(room.height());
    };
    const int h = control.height();
    if (qobject_cast<const TxpButton*>(&control))
        return cut(splitCaption(control.property("text").toString()).shown,
                   edgeRect(4, 4, control.width() - 4, h - 4), (h - metrics.height()) / 2);
    if (qobject_cast<const TxpCheckBox*>(&control))
        return cut(splitCaption(control.property("text").toString()).shown,
                   edgeRect(20, 2, control.width() - 2, h), (h - metrics.height()) / 2);
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return cut(button->text(), room, room.top());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && !label->wordWrap())
        return cut(label->text(), label->contentsRect(), label->contentsRect().top());
    return {};
}

// Plays an input script (the steps are described in input.txt) on a control.
static void playInput(QWidget& control, const QString& script)
{
    // Presses and releases come through the window as the platform's do.
    static const QHash<QString, QTest::MouseAction> clicks{{"press", QTest::MousePress},
                                                           {"release", QTest::MouseRelease},
                                                           {"dblclick", QTest::MouseDClick}};
    static const QHash<QString, Qt::MouseButton> buttons{{"right", Qt::RightButton},
                                                         {"middle", Qt::MiddleButton}};
    QWidget* const window = control.window();
    const QPoint centre = control.rect().center();
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString action = step.section(':', 0, 0);
        const QString argument = step.section(':', 1);
        const QPoint at = argument == "out" ? QPoint(-5, -5) : centre;
        const auto sendKey = [&](QEvent::Type type, bool repeat = false) {
            QKeyEvent event(type, QKeySequence::fromString(argument)[0].key(), {}, {}, repeat);
            QApplication::sendEvent(&control, &event);
        };
        if (clicks.contains(action)) {
            QTest::mouseEvent(clicks[action], window->windowHandle(),
                              buttons.value(argument, Qt::LeftButton), {},
                              control.mapTo(window, at));
        } else if (action == "move") {
            QMouseEvent event(QEvent::MouseMove, at, control.mapToGlobal(at), Qt::NoButton,
                              Qt::LeftButton, {});
            QApplication::sendEvent(&control, &event);
        } else if (action == "enter" || action == "leave") {
            QEnterEvent enter(centre, control.mapTo(window, centre), control.mapToGlobal(centre));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&control, action == "enter" ? &enter : &leave);
        } else if (action == "down" || action == "up") {
            sendKey(action == "down" ? QEvent::KeyPress : QEvent::KeyRelease);
        } else if (action == "repeat") {
            sendKey(QEvent::KeyRelease, true);
            sendKey(QEvent::KeyPress, true);
        } else if (action == "type") {
            const QKeyCombination key = QKeySequence::fromString(argument)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        } else if (action == "focus") {
            QWidget* const named = window->findChild<QWidget*>(argument);
            (argument.isEmpty() ? &control : argument == "window" ? window : named)->setFocus();
        } else {
            QTest::qFail(qPrintable("unknown step in script: " + step), __FILE__, __LINE__);
        }
    }
}

class TestStyledControls : public QObject {
    Q_OBJECT

private slots:
    void input_data() { addTableRows("input.txt"); }
    void input();
    void captionsFit_data() { addTableRows("desktop-fonts.txt"); }
    void captionsFit();
    void gradientFill_data() { addTableRows("gradients.txt"); }
    void gradientFill();

private:
    // What reaches the window under test: the focus, key releases, and a dialog's end.
    bool eventFilter(QObject* window, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            seen << "window-focus";
        if (event->type() == QEvent::KeyRelease)
            seen << "window:" + QKeySequence(static_cast<QKeyEvent*>(event)->key()).toString();
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && event->type() == QEvent::Hide)
            seen << "closed:" + QString::number(dialog->result());
        return false;
    }

    QStringList seen;
};

// The control sits in a window (or a modal dialog) beside a line edit, which has the focus
// at first, and another button; the columns of input.txt say the rest.
void TestStyledControls::input()
{
    QFETCH(QStringList, fields);
    QWidget plainWindow;
    QDialog dialog;
    dialog.setModal(true);
    QWidget& window = fields[1] == "dialog" ? dialog : plainWindow;
    // The window colour, magenta, shows behind the cut corners and as the check box colour.
    QPalette colours(QColor(239, 239, 239), Qt::magenta);
    window.resize(300, 70);
    window.setFocusPolicy(Qt::ClickFocus); // as the tool windows that close on Escape
    place(new QLineEdit(&window), "edit", QRect(10, 40, 100, 20))->setFocus();
    auto* other = place(new TxpButton(&window), "other", QRect(200, 10, 75, 25));
    auto* button = fields[1] == "checkbox" ? nullptr : new TxpButton(&window);
    StyledControl* const control =
        button ? static_cast<StyledControl*>(button) : new TxpCheckBox(&window);
    control->move(10, 10);
    control->setFont(QFont("DejaVu Sans", 8));
    control->setText(fields[2]);
    qreal scale = 1;
    for (const QString& p : fields[3].split(' ', Qt::SkipEmptyParts)) {
        const QString key = p.section('=', 0, 0), value = p.section('=', 1);
        if (key == "scale") {
            scale = value.toDouble();
        } else if (key == "pointSize") {
            control->setFont(QFont("DejaVu Sans", value.toInt()));
        } else if (key == "scheme") { // Breeze Dark's colours
            colours.setColor(QPalette::Window, QColor(42, 46, 50));
            colours.setColor(QPalette::Button, QColor(49, 54, 59));
            for (const auto role : {QPalette::ButtonText, QPalette::WindowText})
                colours.setColor(role, QColor(239, 240, 241));
        } else {
            QVERIFY(control->setProperty(qPrintable(key), value));
        }
    }
    window.setPalette(colours);
    connect(control, &QAbstractButton::clicked, [&] {
        seen << (button ? "click" : control->isChecked() ? "checked" : "unchecked");
    });
    connect(other, &QAbstractButton::clicked, [this] { seen << "other-click"; });
    connect(control, &StyledControl::focusEntered, [this] { seen << "focusin"; });
    connect(control, &StyledControl::focusLeft, [this] { seen << "focusout"; });
    if (button) {
        connect(button, &TxpButton::keyDown,
                [this](int key) { seen << "keydown:" + QKeySequence(key).toString(); });
        connect(button, &TxpButton::keyUp,
                [this](int key) { seen << "keyup:" + QKeySequence(key).toString(); });
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    window.installEventFilter(this);
    seen.clear();
    playInput(*control, fields[4]);
    if (control->armed())
        seen << "armed";
    window.removeEventFilter(this);
    QCOMPARE(seen.join(' '), fields.value(5));
    const QString picture = fields.value(6);
    const QString difference =
        picture.isEmpty() ? QString() : compareWithReference(pictureAt(*control, scale), picture);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// Whatever the desktop's font, every window draws in its design font, where every caption of
// a styled control and every label shows whole.
void TestStyledControls::captionsFit()
{
    QFETCH(QStringList, fields);
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(QFont(fields[1], fields[2].toInt()));
    QStringList cut;
    {
        ProgramWindows windows;
        const int designHeight = QFontMetrics(designFont()).height();
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &windows.form1, &windows.seed, &windows.split, &windows.about, &windows.clean,
                 &windows.sort, &windows.extract, &windows.chat})
            for (const QWidget* control : window->findChildren<QWidget*>()) {
                if (control->window() != window) // the file dialogs lay themselves out
                    continue;
                const QString where = window->metaObject()->className() + QString(" ");
                if (qobject_cast<const StyledControl*>(control) &&
                    QFontMetrics(control->font()).height() != designHeight)
                    cut << where + control->objectName() + ": not in the design font";
                if (const QString text = captionCut(*control); !text.isEmpty())
                    cut << where + text;
            }
    }
    QApplication::setFont(desktopFont);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

// The fill lands on a magenta canvas, which must stay untouched outside the rectangle; each
// colour listed fills one whole line across it.
void TestStyledControls::gradientFill()
{
    QFETCH(QStringList, fields);
    QList<int> n; // left, top, right, bottom, direction, band count
    for (const QString& number : QString(fields[1] + ' ' + fields[3]).split(' '))
        n << number.toInt();
    const QStringList colours =
        fields[2].split(' ') + fields.value(4).split(' ', Qt::SkipEmptyParts);
    const QRect r = edgeRect(n[0], n[1], n[2], n[3]);
    const bool acrossX = n[4] == LeftToRight || n[4] == LeftToRightReversed;
    QImage canvas(80, 30, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    GradientFill(painter, r, QColor::fromString(colours[0]), QColor::fromString(colours[1]), n[4],
                 n[5]);
    painter.end();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = !r.isEmpty() && r.contains(x, y);
            const QString wanted =
                inside ? colours.value(2 + (acrossX ? x - r.left() : y - r.top())) : "#ff00ff";
            QCOMPARE(canvas.pixelColor(x, y).name(), wanted);
        }
}

QTEST_MAIN(TestStyledControls)
#include "tst_styledcontrols.moc"
