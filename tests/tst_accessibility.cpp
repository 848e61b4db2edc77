// What a screen reader gets from the window, through the toolkit's accessibility interfaces:
// what each press announces, the names of the answer lists,
// the review cells by keyboard, and the reading passage line by line. Question 5's name and
// pages seen anew once shown are checked over the real bus (atspi_reader).
#include "accessible.h"
#include "expected.h"
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
using namespace learner;

namespace {
#define TOOLKIT_ANNOUNCES (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

// Every announcement the window made to the reader since the scenario began: a notification
// shown (name, description), or from Qt 6.8 on one announcement of the toolkit (its message).
struct Notice
{
    QString message, details;
    bool assertive = false;
};
QVector<Notice> notices;

// Every event the window sent a reader, in order: its kind, and whether its object was shown.
struct Sent
{
    QAccessible::Event type;
    QString object;   // its name
    bool label = false;
    bool told = false;   // an announcement, or a notification shown
};
QVector<Sent> sent;

void listen(QAccessibleEvent *event)
{
    const QObject *source = event->object();
    const int before = notices.size();
#if TOOLKIT_ANNOUNCES
    if (event->type() == QAccessible::Announcement) {
        const auto *said = static_cast<QAccessibleAnnouncementEvent *>(event);
        const bool assertive =
            said->politeness() == QAccessible::AnnouncementPoliteness::Assertive;
        notices.append({said->message(), QString(), assertive});
    }
#endif
    QAccessibleInterface *shown = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && shown
        && shown->role() == QAccessible::Notification)
        notices.append({shown->text(QAccessible::Name), shown->text(QAccessible::Description)});
    sent.append({event->type(), source ? source->objectName() : QString(),
                 qobject_cast<const QLabel *>(source) != nullptr, notices.size() > before});
}

// What a reader passes through from the window down to an object: each one's role.
QVector<QAccessible::Role> rolesAbove(QAccessibleInterface *object)
{
    QVector<QAccessible::Role> roles;
    for (QAccessibleInterface *up = object->parent(); up; up = up->parent())
        roles.append(up->role());
    return roles;
}

// The names a reader's flat review finds under an object: every named leaf shown, and each
// answer list whole, as one; with `nameless`, a leaf shown without a name as well, as "".
void collectShown(QAccessibleInterface *node, QStringList *names, bool nameless = false)
{
    if (node->state().invisible)
        return;
    const int count = node->role() == QAccessible::ComboBox ? 0 : node->childCount();
    if (count == 0 && (nameless || !node->text(QAccessible::Name).isEmpty()))
        names->append(node->text(QAccessible::Name));
    for (int i = 0; i < count; ++i)
        if (QAccessibleInterface *child = node->child(i))
            collectShown(child, names, nameless);
}

// Every object with the notification role in the window's tree, shown or not; or only those
// a reader finds on screen.
int notificationsIn(QAccessibleInterface *node, bool shownOnly = false)
{
    if (shownOnly && node->state().invisible)
        return 0;
    int found = node->role() == QAccessible::Notification ? 1 : 0;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            found += notificationsIn(child, shownOnly);
    return found;
}

QAccessibleInterface *reader(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}
QString heard(QObject *object)
{
    return object ? reader(object)->text(QAccessible::Name) : "?";
}
void press(Qt::Key key) { QTest::keyClick(focused(), key); }

// A window the keyboard works in, and no announcement heard yet.
std::unique_ptr<MainWindow> windowForTheKeyboard()
{
    auto w = freshWindow();
    QApplication::setActiveWindow(w.get());
    (void)QTest::qWaitForWindowActive(w.get());
    notices.clear();
    return w;
}
} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
    QAccessible::UpdateHandler previousHandler = nullptr;
private slots:
    void initTestCase();
    void cleanupTestCase();
    void eachPressIsAnnounced_data();
    void eachPressIsAnnounced();
    void resultIsToldInTurn();
    void pageIsToldBeforeTheFocusMoves_data();
    void pageIsToldBeforeTheFocusMoves();
    void noLayerBeforeTheFocus_data();
    void noLayerBeforeTheFocus();
    void questionIsSaidOnce();
    void eachLineIsReviewedOnce();
    void listsKeepTheirItem_data();
    void listsKeepTheirItem();
    void reviewIsHeardByKeyboard();
    void reviewIsPlacedByText();
    void textsTellTheirLanguages();
    void languagesAreTold_data();
    void languagesAreTold();
    void optionsTellTheirLanguages_data();
    void optionsTellTheirLanguages();
    void passageReadsByLine();
};

