#ifndef MAINWINDOWFORM_H
#define MAINWINDOWFORM_H

#include <QtWidgets/QComboBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

// The head above the pages and the buttons below them.
struct FormChrome
{
    // chrome, head
    QWidget *centralWidget;
    QLabel *total_label;
    QLabel *type_label;
    QPushButton *pushButton_1;
    QPushButton *pushButton_2;
    QLabel *label_3;
    QStackedWidget *stackedWidget;

    // chrome, tail
    QPushButton *pushButton_3;
    QLabel *test_label;
    QPushButton *close_button;
};

// Page 0, the reading passage.
struct ReadingPageWidgets
{
    // page 0: reading text
    QWidget *stacked_lecture1_1;
    QWidget *lecture1_1;
    QLabel *label_2;
    QLabel *label_5;
};

// Page 1, exercise I: five questions of three options.
struct ExerciseOnePageWidgets
{
    // page 1: exercise I
    QWidget *stacked_lecture1_2;
    QWidget *lecture1_2;
    QLabel *label_6;
    QWidget *gridLayoutWidget_2;
    QGridLayout *gridLayout_2;
    QGroupBox *exl5;
    QWidget *verticalLayoutWidget_8;
    QVBoxLayout *verticalLayout_8;
    QRadioButton *rb5_1;
    QRadioButton *rb5_2;
    QRadioButton *rb5_3;
    QGroupBox *exl2;
    QWidget *verticalLayoutWidget_6;
    QVBoxLayout *verticalLayout_6;
    QRadioButton *rb2_1;
    QRadioButton *rb2_2;
    QRadioButton *rb2_3;
    QGroupBox *exl4;
    QWidget *verticalLayoutWidget_4;
    QVBoxLayout *verticalLayout_4;
    QRadioButton *rb4_1;
    QRadioButton *rb4_2;
    QRadioButton *rb4_3;
    QGroupBox *exl1;
    QWidget *verticalLayoutWidget_5;
    QVBoxLayout *verticalLayout_5;
    QRadioButton *rb1_1;
    QRadioButton *rb1_2;
    QRadioButton *rb1_3;
    QGroupBox *exl3;
    QWidget *verticalLayoutWidget_7;
    QVBoxLayout *verticalLayout_7;
    QRadioButton *rb3_1;
    QRadioButton *rb3_2;
    QRadioButton *rb3_3;
};

// Pages 2 to 4, exercises II to IV: five answer lists each.
struct ExercisesTwoThreeFourWidgets
{
    // page 2: exercise II
    QWidget *stacked_vocabulaire2;
    QWidget *vocabulaire2;
    QLabel *label_7;
    QWidget *gridLayoutWidget;
    QGridLayout *gridLayout;
    QComboBox *cbv2_1;
    QLabel *voc2_2;
    QLabel *voc2_3;
    QLabel *voc2_1;
    QLabel *voc2_4;
    QLabel *voc2_5;
    QComboBox *cbv2_2;
    QComboBox *cbv2_3;
    QComboBox *cbv2_4;
    QComboBox *cbv2_5;

    // page 3: exercise III
    QWidget *stacked_vocabulaire3;
    QWidget *vocabulaire3;
    QLabel *exv3;
    QWidget *gridLayoutWidget_3;
    QGridLayout *gridLayout_3;
    QComboBox *cbv3_1;
    QLabel *voc3_2;
    QLabel *voc3_3;
    QLabel *voc3_1;
    QLabel *voc3_4;
    QLabel *voc3_5;
    QComboBox *cbv3_2;
    QComboBox *cbv3_3;
    QComboBox *cbv3_4;
    QComboBox *cbv3_5;

    // page 4: exercise IV
    QWidget *stacked_vocabulaire4;
    QWidget *vocabulaire4;
    QLabel *g4_label;
    QWidget *gridLayoutWidget_4;
    QGridLayout *gridLayout_4;
    QLabel *label_4_5;
    QLabel *label_4_3;
    QLabel *label_4_4;
    QLabel *label_4_2;
    QLabel *label_4_1;
    QComboBox *cbg4_1;
    QComboBox *cbg4_2;
    QComboBox *cbg4_3;
    QComboBox *cbg4_4;
    QComboBox *cbg4_5;
};

// Pages 5 and 6, exercises V and VI.
struct ExercisesFiveSixWidgets
{
    // page 5: exercise V
    QWidget *stacked_vocabulaire5;
    QWidget *vocabulaire5;
    QLabel *label_49;
    QWidget *gridLayoutWidget_5;
    QGridLayout *gridLayout_5;
    QLabel *label_5_2;
    QLabel *label_5_3;
    QLabel *label_5_1;
    QLabel *label_5_5;
    QLabel *label_5_4;
    QLabel *label_5_11;
    QLabel *label_5_15;
    QLabel *label_5_12;
    QLabel *label_5_14;
    QLabel *label_5_13;
    QComboBox *cbg5_1;
    QComboBox *cbg5_2;
    QComboBox *cbg5_3;
    QComboBox *cbg5_4;
    QComboBox *cbg5_5;
    QComboBox *cbg5_6;
    QComboBox *cbg5_7;
    QComboBox *cbg5_8;
    QComboBox *cbg5_9;
    QComboBox *cbg5_10;

    // page 6: exercise VI
    QWidget *page;
    QWidget *vocabulaire5_2;
    QLabel *label_50;
    QWidget *gridLayoutWidget_6;
    QGridLayout *gridLayout_8;
    QLabel *label_5_7;
    QLabel *label_5_6;
    QLabel *label_5_10;
    QLabel *label_5_8;
    QLabel *label_5_9;
    QComboBox *cbg6_1;
    QComboBox *cbg6_2;
    QComboBox *cbg6_3;
    QComboBox *cbg6_4;
    QComboBox *cbg6_5;
};

