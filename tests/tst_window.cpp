// The window: start state, Back and Next, the chrome, the meta-object and closing.
#include "testutil.h"
#include <QtGui/QWindow>
using namespace testutil;

namespace {
// The text fits its label or button on this machine (a 16 pt line without its leading in 21 pixels).
bool fits(QWidget *widget)
{
    const QFontMetrics fm = widget->fontMetrics();
    if (auto *l = qobject_cast<QLabel *>(widget))
        return l->sizeHint().width() <= l->width() && fm.ascent() + fm.descent() <= l->height() + 4;
    auto *b = qobject_cast<QPushButton *>(widget);   // plus the border
    return !b || (fm.horizontalAdvance(b->text()) + 2 <= b->width() && fm.height() <= b->height() - 2);
}

// "counter/stack section|points|" and Back, Next, Finish, Close shown (1) or hidden (0).
QString seen(QWidget *w)
{
    QString shown;
    for (const char *name : {"pushButton_1", "pushButton_2", "pushButton_3", "close_button"})
        shown += QLatin1Char(button(w, name)->isVisible() ? '1' : '0');
    QLabel *section = label(w, "type_label"), *points = label(w, "total_label");
    return QStringLiteral("%1/%2 %3|%4|%5%6").arg(current_page).arg(stack(w)->currentIndex())
        .arg(section->text(), points->text(), shown, fits(section) && fits(points) ? "" : " clipped");
}
} // namespace

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }
    void startStateAndNavigation()
    {
        auto w = freshWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("TEST № 8. LA LUTTE CONTRE LE TRAFIC DE STUPÉFIANTS."));
        QCOMPARE(seen(w.get()), QStringLiteral("0/0 <html><head/><body><p>LECTURE</p></body></html>||0100"));
        for (QWidget *chrome : w->centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(fits(chrome), qPrintable(chrome->objectName()));
        QCOMPARE(QFontInfo(label(w.get(), "total_label")->font()).family(), QStringLiteral("Carlito"));
        QCOMPARE(QFontInfo(label(w.get(), "test_label")->font()).family(), QStringLiteral("Liberation Sans"));
        const char *pages[] = {"0/0 LECTURE| |0100", "1/1 LECTURE|5 x 2 = 10|1100",
            "2/2 VOCABULAIRE|5 x 2 = 10|1100", "3/3 VOCABULAIRE|5 x 2 = 10|1100", "4/4 GRAMMAIRE|5 x 2 = 10|1100",
            "5/5 VOCABULAIRE|10 x 2 = 20|1100", "6/6 GRAMMAIRE|5 x 2 = 10|1010"};
        for (int p = 1; p <= 6; ++p)
            QVERIFY2(next(w.get()) && seen(w.get()) == pages[p], qPrintable(seen(w.get())));
        for (int p = 5; p >= 0; --p)
            QVERIFY2(back(w.get()) && seen(w.get()) == pages[p], qPrintable(seen(w.get())));
        current_page = 40;   // were the counter ever past the end, a step would bring it to the last page
        QVERIFY2(next(w.get()) && seen(w.get()) == pages[6], qPrintable(seen(w.get())));
        QVERIFY(finish(w.get()));
        QCOMPARE(seen(w.get()), QStringLiteral("6/7 RÉSULTAT|Au total: 70 points|0001"));
        w->resize(1000, 700);
        QCOMPARE(w->size(), QSize(800, 600));
    }

    // The chrome where a slip is easy: one pixel wider, a double line feed, a missing blank.
    void chrome()
    {
        const struct { const char *name, *styleEnd, *text; QRect geometry; } rows[] = {
            {"pushButton_2", "radius: 5px;\nheight: 20px;\n\n", "Далі", QRect(477, 570, 101, 22)},
            {"pushButton_3", "MS\";\nheight: 20px;\n\n", "Завершити", QRect(584, 570, 100, 22)},
            {"close_button", "radius: 5px;\nheight:20px;\n", "Закрити", QRect(690, 570, 100, 22)},
            {"stackedWidget", ";\nbackground-color: rgb(255, 255, 255, 0);", "", QRect(4, 70, 801, 491)},
            {"test_label", "75 16pt \"Tahoma\";", "<html><head/><body><p align=\"center\"><span style=\" font-size:"
             "16pt; font-weight:600; color:#ffffff;\">TEST № 8</span></p></body></html>", QRect(14, 10, 121, 21)}};
        auto w = freshWindow();
        for (const auto &row : rows) {
            auto *widget = w->findChild<QWidget *>(row.name);
            QCOMPARE(widget->geometry(), row.geometry);
            QVERIFY2(widget->styleSheet().endsWith(row.styleEnd), row.name);
            QCOMPARE(widget->property("text").toString(), QString::fromUtf8(row.text));
        }
    }

    // The meta-object's own entries; closing through the frame's close control ends the loop with 0.
    void metaObjectAndClose()
    {
        auto w = freshWindow();
        QCOMPARE(w->qt_metacast("MainWindow"), static_cast<void *>(w.get()));
        QCOMPARE(w->qt_metacast("QMainWindow"), w->QMainWindow::qt_metacast("QMainWindow"));
        QVERIFY(w->qt_metacast("QMainWindow") && !w->qt_metacast(nullptr) && !w->qt_metacast("mainwindow"));
        const int base = QMainWindow::staticMetaObject.methodCount();
        QCOMPARE(w->qt_metacall(QMetaObject::InvokeMetaMethod, base + 4, nullptr), 0);   // past the four slots
        QCOMPARE(w->qt_metacall(QMetaObject::InvokeMetaMethod, base + 1, nullptr), -3);   // Next
        QCOMPARE(current_page, 1);
        QTimer::singleShot(0, w.get(), [&] { w->windowHandle()->close(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