void AccessibilityTest::initTestCase()
{
    prepare();
    // As when a screen reader listens: the offscreen platform has no bridge to turn it on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    previousHandler = QAccessible::installUpdateHandler(listen);
}

void AccessibilityTest::cleanupTestCase()
{
    QAccessible::installUpdateHandler(previousHandler);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
}

// Each Next, Back and Finish tells the reader where the learner is now, once: a page
// politely, the result at once. From Qt 6.8 on the toolkit's own announcement says it,
// and no notification object is left in the window.
void AccessibilityTest::eachPressIsAnnounced_data()
{
    QTest::addColumn<QString>("presses");   // N Next, B Back, F Finish
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("announced");   // the one announcement from Qt 6.8 on
    QTest::newRow("Next to exercise I") << "N" << "LECTURE, 5 x 2 = 10"
        << "Complétez les phrases en vous servant du texte:"
        << "LECTURE, 5 x 2 = 10. Complétez les phrases en vous servant du texte:";
    QTest::newRow("Next to exercise II") << "NN" << "VOCABULAIRE, 5 x 2 = 10"
        << "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents "
           "ukrainiens:"
        << "VOCABULAIRE, 5 x 2 = 10. II. Écrivez vis-à-vis des mots et expressions "
           "français leurs équivalents ukrainiens:";
    QTest::newRow("Back to the reading") << "NB" << "LECTURE" << "I. Lisez le texte:"
        << "LECTURE. I. Lisez le texte:";
    QTest::newRow("Next to exercise VI") << "NNNNNN" << "GRAMMAIRE, 5 x 2 = 10"
        << "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:"
        << "GRAMMAIRE, 5 x 2 = 10. VI. Complétez les phrases par les formes "
           "impersonnelles du verbe suivantes:";
    QTest::newRow("Back to exercise V") << "NNNNNNB" << "VOCABULAIRE, 10 x 2 = 20"
        << "V. Distribuez les drogues en trois colonnes selon leurs effets:"
        << "VOCABULAIRE, 10 x 2 = 20. V. Distribuez les drogues en trois colonnes selon "
           "leurs effets:";
    QTest::newRow("Finish, nothing answered") << "NNNNNNF"
        << "Nombre de points: 0, Votre note: Mal!" << "RÉSULTAT, Au total: 70 points"
        << "Nombre de points: 0, Votre note: Mal! RÉSULTAT, Au total: 70 points";
}

void AccessibilityTest::eachPressIsAnnounced()
{
    QFETCH(QString, presses);
    QFETCH(QString, message);
    QFETCH(QString, details);
    QFETCH(QString, announced);
    auto w = windowForTheKeyboard();
    for (const QChar step : presses)
        QVERIFY(step == 'N' ? pressNext(w.get()) : step == 'B' ? pressBack(w.get())
                                                             : pressFinish(w.get()));
    QCOMPARE(notices.size(), presses.size());
#if TOOLKIT_ANNOUNCES
    QCOMPARE(notices.last().message, announced);
    QCOMPARE(notices.last().assertive, presses.endsWith('F'));
    QCOMPARE(notificationsIn(reader(w.get())), 0);
#else
    QCOMPARE(notices.last().message, message);
    QCOMPARE(notices.last().details, details);
    // Heard as it is shown, and not found again by a reader's review of the window.
    QCOMPARE(notificationsIn(reader(w.get()), true), 0);
#endif
}

