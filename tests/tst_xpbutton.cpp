#include "controls/accelerator.h"
#include "controls/xpButton.h"
#include "support/controlinput.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

struct Probe {
    QPoint at;
    QColor colour;
};
using Probes = QList<Probe>;

const QColor faceLight(253, 253, 253);
const QColor faceDark(205, 204, 223);
const QColor frame(0, 60, 116);
const QColor outer(214, 211, 211);
const QColor topLine(206, 231, 255);
const QColor bottomLine(105, 130, 238);
const QColor innerFrame(188, 212, 246);
const QColor white(255, 255, 255);
const QColor orange(248, 179, 48);
const QColor disabledFill(241, 241, 237);
const QColor disabledFrame(196, 195, 191);
const QColor disabledText(161, 161, 146);

// Counts the key events that reach a widget after its children left them unhandled.
class KeyRecorder : public QObject {
public:
    QList<int> releases;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease)
            releases.append(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
};

// A shown, active window holding one button at (10, 10).
struct ButtonWindow {
    QWidget window;
    TxpButton* button = new TxpButton(&window);

    explicit ButtonWindow(const QString& caption = QStringLiteral("OK"))
    {
        window.resize(200, 100);
        button->setGeometry(10, 10, 75, 25);
        button->setText(caption);
    }
    bool activate()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

Q_DECLARE_METATYPE(Probes)

class TestXpButton : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void captions_data();
    void captions();
    void input_data();
    void input();
    void pointerTracking_data();
    void pointerTracking();
    void keyEventsGoOn();
    void focus();
    void accelerators_data();
    void accelerators();
    void dialogKeys_data();
    void dialogKeys();
    void modalResult_data();
    void modalResult();
    void paint_data();
    void paint();
    void underline_data();
    void underline();
};

void TestXpButton::defaults()
{
    const TxpButton button;
    QCOMPARE(button.size(), QSize(75, 25));
    QCOMPARE(button.text(), QStringLiteral("XP Button"));
    QCOMPARE(button.focusPolicy(), Qt::StrongFocus);
    QVERIFY(button.isEnabled());
    QVERIFY(!button.isDefault());
    QVERIFY(!button.isCancel());
    QCOMPARE(button.modalResult(), 0);
    QVERIFY(!button.armed() && !button.mouseInside() && !button.focused());
}

void TestXpButton::captions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("accelerator");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("matches");

    QTest::addRow("marked first letter") << "&Save"
                                         << "Save" << 0 << QChar('s') << true;
    QTest::addRow("marked later letter") << "Sa&ve"
                                         << "Save" << 2 << QChar('V') << true;
    QTest::addRow("other letter") << "&Save"
                                  << "Save" << 0 << QChar('a') << false;
    QTest::addRow("doubled ampersand") << "A&&B"
                                       << "A&B" << 1 << QChar('&') << true;
    QTest::addRow("doubled ampersand is not B") << "A&&B"
                                                << "A&B" << 1 << QChar('b') << false;
    QTest::addRow("only the first marks") << "x&y&z"
                                          << "xy&z" << 1 << QChar('z') << false;
    QTest::addRow("trailing ampersand") << "Save&"
                                        << "Save" << -1 << QChar('&') << false;
    QTest::addRow("no ampersand") << "Save"
                                  << "Save" << -1 << QChar('s') << false;
    QTest::addRow("empty") << ""
                           << "" << -1 << QChar('a') << false;
    QTest::addRow("lone ampersand") << "&"
                                    << "" << -1 << QChar('&') << false;
    QTest::addRow("two ampersands") << "&&"
                                    << "&" << 0 << QChar('&') << true;
    QTest::addRow("latin-1 letter")
        << QString(QChar('&')) + QChar(0xDC) + "bersicht" << QString(QChar(0xDC)) + "bersicht" << 0
        << QChar(0xFC) << true;
}

