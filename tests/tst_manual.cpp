#include "app/programwindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>

#include <memory>

namespace {

const QString docFolder = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../doc");

// Screenshots cropped to one window stay well below this.
constexpr qint64 largestImageBytes = 200 * 1024;

struct Tag {
    QString name;
    QString attributes;
};

QList<Tag> tagsOf(const QString& html, const QString& name)
{
    static const QRegularExpression tag(QStringLiteral(R"(<([a-zA-Z][a-zA-Z0-9]*)\b([^>]*)>)"));
    QList<Tag> tags;
    for (const QRegularExpressionMatch& match : tag.globalMatch(html))
        if (match.captured(1).compare(name, Qt::CaseInsensitive) == 0)
            tags.append({match.captured(1), match.captured(2)});
    return tags;
}

std::optional<QString> attribute(const Tag& tag, const QString& name)
{
    const QRegularExpression value(QStringLiteral(R"re((?:^|\s)%1\s*=\s*(?:"([^"]*)"|'([^']*)'))re")
                                       .arg(QRegularExpression::escape(name)),
                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = value.match(tag.attributes);
    if (!match.hasMatch())
        return std::nullopt;
    return match.capturedLength(1) > 0 || match.capturedStart(2) < 0 ? match.captured(1)
                                                                     : match.captured(2);
}

QStringList attributeValues(const QString& html, const QString& attributeName)
{
    static const QRegularExpression anyTag(QStringLiteral(R"(<[a-zA-Z][^>]*>)"));
    QStringList values;
    for (const QRegularExpressionMatch& match : anyTag.globalMatch(html)) {
        const Tag tag{QString(), match.captured(0).mid(1).chopped(1)};
        if (const std::optional<QString> value = attribute(tag, attributeName))
            values.append(value->trimmed());
    }
    return values;
}

// A reference that would make the page load something from outside its own folder: any
// address with a scheme ("http:", "file:") or a protocol-relative "//" address.
bool isExternal(const QString& reference)
{
    static const QRegularExpression scheme(QStringLiteral(R"(^[a-zA-Z][a-zA-Z0-9+.-]*:)"));
    return reference.startsWith(QLatin1String("//")) || scheme.match(reference).hasMatch();
}

QStringList externalReferences(const QString& html)
{
    QStringList found;
    for (const QString& attributeName : {QStringLiteral("src"), QStringLiteral("href")})
        for (const QString& value : attributeValues(html, attributeName))
            if (isExternal(value))
                found.append(value);
    static const QRegularExpression cssReference(
        QStringLiteral(R"(url\(\s*['"]?([^'")]*)|@import\s+['"]([^'"]*))"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : cssReference.globalMatch(html)) {
        const QString value = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        // An @import always loads another file, even a local one.
        if (isExternal(value) || !match.captured(2).isEmpty())
            found.append(value);
    }
    return found;
}

QString sectionText(const QString& html, const QString& id)
{
    const QRegularExpression section(
        QStringLiteral(R"(<section\s+id\s*=\s*"%1"\s*>(.*?)</section>)")
            .arg(QRegularExpression::escape(id)),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    return section.match(html).captured(1);
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowHasASection_data();
    void everyWindowHasASection();
    void everyImageExists_data();
    void everyImageExists();
    void externalReferencesAreFound_data();
    void externalReferencesAreFound();
    void manualNamesNoExternalResource();
    void internalLinksLeadToASection_data();
    void internalLinksLeadToASection();
    void everyCaptionIsDescribed_data();
    void everyCaptionIsDescribed();

private:
    QString m_html;
    QString m_text;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestManual::initTestCase()
{
    QFile manual(docFolder + "/help.htm");
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
    m_html = QString::fromUtf8(manual.readAll());
    QVERIFY(!m_html.isEmpty());
    m_text = QTextDocumentFragment::fromHtml(m_html).toPlainText();
}

void TestManual::everyWindowHasASection_data()
{
    QTest::addColumn<QString>("id");
    for (const char* id :
         {"main", "clean", "sort", "filter", "split", "seed", "statistics", "about"})
        QTest::addRow("%s", id) << QString::fromLatin1(id);
}

void TestManual::everyWindowHasASection()
{
    QFETCH(QString, id);
    const QString section = sectionText(m_html, id);
    QVERIFY2(!section.isEmpty(), "no section of that id");
    static const QRegularExpression heading(QStringLiteral(R"(^\s*<h2[^>]*>[^<]+</h2>)"));
    QVERIFY2(heading.match(section).hasMatch(), "the section does not begin with a heading");

    QStringList sources;
    for (const Tag& image : tagsOf(section, QStringLiteral("img")))
        sources.append(attribute(image, QStringLiteral("src")).value_or(QString()));
    QVERIFY2(sources.contains("images/" + id + ".png"), qPrintable(sources.join(", ")));
}

void TestManual::everyImageExists_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("alt");
    const QList<Tag> images = tagsOf(m_html, QStringLiteral("img"));
    QVERIFY(!images.isEmpty());
    for (const Tag& image : images) {
        const QString source = attribute(image, QStringLiteral("src")).value_or(QString());
        QTest::addRow("%s", qPrintable(source))
            << source << attribute(image, QStringLiteral("alt")).value_or(QString());
    }
}

void TestManual::everyImageExists()
{
    QFETCH(QString, source);
    QFETCH(QString, alt);
    QVERIFY2(source.startsWith("images/"), "pictures live in doc/images");
    QVERIFY2(!alt.trimmed().isEmpty(), "every picture has a text for readers who cannot see it");

    const QFileInfo file(docFolder + '/' + source);
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY2(file.size() <= largestImageBytes, qPrintable(QString::number(file.size())));
    const QImage picture(file.filePath());
    QVERIFY2(!picture.isNull(), "not a picture that can be read");
    QVERIFY(picture.width() >= 100 && picture.height() >= 100);
}

void TestManual::externalReferencesAreFound_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("external");

    QTest::addRow("relative picture") << R"(<img src="images/main.png" alt="x">)" << QStringList();
    QTest::addRow("fragment link") << R"(<a href="#clean">x</a>)" << QStringList();
    QTest::addRow("http picture") << R"(<img alt="x" src="http://example.test/a.png">)"
                                  << QStringList{"http://example.test/a.png"};
    QTest::addRow("https style sheet, single quotes")
        << R"(<link rel='stylesheet' href='https://example.test/s.css'>)"
        << QStringList{"https://example.test/s.css"};
    QTest::addRow("protocol-relative script")
        << R"(<script src="//cdn.test/x.js"></script>)" << QStringList{"//cdn.test/x.js"};
    QTest::addRow("upper-case attribute and scheme")
        << R"(<IMG SRC="HTTP://example.test/a.png">)" << QStringList{"HTTP://example.test/a.png"};
    QTest::addRow("blanks around the equals sign")
        << R"(<img src = "https://e.test/b.png">)" << QStringList{"https://e.test/b.png"};
    QTest::addRow("file address") << R"(<img src="file:///usr/share/x.png">)"
                                  << QStringList{"file:///usr/share/x.png"};
    QTest::addRow("style background")
        << R"(<style>body { background: url("http://e.test/b.png") }</style>)"
        << QStringList{"http://e.test/b.png"};
    QTest::addRow("style import") << R"(<style>@import "other.css";</style>)"
                                  << QStringList{"other.css"};
    QTest::addRow("address only in the text")
        << R"(<p>see http://example.test</p>)" << QStringList();
    QTest::addRow("data-src is not src")
        << R"(<img data-src="http://e.test/x.png" src="a.png">)" << QStringList();
}

void TestManual::externalReferencesAreFound()
{
    QFETCH(QString, html);
    QFETCH(QStringList, external);
    QCOMPARE(externalReferences(html), external);
}

void TestManual::manualNamesNoExternalResource()
{
    QCOMPARE(externalReferences(m_html), QStringList());
}

void TestManual::internalLinksLeadToASection_data()
{
    QTest::addColumn<QString>("target");
    for (const QString& link : attributeValues(m_html, QStringLiteral("href")))
        if (link.startsWith('#'))
            QTest::addRow("%s", qPrintable(link)) << link.mid(1);
}

void TestManual::internalLinksLeadToASection()
{
    QFETCH(QString, target);
    QVERIFY(attributeValues(m_html, QStringLiteral("id")).contains(target));
}

// The captions a user meets: window titles, menu items, buttons, check boxes and groups of
// the real windows, so a renamed control shows up here until the manual follows.
void TestManual::everyCaptionIsDescribed_data()
{
    QTest::addColumn<QString>("caption");
    m_windows = std::make_unique<ProgramWindows>();
    const QList<QWidget*> windows = {&m_windows->form1,   &m_windows->seed,  &m_windows->split,
                                     &m_windows->about,   &m_windows->clean, &m_windows->sort,
                                     &m_windows->extract, &m_windows->chat};
    QStringList captions;
    for (const QWidget* window : windows) {
        captions.append(window->windowTitle());
        // The window's own controls, not those of the file dialogs it owns.
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->window() == window)
                captions.append(button->text());
        for (const QGroupBox* group : window->findChildren<QGroupBox*>())
            if (group->window() == window)
                captions.append(group->title());
    }
    for (const QAction* menu : m_windows->form1.menuBar()->actions()) {
        captions.append(menu->text());
        for (const QAction* item : menu->menu()->actions())
            captions.append(item->text());
    }
    for (QString& caption : captions)
        caption = caption.remove('&').trimmed();
    captions.removeAll(QString());
    captions.removeDuplicates();
    for (const QString& caption : std::as_const(captions))
        QTest::addRow("%s", qPrintable(caption)) << caption;
}

void TestManual::everyCaptionIsDescribed()
{
    QFETCH(QString, caption);
    QVERIFY(m_text.contains(caption));
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
