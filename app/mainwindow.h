#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QtWidgets/QMainWindow>

class MainWindowForm;
namespace accessible { class Announcer; }

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow();

private slots:
    void on_close_button_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_1_clicked();
    void on_pushButton_3_clicked();

private:
    void showCurrentPage();
    void announcePage();
    void announceResult();

    MainWindowForm *form;
    accessible::Announcer *announcer;
};

#endif // MAINWINDOW_H