void TestXpButton::captions()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(int, accelerator);
    QFETCH(QChar, typed);
    QFETCH(bool, matches);

    const AcceleratedCaption split = splitCaption(caption);
    QCOMPARE(split.shown, shown);
    QCOMPARE(split.accelerator, accelerator);
    QCOMPARE(isAccelerator(caption, typed), matches);
}

void TestXpButton::input_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("armed");

    QTest::addRow("click") << "press release" << true << 1 << false;
    QTest::addRow("press only") << "press" << true << 0 << true;
    QTest::addRow("second press while armed") << "press press release" << true << 1 << false;
    QTest::addRow("release outside") << "press moveOut releaseOut" << true << 0 << true;
    QTest::addRow("release outside, later inside")
        << "press moveOut releaseOut moveIn release" << true << 1 << false;
    QTest::addRow("release without press") << "release" << true << 0 << false;
    QTest::addRow("double click") << "press release dblclick release" << true << 2 << false;
    QTest::addRow("right button") << "rpress rrelease" << true << 0 << false;
    QTest::addRow("right button while armed") << "press rpress rrelease" << true << 0 << true;
    QTest::addRow("space") << "down:Space up:Space" << true << 1 << false;
    QTest::addRow("space held") << "down:Space repeat:Space repeat:Space repeat:Space up:Space"
                                << true << 1 << false;
    QTest::addRow("return") << "down:Return up:Return" << true << 1 << false;
    QTest::addRow("keypad enter") << "down:Enter up:Enter" << true << 1 << false;
    QTest::addRow("space, then another key's release")
        << "down:Space down:Shift up:Shift up:Space" << true << 1 << false;
    QTest::addRow("letter key") << "down:A up:A" << true << 0 << false;
    QTest::addRow("escape") << "down:Escape up:Escape" << true << 0 << false;
    QTest::addRow("space, then mouse release over it")
        << "down:Space release up:Space" << true << 1 << false;
    // Armed by the mouse and released outside: key releases must not click it.
    QTest::addRow("mouse-armed, then shift")
        << "press releaseOut down:Shift up:Shift" << true << 0 << true;
    QTest::addRow("mouse-armed, then alt")
        << "press releaseOut down:Alt up:Alt" << true << 0 << true;
    QTest::addRow("mouse-armed, then escape release")
        << "press releaseOut up:Escape" << true << 0 << true;
    QTest::addRow("mouse-armed, space does not rearm")
        << "press releaseOut down:Space up:Space" << true << 0 << true;
    QTest::addRow("disabled click") << "press release" << false << 0 << false;
    QTest::addRow("disabled space") << "down:Space up:Space" << false << 0 << false;
    QTest::addRow("disabled double click") << "dblclick" << false << 0 << false;
}

void TestXpButton::input()
{
    QFETCH(QString, script);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QFETCH(bool, armed);

    ButtonWindow fixture;
    fixture.button->setEnabled(enabled);
    const QSignalSpy clicked(fixture.button, &QAbstractButton::clicked);
    playInput(*fixture.button, script);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(fixture.button->armed(), armed);
}

void TestXpButton::pointerTracking_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("inside");

    QTest::addRow("enter") << "enter" << true;
    QTest::addRow("enter and leave") << "enter leave" << false;
    QTest::addRow("dragged out") << "enter press moveOut" << false;
    QTest::addRow("dragged back") << "enter press moveOut moveIn" << true;
}

void TestXpButton::pointerTracking()
{
    QFETCH(QString, script);
    QFETCH(bool, inside);

    ButtonWindow fixture;
    playInput(*fixture.button, script);
    QCOMPARE(fixture.button->mouseInside(), inside);
}