// Finish tells the result once, in turn with the focus. The toolkit's announcement comes
// right after the focus reaches the review, before any label of the review is written:
// after the review's two hundred events it came ten seconds late, or never. A notification
// object is shown after the review is written: shown before, Orca 43 never said it.
void AccessibilityTest::resultIsToldInTurn()
{
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), 6));
    QVERIFY(tabTo("pushButton_3"));
    sent.clear();
    notices.clear();
    press(Qt::Key_Space);
    int focusAt = -1;
    int toldAt = -1;
    int lastLabelAt = -1;
    QStringList changedBefore;
    for (int i = 0; i < sent.size(); ++i) {
        if (sent[i].type == QAccessible::Focus && focusAt < 0)
            focusAt = i;
        if (sent[i].told && toldAt < 0)
            toldAt = i;
        if (sent[i].type != QAccessible::NameChanged || !sent[i].label)
            continue;
        lastLabelAt = i;
        if (toldAt < 0)
            changedBefore.append(sent[i].object);
    }
    QVERIFY(focusAt >= 0);
    QVERIFY2(toldAt > focusAt, qPrintable(QString::number(toldAt)));
    QCOMPARE(notices.size(), 1);
    if (!accessible::Announcer::toolkitAnnounces) {
        QVERIFY2(toldAt > lastLabelAt, qPrintable(QString::number(lastLabelAt - toldAt)));
        return;
    }
    QVERIFY2(toldAt - focusAt <= 8, qPrintable(QString::number(toldAt - focusAt)));
    QCOMPARE(changedBefore, QStringList({"type_label", "total_label", "label_mark",
                                         "label_mark_2"}));
}

// Where the button pressed hides, on exercise VI and on the reading page, the focus passes
// on to the next control, and the reader says where it went: the page is told first.
void AccessibilityTest::pageIsToldBeforeTheFocusMoves_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Next to exercise VI") << 5 << "pushButton_2" << "cbg6_1";
    QTest::newRow("Back to the reading") << 1 << "pushButton_1" << "pushButton_2";
}

void AccessibilityTest::pageIsToldBeforeTheFocusMoves()
{
    QFETCH(int, page);
    QFETCH(QString, pressed);
    QFETCH(QString, focus);
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), page));
    QVERIFY(tabTo(pressed));
    sent.clear();
    notices.clear();
    press(Qt::Key_Space);
    int toldAt = -1;
    int focusAt = -1;
    for (int i = 0; i < sent.size(); ++i) {
        if (sent[i].told && toldAt < 0)
            toldAt = i;
        if (sent[i].type == QAccessible::Focus && focusAt < 0)
            focusAt = i;
    }
    QCOMPARE(notices.size(), 1);
    QVERIFY(toldAt >= 0);
    QVERIFY2(focusAt > toldAt, qPrintable(QString::number(focusAt - toldAt)));
    QCOMPARE(sent[focusAt].object, focus);
    QCOMPARE(focused()->objectName(), focus);
}

// Entering a page, the reader passes through no layered pane: Orca spoke one, "layered
// pane 0 items", before the question on each page and before each review cell.
void AccessibilityTest::noLayerBeforeTheFocus_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("target");   // "" for the first review cell after Finish
    QTest::newRow("exercise I, question 1") << 1 << "rb1_1";
    QTest::newRow("exercise II, list 1") << 2 << "cbv2_1";
    QTest::newRow("exercise VI, list 1") << 6 << "cbg6_1";
    QTest::newRow("review tab 1, cell 1") << 6 << "";
}

void AccessibilityTest::noLayerBeforeTheFocus()
{
    QFETCH(int, page);
    QFETCH(QString, target);
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), page));
    if (target.isEmpty()) {
        QVERIFY(tabTo("pushButton_3"));
        press(Qt::Key_Space);
        press(Qt::Key_Tab);
    } else {
        QVERIFY(tabTo(target));
    }
    const QVector<QAccessible::Role> roles = rolesAbove(reader(focused()));
    QVERIFY(roles.contains(QAccessible::Window));
    QVERIFY2(!roles.contains(QAccessible::LayeredPane), qPrintable(heard(focused())));
}

// A question of exercise I is said once as the focus comes to one of its options. Its box
// is named by the question and labelled by the one widget that holds the options: Orca 48
// and later say the question as the options' group and take such a box for mere layout;
// without the relation they said it again as the box around the option.
void AccessibilityTest::questionIsSaidOnce()
{
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), 1));
    QVERIFY(tabTo("rb2_1"));
    QAccessibleInterface *holder = reader(focused())->parent();
    QAccessibleInterface *box = holder->parent();
    QCOMPARE(holder->text(QAccessible::Name), "");
    QCOMPARE(box->text(QAccessible::Name), "2. L'héroïne se présente sous la forme ...");
    const auto labels = box->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), holder->object());
    const auto labelled = box->relations(QAccessible::Labelled);
    QCOMPARE(labelled.size(), 1);
    QCOMPARE(labelled.first().first->object(), holder->object());
}

