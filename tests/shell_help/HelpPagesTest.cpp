#include "shell/help/HelpPages.h"

#include "app/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace qb {
namespace {

constexpr int kContentsTopic = 4;
constexpr int kLargestId = 0xFFFF;

// Every topic a help request can end on: the contents and the topic of every
// command and window id.
std::set<int> ReachableTopics()
{
    std::set<int> topics{HelpTopicOf(0)};
    for (int id = 0; id <= kLargestId; ++id) {
        topics.insert(HelpTopicOf(HelpContextOfCommand(id)));
        topics.insert(HelpTopicOf(HelpContextOfFrame(id)));
    }
    return topics;
}

// The topic of a page's file name, or -1.
int TopicOfPageName(const QString& fileName)
{
    static const QRegularExpression name(QStringLiteral("^topic([0-9]+)\\.html$"));
    const QRegularExpressionMatch match = name.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The topic numbers of the pages compiled into the program.
std::set<int> PageTopics()
{
    InitHelpResources();
    std::set<int> topics;
    for (const QString& file : QDir(QStringLiteral(":/help")).entryList(QDir::Files)) {
        const int topic = TopicOfPageName(file);
        EXPECT_GE(topic, 0) << file.toStdString();
        topics.insert(topic);
    }
    return topics;
}

QString PageText(int topic)
{
    QFile file(HelpPagePath(topic));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << topic;
    return QString::fromUtf8(file.readAll());
}

struct Page {
    int topic;
    std::unique_ptr<QTextDocument> document;
};

std::vector<Page> AllPages()
{
    std::vector<Page> pages;
    for (int topic : PageTopics()) {
        auto document = std::make_unique<QTextDocument>();
        document->setHtml(PageText(topic));
        pages.push_back({topic, std::move(document)});
    }
    return pages;
}

QString FirstHeading(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1)
            return block.text().trimmed();
    }
    return {};
}

// Every link target and every anchor name of a page.
struct Anchors {
    std::set<QString> hrefs;
    std::set<QString> names;
};

Anchors AnchorsOf(const QTextDocument& document)
{
    Anchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.anchorHref().isEmpty())
                anchors.hrefs.insert(format.anchorHref());
            for (const QString& anchorName : format.anchorNames())
                anchors.names.insert(anchorName);
        }
    }
    return anchors;
}

TEST(HelpPages, EveryReachableTopicHasAPageAndEveryPageIsReachable)
{
    const std::set<int> reachable = ReachableTopics();
    EXPECT_EQ(reachable.count(kContentsTopic), 1u);
    EXPECT_EQ(PageTopics(), reachable);
    for (int topic : reachable)
        EXPECT_TRUE(HasHelpPage(topic)) << topic;
    EXPECT_FALSE(HasHelpPage(5));
}

TEST(HelpPages, UnknownTopicFallsBackToTheContents)
{
    EXPECT_EQ(HelpPageOrContents(18), QUrl(QStringLiteral("qrc:/help/topic18.html")));
    EXPECT_EQ(HelpPageOrContents(5), QUrl(QStringLiteral("qrc:/help/topic4.html")));
    EXPECT_EQ(HelpPageOrContents(-1), QUrl(QStringLiteral("qrc:/help/topic4.html")));
}

TEST(HelpPages, EveryPageIsUtf8WithATitleAndAHeading)
{
    for (const Page& page : AllPages()) {
        QFile file(HelpPagePath(page.topic));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << page.topic << ": not UTF-8";
        EXPECT_TRUE(bytes.contains("<meta charset=\"utf-8\">")) << page.topic;
        const QString heading = FirstHeading(*page.document);
        EXPECT_FALSE(heading.isEmpty()) << page.topic << ": no heading";
        EXPECT_TRUE(page.document->metaInformation(QTextDocument::DocumentTitle).startsWith(heading))
            << page.topic << ": the window title and the heading differ";
    }
}

