#include "controls/accelerator.h"
#include "controls/xpCheckBox.h"
#include "support/controlinput.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Probe {
    QPoint at;
    QColor colour;
};
using Probes = QList<Probe>;

const QColor border(28, 81, 128);
const QColor white(255, 255, 255);
const QColor green(0, 160, 0);
const QColor silver(192, 192, 192);
const QColor grey(128, 128, 128);
// Stands for the control's background colour in the probes.
const QColor background(1, 2, 3);
// Stands for the background colour inverted.
const QColor invertedBackground(4, 5, 6);

class KeyRecorder : public QObject {
public:
    int releases = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        releases += event->type() == QEvent::KeyRelease;
        return false;
    }
};

// A shown window holding one check box at (10, 10).
struct CheckBoxWindow {
    QWidget window;
    TxpCheckBox* box = new TxpCheckBox(&window);

    explicit CheckBoxWindow(const QString& caption = QStringLiteral("Check"))
    {
        window.resize(200, 100);
        box->move(10, 10);
        box->setText(caption);
    }
    bool activate()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

QColor inverted(const QColor& colour)
{
    return QColor(255 - colour.red(), 255 - colour.green(), 255 - colour.blue());
}

} // namespace

Q_DECLARE_METATYPE(Probes)

class TestXpCheckBox : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void input_data();
    void input();
    void handlerReadsTheNewState();
    void writingCheckedRaisesNoClick();
    void keyReleasesStayWithTheBox();
    void accelerators_data();
    void accelerators();
    void paint_data();
    void paint();
    void caption_data();
    void caption();
};

void TestXpCheckBox::defaults()
{
    const TxpCheckBox box;
    QCOMPARE(box.size(), QSize(97, 17));
    QCOMPARE(box.text(), QStringLiteral("XP Checkbox"));
    QVERIFY(!box.isChecked());
    QVERIFY(box.isCheckable());
    QCOMPARE(box.alignment(), TCheckBoxAlignment::cbaRight);
    QCOMPARE(box.color(), box.palette().color(QPalette::Button));
    QCOMPARE(box.focusPolicy(), Qt::StrongFocus);
}

void TestXpCheckBox::input_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("armed");

    QTest::addRow("click") << "press release" << true << 1 << true << false;
    QTest::addRow("two clicks") << "press release press release" << true << 2 << false << false;
    QTest::addRow("release outside") << "press moveOut releaseOut" << true << 0 << false << true;
    QTest::addRow("release outside, later inside")
        << "press releaseOut release" << true << 1 << true << false;
    // A double click toggles twice, leaving the state as it was.
    QTest::addRow("double click") << "press release dblclick release" << true << 2 << false
                                  << false;
    QTest::addRow("right button") << "rpress rrelease" << true << 0 << false << false;
    QTest::addRow("space") << "down:Space up:Space" << true << 1 << true << false;
    QTest::addRow("space held") << "down:Space repeat:Space repeat:Space up:Space" << true << 1
                                << true << false;
    QTest::addRow("enter does nothing") << "down:Return up:Return" << true << 0 << false << false;
    QTest::addRow("keypad enter does nothing")
        << "down:Enter up:Enter" << true << 0 << false << false;
    QTest::addRow("space, then another key's release")
        << "down:Space down:A up:A" << true << 1 << true << false;
    QTest::addRow("mouse-armed, then shift")
        << "press releaseOut down:Shift up:Shift" << true << 0 << false << true;
    QTest::addRow("mouse-armed, then escape release")
        << "press releaseOut up:Escape" << true << 0 << false << true;
    QTest::addRow("disabled click") << "press release" << false << 0 << false << false;
    QTest::addRow("disabled space") << "down:Space up:Space" << false << 0 << false << false;
}