void TestXpButton::keyEventsGoOn()
{
    ButtonWindow fixture;
    KeyRecorder parentKeys;
    fixture.window.installEventFilter(&parentKeys);
    const QSignalSpy down(fixture.button, &TxpButton::keyDown);
    const QSignalSpy up(fixture.button, &TxpButton::keyUp);
    const QSignalSpy clicked(fixture.button, &QAbstractButton::clicked);

    playInput(*fixture.button, "down:Space up:Space down:Escape up:Escape");
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(down.count(), 2);
    QCOMPARE(up.count(), 2);
    QCOMPARE(down.at(1).at(0).toInt(), int(Qt::Key_Escape));
    QCOMPARE(up.at(0).at(0).toInt(), int(Qt::Key_Space));
    // Releases go on to the window, which closes some windows on Escape.
    QCOMPARE(parentKeys.releases, (QList<int>{Qt::Key_Space, Qt::Key_Escape}));
}

void TestXpButton::focus()
{
    ButtonWindow fixture;
    auto* edit = new QLineEdit(&fixture.window);
    edit->setGeometry(10, 50, 100, 20);
    QVERIFY(fixture.activate());
    edit->setFocus();
    const QSignalSpy entered(fixture.button, &StyledControl::focusEntered);
    const QSignalSpy left(fixture.button, &StyledControl::focusLeft);

    // A press takes the focus; the release outside does not give it back.
    playInput(*fixture.button, "press releaseOut");
    QVERIFY(fixture.button->hasFocus());
    QVERIFY(fixture.button->focused());
    QCOMPARE(entered.count(), 1);
    edit->setFocus();
    QVERIFY(!fixture.button->focused());
    QCOMPARE(left.count(), 1);
    // A disabled button does not take it.
    fixture.button->setEnabled(false);
    playInput(*fixture.button, "press");
    QVERIFY(edit->hasFocus());
    QCOMPARE(entered.count(), 1);
}

void TestXpButton::accelerators_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");

    const int alt = Qt::AltModifier;
    QTest::addRow("alt and letter") << "&Save" << int(Qt::Key_S) << alt << true << 1;
    QTest::addRow("letter alone") << "&Save" << int(Qt::Key_S) << 0 << true << 0;
    QTest::addRow("other letter") << "&Save" << int(Qt::Key_A) << alt << true << 0;
    QTest::addRow("disabled") << "&Save" << int(Qt::Key_S) << alt << false << 0;
    QTest::addRow("no accelerator") << "Save" << int(Qt::Key_S) << alt << true << 0;
    QTest::addRow("doubled ampersand") << "A&&B" << int(Qt::Key_Ampersand) << alt << true << 1;
    QTest::addRow("doubled ampersand, letter after")
        << "A&&B" << int(Qt::Key_B) << alt << true << 0;
    QTest::addRow("a later mark") << "&&B&C" << int(Qt::Key_C) << alt << true << 0;
}

void TestXpButton::accelerators()
{
    QFETCH(QString, caption);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);

    ButtonWindow fixture(caption);
    auto* edit = new QLineEdit(&fixture.window);
    edit->setGeometry(10, 50, 100, 20);
    fixture.button->setEnabled(enabled);
    QVERIFY(fixture.activate());
    // The accelerator works while another control has the focus.
    edit->setFocus();
    const QSignalSpy clicked(fixture.button, &QAbstractButton::clicked);
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), clicks);
}

void TestXpButton::dialogKeys_data()
{
    QTest::addColumn<QString>("focusOn");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<bool>("isCancel");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("targetClicks");
    QTest::addColumn<int>("focusedClicks");

    const int enter = Qt::Key_Return;
    const int esc = Qt::Key_Escape;
    QTest::addRow("default, enter in an edit")
        << "edit" << enter << true << false << true << 1 << 0;
    QTest::addRow("default, keypad enter")
        << "edit" << int(Qt::Key_Enter) << true << false << true << 1 << 0;
    QTest::addRow("default, escape") << "edit" << esc << true << false << true << 0 << 0;
    QTest::addRow("cancel, escape in an edit") << "edit" << esc << false << true << true << 1 << 0;
    QTest::addRow("cancel, enter") << "edit" << enter << false << true << true << 0 << 0;
    QTest::addRow("neither") << "edit" << enter << false << false << true << 0 << 0;
    QTest::addRow("default and cancel, escape") << "edit" << esc << true << true << true << 1 << 0;
    QTest::addRow("disabled default") << "edit" << enter << true << false << false << 0 << 0;
    QTest::addRow("window itself has the focus")
        << "window" << enter << true << false << true << 1 << 0;
    // A focused button takes its own Enter; Escape it leaves to the window.
    QTest::addRow("enter on another button")
        << "button" << enter << true << false << true << 0 << 1;
    QTest::addRow("escape on another button") << "button" << esc << false << true << true << 1 << 0;
}