// Flat review reads each line once: a label that its answer list or its review cell
// already says is not shown to the reader as well.
void AccessibilityTest::eachLineIsReviewedOnce()
{
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), 2));
    QVERIFY(tabTo("cbv2_1"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QStringList names;
    collectShown(reader(stack(w.get())->currentWidget()), &names);
    QCOMPARE(names, QStringList({
        "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents "
        "ukrainiens:",
        "1) centraliser les renseignements: b) збирати відомості",
        "2) servir de liaison", "3) la livraison surveillée",
        "4) une opération d'infiltration", "5) apporter un concours"}));

    QVERIFY(goToPage(w.get(), 6));
    QVERIFY(tabTo("pushButton_3"));
    press(Qt::Key_Space);
    names.clear();
    collectShown(reader(w->findChild<QTabWidget *>()->currentWidget()), &names);
    QCOMPARE(names, QStringList({
        "I. Complétez les phrases en vous servant du texte:",
        "1. L'héroïne est ...: Відповіді нема. Неправильна відповідь",
        "2. L'héroïne se présente sous la forme ...: Відповіді нема. Неправильна відповідь",
        "3. Les effets de la consommation de l'héroïne sont ...: Відповіді нема. "
        "Неправильна відповідь",
        "4. L'usage de l'héroïne entraîne ...: Відповіді нема. Неправильна відповідь",
        "5. La surdose à l'héroïne provoque ...: Відповіді нема. Неправильна відповідь"}));
}

// An answer list is heard by its item, before and after a choice, with the option chosen;
// Down on a closed list says the new option. From Qt 5.15.15 and Qt 6.8 on the reader says
// it itself, as the list's name changes; from Qt 6.8 on the list also tells an empty value
// text, so that the option is not said a second time after the name.
void AccessibilityTest::listsKeepTheirItem_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("cbv2_1") << 2 << 1 << "1) centraliser les renseignements"
                            << "1) centraliser les renseignements: b) збирати відомості";
    QTest::newRow("cbg5_9") << 5 << 2 << "9) Héroïne" << "9) Héroïne: Les dépresseurs";
}

void AccessibilityTest::listsKeepTheirItem()
{
    QFETCH(int, page);
    QFETCH(int, option);
    QFETCH(QString, before);
    QFETCH(QString, after);
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), page));
    QComboBox *answers = list(w.get(), QTest::currentDataTag());
    QCOMPARE(heard(answers), before);
    QVERIFY(tabTo(QTest::currentDataTag()));
    notices.clear();
    for (int o = 0; o <= option; ++o)
        press(Qt::Key_Down);
    QCOMPARE(heard(answers), after);
    // Orca 43 comes with Qt 5.15.8 and Qt 6.4 (Debian 12); Orca 48 and later, which say the
    // option themselves, with later toolkits.
    const QString running = qVersion();
    if (running == "5.15.8" || running.startsWith("6.4.")) {
        QCOMPARE(notices.size(), option + 1);
        QCOMPARE(notices.last().message, after.section(": ", 1));
    } else {
        QCOMPARE(notices.size(), 0);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAttributesInterface *attributes = reader(answers)->attributesInterface();
    QVERIFY(attributes);
    const QVariant custom = attributes->attributeValue(QAccessible::Attribute::Custom);
    const auto told = custom.value<QHash<QString, QString>>();
    QVERIFY(told.contains("valuetext"));
    QCOMPARE(told.value("valuetext"), "");
#endif
}

// After Finish, Tab walks the answers of the tab shown; each says its item, the answer
// and whether it is right. Whatever shows the focus is no object to a reader: the tab reads
// as its heading and its answers, nothing nameless among them.
void AccessibilityTest::reviewIsHeardByKeyboard()
{
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), 1));
    QVERIFY(clickRadio(radio(w.get(), "rb1_1")));   // right
    QVERIFY(clickRadio(radio(w.get(), "rb2_1")));   // wrong
    QVERIFY(goToPage(w.get(), 6));
    QVERIFY(tabTo("pushButton_3"));
    press(Qt::Key_Space);
    // The verdict is said once, in the name: a description would say it again.
    const QStringList expectedCells = {
        "1. L'héroïne est ...: a) un produit toxique obtenu par synthèse à partir de la "
        "morphine. Правильна відповідь|",
        "2. L'héroïne se présente sous la forme ...: a) d'un liquide incolore et inodore. "
        "Неправильна відповідь|",
        "3. Les effets de la consommation de l'héroïne sont ...: Відповіді нема. "
        "Неправильна відповідь|"};
    for (const QString &cell : expectedCells) {
        press(Qt::Key_Tab);
        QAccessibleInterface *answer = reader(focused());
        QCOMPARE(answer->text(QAccessible::Name) + '|'
                     + answer->text(QAccessible::Description),
                 cell);
    }
    QStringList names;
    collectShown(reader(w->findChild<QTabWidget *>()->currentWidget()), &names, true);
    QCOMPARE(names.size(), 6);
    QCOMPARE(names.first(), QString("I. Complétez les phrases en vous servant du texte:"));
    QCOMPARE(names[3] + '|', expectedCells.last());
    QVERIFY2(!names.contains(QString()), qPrintable(names.join('\n')));
}

