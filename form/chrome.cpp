// The window itself, the chrome around the page stack, and the order in which
// the pages are built; each page group has a source of its own.
#include "exercises.h"
#include "formstyles.h"
#include "mainwindowform.h"

#include <QtCore/QMetaObject>

using formstyles::tr;

namespace {

// The points line at the top right, white on the window's gradient.
const char *const pointsStyle =
    "background: rgba(255, 255, 255, 0);\n"
    "font: bold 16pt \"Trebuchet MS\";\n"
    "color: #ffffff;\n";
// The section name under the test number, underlined.
const char *const sectionStyle =
    "background: rgba(255, 255, 255, 0);\n"
    "font: bold 16pt \"Trebuchet MS\";\n"
    "text-decoration: underline;\n"
    "color: #ffffff;\n";
// Back and Next: white on a blue gradient.
const char *const navigationStyle =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, "
    "stop:0 rgba(0, 0, 131, 255), "
    "stop:1 rgba(0, 144, 255, 255));\n"
    "color: rgb(255, 255, 255);\n"
    "border-color: rgb(255, 255, 255);\n"
    "font: bold 10pt \"Trebuchet MS\";\n"
    "border: 1px solid #000;\n"
    "border-radius: 5px;\n"
    "height: 20px;\n"
    "\n";
// "Français" at the bottom left.
const char *const captionStyle =
    "color: rgb(255, 255, 255);\n"
    "font: bold 18pt \"Trebuchet MS\";\n"
    "background-color: rgb(255, 255, 255, 0.0);";
// The page stack: see-through, so the window's gradient shows around the pages.
const char *const stackStyle =
    "background-color: rgb(181, 181, 181);\n"
    "background-color: rgb(255, 255, 255, 0);";
// Finish: white on a green gradient.
const char *const finishStyle =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, "
    "stop:0 rgba(0, 63, 0, 255), "
    "stop:1 rgba(0, 255, 0, 255));\n"
    "color: rgb(255, 255, 255);\n"
    "border: 1px solid #000;\n"
    "border-radius: 5px;\n"
    "font: bold 10pt \"Trebuchet MS\";\n"
    "height: 20px;\n"
    "\n";
// "TEST № 8" at the top left.
const char *const testNumberStyle =
    "background: rgba(255, 255, 255, 0);\n"
    "font: 75 16pt \"Tahoma\";";
// Close: white on a red gradient.
const char *const closeStyle =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, "
    "stop:0 rgba(146, 0, 0, 255), "
    "stop:1 rgba(255, 0, 0, 255));\n"
    "color: rgb(255, 255, 255);\n"
    "font: bold 10pt \"Trebuchet MS\";\n"
    "border: 1px solid #000;\n"
    "border-radius: 5px;\n"
    "height:20px;\n";

// The section shown at the start, before any Next or Back.
const char *const sectionText = "<html><head/><body><p>LECTURE</p></body></html>";
const char *const captionText =
    "<html><head/><body><p><span style=\" font-size:16pt; font-weight:600;\">Français</span>"
    "</p></body></html>";
const char *const testNumberText =
    "<html><head/><body><p align=\"center\"><span style=\" font-size:16pt; font-weight:600; "
    "color:#ffffff;\">TEST № 8</span></p></body></html>";

// A button of the chrome. Finish and Close are enabled explicitly, as the form has it; a new
// button is enabled already, so that changes nothing but is kept in its place in the order.
QPushButton *makeButton(QWidget *parent, const char *name, bool enableExplicitly,
                        const QRect &geometry, const char *style)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    if (enableExplicitly)
        button->setEnabled(true);
    button->setGeometry(geometry);
    button->setStyleSheet(QString::fromUtf8(style));
    return button;
}

// A label of the chrome with its geometry and style sheet.
QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry, const char *style)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setStyleSheet(QString::fromUtf8(style));
    return label;
}

// Filling a list selects its first option; every answer list starts empty.
void clearAnswerLists(MainWindowForm *form)
{
    for (const auto &exercise : exercises::listExercises)
        for (int row = 0; row < exercise.itemCount; ++row)
            (form->*exercise.items[row].list)->setCurrentIndex(-1);
}

} // namespace

