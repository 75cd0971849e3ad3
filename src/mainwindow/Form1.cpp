#include "mainwindow/Form1.h"

Form1::Form1(QWidget* parent) : QMainWindow(parent) {}

Form1::~Form1() = default;
