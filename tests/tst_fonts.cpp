// Texts laid out for the test's own faces still fit on a desktop whose default
// font is wider and larger: the reading passage, every page heading, the options.
#include "testutil.h"

#include <QtWidgets/QGroupBox>

using namespace testutil;

namespace {

// Where a text inks: first/last row and column in which the picture with the
// text differs from the one without it by more than a faint shade.
QRect inkRect(const QImage &with, const QImage &without)
{
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) > 24)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// A label's ink as the window shows it, cut by the label and everything above it.
QRect shownInk(QWidget *window, QLabel *l)
{
    const QRect area(l->mapTo(window, QPoint(0, 0)), l->size());
    const QString text = l->text();
    const QImage with = window->grab(area).toImage();
    l->setText(QString());
    const QImage without = window->grab(area).toImage();
    l->setText(text);
    return inkRect(with, without);
}

// The same text on a lone label of the same width with room to spare below and beside.
QRect fullInk(QLabel *l)
{
    QLabel roomy;
    roomy.setFont(l->font());
    roomy.setWordWrap(l->wordWrap());
    roomy.setText(l->text());
    const int width = l->wordWrap() ? l->width() : qMax(l->width(), roomy.sizeHint().width()) + 40;
    roomy.resize(width, qMax(l->height(), roomy.heightForWidth(l->width())) + 40);
    const QImage with = roomy.grab().toImage();
    roomy.setText(QString());
    return inkRect(with, roomy.grab().toImage());
}

} // namespace

class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // What a desktop may hand the program before it starts.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        prepare();
    }

    void textsFit_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<bool>("fullLine");   // the label is at least one line of its text high
        QTest::newRow("passage") << 0 << "label_5" << QSize(731, 451) << true << true;
        // A 12 pt line is 20 pixels with its leading: only the leading may fall outside.
        QTest::newRow("heading 0") << 0 << "label_2" << QSize(771, 16) << true << false;
        QTest::newRow("heading 1") << 1 << "label_6" << QSize(731, 21) << true << true;
        QTest::newRow("heading 2") << 2 << "label_7" << QSize(711, 21) << false << true;
        QTest::newRow("heading 3") << 3 << "exv3" << QSize(711, 41) << true << true;
        QTest::newRow("heading 4") << 4 << "g4_label" << QSize(711, 21) << false << true;
        QTest::newRow("heading 5") << 5 << "label_49" << QSize(711, 21) << false << true;
        QTest::newRow("heading 6") << 6 << "label_50" << QSize(711, 21) << false << true;
    }

    void textsFit()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, wraps);
        QFETCH(bool, fullLine);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), page));
        QLabel *l = label(w.get(), qPrintable(name));
        QCOMPARE(l->size(), size);
        QCOMPARE(l->wordWrap(), wraps);
        if (fullLine) {
            if (wraps)
                QVERIFY2(l->heightForWidth(size.width()) <= size.height(),
                         qPrintable(QString::number(l->heightForWidth(size.width()))));
            else
                QVERIFY2(l->sizeHint().width() <= size.width() && l->sizeHint().height() <= size.height(),
                         qPrintable(QStringLiteral("%1 x %2").arg(l->sizeHint().width()).arg(l->sizeHint().height())));
        }
        // What the learner sees of the text is all of it.
        const QRect full = fullInk(l);
        const QRect shown = shownInk(w.get(), l);
        QVERIFY(!full.isEmpty());
        QVERIFY2(shown.width() >= full.width() && shown.height() >= full.height(),
                 qPrintable(QStringLiteral("shows %1 x %2 of %3 x %4").arg(shown.width()).arg(shown.height())
                                .arg(full.width()).arg(full.height())));
    }

    // The options keep their question's 10 pt face whatever the desktop's default.
    void optionsKeepTheirFace()
    {
        auto w = freshWindow();
        for (QRadioButton *r : w->findChildren<QRadioButton *>()) {
            const QFontInfo face(r->font());
            QCOMPARE(face.pointSize(), 10);
            QCOMPARE(face.family(), QStringLiteral("Carlito"));
        }
        QCOMPARE(w->findChildren<QRadioButton *>().size(), 15);
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