// Flat review places each label and review answer by where its characters stand, which every
// toolkit tells right: Qt 5 tells an object's place in its window with the top taken from the
// left edge. A one-line label's characters stand as high as the label; a review answer reads
// as its name, one line over the answer.
void AccessibilityTest::reviewIsPlacedByText()
{
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), 6));
    QVERIFY(tabTo("pushButton_3"));
    press(Qt::Key_Space);
    for (const char *name : {"label_88", "label_mark", "type_label"}) {
        QLabel *shown = label(w.get(), name);
        QAccessibleTextInterface *text = reader(shown)->textInterface();
        QVERIFY2(text, name);
        const QRect contents = shown->contentsRect();
        const QRect place(shown->mapToGlobal(contents.topLeft()), contents.size());
        const QRect first = text->characterRect(0);
        QCOMPARE(first.top(), place.top());
        QCOMPARE(first.height(), place.height());
        QVERIFY2(place.contains(first.center()), name);
    }
    press(Qt::Key_Tab);
    QAccessibleTextInterface *said = reader(focused())->textInterface();
    QVERIFY(said);
    const int count = said->characterCount();
    QCOMPARE(said->text(0, count), "1. L'héroïne est ...: Відповіді нема. Неправильна відповідь");
    int start = -1;
    int end = -1;
    QCOMPARE(said->textAtOffset(5, QAccessible::LineBoundary, &start, &end),
             said->text(0, count));
    QCOMPARE(start, 0);
    QCOMPARE(end, count);
    const QRect contents = focused()->contentsRect();
    const QRect place(focused()->mapToGlobal(contents.topLeft()), contents.size());
    const QRect first = said->characterRect(0);
    const QRect last = said->characterRect(count - 1);
    QVERIFY(place.contains(first.center()));
    QCOMPARE(last.top(), place.top());
    QCOMPARE(last.height(), place.height());
    QVERIFY(last.left() > first.right());
}

// A label's text tells the language of each of its runs, on every toolkit: Orca 51 reads a
// review answer in flat review with the French voice, then with the Ukrainian one.
void AccessibilityTest::textsTellTheirLanguages()
{
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), 6));
    QVERIFY(tabTo("pushButton_3"));
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    QAccessibleTextInterface *said = reader(focused())->textInterface();
    QVERIFY(said);
    const QString text = said->text(0, said->characterCount());
    const int ukrainian = text.indexOf("Відповіді");
    QVERIFY(ukrainian > 0);
    int start = -1;
    int end = -1;
    QCOMPARE(said->attributes(0, &start, &end), "language:fr");
    QCOMPARE(start, 0);
    QCOMPARE(end, ukrainian);
    QCOMPARE(said->attributes(ukrainian + 3, &start, &end), "language:uk");
    QCOMPARE(start, ukrainian);
    QCOMPARE(end, text.size());
    QAccessibleTextInterface *section = reader(label(w.get(), "type_label"))->textInterface();
    QCOMPARE(section->attributes(2, &start, &end), "language:fr");
    QCOMPARE(end, section->characterCount());
}

// Each object tells a reader the language it is written in, from Qt 6.10 on: the French
// texts French, the Ukrainian ones Ukrainian, an item with its answer as the item.
void AccessibilityTest::languagesAreTold_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("locale");
    QTest::newRow("the passage") << "label_5" << "fr_FR";
    QTest::newRow("the reading's instruction") << "label_2" << "fr_FR";
    QTest::newRow("the section") << "type_label" << "fr_FR";
    QTest::newRow("Далі") << "pushButton_2" << "uk_UA";
    QTest::newRow("Назад") << "pushButton_1" << "uk_UA";
    QTest::newRow("an option of question 1") << "rb1_1" << "fr_FR";
    QTest::newRow("an item of exercise II") << "cbv2_1" << "fr_FR";
}

