// The window's start state, Close, and the walk through the pages with Next and Back.
#include "mainwindow.h"

#include "announcer.h"
#include "counters.h"
#include "interfaces.h"
#include "mainwindowform.h"
#include "spoken.h"

int current_page = 0;
int correct_answers = 0;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , form(new MainWindowForm())
{
    form->setupUi(this);
    // Speaks what each step brings; it lives among the widgets it tells of, found from there.
    new accessible::Announcer(form->centralWidget);
    accessible::renewShownTabs(form->tabWidget);
    form->pushButton_3->setVisible(false);
    form->pushButton_1->setVisible(false);
    form->close_button->setVisible(false);
    form->stackedWidget->setCurrentIndex(0);
}

MainWindow::~MainWindow()
{
    delete form;
}

void MainWindow::on_close_button_clicked()
{
    close();
}

void MainWindow::on_pushButton_2_clicked()
{
    ++current_page;
    turnPage();
}

void MainWindow::on_pushButton_1_clicked()
{
    --current_page;
    turnPage();
}

// Shows the page current_page names and tells the reader of it. Where the button pressed
// hides, on the reading page and on exercise VI, the focus passes on to the next control and
// the reader says where it went: the page is told before. Orca 43, and Orca 51 with the
// toolkit's announcement, say the two in the order they come; Orca 48, and Orca 51 with a
// notification, take a change of focus before any other event waiting and say it first.
void MainWindow::turnPage()
{
    showCurrentPage();
    announcePage();
    showButtons();
}

// Brings the stack and the header into line with current_page; a counter beyond either end
// is brought back to the reading page or to exercise VI.
void MainWindow::showCurrentPage()
{
    // A reader that looked at the window while the page was hidden must see it anew.
    accessible::renewInterfaces(form->stackedWidget->widget(qBound(0, current_page, 6)));
    if (current_page <= 0) {
        form->stackedWidget->setCurrentIndex(0);
        form->total_label->setText(QStringLiteral(" "));
        current_page = 0;
        form->type_label->setText(QStringLiteral("LECTURE"));
    }

    struct Header { const char *section; const char *points; };
    static const Header headers[] = {
        {"LECTURE", "5 x 2 = 10"},       // 1: exercise I
        {"VOCABULAIRE", "5 x 2 = 10"},   // 2: exercise II
        {"VOCABULAIRE", "5 x 2 = 10"},   // 3: exercise III
        {"GRAMMAIRE", "5 x 2 = 10"},     // 4: exercise IV
        {"VOCABULAIRE", "10 x 2 = 20"},  // 5: exercise V
    };
    if (current_page >= 1 && current_page <= 5) {
        const Header &header = headers[current_page - 1];
        form->stackedWidget->setCurrentIndex(current_page);
        form->type_label->setText(QString::fromLatin1(header.section));
        form->total_label->setText(QString::fromLatin1(header.points));
    }

    if (current_page <= 5)
        return;
    form->stackedWidget->setCurrentIndex(6);
    form->type_label->setText(QStringLiteral("GRAMMAIRE"));
    form->total_label->setText(QStringLiteral("5 x 2 = 10"));
    current_page = 6;
}

// Back from exercise I on, Next up to exercise V, Finish on exercise VI.
void MainWindow::showButtons()
{
    form->pushButton_1->setVisible(current_page > 0);
    form->pushButton_3->setVisible(current_page == 6);
    form->pushButton_2->setVisible(current_page < 6);
}

// Tells the reader which page came up: its section, its points and what it asks. The focus
// stays on the button just pressed, so that pressing it again goes on page by page.
void MainWindow::announcePage()
{
    QLabel *const headings[] = {form->label_2, form->label_6, form->label_7, form->exv3,
                                form->g4_label, form->label_49, form->label_50};
    QStringList header;
    for (const QLabel *label : {form->type_label, form->total_label}) {
        const QString text = accessible::spokenText(label);
        if (!text.isEmpty())
            header << text;
    }
    const int page = form->stackedWidget->currentIndex();
    accessible::Announcer *announcer = accessible::Announcer::of(form->centralWidget);
    if (announcer)
        announcer->announce(header.join(QStringLiteral(", ")),
                            accessible::spokenText(headings[page]));
}