// Page 7, the result, with the review tabs of exercises I to III.
struct ResultPageWidgets
{
    // page 7: result
    QWidget *result;
    QLabel *label_88;
    QLabel *label_mark;
    QLabel *label_89;
    QLabel *label_mark_2;
    QTabWidget *tabWidget;
    // tab 1, exercise I
    QWidget *resultl1_2;
    QWidget *layoutWidget_2;
    QVBoxLayout *verticalLayout_3;
    QLabel *exl1_2;
    QLabel *exl1_2_1;
    QLabel *res;
    QLabel *exl1_2_2;
    QLabel *res_2;
    QLabel *exl1_2_3;
    QLabel *res_3;
    QLabel *exl1_2_4;
    QLabel *res_4;
    QLabel *exl1_2_5;
    QLabel *res_5;
    // tab 2, exercise II
    QWidget *resultv2;
    QWidget *layoutWidget_3;
    QVBoxLayout *verticalLayout_9;
    QLabel *exv_2;
    QLabel *exv2_1;
    QLabel *res_2_1;
    QLabel *exv2_2;
    QLabel *res_2_2;
    QLabel *exv2_3;
    QLabel *res_2_3;
    QLabel *exv2_4;
    QLabel *res_2_4;
    QLabel *exv2_5;
    QLabel *res_2_5;
    QLabel *exv2_6;
    QLabel *res_2_6;
    QLabel *exv2_7;
    QLabel *res_2_7;
    QLabel *exv2_8;
    QLabel *res_2_8;
    QLabel *exv2_9;
    QLabel *res_2_9;
    QLabel *exv2_10;
    QLabel *res_2_10;
    // tab 3, exercise III
    QWidget *tab;
    QWidget *layoutWidget_4;
    QVBoxLayout *verticalLayout_10;
    QLabel *exv_3;
    QLabel *exv3_1;
    QLabel *res_3_1;
    QLabel *exv3_2;
    QLabel *res_3_2;
    QLabel *exv3_3;
    QLabel *res_3_3;
    QLabel *exv3_4;
    QLabel *res_3_4;
    QLabel *exv3_5;
    QLabel *res_3_5;
    QLabel *exv3_6;
    QLabel *res_3_6;
    QLabel *exv3_7;
    QLabel *res_3_7;
    QLabel *exv3_8;
    QLabel *res_3_8;
    QLabel *exv3_9;
    QLabel *res_3_9;
    QLabel *exv3_10;
    QLabel *res_3_10;
};

// The review tabs of exercises IV to VI.
struct ReviewTabsFourToSixWidgets
{
    // tab 4, exercise IV
    QWidget *tab_2;
    QLabel *exg_4;
    QWidget *layoutWidget;
    QGridLayout *gridLayout_7;
    QLabel *exg_4_1;
    QLabel *res_4_1;
    QLabel *exg_4_2;
    QLabel *res_4_2;
    QLabel *exg_4_3;
    QLabel *res_4_3;
    QLabel *exg_4_4;
    QLabel *res_4_4;
    QLabel *exg_4_5;
    QLabel *res_4_5;
    // tab 5, exercise V
    QWidget *tab_3;
    QLabel *exg_5;
    QWidget *layoutWidget_6;
    QGridLayout *gridLayout_6;
    QLabel *res_5_6;
    QLabel *res_5_10;
    QLabel *res_5_8;
    QLabel *res_5_9;
    QLabel *res_5_7;
    QLabel *res_5_2;
    QLabel *res_5_3;
    QLabel *res_5_4;
    QLabel *res_5_5;
    QLabel *res_5_1;
    QLabel *exg_5_1;
    QLabel *exg_5_2;
    QLabel *exg_5_3;
    QLabel *exg_5_4;
    QLabel *exg_5_5;
    QLabel *exg_5_6;
    QLabel *exg_5_7;
    QLabel *exg_5_8;
    QLabel *exg_5_9;
    QLabel *exg_5_10;
    // tab 6, exercise VI
    QWidget *tab_4;
    QWidget *layoutWidget_7;
    QGridLayout *gridLayout_9;
    QLabel *res_6_1;
    QLabel *res_6_2;
    QLabel *res_6_3;
    QLabel *res_6_4;
    QLabel *res_6_5;
    QLabel *exg_6;
};

// Builds the whole widget tree of the main window and gives every text.
// One non-owning pointer per widget and layout, declared page group by page group in creation
// order; every widget is owned by its parent widget.
class MainWindowForm : public FormChrome,
                       public ReadingPageWidgets,
                       public ExerciseOnePageWidgets,
                       public ExercisesTwoThreeFourWidgets,
                       public ExercisesFiveSixWidgets,
                       public ResultPageWidgets,
                       public ReviewTabsFourToSixWidgets
{
public:
    void setupUi(QMainWindow *MainWindow);
    void retranslateUi(QMainWindow *MainWindow);

private:
    // One builder and one text routine per page group, each in its own source.
    void setupReadingPage();
    void setupExerciseOnePage();
    void setupExercisesTwoThreePages();
    void setupExerciseFourPage();
    void setupExercisesFiveSixPages();
    void setupResultPage();

    void retranslateReadingPage();
    void retranslateExerciseOnePage();
    void retranslateExercisesTwoThreePages();
    void retranslateExerciseFourPage();
    void retranslateExercisesFiveSixPages();
    void retranslateResultPage();
};

#endif // MAINWINDOWFORM_H