void AccessibilityTest::languagesAreTold()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 10, 0)
    QSKIP("the toolkit tells a reader an object's language from Qt 6.10 on");
#else
    QFETCH(QString, widget);
    QFETCH(QString, locale);
    auto w = freshWindow();
    QWidget *shown = w->findChild<QWidget *>(widget);
    QVERIFY(shown);
    QAccessibleAttributesInterface *attributes = reader(shown)->attributesInterface();
    QVERIFY(attributes);
    const QVariant told = attributes->attributeValue(QAccessible::Attribute::Locale);
    QCOMPARE(told.toLocale().name(), locale);
#endif
}

// Each option of a drop-down list tells its own language, from Qt 6.10 on: the Ukrainian
// options of exercise II Ukrainian, though their list is French as its item; the letter that
// numbers an option does not count.
void AccessibilityTest::optionsTellTheirLanguages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("locale");
    QTest::newRow("cbv2_1") << 2 << "b) збирати відомості" << "uk_UA";
    QTest::newRow("cbv3_1") << 3 << "b) aider" << "fr_FR";
}

void AccessibilityTest::optionsTellTheirLanguages()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 10, 0)
    QSKIP("the toolkit tells a reader an object's language from Qt 6.10 on");
#else
    QFETCH(int, page);
    QFETCH(QString, option);
    QFETCH(QString, locale);
    auto w = windowForTheKeyboard();
    QVERIFY(goToPage(w.get(), page));
    QAccessibleInterface *answers = reader(list(w.get(), QTest::currentDataTag()));
    QAccessibleInterface *options = answers->child(0);
    QVERIFY(options);
    QCOMPARE(options->parent(), answers);
    QAccessibleInterface *second = options->child(1);
    QVERIFY(second);
    QCOMPARE(options->child(1), second);
    QCOMPARE(options->indexOfChild(second), 1);
    QCOMPARE(second->parent(), options);
    QCOMPARE(second->role(), QAccessible::ListItem);
    QCOMPARE(second->text(QAccessible::Name).simplified(), option);
    QAccessibleAttributesInterface *attributes = second->attributesInterface();
    QVERIFY(attributes);
    const QVariant told = attributes->attributeValue(QAccessible::Attribute::Locale);
    QCOMPARE(told.toLocale().name(), locale);
#endif
}

// The passage reads line by line, each line shorter than its paragraph, in French.
void AccessibilityTest::passageReadsByLine()
{
    auto w = freshWindow();
    QAccessibleTextInterface *text = reader(label(w.get(), "label_5"))->textInterface();
    QVERIFY(text);
    int start = -1;
    int end = -1;
    QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end).trimmed(),
             "L'HÉROÏNE");
    const int tolerance = text->text(0, text->characterCount()).indexOf("tolérance");
    const QString line = text->textAtOffset(tolerance, QAccessible::LineBoundary, &start, &end);
    const QString paragraph =
        text->textAtOffset(tolerance, QAccessible::ParagraphBoundary, &start, &end);
    QVERIFY2(line.size() < paragraph.size(), qPrintable(line));
    QVERIFY(paragraph.startsWith(line.trimmed()));
    QCOMPARE(text->attributes(tolerance, &start, &end), "language:fr");
    const QRect first = text->characterRect(0);
    const QRect later = text->characterRect(tolerance);
    QVERIFY(first.isValid() && later.top() > first.bottom());

    // Line by line from the top, as flat review reads: each line begins where the one before
    // ended, the break included, and the lines make up the passage once.
    QStringList lines;
    for (int at = 0; at < text->characterCount(); at = end) {
        lines.append(text->textAtOffset(at, QAccessible::LineBoundary, &start, &end));
        QCOMPARE(start, at);
        QVERIFY(end > at);
    }
    QCOMPARE(lines.mid(0, 2), QStringList({"L'HÉROÏNE\n",
                                           "> L'HÉROÏNE, QU'EST-CE QUE C'EST?\n"}));
    QCOMPARE(lines.join(QString()), text->text(0, text->characterCount()));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
