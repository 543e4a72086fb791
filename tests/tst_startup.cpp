#include "app/programwindows.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void onlyTheMainWindowIsVisible();
    void menuShowsEachWindowOnce_data();
    void menuShowsEachWindowOnce();
};

void TestStartup::onlyTheMainWindowIsVisible()
{
    ProgramWindows windows;
    windows.form1.show();
    QStringList visible;
    QStringList captions;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible.append(window->windowTitle());
        if (!window->inherits("QFileDialog") && !window->inherits("QMenu"))
            captions.append(window->windowTitle());
    }
    QCOMPARE(visible, QStringList{"Quillmere 1.0"});
    for (const char* caption :
         {"Seed your email in a email list to test deliverability", "Split a email list", "About",
          "Remove invalid and duplicated address"})
        QVERIFY2(captions.contains(caption), caption);
}

void TestStartup::menuShowsEachWindowOnce_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("className");

    QTest::addRow("split") << "Split1"
                           << "Tsplit";
    QTest::addRow("seed") << "Seedmyemail1"
                          << "Tseed";
    QTest::addRow("filter") << "Separebydomains1"
                            << "Textract";
    QTest::addRow("clean") << "Deleteemptylines1"
                           << "Tremove";
    QTest::addRow("sort") << "Orderbydomains1"
                          << "Tsort";
    QTest::addRow("statistics") << "Showstatisticsofdomains1"
                                << "Tchat";
    QTest::addRow("about") << "About1"
                           << "Taboutsoft";
}

void TestStartup::menuShowsEachWindowOnce()
{
    QFETCH(QString, action);
    QFETCH(QString, className);
    ProgramWindows windows;
    // The split and seed windows ask for a list when shown with too few lines.
    windows.form1.InputList = {"a@b.test", "c@d.test", "e@f.test"};
    windows.form1.show();
    windows.form1.findChild<QAction*>(action)->trigger();
    windows.form1.findChild<QAction*>(action)->trigger();
    QStringList shown;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != &windows.form1)
            shown.append(window->metaObject()->className());
    QCOMPARE(shown, QStringList{className});
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