void TestXpCheckBox::input()
{
    QFETCH(QString, script);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QFETCH(bool, checked);
    QFETCH(bool, armed);

    CheckBoxWindow fixture;
    fixture.box->setEnabled(enabled);
    const QSignalSpy clicked(fixture.box, &QAbstractButton::clicked);
    playInput(*fixture.box, script);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(fixture.box->isChecked(), checked);
    QCOMPARE(fixture.box->armed(), armed);
}

void TestXpCheckBox::handlerReadsTheNewState()
{
    CheckBoxWindow fixture;
    QList<bool> seen;
    connect(fixture.box, &QAbstractButton::clicked, [&] { seen.append(fixture.box->isChecked()); });
    playInput(*fixture.box, "press release down:Space up:Space");
    QCOMPARE(seen, (QList<bool>{true, false}));
}

void TestXpCheckBox::writingCheckedRaisesNoClick()
{
    CheckBoxWindow fixture{QString()};
    const QSignalSpy clicked(fixture.box, &QAbstractButton::clicked);
    fixture.box->setChecked(true);
    QCOMPARE(clicked.count(), 0);
    // The mark is drawn at once from the written state.
    QCOMPARE(fixture.box->grab().toImage().pixelColor(6, 10), green);
}

void TestXpCheckBox::keyReleasesStayWithTheBox()
{
    CheckBoxWindow fixture;
    KeyRecorder parentKeys;
    fixture.window.installEventFilter(&parentKeys);
    playInput(*fixture.box, "down:Space up:Space down:Escape up:Escape");
    QCOMPARE(parentKeys.releases, 0);
}

void TestXpCheckBox::accelerators_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");

    QTest::addRow("alt and letter") << "&Case" << int(Qt::Key_C) << true << 1;
    QTest::addRow("later letter") << "Ca&se" << int(Qt::Key_S) << true << 1;
    QTest::addRow("other letter") << "&Case" << int(Qt::Key_X) << true << 0;
    QTest::addRow("disabled") << "&Case" << int(Qt::Key_C) << false << 0;
    QTest::addRow("no accelerator") << "Case" << int(Qt::Key_C) << true << 0;
}

void TestXpCheckBox::accelerators()
{
    QFETCH(QString, caption);
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);

    CheckBoxWindow fixture(caption);
    auto* edit = new QLineEdit(&fixture.window);
    edit->setGeometry(10, 50, 100, 20);
    fixture.box->setEnabled(enabled);
    QVERIFY(fixture.activate());
    edit->setFocus();
    const QSignalSpy clicked(fixture.box, &QAbstractButton::clicked);
    QTest::keyClick(edit, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(fixture.box->isChecked(), clicks == 1);
    // The accelerator also moves the focus to the box.
    QCOMPARE(fixture.box->hasFocus(), clicks == 1);
}

