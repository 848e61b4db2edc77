// The program's one window: it owns the form that builds every widget, and its slots, bound
// by name, are the test's steps: Next and Back, Finish, Close.
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QtWidgets/QMainWindow>

class MainWindowForm;

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
    void turnPage();
    void showCurrentPage();
    void showButtons();
    void announcePage();
    void announceResult();

    MainWindowForm *form;
};

#endif // MAINWINDOW_H
