#include "AET_Unit.h"

#include <QApplication>

TAET_Form *AET_Form = nullptr;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    AET_Form = new TAET_Form;
    AET_Form->show();
    application.exec();
    return 0;
}
