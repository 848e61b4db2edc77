// The reading page: its widgets, its heading, and the passage the exercises ask about.
#include "testutil.h"

#include <QtCore/QRegularExpression>

using namespace testutil;

namespace {

const QString transparentStyle = QStringLiteral("background: rgba(255, 255, 255, 0);");

struct Paragraph
{
    QString align;
    QString style;
    QString text;
};

// Splits the passage into its paragraphs; empty when anything stands outside the
// expected "<p align=...><span style=...>...</span></p>" paragraphs.
QVector<Paragraph> paragraphsOf(const QString &document)
{
    const QString head = QStringLiteral("<html><head/><body>");
    const QString tail = QStringLiteral("</body></html>");
    if (!document.startsWith(head) || !document.endsWith(tail))
        return {};
    const QString body = document.mid(head.size(), document.size() - head.size() - tail.size());
    static const QRegularExpression paragraph(
        QStringLiteral("<p align=\"(\\w+)\"><span style=\"([^\"]*)\">(.*?)</span></p>"));
    QVector<Paragraph> result;
    int at = 0;
    for (auto it = paragraph.globalMatch(body); it.hasNext();) {
        const auto match = it.next();
        if (match.capturedStart() != at)
            return {};
        result.append({match.captured(1), match.captured(2), match.captured(3)});
        at = match.capturedEnd();
    }
    return at == body.size() ? result : QVector<Paragraph>();
}

int sentenceCount(const QString &text)
{
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    return text.count(end);
}

} // namespace

class ReadingPageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QVector<Paragraph> paragraphs;

private slots:
    void initTestCase()
    {
        prepare();
        window = freshWindow();
        paragraphs = paragraphsOf(label(window.get(), "label_5")->text());
    }

    void widgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("style");
        QTest::newRow("panel") << "lecture1_1" << "QWidget" << "stacked_lecture1_1" << QRect(15, 0, 770, 481)
            << "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
               "stop:1 rgba(255, 255, 255, 255));\nborder-radius: 5px;";
        QTest::newRow("heading") << "label_2" << "QLabel" << "lecture1_1" << QRect(20, 0, 771, 16) << transparentStyle;
        QTest::newRow("passage") << "label_5" << "QLabel" << "lecture1_1" << QRect(20, 20, 731, 451) << transparentStyle;
    }

    void widgets()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QFETCH(QString, style);
        QWidget *widget = window->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->parentWidget()->objectName(), parentName);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->styleSheet(), style);
        if (auto *l = qobject_cast<QLabel *>(widget)) {
            // Size, weight, colour and alignment all come from the rich text.
            QVERIFY(l->wordWrap());
            QCOMPARE(l->textFormat(), Qt::AutoText);
            QCOMPARE(l->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
            QVERIFY(!l->testAttribute(Qt::WA_SetFont));
            QCOMPARE(l->frameShape(), QFrame::NoFrame);
        }
    }

    void pageInStack()
    {
        QWidget *page = stack(window.get())->widget(0);
        QCOMPARE(page->objectName(), QStringLiteral("stacked_lecture1_1"));
        // Heading first, passage second.
        const auto labels = page->findChild<QWidget *>(QStringLiteral("lecture1_1"))
                                ->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(labels.size(), 2);
        QCOMPARE(labels[0]->objectName(), QStringLiteral("label_2"));
        QCOMPARE(labels[1]->objectName(), QStringLiteral("label_5"));
    }

    void heading()
    {
        QCOMPARE(label(window.get(), "label_2")->text(),
                 QStringLiteral("<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; "
                                "color:#00557f;\">I. Lisez le texte:</span></p></body></html>"));
    }

    // Title, three section headings and six justified 10 pt paragraphs with the
    // sentence counts of the outline, closed by an empty paragraph.
    void passageStructure()
    {
        QCOMPARE(paragraphs.size(), 11);
        QCOMPARE(paragraphs[0].align, QStringLiteral("center"));
        QCOMPARE(paragraphs[0].style, QStringLiteral(" font-size:11pt; font-weight:600;"));
        QCOMPARE(paragraphs[0].text, QStringLiteral("L'HÉROÏNE"));

        const QMap<int, QString> headings = {
            {1, QStringLiteral("&gt; L'HÉROÏNE, QU'EST-CE QUE C'EST?")},
            {3, QStringLiteral("&gt; À QUOI ÇA RESSEMBLE?")},
            {5, QStringLiteral("&gt; EFFETS ET DANGERS DE L'HÉROÏNE")},
        };
        const QMap<int, int> sentences = {{2, 1}, {4, 3}, {6, 3}, {7, 5}, {8, 1}, {9, 4}};
        int headingCount = 0;
        for (int i = 1; i < paragraphs.size(); ++i) {
            const Paragraph &p = paragraphs[i];
            QCOMPARE(p.align, QStringLiteral("justify"));
            QCOMPARE(p.style, QStringLiteral(" font-size:10pt;"));
            if (p.text.startsWith(QLatin1String("&gt; ")))
                ++headingCount;
            if (headings.contains(i))
                QCOMPARE(p.text, headings[i]);
            if (sentences.contains(i)) {
                QVERIFY2(!p.text.contains(QLatin1Char('<')), qPrintable(p.text));
                QCOMPARE(sentenceCount(p.text), sentences[i]);
            }
        }
        QCOMPARE(headingCount, 3);
        QCOMPARE(paragraphs.last().text, QStringLiteral("<br/>"));
    }

    // The facts that the five questions of exercise I ask about.
    void passageFacts_data()
    {
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("made from morphine") << 2 << QStringList{"synthèse", "morphine"};
        QTest::newRow("powder or granules") << 4 << QStringList{"poudre", "granulés", "écraser"};
        QTest::newRow("effects") << 6 << QStringList{"apaisement", "euphorie", "sensation d'extase"};
        QTest::newRow("early disorders") << 8 << QStringList{"très tôt", "anorexie", "insomnie"};
        QTest::newRow("overdose") << 9 << QStringList{"surdose", "dépression respiratoire", "souvent mortelle"};
    }

    void passageFacts()
    {
        QFETCH(int, paragraph);
        QFETCH(QStringList, words);
        QVERIFY(paragraph < paragraphs.size());
        for (const QString &word : words)
            QVERIFY2(paragraphs[paragraph].text.contains(word), qPrintable(word));
    }

    // The label does not scroll: the whole passage, empty paragraph included, fits.
    void passageFits()
    {
        QLabel *passage = label(window.get(), "label_5");
        QVERIFY2(passage->heightForWidth(731) <= 451, qPrintable(QString::number(passage->heightForWidth(731))));
        QVERIFY(passage->heightForWidth(passage->contentsRect().width()) <= passage->contentsRect().height());
    }
};

QTEST_MAIN(ReadingPageTest)
#include "tst_reading_page.moc"