TEST(HelpPages, PagesKeepToInlineStylesAndPlainMarkup)
{
    static const QRegularExpression foreign(
        QStringLiteral("<(script|link|style|iframe|object|img)\\b"), QRegularExpression::CaseInsensitiveOption);
    for (const Page& page : AllPages())
        EXPECT_FALSE(foreign.match(PageText(page.topic)).hasMatch()) << page.topic;
}

TEST(HelpPages, EveryLinkLeadsToAPageOrASecureWebSite)
{
    std::map<int, Anchors> anchors;
    for (const Page& page : AllPages())
        anchors[page.topic] = AnchorsOf(*page.document);
    for (const auto& [topic, own] : anchors) {
        EXPECT_FALSE(own.hrefs.empty()) << topic << ": a page without links";
        for (const QString& href : own.hrefs) {
            const QUrl url(href);
            if (!url.isRelative()) {
                EXPECT_EQ(url.scheme(), QStringLiteral("https")) << topic << ": " << href.toStdString();
                continue;
            }
            const QString path = url.path();
            const int target = path.isEmpty() ? topic : TopicOfPageName(path);
            ASSERT_TRUE(anchors.count(target)) << topic << ": " << href.toStdString();
            if (url.hasFragment()) {
                EXPECT_TRUE(anchors[target].names.count(url.fragment())) << topic << ": " << href.toStdString();
            }
        }
    }
}

TEST(HelpPages, ContentsLinksEveryOtherPage)
{
    const std::vector<Page> pages = AllPages();
    std::set<int> linked;
    for (const Page& page : pages) {
        if (page.topic != kContentsTopic)
            continue;
        for (const QString& href : AnchorsOf(*page.document).hrefs)
            linked.insert(TopicOfPageName(QUrl(href).path()));
    }
    for (const Page& page : pages) {
        if (page.topic != kContentsTopic) {
            EXPECT_TRUE(linked.count(page.topic)) << page.topic << " is missing from the contents";
        }
    }
}

TEST(HelpPages, ContentsTellsHowToGetAndConvertTheAgencysData)
{
    QTextDocument document;
    document.setHtml(PageText(kContentsTopic));
    const QString contents = document.toPlainText();
    for (const char* text : {"基盤地図情報ダウンロードサービス", "数値標高モデル", "JPGIS", "フォルダーから探す",
                             "quarrenby-cli convert", "--database", "出典：国土地理院 基盤地図情報（数値標高モデル）"})
        EXPECT_TRUE(contents.contains(QString::fromUtf8(text))) << text;
}

// Facts of the views' pages that a user relies on and that a rewrite could lose.
TEST(HelpPages, ViewPagesTellTheLayoutTheZipsAndTheMovesWithEveryView)
{
    const auto plain = [](int topic) {
        QTextDocument document;
        document.setHtml(PageText(topic));
        return document.toPlainText();
    };
    const struct {
        int topic;
        std::vector<const char*> texts;
    } facts[] = {
        {90, {"レンダリング表示を左に幅の 3 分の 2", "右側の上に２次元等高線、下に地図ビュー", "均等に"}},
        {20, {"zip ファイルは展開（解凍）しなくてかまいません", "標高データXMLファイルは見つかりませんでした。"}},
        {44, {"赤い枠", "青い枠", "一つ前の範囲に戻す", "ここを回転の中心にする", "ここに地名を入力"}},
        {46, {"Shift キーを押しながら左ボタンでドラッグ", "右ボタンでドラッグ", "マウス ホイール"}},
    };
    for (const auto& fact : facts) {
        const QString text = plain(fact.topic);
        for (const char* wanted : fact.texts)
            EXPECT_TRUE(text.contains(QString::fromUtf8(wanted))) << fact.topic << ": " << wanted;
    }
    // Every move tells that the map view and the rendering view come back after a re-open.
    for (int topic : {48, 50, 52, 54}) {
        const QString text = plain(topic);
        EXPECT_TRUE(text.contains(QString::fromUtf8("地図ビューやレンダリング表示を開いていたときは"))) << topic;
        EXPECT_TRUE(text.contains(QString::fromUtf8("ファイルが見つかりませんでした"))) << topic;
    }
}

} // namespace
} // namespace qb