void TestXpButton::dialogKeys()
{
    QFETCH(QString, focusOn);
    QFETCH(int, key);
    QFETCH(bool, isDefault);
    QFETCH(bool, isCancel);
    QFETCH(bool, enabled);
    QFETCH(int, targetClicks);
    QFETCH(int, focusedClicks);

    ButtonWindow fixture;
    auto* edit = new QLineEdit(&fixture.window);
    edit->setGeometry(10, 50, 100, 20);
    auto* other = new TxpButton(&fixture.window);
    other->setGeometry(100, 10, 75, 25);
    fixture.button->setDefault(isDefault);
    fixture.button->setCancel(isCancel);
    fixture.button->setEnabled(enabled);
    QVERIFY(fixture.activate());
    QWidget* const focused = focusOn == "edit"     ? static_cast<QWidget*>(edit)
                             : focusOn == "button" ? static_cast<QWidget*>(other)
                                                   : &fixture.window;
    focused->setFocus();

    const QSignalSpy target(fixture.button, &QAbstractButton::clicked);
    const QSignalSpy focusedButton(other, &QAbstractButton::clicked);
    QTest::keyClick(focused, Qt::Key(key));
    QCOMPARE(target.count(), targetClicks);
    QCOMPARE(focusedButton.count(), focusedClicks);
}

void TestXpButton::modalResult_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("execResult");

    QTest::addRow("result 2 ends the dialog") << 2 << 2;
    QTest::addRow("result 0 leaves it open") << 0 << int(QDialog::Rejected);
    QTest::addRow("negative result ends it") << -1 << -1;
}

void TestXpButton::modalResult()
{
    QFETCH(int, result);
    QFETCH(int, execResult);

    QDialog dialog;
    auto* button = new TxpButton(&dialog);
    button->setModalResult(result);
    bool handlerSawOpenDialog = false;
    connect(button, &QAbstractButton::clicked, [&] { handlerSawOpenDialog = dialog.isVisible(); });
    QTimer::singleShot(0, button, [button] { playInput(*button, "press release"); });
    // Whatever the button does, the dialog ends here.
    QTimer::singleShot(200, &dialog, &QDialog::reject);
    QCOMPARE(dialog.exec(), execResult);
    QVERIFY(handlerSawOpenDialog);
}