void TestXpCheckBox::paint_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("captionLeft");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<Probes>("probes");

    const QColor none;
    QTest::addRow("normal") << "" << false << true << false << false << none
                            << Probes{{{8, 2}, QColor(224, 224, 219)},
                                      {{8, 10}, white},
                                      {{12, 12}, white},
                                      {{8, 1}, border},
                                      {{1, 8}, border},
                                      {{14, 8}, border},
                                      {{8, 14}, border},
                                      {{0, 8}, background},
                                      {{15, 8}, background},
                                      {{8, 0}, background},
                                      {{6, 10}, white}};
    QTest::addRow("pointer over") << "enter" << false << true << false << false << none
                                  << Probes{{{8, 2}, QColor(254, 233, 189)},
                                            {{2, 8}, QColor(250, 193, 83)},
                                            {{13, 8}, QColor(250, 193, 83)},
                                            {{8, 8}, background},
                                            {{3, 3}, background},
                                            {{1, 8}, border}};
    QTest::addRow("pressed") << "enter press" << false << true << false << false << none
                             << Probes{{{8, 2}, QColor(183, 183, 173)},
                                       {{8, 8}, QColor(227, 225, 211)},
                                       {{1, 8}, border}};
    QTest::addRow("space held") << "down:Space" << false << true << false << false << none
                                << Probes{{{8, 2}, QColor(183, 183, 173)}};
    QTest::addRow("checked") << "" << true << true << false << false << none
                             << Probes{{{6, 10}, green}, {{4, 7}, green}, {{10, 5}, green}};
    QTest::addRow("disabled and checked")
        << "enter" << true << false << true << false << none
        << Probes{{{6, 10}, silver}, {{12, 3}, white}, {{1, 8}, grey}, {{17, 1}, background}};
    QTest::addRow("caption at the left")
        << "" << false << true << false << true << none
        << Probes{{{82, 8}, border},     {{95, 8}, border},     {{88, 2}, QColor(224, 224, 219)},
                  {{96, 8}, background}, {{81, 8}, background}, {{1, 8}, background}};
    QTest::addRow("own colour, pointer over")
        << "enter" << false << true << false << false << QColor(10, 20, 30)
        << Probes{{{8, 8}, QColor(10, 20, 30)}, {{0, 0}, QColor(10, 20, 30)}};
    // An empty caption still gets a focus rectangle, from x 17 to 24.
    QTest::addRow("focused") << "" << false << true << true << false << none
                             << Probes{{{17, 1}, invertedBackground},
                                       {{18, 1}, background},
                                       {{24, 14}, invertedBackground},
                                       {{25, 14}, background}};
    QTest::addRow("focused, caption at the left")
        << "" << false << true << true << true << none
        << Probes{{{1, 1}, invertedBackground}, {{7, 15}, invertedBackground}};
}

void TestXpCheckBox::paint()
{
    QFETCH(QString, script);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(bool, focus);
    QFETCH(bool, captionLeft);
    QFETCH(QColor, colour);
    QFETCH(Probes, probes);

    CheckBoxWindow fixture{QString()};
    QVERIFY(fixture.activate());
    if (focus)
        fixture.box->setFocus();
    else
        fixture.box->clearFocus();
    fixture.box->setChecked(checked);
    fixture.box->setEnabled(enabled);
    if (captionLeft)
        fixture.box->setAlignment(TCheckBoxAlignment::cbaLeft);
    if (colour.isValid())
        fixture.box->setColor(colour);
    playInput(*fixture.box, script);

    const QColor ground = fixture.box->color();
    const QImage image = fixture.box->grab().toImage();
    for (const Probe& probe : probes) {
        const QColor expected = probe.colour == background           ? ground
                                : probe.colour == invertedBackground ? inverted(ground)
                                                                     : probe.colour;
        QCOMPARE(image.pixelColor(probe.at), expected);
    }
}

void TestXpCheckBox::caption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("captionLeft");

    QTest::addRow("right of the box") << "&MM" << true << false;
    QTest::addRow("left of the box") << "&MM" << true << true;
    QTest::addRow("disabled") << "&MM" << false << false;
}

void TestXpCheckBox::caption()
{
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(bool, captionLeft);

    CheckBoxWindow fixture(caption);
    fixture.box->resize(97, 24);
    fixture.box->setEnabled(enabled);
    if (captionLeft)
        fixture.box->setAlignment(TCheckBoxAlignment::cbaLeft);
    const QFontMetrics metrics(fixture.box->font());
    const int left = captionLeft ? 2 : 20;
    const int y = metrics.height() + 2;
    const int width = metrics.horizontalAdvance(QStringLiteral("M"));
    const QColor ink = enabled ? fixture.box->palette().color(QPalette::ButtonText) : grey;

    const QImage image = fixture.box->grab().toImage();
    QCOMPARE(image.pixelColor(left, y), ink);
    QCOMPARE(image.pixelColor(left + width - 1, y), ink);
    QVERIFY(image.pixelColor(left + width, y) != ink);
    QVERIFY(image.pixelColor(left - 1, y) != ink);
}

QTEST_MAIN(TestXpCheckBox)
#include "tst_xpcheckbox.moc"