void MainWindowForm::setupUi(QMainWindow *MainWindow)
{
    if (MainWindow->objectName().isEmpty())
        MainWindow->setObjectName(QStringLiteral("MainWindow"));
    MainWindow->resize(800, 600);
    MainWindow->setMinimumSize(QSize(800, 600));
    MainWindow->setMaximumSize(QSize(800, 600));
    MainWindow->setStyleSheet(QString::fromUtf8(formstyles::window));

    centralWidget = new QWidget(MainWindow);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));

    total_label = new QLabel(centralWidget);
    total_label->setObjectName(QStringLiteral("total_label"));
    total_label->setGeometry(QRect(584, 10, 211, 31));
    total_label->setStyleSheet(QString::fromUtf8(pointsStyle));
    total_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    type_label = new QLabel(centralWidget);
    type_label->setObjectName(QStringLiteral("type_label"));
    type_label->setGeometry(QRect(24, 40, 200, 31));
    type_label->setMinimumSize(QSize(200, 0));
    type_label->setStyleSheet(QString::fromUtf8(sectionStyle));
    type_label->setTextFormat(Qt::RichText);
    formstyles::keepAccentsWhole(type_label);   // "RÉSULTAT"

    pushButton_1 =
        makeButton(centralWidget, "pushButton_1", false, QRect(371, 570, 100, 22), navigationStyle);
    pushButton_2 =
        makeButton(centralWidget, "pushButton_2", false, QRect(477, 570, 101, 22), navigationStyle);

    label_3 = makeLabel(centralWidget, "label_3", QRect(14, 560, 131, 31), captionStyle);

    stackedWidget = new QStackedWidget(centralWidget);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    stackedWidget->setGeometry(QRect(4, 70, 801, 491));
    stackedWidget->setStyleSheet(QString::fromUtf8(stackStyle));
    stackedWidget->setFrameShape(QFrame::NoFrame);
    stackedWidget->setFrameShadow(QFrame::Plain);
    // The window, the chrome so far and the stack are polished now, before any page
    // exists; each page is polished when first shown (formstyles::polishWhenShown).
    MainWindow->ensurePolished();

    // Each builder creates its page, fills it and only then appends it to the stack.
    setupReadingPage();
    setupExerciseOnePage();
    setupExercisesTwoThreePages();
    setupExerciseFourPage();
    setupExercisesFiveSixPages();
    setupResultPage();

    pushButton_3 =
        makeButton(centralWidget, "pushButton_3", true, QRect(584, 570, 100, 22), finishStyle);

    test_label = makeLabel(centralWidget, "test_label", QRect(14, 10, 121, 21), testNumberStyle);

    close_button =
        makeButton(centralWidget, "close_button", true, QRect(690, 570, 100, 22), closeStyle);
    // The chrome built after the pages, polished before the texts go in like the rest of it:
    // a rich text laid out before its label is polished would be laid out again when shown.
    pushButton_3->ensurePolished();
    test_label->ensurePolished();
    close_button->ensurePolished();

    MainWindow->setCentralWidget(centralWidget);

    retranslateUi(MainWindow);

    stackedWidget->setCurrentIndex(1);
    clearAnswerLists(this);
    tabWidget->setCurrentIndex(0);

    QMetaObject::connectSlotsByName(MainWindow);
}

void MainWindowForm::retranslateUi(QMainWindow *MainWindow)
{
    MainWindow->setWindowTitle(tr("TEST № 8. LA LUTTE CONTRE LE TRAFIC DE STUPÉFIANTS."));
    total_label->setText(QString());
    type_label->setText(tr(sectionText));
    pushButton_1->setText(tr("Назад"));
    pushButton_2->setText(tr("Далі"));
    label_3->setText(tr(captionText));

    retranslateReadingPage();
    retranslateExerciseOnePage();
    retranslateExercisesTwoThreePages();
    retranslateExerciseFourPage();
    retranslateExercisesFiveSixPages();
    retranslateResultPage();

    pushButton_3->setText(tr("Завершити"));
    test_label->setText(tr(testNumberText));
    close_button->setText(tr("Закрити"));
}