void TestXpButton::paint_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<Probes>("probes");

    QTest::addRow("normal") << "" << true << false
                            << Probes{{{37, 4}, faceLight},   {{37, 6}, QColor(246, 246, 249)},
                                      {{37, 20}, faceDark},   {{37, 1}, frame},
                                      {{1, 12}, frame},       {{73, 12}, frame},
                                      {{37, 23}, frame},      {{37, 2}, topLine},
                                      {{37, 22}, bottomLine}, {{2, 12}, innerFrame},
                                      {{72, 12}, innerFrame}, {{37, 3}, innerFrame},
                                      {{37, 21}, innerFrame}, {{3, 12}, white},
                                      {{71, 12}, white},      {{37, 24}, white},
                                      {{74, 12}, white},      {{0, 12}, outer},
                                      {{37, 0}, outer},       {{4, 4}, faceLight}};
    QTest::addRow("pointer over") << "enter" << true << false
                                  << Probes{{{3, 12}, orange},
                                            {{37, 3}, orange},
                                            {{71, 12}, orange},
                                            {{37, 21}, orange},
                                            {{37, 4}, faceLight}};
    QTest::addRow("pressed") << "enter press" << true << false
                             << Probes{{{37, 4}, faceDark},
                                       {{37, 5}, QColor(209, 208, 226)},
                                       {{37, 15}, faceLight},
                                       {{37, 20}, faceLight},
                                       {{3, 12}, orange}};
    QTest::addRow("armed, pointer outside")
        << "enter press moveOut" << true << false
        << Probes{{{37, 4}, faceLight}, {{37, 20}, faceDark}, {{3, 12}, white}};
    QTest::addRow("space held, pointer elsewhere")
        << "down:Space" << true << false << Probes{{{37, 4}, faceLight}};
    // Every other pixel of the focus rectangle is inverted.
    QTest::addRow("focused") << "" << true << true
                             << Probes{{{4, 4}, QColor(2, 2, 2)},
                                       {{5, 4}, faceLight},
                                       {{4, 20}, QColor(50, 51, 32)},
                                       {{70, 10}, QColor(23, 23, 15)},
                                       {{37, 12}, QColor(226, 225, 236)}};
    QTest::addRow("disabled") << "" << false << false
                              << Probes{{{37, 12}, disabledFill},
                                        {{1, 12}, disabledFrame},
                                        {{0, 12}, outer},
                                        {{37, 2}, disabledFill},
                                        {{37, 24}, outer}};
    QTest::addRow("disabled, pointer over, focused")
        << "enter" << false << true << Probes{{{3, 12}, disabledFill}, {{4, 4}, disabledFill}};
}

void TestXpButton::paint()
{
    QFETCH(QString, script);
    QFETCH(bool, enabled);
    QFETCH(bool, focus);
    QFETCH(Probes, probes);

    ButtonWindow fixture{QString()};
    QVERIFY(fixture.activate());
    if (focus)
        fixture.button->setFocus();
    else
        fixture.button->clearFocus();
    fixture.button->setEnabled(enabled);
    playInput(*fixture.button, script);
    const QImage image = fixture.button->grab().toImage();
    for (const Probe& probe : probes)
        QCOMPARE(image.pixelColor(probe.at), probe.colour);
    if (!enabled)
        QCOMPARE(image.pixelColor(0, 0), fixture.button->palette().color(QPalette::Button));
}

void TestXpButton::underline_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("enabled");

    QTest::addRow("first letter") << "&MM"
                                  << ""
                                  << "M"
                                  << "" << true;
    QTest::addRow("second ampersand") << "A&&B"
                                      << "A"
                                      << "&"
                                      << "" << true;
    QTest::addRow("pressed moves it") << "M&W"
                                      << "M"
                                      << "W"
                                      << "enter press" << true;
    QTest::addRow("disabled") << "&MM"
                              << ""
                              << "M"
                              << "" << false;
}

void TestXpButton::underline()
{
    QFETCH(QString, caption);
    QFETCH(QString, before);
    QFETCH(QString, marked);
    QFETCH(QString, script);
    QFETCH(bool, enabled);

    ButtonWindow fixture(caption);
    fixture.button->setEnabled(enabled);
    playInput(*fixture.button, script);
    const QFontMetrics metrics(fixture.button->font());
    const QString shown = splitCaption(caption).shown;
    const int offset = fixture.button->armed() ? 1 : 0;
    const int x = (75 - metrics.horizontalAdvance(shown)) / 2 + offset;
    const int y = (25 - metrics.height()) / 2 + offset + metrics.height();
    const int from = x + metrics.horizontalAdvance(before);
    const int to = x + metrics.horizontalAdvance(before + marked);
    const QColor ink =
        enabled ? fixture.button->palette().color(QPalette::ButtonText) : disabledText;

    const QImage image = fixture.button->grab().toImage();
    QCOMPARE(image.pixelColor(from, y), ink);
    QCOMPARE(image.pixelColor(to - 1, y), ink);
    QVERIFY(image.pixelColor(from - 1, y) != ink);
    QVERIFY(image.pixelColor(to, y) != ink);
}

QTEST_MAIN(TestXpButton)
#include "tst_xpbutton.moc"
